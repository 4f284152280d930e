// stroval-report: the report subsystem without the window, for scripts, servers and CI.
#include <QGuiApplication>
#include <QTextStream>

#include <cstdio>

#include "cli/report_tool.h"

int main(int argc, char* argv[]) {
  // Text objects need fonts, which need a GUI application; no display is needed or wanted.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  rpStartReportTool();
  QTextStream out(stdout);
  QTextStream err(stderr);
  QStringList arguments = app.arguments();
  arguments.removeFirst();
  const int code = rpRunReportTool(arguments, out, err);
  out.flush();
  err.flush();
  return code;
}
