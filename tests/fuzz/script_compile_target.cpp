// Script texts from any bytes, compiled in the syntax the first byte chooses, with every
// registered module in scope as in a report's script.
#include <exception>

#include "script_engine/interpreter/script.h"
#include "tests/fuzz/fuzz_input.h"
#include "tests/fuzz/fuzz_targets.h"

int rpFuzzScriptCompile(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  TscScript script;
  script.AddRTTI();
  script.SetSyntaxType(rpFuzzSyntax(data[0]));
  script.SetLines(rpFuzzText(data, size)
                      .split(QLatin1Char('\n')));
  try {
    script.Compile();
  } catch (const std::exception&) {
  }
  return 0;
}
