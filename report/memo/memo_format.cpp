#include "report/memo/memo_format.h"

#include "report/objects/class_info.h"
#include "report/objects/property_builders.h"

namespace {
constexpr TrpEnumValue kFormatKinds[] = {
    {"fkText", fkText}, {"fkNumeric", fkNumeric}, {"fkDateTime", fkDateTime}, {"fkBoolean", fkBoolean}};
}

const TrpEnumType rpFormatKindType{"TrpFormatKind", kFormatKinds};

const TrpClassInfo& TrpFormat::StaticClassInfo() {
  using C = TrpFormat;
  static const TrpClassInfo info(
      "TrpFormat", nullptr, nullptr,
      {rpString<&C::DecimalSeparator, &C::SetDecimalSeparator>("DecimalSeparator"),
       rpString<&C::FormatStr, &C::SetFormatStr>("FormatStr"),
       rpEnum<&C::Kind, &C::SetKind>("Kind", rpFormatKindType, fkText),
       rpString<&C::ThousandSeparator, &C::SetThousandSeparator>("ThousandSeparator")});
  return info;
}

const TrpClassInfo& TrpFormat::ClassInfo() const { return StaticClassInfo(); }

TrpFormat* TrpFormatCollection::Add() {
  FItems.push_back(std::make_unique<TrpFormat>());
  return FItems.back().get();
}

void TrpFormatCollection::Assign(const TrpFormatCollection& other) {
  if (&other == this) return;
  FItems.clear();
  for (const auto& item : other.FItems) Add()->Assign(*item);
}
