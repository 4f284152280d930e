#pragma once
// The script compiler's message texts. They start as the engine's built-in English texts and are
// replaced from the UI string table whenever that table is (re)loaded, so a translation reaches the
// compiler's error messages too. The built-in texts are written here only: the string table's
// start-up entries for these messages are made from them.
#include <QString>
#include <QStringList>

#include <span>

namespace scMessages {

struct BuiltInText {
  const char* name;
  const char* text;  // English, plain ASCII
};

// The 17 messages with their built-in English texts, in the order of Names().
std::span<const BuiltInText> BuiltInTexts();

// The 17 message names, in the order the string table copies them.
const QStringList& Names();

// The current text of a message; an unknown name yields an empty text.
QString Text(const QString& name);

// Replaces the text of a known message; an unknown name is ignored.
void SetText(const QString& name, const QString& text);

// Restores the built-in texts.
void Reset();

}  // namespace scMessages
