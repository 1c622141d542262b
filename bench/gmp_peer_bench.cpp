// The benchmark workloads done with raw GMP calls, the yardstick for the
// overhead of the calculator's number type: operands as mpz integers with a
// count of fraction digits, results written with mpz_get_str and the point
// put in by hand. No trigonometry here (GMP's integers have none).
//
//   gmp_peer_bench [Google Benchmark flags]
//   gmp_peer_bench --write_results=DIR

#include <gmpxx.h>

#include <functional>
#include <string>
#include <vector>

#include "workload_runner.h"

namespace {

using workloads::Workload;

struct Fixed {
  mpz_class digits;  // value × 10^places
  long places;
};

Fixed Parse(const std::string& text) {
  const std::size_t point = text.find('.');
  if (point == std::string::npos) return Fixed{mpz_class(text, 10), 0};
  std::string digits = text.substr(0, point) + text.substr(point + 1);
  return Fixed{mpz_class(digits, 10), static_cast<long>(text.size() - point - 1)};
}

mpz_class TenTo(unsigned long exponent) {
  mpz_class power;
  mpz_ui_pow_ui(power.get_mpz_t(), 10, exponent);
  return power;
}

std::string Text(const mpz_class& value, long places) {
  const std::size_t bound = mpz_sizeinbase(value.get_mpz_t(), 10);
  std::string digits(bound + 2, '\0');
  mpz_get_str(digits.data(), 10, value.get_mpz_t());
  digits.resize(std::strlen(digits.c_str()));
  if (places == 0) return digits;
  const auto fraction = static_cast<std::size_t>(places);
  if (digits.size() <= fraction) digits.insert(0, fraction - digits.size() + 1, '0');
  digits.insert(digits.size() - fraction, 1, '.');
  digits.erase(digits.find_last_not_of('0') + 1);
  if (digits.back() == '.') digits.pop_back();
  return digits;
}

std::string RadixText(const mpz_class& value, int radix) {
  const std::size_t bound = mpz_sizeinbase(value.get_mpz_t(), radix);
  std::string digits(bound + 2, '\0');
  mpz_get_str(digits.data(), -radix, value.get_mpz_t());
  digits.resize(std::strlen(digits.c_str()));
  return digits;
}

std::vector<Workload> MakeWorkloads() {
  using namespace workloads;
  const Fixed dividend = Parse(QuotientDividend());
  const Fixed divisor = Parse(QuotientDivisor());
  const Fixed square = Parse(SquareOperand());
  const std::string radixOperand = RadixOperand();
  const std::string binary = RadixText(mpz_class(radixOperand, 10), 2);

  return {
      {"W1_power",
       [] {
         mpz_class power;
         mpz_ui_pow_ui(power.get_mpz_t(), kPowerBase, kPowerExponent);
         return std::vector{Text(power, 0)};
       }},
      {"W2_quotient_1000_digits",
       [=] {
         // Both operands have the same number of places.
         mpz_class quotient = dividend.digits * TenTo(kQuotientPlaces);
         mpz_tdiv_q(quotient.get_mpz_t(), quotient.get_mpz_t(), divisor.digits.get_mpz_t());
         return std::vector{Text(quotient, kQuotientPlaces)};
       }},
      {"W2_one_seventh_100000",
       [] {
         mpz_class quotient = TenTo(kSeventhPlaces);
         mpz_tdiv_q_ui(quotient.get_mpz_t(), quotient.get_mpz_t(), 7);
         return std::vector{Text(quotient, kSeventhPlaces)};
       }},
      {"W3_square",
       [=] {
         mpz_class product;
         mpz_mul(product.get_mpz_t(), square.digits.get_mpz_t(), square.digits.get_mpz_t());
         return std::vector{Text(product, 2 * square.places)};
       }},
      {"W4_decimal_to_binary",
       [=] { return std::vector{RadixText(mpz_class(radixOperand, 10), 2)}; }},
      {"W4_binary_to_decimal", [=] { return std::vector{RadixText(mpz_class(binary, 2), 10)}; }},
      {"W4_decimal_to_hex",
       [=] { return std::vector{RadixText(mpz_class(radixOperand, 10), 16)}; }},
      {"W6_key_press",
       [] {
         const Fixed a = Parse(kKeyPressA);
         const Fixed b = Parse(kKeyPressB);
         mpz_class product;
         mpz_mul(product.get_mpz_t(), a.digits.get_mpz_t(), b.digits.get_mpz_t());
         // a / b × 10^5 = A × 10^(5 + places(b) - places(a)) / B; here the
         // exponent is positive.
         mpz_class quotient = a.digits;
         mpz_mul_ui(quotient.get_mpz_t(), quotient.get_mpz_t(), 1000000UL);
         mpz_tdiv_q(quotient.get_mpz_t(), quotient.get_mpz_t(), b.digits.get_mpz_t());
         return std::vector{Text(product, a.places + b.places), Text(quotient, kKeyPressPlaces)};
       }},
  };
}

}  // namespace

int main(int argc, char** argv) { return workloads::RunWorkloads(argc, argv, MakeWorkloads()); }
