#include "framework/class_record.h"

const MethodInfo* ClassRecord::Method(const String& methodName) const {
  for (const ClassRecord* r = this; r; r = r->superclass) {
    for (const auto& m : r->methods) {
      if (m.name == methodName) return &m;
    }
  }
  return nullptr;
}

bool ClassRecord::HandlesEvent(const String& event) const { return events.contains(event); }

void BuildClassRecords(std::initializer_list<const ClassRecord& (*)()> classInfos) {
  for (const auto classInfo : classInfos) classInfo();
}

std::vector<MethodInfo> PublicMethods(std::initializer_list<std::pair<const char*, const char*>> nameAndSignature) {
  std::vector<MethodInfo> methods;
  for (const auto& [name, signature] : nameAndSignature) {
    MethodInfo m{FromLatin1(name), FromLatin1(signature), {U"__Scope=Public"}};
    if (m.name.starts_with(U"_CreateControls")) m.attributes.push_back(U"Hidden");
    methods.push_back(std::move(m));
  }
  return methods;
}
