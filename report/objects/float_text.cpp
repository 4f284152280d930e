#include "report/objects/float_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>

// <charconv> is used rather than printf/strtod: those follow the C locale, which a Qt
// application sets from the user's environment, and could turn "." into ",".
namespace {

constexpr int kDigits = 15;

// A value rounded to kDigits significant digits: the digits (d.dddd... without separator) and
// the decimal exponent of the rounded value.
struct RoundedDigits {
  char Digits[kDigits];
  int Exponent = 0;
};

constexpr std::uint64_t kLowest = 100000000000000ull;  // 10^14: the least kDigits-digit number

// 5^k for k = 0..20.
constexpr std::array<std::uint64_t, 21> kPowersOfFive = [] {
  std::array<std::uint64_t, 21> powers{};
  powers[0] = 1;
  for (std::size_t k = 1; k < powers.size(); ++k) powers[k] = powers[k - 1] * 5;
  return powers;
}();

// round(mantissa x 2^-shift x 10^k), ties to even, exactly: 10^k is 5^k x 2^k, and the 64-bit
// mantissa times 5^20 still fits in 128 bits.
std::uint64_t roundScaled(std::uint64_t mantissa, int shift, int k) {
  const unsigned __int128 product = static_cast<unsigned __int128>(mantissa) * kPowersOfFive[k];
  const int bits = shift - k;  // positive for every value the caller lets through
  const unsigned __int128 one = 1;
  std::uint64_t quotient = static_cast<std::uint64_t>(product >> bits);
  const unsigned __int128 remainder = product & ((one << bits) - 1);
  const unsigned __int128 half = one << (bits - 1);
  if (remainder > half || (remainder == half && (quotient & 1) != 0)) ++quotient;
  return quotient;
}

// The digits of a magnitude that records write in fixed form (rounded exponents -6 to 14),
// computed exactly from the 80-bit value's mantissa with integer arithmetic; false outside that
// range. This is what the general conversion gives, at a small part of its cost: long double
// conversions with a precision go through the C library's printf machinery.
bool fixedRangeDigits(Extended magnitude, RoundedDigits& out) {
  if (!(magnitude >= 1e-6L && magnitude < 1e15L)) return false;
  int binaryExponent = 0;
  const Extended fraction = std::frexp(magnitude, &binaryExponent);  // [0.5, 1)
  const auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 64));
  const int shift = 64 - binaryExponent;  // magnitude = mantissa x 2^-shift
  int exponent = static_cast<int>(std::floor(std::log10(magnitude)));
  // log10 may be one off near powers of ten, and rounding may carry into a new digit: the
  // exponent is the one whose rounding gives exactly kDigits digits.
  for (int attempt = 0; attempt < 3; ++attempt) {
    const int k = kDigits - 1 - exponent;
    if (k < 0 || k >= static_cast<int>(kPowersOfFive.size())) return false;
    const std::uint64_t rounded = roundScaled(mantissa, shift, k);
    if (rounded >= kLowest * 10) {
      ++exponent;
    } else if (rounded < kLowest) {
      --exponent;
    } else {
      std::to_chars(out.Digits, out.Digits + kDigits, rounded);
      out.Exponent = exponent;
      return true;
    }
  }
  return false;
}

// Any finite non-zero magnitude, through the general conversion.
RoundedDigits generalDigits(Extended magnitude) {
  char scientific[64];
  char* end = std::to_chars(scientific, scientific + sizeof scientific, magnitude,
                            std::chars_format::scientific, kDigits - 1).ptr;
  const char* e = std::find(scientific, end, 'e');
  RoundedDigits out;
  out.Digits[0] = scientific[0];
  std::copy(scientific + 2, scientific + 1 + kDigits, out.Digits + 1);
  for (const char* p = e + 2; p != end; ++p) out.Exponent = out.Exponent * 10 + (*p - '0');
  if (e[1] == '-') out.Exponent = -out.Exponent;
  return out;
}

// Leaves the digits of a fraction without its trailing zeros, and without the separator when
// nothing is left after it; `length` is the text's new length.
std::size_t trimFraction(const char* text, std::size_t length) {
  if (std::find(text, text + length, '.') == text + length) return length;
  while (text[length - 1] == '0') --length;
  if (text[length - 1] == '.') --length;
  return length;
}

}  // namespace

QString rpFloatToStr(Extended value) {
  if (std::isnan(value)) return QStringLiteral("NAN");
  if (std::isinf(value)) return value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
  if (value == 0) return QStringLiteral("0");
  // Round to 15 significant digits once; the exponent of the rounded value decides the form.
  // The fixed form is laid out from the same digits: rounding to the number of decimals that
  // leaves 15 significant digits gives exactly these, carries into a new digit included.
  const Extended magnitude = std::fabs(value);
  RoundedDigits rounded;
  if (!fixedRangeDigits(magnitude, rounded)) rounded = generalDigits(magnitude);
  const char* digits = rounded.Digits;
  const int exponent = rounded.Exponent;
  char text[64];
  std::size_t length = 0;
  if (value < 0) text[length++] = '-';
  if (exponent >= kDigits || exponent < -5) {
    text[length++] = digits[0];
    text[length++] = '.';
    std::copy(digits + 1, digits + kDigits, text + length);
    length = trimFraction(text, length + kDigits - 1);
    text[length++] = 'E';
    length = static_cast<std::size_t>(std::to_chars(text + length, text + sizeof text, exponent).ptr - text);
    return QString::fromLatin1(text, static_cast<qsizetype>(length));
  }
  if (exponent >= 0) {
    const std::size_t whole = static_cast<std::size_t>(exponent) + 1;
    std::copy(digits, digits + whole, text + length);
    length += whole;
    if (whole < kDigits) {
      text[length++] = '.';
      std::copy(digits + whole, digits + kDigits, text + length);
      length += kDigits - whole;
    }
  } else {
    text[length++] = '0';
    text[length++] = '.';
    for (int i = -1; i > exponent; --i) text[length++] = '0';
    std::copy(digits, digits + kDigits, text + length);
    length += kDigits;
  }
  return QString::fromLatin1(text, static_cast<qsizetype>(trimFraction(text, length)));
}

bool rpTryStrToFloat(const QString& text, Extended& result) {
  QByteArray clean;
  clean.reserve(text.size());
  for (QChar c : text) {
    if (c == u' ') continue;
    // Digits, sign, separator and exponent only: "inf" and "nan" are no report values.
    if (c == u',' || c == u'.') {
      clean += '.';
    } else if ((c >= u'0' && c <= u'9') || c == u'+' || c == u'-' || c == u'e' || c == u'E') {
      clean += static_cast<char>(c.unicode());
    } else {
      return false;
    }
  }
  const char* begin = clean.constData();
  const char* end = begin + clean.size();
  if (begin != end && *begin == '+') ++begin;  // from_chars takes no plus sign
  Extended v = 0;
  const auto parsed = std::from_chars(begin, end, v);
  if (parsed.ec != std::errc() || parsed.ptr != end || begin == end || !std::isfinite(v))
    return false;
  result = v;
  return true;
}
