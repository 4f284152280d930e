#include "report/model/float_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>

// <charconv> is used rather than printf/strtod: those follow the C locale, which a Qt
// application sets from the user's environment, and could turn "." into ",".
namespace {

constexpr int kDigits = 15;

QString format(Extended value, std::chars_format form, int precision) {
  char buffer[128];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, form, precision);
  return QString::fromLatin1(buffer, static_cast<int>(result.ptr - buffer));
}

// Removes trailing zeros of a fraction, and the separator when nothing is left after it.
QString trimFraction(QString text) {
  if (!text.contains(u'.')) return text;
  while (text.endsWith(u'0')) text.chop(1);
  if (text.endsWith(u'.')) text.chop(1);
  return text;
}

}  // namespace

QString rpFloatToStr(Extended value) {
  if (std::isnan(value)) return QStringLiteral("NAN");
  if (std::isinf(value)) return value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
  if (value == 0) return QStringLiteral("0");
  // Round to 15 significant digits first; the exponent of the rounded value decides the form.
  const QString scientific = format(value, std::chars_format::scientific, kDigits - 1);
  const qsizetype e = scientific.indexOf(u'e');
  const int exponent = scientific.mid(e + 1).toInt();
  if (exponent >= kDigits || exponent < -5)
    return trimFraction(scientific.left(e)) + u'E' + QString::number(exponent);
  return trimFraction(format(value, std::chars_format::fixed, std::max(0, kDigits - 1 - exponent)));
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
