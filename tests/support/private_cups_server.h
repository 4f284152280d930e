#pragma once
// A CUPS scheduler of the test's own, on a socket in a temporary folder, with one cups-pdf queue.
// The scheduler, its queue and every file it prints are removed when the server is stopped.
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

class PrivateCupsServer {
 public:
  PrivateCupsServer();
  ~PrivateCupsServer();

  // Why the server cannot run here (not root, packages missing), or empty when it can.
  static QString Unavailable();

  // Starts the scheduler and adds the queue; false with Error() set when that fails.
  bool Start();
  void Stop();
  const QString& Error() const { return FError; }
  const QString& Queue() const { return FQueue; }

  // Waits until the queue has no pending job; false after `seconds`.
  bool WaitUntilIdle(int seconds);
  // A job title of its own; the files cups-pdf writes for it are removed by Stop.
  QString NewTitle();
  // The PDF that cups-pdf wrote for a job titled `title`, or empty.
  QString OutputOf(const QString& title) const;

 private:
  bool Run(const QString& program, const QStringList& args);
  void RemoveOutputs();

  QTemporaryDir FDir;
  std::unique_ptr<QProcess> FScheduler;
  QString FQueue;
  QString FOutputDir;
  bool FCreatedOutputDir = false;
  QStringList FTitles;
  QString FError;
};
