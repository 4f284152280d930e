// The published properties of the report component, in the order report files write them.
#include "report/component/report.h"
#include "report/datasets/data_set.h"
#include "report/objects/class_info.h"
#include "report/objects/property_builders.h"
#include "report/options/engine_options.h"
#include "report/options/preview_options.h"
#include "report/options/print_options.h"
#include "report/options/report_options.h"

const TrpClassInfo& TrpReport::StaticClassInfo() {
  using C = TrpReport;
  static const TrpClassInfo info(
      "TrpReport", &TrpCustomReport::StaticClassInfo(), nullptr,
      {
          rpString<&C::Version, &C::SetVersion>("Version"),
          rpString<&C::ParentReport, &C::SetParentReport>("ParentReport"),
          rpReference<&C::DataSet, &C::SetDataSet>("DataSet"),
          rpString<&C::DataSetName, &C::SetDataSetName>("DataSetName"),
          rpBoolean<&C::DotMatrixReport, &C::SetDotMatrixReport>("DotMatrixReport"),
          rpObject<&C::EngineOptions>("EngineOptions"),
          rpString<&C::IniFile, &C::SetIniFile>("IniFile"),
          rpBoolean<&C::OldStyleProgress, &C::SetOldStyleProgress>("OldStyleProgress", false),
          rpObject<&C::PreviewOptions>("PreviewOptions"),
          rpObject<&C::PrintOptions>("PrintOptions"),
          rpObject<&C::ReportOptions>("ReportOptions"),
          rpString<&C::ScriptLanguage, &C::SetScriptLanguage>("ScriptLanguage"),
          rpStrings<&C::ScriptText, &C::SetScriptText>("ScriptText"),
          rpBoolean<&C::ShowProgress, &C::SetShowProgress>("ShowProgress", true),
          rpBoolean<&C::StoreInDFM, &C::SetStoreInDFM>("StoreInDFM", true),
          rpString<&C::OnRunDialogs, &C::SetOnRunDialogs>("OnRunDialogs"),
          rpString<&C::OnStartReport, &C::SetOnStartReport>("OnStartReport"),
          rpString<&C::OnStopReport, &C::SetOnStopReport>("OnStopReport"),
          rpString<&C::OnReportPrint, &C::SetOnReportPrint>("OnReportPrint"),
      });
  return info;
}

const TrpClassInfo& TrpReport::ClassInfo() const { return StaticClassInfo(); }
