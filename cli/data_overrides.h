#pragma once
// The command line's say over a report's data: --data ALIAS=FILE.csv reads the data set ALIAS
// from a CSV file instead of what the report names, --connection NAME=DRIVER:DATABASE points a
// connection elsewhere (with --host, --port and --user). File names are taken as the user typed
// them, from the current folder. --script-timeout SECONDS limits each run of the report's script.
// Problems are written to `err`.
class QTextStream;
class TrpReport;
struct TrpCommandLine;

bool rpApplyDataOverrides(TrpReport& report, const TrpCommandLine& line, QTextStream& err);
