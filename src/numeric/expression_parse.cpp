#include "expression_parse.h"

#include <cmath>
#include <numbers>

namespace {

using Token = ExpressionParse::Token;
using TokenKind = ExpressionParse::TokenKind;

constexpr char kEndMark = '#';
constexpr char kUnaryMinus = '~';

struct Keyword {
  std::string_view text;
  std::int32_t code;
};

constexpr Keyword kKeywords[] = {
    {"abs", ExpressionParse::kAbs},     {"acos", ExpressionParse::kAcos},
    {"asin", ExpressionParse::kAsin},   {"atan", ExpressionParse::kAtan},
    {"acot", ExpressionParse::kAcot},   {"cos", ExpressionParse::kCos},
    {"cosh", ExpressionParse::kCosh},   {"cot", ExpressionParse::kCot},
    {"exp", ExpressionParse::kExp},     {"floor", ExpressionParse::kFloor},
    {"mod", ExpressionParse::kMod},     {"ln", ExpressionParse::kLn},
    {"log", ExpressionParse::kLog},     {"pow", ExpressionParse::kPow},
    {"sin", ExpressionParse::kSin},     {"sinh", ExpressionParse::kSinh},
    {"sqrt", ExpressionParse::kSqrt},   {"tan", ExpressionParse::kTan},
    {"tanh", ExpressionParse::kTanh},
};

// The double closest to π/2, so that acot(0) is exactly atan's limit.
constexpr double kHalfPi = std::numbers::pi / 2;

// The Richardson factors of Romberg's scheme.
constexpr double kOneThird = 0.3333333333333333;
constexpr double kOneFifteenth = 0.06666666666666667;
constexpr double kOneSixtyThird = 0.015873015873015872;
static_assert(kOneThird == 1.0 / 3 && kOneFifteenth == 1.0 / 15 && kOneSixtyThird == 1.0 / 63);

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsArithmetic(char c) { return c == '+' || c == '-' || c == '*' || c == '/'; }
bool IsOpening(char c) { return c == '(' || c == '[' || c == '{'; }
bool IsClosing(char c) { return c == ')' || c == ']' || c == '}'; }

char OpeningOf(char closing) {
  return closing == ')' ? '(' : closing == ']' ? '[' : '{';
}

// The longest keyword with which the text continues at position; its length
// goes to length. nullptr when none does.
const Keyword* MatchKeyword(std::string_view text, std::size_t position, std::size_t& length) {
  const Keyword* best = nullptr;
  for (const Keyword& keyword : kKeywords) {
    if (text.substr(position, keyword.text.size()) != keyword.text) continue;
    if (best == nullptr || keyword.text.size() > best->text.size()) best = &keyword;
  }
  length = best ? best->text.size() : 0;
  return best;
}

Token OperatorToken(char op) {
  Token token;
  token.kind = TokenKind::Operator;
  token.op = op;
  return token;
}

Token NumberToken(double value) {
  Token token;
  token.value = value;
  return token;
}

bool IsOperator(const Token& token, char op) {
  return token.kind == TokenKind::Operator && token.op == op;
}

bool IsEndMark(const Token& token) { return IsOperator(token, kEndMark); }

// The conversion behind ToPostfix. The operator stack is an explicit array
// whose empty state stands for its bottom entry. When variablePositions is
// given, it receives the index of every token that holds x.
void Convert(std::string_view text, double x, std::vector<Token>& output,
             std::vector<std::size_t>* variablePositions) {
  output.clear();
  if (variablePositions) variablePositions->clear();
  std::vector<Token> stack;
  stack.reserve(text.size());

  const auto popToOutput = [&] {
    output.push_back(stack.back());
    stack.pop_back();
  };
  const auto popToBracket = [&] {
    while (!stack.empty() && !IsOperator(stack.back(), '(')) popToOutput();
  };
  const auto tightensProduct = [](const Token& token) {
    return IsOperator(token, '*') || IsOperator(token, '/') || token.kind == TokenKind::Function;
  };
  // A bracket or keyword directly after a digit multiplies.
  const auto implicitMultiplication = [&] {
    while (!stack.empty() && tightensProduct(stack.back())) popToOutput();
    stack.push_back(OperatorToken('*'));
  };

  std::size_t i = 0;
  while (i < text.size() && text[i] != kEndMark) {
    const char c = text[i];
    const bool afterDigit = i > 0 && IsDigit(text[i - 1]);
    if (IsDigit(c) || c == '.') {
      std::size_t end = i;
      while (end < text.size() && (IsDigit(text[end]) || text[end] == '.')) ++end;
      output.push_back(NumberToken(ExpressionParse::ReadNumber(text.substr(i, end - i))));
      i = end;
      continue;
    }
    std::size_t length = 0;
    if (c == 'x') {
      if (variablePositions) variablePositions->push_back(output.size());
      output.push_back(NumberToken(x));
    } else if (c == '(') {
      if (afterDigit) implicitMultiplication();
      stack.push_back(OperatorToken('('));
    } else if (c == ')') {
      popToBracket();
      if (!stack.empty()) stack.pop_back();
    } else if (c == '-' && (i == 0 || text[i - 1] == '(')) {
      stack.push_back(OperatorToken(kUnaryMinus));
    } else if (c == '+' || c == '-') {
      popToBracket();
      stack.push_back(OperatorToken(c));
    } else if (c == '*' || c == '/') {
      while (!stack.empty() && tightensProduct(stack.back())) popToOutput();
      stack.push_back(OperatorToken(c));
    } else if (c == ',') {
      popToBracket();
    } else if (const Keyword* keyword = MatchKeyword(text, i, length)) {
      if (afterDigit) implicitMultiplication();
      Token token;
      token.kind = TokenKind::Function;
      token.function = keyword->code;
      stack.push_back(token);
      i += length;  // on to the bracket
      continue;
    }
    // Validated text has no other characters; unvalidated text may, and they
    // are passed over.
    ++i;
  }
  while (!stack.empty()) popToOutput();
  output.push_back(OperatorToken(kEndMark));
}

// Applies a one-argument function to v in place; returns its ResultCode.
std::int32_t ApplyFunction(std::int32_t code, double& v) {
  switch (code) {
    case ExpressionParse::kAbs: v = std::fabs(v); break;
    case ExpressionParse::kAcos:
      if (v < -1 || v > 1) return ExpressionParse::kAcosOutOfRange;
      v = std::acos(v);
      break;
    case ExpressionParse::kAsin:
      if (v < -1 || v > 1) return ExpressionParse::kAsinOutOfRange;
      v = std::asin(v);
      break;
    case ExpressionParse::kAtan: v = std::atan(v); break;
    case ExpressionParse::kAcot: v = kHalfPi - std::atan(v); break;
    case ExpressionParse::kCos: v = std::cos(v); break;
    case ExpressionParse::kCosh: v = std::cosh(v); break;
    case ExpressionParse::kCot: {
      const double tangent = std::tan(v);
      if (tangent == 0) return ExpressionParse::kCotangentOfZeroTangent;
      v = 1 / tangent;
      break;
    }
    case ExpressionParse::kExp: v = std::exp(v); break;
    case ExpressionParse::kFloor: v = std::floor(v); break;
    case ExpressionParse::kLn:
      if (v <= 0) return ExpressionParse::kLnOfNonPositive;
      v = std::log(v);
      break;
    case ExpressionParse::kLog:
      if (v <= 0) return ExpressionParse::kLogOfNonPositive;
      v = std::log10(v);
      break;
    case ExpressionParse::kSin: v = std::sin(v); break;
    case ExpressionParse::kSinh: v = std::sinh(v); break;
    case ExpressionParse::kSqrt:
      if (v < 0) return ExpressionParse::kSqrtOfNegative;
      v = std::sqrt(v);
      break;
    case ExpressionParse::kTan: v = std::tan(v); break;
    case ExpressionParse::kTanh: v = std::tanh(v); break;
    default: return ExpressionParse::kMalformed;
  }
  return ExpressionParse::kSuccess;
}

// Applies a two-argument operator or function to a and b; returns its
// ResultCode.
std::int32_t ApplyBinary(const Token& token, double a, double b, double& result) {
  if (token.kind == TokenKind::Function) {
    if (token.function == ExpressionParse::kPow) {
      result = std::pow(a, b);
      return ExpressionParse::kSuccess;
    }
    if (b == 0) return ExpressionParse::kModuloByZero;
    result = std::fmod(a, b);
    return ExpressionParse::kSuccess;
  }
  switch (token.op) {
    case '+': result = a + b; break;
    case '-': result = a - b; break;
    case '*': result = a * b; break;
    default:
      if (b == 0) return ExpressionParse::kDivisionByZero;
      result = a / b;
      break;
  }
  return ExpressionParse::kSuccess;
}

// The evaluation behind EvaluatePostfix, on a value stack the caller owns.
std::int32_t Evaluate(const std::vector<Token>& postfix, std::vector<double>& stack,
                      double& value) {
  stack.clear();
  if (postfix.empty() || IsEndMark(postfix.front())) return ExpressionParse::kMalformed;
  for (const Token& token : postfix) {
    if (IsEndMark(token)) break;
    int arguments = 0;
    switch (token.kind) {
      case TokenKind::Number:
        stack.push_back(token.value);
        continue;
      case TokenKind::Operator:
        if (token.op == kUnaryMinus) arguments = 1;
        else if (IsArithmetic(token.op)) arguments = 2;
        else return ExpressionParse::kMalformed;
        break;
      case TokenKind::Function:
        if (token.function < ExpressionParse::kAbs || token.function > ExpressionParse::kTanh)
          return ExpressionParse::kMalformed;
        arguments = token.function == ExpressionParse::kMod ||
                            token.function == ExpressionParse::kPow
                        ? 2
                        : 1;
        break;
      default:
        return ExpressionParse::kMalformed;
    }
    if (stack.size() < static_cast<std::size_t>(arguments)) return ExpressionParse::kMalformed;

    if (arguments == 1) {
      if (token.kind == TokenKind::Operator) {
        stack.back() = -stack.back();
        continue;
      }
      const std::int32_t code = ApplyFunction(token.function, stack.back());
      if (code != ExpressionParse::kSuccess) return code;
      continue;
    }
    const double b = stack.back();
    stack.pop_back();
    double result = 0;
    const std::int32_t code = ApplyBinary(token, stack.back(), b, result);
    if (code != ExpressionParse::kSuccess) return code;
    stack.back() = result;
  }
  if (stack.size() != 1) return ExpressionParse::kMalformed;
  value = stack.front();
  return ExpressionParse::kSuccess;
}

}  // namespace

