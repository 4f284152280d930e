#include "report/memo/memo_value_format.h"

#include <QLocale>

#include <exception>

#include "report/memo/date_time_format.h"
#include "report/memo/float_picture.h"
#include "report/memo/printf_format.h"
#include "script_engine/interpreter/day_number.h"

namespace {

TrpNumberSeparators systemSeparators() { return {rpSystemDecimalSeparator(), rpSystemThousandSeparator()}; }

QString formatNumber(const ScriptValue& value, const TrpFormat& format) {
  const QString& f = format.FormatStr();
  QString text;
  if (f.contains(u'#') || f.startsWith(u'0'))
    text = rpFormatFloatPicture(f, value.ToDouble(), systemSeparators());
  else if (f.contains(u'd') || f.contains(u'u'))
    text = rpFormatPrintfInteger(f, value.ToInt64(), systemSeparators());
  else
    text = rpFormatPrintfFloat(f, value.ToDouble(), systemSeparators());

  // The format's own separators replace the system's: the decimal one at the last place where
  // the system's stood, after the thousands separators have been swapped.
  const QChar sysDecimal = rpSystemDecimalSeparator(), sysThousand = rpSystemThousandSeparator();
  const QString& dec = format.DecimalSeparator();
  const QString& thou = format.ThousandSeparator();
  qsizetype decimalAt = -1;
  if (dec.size() == 1 && dec[0] != sysDecimal) decimalAt = text.lastIndexOf(sysDecimal);
  if (thou.size() == 1 && thou[0] != sysThousand) {
    for (qsizetype i = 0; i < text.size(); ++i)
      if (text[i] == sysThousand && i != decimalAt) text[i] = thou[0];
  }
  if (decimalAt >= 0) text[decimalAt] = dec[0];
  return text;
}

QString formatBoolean(const ScriptValue& value, const TrpFormat& format) {
  const QString& f = format.FormatStr();
  const qsizetype comma = f.indexOf(u',');
  if (comma < 0) throw TrpFormatMismatch();
  return value.ToBool() ? f.left(comma) : f.mid(comma + 1);
}

QString formatDateTime(const ScriptValue& value, const TrpFormat& format) {
  const QDateTime moment = DayNumber::ToDateTime(value.ToDouble());
  if (!moment.isValid()) throw TrpFormatMismatch();
  return rpFormatDateTime(format.FormatStr(), moment);
}

}  // namespace

QChar rpSystemDecimalSeparator() {
  const QString s = QLocale::system().decimalPoint();
  return s.size() == 1 ? s[0] : QChar(u'.');
}

QChar rpSystemThousandSeparator() {
  const QString s = QLocale::system().groupSeparator();
  return s.size() == 1 ? s[0] : QChar(u',');
}

QString rpPlainText(const ScriptValue& value) {
  try {
    return value.ToText();
  } catch (const std::exception&) {
    return {};
  }
}

QString rpFormatValue(const ScriptValue& value, const TrpFormat& format) {
  if (value.IsEmptyOrNull()) return {};
  try {
    switch (format.Kind()) {
      case fkText: return rpPlainText(value);
      case fkNumeric: return formatNumber(value, format);
      case fkDateTime: return formatDateTime(value, format);
      case fkBoolean: return formatBoolean(value, format);
    }
  } catch (const std::exception&) {
    // A format that does not fit its value: the plain text below.
  }
  return rpPlainText(value);
}
