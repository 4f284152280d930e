#pragma once
// Builders for class tables: each turns a getter and a setter member function into a property
// descriptor, so that a class's table reads as a list of its properties:
//
//   rpInteger<&TrpComponent::Tag, &TrpComponent::SetTag>("Tag", 0),
//   rpFloat<&TrpComponent::Left, &TrpComponent::SetLeft>("Left").PublicOnly(),
//   rpObject<&TrpComponent::Font, &TrpComponent::SetFont>("Font"),
//
// The last argument, where given, is the declared default. A setter of nullptr makes the property
// read-only. Getters are const member functions; an Object getter returns the sub-object by
// pointer or reference.
#include <cmath>
#include <type_traits>

#include "report/objects/persistent.h"
#include "report/objects/property_descriptor.h"
#include "report/objects/property_value.h"
#include "report/objects/record_text.h"

namespace rp_detail {

template <class M>
struct Getter;
template <class C, class R>
struct Getter<R (C::*)() const> {
  using Class = C;
  using Result = std::remove_cvref_t<R>;
};

template <class C, class R>
struct Getter<R (C::*)() const noexcept> : Getter<R (C::*)() const> {};

template <class M>
struct Setter;
template <class C, class A>
struct Setter<void (C::*)(A)> {
  using Class = C;
  using Arg = std::remove_cvref_t<A>;
};
template <class C, class A>
struct Setter<void (C::*)(A) noexcept> : Setter<void (C::*)(A)> {};

template <auto Get>
QVariant get(const TrpPersistent& object) {
  using G = Getter<decltype(Get)>;
  const auto& self = static_cast<const typename G::Class&>(object);
  if constexpr (std::is_base_of_v<TrpPersistent, typename G::Result>)
    return rpToVariant(&(self.*Get)());  // a sub-object returned by reference
  else
    return rpToVariant((self.*Get)());
}

template <auto Set>
void set(TrpPersistent& object, const QVariant& value) {
  using S = Setter<decltype(Set)>;
  auto& self = static_cast<typename S::Class&>(object);
  using A = typename S::Arg;
  if constexpr (std::is_base_of_v<TrpPersistent, A>) {
    // A sub-object passed by reference: hand over the object the variant holds, if it fits.
    if (const A* source = dynamic_cast<const A*>(rpVariantToObject(value))) (self.*Set)(*source);
  } else {
    (self.*Set)(rpFromVariant<A>(value));
  }
}

template <auto Get>
TrpPersistent* sub(const TrpPersistent& object) {
  using G = Getter<decltype(Get)>;
  const auto& self = static_cast<const typename G::Class&>(object);
  if constexpr (std::is_pointer_v<typename G::Result>) {
    using Pointee = std::remove_cv_t<std::remove_pointer_t<typename G::Result>>;
    return const_cast<Pointee*>((self.*Get)());
  } else {
    return const_cast<typename G::Result*>(&(self.*Get)());
  }
}

template <auto Get>
using ResultOf = typename Getter<decltype(Get)>::Result;

constexpr bool travelsAsInt(TrpPropertyKind kind) {
  return kind == TrpPropertyKind::Integer || kind == TrpPropertyKind::Color ||
         kind == TrpPropertyKind::Enumeration || kind == TrpPropertyKind::Set;
}

// Whether a T of a property of `Kind` compares directly with the result rpSameValue gives on its
// rpToVariant form: floats as Extended, ordinals and sets as the int they travel as, Booleans,
// texts and text lists as themselves.
template <TrpPropertyKind Kind, class T>
constexpr bool comparesTyped() {
  if constexpr (Kind == TrpPropertyKind::Float) return std::is_floating_point_v<T>;
  if constexpr (travelsAsInt(Kind))
    return std::is_enum_v<T> || rpIsSet<T>::value || std::is_integral_v<T>;
  if constexpr (Kind == TrpPropertyKind::Boolean) return std::is_same_v<T, bool>;
  if constexpr (Kind == TrpPropertyKind::String) return std::is_same_v<T, QString>;
  if constexpr (Kind == TrpPropertyKind::Strings) return std::is_same_v<T, QStringList>;
  return false;
}

// The int rpToVariant carries an ordinal, a set or an integer as.
template <class T>
int asInt(const T& value) {
  if constexpr (rpIsSet<T>::value)
    return static_cast<int>(value.Mask());
  else
    return static_cast<int>(value);
}

// Texts of an object and of its copy mostly share their characters, and most are empty: both
// answer before the characters are compared.
inline bool sameText(const QString& x, const QString& y) {
  return x.size() == y.size() && (x.isEmpty() || x.constData() == y.constData() || x == y);
}

template <auto Get, TrpPropertyKind Kind>
bool same(const TrpPersistent& a, const TrpPersistent& b, Extended tolerance) {
  using G = Getter<decltype(Get)>;
  const auto& x = (static_cast<const typename G::Class&>(a).*Get)();
  const auto& y = (static_cast<const typename G::Class&>(b).*Get)();
  if constexpr (Kind == TrpPropertyKind::Float)
    return std::fabs(static_cast<Extended>(x) - static_cast<Extended>(y)) <= tolerance;
  else if constexpr (travelsAsInt(Kind))
    return asInt(x) == asInt(y);
  else if constexpr (std::is_same_v<typename G::Result, QString>)
    return sameText(x, y);
  else
    return x == y;
}

template <auto Get, TrpPropertyKind Kind>
void appendRecord(const TrpPersistent& object, QString& out) {
  using G = Getter<decltype(Get)>;
  const auto& value = (static_cast<const typename G::Class&>(object).*Get)();
  if constexpr (Kind == TrpPropertyKind::Float)
    rpAppendRecordText(out, static_cast<Extended>(value));
  else if constexpr (travelsAsInt(Kind))
    rpAppendRecordText(out, asInt(value));
  else
    rpAppendRecordText(out, value);
}

template <auto Get>
QString text(const TrpPersistent& object) {
  using G = Getter<decltype(Get)>;
  return (static_cast<const typename G::Class&>(object).*Get)();
}

template <auto Get, auto Set, TrpPropertyKind Kind>
TrpPropertyDescriptor make(const char* name) {
  TrpPropertyDescriptor d;
  d.Name = name;
  d.Kind = Kind;
  d.Get = &get<Get>;
  if constexpr (!std::is_same_v<decltype(Set), std::nullptr_t>) d.Set = &set<Set>;
  if constexpr (comparesTyped<Kind, ResultOf<Get>>()) {
    d.Same = &same<Get, Kind>;
    d.AppendRecordText = &appendRecord<Get, Kind>;
  }
  if constexpr (Kind == TrpPropertyKind::String && std::is_same_v<ResultOf<Get>, QString>) d.GetText = &text<Get>;
  return d;
}

}  // namespace rp_detail

