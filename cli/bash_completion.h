#pragma once
// The bash completion of stroval-report, written from the tool's command table, so a command or
// option added to the table is completed without anyone editing a script.
#include <QString>

// A bash script that defines and registers the completion function of `stroval-report`:
// commands after the program's name (and after `help`), each command's options after a dash,
// the fixed values of --format, --mode, --guides and --syntax, folders after --png and file
// names elsewhere.
QString rpBashCompletion();
