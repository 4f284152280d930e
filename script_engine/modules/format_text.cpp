// Format: "%[index:][-][width][.precision]type" directives over an argument array.
//
// This differs from a text object's display format (report/memo/printf_format.cpp) in: any number
// of directives over a list of arguments, with "n:" indexes and "*" widths and precisions; the
// further conversions m (currency), p (pointer) and s (text); u and x show a negative 32-bit
// value as its unsigned complement; g without a precision, or with 15 or more, writes the
// shortest text; widths and precisions up to a million, any Unicode decimal digit; a bad directive or a missing
// argument raises a script error.
#include <cmath>

#include "script_engine/front/script_error.h"
#include "script_engine/modules/format_picture.h"
#include "script_engine/modules/printf_reader.h"
#include "script_engine/modules/system_locale.h"

namespace {

// Widths and precisions beyond this are refused instead of building huge texts.
constexpr int kMaxWidth = 1024 * 1024;
constexpr int kDefaultPrecision = 15;
constexpr TscPrintfRules kRules{kMaxWidth, kMaxWidth, true};

[[noreturn]] void invalid(const QString& format) {
  throw ScriptError(QStringLiteral("Format '%1' invalid or incompatible with argument").arg(format));
}

using Directive = TscPrintfDirective;

class FormatReader : private TscPrintfArguments {
 public:
  FormatReader(const QString& f, const std::vector<ScriptValue>& a, const TscLocaleFormat& l)
      : F(f), A(a), L(l) {}
  QString run();

 private:
  const ScriptValue& next() {
    if (argIndex >= A.size()) invalid(F);
    return A[argIndex++];
  }
  void SelectArgument(int index) override { argIndex = std::size_t(index); }
  int TakeCount() override { return next().ToInt32(); }
  QString convert(const Directive& d, const ScriptValue& v) const;
  QString decimal(double v, int precision, bool groups) const;
  QString scientific(double v, int precision) const;

  const QString& F;
  const std::vector<ScriptValue>& A;
  const TscLocaleFormat& L;
  std::size_t argIndex = 0;
};

QString FormatReader::decimal(double v, int precision, bool groups) const {
  QString t = QString::number(std::fabs(v), 'f', std::min(precision, 18));
  const int dot = int(t.indexOf(QLatin1Char('.')));
  QString intPart = dot < 0 ? t : t.left(dot), frac = dot < 0 ? QString() : t.mid(dot + 1);
  if (groups && !L.ThousandSeparator.isNull())
    for (int k = int(intPart.size()) - 3; k > 0; k -= 3) intPart.insert(k, L.ThousandSeparator);
  QString out = intPart;
  if (!frac.isEmpty()) out += L.DecimalSeparator + frac;
  bool zero = true;
  for (QChar c : t) zero = zero && (c == QLatin1Char('0') || c == QLatin1Char('.'));
  return (v < 0 && !zero ? QStringLiteral("-") : QString()) + out;
}

// d.dddE+ddd with precision significant digits.
QString FormatReader::scientific(double v, int precision) const {
  const QString e = QString::number(v, 'e', std::clamp(precision, 1, 18) - 1);
  const int ePos = int(e.indexOf(QLatin1Char('e')));
  QString mantissa = e.left(ePos);
  mantissa.replace(QLatin1Char('.'), L.DecimalSeparator);
  const int exponent = e.mid(ePos + 1).toInt();
  return mantissa + QLatin1Char('E') + (exponent < 0 ? QLatin1Char('-') : QLatin1Char('+')) +
         QString::number(std::abs(exponent)).rightJustified(3, QLatin1Char('0'));
}

QString FormatReader::convert(const Directive& d, const ScriptValue& v) const {
  switch (d.Type.toLower().unicode()) {
    case 'd':
    case 'u':
    case 'x': {
      if (!v.IsInteger() && v.Kind() != ValueKind::Boolean) invalid(F);
      std::int64_t n = v.ToInt64();
      const bool hex = d.Type.toLower() == QLatin1Char('x');
      if ((d.Type.toLower() == QLatin1Char('u') || hex) && n < 0 && n >= INT32_MIN) n += 4294967296LL;
      QString digits = hex ? QString::number(qulonglong(n), 16).toUpper() : QString::number(n < 0 ? -n : n);
      digits = digits.rightJustified(std::max(d.Precision, 0), QLatin1Char('0'));
      return (n < 0 ? QStringLiteral("-") : QString()) + digits;
    }
    case 'f': return decimal(v.ToDouble(), d.Precision < 0 ? 2 : d.Precision, false);
    case 'n': return decimal(v.ToDouble(), d.Precision < 0 ? 2 : d.Precision, true);
    case 'm': {
      const double x = v.ToDouble();
      const QString t = decimal(std::fabs(x), d.Precision < 0 ? L.CurrencyDecimals : d.Precision, true);
      return (x < 0 ? QStringLiteral("-") : QString()) + L.CurrencyString + t;
    }
    case 'e': return scientific(v.ToDouble(), d.Precision < 0 ? kDefaultPrecision : d.Precision);
    case 'g': {
      const double x = v.ToDouble();
      if (d.Precision < 0 || d.Precision >= kDefaultPrecision) return scFloatToStr(x, L);
      QString t = QString::number(x, 'g', std::max(d.Precision, 1));
      t.replace(QLatin1Char('e'), QLatin1Char('E')).replace(QLatin1Char('.'), L.DecimalSeparator);
      return t;
    }
    case 'p': return QString::number(qulonglong(v.ToInt64()) & 0xFFFFFFFFULL, 16).toUpper().rightJustified(8, QLatin1Char('0'));
    case 's': {
      const QString t = v.IsDate() ? scFormatDateTime(QStringLiteral("c"), v.ToDouble(), L)
                        : v.Kind() == ValueKind::Double ? scFloatToStr(v.ToDouble(), L)
                                                        : v.ToText();
      return d.Precision >= 0 ? t.left(d.Precision) : t;
    }
    default: invalid(F);
  }
}

QString FormatReader::run() {
  TscPrintfReader reader(F, kRules, this);
  QString out;
  for (;;) {
    if (!reader.ReadText(out)) invalid(F);
    if (reader.AtEnd()) return out;
    Directive d;
    if (!reader.ReadDirective(d)) invalid(F);
    QString t = convert(d, next());
    if (d.Width > t.size())
      t = d.LeftJustify ? t.leftJustified(d.Width, QLatin1Char(' ')) : t.rightJustified(d.Width, QLatin1Char(' '));
    out += t;
  }
}

}  // namespace

QString scFormatText(const QString& format, const std::vector<ScriptValue>& args,
                     const TscLocaleFormat& locale) {
  return FormatReader(format, args, locale).run();
}
