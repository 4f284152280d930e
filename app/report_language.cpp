#include "app/report_language.h"

#include "report/res/languages.h"
#include "report/res/resources.h"

namespace stroval {

QString ChooseReportLanguage(const QString& requested, const QLocale& locale, QString* problem) {
  TrpResources* resources = rpResources();
  QString language = requested;
  if (language.isEmpty()) language = rpLanguageForLocale(resources->Languages(), locale);
  if (language.isEmpty()) language = rpEnglishLanguage();
  if (resources->LoadLanguage(language)) return language;
  if (problem) {
    *problem = QStringLiteral("no language \"%1\"; there are: %2").arg(
        language, (QStringList{rpEnglishLanguage()} + resources->Languages()).join(QStringLiteral(", ")));
  }
  resources->LoadLanguage(rpEnglishLanguage());
  return rpEnglishLanguage();
}

}  // namespace stroval
