#include "framework/text_area.h"

#include <QMimeData>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>

#include "framework/qt_text.h"

namespace {
class TextAreaWidget final : public QPlainTextEdit {
 public:
  using QPlainTextEdit::QPlainTextEdit;

 protected:
  // Pasted text arrives as plain text with the field's own line breaks, whatever the source used.
  void insertFromMimeData(const QMimeData* source) override {
    if (!source || !source->hasText()) return;
    String text = ToProgramLineBreaks(FromQString(source->text()));
    for (auto& c : text) {
      if (c == U'\r') c = U'\n';
    }
    textCursor().insertText(ToQString(text));
    ensureCursorVisible();
  }
};

TextAreaWidget& Edit(QWidget& w) { return static_cast<TextAreaWidget&>(w); }

const PropertyKey<TextArea> kKeys[] = {
    {"Text", PropertyKind::Text, [](TextArea& t, const PropertyValue& v) { t.SetText(std::get<String>(v)); }},
    {"ReadOnly", PropertyKind::Boolean,
     [](TextArea& t, const PropertyValue& v) {
       if (auto* w = t.Widget()) Edit(*w).setReadOnly(std::get<bool>(v));
     }},
    {"ScrollbarVertical", PropertyKind::Boolean,
     [](TextArea& t, const PropertyValue& v) {
       if (auto* w = t.Widget()) Edit(*w).setVerticalScrollBarPolicy(std::get<bool>(v) ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
     }},
    {"ScrollbarHorizontal", PropertyKind::Boolean,
     [](TextArea& t, const PropertyValue& v) {
       if (auto* w = t.Widget()) {
         Edit(*w).setHorizontalScrollBarPolicy(std::get<bool>(v) ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
         Edit(*w).setLineWrapMode(std::get<bool>(v) ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
       }
     }},
    {"AcceptTabs", PropertyKind::Boolean,
     [](TextArea& t, const PropertyValue& v) {
       if (auto* w = t.Widget()) Edit(*w).setTabChangesFocus(!std::get<bool>(v));
     }},
    {"Border", PropertyKind::Boolean,
     [](TextArea& t, const PropertyValue& v) {
       if (auto* w = t.Widget()) Edit(*w).setFrameShape(std::get<bool>(v) ? QFrame::StyledPanel : QFrame::NoFrame);
     }},
    {"HideSelection", PropertyKind::Boolean, IgnoreProperty<TextArea>},  // Qt hides it when inactive
    {"Multiline", PropertyKind::Boolean, IgnoreProperty<TextArea>},      // always multi-line
    {"Styled", PropertyKind::Boolean, IgnoreProperty<TextArea>},         // always plain text
    {"UseFocusRing", PropertyKind::Boolean, IgnoreProperty<TextArea>},
    {"Spellcheck", PropertyKind::Boolean, IgnoreProperty<TextArea>},  // no spell checker on Linux
    {"LimitText", PropertyKind::Integer, IgnoreProperty<TextArea>},   // 0: no limit
    {"Alignment", PropertyKind::Integer, IgnoreProperty<TextArea>},   // 0: the default, left
    {"TextColor", PropertyKind::Color, IgnoreProperty<TextArea>},     // black on white is the default
    {"BackColor", PropertyKind::Color, IgnoreProperty<TextArea>},
    {"Format", PropertyKind::Text, IgnoreProperty<TextArea>},
    {"Mask", PropertyKind::Text, IgnoreProperty<TextArea>},
    {"DataField", PropertyKind::Text, IgnoreProperty<TextArea>},
    {"DataSource", PropertyKind::Text, IgnoreProperty<TextArea>},
};
}  // namespace

String ToProgramLineBreaks(const String& text) {
  String out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char32_t c = text[i];
    if (c == U'\r' && i + 1 < text.size() && text[i + 1] == U'\n') ++i;
    out.push_back(c == U'\n' ? U'\r' : c);
  }
  return out;
}

const ClassRecord& TextArea::ClassInfo() {
  static const ClassRecord record{U"TextArea", &RectControl::ClassInfo(), {}, {}};
  return record;
}

QWidget* TextArea::CreateWidget(QWidget* parent) {
  auto* edit = new TextAreaWidget(parent);
  edit->setTabChangesFocus(true);
  edit->setFocusPolicy(Qt::StrongFocus);
  return edit;
}

String TextArea::Text() const {
  // toRawText keeps every character (toPlainText would turn no-break spaces into blanks);
  // blocks are separated by U+2029, which is the field's line break.
  String text = FromQString(Edit(LiveWidget()).document()->toRawText());
  for (auto& c : text) {
    if (c == U'\u2029') c = U'\r';
  }
  return text;
}

void TextArea::SetText(const String& text) {
  String shown = text;
  for (auto& c : shown) {
    if (c == U'\r') c = U'\n';
  }
  Edit(LiveWidget()).setPlainText(ToQString(shown));
}

bool TextArea::CanUndo() const { return Edit(LiveWidget()).document()->isUndoAvailable(); }
bool TextArea::HasSelection() const { return Edit(LiveWidget()).textCursor().hasSelection(); }
void TextArea::Undo() { Edit(LiveWidget()).undo(); }
void TextArea::Cut() { Edit(LiveWidget()).cut(); }
void TextArea::Copy() { Edit(LiveWidget()).copy(); }
void TextArea::Paste() { Edit(LiveWidget()).paste(); }
void TextArea::DeleteSelection() { Edit(LiveWidget()).textCursor().removeSelectedText(); }
void TextArea::SelectAll() { Edit(LiveWidget()).selectAll(); }

std::optional<PropertySetter> TextArea::PropertySetterFor(std::string_view key) {
  return FindPropertySetter<RectControl>(*this, kKeys, key);
}
