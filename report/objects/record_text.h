#pragma once
// A value as a prepared page's record writes it, as the prepared-pages store reads it back:
// numbers in decimal, Booleans as 1 or 0, texts escaped for XML, text lists joined with CR LF.
#include <QString>
#include <QStringList>

#include <charconv>

#include "report/objects/float_text.h"
#include "report/units/report_units.h"
#include "report/xml/xml_text.h"

inline void rpAppendRecordText(QString& out, Extended value) { out += rpFloatToStr(value); }

inline void rpAppendRecordText(QString& out, int value) {
  char digits[16];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  out += QLatin1StringView(digits, end - digits);
}

inline void rpAppendRecordText(QString& out, bool value) { out += value ? u'1' : u'0'; }

inline void rpAppendRecordText(QString& out, const QString& value) { out += rpStrToXML(value); }

inline void rpAppendRecordText(QString& out, const QStringList& value) {
  out += rpStrToXML(value.size() == 1 ? value.front() : value.join(QLatin1String("\r\n")));
}
