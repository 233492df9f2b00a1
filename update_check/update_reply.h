#pragma once

// Reading the update file's text: tag values and the version comparison. Pure functions, kept
// apart from the window so that they can be tested and fuzzed on their own.

#include <cstdint>

#include "framework/string.h"

String StartTag(const String& tagName);  // "<tagName>"
String EndTag(const String& tagName);    // "</tagName>"
// The text between the first start tag and the first end tag after it; empty when there is no such pair.
String TagValue(const String& source, const String& tag);

// Whether the published version's first three fields equal the running version's numbers; a
// missing field reads as 0, later fields are ignored, and lower counts as different as higher does.
bool IsCurrentVersion(const String& version, std::int32_t major, std::int32_t minor, std::int32_t bug);

// Whether a published version holds anything but blanks, tabs and line breaks.
bool NamesAVersion(const String& version);

// A published version as the offer's sentence shows it: cut after 64 characters with an ellipsis,
// and on one line (each line break a blank), so that nothing in it can end the isolate it is set in.
String VersionForSentence(const String& version);
