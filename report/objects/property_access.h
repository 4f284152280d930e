#pragma once
// Generic operations over property descriptors: finding a property by dotted path, comparing
// values, testing for the declared default, and copying published properties between objects.
#include <QLatin1StringView>
#include <QStringView>
#include <QVariant>

#include <functional>

#include "report/objects/property_descriptor.h"
#include "report/units/report_units.h"

class TrpPersistent;
struct TrpClassInfo;

// A property together with the object that holds it.
struct TrpPropertyRef {
  TrpPersistent* Object = nullptr;
  const TrpPropertyDescriptor* Property = nullptr;

  explicit operator bool() const { return Object && Property; }
  QVariant Value() const;
};

// Resolves "Name" or "Sub.Name" ("Font.Style", "PreviewOptions.Zoom"): every segment but the last
// names an Object property whose sub-object becomes the target. With `publishedOnly` only
// published properties are found (what a report file or a script may name); otherwise public-only
// properties too. An empty ref when a segment is unknown.
TrpPropertyRef rpFindPropertyPath(TrpPersistent& object, QStringView path, bool publishedOnly = true);
TrpPropertyRef rpFindPropertyPath(const TrpPersistent& object, QStringView path,
                                  bool publishedOnly = true);
// The same for a Latin-1 path, such as a class's static tables hold (no conversion).
TrpPropertyRef rpFindPropertyPath(TrpPersistent& object, QLatin1StringView path,
                                  bool publishedOnly = true);

// Whether two values of a property of `kind` are equal; floats count as equal within `tolerance`.
bool rpSameValue(TrpPropertyKind kind, const QVariant& a, const QVariant& b, Extended tolerance = 0);

// rpSameValue of the two properties' values: read and compared as their getters return them when
// both are the same property of a type that allows it, through QVariant otherwise. The kind is
// `a`'s.
bool rpSamePropertyValue(const TrpPropertyRef& a, const TrpPropertyRef& b, Extended tolerance = 0);

// Whether the property holds its declared default. Never for properties without one.
bool rpIsDefaultValue(const TrpPersistent& object, const TrpPropertyDescriptor& property);

// Maps a referenced object of the source to the object the copy should refer to.
using TrpReferenceResolver = std::function<TrpPersistent*(TrpPersistent* sourceReference)>;

// Copies every stored published property of `source`, defaults included, into the property of the
// same name that `target` publishes and can set. Sub-objects are copied property by property
// (as a report file would read them back), references through `resolve` (as is, when empty).
// Properties the target does not publish are skipped.
void rpCopyProperties(const TrpPersistent& source, TrpPersistent& target,
                      const TrpReferenceResolver& resolve = {});
