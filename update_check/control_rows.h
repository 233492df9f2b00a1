#pragma once

// What the controls of the update check's windows share: the common part of their property lists.

#include <cstdint>

#include "framework/property_list.h"
#include "framework/string.h"

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

// list, then the rows of a push button in the platform's "System" font and plain push-button style.
inline PropertyList ButtonRows(PropertyList list, const String& caption, bool bold, bool isDefault, bool isCancel) {
  list.Text("Caption", caption)
      .Text("TextFont", U"System")
      .Bool("Bold", bold)
      .Bool("Default", isDefault)
      .Bool("Cancel", isCancel)
      .Int("ButtonStyle", 0);
  return list;
}
