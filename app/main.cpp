// Program start: the application object, the worksheet window, the message loop; or, with a file
// named on the command line (`stroval FILE`), that report in the preview window.
#include <QTimer>
#include <cstdio>

#include "app/guarded_application.h"
#include "app/open_report_file.h"
#include "app/screenshot.h"
#include "app/worksheet_window.h"
#include "report/preview/install_preview.h"
#include "report/services/install_report_services.h"

namespace {

// When STROVAL_SCREENSHOT names a file, a picture of the window is saved there once the first
// activation has built the grid (for machines without a screen to look at).
void SaveScreenshotWhenReady(stroval::TForm19& window) {
  const QString path = qEnvironmentVariable("STROVAL_SCREENSHOT");
  if (path.isEmpty()) return;
  QObject::connect(&window, &stroval::TForm19::GridBuilt, &window, [&window, path] {
    // Let the new cells paint before grabbing.
    QTimer::singleShot(200, &window, [&window, path] {
      QString error;
      if (stroval::SaveWindowGrab(&window, path, &error))
        std::fprintf(stderr, "stroval: screenshot saved to %s\n", qPrintable(path));
      else
        std::fprintf(stderr, "stroval: cannot save screenshot %s: %s\n", qPrintable(path),
                     qPrintable(error));
    });
  });
}

}  // namespace

int main(int argc, char* argv[]) {
  stroval::GuardedApplication application(argc, argv);
  rpInstallReportServices();
  rpInstallPreview();
  const QStringList arguments = QCoreApplication::arguments();
  if (arguments.size() > 1) return stroval::ShowReportFile(arguments.at(1));
  stroval::TForm19 window;
  SaveScreenshotWhenReady(window);
  window.show();
  window.activateWindow();  // the main window starts active, so the grid is built at once
  return application.exec();
}
