// A report that inherits an ancestor report runs the ancestor's script too: the inherited objects'
// events call the ancestor's procedures, which act on the objects being printed, the report's own
// script calls them as well, and an ancestor whose script does not compile stops the preparation
// with the place of the error.
#include <QDir>
#include <QTemporaryDir>

#include "real_services_fixture.h"

namespace {

class AncestorScript : public EngineWithRealServices {
 protected:
  // base.xml: a title with the text object "Greeting", whose OnBeforePrint is "Greet", in `syntax`
  // with the script `lines`.
  void SaveAncestor(const QString& syntax, const QStringList& lines) {
    TrpReport ancestor;
    auto* page = new TrpReportPage(&ancestor);
    page->SetName(QStringLiteral("Page1"));
    auto* title = new TrpReportTitle(page);
    title->SetName(QStringLiteral("Title1"));
    title->SetHeight(40);
    auto* greeting = new TrpMemoView(title);
    greeting->SetName(QStringLiteral("Greeting"));
    greeting->SetBounds(0, 0, 400, 20);
    greeting->SetOnBeforePrint(QStringLiteral("Greet"));
    ancestor.SetScriptLanguage(syntax);
    ancestor.SetScriptText(lines);
    ancestor.SaveToFile(Base());
  }
  QString Base() const { return QDir(Dir.path()).filePath(QStringLiteral("base.xml")); }
  // The report under test inherits base.xml and has the script `lines` of its own.
  void Inherit(const QStringList& lines) {
    Report->SetFileName(QDir(Dir.path()).filePath(QStringLiteral("child.xml")));
    Report->SetParentReport(QStringLiteral("base.xml"));
    ASSERT_NE(Report->ParentReportObject(), nullptr);
    Report->SetScriptText(lines);
  }

  QTemporaryDir Dir;
};

TEST_F(AncestorScript, InheritedEventsRunTheAncestorsProceduresOnThePrintedObjects) {
  const struct {
    const char* syntax;
    QStringList lines;
  } ancestors[] = {
      {"PascalScript",
       {"function Shout(s: String): String; begin Result := UpperCase(s) + '!' end;",
        "procedure Greet(Sender: Variant); begin Greeting.Text := 'Hello ' + Report.Variables['Pupil'] end;",
        "begin end."}},
      {"JScript",
       {"function Shout(s) { return UpperCase(s) + \"!\"; }",
        "function Greet(Sender) { Greeting.Text = \"Hello \" + Report.Variables[\"Pupil\"]; }"}},
  };
  for (const auto& a : ancestors) {
    SCOPED_TRACE(a.syntax);
    SaveAncestor(QString::fromLatin1(a.syntax), a.lines);
    Inherit({"procedure Start(Sender: Variant); begin Report.Variables['Pupil'] := Shout('Lin') end;", "begin end."});
    Report->SetOnStartReport(QStringLiteral("Start"));
    ASSERT_TRUE(Prepare());
    EXPECT_EQ(Texts(0, QStringLiteral("Greeting")), QStringList{"Hello LIN!"});
  }
}

TEST_F(AncestorScript, AnAncestorWhoseScriptFailsStopsThePreparation) {
  SaveAncestor(QStringLiteral("PascalScript"), {"procedure Greet(Sender: Variant);", "begin", "  Greeting.Text := ", "end;",
                                                "begin end."});
  Inherit({"begin end."});
  EXPECT_FALSE(Report->PrepareReport());
  const QString errors = Report->Errors().join('\n');
  EXPECT_TRUE(errors.contains(QStringLiteral("Script error at Parent report: ") + Base() + QStringLiteral(" Line: 4:")))
      << errors.toStdString();
}

}  // namespace
