#pragma once

#include "messages.h"

// Shows each message in a modal message box over the active window.
class MessageBoxes : public Messages {
 public:
  void Show(const std::string& text, MessageIcon icon) override;
};
