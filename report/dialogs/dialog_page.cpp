#include "report/dialogs/dialog_page.h"

#include "report/objects/class_info.h"
#include "report/objects/custom_report.h"
#include "report/objects/property_builders.h"
#include "report/objects/report_error.h"
#include "report/objects/report_services.h"
#include "report/res/resources.h"

namespace {

constexpr TrpEnumValue kBorderStyles[] = {{"bsNone", bsNone},         {"bsSingle", bsSingle},
                                          {"bsSizeable", bsSizeable}, {"bsDialog", bsDialog},
                                          {"bsToolWindow", bsToolWindow},
                                          {"bsSizeToolWin", bsSizeToolWin}};
constexpr TrpEnumValue kPositions[] = {{"poDesigned", poDesigned},
                                       {"poDefault", poDefault},
                                       {"poDefaultPosOnly", poDefaultPosOnly},
                                       {"poDefaultSizeOnly", poDefaultSizeOnly},
                                       {"poScreenCenter", poScreenCenter},
                                       {"poDesktopCenter", poDesktopCenter}};
constexpr TrpEnumValue kWindowStates[] = {
    {"wsNormal", wsNormal}, {"wsMinimized", wsMinimized}, {"wsMaximized", wsMaximized}};

TrpComponent* createDialogPage(TrpComponent* owner) { return new TrpDialogPage(owner); }

}  // namespace

const TrpEnumType rpFormBorderStyleType{"TFormBorderStyle", kBorderStyles};
const TrpEnumType rpPositionType{"TPosition", kPositions};
const TrpEnumType rpWindowStateType{"TWindowState", kWindowStates};

TrpDialogPage::TrpDialogPage(TrpComponent* owner) : TrpPage(owner) {
  SetWidth(300);
  SetHeight(200);
}

const TrpClassInfo& TrpDialogPage::StaticClassInfo() {
  using C = TrpDialogPage;
  static const TrpClassInfo info(
      "TrpDialogPage", &TrpPage::StaticClassInfo(), &createDialogPage,
      {
          rpEnum<&C::BorderStyle, &C::SetBorderStyle>("BorderStyle", rpFormBorderStyleType,
                                                      bsDialog),
          rpString<&C::Caption, &C::SetCaption>("Caption"),
          rpColor<&C::Color, &C::SetColor>("Color", rpDialogFaceColor),
          rpInteger<&C::ClientHeight, &C::SetClientHeight>("ClientHeight"),
          rpInteger<&C::ClientWidth, &C::SetClientWidth>("ClientWidth"),
          rpEnum<&C::Position, &C::SetPosition>("Position", rpPositionType, poScreenCenter),
          rpEnum<&C::WindowState, &C::SetWindowState>("WindowState", rpWindowStateType,
                                                      wsNormal),
          rpInteger<&C::ModalResult, &C::SetModalResult>("ModalResult", 0).PublicOnly(),
          rpString<&C::OnActivate, &C::SetOnActivate>("OnActivate"),
          rpString<&C::OnClick, &C::SetOnClick>("OnClick"),
          rpString<&C::OnDeactivate, &C::SetOnDeactivate>("OnDeactivate"),
          rpString<&C::OnHide, &C::SetOnHide>("OnHide"),
          rpString<&C::OnKeyDown, &C::SetOnKeyDown>("OnKeyDown"),
          rpString<&C::OnKeyPress, &C::SetOnKeyPress>("OnKeyPress"),
          rpString<&C::OnKeyUp, &C::SetOnKeyUp>("OnKeyUp"),
          rpString<&C::OnMouseDown, &C::SetOnMouseDown>("OnMouseDown"),
          rpString<&C::OnMouseMove, &C::SetOnMouseMove>("OnMouseMove"),
          rpString<&C::OnMouseUp, &C::SetOnMouseUp>("OnMouseUp"),
          rpString<&C::OnResize, &C::SetOnResize>("OnResize"),
          rpString<&C::OnShow, &C::SetOnShow>("OnShow"),
      });
  return info;
}

const TrpClassInfo& TrpDialogPage::ClassInfo() const { return StaticClassInfo(); }

QString TrpDialogPage::GetDescription() const {
  return rpResources()->Get(QStringLiteral("obDlgPage"));
}

void TrpDialogPage::SetModalResult(int value) {
  FModalResult = value;
  if (value != mrNone && OnModalResult) OnModalResult(value);
}

int TrpDialogPage::ShowModal() {
  const auto& show = rpReportServices().ShowDialogPage;
  TrpCustomReport* report = Report();
  if (!show || !report)
    throw TrpError(QStringLiteral("The dialog \"%1\" cannot be shown: this program has no windows")
                       .arg(Name()));
  FModalResult = mrNone;
  FModalResult = show(*report, *this);
  return FModalResult;
}
