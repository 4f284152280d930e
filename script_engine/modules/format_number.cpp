// Number pictures and the general number text.
#include <QStringList>

#include <cmath>

#include "script_engine/front/script_error.h"
#include "script_engine/modules/format_picture.h"
#include "script_engine/modules/system_locale.h"

namespace {

// Digits after the decimal point a picture may ask for: enough for the smallest fractions a
// report shows, and a bound on what a picture read from a file can make us write.
constexpr int kMaxFracDigits = 64;

bool isQuote(QChar c) { return c == QLatin1Char('"') || c == QLatin1Char('\''); }

QStringList sections(const QString& picture) {
  QStringList result{QString()};
  QChar quote;
  for (QChar c : picture) {
    if (!quote.isNull()) {
      if (c == quote) quote = QChar();
    } else if (isQuote(c)) {
      quote = c;
    } else if (c == QLatin1Char(';')) {
      result << QString();
      continue;
    }
    result.last() += c;
  }
  return result;
}

// What a section asks for.
struct Layout {
  int intPlaces = 0;   // digit placeholders before the point
  int intZeros = 0;    // of them, from the first "0" on
  int fracPlaces = 0;  // digit placeholders after the point
  int fracZeros = 0;   // up to the last "0" after the point
  bool point = false, thousands = false;
  int expAt = -1;      // index of the exponent letter
  bool expPlus = false;
  int expDigits = 0;
};

Layout analyse(const QString& s) {
  Layout l;
  QChar quote;
  for (int i = 0; i < s.size(); ++i) {
    const QChar c = s[i];
    if (!quote.isNull()) { if (c == quote) quote = QChar(); continue; }
    if (isQuote(c)) { quote = c; continue; }
    if (l.expAt >= 0) continue;
    if (c == QLatin1Char('0') || c == QLatin1Char('#')) {
      if (l.point) {
        ++l.fracPlaces;
        if (c == QLatin1Char('0')) l.fracZeros = l.fracPlaces;
      } else {
        ++l.intPlaces;
        if (c == QLatin1Char('0') || l.intZeros > 0) ++l.intZeros;
      }
    } else if (c == QLatin1Char('.')) {
      l.point = true;
    } else if (c == QLatin1Char(',')) {
      l.thousands = true;
    } else if ((c == QLatin1Char('E') || c == QLatin1Char('e')) && i + 1 < s.size() &&
               (s[i + 1] == QLatin1Char('+') || s[i + 1] == QLatin1Char('-'))) {
      l.expAt = i;
      l.expPlus = s[i + 1] == QLatin1Char('+');
      for (int j = i + 2; j < s.size() && s[j] == QLatin1Char('0'); ++j) ++l.expDigits;
    }
  }
  l.fracPlaces = std::min(l.fracPlaces, kMaxFracDigits);
  l.fracZeros = std::min(l.fracZeros, kMaxFracDigits);
  return l;
}

QString grouped(const QString& digits, QChar separator) {
  if (separator.isNull()) return digits;
  QString out;
  for (int i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) out += separator;
    out += digits[i];
  }
  return out;
}

struct Digits {
  QString intPart, fracPart, exponent;
};

