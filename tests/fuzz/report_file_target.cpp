// Report definitions from any bytes, read into a report as the program opens a report file; what
// was read is written, read into a second report and written again, and both writings agree.
#include <QBuffer>

#include <cstdlib>
#include <exception>

#include "report/component/report.h"
#include "report/options/engine_options.h"
#include "tests/fuzz/fuzz_input.h"
#include "tests/fuzz/fuzz_targets.h"

namespace {

// The report read from `stream`, or false when it was refused.
bool readReport(TrpReport& report, QIODevice& stream) {
  report.EngineOptions().SetNewSilentMode(simSilent);
  try {
    report.LoadFromStream(stream);
  } catch (const std::exception&) {
    return false;
  }
  return report.StreamLoaded() && report.Errors().isEmpty();
}

QByteArray written(TrpReport& report) {
  QByteArray bytes;
  QBuffer out(&bytes);
  out.open(QIODevice::WriteOnly);
  report.SaveToStream(out);
  return bytes;
}

}  // namespace

int rpFuzzReportFile(const uint8_t* data, size_t size) {
  FuzzStream input(data, size);
  TrpReport report;
  if (!readReport(report, input.Device())) return 0;
  const QByteArray first = written(report);
  TrpReport again;
  QBuffer in;
  in.setData(first);
  in.open(QIODevice::ReadOnly);
  if (!readReport(again, in)) std::abort();  // the program cannot read what it wrote
  if (written(again) != first) std::abort();
  return 0;
}
