#pragma once
// The fuzz targets: each takes one input of arbitrary bytes and hands it to one reader or to the
// script engine the way a file or a report would, with nothing in between. A target returns only
// when the program survived the input; faults show as crashes or sanitizer reports. The same
// functions run under libFuzzer (fuzz_entry.cpp) and, in the normal test suite, over the
// repository's seed and regression inputs (fuzz_replay_test.cpp).
#include <cstddef>
#include <cstdint>

struct FuzzTarget {
  const char* Name;  // also the name of its corpus folder and of its fuzz program
  int (*Run)(const uint8_t* data, size_t size);
};

// Starts what every target needs once per process: a GUI application without a display and the
// report services, with errors collected instead of shown.
void rpFuzzSetUp();

int rpFuzzXmlDocument(const uint8_t* data, size_t size);
int rpFuzzReportFile(const uint8_t* data, size_t size);
int rpFuzzPreparedReport(const uint8_t* data, size_t size);
int rpFuzzPicture(const uint8_t* data, size_t size);
int rpFuzzScriptCompile(const uint8_t* data, size_t size);
int rpFuzzScriptRun(const uint8_t* data, size_t size);
int rpFuzzExpression(const uint8_t* data, size_t size);
int rpFuzzCsv(const uint8_t* data, size_t size);

inline constexpr FuzzTarget rpFuzzTargets[] = {
    {"xml_document", rpFuzzXmlDocument}, {"report_file", rpFuzzReportFile},
    {"prepared_report", rpFuzzPreparedReport}, {"picture", rpFuzzPicture},
    {"script_compile", rpFuzzScriptCompile}, {"script_run", rpFuzzScriptRun},
    {"expression", rpFuzzExpression}, {"csv", rpFuzzCsv},
};