template <auto Get, auto Set = nullptr>
TrpPropertyDescriptor rpInteger(const char* name) {
  return rp_detail::make<Get, Set, TrpPropertyKind::Integer>(name);
}
template <auto Get, auto Set = nullptr>
TrpPropertyDescriptor rpInteger(const char* name, rp_detail::ResultOf<Get> def) {
  return rpInteger<Get, Set>(name).WithDefault(rpToVariant(def));
}

template <auto Get, auto Set = nullptr>
TrpPropertyDescriptor rpFloat(const char* name) {
  return rp_detail::make<Get, Set, TrpPropertyKind::Float>(name);
}

template <auto Get, auto Set = nullptr>
TrpPropertyDescriptor rpBoolean(const char* name) {
  return rp_detail::make<Get, Set, TrpPropertyKind::Boolean>(name);
}
template <auto Get, auto Set = nullptr>
TrpPropertyDescriptor rpBoolean(const char* name, bool def) {
  return rpBoolean<Get, Set>(name).WithDefault(def);
}

// Texts and text lists default to empty: an empty one is not written.
template <auto Get, auto Set = nullptr>
TrpPropertyDescriptor rpString(const char* name) {
  return rp_detail::make<Get, Set, TrpPropertyKind::String>(name).WithDefault(QString());
}
template <auto Get, auto Set = nullptr>
TrpPropertyDescriptor rpStrings(const char* name) {
  return rp_detail::make<Get, Set, TrpPropertyKind::Strings>(name).WithDefault(QStringList());
}

template <auto Get, auto Set = nullptr>
TrpPropertyDescriptor rpEnum(const char* name, const TrpEnumType& type) {
  TrpPropertyDescriptor d = rp_detail::make<Get, Set, TrpPropertyKind::Enumeration>(name);
  d.Enum = &type;
  return d;
}
template <auto Get, auto Set = nullptr>
TrpPropertyDescriptor rpEnum(const char* name, const TrpEnumType& type,
                             rp_detail::ResultOf<Get> def) {
  return rpEnum<Get, Set>(name, type).WithDefault(rpToVariant(def));
}

template <auto Get, auto Set = nullptr>
TrpPropertyDescriptor rpSet(const char* name, const TrpEnumType& type) {
  TrpPropertyDescriptor d = rp_detail::make<Get, Set, TrpPropertyKind::Set>(name);
  d.Enum = &type;
  return d;
}
template <auto Get, auto Set = nullptr>
TrpPropertyDescriptor rpSet(const char* name, const TrpEnumType& type,
                            rp_detail::ResultOf<Get> def) {
  return rpSet<Get, Set>(name, type).WithDefault(rpToVariant(def));
}

template <auto Get, auto Set = nullptr>
TrpPropertyDescriptor rpColor(const char* name) {
  return rp_detail::make<Get, Set, TrpPropertyKind::Color>(name);
}
template <auto Get, auto Set = nullptr>
TrpPropertyDescriptor rpColor(const char* name, rp_detail::ResultOf<Get> def) {
  return rpColor<Get, Set>(name).WithDefault(rpToVariant(def));
}

// An owned sub-object: written as its own properties under the prefix "Name.".
template <auto Get, auto Set = nullptr>
TrpPropertyDescriptor rpObject(const char* name) {
  TrpPropertyDescriptor d = rp_detail::make<Get, Set, TrpPropertyKind::Object>(name);
  d.Object = &rp_detail::sub<Get>;
  return d;
}

// Another report object, written by name and resolved by name when read.
template <auto Get, auto Set = nullptr>
TrpPropertyDescriptor rpReference(const char* name) {
  return rp_detail::make<Get, Set, TrpPropertyKind::Reference>(name);
}

template <auto Get, auto Set = nullptr>
TrpPropertyDescriptor rpPicture(const char* name) {
  return rp_detail::make<Get, Set, TrpPropertyKind::Picture>(name);
}
