#include "script_engine/front/languages.h"

#include <QMutex>
#include <QMutexLocker>

#include <utility>
#include <vector>

#include "script_engine/front/script_error.h"
#include "script_engine/front/script_messages.h"

namespace {

struct Registry {
  QMutex lock;
  std::vector<std::pair<QString, QString>> entries;  // name, grammar; in registration order
};

// Built on first use, with the four built-in syntaxes already in it, so no caller can see the
// registry without them (static libraries give no dependable start-up order otherwise).
Registry& registry() {
  static Registry r;
  static const bool builtIns = [] {
    r.entries.emplace_back(QStringLiteral("PascalScript"), QString::fromUtf8(scPascalGrammar()));
    r.entries.emplace_back(QStringLiteral("C++Script"), QString::fromUtf8(scCppGrammar()));
    r.entries.emplace_back(QStringLiteral("BasicScript"), QString::fromUtf8(scBasicGrammar()));
    r.entries.emplace_back(QStringLiteral("JScript"), QString::fromUtf8(scJScriptGrammar()));
    return true;
  }();
  (void)builtIns;
  return r;
}

}  // namespace

void scRegisterLanguage(const QString& name, const QString& grammar) {
  Registry& r = registry();
  QMutexLocker locker(&r.lock);
  for (auto& entry : r.entries)
    if (entry.first.compare(name, Qt::CaseInsensitive) == 0) {
      entry.second = grammar;
      return;
    }
  r.entries.emplace_back(name, grammar);
}

QString scGetLanguage(const QString& name) {
  Registry& r = registry();
  QMutexLocker locker(&r.lock);
  for (const auto& entry : r.entries)
    if (entry.first.compare(name, Qt::CaseInsensitive) == 0) return entry.second;
  QString message = scMessages::Text(QStringLiteral("SLangNotFound"));
  throw ScriptError(message.replace(QLatin1String("%s"), name));
}

QStringList scLanguageNames() {
  Registry& r = registry();
  QMutexLocker locker(&r.lock);
  QStringList names;
  for (const auto& entry : r.entries) names << entry.first;
  return names;
}
