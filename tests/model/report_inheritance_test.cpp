// Reports that inherit from an ancestor report file: the ancestor's objects come first, the
// descendant's file holds only its differences and its own objects.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "idle_engine.h"
#include "qstring_printer.h"
#include "report/memo/styles.h"
#include "report/objects/report_error.h"
#include "report/objects/report_services.h"
#include "report/objects/variables.h"
#include "report/options/engine_options.h"
#include "report_fixture.h"

namespace {

class EngineThatMovesMemo1 : public IdleEngine {
 public:
  using IdleEngine::IdleEngine;
  bool Run(bool, bool, TrpPage*) override {
    if (TrpComponent* memo = Report().FindObject(QStringLiteral("Memo1"))) memo->SetLeft(999);
    return true;
  }
};

class Inheritance : public ReportTest {
 protected:
  void SetUp() override {
    ReportTest::SetUp();
    TrpReport ancestor;
    BuildSample(ancestor);
    ancestor.SetScriptText({QStringLiteral("begin"), QStringLiteral("  { ancestor }"), QStringLiteral("end.")});
    ancestor.SaveToFile(PathOf("base.xml"));
  }
  void TearDown() override {
    rpReportServices() = TrpReportServices{};
    ReportTest::TearDown();
  }
  QString PathOf(const char* name) const { return QDir(Dir.path()).filePath(QLatin1String(name)); }
  static QByteArray Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }
  static void Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }
  // A descendant of base.xml that moved Memo1 and added a text object of its own in the band.
  void SaveDescendant(const char* name) {
    TrpReport child;
    child.SetFileName(PathOf(name));
    child.SetParentReport(QStringLiteral("base.xml"));
    child.FindObject(QStringLiteral("Memo1"))->SetLeft(50);
    auto* own = new TrpMemoView(child.FindObject(QStringLiteral("PageHeader1")));
    own->SetName(QStringLiteral("Own1"));
    own->SetBounds(1, 2, 3, 4);
    own->SetText(QStringLiteral("mine"));
    child.SaveToFile(PathOf(name));
  }
  static TrpMemoView* MemoOf(const TrpReport& report, const char* name) {
    return dynamic_cast<TrpMemoView*>(report.FindObject(QString::fromUtf8(name)));
  }

  QTemporaryDir Dir;
};

TEST_F(Inheritance, SettingParentReportBringsTheAncestorsObjectsMarkedInherited) {
  TrpReport child;
  child.SetFileName(PathOf("child.xml"));
  child.SetParentReport(QStringLiteral("base.xml"));
  ASSERT_NE(child.ParentReportObject(), nullptr);
  for (const char* name : {"Page1", "PageHeader1", "Memo1", "Shape1", "Line1"}) {
    SCOPED_TRACE(name);
    const TrpComponent* object = child.FindObject(QString::fromUtf8(name));
    ASSERT_NE(object, nullptr);
    EXPECT_TRUE(object->IsAncestor());
  }
  EXPECT_EQ(MemoOf(child, "Memo1")->Text(), QStringLiteral("練習 & <test>\r\nsecond line\r\n"));
  EXPECT_EQ(MemoOf(child, "Memo1")->Width(), 200);
}

TEST_F(Inheritance, SavingWritesOnlyTheDifferencesOfInheritedObjects) {
  SaveDescendant("child.xml");
  const QString text = QString::fromUtf8(Read(PathOf("child.xml")));
  EXPECT_TRUE(text.contains(QStringLiteral("ParentReport=\"base.xml\""))) << text;
  EXPECT_TRUE(text.contains(QStringLiteral("<inherited Name=\"Memo1\" Left=\"50\"/>"))) << text;
  EXPECT_TRUE(text.contains(QStringLiteral("<inherited Name=\"Shape1\"/>"))) << text;
  EXPECT_TRUE(text.contains(QStringLiteral("<TrpMemoView Name=\"Own1\""))) << text;
  EXPECT_FALSE(text.contains(QStringLiteral("second line"))) << text;
  EXPECT_FALSE(text.contains(QStringLiteral("ancestor"))) << text;  // the inherited script text
}

TEST_F(Inheritance, LoadingReadsTheAncestorFirstThenTheDifferences) {
  SaveDescendant("child.xml");
  TrpReport child;
  ASSERT_TRUE(child.LoadFromFile(PathOf("child.xml")));
  EXPECT_TRUE(child.Errors().isEmpty()) << child.Errors().join('\n');
  const TrpMemoView* memo = MemoOf(child, "Memo1");
  ASSERT_NE(memo, nullptr);
  EXPECT_TRUE(memo->IsAncestor());
  EXPECT_EQ(memo->Left(), 50);
  EXPECT_EQ(memo->Width(), 200);
  EXPECT_EQ(memo->HAlign(), haCenter);
  const TrpMemoView* own = MemoOf(child, "Own1");
  ASSERT_NE(own, nullptr);
  EXPECT_FALSE(own->IsAncestor());
  EXPECT_EQ(own->Parent()->Name(), QStringLiteral("PageHeader1"));
  EXPECT_EQ(own->Memo(), QStringList{QStringLiteral("mine")});
  EXPECT_EQ(child.ScriptText().at(1), QStringLiteral("  { ancestor }"));
}

