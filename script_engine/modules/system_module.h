#pragma once
// The system module (TscSysFunctions): the type names, constants, shared helpers and system
// functions every script receives with AddRTTI. It is the first entry of the process-wide module
// list from program start, so every script that asks for modules gets it.
#include <span>
#include <vector>

#include "script_engine/interpreter/script.h"

class TscSysFunctions : public TscRTTIModule {
 public:
  explicit TscSysFunctions(TscScript* script);
};

TscRTTIModule* scCreateSysFunctions(TscScript* script);

// One system function: its syntax text, category and handler (arguments already converted to
// the parameter types; by-reference arguments are written back from the vector).
struct TscSysFunction {
  const char* syntax;
  const char* category;
  ScriptValue (*call)(std::vector<ScriptValue>& args);
};

void scAddSysFunctions(TscScript& script, std::span<const TscSysFunction> table);

// The tables, one per concern.
std::span<const TscSysFunction> scStringFunctions();
std::span<const TscSysFunction> scConversionFunctions();
std::span<const TscSysFunction> scMathFunctions();
std::span<const TscSysFunction> scDateFunctions();
std::span<const TscSysFunction> scOtherFunctions();
std::span<const TscSysFunction> scFormatFunctions();

// Date, time, and date-and-time texts in the system formats (DateToStr, TimeToStr and
// DateTimeToStr; the last leaves out a time of midnight).
QString scDateText(double dayNumber);
QString scTimeText(double dayNumber);
QString scDateTimeText(double dayNumber);
