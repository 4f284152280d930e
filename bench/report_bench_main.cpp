// Start-up shared by the report benchmarks: a headless GUI application (fonts and painting
// need one) with every report service installed, as the application installs them.
#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include "report/services/install_report_services.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  rpInstallReportServices();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
