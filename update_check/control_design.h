#pragma once

// What the controls of the update check's windows share in their design: the common rows of their
// property lists, and the order in which each is built.

#include <cstdint>
#include <functional>
#include <memory>

#include "framework/property_list.h"
#include "framework/window.h"

// Placed, visible, enabled, a tab stop, locked to the top and left edges, in no control set.
inline PropertyList PlacedControl(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height, std::int32_t tabIndex) {
  PropertyList list;
  list.Int("Left", left)
      .Int("Top", top)
      .Int("Width", width)
      .Int("Height", height)
      .Int("TabIndex", tabIndex)
      .Bool("Visible", true)
      .Bool("Enabled", true)
      .Bool("TabStop", true)
      .Bool("LockLeft", true)
      .Bool("LockTop", true)
      .Bool("LockRight", false)
      .Bool("LockBottom", false)
      .Int("Index", -2147483648);
  return list;
}

// A push button in the platform's "System" font and plain push-button style.
inline PropertyList& ButtonRows(PropertyList& list, const String& caption, bool bold, bool isDefault, bool isCancel) {
  return list.Text("Caption", caption)
      .Text("TextFont", U"System")
      .Bool("Bold", bold)
      .Bool("Default", isDefault)
      .Bool("Cancel", isCancel)
      .Int("ButtonStyle", 0);
}

// Creates the control on the window under its name, lets prepare set what the list does not hold,
// then applies the list.
template <class C>
std::shared_ptr<C> BuildControl(Window& window, const String& name, const std::function<void(C&)>& prepare, const PropertyList& list) {
  window.AddControl(name, window.New<C>());
  if (prepare) prepare(*window.ControlAs<C>(name));
  SetProperties(*window.ControlAs<C>(name), list.Bytes());
  return window.ControlAs<C>(name);
}
