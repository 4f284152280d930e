#pragma once
// Event adapters: they turn a host event's arguments into the parameters of a script procedure
// and call it. An event raised while its handler is already running does nothing. By-reference
// arguments (key, action, can-close, sizes) are copied back to the host after the call.
// DoEvent raises ScriptError when the handler fails; host code that calls it from a window-system
// callback catches it there (an exception must not cross the window system's own code).
#include <QChar>

#include <vector>

#include "script_engine/interpreter/value.h"

class TscHostObject;
class TscProcVariable;

class TscCustomEvent {
 public:
  TscCustomEvent(TscHostObject* instance, TscProcVariable* handler)
      : FInstance(instance), FHandler(handler) {}
  virtual ~TscCustomEvent() = default;
  TscHostObject* FInstance;
  TscProcVariable* FHandler;

 protected:
  // Calls the handler with args; false (and args untouched) when it is running already.
  // Afterwards args hold the parameters' final values.
  bool CallHandler(std::vector<ScriptValue>& args);
};

// Makes an adapter of class E (for TscEventHelper).
template <class E>
TscCustomEvent* scMakeEvent(TscHostObject* instance, TscProcVariable* handler) {
  return new E(instance, handler);
}

class TscNotifyEvent : public TscCustomEvent {
 public:
  using TscCustomEvent::TscCustomEvent;
  void DoEvent(TscHostObject* sender);
};
class TscMouseEvent : public TscCustomEvent {
 public:
  using TscCustomEvent::TscCustomEvent;
  void DoEvent(TscHostObject* sender, int button, int shift, int x, int y);
};
class TscMouseMoveEvent : public TscCustomEvent {
 public:
  using TscCustomEvent::TscCustomEvent;
  void DoEvent(TscHostObject* sender, int shift, int x, int y);
};
class TscKeyEvent : public TscCustomEvent {
 public:
  using TscCustomEvent::TscCustomEvent;
  void DoEvent(TscHostObject* sender, int& key, int shift);
};
class TscKeyPressEvent : public TscCustomEvent {
 public:
  using TscCustomEvent::TscCustomEvent;
  void DoEvent(TscHostObject* sender, QChar& key);
};
class TscCloseEvent : public TscCustomEvent {
 public:
  using TscCustomEvent::TscCustomEvent;
  void DoEvent(TscHostObject* sender, int& action);
};
class TscCloseQueryEvent : public TscCustomEvent {
 public:
  using TscCustomEvent::TscCustomEvent;
  void DoEvent(TscHostObject* sender, bool& canClose);
};
class TscCanResizeEvent : public TscCustomEvent {
 public:
  using TscCustomEvent::TscCustomEvent;
  void DoEvent(TscHostObject* sender, int& newWidth, int& newHeight, bool& resize);
};
