#pragma once

#include "framework/string.h"

class TextArea;

// The system clipboard's text. Inside the program a line break is CR; the desktop's text
// convention, LF, is used on the clipboard itself.
class Clipboard final {
 public:
  // Replaces the clipboard's content with text.
  void SetText(const String& text);
  // Replaces it with what the field holds now, as SetText(field.Text()) would.
  void SetText(TextArea& field);
};
