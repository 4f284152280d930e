#pragma once
// Writing a file whole or not at all. Every file the system saves goes through here: report
// definitions, prepared reports, variables files, PDFs, XML documents and the files a script
// writes. The content is written beside the target and renamed over it only once every byte is on
// disk, so a full disk, a size limit or a failed write leaves the old file as it was. A target
// that exists but is no regular file (a device such as /dev/null, a pipe) cannot be replaced by a
// rename: it is written directly, and a write error there is still an error.
#include <QString>

#include <functional>
#include <memory>

class QFile;
class QIODevice;
class QSaveFile;

class TscWholeFile {
 public:
  explicit TscWholeFile(const QString& fileName);
  // Without a successful Commit nothing replaces the target.
  ~TscWholeFile();
  TscWholeFile(const TscWholeFile&) = delete;
  TscWholeFile& operator=(const TscWholeFile&) = delete;

  bool Open();
  // The device to write to, once open.
  QIODevice& Device();
  // Completes the file: true when every byte was written and the target holds them.
  bool Commit();
  // Gives up: the target stays as it was (a device target keeps what it was sent).
  void Cancel();
  QString Error() const { return FError; }

 private:
  QString FFileName;
  QString FError;
  std::unique_ptr<QSaveFile> FBeside;
  std::unique_ptr<QFile> FDirect;
};

// Opens `fileName`, calls `write` with the open device and commits. False with `error` set when
// the file could not be created or written; an exception from `write` replaces nothing and goes on.
bool scWriteWholeFile(const QString& fileName, const std::function<void(QIODevice&)>& write,
                      QString& error);
