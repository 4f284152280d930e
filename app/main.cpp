// Program start: the application object, the report subsystem's language, the worksheet window,
// the message loop; or, with a file named on the command line (`stroval FILE`), that report in
// the preview window. --version and --help are answered before any window system is touched.
#include <QTimer>
#include <cstdio>

#include "app/app_icon.h"
#include "app/guarded_application.h"
#include "app/open_report_file.h"
#include "app/program_options.h"
#include "app/report_language.h"
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

// Prints the usage or the version for a command line that asks only for them.
int AnswerInformation(int argc, char* argv[]) {
  QStringList arguments;
  for (int i = 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  const stroval::ProgramOptions options = stroval::ParseProgramOptions(arguments);
  const QString text = options.Help ? stroval::ProgramUsage() : stroval::ProgramVersion();
  std::fputs(qPrintable(text), stdout);
  return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (stroval::AsksForInformationOnly(argc, argv)) return AnswerInformation(argc, argv);
  stroval::GuardedApplication application(argc, argv);
  application.setWindowIcon(stroval::AppIcon());
  QGuiApplication::setDesktopFileName(QStringLiteral("stroval"));
  const stroval::ProgramOptions options = stroval::ParseProgramOptions(QCoreApplication::arguments().mid(1));
  if (!options.Problem.isEmpty()) {
    std::fprintf(stderr, "stroval: %s\n\n%s", qPrintable(options.Problem), qPrintable(stroval::ProgramUsage()));
    return 2;
  }
  QString problem;
  stroval::ChooseReportLanguage(options.Language, QLocale::system(), &problem);
  if (!problem.isEmpty()) std::fprintf(stderr, "stroval: %s\n", qPrintable(problem));
  rpInstallReportServices();
  rpInstallPreview();
  if (!options.File.isEmpty()) return stroval::ShowReportFile(options.File);
  stroval::TForm19 window;
  SaveScreenshotWhenReady(window);
  window.show();
  window.activateWindow();  // the main window starts active, so the grid is built at once
  return application.exec();
}
