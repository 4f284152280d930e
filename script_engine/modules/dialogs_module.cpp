// The dialogs module: the common dialogs and the message and input boxes, through the installed
// TscSystemDialogs.
#include "script_engine/interpreter/value_ops.h"
#include "script_engine/modules/class_binding.h"
#include "script_engine/modules/system_dialogs.h"
#include "script_engine/modules/window_module.h"

namespace {

constexpr TscEnumeration kEnumerations[] = {
    {"TOpenOptions",
     "ofReadOnly, ofOverwritePrompt, ofHideReadOnly, ofNoChangeDir, ofShowHelp, ofNoValidate, "
     "ofAllowMultiSelect, ofExtensionDifferent, ofPathMustExist, ofFileMustExist, ofCreatePrompt, "
     "ofShareAware, ofNoReadOnlyReturn, ofNoTestFileCreate, ofNoNetworkButton, ofNoLongNames, "
     "ofOldStyleDialog, ofNoDereferenceLinks, ofEnableIncludeNotify, ofEnableSizing",
     true},
    {"TFileEditStyle", "fsEdit, fsComboBox", false},
    {"TColorDialogOptions", "cdFullOpen, cdPreventFullOpen, cdShowHelp, cdSolidColor, cdAnyColor", true},
    {"TFontDialogOptions",
     "fdAnsiOnly, fdTrueTypeOnly, fdEffects, fdFixedPitchOnly, fdForceFontExist, fdNoFaceSel, "
     "fdNoOEMFonts, fdNoSimulations, fdNoSizeSel, fdNoStyleSel, fdNoVectorFonts, fdShowHelp, "
     "fdWysiwyg, fdLimitSize, fdScalableOnly, fdApplyButton",
     true},
    {"TFontDialogDevice", "fdScreen, fdPrinter, fdBoth", false},
    {"TPrintRange", "prAllPages, prSelection, prPageNums", false},
    {"TPrintDialogOptions", "poPrintToFile, poPageNums, poSelection, poWarning, poHelp, poDisablePrintToFile", true},
    {"TMsgDlgType", "mtWarning, mtError, mtInformation, mtConfirmation, mtCustom", false},
    {"TMsgDlgButtons", "mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbAll, mbNoToAll, mbYesToAll, mbHelp", true},
};

struct DialogClasses {
  const TscGeneralClasses& g = scGeneralClasses();
  TscHostClass Common{QStringLiteral("TCommonDialog"), &g.Component};
  TscHostClass Open{QStringLiteral("TOpenDialog"), &Common};
  TscHostClass Save{QStringLiteral("TSaveDialog"), &Common};
  TscHostClass Color{QStringLiteral("TColorDialog"), &Common};
  TscHostClass Font{QStringLiteral("TFontDialog"), &Common};
  TscHostClass Print{QStringLiteral("TPrintDialog"), &Common};
  TscHostClass PrinterSetup{QStringLiteral("TPrinterSetupDialog"), &Common};
};
const DialogClasses& dialogClasses() {
  static const DialogClasses classes;
  return classes;
}

// A common dialog a script made: what it asks and what it answered.
class DialogObject : public TscPersistentObject {
 public:
  explicit DialogObject(const TscHostClass& cls) : FClass(cls) {}
  const TscHostClass* HostClass() const override { return &FClass; }
  bool AssignFrom(TscHostObject&) override { return false; }

  bool Execute() {
    const DialogClasses& d = dialogClasses();
    if (&FClass != &d.Open && &FClass != &d.Save) return false;  // no file to choose
    Request.Save = &FClass == &d.Save;
    return scSystemDialogs().FileDialog(Request);
  }
  TscFileDialogRequest Request;
  int Options = 0;

 private:
  const TscHostClass& FClass;
};

using Dialog = DialogObject;

void registerFileDialog(TscClassVariable* c) {
  struct Text {
    const char* name;
    QString TscFileDialogRequest::*field;
  };
  static const Text kTexts[] = {{"FileName", &TscFileDialogRequest::FileName},
                                {"Filter", &TscFileDialogRequest::Filter},
                                {"InitialDir", &TscFileDialogRequest::InitialDir},
                                {"Title", &TscFileDialogRequest::Title},
                                {"DefaultExt", &TscFileDialogRequest::DefaultExt}};
  for (const Text& t : kTexts)
    scBindProperty<Dialog>(
        c, t.name, "String", [&t](Dialog& s) { return s.Request.*t.field; },
        [&t](Dialog& s, const ScriptValue& v) { s.Request.*t.field = v.ToText(); });
  scBindProperty<Dialog>(
      c, "Options", "TOpenOptions", [](Dialog& s) { return s.Options; },
      [](Dialog& s, const ScriptValue& v) { s.Options = v.ToInt32(); });
}

void registerClasses(TscScript& script) {
  const DialogClasses& d = dialogClasses();
  if (TscClassVariable* common = script.AddClass(&d.Common, QStringLiteral("TComponent"))) {
    scBindConstructor(common, "constructor Create(AOwner: TComponent)", script,
                      [](const TscHostClass& cls, TscMethodHelper&) { return std::make_unique<Dialog>(cls); });
    scBindMethod<Dialog>(common, "function Execute: Boolean",
                         [](Dialog& s, TscArgs&) { return ScriptValue(s.Execute()); });
  }
  for (const TscHostClass* file : {&d.Open, &d.Save})
    if (TscClassVariable* c = script.AddClass(file, QStringLiteral("TCommonDialog"))) registerFileDialog(c);
  for (const TscHostClass* other : {&d.Color, &d.Font, &d.Print, &d.PrinterSetup})
    script.AddClass(other, QStringLiteral("TCommonDialog"));
}

void registerFunctions(TscScript& script) {
  script.AddMethod(
      QStringLiteral("function MessageDlg(Msg: string; DlgType: TMsgDlgType; Buttons: TMsgDlgButtons; HelpCtx: Longint): Integer"),
      [](TscHostObject*, const TscHostClass*, const QString&, TscArgs& a) {
        return ScriptValue(scSystemDialogs().MessageDlg(a[0].ToText(), a[1].ToInt32(), ValueOps::SetBits(a[2])));
      },
      QStringLiteral("ctOther"));
  script.AddMethod(QStringLiteral("function InputBox(ACaption, APrompt, ADefault: string): string"),
                   [](TscHostObject*, const TscHostClass*, const QString&, TscArgs& a) {
                     QString value = a[2].ToText();
                     if (!scSystemDialogs().InputQuery(a[0].ToText(), a[1].ToText(), value))
                       value = a[2].ToText();
                     return ScriptValue(value);
                   },
                   QStringLiteral("ctOther"));
  script.AddMethod(QStringLiteral("function InputQuery(ACaption, APrompt: string; var Value: string): Boolean"),
                   [](TscHostObject*, const TscHostClass*, const QString&, TscArgs& a) {
                     QString value = a[2].ToText();
                     const bool ok = scSystemDialogs().InputQuery(a[0].ToText(), a[1].ToText(), value);
                     if (ok) a[2] = ScriptValue(value);
                     return ScriptValue(ok);
                   },
                   QStringLiteral("ctOther"));
}

class DialogsModule : public TscRTTIModule {
 public:
  explicit DialogsModule(TscScript* script) : TscRTTIModule(script) {
    scAddEnumerations(*script, kEnumerations);
    registerClasses(*script);
    registerFunctions(*script);
  }
};

}  // namespace

TscRTTIModule* scCreateDialogsModule(TscScript* script) { return new DialogsModule(script); }
