#include "worksheet/worksheet_template.h"

#include <QFile>

#include "report/component/report.h"
#include "report/component/report_classes.h"
#include "report/store/xml_serializer.h"

// The template lives in a static library: its resources must be named to be linked in.
static void InitWorksheetResources() { Q_INIT_RESOURCE(worksheet_template); }

namespace stroval {

bool LoadWorksheetTemplate(TrpReport& report) {
  InitWorksheetResources();
  rpRegisterReportClasses();
  rpInstallXMLSerializer();
  report.ClearErrors();
  QFile file(QString::fromLatin1(kWorksheetTemplateResource));
  if (!file.open(QIODevice::ReadOnly)) {
    report.AddError(QStringLiteral("Cannot open the worksheet template: %1").arg(file.errorString()));
    return false;
  }
  // The base class's load: clear, then read every attribute. TrpReport's own load would put the
  // program's preview options back over the stored ones.
  try {
    report.TrpComponent::LoadFromStream(file);
  } catch (const std::exception& e) {
    report.AddError(QStringLiteral("Cannot read the worksheet template: %1").arg(QString::fromUtf8(e.what())));
  }
  return report.Errors().isEmpty();
}

}  // namespace stroval
