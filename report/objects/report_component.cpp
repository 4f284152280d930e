#include "report/objects/report_component.h"

#include "report/objects/class_info.h"
#include "report/objects/property_builders.h"
#include "report/objects/report_error.h"

TrpReportComponent::TrpReportComponent(TrpComponent* owner) : TrpComponent(owner) {}

const TrpClassInfo& TrpReportComponent::StaticClassInfo() {
  using C = TrpReportComponent;
  static const TrpClassInfo info(
      "TrpReportComponent", &TrpComponent::StaticClassInfo(), nullptr,
      {
          rpString<&C::OnAfterData, &C::SetOnAfterData>("OnAfterData").PublicOnly(),
          rpString<&C::OnAfterPrint, &C::SetOnAfterPrint>("OnAfterPrint").PublicOnly(),
          rpString<&C::OnBeforePrint, &C::SetOnBeforePrint>("OnBeforePrint").PublicOnly(),
          rpString<&C::OnPreviewClick, &C::SetOnPreviewClick>("OnPreviewClick").PublicOnly(),
          rpString<&C::OnPreviewDblClick, &C::SetOnPreviewDblClick>("OnPreviewDblClick")
              .PublicOnly(),
          rpSet<&C::PrintOn, &C::SetPrintOn>("PrintOn", rpPrintOnTypesType, TrpPrintOnTypes{})
              .PublicOnly(),
          rpPublish("Description"),
      });
  return info;
}

const TrpClassInfo& TrpReportComponent::ClassInfo() const { return StaticClassInfo(); }

void TrpReportComponent::Draw(QPainter&, Extended, Extended, Extended, Extended) {
  throw TrpError(QStringLiteral("Abstract Error"));
}

void TrpReportComponent::BeforePrint() {
  // The rectangle holds the bounds as Left, Top, Width, Height.
  FOriginalRect = TrpRect{Left(), Top(), Width(), Height()};
}

void TrpReportComponent::AfterPrint() {
  SetBounds(FOriginalRect.Left, FOriginalRect.Top, FOriginalRect.Right, FOriginalRect.Bottom);
}

TrpRect TrpReportComponent::GetRealBounds() const {
  return TrpRect{AbsLeft(), AbsTop(), AbsLeft() + Width(), AbsTop() + Height()};
}

void TrpReportComponent::Notification(TrpComponent* removed) {
  FShiftChildren.removeAll(removed);
  TrpComponent::Notification(removed);
}
