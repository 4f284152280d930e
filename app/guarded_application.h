#pragma once
// The application object of the worksheet program. An error raised inside an event handler (a
// button's slot, a timer, a key, a paint) must not leave the handler: Qt cannot carry it through
// its event loop, and the program would end with every unsaved window. It is caught where Qt
// delivers the event and shown in a message box instead; the program goes on.
#include <QApplication>

#include <functional>

namespace stroval {

class Dialogs;

class GuardedApplication : public QApplication {
 public:
  // `dialogs` shows the messages; the system's own dialogs when none is given.
  GuardedApplication(int& argc, char** argv, Dialogs* dialogs = nullptr);
  ~GuardedApplication() override;
  bool notify(QObject* receiver, QEvent* event) override;

 private:
  Dialogs* FDialogs;
  std::unique_ptr<Dialogs> FOwnDialogs;
};

// Runs `deliver`; an exception from it is handed to `show` as text and the result is false.
bool DeliverShowingErrors(const std::function<bool()>& deliver,
                          const std::function<void(const QString&)>& show);

}  // namespace stroval
