// Report files: what a save writes, what a load takes from the file and what it keeps, damaged
// and foreign files, passwords, and the data page.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "qstring_printer.h"
#include "report/objects/object_streamer.h"
#include "report/objects/report_password.h"
#include "report/objects/report_services.h"
#include "report/options/engine_options.h"
#include "report/options/preview_options.h"
#include "report/options/report_options.h"
#include "report/pages/data_page.h"
#include "report_fixture.h"

namespace {

using ReportFile = ReportTest;

const QByteArray kHeader = "<?xml version=\"1.0\" encoding=\"utf-8\" standalone=\"no\"?>\r\n";

QByteArray reportText(const QByteArray& body, const QByteArray& attributes = {}) {
  return kHeader + "<TrpReport Version=\"5.3.14\"" + attributes + ">" + body + "</TrpReport>";
}

TEST_F(ReportFile, SavedLoadedAndSavedAgainIsByteIdentical) {
  TrpReport first;
  BuildSample(first);
  first.CheckDataPage();  // as every loaded report has one
  first.ReportOptions().SetAuthor(QStringLiteral("老師"));
  first.ReportOptions().SetPassword(QStringLiteral("secret"));
  first.ReportOptions().SetHiddenPassword(QStringLiteral("secret"));
  first.PreviewOptions().SetOutlineVisible(true);  // a preview option the file decides
  first.EngineOptions().SetDoublePass(true);
  const QByteArray saved = Save(first);

  TrpReport second;
  second.ReportOptions().SetHiddenPassword(QStringLiteral("secret"));
  Load(second, saved);
  EXPECT_TRUE(second.Errors().isEmpty()) << second.Errors().join('\n');
  EXPECT_EQ(QString::fromUtf8(Save(second)), QString::fromUtf8(saved));  // shown as text on failure
  EXPECT_EQ(Save(second), saved);
  ASSERT_NE(second.FindObject(QStringLiteral("Memo1")), nullptr);
  EXPECT_EQ(static_cast<TrpMemoView*>(second.FindObject(QStringLiteral("Memo1")))->Text(),
            QStringLiteral("練習 & <test>\r\nsecond line\r\n"));
}

TEST_F(ReportFile, FileHoldsTheReportElementThenPagesBandsAndObjects) {
  TrpReport report;
  BuildSample(report);
  const QString text = QString::fromUtf8(Save(report));
  EXPECT_TRUE(text.contains(QLatin1String("<TrpReport Version=\"5.3.14\" DotMatrixReport=\"False\""))) << text;
  EXPECT_TRUE(text.contains(QLatin1String("\r\n  <TrpReportPage Name=\"Page1\""))) << text;
  EXPECT_TRUE(text.contains(QLatin1String("\r\n    <TrpPageHeader Name=\"PageHeader1\""))) << text;
  EXPECT_TRUE(text.contains(QLatin1String("\r\n      <TrpMemoView Name=\"Memo1\""))) << text;
  EXPECT_TRUE(text.contains(QLatin1String("ScriptText.Text=\"begin&#13;&#10;&#13;&#10;end.\""))) << text;
}

TEST_F(ReportFile, UnknownClassAndBadValueAreBothListedAndTheRestIsRead) {
  TrpReport report;
  report.EngineOptions().SetNewSilentMode(simSilent);
  Load(report, reportText("<TrpReportPage Name=\"Page1\">"
                          "<TrpNoSuchObject Name=\"Odd1\"/>"
                          "<TrpMemoView Name=\"Memo1\" Left=\"12\" HAlign=\"haSideways\" Text=\"kept\"/>"
                          "</TrpReportPage>"));
  ASSERT_EQ(report.Errors().size(), 2) << report.Errors().join('\n');
  EXPECT_EQ(report.Errors()[0], QStringLiteral("Cannot find class TrpNoSuchObject"));
  EXPECT_TRUE(report.Errors()[1].contains(QLatin1String("HAlign"))) << report.Errors()[1];
  auto* memo = dynamic_cast<TrpMemoView*>(report.FindObject(QStringLiteral("Memo1")));
  ASSERT_NE(memo, nullptr);
  EXPECT_EQ(static_cast<double>(memo->Left()), 12.0);
  EXPECT_EQ(memo->Text(), QStringLiteral("kept\r\n"));
  EXPECT_TRUE(report.StreamLoaded());
  EXPECT_TRUE(Box.Shown.isEmpty());
}

struct OutOfRangeCase {
  const char* Attribute;
  const char* Property;
};

class OutOfRangeValues : public ReportTest, public ::testing::WithParamInterface<OutOfRangeCase> {};

TEST_P(OutOfRangeValues, AreAnErrorLineAndLeaveTheDefault) {
  TrpReport report;
  report.EngineOptions().SetNewSilentMode(simSilent);
  Load(report, reportText(QByteArray("<TrpReportPage Name=\"Page1\"><TrpMemoView Name=\"Memo1\" ") +
                          GetParam().Attribute + "/></TrpReportPage>"));
  ASSERT_EQ(report.Errors().size(), 1) << report.Errors().join('\n');
  EXPECT_TRUE(report.Errors()[0].contains(QLatin1String(GetParam().Property))) << report.Errors()[0];
  auto* memo = dynamic_cast<TrpMemoView*>(report.FindObject(QStringLiteral("Memo1")));
  ASSERT_NE(memo, nullptr);
  EXPECT_EQ(memo->HAlign(), haLeft);
  EXPECT_EQ(memo->Font()->Style(), TFontStyles{});
}

INSTANTIATE_TEST_SUITE_P(ReportFile, OutOfRangeValues,
                         ::testing::Values(OutOfRangeCase{"HAlign=\"77\"", "HAlign"},
                                           OutOfRangeCase{"HAlign=\"-1\"", "HAlign"},
                                           OutOfRangeCase{"Font.Style=\"64\"", "Style"},
                                           OutOfRangeCase{"Font.Style=\"-1\"", "Style"}));

TEST_F(ReportFile, NumericEnumerationInRangeStillReads) {
  TrpReport report;
  Load(report, reportText("<TrpReportPage Name=\"Page1\"><TrpMemoView Name=\"Memo1\" HAlign=\"2\" "
                          "Font.Style=\"3\"/></TrpReportPage>"));
  EXPECT_TRUE(report.Errors().isEmpty()) << report.Errors().join('\n');
  auto* memo = dynamic_cast<TrpMemoView*>(report.FindObject(QStringLiteral("Memo1")));
  ASSERT_NE(memo, nullptr);
  EXPECT_EQ(memo->HAlign(), haCenter);
  EXPECT_EQ(memo->Font()->Style(), (TFontStyles{fsBold, fsItalic}));
}

TEST_F(ReportFile, ReferenceIntoAMissingWindowIsListedNotRaised) {
  TrpReport report;
  report.EngineOptions().SetNewSilentMode(simSilent);
  Load(report, reportText("<TrpReportPage Name=\"Page1\"><TrpMemoView Name=\"Memo1\" "
                          "FlowTo=\"OtherForm.Memo9\"/></TrpReportPage>"));
  EXPECT_EQ(report.Errors(), QStringList{QStringLiteral("Missing OtherForm")});
  EXPECT_NE(report.FindObject(QStringLiteral("Memo1")), nullptr);
}

TEST_F(ReportFile, LoadKeepsTheProgramsSettingsButTakesTheFilesOwn) {
  TrpReport report;
  report.SetIniFile(QStringLiteral("/etc/program.ini"));
  report.SetShowProgress(false);
  report.PreviewOptions().SetButtons(TrpPreviewButtons{pbPrint});
  report.EngineOptions().SetNewSilentMode(simReThrow);
  Load(report, reportText({}, " IniFile=\"C:\\file.ini\" ShowProgress=\"True\" EngineOptions.DoublePass=\"True\" "
                              "EngineOptions.NewSilentMode=\"simSilent\" PreviewOptions.OutlineVisible=\"True\" "
                              "PreviewOptions.Buttons=\"3\""));
  EXPECT_EQ(report.IniFile(), QStringLiteral("/etc/program.ini"));
  EXPECT_FALSE(report.ShowProgress());
  EXPECT_EQ(report.PreviewOptions().Buttons(), TrpPreviewButtons{pbPrint});
  EXPECT_EQ(report.EngineOptions().NewSilentMode(), simReThrow);
  EXPECT_TRUE(report.EngineOptions().DoublePass());
  EXPECT_TRUE(report.PreviewOptions().OutlineVisible());
}

TEST_F(ReportFile, WithInfoOnlyTheDescriptionIsRead) {
  TrpReport source;
  BuildSample(source);
  source.ReportOptions().SetAuthor(QStringLiteral("Teacher"));
  source.ReportOptions().SetDescription({QStringLiteral("Practice sheet")});
  TrpReport report;
  report.ReportOptions().SetInfo(true);
  Load(report, Save(source));
  EXPECT_TRUE(report.Objects().isEmpty());
  EXPECT_EQ(report.ReportOptions().Author(), QStringLiteral("Teacher"));
  EXPECT_EQ(report.ReportOptions().Description(), QStringList{QStringLiteral("Practice sheet")});
}

TEST_F(ReportFile, VersionIsAlwaysTheComponentsOwn) {
  TrpReport report;
  report.SetVersion(QStringLiteral("1.0"));
  EXPECT_EQ(report.Version(), QStringLiteral("5.3.14"));
  Load(report, kHeader + "<TrpReport Version=\"9.9\"/>");
  EXPECT_EQ(report.Version(), QStringLiteral("5.3.14"));
}

TEST_F(ReportFile, AReportWithoutADataPageGetsOneNamedDataAsItsFirstPage) {
  TrpReport report;
  Load(report, reportText("<TrpReportPage Name=\"Page1\"/>"));
  ASSERT_EQ(report.Objects().size(), 2);
  EXPECT_TRUE(report.Objects()[0]->InheritsFrom("TrpDataPage"));
  EXPECT_EQ(report.Objects()[0]->Name(), QStringLiteral("Data"));
  EXPECT_EQ(report.Objects()[1]->Name(), QStringLiteral("Page1"));
}

TEST_F(ReportFile, TheDataPageTakesAFreeNameWhenDataIsTaken) {
  TrpReport report;
  Load(report, reportText("<TrpReportPage Name=\"Data\"/>"));
  ASSERT_EQ(report.Objects().size(), 2);
  EXPECT_TRUE(report.Objects()[0]->InheritsFrom("TrpDataPage"));
  EXPECT_EQ(report.Objects()[0]->Name(), QStringLiteral("DataPage1"));
}

TEST_F(ReportFile, ADataPageIsNotAddedTwice) {
  TrpReport report;
  BuildSample(report);
  report.CheckDataPage();
  TrpReport second;
  Load(second, Save(report));
  int dataPages = 0;
  for (const TrpComponent* page : second.Objects()) dataPages += page->InheritsFrom("TrpDataPage");
  EXPECT_EQ(dataPages, 1);
}

TEST_F(ReportFile, PasswordIsStoredShiftedAndReadBack) {
  EXPECT_EQ(rpEncodePwd(QStringLiteral("pw")), QStringLiteral("fm"));
  EXPECT_EQ(rpDecodePwd(rpEncodePwd(QStringLiteral("密碼\x01"))), QStringLiteral("密碼\x01"));
  TrpReport report;
  report.ReportOptions().SetPassword(QStringLiteral("pw"));
  const QByteArray saved = Save(report);
  EXPECT_TRUE(saved.contains("ReportOptions.Password=\"fm\"")) << saved.constData();
  EXPECT_FALSE(saved.contains("\"pw\""));
  EXPECT_EQ(report.ReportOptions().Password(), QStringLiteral("pw"));

  TrpReport reader;
  reader.ReportOptions().SetHiddenPassword(QStringLiteral("pw"));
  Load(reader, saved);
  EXPECT_TRUE(reader.StreamLoaded());
  EXPECT_EQ(reader.ReportOptions().Password(), QStringLiteral("pw"));
}

TEST_F(ReportFile, AWrongOrMissingPasswordEmptiesTheReport) {
  TrpReport report;
  BuildSample(report);
  report.ReportOptions().SetPassword(QStringLiteral("pw"));
  const QByteArray saved = Save(report);
  for (const std::optional<QString>& answer : {std::optional<QString>(), std::optional<QString>("nope")}) {
    rpReportServices().AskPassword = [answer](TrpReport&) { return answer; };
    TrpReport reader;
    reader.EngineOptions().SetNewSilentMode(simSilent);
    Load(reader, saved);
    EXPECT_FALSE(reader.StreamLoaded());
    EXPECT_EQ(reader.FindObject(QStringLiteral("Memo1")), nullptr);
    EXPECT_EQ(reader.Errors(), QStringList{QStringLiteral("Invalid password")});
  }
  rpReportServices().AskPassword = [](TrpReport&) { return std::optional<QString>("pw"); };
  TrpReport reader;
  Load(reader, saved);
  EXPECT_NE(reader.FindObject(QStringLiteral("Memo1")), nullptr);
  rpReportServices().AskPassword = nullptr;
}

// --- files -----------------------------------------------------------------------------------

class ReportFiles : public ReportTest {
 protected:
  QString PathOf(const char* name) const { return QDir(Dir.path()).filePath(QLatin1String(name)); }
  void Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }
  QTemporaryDir Dir;
};

