// What scripts reach of a dialog page beyond its published properties: "function ShowModal:
// Integer", which shows the page as a modal window and answers its modal result, and the public
// property "ModalResult" (setting it while the window is shown closes the window); and of its
// controls, "procedure SetFocus".
#include "report/binding/dialog_page_script.h"

#include "report/binding/script_objects.h"
#include "report/dialogs/dialog_controls.h"
#include "report/dialogs/dialog_page.h"
#include "report/objects/class_info.h"
#include "script_engine/front/script_error.h"
#include "script_engine/interpreter/class_variable.h"
#include "script_engine/interpreter/script.h"

namespace {

TrpDialogPage& dialogPageOf(TscHostObject* instance) {
  auto* object = dynamic_cast<TrpScriptObject*>(instance);
  auto* page = object ? dynamic_cast<TrpDialogPage*>(&object->Object()) : nullptr;
  if (!page) throw ScriptError(QStringLiteral("A dialog page is required"));
  return *page;
}

ScriptValue callShowModal(TscHostObject* instance, const TscHostClass*, const QString&,
                          std::vector<ScriptValue>&) {
  return ScriptValue(dialogPageOf(instance).ShowModal());
}

ScriptValue readModalResult(TscHostObject* instance, const TscHostClass*, const QString&) {
  return ScriptValue(dialogPageOf(instance).ModalResult());
}

void writeModalResult(TscHostObject* instance, const TscHostClass*, const QString&,
                      const ScriptValue& value) {
  dialogPageOf(instance).SetModalResult(value.ToInt32());
}

}  // namespace

void rpAddDialogPageMethods(TscScript& script) {
  if (TscClassVariable* control =
          script.FindClass(QString::fromLatin1(TrpDialogControl::StaticClassInfo().ClassName()));
      control && !control->FindMember(QStringLiteral("SetFocus")))
    control->AddMethod(QStringLiteral("procedure SetFocus"),
                       [](TscHostObject* instance, const TscHostClass*, const QString&, std::vector<ScriptValue>&) {
                         auto* object = dynamic_cast<TrpScriptObject*>(instance);
                         auto* c = object ? dynamic_cast<TrpDialogControl*>(&object->Object()) : nullptr;
                         if (!c) throw ScriptError(QStringLiteral("A dialog control is required"));
                         c->SetFocus();
                         return ScriptValue::Null();
                       });
  TscClassVariable* cls = script.FindClass(QString::fromLatin1(TrpDialogPage::StaticClassInfo().ClassName()));
  if (!cls || cls->FindMember(QStringLiteral("ShowModal"))) return;
  cls->AddMethod(QStringLiteral("function ShowModal: Integer"), TscCallMethod(callShowModal));
  cls->AddProperty(QStringLiteral("ModalResult"), QStringLiteral("Integer"), readModalResult,
                   writeModalResult);
}
