#include "framework/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

#include "framework/dispatch.h"
#include "framework/qt_text.h"
#include "framework/text_area.h"

void Clipboard::SetText(const String& text) {
  RequireMainThread();
  QGuiApplication::clipboard()->setText(ToQtLines(text));
}

void Clipboard::SetText(TextArea& field) {
  RequireMainThread();
  QGuiApplication::clipboard()->setText(field.TakeQtText());
}
