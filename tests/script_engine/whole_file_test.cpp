// Writing a file whole: the cases every saving caller relies on, through scWriteWholeFile. A
// regular file is replaced only by a complete write; a target that cannot be written is refused
// with its reason and left as it was; a device or pipe is written directly, and a failed write to
// it is still a failure.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QTemporaryDir>

#include <functional>
#include <stdexcept>
#include <sys/stat.h>
#include <thread>

#include "script_engine/files/whole_file.h"

namespace {

QByteArray readAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writePlain(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

// A target the test cannot write: a read-only file, or, for a user whom file modes do not stop,
// a file of the kernel's read-only process table.
QString readOnlyTarget(const QString& folder) {
  const QString path = QDir(folder).filePath(QStringLiteral("read-only.txt"));
  writePlain(path, "old");
  QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
  QFile probe(path);
  if (!probe.open(QIODevice::Append)) return path;
  return QStringLiteral("/proc/version");
}

struct WholeFileCase {
  const char* name;
  // Makes the target in the folder given and returns its path; empty when this system has none.
  std::function<QString(const QString&)> target;
  bool written;
};

const WholeFileCase kCases[] = {
    {"ARegularFileIsReplacedWhole",
     [](const QString& folder) {
       const QString path = QDir(folder).filePath(QStringLiteral("sheet.txt"));
       writePlain(path, "an older and longer content");
       return path;
     },
     true},
    {"ANewFileIsCreated", [](const QString& folder) { return QDir(folder).filePath(QStringLiteral("new.txt")); },
     true},
    {"AMissingFolderIsRefused",
     [](const QString& folder) { return QDir(folder).filePath(QStringLiteral("no-such-folder/out.txt")); }, false},
    {"AReadOnlyTargetIsRefused", readOnlyTarget, false},
    {"ADeviceIsWrittenDirectly",
     [](const QString&) {
       const QFileInfo device(QStringLiteral("/dev/null"));
       return device.exists() && !device.isFile() ? device.filePath() : QString();
     },
     true},
    {"AFailedWriteToADeviceIsAFailure",
     [](const QString&) {
       const QFileInfo device(QStringLiteral("/dev/full"));
       return device.exists() && !device.isFile() ? device.filePath() : QString();
     },
     false},
};

class WholeFile : public testing::TestWithParam<WholeFileCase> {
 protected:
  QTemporaryDir FDir;
};

TEST_P(WholeFile, WritesAllOrLeavesTheTargetAsItWas) {
  ASSERT_TRUE(FDir.isValid());
  const QString target = GetParam().target(FDir.path());
  if (target.isEmpty()) GTEST_SKIP() << "no such target on this system";
  const QFileInfo before(target);
  const bool regular = before.isFile();
  const QByteArray old = regular ? readAll(target) : QByteArray();
  const QByteArray content("the new content");
  QString error;
  const bool written =
      scWriteWholeFile(target, [&content](QIODevice& device) { device.write(content); }, error);
  EXPECT_EQ(written, GetParam().written) << qPrintable(error);
  EXPECT_EQ(error.isEmpty(), written) << qPrintable(error);
  if (regular || !before.exists()) {
    EXPECT_EQ(readAll(target), written ? content : old);
    EXPECT_EQ(QFileInfo::exists(target), written || before.exists());
  } else {
    EXPECT_FALSE(QFileInfo(target).isFile()) << "a device is written, never replaced";
  }
  // Nothing is left beside the target.
  if (target.startsWith(FDir.path())) {
    QStringList expected;
    if (QFileInfo::exists(target)) expected << QFileInfo(target).fileName();
    EXPECT_EQ(QDir(FDir.path()).entryList(QDir::Files | QDir::Hidden), expected);
  }
}

INSTANTIATE_TEST_SUITE_P(Targets, WholeFile, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<WholeFileCase>& info) {
                           return std::string(info.param.name);
                         });

TEST(WholeFilePipe, APipeIsWrittenDirectlyAndStaysAPipe) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString pipe = dir.filePath(QStringLiteral("pipe"));
  ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
  QByteArray received;
  std::thread reader([&pipe, &received] { received = readAll(pipe); });
  QString error;
  const bool written =
      scWriteWholeFile(pipe, [](QIODevice& device) { device.write("through the pipe"); }, error);
  reader.join();
  EXPECT_TRUE(written) << qPrintable(error);
  EXPECT_EQ(received, QByteArray("through the pipe"));
  EXPECT_FALSE(QFileInfo(pipe).isFile());
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::System | QDir::Hidden), QStringList{"pipe"});
}

TEST(WholeFileThrow, AnExceptionWhileWritingReplacesNothing) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString path = dir.filePath(QStringLiteral("sheet.txt"));
  writePlain(path, "old");
  QString error;
  EXPECT_THROW(scWriteWholeFile(
                   path,
                   [](QIODevice& device) {
                     device.write("half");
                     throw std::runtime_error("stopped");
                   },
                   error),
               std::runtime_error);
  EXPECT_EQ(readAll(path), QByteArray("old"));
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"sheet.txt"});
}

}  // namespace
