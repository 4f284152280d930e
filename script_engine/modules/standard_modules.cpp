#include "script_engine/modules/standard_modules.h"

#include <cstddef>

#include "script_engine/interpreter/script.h"
#include "script_engine/modules/classes_module.h"
#include "script_engine/modules/ini_files_module.h"
#include "script_engine/modules/system_module.h"
#include "script_engine/modules/window_module.h"

void scInstallStandardModules() {
  const TscRTTIModuleFactory standard[] = {scCreateSysFunctions, scCreateClassesModule,
                                           scCreateWindowModule, scCreateDialogsModule,
                                           scCreateIniFilesModule};
  std::size_t position = 0;
  for (TscRTTIModuleFactory factory : standard) scInsertRTTIModule(position++, factory);
}
