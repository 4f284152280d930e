#include "report/model/float_picture.h"

#include <QList>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

constexpr int kMaxDecimals = 64;

bool isQuote(QChar c) { return c == u'\'' || c == u'"'; }

// Splits the picture at ";" outside quotes.
QList<QString> sections(const QString& picture) {
  QList<QString> result{QString()};
  QChar quote;
  for (QChar c : picture) {
    if (!quote.isNull()) {
      if (c == quote) quote = QChar();
    } else if (isQuote(c)) {
      quote = c;
    } else if (c == u';') {
      result.append(QString());
      continue;
    }
    result.last().append(c);
  }
  return result;
}

// What a section asks for, read in one pass.
struct Picture {
  int intPlaceholders = 0;  // "0" and "#" before the decimal point
  int forcedInt = 0;        // integer digits always shown: from the first "0" to the point
  int minDecimals = 0;      // "0" after the point
  int maxDecimals = 0;      // "0" and "#" after the point
  bool grouping = false;
  bool scientific = false;
  bool exponentSignAlways = false;
  int exponentDigits = 0;
};

bool isExponentAt(const QString& s, qsizetype i) {
  return i + 1 < s.size() && (s[i] == u'E' || s[i] == u'e') && (s[i + 1] == u'+' || s[i + 1] == u'-');
}

Picture analyse(const QString& s) {
  Picture p;
  bool afterPoint = false;
  int firstZero = -1;
  QChar quote;
  for (qsizetype i = 0; i < s.size(); ++i) {
    const QChar c = s[i];
    if (!quote.isNull()) {
      if (c == quote) quote = QChar();
      continue;
    }
    if (isQuote(c)) {
      quote = c;
    } else if (isExponentAt(s, i)) {
      p.scientific = true;
      p.exponentSignAlways = s[i + 1] == u'+';
      qsizetype k = i + 2;
      while (k < s.size() && s[k] == u'0') ++k, ++p.exponentDigits;
      break;  // what follows the exponent is literal text
    } else if (c == u'0' || c == u'#') {
      if (afterPoint) {
        ++p.maxDecimals;
        if (c == u'0') p.minDecimals = p.maxDecimals;
      } else {
        if (c == u'0' && firstZero < 0) firstZero = p.intPlaceholders;
        ++p.intPlaceholders;
      }
    } else if (c == u'.') {
      afterPoint = true;
    } else if (c == u',' && !afterPoint) {
      p.grouping = true;
    }
  }
  if (firstZero >= 0) p.forcedInt = p.intPlaceholders - firstZero;
  // A double has no more digits than this; placeholders beyond it stay empty.
  p.maxDecimals = std::min(p.maxDecimals, kMaxDecimals);
  p.minDecimals = std::min(p.minDecimals, kMaxDecimals);
  return p;
}

// The decimal digits of |value| rounded to `decimals` places: integer digits and fraction digits.
void digitsOf(double value, int decimals, QString& integer, QString& fraction) {
  char buffer[512];
  std::snprintf(buffer, sizeof buffer, "%.*f", decimals, std::fabs(value));  // fixed format only
  const QString text = QString::fromLatin1(buffer);
  const qsizetype point = text.indexOf(u'.');
  integer = point < 0 ? text : text.left(point);
  fraction = point < 0 ? QString() : text.mid(point + 1);
  if (integer == QLatin1String("0")) integer.clear();
}

