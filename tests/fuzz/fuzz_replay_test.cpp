// Every fuzz target over the inputs kept in the repository: the seeds each fuzz run starts from
// and the inputs that once made a target fail (regressions/). A fault that returns shows here as a
// crash, or under the sanitizer build as its report.
#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include "tests/fuzz/fuzz_targets.h"

namespace {

QStringList inputsOf(const QString& folder) {
  QStringList files;
  const QDir dir(folder);
  for (const QString& name : dir.entryList(QDir::Files, QDir::Name)) files << dir.filePath(name);
  return files;
}

class FuzzReplay : public ::testing::TestWithParam<FuzzTarget> {
 protected:
  static void SetUpTestSuite() { rpFuzzSetUp(); }
};

TEST_P(FuzzReplay, SeedsAndRegressionsRunThrough) {
  const FuzzTarget target = GetParam();
  const QString name = QString::fromLatin1(target.Name);
  const QString root = QStringLiteral(STROVAL_FUZZ_DIR);
  const QStringList seeds = inputsOf(root + QStringLiteral("/corpus/") + name);
  ASSERT_FALSE(seeds.isEmpty()) << "no seeds for " << target.Name;
  for (const QString& path : seeds + inputsOf(root + QStringLiteral("/regressions/") + name)) {
    SCOPED_TRACE(path.toStdString());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_EQ(target.Run(reinterpret_cast<const uint8_t*>(bytes.constData()), static_cast<size_t>(bytes.size())), 0);
  }
}

INSTANTIATE_TEST_SUITE_P(Targets, FuzzReplay, ::testing::ValuesIn(rpFuzzTargets),
                         [](const ::testing::TestParamInfo<FuzzTarget>& info) { return std::string(info.param.Name); });

}  // namespace
