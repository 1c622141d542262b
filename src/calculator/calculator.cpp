#include "calculator.h"

#include <cmath>

bool IsKeyEnabledInRadix(RadixKey key, int radix) {
  const int index = static_cast<int>(key);
  if (key <= RadixKey::DigitF) return index < radix;
  return radix == 10;  // the point, the sign and the scientific keys
}

std::string TrimFraction(const std::string& text, double places) {
  const std::size_t point = text.find('.');
  if (point == std::string::npos) return text;
  const double fractionLength = static_cast<double>(text.size() - point - 1);
  if (fractionLength - places <= 1e-7) return text;
  const auto cut = static_cast<std::size_t>(std::trunc(fractionLength - places));
  return text.substr(0, text.size() - cut);
}

Calculator::Calculator(CalculatorView& view, const Settings& settings, Messages& messages)
    : view_(view), settings_(settings), messages_(messages) {}

void Calculator::Start() {
  state_ = CalcState{};
  view_.SetCheckedRadix(10);
  SetEnabledKeys(10);
  view_.SetDisplayText("0");
  ApplyFocusRule();
}

void Calculator::SetEnabledKeys(int radix) {
  for (int key = 0; key < kRadixKeyCount; ++key)
    view_.SetKeyEnabled(static_cast<RadixKey>(key), IsKeyEnabledInRadix(static_cast<RadixKey>(key), radix));
}

void Calculator::EnterDigit(char digit) {
  if (!state_.entryStarted) {
    view_.SetDisplayText(std::string(1, digit));
    state_.entryStarted = true;
  } else if (view_.DisplayText() == "0") {
    view_.SetDisplayText(std::string(1, digit));
  } else {
    view_.SetDisplayText(view_.DisplayText() + digit);
  }
}

void Calculator::Digit(char digit) {
  EnterDigit(digit);
  ApplyFocusRule();
}

void Calculator::DecimalPoint() {
  const std::string display = view_.DisplayText();
  if (display.find('.') == std::string::npos) {
    view_.SetDisplayText(display + ".");
    state_.entryStarted = true;
  }
  ApplyFocusRule();
}

void Calculator::Backspace() {
  const std::string display = view_.DisplayText();
  if (display.size() <= 1)
    view_.SetDisplayText("0");
  else
    view_.SetDisplayText(display.substr(0, display.size() - 1));
  ApplyFocusRule();
}

void Calculator::ClearEntry() {
  if (!state_.secondOperand.empty()) {
    state_.secondOperand.clear();
  } else if (!state_.firstOperand.empty()) {
    state_.firstOperand.clear();
    state_.entryStarted = false;
  }
  view_.SetDisplayText("0");
  ApplyFocusRule();
}

void Calculator::ClearAll() {
  view_.SetDisplayText("0");
  state_.firstOperand.clear();
  state_.secondOperand.clear();
  state_.pendingOperator = BinaryOperator::None;
  state_.entryStarted = false;
  ApplyFocusRule();
}

void Calculator::ChangeSign() {
  const std::string display = view_.DisplayText();
  if (display.find('-') != std::string::npos)
    view_.SetDisplayText(display.substr(1));
  else if (display != "0")
    view_.SetDisplayText("-" + display);
  ApplyFocusRule();
}

bool Calculator::AcceptsTypedDigit(char32_t code) const {
  switch (state_.radix) {
    case 2: return code == '0' || code == '1';
    case 8: return code >= '0' && code <= '7';
    case 10: return code >= '0' && code <= '9';
    default:
      return (code >= '0' && code <= '9') || (code >= 'A' && code <= 'F') || (code >= 'a' && code <= 'f');
  }
}

void Calculator::KeyTyped(char32_t code) {
  switch (code) {
    case kBackspaceCode: Backspace(); break;
    case kEscapeCode: ClearEntry(); return;
    case '+': OperatorPressed(BinaryOperator::加); return;
    case '-': OperatorPressed(BinaryOperator::减); return;
    case '*': OperatorPressed(BinaryOperator::乘); return;
    case '/': OperatorPressed(BinaryOperator::除); return;
    default: break;
  }
  if (code == '.' && state_.radix == 10) {
    DecimalPoint();
    return;
  }
  if (AcceptsTypedDigit(code)) {
    const char digit = static_cast<char>(code >= 'a' ? code - 'a' + 'A' : code);
    EnterDigit(digit);
  }
  ApplyFocusRule();
}

void Calculator::OperatorPressed(BinaryOperator op) {
  state_.firstOperand = view_.DisplayText();
  view_.SetDisplayText("0");
  state_.entryStarted = false;
  state_.pendingOperator = op;
  ApplyFocusRule();
}