TEST_F(Inheritance, ChangesToTheAncestorReachWhatTheDescendantDidNotChange) {
  SaveDescendant("child.xml");
  {
    TrpReport ancestor;
    ASSERT_TRUE(ancestor.LoadFromFile(PathOf("base.xml")));
    MemoOf(ancestor, "Memo1")->SetText(QStringLiteral("changed"));
    MemoOf(ancestor, "Memo1")->SetLeft(7);
    ancestor.SaveToFile(PathOf("base.xml"));
  }
  TrpReport child;
  ASSERT_TRUE(child.LoadFromFile(PathOf("child.xml")));
  EXPECT_EQ(MemoOf(child, "Memo1")->Memo(), QStringList{QStringLiteral("changed")});
  EXPECT_EQ(MemoOf(child, "Memo1")->Left(), 50);  // the descendant's own value
}

TEST_F(Inheritance, DescendantSavedLoadedAndSavedAgainIsByteIdentical) {
  SaveDescendant("child.xml");
  TrpReport child;
  ASSERT_TRUE(child.LoadFromFile(PathOf("child.xml")));
  child.SaveToFile(PathOf("again.xml"));
  EXPECT_EQ(Read(PathOf("again.xml")), Read(PathOf("child.xml")));
}

TEST_F(Inheritance, AncestorOfAnAncestorIsInheritedToo) {
  SaveDescendant("middle.xml");
  TrpReport child;
  child.SetFileName(PathOf("last.xml"));
  child.SetParentReport(QStringLiteral("middle.xml"));
  EXPECT_EQ(MemoOf(child, "Memo1")->Left(), 50);
  ASSERT_NE(MemoOf(child, "Own1"), nullptr);
  EXPECT_TRUE(MemoOf(child, "Own1")->IsAncestor());
  child.SaveToFile(PathOf("last.xml"));
  TrpReport reader;
  ASSERT_TRUE(reader.LoadFromFile(PathOf("last.xml")));
  EXPECT_TRUE(reader.Errors().isEmpty()) << reader.Errors().join('\n');
  EXPECT_EQ(MemoOf(reader, "Memo1")->Left(), 50);
  EXPECT_EQ(MemoOf(reader, "Own1")->Memo(), QStringList{QStringLiteral("mine")});
}

TEST_F(Inheritance, MissingAncestorIsReportedAndTheNameKept) {
  Write(PathOf("orphan.xml"),
        "<?xml version=\"1.0\" encoding=\"utf-8\"?><TrpReport Version=\"5.3.14\" ParentReport=\"none.xml\">"
        "<TrpReportPage Name=\"Page2\"/></TrpReport>");
  TrpReport report;
  report.EngineOptions().SetNewSilentMode(simSilent);
  EXPECT_TRUE(report.LoadFromFile(PathOf("orphan.xml")));
  ASSERT_EQ(report.Errors().size(), 1);
  EXPECT_TRUE(report.Errors().front().startsWith(QStringLiteral("Cannot load the parent report \"none.xml\"")))
      << report.Errors().front();
  EXPECT_EQ(report.ParentReport(), QStringLiteral("none.xml"));
  EXPECT_NE(report.FindObject(QStringLiteral("Page2")), nullptr);
}

TEST_F(Inheritance, ReportInheritingFromItselfIsRefusedNotLoadedForever) {
  Write(PathOf("loop.xml"),
        "<?xml version=\"1.0\" encoding=\"utf-8\"?><TrpReport Version=\"5.3.14\" ParentReport=\"loop.xml\"/>");
  TrpReport report;
  report.EngineOptions().SetNewSilentMode(simSilent);
  report.LoadFromFile(PathOf("loop.xml"));
  ASSERT_FALSE(report.Errors().isEmpty());
  EXPECT_TRUE(report.Errors().join('\n').contains(QStringLiteral("inherits from itself"))) << report.Errors().join('\n');
}

TEST_F(Inheritance, InheritedObjectsCannotBeRenamed) {
  TrpReport child;
  child.SetFileName(PathOf("child.xml"));
  child.SetParentReport(QStringLiteral("base.xml"));
  EXPECT_THROW(child.FindObject(QStringLiteral("Memo1"))->SetName(QStringLiteral("Other")), TrpError);
}

TEST_F(Inheritance, ClearingTheNameOrTheReportRemovesTheInheritedObjects) {
  TrpReport child;
  child.SetFileName(PathOf("child.xml"));
  child.SetParentReport(QStringLiteral("base.xml"));
  auto* page = new TrpReportPage(&child);
  page->SetName(QStringLiteral("OwnPage"));
  child.SetParentReport(QString());
  EXPECT_EQ(child.ParentReportObject(), nullptr);
  EXPECT_EQ(child.FindObject(QStringLiteral("Memo1")), nullptr);
  EXPECT_NE(child.FindObject(QStringLiteral("OwnPage")), nullptr);
  child.SetParentReport(QStringLiteral("base.xml"));
  child.Clear();
  EXPECT_TRUE(child.Objects().isEmpty());
  EXPECT_TRUE(child.ParentReport().isEmpty());
}

