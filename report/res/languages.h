#pragma once
// Where the language files ("*.rpl") lie, and which of them the user's locale asks for.
#include <QLocale>
#include <QString>
#include <QStringList>

// The folders searched for language files, in order: the program's own folder, then the shared
// data folder of an installed program ("../share/stroval/languages" from the program's folder,
// as /usr/bin and /usr/share). Empty while no application object exists.
QStringList rpLanguageFolders();

// The name of the built-in table, which no file holds.
QString rpEnglishLanguage();

// The language of `languages` (names as TrpResources::Languages() lists them, "Zh_tw" for
// "zh_TW.rpl") that `locale`'s user-interface languages ask for: the first of those languages
// that is English, or that names a file by language and territory ("zh-TW", "zh-Hant-TW") or by
// language alone ("zh"), decides. Empty when English is asked for first or nothing matches.
QString rpLanguageForLocale(const QStringList& languages, const QLocale& locale);
