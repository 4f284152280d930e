// This differs from the printf-like parsers (script_engine/modules/printf_reader.h) in: only
// "%d", "%s" and "%%", without flags, width or precision; a placeholder without a value stays as
// it stands and any other "%" sequence is copied; it never raises. Translated texts keep their
// placeholders readable even when a caller passes fewer values.
#include "report/res/format_text.h"

#include <QMetaType>

#include <cmath>
#include <limits>

namespace {

bool isIntegerType(const QVariant& v) {
  switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::SChar:
    case QMetaType::UChar:
      return true;
    default:
      return false;
  }
}

bool isWholeFloat(const QVariant& v) {
  if (v.typeId() != QMetaType::Double && v.typeId() != QMetaType::Float) return false;
  const double d = v.toDouble();
  return std::isfinite(d) && d == std::trunc(d) &&
         std::fabs(d) < static_cast<double>(std::numeric_limits<qint64>::max());
}

QString integerText(const QVariant& v) {
  if (v.typeId() == QMetaType::ULongLong || v.typeId() == QMetaType::ULong) {
    return QString::number(v.toULongLong());
  }
  if (isIntegerType(v)) return QString::number(v.toLongLong());
  if (isWholeFloat(v)) return QString::number(static_cast<qint64>(v.toDouble()));
  return v.toString();
}

}  // namespace

QString rpFormat(const QString& pattern, const QVariantList& args) {
  QString out;
  out.reserve(pattern.size() + 16);
  qsizetype next = 0;  // the argument the next placeholder takes
  for (qsizetype i = 0; i < pattern.size(); ++i) {
    const QChar c = pattern.at(i);
    const QChar k = i + 1 < pattern.size() ? pattern.at(i + 1) : QChar();
    if (c != u'%' || (k != u'd' && k != u's' && k != u'%')) {
      out += c;
      continue;
    }
    ++i;  // the placeholder is two characters long
    if (k == u'%') {
      out += u'%';
    } else if (next >= args.size()) {
      out += c;
      out += k;
    } else {
      const QVariant& arg = args.at(next++);
      out += k == u'd' ? integerText(arg) : arg.toString();
    }
  }
  return out;
}
