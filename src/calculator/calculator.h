#pragma once

#include <cstdint>
#include <string>

#include "calculator_view.h"
#include "messages.h"
#include "settings.h"

enum class BinaryOperator { None, 加, 减, 乘, 除, 整除, 求余, N次方 };

// The one-operand keys computed exactly on the displayed number.
enum class UnaryFunction { Sin, Cos, Tan, Cotan, Abs, Int, Square, Cube };

struct CalcState {
  int radix = 10;
  std::string firstOperand = "0";
  BinaryOperator pendingOperator = BinaryOperator::None;
  std::string secondOperand;
  bool entryStarted = false;
  bool angleInDegrees = false;
};

// The result-display rule: a text with a point keeps at most `places`
// characters after it (truncated, never rounded); the point itself stays.
std::string TrimFraction(const std::string& text, double places);

// The main calculator's logic: one handler per key, working on the display of
// the view and on CalcState. Every handler ends by putting the focus back
// into the display.
class Calculator {
 public:
  Calculator(CalculatorView& view, const Settings& settings, Messages& messages);

  // The start values: radix 10, display "0", first operand "0".
  void Start();

  void Digit(char digit);  // "0" to "9" and "A" to "F"
  void DecimalPoint();
  void Backspace();
  void ClearEntry();  // CE
  void ClearAll();    // C
  void ChangeSign();  // +/-
  // A character typed into the display, which never inserts it itself.
  void KeyTyped(char32_t code);

  void OperatorPressed(BinaryOperator op);
  // "=": the pending operation on the stored and the displayed number.
  void Evaluate();
  // A radix radio button clicked: converts the display to the radix, or
  // refuses a number with a point or a sign for radixes other than 10.
  void SwitchRadix(int radix);
  void ApplyFunction(UnaryFunction function);
  // C/R: radians to degrees, and back on the next press.
  void ConvertAngle();

  const CalcState& State() const { return state_; }

  static constexpr char32_t kBackspaceCode = 8;
  static constexpr char32_t kEnterCode = 13;
  static constexpr char32_t kEscapeCode = 27;
  // No exact result longer than this many digits is computed.
  static constexpr std::uint64_t kLargestResultDigits = 1'000'000;

 private:
  void ApplyFocusRule() { view_.FocusDisplay(); }
  void EnterDigit(char digit);
  bool AcceptsTypedDigit(char32_t code) const;
  void SetEnabledKeys(int radix);
  // The result text of the pending operation, or the empty text when a
  // message refused it.
  std::string Compute();
  std::string Power();
  // Whether the operation may go ahead; shows the size message when not.
  bool FitsInResultSize(std::uint64_t digits);

  CalculatorView& view_;
  const Settings& settings_;
  Messages& messages_;
  CalcState state_;
};
