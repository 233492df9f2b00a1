#pragma once

// Framework-internal: a QMessageBox made safe for any text, as MsgBox and MessageDialog use it.

#include <QString>

#include "framework/string.h"

class QMessageBox;

// A label shows at most this many characters of a text, then an ellipsis: laying out more would
// freeze the program for seconds, and nobody reads that much in a dialog.
inline constexpr std::size_t kMostShownCharacters = 32 * 1024;

// Text shaping takes time that grows steeply with the number of marks stacked on one letter; no
// script needs more than a few, so a run of combining marks is cut after this many.
inline constexpr std::size_t kMostMarksInARun = 16;

// The program's line breaks (CR, CR LF) as Qt's (LF), every other character as it stands, cut
// after kMostShownCharacters and each run of combining marks after kMostMarksInARun; an ellipsis
// shows where text was cut.
QString ShownText(const String& text);

// Call after the box's texts are set: every label shows plain text and offers no link (QMessageBox
// would guess rich text, and opens links), and a text too large for the screen scrolls.
void MakePlainAndBounded(QMessageBox& box);
