#include "report/objects/object_attributes.h"

#include "report/objects/class_info.h"
#include "report/objects/component.h"
#include "report/objects/custom_report.h"
#include "report/objects/float_text.h"
#include "report/objects/property_access.h"
#include "report/objects/property_text.h"
#include "report/objects/property_value.h"
#include "report/xml/xml_text.h"

#include <QBuffer>
#include <QDataStream>
#include <QImage>

#include <stdexcept>

namespace {

const QLatin1String kTextObjectClass("TrpCustomMemoView");
constexpr Extended kFileTolerance = 0.000001L;

QString attribute(const QString& name, const QString& value) {
  return u' ' + name + QLatin1String("=\"") + rpStrToXML(value) + u'"';
}

bool isTextObject(const TrpPersistent& object) { return object.InheritsFrom(kTextObjectClass.data()); }

const TrpPropertyDescriptor* textProperty(const TrpPersistent& object) {
  return object.ClassInfo().FindAnyProperty("Text");
}

QString objectName(TrpPersistent* object) {
  auto* component = dynamic_cast<TrpComponent*>(object);
  return component ? component->Name() : QString();
}

// The value of the ancestor's property of the same name, if the ancestor has it.
const TrpPropertyDescriptor* ancestorProperty(const TrpPersistent* ancestor, const char* name) {
  return ancestor ? ancestor->ClassInfo().FindProperty(name) : nullptr;
}

QString referenceText(const TrpPropertyDescriptor& p, const TrpPersistent& object,
                      const TrpPersistent* ancestor, bool saveDefaults, bool* write) {
  const QString mine = objectName(rpVariantToObject(p.Get(object)));
  const TrpPropertyDescriptor* ap = ancestorProperty(ancestor, p.Name);
  if (ap && !saveDefaults) {
    const QString theirs = objectName(rpVariantToObject(ap->Get(*ancestor)));
    *write = mine != theirs;
    return mine.isEmpty() ? QStringLiteral("nil") : mine;
  }
  *write = !mine.isEmpty() || saveDefaults;
  return mine;
}

bool isDefault(const TrpPropertyDescriptor& p, const TrpPersistent& object, const QVariant& value,
               const TrpPersistent* ancestor) {
  if (const TrpPropertyDescriptor* ap = ancestorProperty(ancestor, p.Name))
    return rpSameValue(p.Kind, value, ap->Get(*ancestor), kFileTolerance);
  // A text property without a declared default is left out when empty; one with a declared
  // default (a hyperlink's ";" separator) when it holds that default.
  if (p.Kind == TrpPropertyKind::String && !p.HasDefault()) return value.toString().isEmpty();
  return rpIsDefaultValue(object, p);
}

// Pictures of the object and its sub-objects as (dotted path, PNG bytes) records, the
// self-describing byte form of the PropData attribute.
void collectPictures(const TrpPersistent& object, const QString& prefix, QDataStream& out, int* count) {
  for (const TrpPropertyDescriptor& p : object.ClassInfo().Properties()) {
    if (!p.IsStored(object)) continue;
    if (p.Kind == TrpPropertyKind::Object) {
      if (TrpPersistent* sub = p.Object(object)) collectPictures(*sub, prefix + QLatin1String(p.Name) + u'.', out, count);
      continue;
    }
    if (p.Kind != TrpPropertyKind::Picture) continue;
    const QImage image = p.Get(object).value<QImage>();
    if (image.isNull()) continue;
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    out << prefix + QLatin1String(p.Name) << png;
    ++*count;
  }
}

QByteArray pictureData(const TrpPersistent& object) {
  QByteArray data;
  QDataStream out(&data, QIODevice::WriteOnly);
  int count = 0;
  collectPictures(object, QString(), out, &count);
  return count ? data : QByteArray();
}

void applyPictureData(const QString& hex, TrpPersistent& object) {
  QByteArray data = QByteArray::fromHex(hex.toLatin1());
  QDataStream in(&data, QIODevice::ReadOnly);
  while (!in.atEnd()) {
    QString path;
    QByteArray png;
    in >> path >> png;
    if (in.status() != QDataStream::Ok) throw std::runtime_error("Invalid picture data");
    const TrpPropertyRef ref = rpFindPropertyPath(object, path);
    if (ref && ref.Property->Kind == TrpPropertyKind::Picture && ref.Property->Set)
      ref.Property->Set(*ref.Object, QVariant::fromValue(QImage::fromData(png)));
  }
}

void setFloat(TrpComponent& c, QChar which, const QString& value) {
  Extended v = 0;
  if (!rpTryStrToFloat(value, v)) throw std::runtime_error(("Invalid number \"" + value + "\"").toStdString());
  switch (which.unicode()) {
    case 'l': c.SetLeft(v); break;
    case 't': c.SetTop(v); break;
    case 'w': c.SetWidth(v); break;
    default: c.SetHeight(v); break;
  }
}

void setText(TrpPersistent& object, const QString& text) {
  if (const TrpPropertyDescriptor* p = textProperty(object); p && p->Set) p->Set(object, text);
}

void applyAttribute(TrpAttributeList::Attribute& attribute, TrpPersistent& object, QList<TrpFixup>* fixups,
                    bool oldFormat) {
  const QStringList& segments = attribute.Segments;
  const QString& rawValue = attribute.Raw;
  TrpPersistent* target = &object;
  for (int i = 0; i + 1 < segments.size(); ++i) {
    const TrpPropertyDescriptor* p = target->ClassInfo().FindAnyProperty(segments[i]);
    if (!p) return;
    if (p->Kind == TrpPropertyKind::Strings && i + 2 == segments.size() &&
        segments.last().compare(QLatin1String("Text"), Qt::CaseInsensitive) == 0) {
      if (p->Set) p->Set(*target, attribute.Value.split(QLatin1String("\r\n")));
      return;
    }
    if (p->Kind != TrpPropertyKind::Object || !p->Object) return;
    target = p->Object(*target);
    if (!target) return;
  }
  const QString& last = segments.last();
  // The cast only for the one-letter names: done for every attribute, it showed in profiles.
  if (last.size() == 1 && QStringLiteral("ltwh").contains(last))
    if (auto* component = dynamic_cast<TrpComponent*>(target)) {
      setFloat(*component, last[0], rawValue);
      return;
    }
  const bool textName = last == QLatin1String("u") || last == QLatin1String("x") ||
                        (last == QLatin1String("Text") && isTextObject(*target));
  if (textName) {
    QString text = attribute.Value;
    if (oldFormat && last == QLatin1String("u")) text = QString::fromUtf8(text.toLatin1());
    setText(*target, text);
    return;
  }
  if (last == QLatin1String("PropData")) {
    try {
      applyPictureData(rawValue, *target);
    } catch (...) {
      // Defined-property data that cannot be read is skipped, as the rest of the object is usable.
    }
    return;
  }
  if (last.compare(QLatin1String("Name"), Qt::CaseInsensitive) == 0 && target->InheritsFrom(TrpCustomReport::StaticClassInfo()))
    return;
  const TrpPropertyDescriptor* p = target->ClassInfo().FindProperty(last);
  if (!p || p->IsReadOnly()) return;
  const QString& value = attribute.Value;
  switch (p->Kind) {
    case TrpPropertyKind::Reference:
      if (fixups) fixups->append({target, p, value});
      return;
    case TrpPropertyKind::Object:
    case TrpPropertyKind::Picture:
      return;
    default:
      break;
  }
  if (attribute.ConvertedFor != p) {
    attribute.Converted = rpPropertyFromText(*p, value);
    attribute.ConvertedFor = p;
  }
  if (!attribute.Converted)
    throw std::runtime_error(
        QStringLiteral("Invalid value \"%1\" of property %2").arg(value, QLatin1String(p->Name)).toStdString());
  p->Set(*target, *attribute.Converted);
}

}  // namespace

