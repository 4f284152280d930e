#pragma once
// The language of the report subsystem's windows (preview, print dialog, progress), chosen once
// at start-up, before anything reads the string table.
#include <QLocale>
#include <QString>

namespace stroval {

// Loads `requested` (English or a language of rpResources()->Languages(), any letter case);
// with nothing requested, the language `locale` asks for, else English. Returns the language
// loaded; a requested language that is not there leaves English and sets `problem`.
QString ChooseReportLanguage(const QString& requested, const QLocale& locale, QString* problem);

}  // namespace stroval
