#include <QGuiApplication>

#include "report/options/common_error_handler.h"
#include "report/services/install_report_services.h"
#include "tests/fuzz/fuzz_targets.h"

namespace {

// Errors of damaged inputs are expected by the thousand; they are dropped, not shown.
class SilentErrorBox : public TrpErrorBox {
 public:
  void ShowError(const QString&, const QString&) override {}
};

}  // namespace

void rpFuzzSetUp() {
  static bool started = false;
  if (started) return;
  started = true;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  if (!QCoreApplication::instance()) {
    static int argc = 1;
    static char name[] = "stroval-fuzz";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
  }
  static SilentErrorBox box;
  rpSetErrorBox(&box);
  rpInstallReportServices();
}
