#include "tests/support/url_catcher.h"

#include <QDesktopServices>

UrlCatcher::UrlCatcher() {
  for (const char* scheme : {"http", "mailto"}) QDesktopServices::setUrlHandler(scheme, this, "Open");
}

UrlCatcher::~UrlCatcher() {
  for (const char* scheme : {"http", "mailto"}) QDesktopServices::unsetUrlHandler(scheme);
}