TEST_F(ReportFiles, SaveToFileThenLoadFromFile) {
  TrpReport report;
  BuildSample(report);
  report.SaveToFile(PathOf("a.xml"));
  TrpReport reader;
  EXPECT_TRUE(reader.LoadFromFile(PathOf("a.xml")));
  EXPECT_EQ(reader.FileName(), PathOf("a.xml"));
  EXPECT_NE(reader.FindObject(QStringLiteral("Shape1")), nullptr);
}

TEST_F(ReportFiles, MissingFileGivesFalseOrRaisesWhenAsked) {
  TrpReport report;
  BuildSample(report);
  EXPECT_FALSE(report.LoadFromFile(PathOf("none.xml")));
  EXPECT_EQ(report.FindObject(QStringLiteral("Memo1")), nullptr);  // cleared all the same
  EXPECT_THROW(report.LoadFromFile(PathOf("none.xml"), true), TrpError);
}

struct DamagedCase {
  const char* Name;
  QByteArray Bytes;
};

class DamagedFiles : public ReportFiles, public ::testing::WithParamInterface<DamagedCase> {};

TEST_P(DamagedFiles, AreNotReadAsAReportEvenInSilentMode) {
  Write(PathOf("bad.xml"), GetParam().Bytes);
  TrpReport report;
  BuildSample(report);
  report.EngineOptions().SetNewSilentMode(simSilent);
  EXPECT_FALSE(report.LoadFromFile(PathOf("bad.xml")));
  EXPECT_FALSE(report.Errors().isEmpty());
  EXPECT_EQ(report.FindObject(QStringLiteral("Memo1")), nullptr);
  EXPECT_TRUE(Box.Shown.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    ReportFile, DamagedFiles,
    ::testing::Values(DamagedCase{"Empty", QByteArray()},
                      DamagedCase{"NotXml", QByteArray("this is not a report")},
                      DamagedCase{"Truncated", kHeader + "<TrpReport><TrpReportPage Name=\"P"},
                      DamagedCase{"OtherDocument", kHeader + "<preparedreport><page/></preparedreport>"},
                      DamagedCase{"PageNotReport", kHeader + "<TrpReportPage Name=\"P\"/>"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(ReportFiles, ErrorsOfALoadAreShownOnceInMessageBoxMode) {
  Write(PathOf("odd.xml"), reportText("<TrpNoSuchObject/>"));
  TrpReport report;
  EXPECT_TRUE(report.LoadFromFile(PathOf("odd.xml")));
  EXPECT_EQ(Box.Shown, QStringList{QStringLiteral(
                           "Error|The following error(s) have occured:\r\nCannot find class TrpNoSuchObject")});
}

// Writes part of the report and then fails, as a full disk would.
class FailingStreamer : public TrpObjectStreamer {
 public:
  void SaveComponent(const TrpComponent&, QIODevice& stream, bool, bool, bool) override {
    stream.write("<TrpReport");
    throw TrpError(QStringLiteral("No space left on device"));
  }
  QStringList LoadComponent(TrpComponent&, QIODevice&) override { return {}; }
  QString WriteComponentStr(const TrpComponent&) override { return {}; }
};

TEST_F(ReportFiles, AFailedSaveLeavesTheOldFileWhole) {
  const QString path = PathOf("keep.xml");
  Write(path, "old contents");
  TrpReport report;
  BuildSample(report);
  FailingStreamer failing;
  rpSetObjectStreamer(&failing);
  EXPECT_THROW(report.SaveToFile(path), TrpError);
  rpInstallXMLSerializer();
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), QByteArray("old contents"));
  EXPECT_EQ(QDir(Dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("keep.xml")});
}

TEST_F(ReportFiles, SavingIntoAMissingFolderRaises) {
  TrpReport report;
  EXPECT_THROW(report.SaveToFile(PathOf("no/such/folder/r.xml")), TrpError);
}

TEST_F(ReportFiles, AnAbsoluteAncestorPathBecomesRelativeToTheSavedFile) {
  ASSERT_TRUE(QDir(Dir.path()).mkpath(QStringLiteral("base")));
  TrpReport parent;
  parent.SaveToFile(PathOf("base/parent.xml"));
  TrpReport report;
  report.SetParentReport(PathOf("base/parent.xml"));
  report.SaveToFile(PathOf("child.xml"));
  EXPECT_EQ(report.ParentReport(), QStringLiteral("base/parent.xml"));
}

}  // namespace

// Whatever its characters, a password survives the file: its shifted form may hold characters
// that XML text cannot carry as they stand (NUL from a line break, control characters from
// spaces and digits below ten, lone surrogates from characters next to the surrogate range).
TEST_F(ReportFile, APasswordOfAnyCharactersOpensItsFileAgain) {
  const QString passwords[] = {
      QStringLiteral("with space"), QStringLiteral("line\nbreak"), QStringLiteral("tab\there"),
      QString(QChar(0xE000)) + QStringLiteral("private"), QStringLiteral("\U0001F600 smile"),
      QString(QChar(0xDC05)), QStringLiteral("0123456789"), QString(QChar(0x0005)),
  };
  for (const QString& password : passwords) {
    SCOPED_TRACE(password.toStdString());
    TrpReport report;
    BuildSample(report);
    report.ReportOptions().SetPassword(password);
    const QByteArray saved = Save(report);
    TrpReport reader;
    reader.EngineOptions().SetNewSilentMode(simSilent);
    reader.ReportOptions().SetHiddenPassword(password);
    Load(reader, saved);
    EXPECT_TRUE(reader.StreamLoaded()) << reader.Errors().join('\n').toStdString();
    EXPECT_EQ(reader.ReportOptions().Password(), password);
    EXPECT_NE(reader.FindObject(QStringLiteral("Memo1")), nullptr);
  }
}
