#pragma once
// The settings-file module: TCustomIniFile, TMemIniFile and TIniFile. A TMemIniFile works on its
// file's text in memory (UpdateFile writes it back); a TIniFile reads the file before every read
// and writes it after every change, so two of them on one file agree.
#include "script_engine/interpreter/script.h"

TscRTTIModule* scCreateIniFilesModule(TscScript* script);
