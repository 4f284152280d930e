#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "worksheet/worksheet_sheet.h"

// The sheet file: a small JSON document of our own ("*.stws") with the title, the word and the
// palette, the sample font, the guide style, the tracing count and every filled cell. It names
// its format and version, so a file of another program or a later version is told apart from a
// damaged one.
namespace stroval {

inline constexpr const char* kSheetFileSuffix = "stws";
inline constexpr int kSheetFileVersion = 1;

QByteArray SheetToJson(const WorksheetSheet& sheet);
// The sheet, or nothing and the reason in `error`.
std::optional<WorksheetSheet> SheetFromJson(const QByteArray& json, QString& error);

// Writes the file whole or not at all; false with the reason in `error`.
bool SaveSheetFile(const WorksheetSheet& sheet, const QString& fileName, QString& error);
std::optional<WorksheetSheet> LoadSheetFile(const QString& fileName, QString& error);

}  // namespace stroval
