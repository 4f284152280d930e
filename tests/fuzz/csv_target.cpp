// CSV files from any bytes, read as a data set walks them: the first byte chooses the delimiter,
// the header row, the encoding and whether the fields are declared with types; every row's
// every field is read as a value and as text, then the walk steps back and starts over.
#include <exception>

#include "report/data/csv_data_set.h"
#include "tests/fuzz/fuzz_input.h"
#include "tests/fuzz/fuzz_targets.h"

namespace {

void configure(TrpCSVDataSet& csv, uint8_t choice) {
  static const char* const delimiters[] = {",", ";", "\\t", "|"};
  static const char* const encodings[] = {"UTF-8", "1252", "950", "936"};
  csv.SetDelimiter(QString::fromLatin1(delimiters[choice & 3]));
  csv.SetHeaderRow(choice & 4);
  csv.SetEncoding(QString::fromLatin1(encodings[(choice >> 3) & 3]));
  if (choice & 32)
    csv.SetFieldDefs({QStringLiteral("a:integer"), QStringLiteral("b:float"), QStringLiteral("c:date"),
                      QStringLiteral("d:datetime"), QStringLiteral("e:boolean"), QStringLiteral("f")});
}

void readRow(TrpCSVDataSet& csv, const QStringList& fields) {
  for (const QString& field : fields) {
    csv.GetValue(field);
    csv.GetDisplayText(field);
  }
}

}  // namespace

int rpFuzzCsv(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const FuzzFile input("csv", data + 1, size - 1);
  if (!input.Written()) return 0;
  {
    TrpCSVDataSet csv(nullptr);
    csv.SetFileName(input.Name());
    try {
      configure(csv, data[0]);
      csv.First();
      const QStringList fields = csv.GetFieldList();
      for (int row = 0; !csv.Eof() && row < 10000; ++row, csv.Next()) readRow(csv, fields);
      csv.Prior();
      readRow(csv, fields);
      csv.First();
      csv.RecordCount();
    } catch (const std::exception&) {
    }
  }
  return 0;
}
