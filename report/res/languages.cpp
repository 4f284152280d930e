#include "report/res/languages.h"

#include "report/res/resources_private.h"

#include <QDir>

QStringList rpLanguageFolders() {
  const QString program = rpProgramFolder();
  if (program.isEmpty()) return {};
  return {program, QDir::cleanPath(program + QStringLiteral("/../share/stroval/languages"))};
}

QString rpEnglishLanguage() { return QStringLiteral("English"); }

namespace {

// "zh-Hant-TW" -> {"zh_TW", "zh"}: language and territory (a script between them is passed
// over), then the language alone.
QStringList candidatesOf(const QString& uiLanguage) {
  const QStringList parts = QString(uiLanguage).replace(u'_', u'-').split(u'-', Qt::SkipEmptyParts);
  if (parts.isEmpty()) return {};
  QStringList candidates;
  if (parts.size() > 1) candidates << parts.first() + u'_' + parts.last();
  candidates << parts.first();
  return candidates;
}

}  // namespace

QString rpLanguageForLocale(const QStringList& languages, const QLocale& locale) {
  for (const QString& uiLanguage : locale.uiLanguages()) {
    const QStringList candidates = candidatesOf(uiLanguage);
    if (candidates.isEmpty()) continue;
    if (candidates.last().compare(QLatin1String("en"), Qt::CaseInsensitive) == 0) return {};
    for (const QString& candidate : candidates)
      for (const QString& language : languages)
        if (language.compare(candidate, Qt::CaseInsensitive) == 0) return language;
  }
  return {};
}
