#include "expression_parse.h"

#include "number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <numbers>
#include <random>
#include <string>
#include <vector>

namespace {

using Token = ExpressionParse::Token;
using TokenKind = ExpressionParse::TokenKind;

const double kNan = std::numeric_limits<double>::quiet_NaN();
const double kInfinity = std::numeric_limits<double>::infinity();

// Equal, or both not a number.
bool Same(double a, double b) { return a == b || (std::isnan(a) && std::isnan(b)); }

// ---------------------------------------------------------------- Validate

struct ValidateCase {
  const char* name;
  std::string text;
  bool accepted;
  const char* workingCopy;  // after acceptance
};

class Validate : public testing::TestWithParam<ValidateCase> {};

TEST_P(Validate, AcceptsOrRefuses) {
  std::string text = GetParam().text;
  EXPECT_EQ(ExpressionParse::Validate(text), GetParam().accepted);
  if (GetParam().accepted) {
    EXPECT_EQ(text, GetParam().workingCopy);
  } else {
    EXPECT_EQ(text, GetParam().text) << "a refused text stays as it was";
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Validate,
    testing::Values(
        ValidateCase{"empty_becomes_end_mark", "", true, "#"},
        ValidateCase{"number", "12.5", true, "12.5#"},
        ValidateCase{"brackets_become_parentheses", "[1+{2*3}]", true, "(1+(2*3))#"},
        ValidateCase{"nested_kinds", "{[()]}", true, "((()))#"},
        ValidateCase{"keyword_with_square_bracket", "sin[x]", true, "sin(x)#"},
        ValidateCase{"keyword_with_brace", "cosh{x}", true, "cosh(x)#"},
        ValidateCase{"every_keyword",
                     "abs(1)+acos(1)+asin(1)+atan(1)+acot(1)+cos(1)+cosh(1)+cot(1)+exp(1)+"
                     "floor(1)+mod(1,2)+ln(1)+log(1)+pow(1,2)+sin(1)+sinh(1)+sqrt(1)+tan(1)+"
                     "tanh(1)",
                     true,
                     "abs(1)+acos(1)+asin(1)+atan(1)+acot(1)+cos(1)+cosh(1)+cot(1)+exp(1)+"
                     "floor(1)+mod(1,2)+ln(1)+log(1)+pow(1,2)+sin(1)+sinh(1)+sqrt(1)+tan(1)+"
                     "tanh(1)#"},
        ValidateCase{"minus_in_brackets", "2*(-3)", true, "2*(-3)#"},
        ValidateCase{"leading_signs", "+1", true, "+1#"},
        ValidateCase{"trailing_operator_is_left_to_evaluation", "2+", true, "2+#"},
        ValidateCase{"empty_brackets", "()", true, "()#"},
        ValidateCase{"digits_and_points_only", "1.2.3", true, "1.2.3#"},
        ValidateCase{"comma_inside_brackets", "pow(2,3)", true, "pow(2,3)#"},
        ValidateCase{"mismatched_kind", "(1+2]", false, ""},
        ValidateCase{"crossed_brackets", "([)]", false, ""},
        ValidateCase{"unclosed", "(1", false, ""},
        ValidateCase{"unopened", "1)", false, ""},
        ValidateCase{"unclosed_function", "abs(", false, ""},
        ValidateCase{"operator_pair", "2*-3", false, ""},
        ValidateCase{"double_minus", "1--2", false, ""},
        ValidateCase{"minus_plus", "1-+2", false, ""},
        ValidateCase{"divide_times", "1/*2", false, ""},
        ValidateCase{"blank", "1 + x", false, ""},
        ValidateCase{"upper_case_keyword", "SIN(1)", false, ""},
        ValidateCase{"exponent_notation", "1e5", false, ""},
        ValidateCase{"named_constant", "pi", false, ""},
        ValidateCase{"caret", "2^3", false, ""},
        ValidateCase{"percent", "50%", false, ""},
        ValidateCase{"keyword_without_bracket", "sin", false, ""},
        ValidateCase{"keyword_then_blank", "sin (x)", false, ""},
        ValidateCase{"keyword_then_letter", "cosx(1)", false, ""},
        ValidateCase{"unknown_word", "foo(1)", false, ""},
        ValidateCase{"upper_case_variable", "X", false, ""},
        ValidateCase{"typed_end_mark", "1#2", false, ""},
        ValidateCase{"typed_unary_minus_mark", "~2", false, ""},
        ValidateCase{"comma_outside_brackets", "1,2", false, ""},
        ValidateCase{"leading_comma", ",5", false, ""},
        ValidateCase{"double_byte_character", "\xef\xbc\x92", false, ""},
        ValidateCase{"nul_byte", std::string("1\0" "2", 3), false, ""},
        ValidateCase{"high_byte", "1\xff", false, ""}),
    [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------- ReadNumber

struct NumberCase {
  const char* name;
  const char* run;
  double value;
};

class ReadNumber : public testing::TestWithParam<NumberCase> {};

TEST_P(ReadNumber, ReadsTheRun) {
  EXPECT_EQ(ExpressionParse::ReadNumber(GetParam().run), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadNumber,
    testing::Values(NumberCase{"whole", "12", 12}, NumberCase{"fraction", "12.5", 12.5},
                    NumberCase{"leading_point", ".5", 0.5}, NumberCase{"trailing_point", "5.", 5},
                    NumberCase{"second_point_divides_by_ten", "1.2.3", 0.15},
                    NumberCase{"leading_zeros", "007", 7}, NumberCase{"lone_point", ".", 0},
                    NumberCase{"zero", "0", 0}, NumberCase{"tenth", "0.1", 0.1},
                    NumberCase{"many_fraction_digits", "3.14159265358979",
                               3.14159265358979},
                    NumberCase{"two_points_in_a_row", "12..5", 1.7}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReadNumberLimits, RunsBeyondTheDoubleRange) {
  EXPECT_EQ(ExpressionParse::ReadNumber(std::string(400, '9')), kInfinity);
  EXPECT_EQ(ExpressionParse::ReadNumber("0." + std::string(400, '0') + "1"), 0);
  EXPECT_EQ(ExpressionParse::ReadNumber(std::string(5000, '9')), kInfinity);
}

// ---------------------------------------------------------------- ToPostfix

// The postfix list as text: numbers, operators and keywords separated by
// blanks; the end mark is checked and left out.
std::string Render(const std::vector<Token>& postfix) {
  static const char* const kNames[] = {"?",   "abs",   "acos", "asin", "atan", "acot", "cos",
                                       "cosh", "cot",  "exp",  "floor", "mod", "ln",   "log",
                                       "pow",  "sin",  "sinh", "sqrt", "tan",  "tanh"};
  std::string text;
  for (std::size_t i = 0; i < postfix.size(); ++i) {
    const Token& token = postfix[i];
    const bool last = i + 1 == postfix.size();
    if ((token.kind == TokenKind::Operator && token.op == '#') != last) return "bad end mark";
    if (last) break;
    if (!text.empty()) text += ' ';
    if (token.kind == TokenKind::Number) text += NumberToText(token.value);
    else if (token.kind == TokenKind::Operator) text += token.op;
    else text += kNames[token.function];
  }
  return text;
}

struct PostfixCase {
  const char* name;
  const char* text;
  double x;
  const char* postfix;
};

class ToPostfix : public testing::TestWithParam<PostfixCase> {};

TEST_P(ToPostfix, ConvertsValidatedText) {
  std::string text = GetParam().text;
  ASSERT_TRUE(ExpressionParse::Validate(text));
  EXPECT_EQ(Render(ExpressionParse::ToPostfix(text, GetParam().x)), GetParam().postfix);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ToPostfix,
    testing::Values(
        PostfixCase{"empty", "", 0, ""},
        PostfixCase{"products_before_sums", "2+3*4", 0, "2 3 4 * +"},
        PostfixCase{"left_grouping_of_quotients", "8/2/2", 0, "8 2 / 2 /"},
        PostfixCase{"left_grouping_of_differences", "8-2-2", 0, "8 2 - 2 -"},
        PostfixCase{"variable_takes_its_value", "x*x", 1.5, "1.5 1.5 *"},
        PostfixCase{"unary_minus_covers_the_product", "-2*3", 0, "2 3 * ~"},
        PostfixCase{"unary_minus_popped_by_plus", "-2+3", 0, "2 ~ 3 +"},
        PostfixCase{"unary_minus_after_bracket", "(-x)", 4, "4 ~"},
        PostfixCase{"implicit_product_before_bracket", "2(3+4)", 0, "2 3 4 + *"},
        PostfixCase{"implicit_product_before_keyword", "2sin(x)", 0.5, "2 0.5 sin *"},
        PostfixCase{"implicit_product_pops_products", "6/2(3)", 0, "6 2 / 3 *"},
        PostfixCase{"function_popped_by_product", "sin(x)*2", 1, "1 sin 2 *"},
        PostfixCase{"function_popped_by_sum", "pow(2,3)+1", 0, "2 3 pow 1 +"},
        PostfixCase{"function_inside_product", "2*sin(x)/4", 1, "2 1 sin * 4 /"},
        PostfixCase{"comma_separates_arguments", "mod(7+1,3*2)", 0, "7 1 + 3 2 * mod"},
        PostfixCase{"nested_functions", "sqrt(abs(x))", -4, "-4 abs sqrt"},
        PostfixCase{"no_product_after_variable", "2x", 3, "2 3"},
        PostfixCase{"no_product_after_bracket", "(1)(2)", 0, "1 2"},
        PostfixCase{"no_product_after_point", "2.(3)", 0, "2 3"},
        PostfixCase{"odd_number", "1.2.3", 0, "0.15"}),
    [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------- evaluation

struct EvaluateCase {
  const char* name;
  const char* text;
  double x;
  std::int32_t code;
  double value;  // for code 0
};

class Evaluate : public testing::TestWithParam<EvaluateCase> {};

TEST_P(Evaluate, GivesCodeAndValue) {
  const EvaluateCase& c = GetParam();

  // Through the engine object: validate and convert once, evaluate at x.
  ExpressionParse parser;
  ASSERT_TRUE(parser.SetExpression(c.text));
  double value = 12345;
  EXPECT_EQ(parser.EvaluateAt(c.x, value), c.code);
  if (c.code == ExpressionParse::kSuccess) {
    EXPECT_TRUE(Same(value, c.value)) << value << " instead of " << c.value;
  } else {
    EXPECT_EQ(value, 12345) << "no value on failure";
  }

  // Through the separate steps.
  std::string text = c.text;
  ASSERT_TRUE(ExpressionParse::Validate(text));
  double stepValue = 0;
  EXPECT_EQ(ExpressionParse::EvaluatePostfix(ExpressionParse::ToPostfix(text, c.x), stepValue),
            c.code);
  if (c.code == ExpressionParse::kSuccess) {
    EXPECT_TRUE(Same(stepValue, value));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Evaluate,
    testing::Values(
        EvaluateCase{"mixed_functions", "3*exp(x)*tan(x)/(8+log(x))", 1, 0,
                     3 * std::exp(1.0) * std::tan(1.0) / 8},
        EvaluateCase{"implicit_product", "2(3+4)", 0, 0, 14},
        EvaluateCase{"implicit_product_after_two_digits", "10(2)", 0, 0, 20},
        EvaluateCase{"implicit_product_with_keyword", "2sin(x)", 0, 0, 0},
        EvaluateCase{"implicit_product_with_two_argument_keyword", "2pow(2,3)", 0, 0, 16},
        EvaluateCase{"cosh", "cosh(0)", 0, 0, 1},
        EvaluateCase{"cos", "cos(0)", 0, 0, 1},
        EvaluateCase{"sinh", "sinh(1)", 0, 0, std::sinh(1.0)},
        EvaluateCase{"tanh", "tanh(1)", 0, 0, std::tanh(1.0)},
        EvaluateCase{"cot", "cot(1)", 0, 0, 1 / std::tan(1.0)},
        EvaluateCase{"acot_of_zero_is_half_pi", "acot(0)", 0, 0, 1.5707963267948966},
        EvaluateCase{"acot_of_one", "acot(1)", 0, 0, std::numbers::pi / 2 - std::atan(1.0)},
        EvaluateCase{"abs", "abs(-3)", 0, 0, 3},
        EvaluateCase{"acos", "acos(0.5)", 0, 0, std::acos(0.5)},
        EvaluateCase{"asin", "asin(-1)", 0, 0, std::asin(-1.0)},
        EvaluateCase{"atan", "atan(x)", 2, 0, std::atan(2.0)},
        EvaluateCase{"exp", "exp(x)", 0.5, 0, std::exp(0.5)},
        EvaluateCase{"floor_of_negative", "floor(-1.5)", 0, 0, -2},
        EvaluateCase{"ln", "ln(x)", 3, 0, std::log(3.0)},
        EvaluateCase{"log", "log(1000)", 0, 0, 3},
        EvaluateCase{"sin", "sin(x)", 0.25, 0, std::sin(0.25)},
        EvaluateCase{"sqrt", "sqrt(2)", 0, 0, std::sqrt(2.0)},
        EvaluateCase{"tan", "tan(x)", -0.75, 0, std::tan(-0.75)},
        EvaluateCase{"brackets_of_every_kind", "[1+{2*3}]", 0, 0, 7},
        EvaluateCase{"unary_minus_then_sum", "-2+3", 0, 0, 1},
        EvaluateCase{"unary_minus_of_bracket", "-(2)", 0, 0, -2},
        EvaluateCase{"unary_minus_of_variable", "(-x)", 4, 0, -4},
        EvaluateCase{"unary_minus_of_product", "-2*3+4", 0, 0, -2},
        EvaluateCase{"unary_minus_of_function", "-sin(x)", 1, 0, -std::sin(1.0)},
        EvaluateCase{"minus_negative", "2-(-3)", 0, 0, 5},
        EvaluateCase{"leading_plus_has_no_left_operand", "+5", 0, -1, 0},
        EvaluateCase{"quotients_group_left", "8/2/2", 0, 0, 2},
        EvaluateCase{"differences_group_left", "8-2-2", 0, 0, 4},
        EvaluateCase{"pow", "pow(2,3)", 0, 0, 8},
        EvaluateCase{"pow_with_expressions", "pow(x+1,1/2)", 3, 0, 2},
        EvaluateCase{"mod", "mod(7,3)", 0, 0, 1},
        EvaluateCase{"mod_keeps_sign_of_dividend", "mod(-7,3)", 0, 0, -1},
        EvaluateCase{"odd_number", "1.2.3", 0, 0, 0.15},
        EvaluateCase{"constant", "5", 123, 0, 5},
        EvaluateCase{"overflow_is_no_failure", "exp(1000)", 0, 0, kInfinity},
        EvaluateCase{"negative_base_fractional_power", "pow(-8,1/3)", 0, 0, kNan},
        EvaluateCase{"domain_edge_of_acos", "acos(-1)", 0, 0, std::numbers::pi},
        EvaluateCase{"division_by_zero", "1/0", 0, 1, 0},
        EvaluateCase{"division_by_negative_zero", "1/(-0)", 0, 1, 0},
        EvaluateCase{"division_by_vanishing_difference", "1/(x-x)", 7.5, 1, 0},
        EvaluateCase{"acos_above_one", "acos(1.5)", 0, 2, 0},
        EvaluateCase{"acos_below_minus_one", "acos(-1.5)", 0, 2, 0},
        EvaluateCase{"asin_above_one", "asin(2)", 0, 3, 0},
        EvaluateCase{"cot_of_zero", "cot(0)", 0, 4, 0},
        EvaluateCase{"mod_by_zero", "mod(1,0)", 0, 5, 0},
        EvaluateCase{"ln_of_zero", "ln(0)", 0, 6, 0},
        EvaluateCase{"ln_of_negative", "ln(x)", -1, 6, 0},
        EvaluateCase{"log_of_zero", "log(0)", 0, 7, 0},
        EvaluateCase{"log_of_negative", "log(-2)", 0, 7, 0},
        EvaluateCase{"sqrt_of_negative", "sqrt(-1)", 0, 8, 0},
        EvaluateCase{"first_failure_wins", "sqrt(-1)+1/0", 0, 8, 0},
        EvaluateCase{"empty_brackets", "()", 0, -1, 0},
        EvaluateCase{"function_without_argument", "sin()", 0, -1, 0},
        EvaluateCase{"trailing_operator", "2+", 0, -1, 0},
        EvaluateCase{"empty_text", "", 0, -1, 0},
        EvaluateCase{"variable_after_digit", "2x", 1, -1, 0},
        EvaluateCase{"bracket_after_variable", "x(2)", 1, -1, 0},
        EvaluateCase{"bracket_after_bracket", "(1)(2)", 0, -1, 0},
        EvaluateCase{"pow_with_one_argument", "pow(2)", 0, -1, 0},
        EvaluateCase{"sin_with_two_arguments", "sin(1,2)", 0, -1, 0},
        // A minus after a comma is a subtraction, not a sign: write pow(2,(-3)).
        EvaluateCase{"minus_after_comma_subtracts", "pow(2,-3)", 0, -1, 0},
        EvaluateCase{"bracketed_negative_argument", "pow(2,(-3))", 0, 0, 0.125}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(EvaluatePostfix, EmptyListsAndForeignTokensAreMalformed) {
  double value = 0;
  EXPECT_EQ(ExpressionParse::EvaluatePostfix({}, value), -1);

  Token end;
  end.kind = TokenKind::Operator;
  end.op = '#';
  EXPECT_EQ(ExpressionParse::EvaluatePostfix({end}, value), -1);

  Token one;
  one.value = 1;
  EXPECT_EQ(ExpressionParse::EvaluatePostfix({one}, value), 0) << "the end mark is optional";
  EXPECT_EQ(value, 1);

  Token bracket = end;
  bracket.op = '(';
  EXPECT_EQ(ExpressionParse::EvaluatePostfix({one, bracket, end}, value), -1);
  Token unknownFunction;
  unknownFunction.kind = TokenKind::Function;
  unknownFunction.function = 20;
  EXPECT_EQ(ExpressionParse::EvaluatePostfix({one, unknownFunction, end}, value), -1);
  Token unknownKind;
  unknownKind.kind = static_cast<TokenKind>(3);
  EXPECT_EQ(ExpressionParse::EvaluatePostfix({one, unknownKind, end}, value), -1);
  // Tokens after the end mark are not read.
  EXPECT_EQ(ExpressionParse::EvaluatePostfix({one, end, bracket}, value), 0);
}

TEST(ExpressionParseObject, EvaluatesNothingWithoutAnAcceptedExpression) {
  ExpressionParse parser;
  double value = 3;
  EXPECT_EQ(parser.EvaluateAt(1, value), -1);
  EXPECT_TRUE(parser.SetExpression("x+1"));
  EXPECT_EQ(parser.WorkingCopy(), "x+1#");
  EXPECT_FALSE(parser.SetExpression("x +1"));
  EXPECT_EQ(parser.EvaluateAt(1, value), -1) << "the refused text replaces the accepted one";
  EXPECT_EQ(value, 3);
}

// Converting once and putting each new x in place gives the same values as
// converting anew for every x.
TEST(ExpressionParseObject, ConvertingOnceEqualsConvertingPerPoint) {
  const std::string expression = "3*exp(x)*tan(x)/(8+log(x))+pow(x,x)-mod(x,0.3)*2(x+1)";
  ExpressionParse parser;
  ASSERT_TRUE(parser.SetExpression(expression));
  std::string validated = expression;
  ASSERT_TRUE(ExpressionParse::Validate(validated));
  std::mt19937 random(3);
  std::uniform_real_distribution<double> point(-2, 5);
  for (int i = 0; i < 1000; ++i) {
    const double x = point(random);
    double once = 0, anew = 0;
    const std::int32_t code = parser.EvaluateAt(x, once);
    EXPECT_EQ(code,
              ExpressionParse::EvaluatePostfix(ExpressionParse::ToPostfix(validated, x), anew));
    if (code == 0) {
      EXPECT_TRUE(Same(once, anew)) << "x = " << x;
    }
  }
}

// ---------------------------------------------------- random valid expressions

struct Generated {
  std::string text;
  double value;
};

// Builds a random expression and computes its value directly, in the order
// the operators apply. Every composite part is bracketed; the arguments of
// functions with a restricted domain are shaped to stay inside it.
class ExpressionGenerator {
 public:
  ExpressionGenerator(unsigned seed, double x) : random_(seed), x_(x) {}

  Generated Make(int depth) {
    if (depth == 0 || Pick(4) == 0) return Factor();
    const Generated a = Make(depth - 1);
    switch (Pick(16)) {
      case 0: return Binary(a, Make(depth - 1), '+');
      case 1: return Binary(a, Make(depth - 1), '-');
      case 2: return Binary(a, Make(depth - 1), '*');
      case 3: {
        const Generated b = Make(depth - 1);
        return {"(" + a.text + "/(abs(" + b.text + ")+1))", a.value / (std::fabs(b.value) + 1)};
      }
      case 4: return {"(-(" + a.text + "))", -a.value};
      case 5: return {"(3(" + a.text + "))", 3 * a.value};
      case 6: return {"(2sin(" + a.text + "))", 2 * std::sin(a.value)};
      case 7: {
        const Generated b = Make(depth - 1);
        return {"mod(" + a.text + ",abs(" + b.text + ")+1)",
                std::fmod(a.value, std::fabs(b.value) + 1)};
      }
      case 8: {
        const Generated b = Make(depth - 1);
        return {"pow(" + a.text + "," + b.text + ")", std::pow(a.value, b.value)};
      }
      case 9: return {"acos(sin(" + a.text + "))", std::acos(std::sin(a.value))};
      case 10: return {"asin(cos(" + a.text + "))", std::asin(std::cos(a.value))};
      case 11: return {"ln(abs(" + a.text + ")+1)", std::log(std::fabs(a.value) + 1)};
      case 12: return {"log(abs(" + a.text + ")+1)", std::log10(std::fabs(a.value) + 1)};
      case 13: return {"sqrt(abs(" + a.text + "))", std::sqrt(std::fabs(a.value))};
      case 14: return {"cot(abs(" + a.text + ")+1)", 1 / std::tan(std::fabs(a.value) + 1)};
      default: return OneArgument(a);
    }
  }

  // A flat chain such as -a*b+c/d-e*f: products and quotients first, then
  // sums and differences, each from the left; a leading minus negates the
  // first product.
  Generated Chain(int terms) {
    Generated result{"", 0};
    const bool negate = Pick(2) == 0;
    if (negate) result.text = "-";
    for (int t = 0; t < terms; ++t) {
      const char sign = Pick(2) ? '+' : '-';
      if (t > 0) result.text += sign;
      Generated term = Factor();
      result.text += term.text;
      for (int f = Pick(3); f > 0; --f) {
        const Generated factor = Factor();
        const char op = Pick(2) ? '*' : '/';
        result.text += op + factor.text;
        term.value = op == '*' ? term.value * factor.value : term.value / factor.value;
      }
      if (t == 0) result.value = negate ? -term.value : term.value;
      else result.value = sign == '+' ? result.value + term.value : result.value - term.value;
    }
    return result;
  }

 private:
  int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

  // A positive number or x.
  Generated Factor() {
    if (Pick(3) == 0) return {"x", x_};
    std::string text = std::to_string(1 + Pick(99));
    if (Pick(2)) text += "." + std::to_string(Pick(10)) + std::to_string(1 + Pick(9));
    return {text, std::strtod(text.c_str(), nullptr)};
  }

  static Generated Binary(const Generated& a, const Generated& b, char op) {
    const double value = op == '+' ? a.value + b.value : op == '-' ? a.value - b.value
                                                                   : a.value * b.value;
    return {"(" + a.text + op + b.text + ")", value};
  }

  Generated OneArgument(const Generated& a) {
    struct Function {
      const char* name;
      double (*apply)(double);
    };
    static const Function kFunctions[] = {
        {"abs", [](double v) { return std::fabs(v); }},
        {"atan", [](double v) { return std::atan(v); }},
        {"acot", [](double v) { return std::numbers::pi / 2 - std::atan(v); }},
        {"cos", [](double v) { return std::cos(v); }},
        {"cosh", [](double v) { return std::cosh(v); }},
        {"exp", [](double v) { return std::exp(v); }},
        {"floor", [](double v) { return std::floor(v); }},
        {"sin", [](double v) { return std::sin(v); }},
        {"sinh", [](double v) { return std::sinh(v); }},
        {"tan", [](double v) { return std::tan(v); }},
        {"tanh", [](double v) { return std::tanh(v); }},
    };
    const Function& f = kFunctions[Pick(std::size(kFunctions))];
    return {std::string(f.name) + "(" + a.text + ")", f.apply(a.value)};
  }

  std::mt19937 random_;
  double x_;
};

TEST(RandomExpressions, EvaluateLikeDirectComputation) {
  std::mt19937 seeds(2026);
  std::uniform_real_distribution<double> point(-3, 3);
  int compared = 0;
  for (int i = 0; i < 3000; ++i) {
    double x = point(seeds);
    if (x == 0) x = 0.5;
    ExpressionGenerator generator(seeds(), x);
    const Generated expression =
        i % 3 == 0 ? generator.Chain(1 + i % 6) : generator.Make(1 + i % 6);
    ExpressionParse parser;
    ASSERT_TRUE(parser.SetExpression(expression.text)) << expression.text;
    double value = 0;
    ASSERT_EQ(parser.EvaluateAt(x, value), 0) << expression.text << " at x = " << x;
    EXPECT_TRUE(Same(value, expression.value))
        << expression.text << " at x = " << x << ": " << value << " instead of "
        << expression.value;
    ++compared;
  }
  EXPECT_EQ(compared, 3000);
}

// ------------------------------------------------------------- capacity

TEST(Capacity, LongSumsAreNeitherRefusedNorCut) {
  std::string text = "1";
  for (int i = 1; i < 20000; ++i) text += "+1";
  ExpressionParse parser;
  ASSERT_TRUE(parser.SetExpression(text));
  double value = 0;
  ASSERT_EQ(parser.EvaluateAt(0, value), 0);
  EXPECT_EQ(value, 20000);
}

TEST(Capacity, DeepBracketsAreAccepted) {
  const int depth = 200000;
  const std::string text = std::string(depth, '(') + "x+1" + std::string(depth, ')');
  ExpressionParse parser;
  ASSERT_TRUE(parser.SetExpression(text));
  double value = 0;
  ASSERT_EQ(parser.EvaluateAt(2, value), 0);
  EXPECT_EQ(value, 3);
}

TEST(Capacity, DeeplyNestedFunctions) {
  const int depth = 20000;
  std::string text;
  for (int i = 0; i < depth; ++i) text += i % 2 ? "sin[" : "cos{";
  text += "x";
  for (int i = depth; i-- > 0;) text += i % 2 ? "]" : "}";
  double expected = 0.3;
  for (int i = depth; i-- > 0;) expected = i % 2 ? std::sin(expected) : std::cos(expected);
  ExpressionParse parser;
  ASSERT_TRUE(parser.SetExpression(text));
  double value = 0;
  ASSERT_EQ(parser.EvaluateAt(0.3, value), 0);
  EXPECT_EQ(value, expected);
}

TEST(Capacity, DeepUnaryMinusAndImplicitProducts) {
  const int depth = 10000;
  std::string text;
  for (int i = 0; i < depth; ++i) text += "(-1(";
  text += "x";
  for (int i = 0; i < depth; ++i) text += "))";
  ExpressionParse parser;
  ASSERT_TRUE(parser.SetExpression(text));
  double value = 0;
  ASSERT_EQ(parser.EvaluateAt(5, value), 0);
  EXPECT_EQ(value, 5) << "an even number of sign changes";
}

TEST(Capacity, UnbalancedDeepTextIsRefused) {
  std::string text = std::string(100000, '[') + "1" + std::string(99999, ']') + ")";
  EXPECT_FALSE(ExpressionParse::Validate(text));
}

// Arbitrary bytes, mostly the characters of expressions, thousands long: the
// steps must answer with a verdict or a code and never fail otherwise.
TEST(Robustness, ArbitraryTextNeverBreaksTheEngine) {
  static const std::string kAlphabet = "0123456789.,x+-*/()[]{}#~ abcdefghijklmnopqrstuvwxyz";
  std::mt19937 random(99);
  int accepted = 0;
  for (int i = 0; i < 3000; ++i) {
    const std::size_t longest = i % 10 ? 40 : 4000;
    const std::size_t length = std::uniform_int_distribution<std::size_t>(0, longest)(random);
    std::string text;
    for (std::size_t k = 0; k < length; ++k) {
      if (random() % 8 == 0) text += static_cast<char>(random() % 256);
      else text += kAlphabet[random() % kAlphabet.size()];
    }

    double value = 0;
    // The steps on text that was never validated.
    const std::int32_t raw =
        ExpressionParse::EvaluatePostfix(ExpressionParse::ToPostfix(text, 1), value);
    EXPECT_TRUE(raw >= -1 && raw <= 8);

    ExpressionParse parser;
    if (!parser.SetExpression(text)) continue;
    ++accepted;
    const std::int32_t code = parser.EvaluateAt(0.5, value);
    EXPECT_TRUE(code >= -1 && code <= 8) << code;
  }
  EXPECT_GT(accepted, 0);
}

TEST(Robustness, ValidatedExpressionsBuiltFromKeywordsAndOperators) {
  static const char* const kPieces[] = {"sin(", "pow(", "mod(", "(", ")", ")", ",", "x", "1",
                                        "2.5", "+",    "-",    "*",  "/", "cosh(", "."};
  std::mt19937 random(7);
  int accepted = 0;
  for (int i = 0; i < 20000; ++i) {
    std::string text;
    for (int k = random() % 30; k > 0; --k) text += kPieces[random() % std::size(kPieces)];
    ExpressionParse parser;
    if (!parser.SetExpression(text)) continue;
    ++accepted;
    double value = 0;
    const std::int32_t code = parser.EvaluateAt(1.5, value);
    EXPECT_TRUE(code >= -1 && code <= 8) << text;
  }
  EXPECT_GT(accepted, 100);
}

// ------------------------------------------------------------- Integrate

struct IntegralCase {
  const char* name;
  const char* expression;
  double upper, lower, tolerance;
  bool success;
  double expected;  // when successful
  double accuracy;
  int passes;  // 0: not checked
};

class Integrate : public testing::TestWithParam<IntegralCase> {};

TEST_P(Integrate, Romberg) {
  const IntegralCase& c = GetParam();
  ExpressionParse parser;
  double result = 12345;
  EXPECT_EQ(parser.Integrate(c.expression, c.upper, c.lower, c.tolerance, result), c.success);
  if (c.success) {
    EXPECT_NEAR(result, c.expected, c.accuracy);
    EXPECT_FALSE(parser.EvaluationFailed());
  } else {
    EXPECT_EQ(result, 12345) << "no result on failure";
  }
  if (c.passes) {
    EXPECT_EQ(parser.Passes(), c.passes);
  }
}

const double kPi = std::numbers::pi;

INSTANTIATE_TEST_SUITE_P(
    Cases, Integrate,
    testing::Values(
        IntegralCase{"line", "x", 1, 0, 1e-6, true, 0.5, 0, 4},
        IntegralCase{"parabola", "x*x", 1, 0, 1e-6, true, 1.0 / 3, 1e-15, 4},
        IntegralCase{"constant", "5", 3, 1, 1e-6, true, 10, 0, 4},
        IntegralCase{"reciprocal", "1/x", 2, 1, 1e-6, true, 0.693147183, 1e-9, 0},
        IntegralCase{"reciprocal_with_limits_exchanged", "1/x", 1, 2, 1e-6, true, -0.693147183,
                     1e-9, 0},
        IntegralCase{"equal_limits", "sin(x)/x", 2, 2, 1e-6, true, 0, 0, 4},
        IntegralCase{"sine_over_half_a_period", "sin(x)", 3.14159265358979, 0, 1e-6, true,
                     2.0000000001, 1e-10, 5},
        IntegralCase{"cubic_across_zero", "x*x*x", 2, -1, 1e-9, true, 3.75, 1e-12, 0},
        IntegralCase{"exponential", "exp(x)", 1, 0, 1e-12, true, std::numbers::e - 1, 1e-13, 0},
        IntegralCase{"arc_tangent_derivative", "1/(1+x*x)", 1, 0, 1e-12, true, kPi / 4, 1e-13,
                     0},
        IntegralCase{"gaussian", "exp(-x*x)", 1, 0, 1e-12, true,
                     std::sqrt(kPi) / 2 * std::erf(1.0), 1e-13, 0},
        IntegralCase{"cosine_quarter_period", "cos(x)", kPi / 2, 0, 1e-12, true, 1, 1e-13, 0},
        IntegralCase{"logarithm", "ln(x)", std::numbers::e, 1, 1e-10, true, 1, 1e-11, 0},
        IntegralCase{"square_root", "sqrt(x)", 1, 0, 1e-7, true, 2.0 / 3, 1e-6, 0},
        IntegralCase{"power_function", "pow(x,4)", 1, 0, 1e-12, true, 0.2, 1e-14, 0},
        // ∫ e^x sin x dx = e^x (sin x − cos x) / 2
        IntegralCase{"growing_oscillation", "sin(x)*exp(x)", 10, 0, 1e-10, true,
                     (std::exp(10.0) * (std::sin(10.0) - std::cos(10.0)) + 1) / 2, 1e-9, 0},
        IntegralCase{"reciprocal_at_zero", "1/x", 1, 0, 1e-6, false, 0, 0, 4},
        IntegralCase{"root_of_negative_samples", "sqrt(x)", 1, -1, 1e-6, false, 0, 0, 4},
        IntegralCase{"logarithm_at_zero", "ln(x)", 1, 0, 1e-6, false, 0, 0, 4},
        IntegralCase{"empty_expression", "", 1, 0, 1e-6, false, 0, 0, 4},
        IntegralCase{"blank_is_refused", "1 + x", 1, 0, 1e-6, false, 0, 0, 0},
        IntegralCase{"bracket_mismatch_is_refused", "(1+x]", 1, 0, 1e-6, false, 0, 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(IntegrateDetails, ShowsTheParabolaAsThirteenDigits) {
  ExpressionParse parser;
  double result = 0;
  ASSERT_TRUE(parser.Integrate("x*x", 1, 0, 1e-6, result));
  EXPECT_EQ(NumberToText(result), "0.3333333333333");
}

TEST(IntegrateDetails, ExchangingTheLimitsNegates) {
  ExpressionParse parser;
  double forward = 0, backward = 0;
  ASSERT_TRUE(parser.Integrate("exp(x)*sin(3*x)", 2, -1, 1e-10, forward));
  ASSERT_TRUE(parser.Integrate("exp(x)*sin(3*x)", -1, 2, 1e-10, backward));
  EXPECT_NEAR(forward, -backward, 1e-12);
  // ∫ e^x sin 3x dx = e^x (sin 3x − 3 cos 3x) / 10
  const auto antiderivative = [](double x) {
    return std::exp(x) * (std::sin(3 * x) - 3 * std::cos(3 * x)) / 10;
  };
  EXPECT_NEAR(forward, antiderivative(2) - antiderivative(-1), 1e-9);
}

TEST(IntegrateDetails, RefusedTextRunsNoPass) {
  ExpressionParse parser;
  double result = 0;
  EXPECT_FALSE(parser.Integrate("2*-x", 1, 0, 1e-6, result));
  EXPECT_EQ(parser.Passes(), 0);
  EXPECT_FALSE(parser.EvaluationFailed());
}

TEST(IntegrateDetails, FailedSampleIsReported) {
  ExpressionParse parser;
  double result = 0;
  EXPECT_FALSE(parser.Integrate("1/x", 1, -1, 1e-6, result)) << "x = 0 is the first midpoint";
  EXPECT_TRUE(parser.EvaluationFailed());
  EXPECT_TRUE(parser.Integrate("x", 1, 0, 1e-6, result)) << "the flag is cleared per call";
  EXPECT_FALSE(parser.EvaluationFailed());
}

// A tolerance that is never met ends after the last pass with a failure.
TEST(IntegrateDetails, GivesUpAfterTheLastPass) {
  ExpressionParse parser;
  double result = 7;
  EXPECT_FALSE(parser.Integrate("x", 1, 0, 0, result));
  EXPECT_EQ(parser.Passes(), ExpressionParse::kMaxPasses);
  EXPECT_FALSE(parser.EvaluationFailed());
  EXPECT_EQ(result, 7);

  EXPECT_FALSE(parser.Integrate("x*x", 1, 0, -1, result)) << "a negative tolerance";
  EXPECT_EQ(parser.Passes(), ExpressionParse::kMaxPasses);
}

// Samples that are not-a-number or infinite values (no evaluation fails) can
// never converge; the integration fails in the pass that meets them.
TEST(IntegrateDetails, NonFiniteSumsFailAtOnce) {
  ExpressionParse parser;
  double result = 7;
  EXPECT_FALSE(parser.Integrate("pow(x,0.5)", 1, -1, 1e-6, result));
  EXPECT_EQ(parser.Passes(), 1);
  EXPECT_FALSE(parser.EvaluationFailed());

  EXPECT_FALSE(parser.Integrate("exp(x)", 1000, 0, 1e-6, result));
  EXPECT_EQ(parser.Passes(), 1);

  EXPECT_FALSE(parser.Integrate("5", 1e308, -1e308, 1e-6, result)) << "the width overflows";
  EXPECT_EQ(parser.Passes(), 1);

  // An infinite sample, pow(0, -1), at x = 0.25: a midpoint of the second pass.
  EXPECT_FALSE(parser.Integrate("pow(x-0.25,(-1))", 1, 0, 1e-6, result));
  EXPECT_EQ(parser.Passes(), 2);
  EXPECT_FALSE(parser.EvaluationFailed());
  EXPECT_EQ(result, 7);
}

}  // namespace
