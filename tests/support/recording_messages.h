#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "messages.h"

// Keeps every message instead of showing it.
class RecordingMessages : public Messages {
 public:
  struct Message {
    std::string text;
    MessageIcon icon;
    bool operator==(const Message&) const = default;
    friend void PrintTo(const Message& message, std::ostream* out) {
      *out << '"' << message.text << "\" icon " << static_cast<int>(message.icon);
    }
  };
  void Show(const std::string& text, MessageIcon icon) override { shown.push_back({text, icon}); }
  std::vector<Message> shown;
};
