#pragma once

#include "framework/control.h"

class QString;

// A multi-line plain-text field. Its one line break is CR (13): every character it shows as a line
// break (pasted CR LF, LF, CR, U+2028 from Shift+Enter, U+2029) reads back as CR, and Text gives
// every other character exactly as it stands (no-break spaces too).
class TextArea : public RectControl {
 public:
  static const ClassRecord& ClassInfo();
  const ClassRecord& Record() const override { return ClassInfo(); }

  String Text() const;
  void SetText(const String& text);
  void SetLineSpacing(double spacing) { lineSpacing_ = spacing; }
  double LineSpacing() const { return lineSpacing_; }
  // While the field has no focus its selection is not shown.
  void SetHideSelection(bool hide);
  // The field's own colours, kept whatever the desktop's theme.
  void SetTextColor(Color colour);
  void SetBackColor(Color colour);

  // The standard Edit commands on this field, as the menus use them.
  bool CanUndo() const;
  bool HasSelection() const;
  void Undo();
  void Cut();
  void Copy();
  void Paste();
  void DeleteSelection();
  void SelectAll();

  std::optional<PropertyKind> PropertyKindOf(std::string_view key) const override;
  void SetProperty(std::string_view key, const PropertyValue& value) override;

  // Framework-internal: the text with Qt's line breaks. Right after SetText it is the text Qt was
  // given, handed over once without reading the field back; that is exactly what a read gives.
  QString TakeQtText();

 protected:
  QWidget* CreateWidget(QWidget* parent) override;

 private:
  void ApplyColours();

  double lineSpacing_ = 1.0;
  bool hideSelection_ = false;
  std::optional<Color> textColor_, backColor_;
};
