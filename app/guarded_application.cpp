#include "app/guarded_application.h"

#include "app/dialogs.h"
#include "report/objects/report_error.h"

namespace stroval {

bool DeliverShowingErrors(const std::function<bool()>& deliver,
                          const std::function<void(const QString&)>& show) {
  try {
    return deliver();
  } catch (const std::exception& e) {
    show(rpErrorText(e));
  } catch (...) {
    show(QStringLiteral("An unknown error occurred."));
  }
  return false;
}

GuardedApplication::GuardedApplication(int& argc, char** argv, Dialogs* dialogs)
    : QApplication(argc, argv), FDialogs(dialogs) {
  if (!FDialogs) {
    FOwnDialogs = std::make_unique<QtDialogs>();
    FDialogs = FOwnDialogs.get();
  }
}

GuardedApplication::~GuardedApplication() = default;

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
  return DeliverShowingErrors([&] { return QApplication::notify(receiver, event); },
                              [this](const QString& text) {
                                FDialogs->ShowMessage(activeWindow(), QStringLiteral("Error"), text,
                                                      Dialogs::Icon::Error);
                              });
}

}  // namespace stroval
