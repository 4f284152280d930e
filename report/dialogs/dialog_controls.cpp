// The controls of dialog pages and their published properties.
#include "report/dialogs/dialog_controls.h"

#include "report/dialogs/dialog_page.h"
#include "report/objects/class_info.h"
#include "report/objects/class_registry.h"
#include "report/objects/property_builders.h"

namespace {

constexpr TrpEnumValue kComboBoxStyles[] = {{"csDropDown", csDropDown},
                                            {"csSimple", csSimple},
                                            {"csDropDownList", csDropDownList},
                                            {"csOwnerDrawFixed", csOwnerDrawFixed},
                                            {"csOwnerDrawVariable", csOwnerDrawVariable}};

template <class Control>
TrpComponent* create(TrpComponent* owner) {
  return new Control(owner);
}

}  // namespace

const TrpEnumType rpComboBoxStyleType{"TComboBoxStyle", kComboBoxStyles};

TrpDialogControl::TrpDialogControl(TrpComponent* owner) : TrpReportComponent(owner) {
  SetWidth(100);
  SetHeight(24);
}

const TrpClassInfo& TrpDialogControl::StaticClassInfo() {
  using C = TrpDialogControl;
  static const TrpClassInfo info(
      "TrpDialogControl", &TrpReportComponent::StaticClassInfo(), nullptr,
      {
          rpPublish("Left"), rpPublish("Top"), rpPublish("Width"), rpPublish("Height"),
          rpPublish("Font"), rpPublish("ParentFont"),
          rpBoolean<&C::Enabled, &C::SetEnabled>("Enabled", true),
          rpString<&C::OnClick, &C::SetOnClick>("OnClick"),
      });
  return info;
}
const TrpClassInfo& TrpDialogControl::ClassInfo() const { return StaticClassInfo(); }

TrpLabelControl::TrpLabelControl(TrpComponent* owner) : TrpDialogControl(owner) {}
const TrpClassInfo& TrpLabelControl::StaticClassInfo() {
  using C = TrpLabelControl;
  static const TrpClassInfo info("TrpLabelControl", &TrpDialogControl::StaticClassInfo(), &create<C>,
                                 {rpString<&C::Caption, &C::SetCaption>("Caption")});
  return info;
}
const TrpClassInfo& TrpLabelControl::ClassInfo() const { return StaticClassInfo(); }

TrpEditControl::TrpEditControl(TrpComponent* owner) : TrpDialogControl(owner) {}
const TrpClassInfo& TrpEditControl::StaticClassInfo() {
  using C = TrpEditControl;
  static const TrpClassInfo info("TrpEditControl", &TrpDialogControl::StaticClassInfo(), &create<C>,
                                 {rpString<&C::Text, &C::SetText>("Text"),
                                  rpInteger<&C::MaxLength, &C::SetMaxLength>("MaxLength", 0),
                                  rpString<&C::OnChange, &C::SetOnChange>("OnChange")});
  return info;
}
const TrpClassInfo& TrpEditControl::ClassInfo() const { return StaticClassInfo(); }

TrpButtonControl::TrpButtonControl(TrpComponent* owner) : TrpDialogControl(owner) { SetWidth(75); }
const TrpClassInfo& TrpButtonControl::StaticClassInfo() {
  using C = TrpButtonControl;
  static const TrpClassInfo info("TrpButtonControl", &TrpDialogControl::StaticClassInfo(), &create<C>,
                                 {rpString<&C::Caption, &C::SetCaption>("Caption"),
                                  rpInteger<&C::ModalResult, &C::SetModalResult>("ModalResult", 0),
                                  rpBoolean<&C::Default, &C::SetDefault>("Default", false)});
  return info;
}
const TrpClassInfo& TrpButtonControl::ClassInfo() const { return StaticClassInfo(); }

TrpCheckBoxControl::TrpCheckBoxControl(TrpComponent* owner) : TrpDialogControl(owner) {}
const TrpClassInfo& TrpCheckBoxControl::StaticClassInfo() {
  using C = TrpCheckBoxControl;
  static const TrpClassInfo info("TrpCheckBoxControl", &TrpDialogControl::StaticClassInfo(), &create<C>,
                                 {rpString<&C::Caption, &C::SetCaption>("Caption"),
                                  rpBoolean<&C::Checked, &C::SetChecked>("Checked", false)});
  return info;
}
const TrpClassInfo& TrpCheckBoxControl::ClassInfo() const { return StaticClassInfo(); }

TrpComboBoxControl::TrpComboBoxControl(TrpComponent* owner) : TrpDialogControl(owner) {}
const TrpClassInfo& TrpComboBoxControl::StaticClassInfo() {
  using C = TrpComboBoxControl;
  static const TrpClassInfo info(
      "TrpComboBoxControl", &TrpDialogControl::StaticClassInfo(), &create<C>,
      {rpStrings<&C::Items, &C::SetItems>("Items"), rpInteger<&C::ItemIndex, &C::SetItemIndex>("ItemIndex", -1),
       rpString<&C::Text, &C::SetText>("Text"),
       rpEnum<&C::Style, &C::SetStyle>("Style", rpComboBoxStyleType, csDropDown),
       rpString<&C::OnChange, &C::SetOnChange>("OnChange")});
  return info;
}
const TrpClassInfo& TrpComboBoxControl::ClassInfo() const { return StaticClassInfo(); }

void TrpComboBoxControl::SetItemIndex(int value) {
  FItemIndex = value >= 0 && value < FItems.size() ? value : -1;
  if (FItemIndex >= 0) FText = FItems.at(FItemIndex);
}

void TrpComboBoxControl::SetText(const QString& value) {
  FText = value;
  FItemIndex = int(FItems.indexOf(value));
}

void rpRegisterDialogClasses() {
  for (const TrpClassInfo* cls :
       {&TrpDialogPage::StaticClassInfo(), &TrpLabelControl::StaticClassInfo(),
        &TrpEditControl::StaticClassInfo(), &TrpButtonControl::StaticClassInfo(),
        &TrpCheckBoxControl::StaticClassInfo(), &TrpComboBoxControl::StaticClassInfo()})
    rpRegisterClass(*cls);
}
