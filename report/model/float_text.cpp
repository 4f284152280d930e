#include "report/model/float_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>

// <charconv> is used rather than printf/strtod: those follow the C locale, which a Qt
// application sets from the user's environment, and could turn "." into ",".
namespace {

constexpr int kDigits = 15;

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
  char scientific[64];
  char* end = std::to_chars(scientific, scientific + sizeof scientific, value,
                            std::chars_format::scientific, kDigits - 1).ptr;
  const char* e = std::find(scientific, end, 'e');
  const bool negative = scientific[0] == '-';
  int exponent = 0;
  for (const char* p = e + 2; p != end; ++p) exponent = exponent * 10 + (*p - '0');
  if (e[1] == '-') exponent = -exponent;
  char text[64];
  std::size_t length = 0;
  if (exponent >= kDigits || exponent < -5) {
    length = trimFraction(scientific, static_cast<std::size_t>(e - scientific));
    std::copy(scientific, scientific + length, text);
    text[length++] = 'E';
    length = static_cast<std::size_t>(std::to_chars(text + length, text + sizeof text, exponent).ptr - text);
    return QString::fromLatin1(text, static_cast<qsizetype>(length));
  }
  // The mantissa's digits without sign and separator: d.ddddddddddddddd
  char digits[kDigits];
  const char* mantissa = scientific + (negative ? 1 : 0);
  digits[0] = mantissa[0];
  std::copy(mantissa + 2, mantissa + 1 + kDigits, digits + 1);
  if (negative) text[length++] = '-';
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