QString rpObjToXML(const TrpPersistent& object, const QString& prefix, const TrpPersistent* ancestor,
                   bool saveDefaults) {
  QString out;
  for (const TrpPropertyDescriptor& p : object.ClassInfo().Properties()) {
    if (!p.IsStored(object)) continue;
    const QString name = prefix + QLatin1String(p.Name);
    switch (p.Kind) {
      case TrpPropertyKind::Object: {
        const TrpPersistent* sub = p.Object ? p.Object(object) : nullptr;
        const TrpPropertyDescriptor* ap = ancestorProperty(ancestor, p.Name);
        const TrpPersistent* ancestorSub = ap && ap->Object ? ap->Object(*ancestor) : nullptr;
        if (sub) out += rpObjToXML(*sub, name + u'.', ancestorSub, saveDefaults);
        break;
      }
      case TrpPropertyKind::Strings: {
        const QStringList lines = p.Get(object).toStringList();
        const TrpPropertyDescriptor* ap = ancestorProperty(ancestor, p.Name);
        const bool same = ap ? ap->Get(*ancestor).toStringList() == lines : lines.isEmpty();
        if (saveDefaults || !same) out += attribute(name + QLatin1String(".Text"), lines.join(QLatin1String("\r\n")));
        break;
      }
      case TrpPropertyKind::Reference: {
        bool write = false;
        const QString text = referenceText(p, object, ancestor, saveDefaults, &write);
        if (write) out += attribute(name, text);
        break;
      }
      case TrpPropertyKind::Picture:
        break;  // written in PropData below
      default: {
        const QVariant value = p.Get(object);
        if (saveDefaults || !isDefault(p, object, value, ancestor)) out += attribute(name, rpPropertyText(p, value));
        break;
      }
    }
  }
  if (prefix.isEmpty() && isTextObject(object)) {
    if (const TrpPropertyDescriptor* p = textProperty(object)) {
      QString text = p->Get(object).toString();
      if (text.endsWith(QLatin1String("\r\n"))) text.chop(2);
      const bool inherited = ancestor && textProperty(*ancestor) &&
                             textProperty(*ancestor)->Get(*ancestor).toString() == p->Get(object).toString();
      if (!inherited) out += attribute(QStringLiteral("Text"), text);
    }
  }
  if (prefix.isEmpty()) {
    const QByteArray data = pictureData(object);
    if (!data.isEmpty() && (!ancestor || pictureData(*ancestor) != data))
      out += QLatin1String(" PropData=\"") + QString::fromLatin1(data.toHex().toUpper()) + u'"';
  }
  return out;
}

