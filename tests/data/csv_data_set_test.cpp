// CSV files as a data set reads them: quoting with delimiters, quotes and line breaks inside
// fields, byte-order marks and line ends, other delimiters and 8-bit code pages, declared types
// read the same way everywhere, and a walk that steps back and starts over.
#include "data_report_fixture.h"
#include "script_engine/interpreter/day_number.h"

namespace {

class CSVFiles : public DataReportTest {
 protected:
  // Every row of `csv`'s field `field`, as the display text.
  QStringList Column(TrpCSVDataSet& csv, const QString& field) {
    QStringList values;
    for (csv.First(); !csv.Eof(); csv.Next()) values << csv.GetDisplayText(field);
    return values;
  }
};

TEST_F(CSVFiles, QuotingAndLineEndsAsWrittenByOtherPrograms) {
  struct Case {
    const char* What;
    QByteArray Bytes;
    const char* Delimiter;
    const char* Encoding;
    QStringList Names;
    bool HeaderRow = true;
    QStringList FieldDefs = {};
  } const cases[] = {
      {"plain", "name,n\nAnn,1\nBo,2\n", ",", "UTF-8", {"Ann", "Bo"}},
      {"quoted delimiter", "name,n\n\"Berg, Anna\",1\n", ",", "UTF-8", {"Berg, Anna"}},
      {"doubled quotes", "name,n\n\"Tom \"\"T\"\" O'Neill\",1\n", ",", "UTF-8", {"Tom \"T\" O'Neill"}},
      {"line break inside", "name,n\n\"two\r\nlines\",1\nnext,2\n", ",", "UTF-8", {"two\r\nlines", "next"}},
      {"CRLF, BOM, no last line end", "\xEF\xBB\xBFname,n\r\n王小明,1\r\n李美華,2", ",", "UTF-8", {"王小明", "李美華"}},
      {"blank lines", "name,n\n\nAnn,1\n\nBo,2\n\n", ",", "UTF-8", {"Ann", "Bo"}},
      {"semicolons", "name;n\n\"a;b\";1\n", ";", "UTF-8", {"a;b"}},
      {"tabs", "name\tn\nAnn\t1\n", "\\t", "UTF-8", {"Ann"}},
      {"pipes", "name|n\n\"a|b\"|1\nBo|2\n", "|", "UTF-8", {"a|b", "Bo"}},
      {"code page 1252", "name,n\nJos\xE9,1\n", ",", "1252", {"José"}},
      {"empty quoted", "name,n\n\"\",1\n", ",", "UTF-8", {""}},
      {"no header, declared fields", "Ann,1\nBo,2\n", ",", "UTF-8", {"Ann", "Bo"}, false, {"name", "n:integer"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.What);
    TrpCSVDataSet csv(nullptr);
    csv.SetUserName(QStringLiteral("Pupils"));
    csv.SetFileName(WriteFile(QStringLiteral("pupils.csv"), c.Bytes));
    csv.SetDelimiter(QString::fromUtf8(c.Delimiter));
    csv.SetEncoding(QString::fromUtf8(c.Encoding));
    csv.SetHeaderRow(c.HeaderRow);
    csv.SetFieldDefs(c.FieldDefs);
    EXPECT_EQ(Column(csv, QStringLiteral("name")), c.Names);
  }
}

TEST_F(CSVFiles, DeclaredTypesReadAlikeOnEveryMachine) {
  TrpCSVDataSet csv(nullptr);
  csv.SetUserName(QStringLiteral("Marks"));
  csv.SetFileName(WriteFile(QStringLiteral("marks.csv"), "mark,ratio,written,passed\n86,0.75,2026-10-05,true\n,,,\n"));
  csv.SetFieldDefs({QStringLiteral("mark:integer"), QStringLiteral("ratio:float"), QStringLiteral("written:date"),
                    QStringLiteral("passed:boolean")});
  csv.First();
  EXPECT_EQ(csv.GetValue(QStringLiteral("mark")), ScriptValue(86));
  EXPECT_EQ(csv.GetValue(QStringLiteral("ratio")), ScriptValue(0.75));
  EXPECT_EQ(csv.GetValue(QStringLiteral("written")), ScriptValue::DateTime(DayNumber::FromDate(QDate(2026, 10, 5))));
  EXPECT_EQ(csv.GetValue(QStringLiteral("passed")), ScriptValue(true));
  EXPECT_EQ(csv.GetFieldType(QStringLiteral("mark")), fftNumeric);
  EXPECT_EQ(csv.GetFieldType(QStringLiteral("passed")), fftBoolean);
  csv.Next();
  for (const char* field : {"mark", "ratio", "written", "passed"})
    EXPECT_TRUE(csv.GetValue(QString::fromLatin1(field)).IsNull()) << field;  // empty cells of typed fields
}

TEST_F(CSVFiles, TheWalkStepsBackOneRowAndKeepsTheLastRowAfterTheEnd) {
  TrpCSVDataSet csv(nullptr);
  csv.SetFileName(WriteFile(QStringLiteral("rows.csv"), "n\n1\n2\n3\n"));
  const auto value = [&] { return csv.GetDisplayText(QStringLiteral("n")); };
  csv.First();
  csv.Next();
  EXPECT_EQ(value(), "2");
  csv.Prior();
  EXPECT_EQ(value(), "1");
  csv.Next();
  EXPECT_EQ(value(), "2");
  csv.Next();
  csv.Next();
  EXPECT_TRUE(csv.Eof());
  EXPECT_EQ(value(), "3");  // footers after the data read the last row
  csv.Prior();
  EXPECT_EQ(value(), "2");
  csv.First();  // and again from the top
  EXPECT_EQ(value(), "1");
  EXPECT_FALSE(csv.Eof());
}

TEST_F(CSVFiles, AGroupedReportOverAFileBesideTheReport) {
  WriteFile(QStringLiteral("marks.csv"), "class,pupil,mark\n3A,Ann,80\n3A,Bo,90\n3B,Cy,\n3B,Di,70\n");
  Report->SetFileName(PathOf(QStringLiteral("marks.xml")));
  AddCSV(QStringLiteral("M"), QStringLiteral("marks.csv"), {QStringLiteral("mark:integer")});
  AddBand<TrpGroupHeader>(QStringLiteral("Class"), 0)->SetCondition(QStringLiteral("M.\"class\""));
  AddBand<TrpMasterData>(QStringLiteral("Rows"), 40)->SetDataSetName(QStringLiteral("M"));
  AddMemo(AddBand<TrpGroupFooter>(QStringLiteral("Total"), 80), QStringLiteral("Sum"),
          QStringLiteral("[M.\"class\"]: [SUM(<M.\"mark\">,Rows)]"));
  ASSERT_TRUE(Prepare());
  EXPECT_EQ(Texts("Sum"), (QStringList{"3A: 170", "3B: 70"}));
}

}  // namespace
