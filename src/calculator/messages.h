#pragma once

#include <string>

enum class MessageIcon { None, Warning, Error };

// Every message box of the program goes through this service: a text and an
// icon, shown with the caption "信息：" and one OK button.
class Messages {
 public:
  virtual ~Messages() = default;
  virtual void Show(const std::string& text, MessageIcon icon) = 0;
};
