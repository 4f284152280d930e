#pragma once
// The process-wide registry of script languages: each entry is a syntax name and its grammar
// document (an XML text). Names are compared regardless of case. The four built-in syntaxes
// ("PascalScript", "C++Script", "BasicScript", "JScript") are registered before the registry is
// first used.
#include <QString>
#include <QStringList>

// Adds the grammar under name, or replaces the grammar of an entry with that name.
void scRegisterLanguage(const QString& name, const QString& grammar);
// The grammar registered under name; raises ScriptError "Language '<name>' not found" otherwise.
QString scGetLanguage(const QString& name);
// The registered names, in registration order.
QStringList scLanguageNames();

// The built-in grammar texts (also what the registry starts with).
const char* scPascalGrammar();
const char* scCppGrammar();
const char* scBasicGrammar();
const char* scJScriptGrammar();
