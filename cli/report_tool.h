#pragma once
// The command-line front of the report subsystem: stroval-report's commands, run on a list of
// arguments with the output and error streams given, so that tests drive it without a process.
#include <QStringList>

class QTextStream;

// Exit codes: the command did its work and found nothing wrong; the report has errors or a file
// could not be read or written; the command line itself was wrong.
enum TrpToolExit { rtOk = 0, rtFailed = 1, rtUsage = 2 };

// `arguments` without the program name. Report classes must be registered and the serializer
// installed (rpStartReportTool).
int rpRunReportTool(const QStringList& arguments, QTextStream& out, QTextStream& err);

// Registers the report classes, installs the serializer and an error box that leaves the
// listing of errors to the tool; once per process.
void rpStartReportTool();
