#include "calculator.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

#include "convert_radix.h"
#include "number_text.h"
#include "unl_num.h"

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
  const std::string display = view_.DisplayText();
  const bool replaces = !state_.entryStarted || display == "0";
  view_.SetDisplayText(replaces ? std::string(1, digit) : display + digit);
  state_.entryStarted = true;
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
    case kEnterCode:
    case '=': Evaluate(); return;
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

namespace {

bool Contains(const std::string& text, char c) { return text.find(c) != std::string::npos; }

UnlNum Number(const std::string& text) {
  UnlNum value;
  value.SetText(text);  // a text that is not a number counts as 0
  return value;
}

UnlNum WholeNumber(std::int32_t value) {
  UnlNum number;
  number.SetValue(value);
  return number;
}

// The exponent of x^y read exactly from a text of decimal digits; anything
// else counts as 0. Beyond 64 bits it saturates with its parity kept: no
// base but 0 and ±1 can be raised that far, and for those the parity decides.
std::uint64_t Exponent(const std::string& text) {
  if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos) return 0;
  const mpz_class exponent(text, 10);
  if (mpz_sizeinbase(exponent.get_mpz_t(), 2) <= 64) {
    std::uint64_t value = 0;  // mpz_export writes nothing for zero
    mpz_export(&value, nullptr, -1, sizeof value, 0, 0, exponent.get_mpz_t());
    return value;
  }
  const std::uint64_t largest = UINT64_MAX;  // odd
  return mpz_odd_p(exponent.get_mpz_t()) ? largest : largest - 1;
}

// Whether the value is 0 or 1 in magnitude: its powers never grow.
bool NeverGrows(const UnlNum& base) {
  if (base.IsZero()) return true;
  return UnlNum::Abs(base).GetText() == "1";
}

// The digits of base^exponent as the display would write them, at most: the
// digits of the base as written, times the exponent (saturating).
std::uint64_t PowerDigits(const UnlNum& base, std::uint64_t exponent) {
  if (NeverGrows(base) || exponent == 0) return 1;
  const std::string text = base.GetText();
  const auto digits = static_cast<std::uint64_t>(
      std::count_if(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }));
  return exponent > UINT64_MAX / digits ? UINT64_MAX : digits * exponent;
}

std::string RadixRefusal(int radix) {
  return "负数和小数不能转换成" + std::to_string(radix) + "进制的数值";
}

// Whether the angle, truncated to whole degrees, is `pole` + 180k degrees.
bool IsPole(const UnlNum& angle, std::int32_t pole) {
  const std::string remainder = UnlNum::Mod(UnlNum::IntPart(angle), WholeNumber(180)).GetText();
  return remainder == std::to_string(pole) || remainder == std::to_string(pole - 180);
}

}  // namespace

bool Calculator::FitsInResultSize(std::uint64_t digits) {
  if (digits <= kLargestResultDigits) return true;
  messages_.Show("计算结果超过一百万位，无法计算", MessageIcon::Warning);
  return false;
}

std::string Calculator::Power() {
  if (Contains(state_.secondOperand, '.') || Contains(state_.secondOperand, '-')) {
    messages_.Show("开方数不能为小数和负数", MessageIcon::None);
    return {};
  }
  const UnlNum base = Number(state_.firstOperand);
  const std::uint64_t exponent = Exponent(state_.secondOperand);
  if (!FitsInResultSize(PowerDigits(base, exponent))) return {};
  return UnlNum::Power(base, exponent).GetText();
}

std::string Calculator::Compute() {
  if (state_.pendingOperator == BinaryOperator::N次方) return Power();
  const UnlNum a = Number(state_.firstOperand);
  const UnlNum b = Number(state_.secondOperand);
  switch (state_.pendingOperator) {
    case BinaryOperator::加: return UnlNum::Add(a, b).GetText();
    case BinaryOperator::减: return UnlNum::Sub(a, b).GetText();
    case BinaryOperator::乘: return UnlNum::Mul(a, b).GetText();
    case BinaryOperator::求余: return UnlNum::Mod(a, b).GetText();
    case BinaryOperator::除:
    case BinaryOperator::整除:
      if (b.IsZero()) {
        messages_.Show("除数不能为零", MessageIcon::Warning);
        return {};
      }
      return state_.pendingOperator == BinaryOperator::除 ? UnlNum::Div(a, b, settings_.DecimalPlaces()).GetText()
                                                          : UnlNum::IntDiv(a, b).GetText();
    default: return {};
  }
}