bool ExpressionParse::Validate(std::string& text) {
  std::string open;  // the bracket stack
  std::size_t i = 0;
  while (i < text.size()) {
    const char c = text[i];
    if (IsOpening(c)) {
      open.push_back(c);
    } else if (IsClosing(c)) {
      if (open.empty() || open.back() != OpeningOf(c)) return false;
      open.pop_back();
    } else if (IsArithmetic(c)) {
      if (i + 1 < text.size() && IsArithmetic(text[i + 1])) return false;
    } else if (c == ',') {
      // Separates the arguments of pow and mod; outside every bracket pair it
      // has no meaning.
      if (open.empty()) return false;
    } else if (!(IsDigit(c) || c == '.' || c == 'x')) {
      std::size_t length = 0;
      if (!MatchKeyword(text, i, length)) return false;
      i += length;
      if (i >= text.size() || !IsOpening(text[i])) return false;
      open.push_back(text[i]);
    }
    ++i;
  }
  if (!open.empty()) return false;

  for (char& c : text) {
    if (IsOpening(c)) c = '(';
    else if (IsClosing(c)) c = ')';
  }
  text.push_back(kEndMark);
  return true;
}

double ExpressionParse::ReadNumber(std::string_view run) {
  long double value = 0;
  long double weight = 0.1L;
  bool pointSeen = false;
  for (char c : run) {
    if (c == '.') {
      value *= 0.1L;
      pointSeen = true;
    } else if (IsDigit(c)) {
      const int digit = c - '0';
      if (!pointSeen) {
        value = (value + digit) * 10;
      } else {
        value += digit * weight;
        weight *= 0.1L;
      }
    }
  }
  if (!pointSeen) value *= 0.1L;
  return static_cast<double>(value);
}

