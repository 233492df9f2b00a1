#include "framework/message_dialog.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <utility>

#include "framework/msg_box.h"
#include "framework/plain_text_box.h"
#include "framework/qt_text.h"
#include "tests/support/gui_helpers.h"

namespace {
struct Shown {
  QStringList texts;
  bool allPlain = true;
  bool fitsScreen = false;
};

// Answers the next dialog, keeping what it showed.
void Answer(Shown& shown) {
  testing_support::AnswerNextModal([&shown](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    ASSERT_NE(box, nullptr);
    for (auto* label : box->findChildren<QLabel*>()) {
      if (label->text().isEmpty()) continue;
      shown.texts << label->text();
      shown.allPlain = shown.allPlain && label->textFormat() == Qt::PlainText && !label->openExternalLinks() &&
                       !(label->textInteractionFlags() & Qt::LinksAccessibleByMouse);
    }
    const QRect screen = box->screen()->availableGeometry();
    shown.fitsScreen = box->frameGeometry().height() <= screen.height() && box->frameGeometry().width() <= screen.width();
    box->buttons().at(0)->click();
  });
}

}  // namespace

TEST(MessageDialog, anyTextShowsAsPlainCharactersWithinTheScreen) {
  String manyLines;
  for (int i = 0; i < 3000; ++i) manyLines += U"line\r";
  const std::pair<String, QString> hostile[] = {
      {U"<a href=\"file:///etc/passwd\">passwords</a>", QStringLiteral("<a href=\"file:///etc/passwd\">passwords</a>")},
      {U"&amp; &lt;b&gt; &#x202E;", QStringLiteral("&amp; &lt;b&gt; &#x202E;")},
      {String(U"nul\0inside", 10), QString::fromUtf16(u"nul\0inside", 10)},
      {U"line one\rline two\r\nline three\nfour", QStringLiteral("line one\nline two\nline three\nfour")},
      {manyLines, QStringLiteral("line\n").repeated(3000)},
      {String(1024 * 1024, U'x'), QString(32768, u'x') + QStringLiteral("\u2026")},  // the first 32,768 characters
  };
  for (const auto& [text, expected] : hostile) {
    MessageDialog dialog;
    dialog.Message = text;
    dialog.Explanation = text;
    Shown shown;
    Answer(shown);
    dialog.ShowModal();
    EXPECT_TRUE(shown.allPlain) << ToUtf8(text.substr(0, 40));
    EXPECT_TRUE(shown.fitsScreen) << ToUtf8(text.substr(0, 40));
    EXPECT_EQ(shown.texts, (QStringList{expected, expected})) << ToUtf8(text.substr(0, 40));
  }

  Shown shown;
  Answer(shown);
  MsgBox(U"<b>not bold</b>");
  EXPECT_TRUE(shown.allPlain);
  EXPECT_EQ(shown.texts, QStringList{QStringLiteral("<b>not bold</b>")});
}

TEST(MessageDialog, aLongRunOfCombiningMarksIsCutWithAnEllipsis) {
  const String most(16, U'\u0301');
  // Marks of the three kinds: non-spacing, spacing, enclosing.
  String mixed;
  while (mixed.size() < 32) mixed += U"\u0301\u0903\u20DD";
  const std::pair<String, String> cases[] = {
      {U"a" + most + U"b" + most, U"a" + most + U"b" + most},
      {U"a" + String(32000, U'\u0301') + U" b\u0301", U"a" + most + U"\u2026 b\u0301"},
      {U"x" + mixed + U"y" + mixed, U"x" + mixed.substr(0, 16) + U"\u2026y" + mixed.substr(0, 16) + U"\u2026"},
      {most + U"\u0301\r\n", most + U"\u2026\n"},
  };
  for (const auto& [text, shown] : cases) EXPECT_EQ(ShownText(text), ToQString(shown)) << text.size();
}
