// What the preview tells the report of the pointer over its objects: clicks that may change the
// clicked object, and the pointer entering and leaving objects.
#include "report/component/report.h"

#include "report/objects/custom_report_script.h"
#include "report/views/view.h"

bool TrpReport::DoPreviewClick(TrpView* object, Qt::MouseButton button, Qt::KeyboardModifiers shift,
                               bool doubleClick) {
  if (!object) return false;
  bool modified = false;
  const QString& procedure = doubleClick ? object->OnPreviewDblClick() : object->OnPreviewClick();
  if (!procedure.isEmpty()) {
    TrpCustomReportScript* script = ReportScript();
    std::vector<ScriptValue> args{script ? script->ObjectValue(object) : ScriptValue(), ScriptValue(static_cast<int>(button)),
                                  ScriptValue(static_cast<int>(shift.toInt())), ScriptValue(false)};
    DoParamEvent(procedure, args);
    modified = args.back().ToBool();
  }
  const auto& callback = doubleClick ? OnDblClickObject : OnClickObject;
  if (callback) callback(object, button, shift, modified);
  return modified;
}

void TrpReport::DoMouseEnter(TrpView* object) {
  if (!object) return;
  if (OnMouseEnter) OnMouseEnter(object);
  DoNotifyEvent(object, object->OnMouseEnter());
}

void TrpReport::DoMouseLeave(TrpView* object) {
  if (!object) return;
  if (OnMouseLeave) OnMouseLeave(object);
  DoNotifyEvent(object, object->OnMouseLeave());
}
