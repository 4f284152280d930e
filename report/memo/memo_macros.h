#pragma once
// The two macros a text object resolves only when it is drawn, because their values are known
// only then: "[TotalPages#]" (the number of prepared pages) and "[CopyName#]" (the name of the
// copy being printed, from the global variable "CopyName" followed by the copy number). Both are
// matched without regard to case, every occurrence.
#include <QString>

#include <functional>
#include <optional>

extern const QString rpTotalPagesMacro;  // "[TotalPages#]"
extern const QString rpCopyNameMacro;    // "[CopyName#]"

// The text of a global report variable, or nothing when there is no such variable. The variables
// live above the report objects; the engine installs the lookup at start-up.
using TrpGlobalVariableLookup = std::function<std::optional<QString>(const QString& name)>;
void rpSetGlobalVariableLookup(TrpGlobalVariableLookup lookup);

// Replaces every macro in `text`; false when there was none.
bool rpResolveMemoMacros(QString& text, int totalPages, int copyNo);