void Calculator::Evaluate() {
  if (!state_.firstOperand.empty() && state_.pendingOperator != BinaryOperator::None) {
    state_.secondOperand = view_.DisplayText();
    // Operands typed in another radix become decimal; in radix 10 this
    // normalises full-width and lower-case characters.
    for (std::string* operand : {&state_.firstOperand, &state_.secondOperand})
      if (!Contains(*operand, '.') && !Contains(*operand, '-')) *operand = ConvertRadix(*operand, state_.radix, 10);

    std::string result = Compute();
    if (state_.radix != 10 && Contains(result, '-')) {
      view_.SetDisplayText("Error");
      state_.entryStarted = false;
    } else {
      if (state_.radix == 10 || Contains(result, '.')) result = TrimFraction(result, settings_.DecimalPlacesLimit());
      if (state_.radix != 10) result = ConvertRadix(result, 10, state_.radix);
      view_.SetDisplayText(result);
    }
    state_.firstOperand = result;
    state_.secondOperand.clear();
    state_.pendingOperator = BinaryOperator::None;
  }
  if (view_.DisplayText().empty()) {
    view_.SetDisplayText("0");
    state_.firstOperand = "0";
  }
  ApplyFocusRule();
}

void Calculator::SwitchRadix(int radix) {
  const std::string display = view_.DisplayText();
  if (radix != 10 && (Contains(display, '.') || Contains(display, '-'))) {
    view_.SetCheckedRadix(state_.radix);
    ApplyFocusRule();
    messages_.Show(RadixRefusal(radix), MessageIcon::None);
    return;
  }
  view_.SetCheckedRadix(radix);
  SetEnabledKeys(radix);
  view_.SetDisplayText(ConvertRadix(display, state_.radix, radix));
  state_.radix = radix;
  ApplyFocusRule();
}

void Calculator::ApplyFunction(UnaryFunction function) {
  const UnlNum value = Number(view_.DisplayText());
  const std::int32_t precision = settings_.PrecisionDigits();
  std::optional<UnlNum> result;
  switch (function) {
    case UnaryFunction::Sin: result = UnlNum::Sin(value, precision); break;
    case UnaryFunction::Cos: result = UnlNum::Cos(value, precision); break;
    case UnaryFunction::Tan:
      if (IsPole(value, 90)) messages_.Show("正切值不存在", MessageIcon::Warning);
      else result = UnlNum::Tan(value, precision);
      break;
    case UnaryFunction::Cotan:
      if (IsPole(value, 0)) messages_.Show("余切值不存在", MessageIcon::Warning);
      else result = UnlNum::Cot(value, precision);
      break;
    case UnaryFunction::Abs: result = UnlNum::Abs(value); break;
    case UnaryFunction::Int: result = UnlNum::IntPart(value); break;
    case UnaryFunction::Square:
      if (FitsInResultSize(PowerDigits(value, 2))) result = UnlNum::Mul(value, value);
      break;
    case UnaryFunction::Cube:
      if (FitsInResultSize(PowerDigits(value, 3))) result = UnlNum::Power(value, 3);
      break;
  }
  if (result) {
    const std::string text = result->GetText();
    view_.SetDisplayText(function == UnaryFunction::Int ? text : TrimFraction(text, settings_.DecimalPlacesLimit()));
  }
  ApplyFocusRule();
}

void Calculator::ConvertAngle() {
  const double x = TextToNumber(view_.DisplayText());
  const double y = state_.angleInDegrees ? (x * std::numbers::pi) / 180 : (x * 180) / std::numbers::pi;
  view_.SetDisplayText(NumberToText(y));
  state_.angleInDegrees = !state_.angleInDegrees;
  ApplyFocusRule();
}
