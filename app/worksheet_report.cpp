#include "app/worksheet_report.h"

#include <QFile>
#include <QtGlobal>

#include "app/text_font.h"
#include "report/model/report.h"
#include "report/model/report_classes.h"
#include "report/model/report_font.h"
#include "report/store/xml_serializer.h"

// The template lives in a static library: its resources must be named to be linked in.
static void InitWorksheetResources() { Q_INIT_RESOURCE(worksheet_template); }

namespace stroval {

namespace {

constexpr int kScreenPixelsPerInch = 96;

// Qt fonts give either points or pixels; report fonts count whole points.
int PointsOf(const QFont& font) {
  if (font.pointSizeF() > 0) return qRound(font.pointSizeF());
  return qRound(font.pixelSize() * 72.0 / kScreenPixelsPerInch);
}

TColor BgrOf(const QColor& color) {
  return TColor(color.red() | (color.green() << 8) | (color.blue() << 16));
}

}  // namespace

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

void AssignReportFont(TrpFont& result, const TextFont& font) {
  result.SetName(font.font.family());
  result.SetSize(PointsOf(font.font));
  TFontStyles style;
  if (font.font.bold()) style.Include(fsBold);
  if (font.font.italic()) style.Include(fsItalic);
  if (font.font.underline()) style.Include(fsUnderline);
  if (font.font.strikeOut()) style.Include(fsStrikeout);
  result.SetStyle(style);
  result.SetColor(BgrOf(font.color));
  result.SetCharset(rpCharset);
}

}  // namespace stroval
