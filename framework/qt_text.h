#pragma once

// Framework-internal: text crossing between String and Qt, one loop per crossing. Code points that
// UTF-16 cannot carry (surrogates, beyond U+10FFFF) become U+FFFD on the way in, and so do lone
// surrogates on the way out; nothing else is changed or dropped (a leading U+FEFF stays).

#include <QString>
#include <QStringView>

#include "framework/string.h"

// Names, titles, captions, paths: every character as it stands.
QString ToQString(const String& s);
String FromQString(QStringView s);

// Text with lines, as Qt shows it: every line break becomes one LF. A line break is CR LF, CR, LF,
// U+2028 or U+2029 (all shown as one), or U+FDD0 and U+FDD1, which Qt's text documents turn into
// one.
QString ToQtLines(const String& s);
// Back to the program's one line break, CR, for the same line breaks.
String FromQtLines(QStringView s);