Digits digitsOf(double v, const Layout& l, const TscLocaleFormat& loc) {
  Digits d;
  if (l.expAt >= 0) {
    const int lead = std::max(1, l.intPlaces);
    const QString e = QString::number(v, 'e', lead - 1 + l.fracPlaces);  // d.ddde+XX
    const int ePos = int(e.indexOf(QLatin1Char('e')));
    QString mantissa = e.left(ePos).remove(QLatin1Char('.'));
    int exponent = e.mid(ePos + 1).toInt() - (lead - 1);
    if (v == 0) exponent = 0;
    d.intPart = mantissa.left(lead);
    d.fracPart = mantissa.mid(lead);
    const QString expText = QString::number(std::abs(exponent)).rightJustified(l.expDigits, QLatin1Char('0'));
    d.exponent = (exponent < 0 ? QStringLiteral("-") : l.expPlus ? QStringLiteral("+") : QString()) + expText;
  } else {
    const QString f = QString::number(v, 'f', l.fracPlaces);
    const int dot = int(f.indexOf(QLatin1Char('.')));
    d.intPart = dot < 0 ? f : f.left(dot);
    d.fracPart = dot < 0 ? QString() : f.mid(dot + 1);
    if (d.intPart == QLatin1String("0")) d.intPart.clear();
    d.intPart = d.intPart.rightJustified(l.intZeros, QLatin1Char('0'));
  }
  while (d.fracPart.size() > l.fracZeros && d.fracPart.endsWith(QLatin1Char('0'))) d.fracPart.chop(1);
  if (l.thousands && l.expAt < 0) d.intPart = grouped(d.intPart, loc.ThousandSeparator);
  return d;
}

// Writes a section with the digits: integer digits right-aligned to the integer placeholders
// (the ones that do not fit at the first; all at the first when grouped), the fraction from the
// point on, the exponent at its letter; literals where they stand.
QString render(const QString& s, const Layout& l, const Digits& d, const TscLocaleFormat& loc) {
  QString out;
  bool intDone = false, inFrac = false;
  int fracUsed = 0, intUsed = 0;
  const bool spread = !l.thousands && l.expAt < 0;
  const int extra = int(d.intPart.size()) - l.intPlaces;
  QChar quote;
  for (int i = 0; i < s.size(); ++i) {
    const QChar c = s[i];
    if (!quote.isNull()) {
      if (c == quote) quote = QChar();
      else out += c;
      continue;
    }
    if (isQuote(c)) { quote = c; continue; }
    if (i == l.expAt) {
      out += c + d.exponent;
      i += 1 + l.expDigits;
      continue;
    }
    if (c == QLatin1Char('0') || c == QLatin1Char('#')) {
      if (inFrac) {
        if (fracUsed < d.fracPart.size()) out += d.fracPart[fracUsed];
        ++fracUsed;
      } else if (spread && !intDone) {
        const int at = extra + intUsed++;
        if (intUsed == 1 && extra > 0) out += d.intPart.left(extra);
        if (at >= 0) out += d.intPart[at];
        intDone = intUsed == l.intPlaces;
      } else if (!intDone) {
        out += d.intPart;
        intDone = true;
      }
    } else if (c == QLatin1Char('.')) {
      if (!intDone) { out += d.intPart; intDone = true; }
      if (!d.fracPart.isEmpty()) out += loc.DecimalSeparator;
      inFrac = true;
    } else if (c != QLatin1Char(',')) {
      out += c;
    }
  }
  return out;
}

bool allZero(const Digits& d) {
  for (QChar c : d.intPart + d.fracPart)
    if (c.isDigit() && c != QLatin1Char('0')) return false;
  return true;
}

}  // namespace

QString scFloatToStr(double value, const TscLocaleFormat& locale) {
  QString t = FloatToText(value);
  if (locale.DecimalSeparator != QLatin1Char('.')) t.replace(QLatin1Char('.'), locale.DecimalSeparator);
  return t;
}

QString scFormatFloat(const QString& picture, double value, const TscLocaleFormat& locale) {
  if (!std::isfinite(value)) throw ScriptError(QStringLiteral("FormatFloat: the value is not a finite number"));
  if (picture.trimmed().isEmpty()) return scFloatToStr(value, locale);
  const QStringList parts = sections(picture);
  int index = 0;
  if (value < 0 && parts.size() > 1 && !parts[1].isEmpty()) index = 1;
  if (value == 0 && parts.size() > 2 && !parts[2].isEmpty()) index = 2;
  const QString& s = parts[index];
  const Layout l = analyse(s);
  const Digits d = digitsOf(std::fabs(value), l, locale);
  const bool minus = value < 0 && index == 0 && !allZero(d);
  return (minus ? QStringLiteral("-") : QString()) + render(s, l, d, locale);
}
