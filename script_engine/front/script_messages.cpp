#include "script_engine/front/script_messages.h"

#include <QHash>

namespace {

using scMessages::BuiltInText;

// The texts a user sees unless a language file translates them.
constexpr BuiltInText kDefaults[] = {
    {"SLangNotFound", "Language '%s' not found"},
    {"SInvalidLanguage", "Invalid language definition"},
    {"SIdRedeclared", "Identifier redeclared: "},
    {"SUnknownType", "Unknown type: "},
    {"SIncompatibleTypes", "Incompatible types"},
    {"SIdUndeclared", "Undeclared identifier: "},
    {"SClassRequired", "Class type required"},
    {"SIndexRequired", "Index required"},
    {"SStringError", "Strings do not have properties or methods"},
    {"SClassError", "Class %s does not have a default property"},
    {"SArrayRequired", "Array type required"},
    {"SVarRequired", "Variable required"},
    {"SNotEnoughParams", "Not enough actual parameters"},
    {"STooManyParams", "Too many actual parameters"},
    {"SLeftCantAssigned", "Left side cannot be assigned to"},
    {"SForError", "For loop variable must be numeric variable"},
    {"SEventError", "Event handler must be a procedure"},
};

QHash<QString, QString>& table() {
  static QHash<QString, QString> messages = [] {
    QHash<QString, QString> m;
    for (const auto& d : kDefaults) m.insert(QString::fromLatin1(d.name), QString::fromLatin1(d.text));
    return m;
  }();
  return messages;
}

}  // namespace

namespace scMessages {

std::span<const BuiltInText> BuiltInTexts() { return kDefaults; }

const QStringList& Names() {
  static const QStringList names = [] {
    QStringList n;
    for (const auto& d : kDefaults) n << QString::fromLatin1(d.name);
    return n;
  }();
  return names;
}

QString Text(const QString& name) { return table().value(name); }

void SetText(const QString& name, const QString& text) {
  auto it = table().find(name);
  if (it != table().end()) *it = text;
}

void Reset() {
  for (const auto& d : kDefaults) table()[QString::fromLatin1(d.name)] = QString::fromLatin1(d.text);
}

}  // namespace scMessages
