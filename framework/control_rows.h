#pragma once

// The rows the windows and their controls share in their property lists, so that each window
// writes only what it and its own controls add.

#include <cstdint>

#include "framework/property_list.h"
#include "framework/string.h"

// A window's frame as every window has it: placed by the program, of a fixed size, with a close
// box and no maximise button, its menu bar shown, no colour of its own. The window adds its title,
// size, frame kind, minimise button and live resizing.
inline PropertyList WindowFrame() {
  PropertyList list;
  list.Int("Placement", 0)
      .Int("MinWidth", 64)
      .Int("MinHeight", 64)
      .Int("MaxWidth", 32000)
      .Int("MaxHeight", 32000)
      .Bool("Composite", false)
      .Bool("HasBackColor", false)
      .Colour("BackColor", 0xFFFFFF)
      .Bool("Visible", true)
      .Bool("FullScreen", false)
      .Bool("MenuBarVisible", true)
      .Bool("CloseButton", true)
      .Bool("Resizeable", false)
      .Bool("MaximizeButton", false)
      .Int("MacProcID", 0);
  return list;
}

// The window edges a control keeps its distance to when the window changes size.
enum class Locks { None, LeftTop, LeftTopRight };

// Where the control sits and its place in the tab order: visible, enabled, locked to the given
// edges, in no control set.
inline PropertyList PlacedControl(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height, std::int32_t tabIndex,
                                  Locks locks) {
  PropertyList list;
  list.Int("Left", left)
      .Int("Top", top)
      .Int("Width", width)
      .Int("Height", height)
      .Int("TabIndex", tabIndex)
      .Bool("Visible", true)
      .Bool("Enabled", true)
      .Bool("LockLeft", locks != Locks::None)
      .Bool("LockTop", locks != Locks::None)
      .Bool("LockRight", locks == Locks::LeftTopRight)
      .Bool("LockBottom", false)
      .Int("Index", -2147483648);
  return list;
}

// A control standing on the window itself, in no panel, with no help tag, inactive with its window.
inline PropertyList OnWindow() {
  PropertyList list;
  list.Text("InitialParent", U"").Bool("AutoDeactivate", true).Text("HelpTag", U"").Int("TabPanelIndex", 0);
  return list;
}

inline PropertyList Font(const String& face, bool bold) {
  PropertyList list;
  list.Text("TextFont", face).Bool("Bold", bold);
  return list;
}

// Neither italic nor underlined.
inline PropertyList Upright() {
  PropertyList list;
  list.Bool("Italic", false).Bool("Underline", false);
  return list;
}

// A push button's own rows, in the platform's "System" font and its plain push-button style.
inline PropertyList ButtonRows(const String& caption, bool bold, bool isDefault, bool isCancel) {
  PropertyList list = Font(U"System", bold);
  list.Text("Caption", caption).Bool("Default", isDefault).Bool("Cancel", isCancel).Int("ButtonStyle", 0);
  return list;
}
