#include "framework/plain_text_box.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QScrollArea>

#include "framework/qt_text.h"

namespace {
bool IsCombiningMark(char32_t c) {
  const auto category = QChar::category(c);
  return category == QChar::Mark_NonSpacing || category == QChar::Mark_SpacingCombining || category == QChar::Mark_Enclosing;
}
}  // namespace

QString ShownText(const String& text) {
  String shown;
  std::size_t marksInRun = 0;
  for (const char32_t c : text) {
    if (shown.size() >= kMostShownCharacters) return ToQtLines(shown + U"\u2026");
    if (!IsCombiningMark(c)) {
      marksInRun = 0;
    } else if (++marksInRun > kMostMarksInARun) {
      if (marksInRun == kMostMarksInARun + 1) shown += U'\u2026';
      continue;
    }
    shown += c;
  }
  return ToQtLines(shown);
}

namespace {
// Moves a label whose text would not fit into a scroll area of at most the given size, in the
// label's place in the box's grid.
void Bound(QMessageBox& box, QLabel& label, QSize most) {
  const QRect needed = QFontMetrics(label.font()).boundingRect(QRect(0, 0, most.width(), 1 << 30), Qt::TextWordWrap, label.text());
  if (needed.width() <= most.width() && needed.height() <= most.height()) return;
  auto* grid = qobject_cast<QGridLayout*>(box.layout());
  const int index = grid ? grid->indexOf(&label) : -1;
  if (index < 0) return;
  int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
  grid->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
  grid->removeWidget(&label);
  auto* scroll = new QScrollArea(&box);
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setWidgetResizable(true);
  label.setWordWrap(true);
  scroll->setWidget(&label);
  scroll->setFixedSize(std::min(needed.width(), most.width()) + 24, std::min(needed.height(), most.height()) + 24);
  grid->addWidget(scroll, row, column, rowSpan, columnSpan);
}
}  // namespace

void MakePlainAndBounded(QMessageBox& box) {
  box.setTextFormat(Qt::PlainText);
  const QSize screen = box.screen()->availableGeometry().size();
  const QSize most(std::min(600, screen.width() * 2 / 3), screen.height() / 4);
  for (QLabel* label : box.findChildren<QLabel*>()) {
    if (label->text().isEmpty()) continue;  // the icon
    label->setTextFormat(Qt::PlainText);
    label->setOpenExternalLinks(false);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Bound(box, *label, most);
  }
}