void rpXMLToObj(const QString& text, TrpPersistent& object, QStringList* errors, QList<TrpFixup>* fixups,
                bool oldFormat) {
  TrpAttributeList(text).Apply(object, errors, fixups, oldFormat);
}

TrpAttributeList::TrpAttributeList(const QString& text) {
  int i = 0;
  const int n = text.size();
  while (i < n) {
    while (i < n && text[i].isSpace()) ++i;
    const int equals = text.indexOf(u'=', i);
    if (equals < 0) break;
    const QString name = text.mid(i, equals - i).trimmed();
    const int open = text.indexOf(u'"', equals + 1);
    if (open < 0) break;
    const int close = text.indexOf(u'"', open + 1);
    if (close < 0) break;
    const QString raw = text.mid(open + 1, close - open - 1);
    i = close + 1;
    if (name.isEmpty() || name == QLatin1String("/")) continue;
    FAttributes.push_back({name.split(u'.'), raw, rpXMLToStr(raw), nullptr, std::nullopt});
  }
}

void TrpAttributeList::Apply(TrpPersistent& object, QStringList* errors, QList<TrpFixup>* fixups, bool oldFormat) {
  for (Attribute& attribute : FAttributes) {
    try {
      applyAttribute(attribute, object, fixups, oldFormat);
    } catch (const std::exception& e) {
      if (errors) errors->append(QString::fromUtf8(e.what()));
    }
  }
}

QString rpCollectionItemName(const TrpPersistent& item) {
  const TrpPropertyDescriptor* p = item.ClassInfo().FindProperty("Name");
  return p && p->Kind == TrpPropertyKind::String ? p->Get(item).toString() : QString();
}

void rpWriteCollection(const QList<const TrpPersistent*>& items, const QString& name, TrpXMLItem& parent,
                       const QList<const TrpPersistent*>& ancestorItems) {
  TrpXMLItem* element = parent.Add(name);
  for (const TrpPersistent* item : items) {
    const QString itemName = rpCollectionItemName(*item);
    const TrpPersistent* ancestor = nullptr;
    if (!itemName.isEmpty())
      for (const TrpPersistent* candidate : ancestorItems)
        if (rpCollectionItemName(*candidate).compare(itemName, Qt::CaseInsensitive) == 0) ancestor = candidate;
    QString text = rpObjToXML(*item, {}, ancestor);
    if (ancestor) text.prepend(attribute(QStringLiteral("InheritedName"), itemName));
    element->Add(QStringLiteral("item"))->SetText(text.trimmed());
  }
}
