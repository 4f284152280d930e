#pragma once
// The script engine's own modules: the system functions, the general classes, the window system,
// the dialogs and the settings files.

// Puts the standard modules at the head of the module list, the system module first, so that
// every script receives them before the modules a host adds. Calling it again does no harm.
void scInstallStandardModules();
