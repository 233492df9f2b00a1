#pragma once

#include "framework/control.h"

class QString;

// A multi-line plain-text field. Its one line break is CR (13): every character it shows as a line
// break (pasted CR LF, LF, CR, U+2028 from Shift+Enter, U+2029) reads back as CR, and Text gives
// every other character exactly as it stands (no-break spaces too). A paste or drop that offers no
// text leaves the field as it is.
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

 private:
  friend class Clipboard;
  // The text with Qt's line breaks. Right after SetText it is the text Qt was given, handed over
  // once without reading the field back; that is exactly what a read gives.
  QString TakeQtText();

  static const PropertyKey<TextArea> kPropertyKeys[];
  void ApplyColours();

  // The field's own colours, kept whatever the desktop's theme; a hidden selection is not shown
  // while the field has no focus.
  Color textColor_{0, 0, 0}, backColor_{255, 255, 255};
  bool hideSelection_ = false;
};
