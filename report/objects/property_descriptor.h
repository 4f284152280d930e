#pragma once
// One published property of a report class: its name, kind, accessors, declared default and
// stored test. Every report class lists its properties in one table of these (see class_info.h);
// the serializer, the prepared-pages store, Assign and the script bindings are loops over it.
//
// Values travel as QVariant: Integer, Color, Enumeration and Set as int (a set as its bit mask),
// Float as Extended (long double), Boolean as bool, String as QString, Strings as QStringList,
// Object and Reference as TrpPersistent*, Picture as QImage.
#include <QString>
#include <QAnyStringView>
#include <QVariant>

#include <optional>
#include <span>

#include "report/units/report_units.h"

class TrpPersistent;

enum class TrpPropertyKind {
  Integer,
  Float,
  Boolean,
  String,
  Strings,      // a text list, written as Name.Text
  Enumeration,  // written as its identifier ("haCenter")
  Set,          // written as its bit mask
  Color,
  Object,       // an owned sub-object (Font, Frame, Fill, option records), written as Name.Sub
  Reference,    // another report object, written as its name
  Picture,
};

// The identifiers of an enumeration or set type. For an enumeration each value carries its
// ordinal; for a set, the number of its bit.
struct TrpEnumValue {
  const char* Name;
  int Value;
};

struct TrpEnumType {
  const char* TypeName;
  std::span<const TrpEnumValue> Values;

  // The identifier of `value`, or an empty string when the type has none.
  QString NameOf(int value) const;
  // The value of `name` (case-insensitive), if the type defines it.
  std::optional<int> ValueOf(QAnyStringView name) const;
};

using TrpGetter = QVariant (*)(const TrpPersistent& object);
using TrpSetter = void (*)(TrpPersistent& object, const QVariant& value);
using TrpStoredTest = bool (*)(const TrpPersistent& object);
using TrpSubObject = TrpPersistent* (*)(const TrpPersistent& object);
// Whether two objects of the property's class hold the same value, floats within `tolerance`.
using TrpSameTest = bool (*)(const TrpPersistent& a, const TrpPersistent& b, Extended tolerance);
using TrpRecordTextWriter = void (*)(const TrpPersistent& object, QString& out);
using TrpTextGetter = QString (*)(const TrpPersistent& object);

struct TrpPropertyDescriptor {
  const char* Name = nullptr;
  TrpPropertyKind Kind = TrpPropertyKind::Integer;
  TrpGetter Get = nullptr;
  TrpSetter Set = nullptr;  // null: read-only
  // The declared default. An invalid QVariant means "no declared default": the value is written
  // whatever it is (floats, and ordinals declared without one).
  QVariant Default;
  TrpStoredTest Stored = nullptr;  // null: always stored
  const TrpEnumType* Enum = nullptr;   // Enumeration and Set
  TrpSubObject Object = nullptr;       // Object: the sub-object itself
  // The comparison of rpSameValue on the values as their getter returns them, without the QVariant
  // round trip (difference records compare every attribute of every recorded object). Null for
  // types that only compare as QVariant.
  TrpSameTest Same = nullptr;
  // Appends the value as a prepared page's record writes it (record_text.h), read through the
  // getter; null where Same is.
  TrpRecordTextWriter AppendRecordText = nullptr;
  // A String property's value without the QVariant round trip (print events are read for every
  // object shown); null for other kinds.
  TrpTextGetter GetText = nullptr;
  bool Published = true;  // false: public only (reachable by name, not listed or written)
  bool Inherit = false;   // a class-table entry that publishes an ancestor's property by name
  bool OverridesDefault = false;  // an Inherit entry that declares its own default
  bool OverridesStored = false;   // an Inherit entry that declares its own stored test

  bool IsStored(const TrpPersistent& object) const { return Stored == nullptr || Stored(object); }
  bool HasDefault() const { return Default.isValid(); }
  bool IsReadOnly() const { return Set == nullptr; }

  // Modifiers for the class tables: rpBool<...>("Visible").WithDefault(true).
  TrpPropertyDescriptor WithDefault(const QVariant& value) const {
    TrpPropertyDescriptor d = *this;
    d.Default = value;
    d.OverridesDefault = true;
    return d;
  }
  TrpPropertyDescriptor WithoutDefault() const { return WithDefault(QVariant()); }
  TrpPropertyDescriptor StoredIf(TrpStoredTest test) const {
    TrpPropertyDescriptor d = *this;
    d.Stored = test;
    d.OverridesStored = true;
    return d;
  }
  TrpPropertyDescriptor NotStored() const { return StoredIf(&NeverStored); }
  TrpPropertyDescriptor PublicOnly() const {
    TrpPropertyDescriptor d = *this;
    d.Published = false;
    return d;
  }

  static bool NeverStored(const TrpPersistent&) { return false; }
};

// A class-table entry that publishes a property an ancestor introduced without publishing it,
// at this position of the class's list ("published property Left;"). Modifiers may change its
// default or stored test for this class and its descendants.
inline TrpPropertyDescriptor rpPublish(const char* name) {
  TrpPropertyDescriptor d;
  d.Name = name;
  d.Inherit = true;
  return d;
}
