#pragma once
// The window-system module: modal results, cursors, border styles, virtual keys, the control and
// form classes and the Application object; and the dialogs module: the common dialogs and
// MessageDlg, InputBox and InputQuery. Dialogs go through the installed TscSystemDialogs.
//
// The control classes are bound to TscControlObject: a host that shows controls to scripts (the
// report's dialog pages) gives objects of that kind. Constants have the window system's values
// (cursor codes as the preview maps them, virtual-key codes as dialog pages pass them).
#include <QString>

#include "script_engine/modules/classes_module.h"

class TscCustomEvent;

// A control or form a host shows to scripts.
class TscControlObject : public TscPersistentObject {
 public:
  bool AssignFrom(TscHostObject&) override { return false; }
  virtual ScriptValue ParentControl() { return ScriptValue(0); }
  virtual void SetVisible(bool visible) = 0;
  virtual void SetBounds(int left, int top, int width, int height) = 0;
  virtual void SetFocus() {}
  // Attaches (or, with nullptr, detaches) the script's handler of an event ("OnClick", ...).
  virtual void SetEventHandler(const QString& event, TscCustomEvent* handler) = 0;
  // Combo and list boxes.
  virtual int ItemIndex() const { return -1; }
  virtual void SetItemIndex(int) {}
  virtual bool DroppedDown() const { return false; }
  virtual void SetDroppedDown(bool) {}
  virtual bool Selected(int index) const { return index == ItemIndex(); }
  virtual void SetSelected(int index, bool selected) {
    if (selected) SetItemIndex(index);
  }
  // Forms.
  virtual int ShowModal() { return 0; }
  virtual void Close() { SetVisible(false); }
  virtual int ModalResult() const { return 0; }
  virtual void SetModalResult(int) {}
};

// The host classes of the module: a host's control objects take theirs from here.
struct TscWindowClasses {
  const TscGeneralClasses& g = scGeneralClasses();
  TscHostClass Control{QStringLiteral("TControl"), &g.Component};
  TscHostClass WinControl{QStringLiteral("TWinControl"), &Control};
  TscHostClass CustomControl{QStringLiteral("TCustomControl"), &WinControl};
  TscHostClass GraphicControl{QStringLiteral("TGraphicControl"), &Control};
  TscHostClass GroupBox{QStringLiteral("TGroupBox"), &WinControl};
  TscHostClass Label{QStringLiteral("TLabel"), &Control};
  TscHostClass Edit{QStringLiteral("TEdit"), &WinControl};
  TscHostClass Memo{QStringLiteral("TMemo"), &WinControl};
  TscHostClass CustomComboBox{QStringLiteral("TCustomComboBox"), &WinControl};
  TscHostClass ComboBox{QStringLiteral("TComboBox"), &CustomComboBox};
  TscHostClass Button{QStringLiteral("TButton"), &WinControl};
  TscHostClass CheckBox{QStringLiteral("TCheckBox"), &WinControl};
  TscHostClass RadioButton{QStringLiteral("TRadioButton"), &WinControl};
  TscHostClass CustomListBox{QStringLiteral("TCustomListBox"), &WinControl};
  TscHostClass ListBox{QStringLiteral("TListBox"), &CustomListBox};
  TscHostClass ControlScrollBar{QStringLiteral("TControlScrollBar"), &g.Persistent};
  TscHostClass ScrollingWinControl{QStringLiteral("TScrollingWinControl"), &WinControl};
  TscHostClass ScrollBox{QStringLiteral("TScrollBox"), &ScrollingWinControl};
  TscHostClass CustomForm{QStringLiteral("TCustomForm"), &ScrollingWinControl};
  TscHostClass Form{QStringLiteral("TForm"), &CustomForm};
  TscHostClass DataModule{QStringLiteral("TDataModule"), &g.Component};
  TscHostClass Application{QStringLiteral("TApplication"), &g.Component};
};
const TscWindowClasses& scWindowClasses();

TscRTTIModule* scCreateWindowModule(TscScript* script);
TscRTTIModule* scCreateDialogsModule(TscScript* script);