TEST_F(Inheritance, OwnObjectWithAnInheritedNameGivesTheNameUp) {
  TrpReport child;
  child.SetFileName(PathOf("child.xml"));
  auto* page = new TrpReportPage(&child);
  page->SetName(QStringLiteral("Page1"));
  child.SetParentReport(QStringLiteral("base.xml"));
  EXPECT_TRUE(child.FindObject(QStringLiteral("Page1"))->IsAncestor());
  EXPECT_NE(page->Name(), QStringLiteral("Page1"));
}

TEST_F(Inheritance, ProgramCanSupplyTheAncestor) {
  TrpReport child;
  QString asked;
  child.OnLoadTemplate = [&](TrpReport& ancestor, const QString& name) {
    asked = name;
    auto* page = new TrpReportPage(&ancestor);
    page->SetName(QStringLiteral("Supplied"));
    return true;
  };
  child.SetParentReport(QStringLiteral("from-program"));
  EXPECT_EQ(asked, QStringLiteral("from-program"));
  ASSERT_NE(child.FindObject(QStringLiteral("Supplied")), nullptr);
  EXPECT_TRUE(child.FindObject(QStringLiteral("Supplied"))->IsAncestor());
}

TEST_F(Inheritance, PreparingRestoresTheInheritedDefinitionEvenWithoutTheFile) {
  rpReportServices().CreateEngine = [](TrpReport& r) { return std::make_unique<EngineThatMovesMemo1>(r); };
  SaveDescendant("child.xml");
  TrpReport child;
  ASSERT_TRUE(child.LoadFromFile(PathOf("child.xml")));
  ASSERT_TRUE(QFile::remove(PathOf("base.xml")));
  EXPECT_TRUE(child.PrepareReport());
  EXPECT_TRUE(child.Errors().isEmpty()) << child.Errors().join('\n');
  const TrpMemoView* memo = MemoOf(child, "Memo1");
  ASSERT_NE(memo, nullptr);
  EXPECT_TRUE(memo->IsAncestor());
  EXPECT_EQ(memo->Left(), 50);
  EXPECT_EQ(memo->Width(), 200);
  EXPECT_NE(MemoOf(child, "Own1"), nullptr);
}

TEST_F(Inheritance, StylesAndVariablesComeFromTheAncestorAndOnlyTheirChangesAreSaved) {
  {
    TrpReport ancestor;
    BuildSample(ancestor);
    TrpStyleItem* title = ancestor.Styles().Add();
    title->SetName(QStringLiteral("Title"));
    title->Font()->SetSize(20);
    ancestor.Styles().Add()->SetName(QStringLiteral("Plain"));
    ancestor.Variables().SetVariables(QStringLiteral("School"), ScriptValue(QStringLiteral("'North'")));
    ancestor.SaveToFile(PathOf("styled.xml"));
  }
  {
    TrpReport child;
    child.SetFileName(PathOf("child.xml"));
    child.SetParentReport(QStringLiteral("styled.xml"));
    ASSERT_EQ(child.Styles().GetList(), (QStringList{"Title", "Plain"}));
    EXPECT_TRUE(child.Styles().Find(QStringLiteral("Title"))->Inherited());
    EXPECT_TRUE(child.Variables().Find(QStringLiteral("School"))->Inherited());
    child.Styles().Find(QStringLiteral("Title"))->Font()->SetSize(28);
    child.Styles().Add()->SetName(QStringLiteral("Own"));
    child.SaveToFile(PathOf("child.xml"));
  }
  const QByteArray saved = Read(PathOf("child.xml"));
  EXPECT_TRUE(saved.contains("<item InheritedName=\"Title\" Font.Height=\"-37\"/>")) << saved.constData();
  EXPECT_TRUE(saved.contains("<item InheritedName=\"Plain\"/>")) << saved.constData();

  TrpReport loaded;
  ASSERT_TRUE(loaded.LoadFromFile(PathOf("child.xml")));
  EXPECT_TRUE(loaded.Errors().isEmpty()) << loaded.Errors().join(u'\n');
  EXPECT_EQ(loaded.Styles().GetList(), (QStringList{"Title", "Plain", "Own"}));
  EXPECT_EQ(loaded.Styles().Find(QStringLiteral("Title"))->Font()->Size(), 28);
  EXPECT_EQ(loaded.Variables().Count(), 1);
  EXPECT_EQ(loaded.Variables().Variables(QStringLiteral("School")).ToText(), QStringLiteral("'North'"));
  // Leaving the ancestor takes its items away, but not the report's own.
  loaded.SetParentReport(QString());
  EXPECT_EQ(loaded.Styles().GetList(), QStringList{"Own"});
  EXPECT_EQ(loaded.Variables().Count(), 0);
}

}  // namespace
