#pragma once

#include <string>

// The keys whose enabled state depends on the radix.
enum class RadixKey {
  Digit0, Digit1, Digit2, Digit3, Digit4, Digit5, Digit6, Digit7, Digit8, Digit9,
  DigitA, DigitB, DigitC, DigitD, DigitE, DigitF,
  DecimalPoint, ChangeSign,
  Mod, Sin, Cos, Tan, Cotan, Abs, Int, AngleConversion,
};
inline constexpr int kRadixKeyCount = static_cast<int>(RadixKey::AngleConversion) + 1;

// Whether the key is enabled while the display is written in the radix.
bool IsKeyEnabledInRadix(RadixKey key, int radix);

// What the calculator needs of its window: the display, which is the only
// place the current entry lives, the enabled keys, the checked radix button
// and the keyboard focus.
class CalculatorView {
 public:
  virtual ~CalculatorView() = default;
  virtual std::string DisplayText() const = 0;
  virtual void SetDisplayText(const std::string& text) = 0;
  virtual void SetKeyEnabled(RadixKey key, bool enabled) = 0;
  // Checks the radio button of the radix and unchecks the others.
  virtual void SetCheckedRadix(int radix) = 0;
  // Puts the keyboard focus into the display with the caret after its last character.
  virtual void FocusDisplay() = 0;
};
