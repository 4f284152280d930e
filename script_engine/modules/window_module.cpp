// The window-system module.
#include "script_engine/modules/window_module.h"

#include <QCoreApplication>

#include "script_engine/interpreter/events.h"
#include "script_engine/modules/class_binding.h"
#include "script_engine/modules/system_dialogs.h"

namespace {

constexpr TscIntConstant kConstants[] = {
    // Modal results.
    {"mrNone", 0}, {"mrOk", 1}, {"mrCancel", 2}, {"mrAbort", 3}, {"mrRetry", 4}, {"mrIgnore", 5},
    {"mrYes", 6}, {"mrNo", 7}, {"mrAll", 8}, {"mrNoToAll", 9}, {"mrYesToAll", 10},
    // Cursor shapes.
    {"crDefault", 0}, {"crNone", -1}, {"crArrow", -2}, {"crCross", -3}, {"crIBeam", -4},
    {"crSize", -22}, {"crSizeNESW", -6}, {"crSizeNS", -7}, {"crSizeNWSE", -8}, {"crSizeWE", -9},
    {"crUpArrow", -10}, {"crHourGlass", -11}, {"crDrag", -12}, {"crNoDrop", -13},
    {"crHSplit", -14}, {"crVSplit", -15}, {"crMultiDrag", -16}, {"crSQLWait", -17}, {"crNo", -18},
    {"crAppStart", -19}, {"crHelp", -20}, {"crHandPoint", -21}, {"crSizeAll", -22},
    // Border styles.
    {"bsNone", 0}, {"bsSingle", 1}, {"bsSizeable", 2}, {"bsDialog", 3}, {"bsToolWindow", 4},
    {"bsSizeToolWin", 5},
    // Virtual keys.
    {"VK_RBUTTON", 2}, {"VK_CANCEL", 3}, {"VK_MBUTTON", 4}, {"VK_BACK", 8}, {"VK_TAB", 9},
    {"VK_RETURN", 13}, {"VK_SHIFT", 16}, {"VK_CONTROL", 17}, {"VK_MENU", 18}, {"VK_PAUSE", 19},
    {"VK_CAPITAL", 20}, {"VK_ESCAPE", 27}, {"VK_SPACE", 32}, {"VK_PRIOR", 33}, {"VK_NEXT", 34},
    {"VK_END", 35}, {"VK_HOME", 36}, {"VK_LEFT", 37}, {"VK_UP", 38}, {"VK_RIGHT", 39},
    {"VK_DOWN", 40}, {"VK_INSERT", 45}, {"VK_DELETE", 46}, {"VK_HELP", 47}, {"VK_LWIN", 91},
    {"VK_RWIN", 92}, {"VK_APPS", 93}, {"VK_NUMPAD0", 96}, {"VK_NUMPAD1", 97}, {"VK_NUMPAD2", 98},
    {"VK_NUMPAD3", 99}, {"VK_NUMPAD4", 100}, {"VK_NUMPAD5", 101}, {"VK_NUMPAD6", 102},
    {"VK_NUMPAD7", 103}, {"VK_NUMPAD8", 104}, {"VK_NUMPAD9", 105}, {"VK_MULTIPLY", 106},
    {"VK_ADD", 107}, {"VK_SEPARATOR", 108}, {"VK_SUBTRACT", 109}, {"VK_DECIMAL", 110},
    {"VK_DIVIDE", 111}, {"VK_F1", 112}, {"VK_F2", 113}, {"VK_F3", 114}, {"VK_F4", 115},
    {"VK_F5", 116}, {"VK_F6", 117}, {"VK_F7", 118}, {"VK_F8", 119}, {"VK_F9", 120},
    {"VK_F10", 121}, {"VK_F11", 122}, {"VK_F12", 123}, {"VK_NUMLOCK", 144}, {"VK_SCROLL", 145},
    // Text alignments.
    {"taLeftJustify", 0}, {"taRightJustify", 1}, {"taCenter", 2},
};

constexpr TscEnumeration kEnumerations[] = {
    {"TShiftState", "ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble", true},
    {"TAlign", "alNone, alTop, alBottom, alLeft, alRight, alClient", false},
    {"TMouseButton", "mbLeft, mbRight, mbMiddle", false},
    {"TAnchors", "akLeft, akTop, akRight, akBottom", true},
    {"TBevelCut", "bvNone, bvLowered, bvRaised, bvSpace", false},
    {"TTextLayout", "tlTop, tlCenter, tlBottom", false},
    {"TEditCharCase", "ecNormal, ecUpperCase, ecLowerCase", false},
    {"TScrollStyle", "ssNone, ssHorizontal, ssVertical, ssBoth", false},
    {"TComboBoxStyle", "csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable", false},
    {"TCheckBoxState", "cbUnchecked, cbChecked, cbGrayed", false},
    {"TListBoxStyle", "lbStandard, lbOwnerDrawFixed, lbOwnerDrawVariable", false},
    {"TWindowState", "wsNormal, wsMinimized, wsMaximized", false},
    {"TFormStyle", "fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop", false},
    {"TBorderIcons", "biSystemMenu, biMinimize, biMaximize, biHelp", true},
    {"TPosition", "poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter, poDesktopCenter", false},
    {"TCloseAction", "caNone, caHide, caFree, caMinimize", false},
};

void registerNames(TscScript& script) {
  scAddConstants(script, kConstants);
  for (const char* type : {"TFormBorderStyle", "TBorderStyle", "TAlignment", "TLeftRight"})
    script.AddType(QString::fromLatin1(type), fvtInt);
  scAddEnumerations(script, kEnumerations);
}

// --- classes ---


using Control = TscControlObject;
ScriptValue none() { return ScriptValue::Null(); }

template <class Event>
void bindEvent(TscClassVariable* c, const char* name) {
  const QString event = QString::fromLatin1(name);
  c->AddEvent(event, scMakeEvent<Event>, [event](TscHostObject* instance, TscCustomEvent* handler) {
    scSelfAs<Control>(instance, event).SetEventHandler(event, handler);
  });
}

void registerControl(TscClassVariable* c) {
  scBindProperty<Control>(c, "Parent", "TWinControl", [](Control& s) { return s.ParentControl(); });
  scBindMethod<Control>(c, "procedure Hide", [](Control& s, TscArgs&) {
    s.SetVisible(false);
    return none();
  });
  scBindMethod<Control>(c, "procedure Show", [](Control& s, TscArgs&) {
    s.SetVisible(true);
    return none();
  });
  scBindMethod<Control>(c, "procedure SetBounds(ALeft, ATop, AWidth, AHeight: Integer)",
                        [](Control& s, TscArgs& a) {
                          s.SetBounds(a[0].ToInt32(), a[1].ToInt32(), a[2].ToInt32(), a[3].ToInt32());
                          return none();
                        });
  bindEvent<TscCanResizeEvent>(c, "OnCanResize");
  for (const char* name : {"OnClick", "OnDblClick", "OnResize"}) bindEvent<TscNotifyEvent>(c, name);
  bindEvent<TscMouseEvent>(c, "OnMouseDown");
  bindEvent<TscMouseMoveEvent>(c, "OnMouseMove");
  bindEvent<TscMouseEvent>(c, "OnMouseUp");
}

void registerWinControl(TscClassVariable* c) {
  scBindMethod<Control>(c, "procedure SetFocus", [](Control& s, TscArgs&) {
    s.SetFocus();
    return none();
  });
  for (const char* name : {"OnEnter", "OnExit"}) bindEvent<TscNotifyEvent>(c, name);
  bindEvent<TscKeyEvent>(c, "OnKeyDown");
  bindEvent<TscKeyPressEvent>(c, "OnKeyPress");
  bindEvent<TscKeyEvent>(c, "OnKeyUp");
}

void registerItemIndex(TscClassVariable* c) {
  scBindProperty<Control>(
      c, "ItemIndex", "Integer", [](Control& s) { return s.ItemIndex(); },
      [](Control& s, const ScriptValue& v) { s.SetItemIndex(v.ToInt32()); });
}

void registerComboBox(TscClassVariable* c) {
  scBindProperty<Control>(
      c, "DroppedDown", "Boolean", [](Control& s) { return s.DroppedDown(); },
      [](Control& s, const ScriptValue& v) { s.SetDroppedDown(v.ToBool()); });
  registerItemIndex(c);
  for (const char* name : {"OnChange", "OnDropDown", "OnCloseUp"}) bindEvent<TscNotifyEvent>(c, name);
}

void registerListBox(TscClassVariable* c) {
  registerItemIndex(c);
  scBindProperty<Control>(c, "SelCount", "Integer", [](Control& s) {
    return s.ItemIndex() >= 0 ? 1 : 0;
  });
  scBindIndexProperty<Control>(c, "Selected", "Integer", "Boolean", false,
                               [](Control& s, TscArgs& a, bool setting) {
                                 if (setting) s.SetSelected(a[0].ToInt32(), a[1].ToBool());
                                 return s.Selected(a[0].ToInt32());
                               });
}

void registerForm(TscClassVariable* c) {
  scBindMethod<Control>(c, "procedure Close", [](Control& s, TscArgs&) {
    s.Close();
    return none();
  });
  // Hide and Show come from TControl.
  scBindMethod<Control>(c, "function ShowModal: Integer",
                        [](Control& s, TscArgs&) { return ScriptValue(s.ShowModal()); });
  for (const char* name : {"OnActivate", "OnCreate", "OnDestroy", "OnDeactivate", "OnHide", "OnPaint", "OnShow"})
    bindEvent<TscNotifyEvent>(c, name);
  bindEvent<TscCloseEvent>(c, "OnClose");
  bindEvent<TscCloseQueryEvent>(c, "OnCloseQuery");
  scBindProperty<Control>(
      c, "ModalResult", "Integer", [](Control& s) { return s.ModalResult(); },
      [](Control& s, const ScriptValue& v) { s.SetModalResult(v.ToInt32()); });
}

// The one Application object: the running program.
class ApplicationObject : public TscHostObject {
 public:
  const TscHostClass* HostClass() const override { return &scWindowClasses().Application; }
};

void registerApplication(TscScript& script) {
  TscClassVariable* c = script.AddClass(&scWindowClasses().Application, QStringLiteral("TComponent"));
  if (!c) return;
  using App = ApplicationObject;
  scBindMethod<App>(c, "procedure Minimize", [](App&, TscArgs&) {
    scSystemDialogs().MinimizeApplication();
    return none();
  });
  scBindMethod<App>(c, "procedure ProcessMessages", [](App&, TscArgs&) {
    QCoreApplication::processEvents();
    return none();
  });
  scBindMethod<App>(c, "procedure Restore", [](App&, TscArgs&) {
    scSystemDialogs().RestoreApplication();
    return none();
  });
  scBindProperty<App>(c, "ExeName", "String",
                      [](App&) { return QCoreApplication::applicationFilePath(); });
  static ApplicationObject application;
  script.AddObject(QStringLiteral("Application"), &application);
}

void registerClasses(TscScript& script) {
  const TscWindowClasses& w = scWindowClasses();
  struct Entry {
    const TscHostClass& cls;
    const char* ancestor;
    void (*members)(TscClassVariable*);
  };
  const Entry entries[] = {
      {w.Control, "TComponent", registerControl},
      {w.WinControl, "TControl", registerWinControl},
      {w.CustomControl, "TWinControl", nullptr},
      {w.GraphicControl, "TControl", nullptr},
      {w.GroupBox, "TWinControl", nullptr},
      {w.Label, "TControl", nullptr},
      {w.Edit, "TWinControl", nullptr},
      {w.Memo, "TWinControl", nullptr},
      {w.CustomComboBox, "TWinControl", registerComboBox},
      {w.ComboBox, "TCustomComboBox", nullptr},
      {w.Button, "TWinControl", nullptr},
      {w.CheckBox, "TWinControl", nullptr},
      {w.RadioButton, "TWinControl", nullptr},
      {w.CustomListBox, "TWinControl", registerListBox},
      {w.ListBox, "TCustomListBox", nullptr},
      {w.ControlScrollBar, "TPersistent", nullptr},
      {w.ScrollingWinControl, "TWinControl", nullptr},
      {w.ScrollBox, "TScrollingWinControl", nullptr},
      {w.CustomForm, "TScrollingWinControl", registerForm},
      {w.Form, "TCustomForm", nullptr},
      {w.DataModule, "TComponent", nullptr},
  };
  for (const Entry& e : entries) {
    TscClassVariable* c = script.AddClass(&e.cls, QString::fromLatin1(e.ancestor));
    if (c && e.members) e.members(c);
  }
  registerApplication(script);
}

class WindowModule : public TscRTTIModule {
 public:
  explicit WindowModule(TscScript* script) : TscRTTIModule(script) {
    registerNames(*script);
    registerClasses(*script);
  }
};

}  // namespace

const TscWindowClasses& scWindowClasses() {
  static const TscWindowClasses classes;
  return classes;
}

TscRTTIModule* scCreateWindowModule(TscScript* script) { return new WindowModule(script); }
