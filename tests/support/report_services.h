#pragma once
// Installs the report services the application installs at start-up (classes, serializer,
// prepared-pages store, engine, script binding, compiler) for tests and benchmarks that run
// reports through the real code. The preview is left to the callers that need windows.
#include "report/engine/install_engine.h"
#include "report/engine/report_script.h"
#include "report/model/report_classes.h"
#include "report/store/install_preview_pages.h"
#include "report/store/xml_serializer.h"
#include "script/compiler.h"

inline void InstallReportServices() {
  rpRegisterReportClasses();
  rpInstallXMLSerializer();
  rpInstallPreviewPages();
  rpInstallEngine();
  rpInstallReportScript();
  scInstallCompiler();
}
