#include "framework/class_record.h"

#include <algorithm>

const MethodInfo* ClassRecord::Method(const String& methodName) const {
  for (const ClassRecord* r = this; r; r = r->superclass) {
    for (const auto& m : r->methods) {
      if (m.name == methodName) return &m;
    }
  }
  return nullptr;
}

bool ClassRecord::HandlesEvent(const String& event) const { return events.contains(event); }

namespace {
std::vector<const ClassRecord*>& Records() {
  static std::vector<const ClassRecord*> records;
  return records;
}
}  // namespace

namespace ClassRegistry {
void Register(const ClassRecord& record) {
  if (!Find(record.name)) Records().push_back(&record);
}

const ClassRecord* Find(const String& name) {
  const auto& all = Records();
  const auto it = std::find_if(all.begin(), all.end(), [&](const ClassRecord* r) { return r->name == name; });
  return it == all.end() ? nullptr : *it;
}

std::vector<String> Names() {
  std::vector<String> names;
  for (const auto* r : Records()) names.push_back(r->name);
  return names;
}

void Clear() { Records().clear(); }
}  // namespace ClassRegistry

std::vector<MethodInfo> PublicMethods(std::initializer_list<std::pair<const char*, const char*>> nameAndSignature) {
  std::vector<MethodInfo> methods;
  for (const auto& [name, signature] : nameAndSignature) {
    MethodInfo m{FromLatin1(name), FromLatin1(signature), {U"__Scope=Public"}};
    if (m.name.starts_with(U"_CreateControls")) m.attributes.push_back(U"Hidden");
    methods.push_back(std::move(m));
  }
  return methods;
}
