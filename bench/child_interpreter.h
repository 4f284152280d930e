#pragma once
// Runs a program text in another language's interpreter as a child process (lua5.4, python3),
// for the side-by-side benchmarks. A child process rather than an embedded interpreter: the
// interpreters are measured exactly as their users run them, and the build needs neither
// interpreter's development files.
#include <QString>

struct ChildRun {
  bool ok = false;
  QString error;       // why the run failed (interpreter missing, non-zero exit, bad output)
  double seconds = 0;  // the CPU time the program measured around its work
  QString result;      // the program's second line
};

// Feeds `program` to `interpreter` ("lua5.4" or "python3", found on PATH) on standard input and
// reads the two lines it prints: seconds, result.
ChildRun scRunChildProgram(const QString& interpreter, const QString& program);
