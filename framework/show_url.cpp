#include "framework/show_url.h"

#include <QDesktopServices>
#include <QUrl>

#include "framework/qt_text.h"
#include "framework/runtime.h"

void ShowURL(const String& url) {
  RequireMainThread();
  QDesktopServices::openUrl(QUrl(ToQString(url), QUrl::StrictMode));
}
