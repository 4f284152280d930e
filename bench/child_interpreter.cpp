// Running a benchmark program in a child interpreter.
#include "child_interpreter.h"

#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

ChildRun scRunChildProgram(const QString& interpreter, const QString& program) {
  ChildRun run;
  const QString path = QStandardPaths::findExecutable(interpreter);
  if (path.isEmpty()) {
    run.error = interpreter + QStringLiteral(" is not installed");
    return run;
  }
  QProcess child;
  // "-" makes both interpreters read the program from standard input.
  child.start(path, {QStringLiteral("-")});
  if (!child.waitForStarted()) {
    run.error = interpreter + QStringLiteral(" did not start");
    return run;
  }
  child.write(program.toUtf8());
  child.closeWriteChannel();
  child.waitForFinished(-1);
  if (child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0) {
    run.error = interpreter + QStringLiteral(" failed: ") +
                QString::fromUtf8(child.readAllStandardError()).trimmed();
    return run;
  }
  const QStringList lines =
      QString::fromUtf8(child.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  bool number = false;
  if (lines.size() >= 2) run.seconds = lines[0].trimmed().toDouble(&number);
  if (!number) {
    run.error = interpreter + QStringLiteral(" printed no timing");
    return run;
  }
  run.result = lines[1].trimmed();
  run.ok = true;
  return run;
}
