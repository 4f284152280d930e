#include "report/objects/property_access.h"

#include <cmath>

#include "report/objects/class_info.h"
#include "report/objects/persistent.h"
#include "report/objects/property_value.h"

QVariant TrpPropertyRef::Value() const { return Property->Get(*Object); }

namespace {

// Position of the first dot, or -1. A plain loop: the paths are a few characters long, and the
// views' indexOf goes through the general string search, which cost more than the rest of a
// difference record's lookups.
template <typename View>
qsizetype dotIn(View path) {
  for (qsizetype i = 0; i < path.size(); ++i)
    if (path[i] == QLatin1Char('.')) return i;
  return -1;
}

// One walk for both kinds of path text.
template <typename View>
TrpPropertyRef findPath(TrpPersistent& object, View path, bool publishedOnly) {
  TrpPersistent* target = &object;
  for (;;) {
    const qsizetype dot = dotIn(path);
    const View segment = dot < 0 ? path : path.left(dot);
    const TrpClassInfo& info = target->ClassInfo();
    const TrpPropertyDescriptor* property =
        publishedOnly ? info.FindProperty(segment) : info.FindAnyProperty(segment);
    if (!property) return {};
    if (dot < 0) return {target, property};
    if (property->Kind != TrpPropertyKind::Object) return {};
    target = property->Object(*target);
    if (!target) return {};
    path = path.mid(dot + 1);
  }
}

}  // namespace

TrpPropertyRef rpFindPropertyPath(TrpPersistent& object, QStringView path, bool publishedOnly) {
  return findPath(object, path, publishedOnly);
}

TrpPropertyRef rpFindPropertyPath(TrpPersistent& object, QLatin1StringView path, bool publishedOnly) {
  return findPath(object, path, publishedOnly);
}

TrpPropertyRef rpFindPropertyPath(const TrpPersistent& object, QStringView path,
                                  bool publishedOnly) {
  // Resolution only reads; the ref is used read-only by callers that hold a const object.
  return rpFindPropertyPath(const_cast<TrpPersistent&>(object), path, publishedOnly);
}

bool rpSameValue(TrpPropertyKind kind, const QVariant& a, const QVariant& b, Extended tolerance) {
  switch (kind) {
    case TrpPropertyKind::Float:
      return std::fabs(rpVariantToFloat(a) - rpVariantToFloat(b)) <= tolerance;
    case TrpPropertyKind::Integer:
    case TrpPropertyKind::Color:
    case TrpPropertyKind::Enumeration:
    case TrpPropertyKind::Set:
      return rpVariantToInt(a) == rpVariantToInt(b);
    case TrpPropertyKind::Boolean:
      return rpFromVariant<bool>(a) == rpFromVariant<bool>(b);
    case TrpPropertyKind::String:
      return a.toString() == b.toString();
    case TrpPropertyKind::Strings:
      return a.toStringList() == b.toStringList();
    case TrpPropertyKind::Object:
    case TrpPropertyKind::Reference:
      return rpVariantToObject(a) == rpVariantToObject(b);
    case TrpPropertyKind::Picture:
      return a.value<QImage>() == b.value<QImage>();
  }
  return false;
}

bool rpSamePropertyValue(const TrpPropertyRef& a, const TrpPropertyRef& b, Extended tolerance) {
  const TrpSameTest same = a.Property->Same;
  if (same && same == b.Property->Same) return same(*a.Object, *b.Object, tolerance);
  return rpSameValue(a.Property->Kind, a.Value(), b.Value(), tolerance);
}

bool rpIsDefaultValue(const TrpPersistent& object, const TrpPropertyDescriptor& property) {
  if (!property.HasDefault()) return false;
  return rpSameValue(property.Kind, property.Get(object), property.Default);
}

void rpCopyProperties(const TrpPersistent& source, TrpPersistent& target,
                      const TrpReferenceResolver& resolve) {
  for (const TrpPropertyDescriptor& from : source.ClassInfo().Properties()) {
    if (!from.IsStored(source)) continue;
    const TrpPropertyDescriptor* to = target.ClassInfo().FindProperty(QLatin1String(from.Name));
    if (!to || to->Kind != from.Kind) continue;
    if (from.Kind == TrpPropertyKind::Object) {
      TrpPersistent* sourceSub = from.Object(source);
      TrpPersistent* targetSub = to->Object(target);
      if (sourceSub && targetSub) targetSub->Assign(*sourceSub);
      continue;
    }
    if (to->IsReadOnly()) continue;
    QVariant value = from.Get(source);
    if (from.Kind == TrpPropertyKind::Reference && resolve)
      value = rpToVariant(resolve(rpVariantToObject(value)));
    to->Set(target, value);
  }
}
