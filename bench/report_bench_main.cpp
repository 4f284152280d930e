// Start-up shared by the report benchmarks: a headless GUI application (fonts and painting
// need one) with every report service installed, as the application installs them.
#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include "report/engine/font_substitutions.h"
#include "report/engine/install_engine.h"
#include "report/engine/report_script.h"
#include "report/model/report_classes.h"
#include "report/store/install_preview_pages.h"
#include "report/store/xml_serializer.h"
#include "script/compiler.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  stroval::RegisterFontSubstitutions();
  rpRegisterReportClasses();
  rpInstallXMLSerializer();
  rpInstallPreviewPages();
  rpInstallEngine();
  rpInstallReportScript();
  scInstallCompiler();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
