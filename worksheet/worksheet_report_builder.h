#pragma once

#include "worksheet/worksheet_sheet.h"

class TrpReport;

// The print command's report building, shared by the window and the batch command: the sheet
// turned into the worksheet template's report (the title, the 32 cells and, with a guide style,
// their guide lines), and a copy of everything 532 units lower on the same page.
namespace stroval {

class MemoTable;

// Tag of the text objects the building adds to the report; the next building frees them.
inline constexpr int kGeneratedMemoTag = 13777;

// Builds `sheet` into `report`, which holds the worksheet template (and perhaps an earlier
// building, which is freed first). `memos`, when given, receives the cell text objects. False
// when the template has no "PageBody" band on a page; the title is set even then.
bool BuildWorksheetReport(TrpReport& report, const WorksheetSheet& sheet, MemoTable* memos = nullptr);

}  // namespace stroval
