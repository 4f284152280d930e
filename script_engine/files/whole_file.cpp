#include "script_engine/files/whole_file.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

TscWholeFile::TscWholeFile(const QString& fileName) : FFileName(fileName) {}

TscWholeFile::~TscWholeFile() { Cancel(); }

bool TscWholeFile::Open() {
  Cancel();
  const QFileInfo target(FFileName);
  QFileDevice* device = nullptr;
  if (target.exists() && !target.isFile() && !target.isDir()) {
    FDirect = std::make_unique<QFile>(FFileName);
    device = FDirect.get();
  } else {
    FBeside = std::make_unique<QSaveFile>(FFileName);
    device = FBeside.get();
  }
  if (device->open(QIODevice::WriteOnly)) return true;
  FError = device->errorString();
  FDirect.reset();
  FBeside.reset();
  return false;
}

QIODevice& TscWholeFile::Device() {
  if (FBeside) return *FBeside;
  return *FDirect;
}

bool TscWholeFile::Commit() {
  if (FBeside) {
    // The last buffered bytes are flushed here, where a failure is seen: commit() flushes them
    // too, but overlooks a failure of that last write and renames a cut file over the target.
    if (!FBeside->flush() || FBeside->error() != QFileDevice::NoError) {
      FError = FBeside->errorString();
      Cancel();
      return false;
    }
    // commit() checks every earlier write and renames only when all went well.
    const bool committed = FBeside->commit();
    if (!committed) FError = FBeside->errorString();
    FBeside.reset();
    return committed;
  }
  if (FDirect) {
    // Buffered bytes reach the device only here: a failed flush is a failed write.
    const bool written = FDirect->flush() && FDirect->error() == QFileDevice::NoError;
    if (!written) FError = FDirect->errorString();
    FDirect.reset();
    return written;
  }
  FError = QStringLiteral("The file is not open");
  return false;
}

void TscWholeFile::Cancel() {
  if (FBeside) FBeside->cancelWriting();
  FBeside.reset();
  FDirect.reset();
}

bool scWriteWholeFile(const QString& fileName, const std::function<void(QIODevice&)>& write,
                      QString& error) {
  TscWholeFile file(fileName);
  if (!file.Open()) {
    error = file.Error();
    return false;
  }
  write(file.Device());  // an exception leaves through the destructor, which discards the file
  if (file.Commit()) return true;
  error = file.Error();
  return false;
}