std::vector<ExpressionParse::Token> ExpressionParse::ToPostfix(std::string_view validated,
                                                               double x) {
  std::vector<Token> postfix;
  Convert(validated, x, postfix, nullptr);
  return postfix;
}

std::int32_t ExpressionParse::EvaluatePostfix(const std::vector<Token>& postfix,
                                              double& value) {
  std::vector<double> stack;
  stack.reserve(postfix.size());
  return Evaluate(postfix, stack, value);
}

bool ExpressionParse::SetExpression(std::string_view expression) {
  workingCopy_.assign(expression);
  prepared_ = Validate(workingCopy_);
  if (!prepared_) {
    postfix_.clear();
    variablePositions_.clear();
    return false;
  }
  // The structure of the postfix list does not depend on x: convert once and
  // put each new x into the recorded tokens.
  Convert(workingCopy_, 0, postfix_, &variablePositions_);
  valueStack_.clear();
  valueStack_.reserve(postfix_.size());
  return true;
}

std::int32_t ExpressionParse::EvaluateAt(double x, double& value) {
  if (!prepared_) return kMalformed;
  for (std::size_t position : variablePositions_) postfix_[position].value = x;
  return Evaluate(postfix_, valueStack_, value);
}

bool ExpressionParse::Integrate(std::string_view expression, double upper, double lower,
                                double tolerance, double& result) {
  evaluationFailed_ = false;
  passes_ = 0;
  if (!SetExpression(expression)) return false;

  // A failing evaluation counts as 0 and marks the whole integral as failed.
  const auto f = [this](double point) {
    double value = 0;
    if (EvaluateAt(point, value) != kSuccess) {
      evaluationFailed_ = true;
      return 0.0;
    }
    return value;
  };

  double h = upper - lower;  // panel width, negative when upper < lower
  double trapezoid = (f(lower) + f(upper)) * h * 0.5;
  std::uint64_t panels = 1;
  double simpson0 = 0, cotes0 = 0, romberg0 = 0;
  for (int pass = 1;; ++pass) {
    passes_ = pass;
    double sum = 0;
    double point = lower + h * 0.5;
    for (std::uint64_t i = 0; i < panels; ++i) {
      sum += f(point);
      point += h;
    }
    const double refined = (sum * h + trapezoid) * 0.5;
    // A trapezoid value that is infinite or not a number makes every later
    // Romberg value not a number (inf − inf), so the tolerance can never be
    // met: fail now rather than after the last pass.
    if (!std::isfinite(refined)) return false;
    const double simpson = refined + (refined - trapezoid) * kOneThird;
    const double cotes = simpson + (simpson - simpson0) * kOneFifteenth;
    const double romberg = cotes + (cotes - cotes0) * kOneSixtyThird;
    if (pass >= 4) {
      if (std::fabs(romberg - romberg0) < tolerance) {
        if (evaluationFailed_) return false;
        result = romberg;
        return true;
      }
      if (evaluationFailed_ || pass == kMaxPasses) return false;
    }
    // Before pass 4 only the values the pass has completed are kept: the
    // Cotes value from pass 2 on, the Romberg value from pass 3 on.
    simpson0 = simpson;
    if (pass >= 2) cotes0 = cotes;
    if (pass >= 3) romberg0 = romberg;
    trapezoid = refined;
    h *= 0.5;
    panels *= 2;
  }
}
