#pragma once
// The graphics module of report scripts: every named colour of the report's colour table as an
// Integer constant (clRed, clBtnFace, ...), the font, pen and brush enumerations, and the
// graphics classes. TFont is the report's own font class (it comes with the first object that has
// a font), so that Memo1.Font.Size and a declared TFont are one class.
#include "script_engine/interpreter/script.h"

TscRTTIModule* rpCreateGraphicsModule(TscScript* script);
