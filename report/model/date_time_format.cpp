#include "report/model/date_time_format.h"

#include "script/day_number.h"
#include "script/format_picture.h"
#include "script/system_locale.h"

QString rpFormatDateTime(const QString& picture, const QDateTime& value) {
  return scFormatDateTime(picture, DayNumber::FromDateTime(value), scLocaleFormat());
}
