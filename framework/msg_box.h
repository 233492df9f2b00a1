#pragma once

#include "framework/string.h"

// A modal message box with one button, showing text as plain text; returns when it is dismissed.
void MsgBox(const String& text);
// The system beep.
void Beep();
