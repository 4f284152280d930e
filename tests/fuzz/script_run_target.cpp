// Report scripts from any bytes, in the syntax the first byte chooses: compiled and run as the
// report prepares, under a statement limit and a time limit so that no input can hang the run.
#include "tests/fuzz/fuzz_input.h"
#include "tests/fuzz/fuzz_report.h"
#include "tests/fuzz/fuzz_targets.h"

int rpFuzzScriptRun(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  TrpReport report;
  // The script is compiled, and its main block run, when the first event needs it.
  rpFuzzReportWithMemo(report)->SetOnBeforePrint(QStringLiteral("Memo1OnBeforePrint"));
  report.SetScriptLanguage(rpFuzzSyntax(data[0]));
  report.SetScriptText(rpFuzzText(data, size)
                           .split(QLatin1Char('\n')));
  rpFuzzPrepare(report);
  return 0;
}
