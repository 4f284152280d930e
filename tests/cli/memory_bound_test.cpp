// --memory-bound: the prepared pages a report leaves are the same whether its pages stay in
// memory or move to the file cache, from the first unloadable page on or past a bound.
#include <QFile>

#include "cli/command_line.h"
#include "cli/memory_bound.h"
#include "report/component/report.h"
#include "report/options/engine_options.h"
#include "report_tool_fixture.h"

namespace {

QByteArray readAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class MemoryBound : public ReportToolTest {
 protected:
  // The grouped marks over `rows` rows of made-up marks.
  QString WriteMarks(int rows) {
    QByteArray csv = "class,pupil,subject,mark,written\n";
    for (int i = 0; i < rows; ++i)
      csv += QStringLiteral("%1,Pupil %2,Writing,%3,2026-10-05\n").arg(QChar(u'A' + i / 40)).arg(i).arg(50 + i % 50).toUtf8();
    return WriteFile(QStringLiteral("marks.csv"), csv);
  }

  // The prepared file of the grouped marks with these extra arguments.
  QByteArray Prepared(const QStringList& extra, const QString& name) {
    QStringList arguments{"prepare", STROVAL_EXAMPLES_DIR "/grouped-marks.xml", "--data",
                          "Marks=" + PathOf("marks.csv"), "-o", PathOf(name)};
    arguments << extra;
    EXPECT_EQ(Run(arguments), rtOk) << Err;
    return readAll(PathOf(name));
  }
};

TEST_F(MemoryBound, PreparedPagesAreTheSameInMemoryAndInTheFileCache) {
  WriteMarks(900);
  const QByteArray inMemory = Prepared({"--memory-bound", "off"}, "memory.rpp");
  ASSERT_FALSE(inMemory.isEmpty());
  EXPECT_GT(inMemory.count("<page"), 5) << "too few pages for the cache to move any";
  const struct {
    const char* bound;
    const char* why;
  } bounds[] = {{"0", "every page after the second moved"}, {"1", "past a bound"}, {nullptr, "the default"}};
  for (const auto& b : bounds) {
    const QStringList extra = b.bound ? QStringList{"--memory-bound", b.bound} : QStringList{};
    EXPECT_EQ(Prepared(extra, QStringLiteral("cached.rpp")), inMemory) << b.why;
  }
}

TEST_F(MemoryBound, TurnsTheFileCacheOnUnlessTold) {
  const struct {
    QStringList arguments;
    bool cache;
    int bound;
  } cases[] = {
      {{}, true, kDefaultMemoryBoundMiB},
      {{"--memory-bound", "12"}, true, 12},
      {{"--memory-bound", "0"}, true, 0},
      {{"--memory-bound", "off"}, false, 10},
  };
  for (const auto& c : cases) {
    QString problem;
    const auto line = rpParseCommandLine(QStringList{"prepare", "r.xml", "-o", "r.rpp"} + c.arguments, problem);
    ASSERT_TRUE(line) << problem;
    TrpReport report;
    QString errors;
    QTextStream err(&errors);
    ASSERT_TRUE(rpApplyMemoryBound(report, *line, err)) << errors;
    EXPECT_EQ(report.EngineOptions().UseFileCache(), c.cache) << c.arguments.join(u' ');
    EXPECT_EQ(report.EngineOptions().MaxMemSize(), c.bound) << c.arguments.join(u' ');
  }
}

TEST_F(MemoryBound, RefusesWhatIsNotABound) {
  for (const char* value : {"-1", "lots", "1.5"}) {
    EXPECT_EQ(Run({"prepare", SaveSample(QStringLiteral("s.xml")), "-o", PathOf("s.rpp"), "--memory-bound", value}),
              rtFailed);
    EXPECT_TRUE(Err.contains(QStringLiteral("--memory-bound takes mebibytes"))) << Err;
  }
}
