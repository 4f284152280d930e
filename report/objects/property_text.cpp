#include "report/objects/property_text.h"

#include <QRegularExpression>

#include <cstdint>

#include "report/objects/float_text.h"
#include "report/objects/property_value.h"

namespace {

std::optional<int> decimal(const QString& text) {
  bool ok = false;
  const int value = text.trimmed().toInt(&ok);
  if (ok) return value;
  return std::nullopt;
}

// Text lists are stored as one text with a line break after every line but the last.
QStringList splitLines(const QString& text) {
  if (text.isEmpty()) return {};
  static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
  return text.split(lineBreak);
}

// Values a file may hold for an enumeration: the type's own; any number when the type is unknown.
bool isEnumValue(const TrpPropertyDescriptor& property, int value) {
  if (!property.Enum) return true;
  for (const TrpEnumValue& v : property.Enum->Values)
    if (v.Value == value) return true;
  return false;
}

// A set's mask may hold only the bits of the type's values.
bool isSetMask(const TrpPropertyDescriptor& property, int mask) {
  if (!property.Enum) return true;
  std::uint64_t allowed = 0;
  for (const TrpEnumValue& v : property.Enum->Values)
    if (v.Value >= 0 && v.Value < 32) allowed |= std::uint64_t{1} << v.Value;
  return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(mask)) & ~allowed) == 0;
}

}  // namespace

QString rpPropertyText(const TrpPropertyDescriptor& property, const QVariant& value) {
  switch (property.Kind) {
    case TrpPropertyKind::Integer:
    case TrpPropertyKind::Color:
    case TrpPropertyKind::Set:
      return QString::number(rpVariantToInt(value));
    case TrpPropertyKind::Enumeration: {
      const int ordinal = rpVariantToInt(value);
      const QString name = property.Enum ? property.Enum->NameOf(ordinal) : QString();
      return name.isEmpty() ? QString::number(ordinal) : name;
    }
    case TrpPropertyKind::Boolean:
      return rpFromVariant<bool>(value) ? QStringLiteral("True") : QStringLiteral("False");
    case TrpPropertyKind::Float:
      return rpFloatToStr(rpVariantToFloat(value));
    case TrpPropertyKind::String:
      return value.toString();
    case TrpPropertyKind::Strings:
      return value.toStringList().join(QLatin1String("\r\n"));
    case TrpPropertyKind::Object:
    case TrpPropertyKind::Reference:
    case TrpPropertyKind::Picture:
      break;
  }
  return {};
}

std::optional<QVariant> rpPropertyFromText(const TrpPropertyDescriptor& property,
                                           const QString& text) {
  switch (property.Kind) {
    case TrpPropertyKind::Integer:
    case TrpPropertyKind::Color:
      if (const auto v = decimal(text)) return QVariant(*v);
      return std::nullopt;
    case TrpPropertyKind::Set:
      if (const auto v = decimal(text); v && isSetMask(property, *v)) return QVariant(*v);
      return std::nullopt;
    case TrpPropertyKind::Enumeration:
      if (const auto v = decimal(text)) {
        if (isEnumValue(property, *v)) return QVariant(*v);
        return std::nullopt;
      }
      if (property.Enum)
        if (const auto v = property.Enum->ValueOf(text.trimmed())) return QVariant(*v);
      return std::nullopt;
    case TrpPropertyKind::Boolean: {
      const QString t = text.trimmed();
      if (t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0) return QVariant(true);
      if (t.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0) return QVariant(false);
      if (const auto v = decimal(t)) return QVariant(*v != 0);
      return std::nullopt;
    }
    case TrpPropertyKind::Float: {
      Extended v = 0;
      if (rpTryStrToFloat(text, v)) return rpToVariant(v);
      return std::nullopt;
    }
    case TrpPropertyKind::String:
      return QVariant(text);
    case TrpPropertyKind::Strings:
      return QVariant(splitLines(text));
    case TrpPropertyKind::Object:
    case TrpPropertyKind::Reference:
    case TrpPropertyKind::Picture:
      break;
  }
  return std::nullopt;
}
