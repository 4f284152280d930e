// Event adapters.
#include "script_engine/interpreter/events.h"

#include "script_engine/interpreter/host_class.h"
#include "script_engine/interpreter/procedure.h"

bool TscCustomEvent::CallHandler(std::vector<ScriptValue>& args) {
  if (!FHandler || FHandler->FExecuting) return false;
  std::vector<ScriptValue> params;
  FHandler->Invoke(args.data(), int(args.size()), &params);
  for (std::size_t i = 0; i < args.size() && i < params.size(); ++i) args[i] = params[i];
  return true;
}

namespace {
ScriptValue object(TscHostObject* o) {
  return ScriptValue(static_cast<ScriptObject*>(o));
}
}  // namespace

void TscNotifyEvent::DoEvent(TscHostObject* sender) {
  std::vector<ScriptValue> args{object(sender)};
  CallHandler(args);
}

void TscMouseEvent::DoEvent(TscHostObject* sender, int button, int shift, int x, int y) {
  std::vector<ScriptValue> args{object(sender), button, shift, x, y};
  CallHandler(args);
}

void TscMouseMoveEvent::DoEvent(TscHostObject* sender, int shift, int x, int y) {
  std::vector<ScriptValue> args{object(sender), shift, x, y};
  CallHandler(args);
}

void TscKeyEvent::DoEvent(TscHostObject* sender, int& key, int shift) {
  std::vector<ScriptValue> args{object(sender), key, shift};
  if (CallHandler(args)) key = args[1].ToInt32();
}

void TscKeyPressEvent::DoEvent(TscHostObject* sender, QChar& key) {
  std::vector<ScriptValue> args{object(sender), ScriptValue(QString(key))};
  if (CallHandler(args)) {
    QString text = args[1].ToText();
    key = text.isEmpty() ? QChar() : text[0];
  }
}

void TscCloseEvent::DoEvent(TscHostObject* sender, int& action) {
  std::vector<ScriptValue> args{object(sender), action};
  if (CallHandler(args)) action = args[1].ToInt32();
}

void TscCloseQueryEvent::DoEvent(TscHostObject* sender, bool& canClose) {
  std::vector<ScriptValue> args{object(sender), canClose};
  if (CallHandler(args)) canClose = args[1].ToBool();
}

void TscCanResizeEvent::DoEvent(TscHostObject* sender, int& newWidth, int& newHeight,
                                bool& resize) {
  std::vector<ScriptValue> args{object(sender), newWidth, newHeight, resize};
  if (CallHandler(args)) {
    newWidth = args[1].ToInt32();
    newHeight = args[2].ToInt32();
    resize = args[3].ToBool();
  }
}
