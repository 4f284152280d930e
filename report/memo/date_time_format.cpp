#include "report/memo/date_time_format.h"

#include "script_engine/interpreter/day_number.h"
#include "script_engine/modules/format_picture.h"
#include "script_engine/modules/system_locale.h"

QString rpFormatDateTime(const QString& picture, const QDateTime& value) {
  return scFormatDateTime(picture, DayNumber::FromDateTime(value), scLocaleFormat());
}
