#include "framework/message_dialog.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>

#include "framework/msg_box.h"
#include "framework/plain_text_box.h"
#include "framework/qt_text.h"
#include "tests/support/gui_helpers.h"

namespace {
struct Shown {
  QString title;
  QStringList buttons;
  QStringList texts;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  bool allPlain = true;
  bool fitsScreen = false;
};

// Answers the next dialog with the button captioned press, keeping what it showed.
void Answer(const QString& press, Shown& shown) {
  testing_support::AnswerNextModal([press, &shown](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    ASSERT_NE(box, nullptr);
    shown.title = box->windowTitle();
    shown.icon = box->icon();
    for (auto* label : box->findChildren<QLabel*>()) {
      if (label->text().isEmpty()) continue;
      shown.texts << label->text();
      shown.allPlain = shown.allPlain && label->textFormat() == Qt::PlainText && !label->openExternalLinks() &&
                       !(label->textInteractionFlags() & Qt::LinksAccessibleByMouse);
    }
    shown.fitsScreen = box->frameGeometry().height() <= box->screen()->availableGeometry().height() &&
                       box->frameGeometry().width() <= box->screen()->availableGeometry().width();
    QAbstractButton* target = nullptr;
    for (auto* button : box->buttons()) {
      shown.buttons << button->text();
      if (button->text() == press) target = button;
    }
    ASSERT_NE(target, nullptr) << press.toStdString();
    target->click();
  });
}
}  // namespace

TEST(MessageDialog, returnsTheButtonPressedWithTheDefaultCaptions) {
  MessageDialog dialog;
  dialog.Title = U"T";
  dialog.Message = U"M";
  dialog.Icon = MessageDialog::kQuestion;
  dialog.CancelButton->Visible = true;
  dialog.AlternateActionButton->Caption = U"Elsewhere";
  dialog.AlternateActionButton->Visible = true;
  for (const auto& [press, expected] :
       {std::pair{"OK", dialog.ActionButton}, {"Cancel", dialog.CancelButton}, {"Elsewhere", dialog.AlternateActionButton}}) {
    Shown shown;
    Answer(QString::fromLatin1(press), shown);
    EXPECT_EQ(dialog.ShowModal(), expected) << press;
    EXPECT_EQ(shown.title, QStringLiteral("T"));
    EXPECT_EQ(shown.icon, QMessageBox::Question);
    EXPECT_EQ(shown.buttons.size(), 3);
  }

  MessageDialog plain;
  Shown shown;
  Answer(QStringLiteral("OK"), shown);
  EXPECT_EQ(plain.ShowModal(), plain.ActionButton);
  EXPECT_EQ(shown.buttons, QStringList{QStringLiteral("OK")}) << "cancel and alternate are hidden by default";
}

TEST(MessageDialog, anyTextShowsAsPlainCharactersWithinTheScreen) {
  String manyLines;
  for (int i = 0; i < 3000; ++i) manyLines += U"line\r";
  // clang-format off
  const std::vector<String> hostile = {
      U"<b>bold</b>", U"<a href=\"file:///etc/passwd\">passwords</a>", U"<img src=\"file:///etc/hosts\">",
      U"<img src=http://127.0.0.1:1/x.png width=5000 height=5000>", U"&amp; &lt;b&gt; &#x202E;", U"\u202Eright to left",
      String(U"nul\0inside", 10), FromUtf8("bad \xFF\xFE utf-8 \xC3"), U"<html><body><h1>big</h1></body></html>",
      U"<!DOCTYPE html><p>x", U"<script>alert(1)</script>", U"<style>*{color:red}</style>text", U"<table><tr><td>1</td></tr></table>",
      U"<font color=red size=7>red</font>", U"<qt>qt</qt>", U"line one\rline two\r\nline three\nfour", U"\ttabs\t", U"%1 %2 %s %n",
      U"&nbsp;&copy;", U"\U0001F600 e\u0301", U"\uFEFFbom", U"<br><hr>", U"http://127.0.0.1:1/link", U"mailto:someone@brevant.example",
      U"<" + String(100, U'b') + U">", String(10 * 1024, U'W'), manyLines, String(1024 * 1024, U'x')};
  // clang-format on
  for (const String& text : hostile) {
    MessageDialog dialog;
    dialog.Message = U"<i>message</i> " + text;
    dialog.Explanation = text;
    Shown shown;
    Answer(QStringLiteral("OK"), shown);
    dialog.ShowModal();
    EXPECT_TRUE(shown.allPlain) << ToUtf8(text.substr(0, 40));
    EXPECT_TRUE(shown.fitsScreen) << ToUtf8(text.substr(0, 40));
    String lf = text;
    for (std::size_t at; (at = lf.find(U"\r\n")) != String::npos;) lf.erase(at, 1);
    for (auto& c : lf) c = c == U'\r' ? U'\n' : c;
    auto elided = [](const QString& full) {
      const auto most = static_cast<qsizetype>(kMostShownCharacters);
      return full.size() <= most ? full : full.left(most) + QChar(0x2026);
    };
    EXPECT_TRUE(shown.texts.contains(elided(ToQString(lf)))) << ToUtf8(text.substr(0, 40));
    EXPECT_TRUE(shown.texts.contains(elided(ToQString(U"<i>message</i> " + lf))));
  }

  Shown shown;
  Answer(QStringLiteral("OK"), shown);
  MsgBox(U"<b>not bold</b>");
  EXPECT_TRUE(shown.allPlain);
  EXPECT_EQ(shown.texts, QStringList{QStringLiteral("<b>not bold</b>")});
}
