#include "report/model/float_picture.h"

#include "script/format_picture.h"
#include "script/system_locale.h"

QString rpFormatFloatPicture(const QString& picture, double value, const TrpNumberSeparators& separators) {
  TscLocaleFormat locale = TscLocaleFormat::Invariant();
  locale.DecimalSeparator = separators.Decimal;
  locale.ThousandSeparator = separators.Thousand;
  return scFormatFloat(picture, value, locale);
}
