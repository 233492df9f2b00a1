#pragma once

// A modal dialog with a title, a message, an explanation, an icon and up to three buttons. Every
// text shows as plain text, whatever it holds: nothing is read as markup, no link, no image.

#include <cstdint>
#include <memory>

#include "framework/string.h"

class MessageDialogButton final {
 public:
  MessageDialogButton(const String& caption, bool visible) : Caption(caption), Visible(visible) {}
  String Caption;
  bool Visible;
};

class MessageDialog final {
 public:
  enum IconCode : std::int32_t { kNote = 0, kCaution = 1, kStop = 2, kQuestion = 3 };

  String Title;
  String Message;
  String Explanation;
  std::int32_t Icon = kNote;
  const std::shared_ptr<MessageDialogButton> ActionButton = std::make_shared<MessageDialogButton>(U"OK", true);
  const std::shared_ptr<MessageDialogButton> CancelButton = std::make_shared<MessageDialogButton>(U"Cancel", false);
  const std::shared_ptr<MessageDialogButton> AlternateActionButton = std::make_shared<MessageDialogButton>(U"", false);

  // Shows the dialog and waits; the button pressed (CancelButton when it was closed otherwise).
  std::shared_ptr<MessageDialogButton> ShowModal();
};
