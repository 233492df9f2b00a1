#include "framework/msg_box.h"

#include <QApplication>
#include <QMessageBox>

#include "framework/dispatch.h"
#include "framework/plain_text_box.h"

void MsgBox(const String& text) {
  RequireMainThread();
  QMessageBox box;
  box.setText(ShownText(text));
  box.setStandardButtons(QMessageBox::Ok);
  MakePlainAndBounded(box);
  box.exec();
}

void Beep() { QApplication::beep(); }
