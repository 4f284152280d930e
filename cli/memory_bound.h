#pragma once
// How much of a preparation's pages the tool keeps in memory: past the bound the pages go to the
// store's file cache (a temporary file), so a report of a million rows prepares in little memory.
class QTextStream;
class TrpReport;
struct TrpCommandLine;

// The bound when --memory-bound is not given, in mebibytes of page records.
inline constexpr int kDefaultMemoryBoundMiB = 64;

// Applies --memory-bound MIB (or its default) to `report`'s engine options: the file cache on,
// with MaxMemSize the bound; "off" leaves the definition's own choice. False, with the reason on
// `err`, for a value that is neither.
bool rpApplyMemoryBound(TrpReport& report, const TrpCommandLine& line, QTextStream& err);
