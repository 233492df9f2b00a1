// The crossings between String and Qt's text, which take eight characters at once where they can,
// against a character-by-character reading of what each promises.
#include "framework/qt_text.h"

#include <gtest/gtest.h>

#include <random>

namespace {
bool IsLineBreak(char32_t c) { return c == U'\n' || c == U'\r' || c == 0x2028 || c == 0x2029 || c == 0xFDD0 || c == 0xFDD1; }
bool IsSurrogate(char32_t c) { return c >= 0xD800 && c <= 0xDFFF; }

QString LiteralToQt(const String& s, bool lines) {
  QString out;
  for (std::size_t i = 0; i < s.size(); ++i) {
    char32_t c = s[i];
    if (lines && IsLineBreak(c)) {
      if (c == U'\r' && i + 1 < s.size() && s[i + 1] == U'\n') ++i;
      c = U'\n';
    }
    if (IsSurrogate(c) || c > 0x10FFFF) c = 0xFFFD;
    if (c >= 0x10000) {
      out += QChar(QChar::highSurrogate(c));
      out += QChar(QChar::lowSurrogate(c));
    } else {
      out += QChar(static_cast<char16_t>(c));
    }
  }
  return out;
}

String LiteralFromQt(const QString& s, bool lines) {
  String out;
  for (qsizetype i = 0; i < s.size(); ++i) {
    char32_t c = s[i].unicode();
    if (QChar::isHighSurrogate(c) && i + 1 < s.size() && s[i + 1].isLowSurrogate()) {
      c = QChar::surrogateToUcs4(s[i].unicode(), s[i + 1].unicode());
      ++i;
    } else if (IsSurrogate(c)) {
      c = 0xFFFD;
    } else if (lines && IsLineBreak(c)) {
      if (c == U'\r' && i + 1 < s.size() && s[i + 1] == u'\n') ++i;
      c = U'\r';
    }
    out += c;
  }
  return out;
}

// Line breaks and their neighbours in value, surrogates and the edges of the BMP, and, for String
// only, characters beyond it whose low sixteen bits look like a line break.
const char32_t kUnits[] = {U'\r',  U'\n',  0x2028, 0x2029, 0xFDD0, 0xFDD1, 0x2027, 0x202A, 0xFDCF, 0xFDD2, 0x0B,   0x85,
                           0xD83D, 0xDE00, 0xD800, 0xDBFF, 0xDC00, 0xDFFF, 0xD7FF, 0xE000, 0xF800, 0x8000, 0xFFFF, 0};
const char32_t kBeyond[] = {0x1F600, 0x10000, 0x10FFFF, 0x110000, 0x12029, 0x1000D, 0x1000A, 0xFFFFFFFF};

// Mostly ordinary letters, so that whole blocks of eight come up at every offset.
template <class Check>
void RandomTexts(std::mt19937& random, std::size_t rounds, std::size_t longest, Check check) {
  for (std::size_t round = 0; round < rounds; ++round) {
    const std::size_t length = random() % longest;
    const unsigned ordinary = random() % 100;
    String text;
    for (std::size_t i = 0; i < length; ++i) text += random() % 100 < ordinary ? U'a' : kUnits[random() % std::size(kUnits)];
    check(text);
  }
}
}  // namespace

TEST(QtText, crossingEightAtOnceGivesWhatCharacterByCharacterGives) {
  std::mt19937 random(20261207);
  RandomTexts(random, 6000, 120, [&](String text) {
    QString units;
    for (char32_t c : text) units += QChar(static_cast<char16_t>(c));
    ASSERT_EQ(FromQtLines(units), LiteralFromQt(units, true)) << ToUtf8(text);
    ASSERT_EQ(FromQString(units), LiteralFromQt(units, false)) << ToUtf8(text);
    for (char32_t& c : text) {
      if (random() % 16 == 0) c = kBeyond[random() % std::size(kBeyond)];
    }
    ASSERT_EQ(ToQtLines(text), LiteralToQt(text, true)) << ToUtf8(text);
    ASSERT_EQ(ToQString(text), LiteralToQt(text, false)) << ToUtf8(text);
  });
}

// Long texts are read in pieces; pairs that a piece's end cuts through stay pairs.
TEST(QtText, pairsAcrossThePiecesOfALongTextStayWhole) {
  for (std::size_t at = 2000; at < 2100; ++at) {
    for (const QString& pair : {QString(u'\r') + u'\n', QString(QChar(0xD83D)) + QChar(0xDE00)}) {
      const QString text = QString(static_cast<qsizetype>(at), u'a') + pair + QString(3000, u'b');
      ASSERT_EQ(FromQtLines(text), LiteralFromQt(text, true)) << at;
      ASSERT_EQ(FromQString(text), LiteralFromQt(text, false)) << at;
    }
  }
}
