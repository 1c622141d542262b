#pragma once

#include <array>
#include <string>
#include <vector>

#include "calculator.h"
#include "calculator_view.h"
#include "messages.h"
#include "recording_messages.h"

// A view that keeps what the calculator shows, for tests without widgets.
class FakeCalculatorView : public CalculatorView {
 public:
  std::string DisplayText() const override { return display; }
  void SetDisplayText(const std::string& text) override { display = text; }
  void SetKeyEnabled(RadixKey key, bool enabled) override { enabledKeys[static_cast<int>(key)] = enabled; }
  void SetCheckedRadix(int radix) override { checkedRadix = radix; }
  void FocusDisplay() override { ++focusRuleCount; }

  bool Enabled(RadixKey key) const { return enabledKeys[static_cast<int>(key)]; }

  std::string display;
  std::array<bool, kRadixKeyCount> enabledKeys{};
  int checkedRadix = 0;
  int focusRuleCount = 0;
};

// A started calculator over a fake view, with the default settings.
struct CalculatorFixture {
  CalculatorFixture() { calculator.Start(); }

  // Types each character as the keyboard would.
  void Type(const std::string& keys) {
    for (char key : keys) calculator.KeyTyped(static_cast<unsigned char>(key));
  }

  // Runs a script of keys: "\\" is 整除, "%" 求余, "^" x^y, a name in braces
  // one of the other keys ({hex}, {dec}, {oct}, {bin}, {neg}, {sin}, {cos},
  // {tan}, {cot}, {abs}, {int}, {sq}, {cube}, {cr}); any other character is
  // typed.
  void Run(const std::string& script);

  FakeCalculatorView view;
  Settings settings{"3", "5"};
  RecordingMessages messages;
  Calculator calculator{view, settings, messages};
};
