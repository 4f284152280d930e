#pragma once
// The controls of a report's dialog page: labels, edits, buttons, check boxes and combo boxes. A
// report keeps what the user entered in them (Text, Checked, ItemIndex), so the report's
// expressions read the answers: "[Edit1.Text]". The dialog's window (report/preview) shows them as
// widgets and writes the answers back; without windows they keep the values stored in the file.
#include <QString>
#include <QStringList>

#include <functional>

#include "report/objects/report_component.h"

enum TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };
extern const TrpEnumType rpComboBoxStyleType;

class TrpDialogControl : public TrpReportComponent {
 public:
  explicit TrpDialogControl(TrpComponent* owner);
  static const TrpClassInfo& StaticClassInfo();
  const TrpClassInfo& ClassInfo() const override;

  const QString& Caption() const { return FCaption; }
  void SetCaption(const QString& value) { FCaption = value; }
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool value) { FEnabled = value; }
  // Script procedures of the control's events.
  const QString& OnClick() const { return FOnClick; }
  void SetOnClick(const QString& value) { FOnClick = value; }
  const QString& OnChange() const { return FOnChange; }
  void SetOnChange(const QString& value) { FOnChange = value; }

  // Gives the control the keyboard focus while its dialog is shown (the window's hook).
  void SetFocus() {
    if (OnSetFocus) OnSetFocus();
  }
  std::function<void()> OnSetFocus;

 private:
  QString FCaption;
  bool FEnabled = true;
  QString FOnClick, FOnChange;
};

class TrpLabelControl : public TrpDialogControl {
 public:
  explicit TrpLabelControl(TrpComponent* owner);
  static const TrpClassInfo& StaticClassInfo();
  const TrpClassInfo& ClassInfo() const override;
};

class TrpEditControl : public TrpDialogControl {
 public:
  explicit TrpEditControl(TrpComponent* owner);
  static const TrpClassInfo& StaticClassInfo();
  const TrpClassInfo& ClassInfo() const override;
  const QString& Text() const { return FText; }
  void SetText(const QString& value) { FText = value; }
  int MaxLength() const { return FMaxLength; }
  void SetMaxLength(int value) { FMaxLength = value; }

 private:
  QString FText;
  int FMaxLength = 0;  // 0: no limit
};

class TrpButtonControl : public TrpDialogControl {
 public:
  explicit TrpButtonControl(TrpComponent* owner);
  static const TrpClassInfo& StaticClassInfo();
  const TrpClassInfo& ClassInfo() const override;
  // Pressing the button closes its dialog with this result (mrNone: it stays open).
  int ModalResult() const { return FModalResult; }
  void SetModalResult(int value) { FModalResult = value; }
  bool Default() const { return FDefault; }
  void SetDefault(bool value) { FDefault = value; }

 private:
  int FModalResult = 0;
  bool FDefault = false;
};

class TrpCheckBoxControl : public TrpDialogControl {
 public:
  explicit TrpCheckBoxControl(TrpComponent* owner);
  static const TrpClassInfo& StaticClassInfo();
  const TrpClassInfo& ClassInfo() const override;
  bool Checked() const { return FChecked; }
  void SetChecked(bool value) { FChecked = value; }

 private:
  bool FChecked = false;
};

class TrpComboBoxControl : public TrpDialogControl {
 public:
  explicit TrpComboBoxControl(TrpComponent* owner);
  static const TrpClassInfo& StaticClassInfo();
  const TrpClassInfo& ClassInfo() const override;
  const QStringList& Items() const { return FItems; }
  void SetItems(const QStringList& value) { FItems = value; }
  // The chosen item (-1: none); setting it also sets Text.
  int ItemIndex() const { return FItemIndex; }
  void SetItemIndex(int value);
  const QString& Text() const { return FText; }
  void SetText(const QString& value);
  TComboBoxStyle Style() const { return FStyle; }
  void SetStyle(TComboBoxStyle value) { FStyle = value; }

 private:
  QStringList FItems;
  int FItemIndex = -1;
  QString FText;
  TComboBoxStyle FStyle = csDropDown;
};

// Registers the dialog page and its controls with the class registry.
void rpRegisterDialogClasses();
