#pragma once
// The script compiler's second phase: the intermediate form (see il_parser.h) becomes the program
// tree of a TscScript. Installing it makes TscScript::Compile, SetILCode and Evaluate work, and
// lets late-bound designators compile themselves when they first run.

// Installs the second phase as TscScript's compiler and as the designators' late binder, and the
// standard modules (scInstallStandardModules) that every script receives. Hosts call it once at
// start-up; calling it again does no harm.
void scInstallCompiler();
