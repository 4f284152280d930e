#include "report/res/resources.h"
#include "report/res/resources_private.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QObject>
#include <QUrl>

namespace {

struct HelpTopic {
  const char* formClass;
  const char* page;
};

// Forms of the report designer and the page of the help file that describes each.
constexpr HelpTopic kHelpTopics[] = {
    {"TrpDesignerForm", "Designer.htm"},
    {"TrpOptionsEditor", "Designer_options.htm"},
    {"TrpReportEditorForm", "Report_options.htm"},
    {"TrpPageEditorForm", "Page_options.htm"},
    {"TrpCrossEditorForm", "Cross_tab_reports.htm"},
    {"TrpChartEditorForm", "Diagrams.htm"},
    {"TrpSyntaxMemo", "Script.htm"},
    {"TrpDialogPage", "Dialogue_forms.htm"},
    {"TrpDialogComponent", "Data_access_components.htm"},
    {"TrpVarEditorForm", "Variables.htm"},
    {"TrpHighlightEditorForm", "Conditional_highlighting.htm"},
    {"TrpSysMemoEditorForm", "Inserting_aggregate_function.htm"},
    {"TrpFormatEditorForm", "Values_formatting.htm"},
    {"TrpGroupEditorForm", "Report_with_groups.htm"},
    {"TrpPictureEditorForm", "Picture_object.htm"},
    {"TrpMemoEditorForm", "Text_object.htm"},
    {"TrpSQLEditorForm", "TrpADOQuery.htm"},
};

QString helpPage(const QObject* sender) {
  if (!sender) return {};
  const QLatin1String className(sender->metaObject()->className());
  for (const auto& topic : kHelpTopics) {
    if (className.compare(QLatin1String(topic.formClass), Qt::CaseInsensitive) == 0) {
      return QString::fromLatin1(topic.page);
    }
  }
  return {};
}

QString helpFilePath(const QString& helpFile) { return QDir(rpProgramFolder()).filePath(helpFile); }

}  // namespace

const QString& TrpResources::HelpFile() const { return d->helpFile; }

void TrpResources::SetHelpFile(const QString& fileName) { d->helpFile = fileName; }

QString TrpResources::HelpTarget(const QObject* sender) const {
  QString target = helpFilePath(d->helpFile);
  const QString page = helpPage(sender);
  if (!page.isEmpty()) target += QStringLiteral("::/") + page;
  return target;
}

bool TrpResources::Help(const QObject* sender) const {
  // The desktop viewer opens the file itself; a topic inside a compiled help file cannot be
  // passed on, so the viewer shows the file from its start.
  Q_UNUSED(sender);
  const QString file = helpFilePath(d->helpFile);
  if (!QFileInfo(file).isFile()) return false;
  return QDesktopServices::openUrl(QUrl::fromLocalFile(file));
}