// Writes the section with the digits in place of its placeholders.
QString render(const QString& s, const Picture& p, const QString& integerDigits, const QString& fractionDigits,
               const QString& exponent, const TrpNumberSeparators& sep) {
  // Integer digits right-aligned to the placeholders; extra digits go with the leftmost one.
  const int shown = std::max<int>(integerDigits.size(), p.forcedInt);
  const QString digits = QString(shown - integerDigits.size(), u'0') + integerDigits;
  int fractionShown = p.minDecimals;
  for (int k = p.minDecimals; k < fractionDigits.size(); ++k)
    if (fractionDigits[k] != u'0') fractionShown = k + 1;

  QString out;
  int intIndex = 0, fracIndex = 0;
  bool afterPoint = false;
  QChar quote;
  const auto emitInteger = [&](int from, int to) {  // digits [from, to) of `digits`
    for (int d = from; d < to; ++d) {
      out += digits[d];
      const int fromRight = static_cast<int>(digits.size()) - 1 - d;
      if (p.grouping && fromRight > 0 && fromRight % 3 == 0) out += sep.Thousand;
    }
  };
  for (qsizetype i = 0; i < s.size(); ++i) {
    const QChar c = s[i];
    if (!quote.isNull()) {
      if (c == quote) quote = QChar();
      else out += c;
      continue;
    }
    if (isQuote(c)) {
      quote = c;
    } else if (p.scientific && isExponentAt(s, i)) {
      out += exponent;
      qsizetype k = i + 2;
      while (k < s.size() && s[k] == u'0') ++k;
      i = k - 1;
      for (qsizetype r = k; r < s.size(); ++r) out += s[r];  // literal tail
      break;
    } else if ((c == u'0' || c == u'#') && !afterPoint) {
      // Placeholder intIndex of intPlaceholders; it shows the digits that fall to it.
      const int slotsRight = p.intPlaceholders - 1 - intIndex;
      const int firstDigit = static_cast<int>(digits.size()) - 1 - slotsRight;
      if (intIndex == 0) emitInteger(0, std::max(0, firstDigit + 1));
      else if (firstDigit >= 0) emitInteger(firstDigit, firstDigit + 1);
      ++intIndex;
    } else if ((c == u'0' || c == u'#') && afterPoint) {
      if (fracIndex < fractionShown && fracIndex < fractionDigits.size()) out += fractionDigits[fracIndex];
      ++fracIndex;
    } else if (c == u'.' && !afterPoint) {
      afterPoint = true;
      if (intIndex == 0) emitInteger(0, static_cast<int>(digits.size()));  // no integer placeholder
      if (fractionShown > 0) out += sep.Decimal;
    } else if (c == u',') {
      // grouping flag, not text
    } else {
      out += c;
    }
  }
  return out;
}

QString formatSection(const QString& s, double value, const TrpNumberSeparators& sep, bool& isZero) {
  const Picture p = analyse(s);
  QString integer, fraction, exponent;
  if (p.scientific) {
    const int intDigits = std::max(1, p.intPlaceholders);
    int e = 0;
    double mantissa = std::fabs(value);
    if (mantissa != 0) {
      e = static_cast<int>(std::floor(std::log10(mantissa))) - (intDigits - 1);
      mantissa /= std::pow(10.0, e);
      digitsOf(mantissa, p.maxDecimals, integer, fraction);
      if (integer.size() > intDigits) {  // rounding carried into a new digit
        ++e;
        digitsOf(std::fabs(value) / std::pow(10.0, e), p.maxDecimals, integer, fraction);
      }
    } else {
      digitsOf(0, p.maxDecimals, integer, fraction);
    }
    QString digits = QString::number(std::abs(e));
    digits = QString(std::max<qsizetype>(0, p.exponentDigits - digits.size()), u'0') + digits;
    exponent = QString(s.contains(u'e') && !s.contains(u'E') ? u'e' : u'E') +
               (e < 0 ? QStringLiteral("-") : p.exponentSignAlways ? QStringLiteral("+") : QString()) + digits;
  } else {
    digitsOf(value, p.maxDecimals, integer, fraction);
  }
  isZero = integer.isEmpty() && !fraction.contains(QRegularExpression(QStringLiteral("[1-9]")));
  return render(s, p, integer, fraction, exponent, sep);
}

}  // namespace

QString rpFormatFloatPicture(const QString& picture, double value, const TrpNumberSeparators& separators) {
  if (!std::isfinite(value)) return {};
  const QList<QString> parts = sections(picture);
  bool zero = false;
  if (value < 0 && parts.size() > 1 && !parts[1].isEmpty()) {
    const QString text = formatSection(parts[1], value, separators, zero);
    if (!zero || parts.size() < 3 || parts[2].isEmpty()) return text;
  } else {
    const QString text = formatSection(parts[0], value, separators, zero);
    if (!zero || parts.size() < 3 || parts[2].isEmpty()) return zero || value >= 0 ? text : u'-' + text;
  }
  return formatSection(parts[2], 0, separators, zero);
}
