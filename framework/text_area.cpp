#include "framework/text_area.h"

#include <QMimeData>
#include <QPainter>
#include <QPlainTextEdit>
#include <QStyle>
#include <QStyleOptionFrame>
#include <optional>
#include <utility>

#include "framework/qt_text.h"

namespace {
class TextAreaWidget final : public QPlainTextEdit {
 public:
  explicit TextAreaWidget(QWidget* parent) : QPlainTextEdit(parent) {
    connect(document(), &QTextDocument::contentsChanged, this, [this] { handedOver.reset(); });
  }

  // What SetText last gave Qt, while the document still holds exactly that.
  std::optional<QString> handedOver;
  bool focusRing = false;

 protected:
  // A framed panel looks the same with and without focus; a field with a focus ring draws its frame
  // as the style draws a focused text input's.
  bool event(QEvent* e) override {
    const bool handled = QPlainTextEdit::event(e);
    if (e->type() == QEvent::Paint && focusRing && frameShape() != QFrame::NoFrame) {
      QStyleOptionFrame frame;
      frame.initFrom(this);
      frame.rect = frameRect();
      frame.lineWidth = frameWidth();
      frame.state |= QStyle::State_Sunken;
      QPainter painter(this);
      style()->drawPrimitive(QStyle::PE_FrameLineEdit, &frame, &painter, this);
    }
    return handled;
  }

  // Cut, Copy and dragging give the selection as Text would (Qt's own would turn no-break spaces
  // into blanks), with the clipboard's line breaks.
  QMimeData* createMimeDataFromSelection() const override {
    auto* data = new QMimeData;
    data->setText(ToQtLines(FromQtLines(textCursor().selectedText())));
    return data;
  }

  // Every paste, middle click and drop lands here. Qt 6.4's own insertion reads the offer's list of
  // formats again and takes its first entry unchecked: it crashes when the clipboard's owner offers
  // none, refuses, or quits between two readings. So the offered text is read once, and Qt gets
  // only our own copy of it.
  void insertFromMimeData(const QMimeData* source) override {
    if (!source) return;
    const QString text = source->text();
    if (text.isEmpty()) return;
    QMimeData copy;
    copy.setText(text);
    QPlainTextEdit::insertFromMimeData(&copy);
  }
};

TextAreaWidget& Edit(QWidget& w) { return static_cast<TextAreaWidget&>(w); }
}  // namespace

const PropertyKey<TextArea> TextArea::kPropertyKeys[] = {
    {"Text", PropertyKind::Text, [](TextArea& t, const PropertyValue& v) { t.SetText(std::get<String>(v)); }},
    {"ReadOnly", PropertyKind::Boolean,
     [](TextArea& t, const PropertyValue& v) {
       if (auto* w = t.Widget()) Edit(*w).setReadOnly(std::get<bool>(v));
     }},
    {"ScrollbarVertical", PropertyKind::Boolean,
     [](TextArea& t, const PropertyValue& v) {
       if (auto* w = t.Widget()) Edit(*w).setVerticalScrollBarPolicy(std::get<bool>(v) ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
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
    {"HideSelection", PropertyKind::Boolean, StoreProperty<&TextArea::hideSelection_, &TextArea::ApplyColours>},
    {"TextColor", PropertyKind::Color, StoreProperty<&TextArea::textColor_, &TextArea::ApplyColours>},
    {"BackColor", PropertyKind::Color, StoreProperty<&TextArea::backColor_, &TextArea::ApplyColours>},
    {"Multiline", PropertyKind::Boolean, IgnoreProperty<TextArea>},  // always multi-line
    {"Styled", PropertyKind::Boolean, IgnoreProperty<TextArea>},     // always plain text
    {"UseFocusRing", PropertyKind::Boolean,
     [](TextArea& t, const PropertyValue& v) {
       if (auto* w = t.Widget()) Edit(*w).focusRing = std::get<bool>(v);
     }},
    {"Spellcheck", PropertyKind::Boolean, IgnoreProperty<TextArea>},  // no spell checker on Linux
    {"LimitText", PropertyKind::Integer, IgnoreProperty<TextArea>},   // 0: no limit
    {"Alignment", PropertyKind::Integer, IgnoreProperty<TextArea>},   // 0: the default, left
    {"Format", PropertyKind::Text, IgnoreProperty<TextArea>},
    {"Mask", PropertyKind::Text, IgnoreProperty<TextArea>},
    {"DataField", PropertyKind::Text, IgnoreProperty<TextArea>},
    {"DataSource", PropertyKind::Text, IgnoreProperty<TextArea>},
};

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

// toRawText keeps every character (toPlainText would turn no-break spaces into blanks); blocks
// are separated by U+2029, and Shift+Enter puts U+2028 inside a block: both are line breaks.
String TextArea::Text() const { return FromQtLines(Edit(LiveWidget()).document()->toRawText()); }

// The document turns every line break of the text it is given into a block of its own and keeps
// every other character, so a read gives back this text.
void TextArea::SetText(const String& text) {
  auto& edit = Edit(LiveWidget());
  QString shown = ToQtLines(text);
  edit.setPlainText(shown);
  edit.handedOver = std::move(shown);
}

QString TextArea::TakeQtText() {
  auto& edit = Edit(LiveWidget());
  if (!edit.handedOver) return ToQtLines(Text());
  return *std::exchange(edit.handedOver, std::nullopt);
}

// A hidden selection is drawn in the field's own colours while it has no focus (Qt paints an
// unfocused field's selection from the palette's inactive group).
void TextArea::ApplyColours() {
  auto& edit = LiveWidget();
  QPalette palette = edit.palette();
  const QColor text(textColor_.red, textColor_.green, textColor_.blue), back(backColor_.red, backColor_.green, backColor_.blue);
  palette.setColor(QPalette::Text, text);
  palette.setColor(QPalette::Base, back);
  if (hideSelection_) {
    palette.setColor(QPalette::Inactive, QPalette::Highlight, back);
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText, text);
  }
  edit.setPalette(palette);
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
  return FindPropertySetter<RectControl>(*this, kPropertyKeys, key);
}
