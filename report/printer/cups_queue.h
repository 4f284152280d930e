#pragma once
// The parts of the CUPS spooler that Qt does not reach: the queue list with its default, the
// paper sources of a queue with their display names, and jobs whose data go to the queue as they
// are (a finished PDF, or raw bytes for text-mode printers).
#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

#include <memory>

struct TrpCupsSource {
  QString Keyword;  // IPP "media-source" keyword, for instance "tray-1"
  QString Name;     // its display name
};

QStringList rpCupsQueueNames();
QString rpCupsDefaultQueue();  // empty when there is none
// The queue's paper sources; `defaultKeyword` receives the keyword of its default source.
QList<TrpCupsSource> rpCupsMediaSources(const QString& queue, QString* defaultKeyword);

using TrpCupsOptions = QList<QPair<QByteArray, QByteArray>>;

// One job on one queue: Start, Write as often as needed, then Finish (or Cancel).
class TrpCupsJob {
 public:
  TrpCupsJob();
  ~TrpCupsJob();  // cancels a job that was not finished
  TrpCupsJob(const TrpCupsJob&) = delete;
  TrpCupsJob& operator=(const TrpCupsJob&) = delete;

  // `format` is a MIME type: "application/pdf", or "application/vnd.cups-raw" for raw data.
  bool Start(const QString& queue, const QString& title, const char* format,
             const TrpCupsOptions& options);
  bool Write(const QByteArray& data);
  bool Finish();
  void Cancel();
  const QString& Error() const { return FError; }

 private:
  struct Private;
  std::unique_ptr<Private> d;
  QString FError;
};
