#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Arithmetic expressions in one variable x, typed as plain text: checking,
// conversion to postfix form, evaluation in doubles, and definite integration
// by Romberg's method.
//
// An expression holds numbers (digits and points, no exponent), the variable
// x, the operators + - * / with unary minus, three kinds of brackets and the
// functions below; a function keyword is lower case and followed directly by
// a bracket. Angles are in radians.
//
// Nothing here has a fixed capacity: the working storage is sized from the
// expression, and every stack is an explicit array (no recursion), so any
// length, depth or byte content is handled without reading or writing out of
// bounds.
class ExpressionParse {
 public:
  enum class TokenKind : std::int32_t { Number = 0, Operator = 1, Function = 2 };

  // One element of a postfix list. op is "+", "-", "*", "/" or "~" (unary
  // minus) for an Operator; the list ends with an Operator whose op is "#".
  struct Token {
    TokenKind kind = TokenKind::Number;
    double value = 0;  // of a Number
    char op = 0;       // of an Operator
    std::int32_t function = 0;  // FunctionCode of a Function
  };

  enum FunctionCode : std::int32_t {
    kAbs = 1,
    kAcos = 2,
    kAsin = 3,
    kAtan = 4,
    kAcot = 5,
    kCos = 6,
    kCosh = 7,
    kCot = 8,
    kExp = 9,
    kFloor = 10,
    kMod = 11,  // two arguments: fmod(a, b), the remainder with the sign of a
    kLn = 12,
    kLog = 13,  // base 10
    kPow = 14,  // two arguments
    kSin = 15,
    kSinh = 16,
    kSqrt = 17,
    kTan = 18,
    kTanh = 19,
  };

  // Result codes of an evaluation.
  enum ResultCode : std::int32_t {
    kSuccess = 0,
    kMalformed = -1,  // empty list, too few values for an operator or function,
                      // or not exactly one value left at the end
    kDivisionByZero = 1,
    kAcosOutOfRange = 2,  // argument below -1 or above 1
    kAsinOutOfRange = 3,
    kCotangentOfZeroTangent = 4,
    kModuloByZero = 5,
    kLnOfNonPositive = 6,
    kLogOfNonPositive = 7,
    kSqrtOfNegative = 8,
  };

  // Integrate gives up when this many passes have not met the tolerance.
  static constexpr int kMaxPasses = 25;

  // Checks the text in one pass: brackets match in kind and nesting; none of
  // + - * / is directly followed by another of them; a comma stands inside a
  // bracket pair; a function keyword (the longest that matches, so "cosh" before
  // "cos") is followed directly by an opening bracket; every other character
  // is a digit, ".", or "x". On acceptance every bracket becomes "(" or ")"
  // and the end mark "#" is appended (the empty text becomes "#"); on
  // refusal the text is left as it was.
  static bool Validate(std::string& text);

  // The value of a run of digits and points, read in extended precision and
  // rounded to a double at the end. A second point multiplies the value read
  // so far by 0.1, so "1.2.3" reads as 0.15.
  static double ReadNumber(std::string_view run);

  // Converts validated text (see Validate) to postfix form with x's value in
  // place of every x. Multiplication is implied by a bracket or a keyword
  // directly after a digit ("2(3)", "2sin(x)"), nowhere else. Unary minus at
  // the start or after "(" binds looser than * and /: "-2*3" is -(2×3).
  static std::vector<Token> ToPostfix(std::string_view validated, double x);

  // Evaluates a postfix list up to its end mark. Returns a ResultCode; the
  // value is written only for kSuccess. Overflow and pow of a negative base
  // with a fractional exponent are no failures: they give infinities and
  // not-a-number values.
  static std::int32_t EvaluatePostfix(const std::vector<Token>& postfix, double& value);

  // Copies and validates the expression and converts it to postfix once, so
  // that EvaluateAt can evaluate it at many points. Returns Validate's answer.
  bool SetExpression(std::string_view expression);
  // The validated working copy (with its end mark), or the refused text.
  const std::string& WorkingCopy() const { return workingCopy_; }

  // The expression of the last successful SetExpression at x; kMalformed when
  // there is none. Same results as ToPostfix then EvaluatePostfix.
  std::int32_t EvaluateAt(double x, double& value);

  // The definite integral of the expression from lower to upper by Romberg's
  // method: trapezoid sums over halved panels refined by three Richardson
  // steps, stopping from the fourth pass on when two successive refined values
  // differ by less than tolerance. The panel width keeps its sign, so
  // exchanging the limits negates the result and equal limits give 0.
  //
  // Returns false when the expression is refused, when any evaluation failed
  // (EvaluationFailed tells which), when kMaxPasses passes did not meet the
  // tolerance, or as soon as a trapezoid sum is infinite or not a number (no
  // later pass could meet it); result is written only on success.
  bool Integrate(std::string_view expression, double upper, double lower, double tolerance,
                 double& result);
  // Whether an evaluation failed during the last Integrate.
  bool EvaluationFailed() const { return evaluationFailed_; }
  // The passes the last Integrate ran; 0 when the expression was refused.
  int Passes() const { return passes_; }

 private:
  bool prepared_ = false;
  std::string workingCopy_;
  std::vector<Token> postfix_;
  std::vector<std::size_t> variablePositions_;  // the tokens that hold x
  std::vector<double> valueStack_;              // reused by every evaluation
  bool evaluationFailed_ = false;
  int passes_ = 0;
};
