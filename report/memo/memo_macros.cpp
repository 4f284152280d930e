#include "report/memo/memo_macros.h"

const QString rpTotalPagesMacro = QStringLiteral("[TotalPages#]");
const QString rpCopyNameMacro = QStringLiteral("[CopyName#]");

namespace {
TrpGlobalVariableLookup& lookup() {
  static TrpGlobalVariableLookup instance;
  return instance;
}

bool replaceAll(QString& text, const QString& macro, const QString& value) {
  if (!text.contains(macro, Qt::CaseInsensitive)) return false;
  text.replace(macro, value, Qt::CaseInsensitive);
  return true;
}
}  // namespace

void rpSetGlobalVariableLookup(TrpGlobalVariableLookup value) { lookup() = std::move(value); }

bool rpResolveMemoMacros(QString& text, int totalPages, int copyNo) {
  bool changed = replaceAll(text, rpTotalPagesMacro, QString::number(totalPages));
  if (text.contains(rpCopyNameMacro, Qt::CaseInsensitive)) {
    const std::optional<QString> name =
        lookup() ? lookup()(QStringLiteral("CopyName") + QString::number(copyNo)) : std::nullopt;
    changed |= replaceAll(text, rpCopyNameMacro, name.value_or(QString()));
  }
  return changed;
}
