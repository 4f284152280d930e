// Widgets for the controls of a dialog page.
#include "report/preview/dialog_control_widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "report/dialogs/dialog_controls.h"
#include "report/dialogs/dialog_page.h"

namespace {

QWidget* labelFor(QWidget& form, TrpLabelControl& label) { return new QLabel(label.Caption(), &form); }

QWidget* editFor(QWidget& form, TrpEditControl& edit, const TrpControlEvent& runEvent) {
  auto* widget = new QLineEdit(edit.Text(), &form);
  if (edit.MaxLength() > 0) widget->setMaxLength(edit.MaxLength());
  QObject::connect(widget, &QLineEdit::textChanged, widget, [&edit, runEvent](const QString& text) {
    edit.SetText(text);
    runEvent(edit, edit.OnChange());
  });
  return widget;
}

QWidget* buttonFor(QWidget& form, TrpButtonControl& button, const TrpControlEvent& runEvent,
                   const std::function<void(int)>& close) {
  auto* widget = new QPushButton(button.Caption(), &form);
  widget->setDefault(button.Default());
  widget->setAutoDefault(button.Default());
  QObject::connect(widget, &QPushButton::clicked, widget, [&button, runEvent, close] {
    if (!runEvent(button, button.OnClick())) return;
    if (button.ModalResult() != mrNone) close(button.ModalResult());
  });
  return widget;
}

QWidget* checkBoxFor(QWidget& form, TrpCheckBoxControl& check, const TrpControlEvent& runEvent) {
  auto* widget = new QCheckBox(check.Caption(), &form);
  widget->setChecked(check.Checked());
  QObject::connect(widget, &QCheckBox::toggled, widget, [&check, runEvent](bool on) {
    check.SetChecked(on);
    runEvent(check, check.OnClick());
  });
  return widget;
}

QWidget* comboBoxFor(QWidget& form, TrpComboBoxControl& combo, const TrpControlEvent& runEvent) {
  auto* widget = new QComboBox(&form);
  widget->addItems(combo.Items());
  widget->setEditable(combo.Style() != csDropDownList);
  if (combo.ItemIndex() >= 0)
    widget->setCurrentIndex(combo.ItemIndex());
  else if (widget->isEditable())
    widget->setEditText(combo.Text());
  else
    widget->setCurrentIndex(-1);
  QObject::connect(widget, &QComboBox::currentTextChanged, widget, [&combo, runEvent](const QString& text) {
    combo.SetText(text);
    runEvent(combo, combo.OnChange());
  });
  return widget;
}

QWidget* widgetFor(QWidget& form, TrpDialogControl& control, const TrpControlEvent& runEvent,
                   const std::function<void(int)>& close) {
  if (auto* label = dynamic_cast<TrpLabelControl*>(&control)) return labelFor(form, *label);
  if (auto* edit = dynamic_cast<TrpEditControl*>(&control)) return editFor(form, *edit, runEvent);
  if (auto* button = dynamic_cast<TrpButtonControl*>(&control)) return buttonFor(form, *button, runEvent, close);
  if (auto* check = dynamic_cast<TrpCheckBoxControl*>(&control)) return checkBoxFor(form, *check, runEvent);
  if (auto* combo = dynamic_cast<TrpComboBoxControl*>(&control)) return comboBoxFor(form, *combo, runEvent);
  return nullptr;
}

}  // namespace

void rpBuildDialogControls(QWidget& form, TrpDialogPage& page, const TrpControlEvent& runEvent,
                           const std::function<void(int)>& close) {
  for (TrpComponent* object : page.Objects()) {
    auto* control = dynamic_cast<TrpDialogControl*>(object);
    if (!control) continue;
    QWidget* widget = widgetFor(form, *control, runEvent, close);
    if (!widget) continue;
    widget->setObjectName(control->Name());
    widget->setGeometry(int(rpRound(control->Left())), int(rpRound(control->Top())),
                        int(rpRound(control->Width())), int(rpRound(control->Height())));
    widget->setEnabled(control->Enabled());
    control->OnSetFocus = [widget] { widget->setFocus(); };
  }
}

void rpReleaseDialogControls(TrpDialogPage& page) {
  for (TrpComponent* object : page.Objects())
    if (auto* control = dynamic_cast<TrpDialogControl*>(object)) control->OnSetFocus = nullptr;
}
