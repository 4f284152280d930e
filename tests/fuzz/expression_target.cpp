// Text objects from any bytes: the first byte chooses the display format's kind and the script
// syntax, the first line is the format string, the rest is the object's text with its [expressions],
// evaluated and formatted as the report prepares.
#include "report/memo/memo_format.h"
#include "tests/fuzz/fuzz_input.h"
#include "tests/fuzz/fuzz_report.h"
#include "tests/fuzz/fuzz_targets.h"

int rpFuzzExpression(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const QString input = rpFuzzText(data, size);
  const qsizetype lineEnd = input.indexOf(QLatin1Char('\n'));
  TrpReport report;
  TrpMemoView* memo = rpFuzzReportWithMemo(report);
  report.SetScriptLanguage(rpFuzzSyntax(data[0] >> 2));
  TrpFormat format;
  format.SetKind(static_cast<TrpFormatKind>(data[0] % 4));
  format.SetFormatStr(input.left(lineEnd < 0 ? 0 : lineEnd));
  memo->SetDisplayFormat(format);
  memo->SetText(lineEnd < 0 ? input : input.mid(lineEnd + 1));
  rpFuzzPrepare(report);
  return 0;
}
