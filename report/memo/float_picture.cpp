#include "report/memo/float_picture.h"

#include "script_engine/modules/format_picture.h"
#include "script_engine/modules/system_locale.h"

QString rpFormatFloatPicture(const QString& picture, double value, const TrpNumberSeparators& separators) {
  TscLocaleFormat locale = TscLocaleFormat::Invariant();
  locale.DecimalSeparator = separators.Decimal;
  locale.ThousandSeparator = separators.Thousand;
  return scFormatFloat(picture, value, locale);
}
