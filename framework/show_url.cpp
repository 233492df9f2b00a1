#include "framework/show_url.h"

#include <QDesktopServices>
#include <QUrl>

#include "framework/dispatch.h"
#include "framework/qt_text.h"

void ShowURL(const String& url) {
  RequireMainThread();
  QDesktopServices::openUrl(QUrl(ToQString(url), QUrl::StrictMode));
}
