#pragma once

// Framework-internal: renders a menu tree on a Qt menu bar. A chosen item runs the application's
// handler registered under its name, otherwise the standard Edit command on the focused text area.

class QMenuBar;
class MenuBar;
class MenuItem;
class TextArea;

void RenderMenuBar(const MenuBar& bar, QMenuBar* target);
// Runs the command an item stands for; false when nothing handled it.
bool RunMenuCommand(const MenuItem& item);
// Whether automatic enabling allows the item now.
bool MenuItemEnabled(const MenuItem& item);
// The text area that has the keyboard focus, or Nil.
TextArea* FocusedTextArea();
