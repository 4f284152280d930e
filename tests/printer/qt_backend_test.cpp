// The system back end without a spooler queue, and the numbering of its paper sources.
#include "report/printer/qt_printer_backend.h"
#include "report/printer/source_numbers.h"

#include "printer_fixture.h"

#include <QUuid>

namespace {

TEST(QtPrinterBackend, CannotOpenAQueueThatDoesNotExist) {
  TrpQtPrinterBackend backend;
  const QString name =
      QStringLiteral("stroval-missing-") + QUuid::createUuid().toString(QUuid::Id128);
  EXPECT_EQ(backend.Open(name), nullptr);
  EXPECT_FALSE(backend.EnumPrinters().contains(TrpPrinterEntry{name, QString()}));
}

class QtPrinterOnMissingQueue : public PrinterFixture {};

TEST_F(QtPrinterOnMissingQueue, StaysUninitialisedAndRefusesDocuments) {
  TrpPrinter printer(QStringLiteral("stroval-missing-queue"), QString(),
                     std::make_shared<TrpQtPrinterBackend>());
  printer.Init();
  EXPECT_FALSE(printer.Initialized());
  EXPECT_FALSE(printer.BeginDoc());
  EXPECT_FALSE(printer.EndDoc());
  EXPECT_FALSE(printer.BeginRAWDoc());
}

struct SourceCase {
  QStringList Keywords;
  QList<int> Numbers;
};

void PrintTo(const SourceCase& c, std::ostream* os) { *os << qPrintable(c.Keywords.join(',')); }

class SourceNumbering : public ::testing::TestWithParam<SourceCase> {};

TEST_P(SourceNumbering, KeepsWellKnownNumbersAndCountsTheRestFrom256) {
  QList<int> numbers;
  for (const TrpSourceNumber& n : rpNumberSources(GetParam().Keywords)) numbers.append(n.Number);
  EXPECT_EQ(numbers, GetParam().Numbers);
}

INSTANTIATE_TEST_SUITE_P(
    QtPrinterBackend, SourceNumbering,
    ::testing::Values(SourceCase{{"auto", "top", "bottom", "manual"}, {7, 1, 2, 4}},
                      SourceCase{{"tray-1", "auto", "tray-2"}, {256, 7, 257}},
                      SourceCase{{"large-capacity", "envelope", "middle"}, {11, 5, 3}},
                      SourceCase{{"tray-1", "tray-1"}, {256}}, SourceCase{{}, {}}));

}  // namespace
