#pragma once

// Class records: what the framework knows of each class by name (superclass, own methods with
// their signatures and attributes, and the event table that maps framework events to methods).
// The name-based look-ups read them: implicit windows, delegates and the Open event.

#include <functional>
#include <map>
#include <utility>
#include <vector>

#include "framework/exceptions.h"
#include "framework/string.h"

struct MethodInfo {
  String name;
  String signature;
  std::vector<String> attributes;  // "__Scope=Public", "Hidden"
};

struct ClassRecord {
  String name;
  const ClassRecord* superclass = nullptr;
  std::vector<MethodInfo> methods;
  std::map<String, String> events;  // framework event name -> own method name

  const MethodInfo* Method(const String& methodName) const;  // own or inherited
  bool HandlesEvent(const String& event) const;
};

// Each class's ClassInfo builds its record on first use; start-up calls them through this in the
// program's fixed order.
void BuildClassRecords(std::initializer_list<const ClassRecord& (*)()> classInfos);

// Own methods all public, as every class of this program declares them.
std::vector<MethodInfo> PublicMethods(std::initializer_list<std::pair<const char*, const char*>> nameAndSignature);

// A handler is bound by name, and only to a method the class declares with that signature;
// a mismatch is a programming error that must not pass silently.
template <class F>
F Delegate(const ClassRecord& record, const String& method, const String& signature, F function) {
  const MethodInfo* info = record.Method(method);
  if (!info || info->signature != signature)
    throw IllegalCastException("no method " + ToUtf8(method) + " " + ToUtf8(signature) + " in " + ToUtf8(record.name));
  return function;
}

// The same for a method of object's own class, run on object.
template <class C, class... Args>
std::function<void(Args...)> Delegate(C& object, const String& method, const String& signature, void (C::*handler)(Args...)) {
  return Delegate(object.Record(), method, signature,
                  std::function<void(Args...)>([&object, handler](Args... args) { (object.*handler)(std::forward<Args>(args)...); }));
}
