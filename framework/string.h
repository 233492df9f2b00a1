#pragma once

// The program's text type and its string functions. A String holds Unicode code points, so every
// position and length counts characters; bytes appear only at the edges (UTF-8, Qt, sockets).
// Positions are 1-based; 0 means "not found". Lowercase, SameText and Isolated need Unicode's
// character tables and come with the framework library; the rest need no library at all.

#include <cstdint>
#include <string>
#include <string_view>

using String = std::u32string;

// Exactly one character, the one with this code.
String Chr(std::uint32_t code);

std::int64_t Len(const String& s);

// Position of the first occurrence of find that begins at or after start (0 and 1 both search
// from the first character); 0 when find is empty or absent. Case-sensitive.
std::int64_t InStr(std::int64_t start, const String& source, const String& find);
std::int64_t InStr(const String& source, const String& find);

String Left(const String& s, std::int64_t count);
String Right(const String& s, std::int64_t count);
// count < 0 takes everything from start to the end.
String Mid(const String& s, std::int64_t start, std::int64_t count = -1);

String Lowercase(const String& s);

// The framework's "=": equal when they differ at most in letter case.
bool SameText(const String& a, const String& b);

// Field n (from 1) of s split at separator; empty beyond the last field.
String NthField(const String& s, const String& separator, std::int64_t n);

// The decimal number that s begins with (leading blanks and tabs skipped), 0 when there is none.
// Beyond a double's range it is infinite when too large and 0 when too small.
double Val(const String& s);

// A Double to a signed 32-bit integer: toward zero, saturating at the range's bounds, NaN as 0.
std::int32_t ToInt32(double value);

String Str(std::int64_t value);

// Whether c starts a new line where text is shown: CR, LF, U+2028, U+2029, and U+FDD0 and U+FDD1,
// which Qt's text documents take as breaks too.
constexpr bool IsLineBreak(char32_t c) { return c == U'\n' || c == U'\r' || c == 0x2028 || c == 0x2029 || c == 0xFDD0 || c == 0xFDD1; }

// Outside text to be joined into a sentence of ours, so that nothing in it can turn the words around
// it: when it holds a right-to-left letter or a direction control, set between U+2068 and U+2069 with
// its own isolates balanced; otherwise as it is, with no invisible characters to copy.
String Isolated(const String& text);

// Invalid UTF-8 becomes U+FFFD, one per maximal invalid sequence, so nothing is silently dropped.
String FromUtf8(std::string_view bytes);
// Code points that UTF-8 cannot carry (surrogates, beyond U+10FFFF) are written as U+FFFD.
std::string ToUtf8(const String& s);
// ASCII text for literals and wire data; bytes above 0x7F map to the same code points.
String FromLatin1(std::string_view bytes);
