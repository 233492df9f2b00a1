#pragma once

// Framework-internal: text crossing between String and Qt.

#include <QString>

#include "framework/string.h"

inline QString ToQString(const String& s) { return QString::fromUcs4(s.data(), static_cast<qsizetype>(s.size())); }

inline String FromQString(const QString& s) {
  const auto ucs4 = s.toUcs4();
  return String(ucs4.begin(), ucs4.end());
}
