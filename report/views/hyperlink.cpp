#include "report/views/hyperlink.h"

#include "report/objects/class_info.h"
#include "report/objects/property_builders.h"

namespace {
constexpr TrpEnumValue kKinds[] = {{"hkURL", hkURL},
                                   {"hkAnchor", hkAnchor},
                                   {"hkPageNumber", hkPageNumber},
                                   {"hkDetailReport", hkDetailReport},
                                   {"hkDetailPage", hkDetailPage},
                                   {"hkCustom", hkCustom}};
}

const TrpEnumType rpHyperlinkKindType{"TrpHyperlinkKind", kKinds};

const TrpClassInfo& TrpHyperlink::StaticClassInfo() {
  using C = TrpHyperlink;
  static const TrpClassInfo info(
      "TrpHyperlink", nullptr, nullptr,
      {
          rpEnum<&C::Kind, &C::SetKind>("Kind", rpHyperlinkKindType, hkURL),
          rpString<&C::DetailReport, &C::SetDetailReport>("DetailReport"),
          rpString<&C::DetailPage, &C::SetDetailPage>("DetailPage"),
          rpString<&C::Expression, &C::SetExpression>("Expression"),
          rpString<&C::ReportVariable, &C::SetReportVariable>("ReportVariable"),
          rpString<&C::TabCaption, &C::SetTabCaption>("TabCaption"),
          rpString<&C::Value, &C::SetValue>("Value"),
          rpString<&C::ValuesSeparator, &C::SetValuesSeparator>("ValuesSeparator")
              .WithDefault(QStringLiteral(";")),
      });
  return info;
}

const TrpClassInfo& TrpHyperlink::ClassInfo() const { return StaticClassInfo(); }

void TrpHyperlink::Assign(const TrpPersistent& source) {
  const auto* other = dynamic_cast<const TrpHyperlink*>(&source);
  if (!other || other == this) return;
  FKind = other->FKind;
  FDetailReport = other->FDetailReport;
  FDetailPage = other->FDetailPage;
  FExpression = other->FExpression;
  FReportVariable = other->FReportVariable;
  FTabCaption = other->FTabCaption;
  FValue = other->FValue;
  FValuesSeparator = other->FValuesSeparator;
  StampChange();
}
