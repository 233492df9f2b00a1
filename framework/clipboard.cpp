#include "framework/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

#include "framework/qt_text.h"
#include "framework/runtime.h"

void Clipboard::SetText(const String& text) {
  RequireMainThread();
  String shared = text;
  for (auto& c : shared) {
    if (c == U'\r') c = U'\n';
  }
  QGuiApplication::clipboard()->setText(ToQString(shared));
}
