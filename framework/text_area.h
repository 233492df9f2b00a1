#pragma once

#include "framework/control.h"

// A multi-line plain-text field. Its one line break is CR (13): pasted CR LF, LF and CR all
// become it, and Text gives every other character exactly as it stands (no-break spaces too).
class TextArea : public RectControl {
 public:
  static const ClassRecord& ClassInfo();
  const ClassRecord& Record() const override { return ClassInfo(); }

  String Text() const;
  void SetText(const String& text);

  // The standard Edit commands on this field, as the menus use them.
  bool CanUndo() const;
  bool HasSelection() const;
  void Undo();
  void Cut();
  void Copy();
  void Paste();
  void DeleteSelection();
  void SelectAll();

  std::optional<PropertySetter> PropertySetterFor(std::string_view key) override;

 protected:
  QWidget* CreateWidget(QWidget* parent) override;
};

// Turns CR LF, LF and CR into the program's one line break, CR.
String ToProgramLineBreaks(const String& text);
