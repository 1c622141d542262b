#include "fake_calculator_view.h"

#include <functional>
#include <map>
#include <stdexcept>

void CalculatorFixture::Run(const std::string& script) {
  Calculator& c = calculator;
  const std::map<std::string, std::function<void()>> named = {
      {"hex", [&] { c.SwitchRadix(16); }},
      {"dec", [&] { c.SwitchRadix(10); }},
      {"oct", [&] { c.SwitchRadix(8); }},
      {"bin", [&] { c.SwitchRadix(2); }},
      {"neg", [&] { c.ChangeSign(); }},
      {"sin", [&] { c.ApplyFunction(UnaryFunction::Sin); }},
      {"cos", [&] { c.ApplyFunction(UnaryFunction::Cos); }},
      {"tan", [&] { c.ApplyFunction(UnaryFunction::Tan); }},
      {"cot", [&] { c.ApplyFunction(UnaryFunction::Cotan); }},
      {"abs", [&] { c.ApplyFunction(UnaryFunction::Abs); }},
      {"int", [&] { c.ApplyFunction(UnaryFunction::Int); }},
      {"sq", [&] { c.ApplyFunction(UnaryFunction::Square); }},
      {"cube", [&] { c.ApplyFunction(UnaryFunction::Cube); }},
      {"cr", [&] { c.ConvertAngle(); }},
  };
  for (std::size_t i = 0; i < script.size(); ++i) {
    const char key = script[i];
    if (key == '{') {
      const std::size_t close = script.find('}', i);
      named.at(script.substr(i + 1, close - i - 1))();
      i = close;
    } else if (key == '\\') {
      c.OperatorPressed(BinaryOperator::整除);
    } else if (key == '%') {
      c.OperatorPressed(BinaryOperator::求余);
    } else if (key == '^') {
      c.OperatorPressed(BinaryOperator::N次方);
    } else {
      c.KeyTyped(static_cast<unsigned char>(key));
    }
  }
}
