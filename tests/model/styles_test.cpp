// Report styles: names within the collection, what a text object takes from its style, styles in
// report files, and style files that replace the styles only when they read completely.
#include <QTemporaryDir>

#include "report/memo/styles.h"
#include "report/objects/variables.h"
#include "report/views/brush_fill.h"
#include "report/views/frame.h"
#include "report_fixture.h"

namespace {

class ReportStyles : public ReportTest {
 protected:
  void SetUp() override {
    ReportTest::SetUp();
    auto* page = new TrpReportPage(&Report);
    page->SetName(QStringLiteral("Page1"));
    Memo = new TrpMemoView(page);
    Memo->SetName(QStringLiteral("Memo1"));
  }
  TrpStyleItem* AddStyle(const QString& name, int points, TColor fill) {
    TrpStyleItem* style = Report.Styles().Add();
    style->SetName(name);
    style->Font()->SetSize(points);
    style->SetColor(fill);
    style->Frame()->SetWidth(3);
    return style;
  }
  TrpReport Report;
  TrpMemoView* Memo = nullptr;
};

TEST_F(ReportStyles, NamesAreUniqueWithinTheCollection) {
  TrpStyles& styles = Report.Styles();
  TrpStyleItem* first = styles.Add();
  TrpStyleItem* second = styles.Add();
  EXPECT_EQ(first->InheritedName(), QStringLiteral("TrpStyleItem1"));
  EXPECT_EQ(second->InheritedName(), QStringLiteral("TrpStyleItem2"));
  first->CreateUniqueName();
  second->CreateUniqueName();
  EXPECT_EQ(first->Name(), QStringLiteral("Style1"));
  EXPECT_EQ(second->Name(), QStringLiteral("Style2"));
  EXPECT_EQ(styles.FindByName(QStringLiteral("Style2")), second);  // the name once it has one
  try {
    second->SetName(QStringLiteral("STYLE1"));
    ADD_FAILURE() << "a duplicate name was taken";
  } catch (const TrpError& e) {
    EXPECT_EQ(rpErrorText(e), QStringLiteral("Duplicate name"));
  }
  EXPECT_EQ(second->Name(), QStringLiteral("Style2"));
  second->SetName(QStringLiteral("style2"));  // its own name in another case is no clash
  EXPECT_EQ(styles.GetList(), (QStringList{"Style1", "style2"}));

  // Variables number their items the same way.
  TrpVariables variables;
  EXPECT_EQ(variables.Add()->InheritedName(), QStringLiteral("TrpVariable1"));
  EXPECT_EQ(variables.Add()->InheritedName(), QStringLiteral("TrpVariable2"));
}

TEST_F(ReportStyles, ATextObjectTakesWhatItsStyleApplies) {
  TrpStyleItem* title = AddStyle(QStringLiteral("Title"), 24, clGray);
  title->SetApplyFrame(false);
  Memo->SetStyle(QStringLiteral("title"));
  EXPECT_EQ(Memo->Font()->Size(), 24);
  EXPECT_EQ(Memo->Color(), clGray);
  EXPECT_EQ(Memo->Frame()->Width(), 1);
  // Apply gives every text object its style again, and forgets styles that are gone.
  title->Font()->SetSize(30);
  Report.Styles().Apply();
  EXPECT_EQ(Memo->Font()->Size(), 30);
  Report.Styles().Clear();
  Report.Styles().Apply();
  EXPECT_EQ(Memo->Style(), QString());
}

TEST_F(ReportStyles, AReportFileKeepsItsStylesAndTheTextsTakeThem) {
  AddStyle(QStringLiteral("Title"), 24, clGray);
  TrpStyleItem* note = AddStyle(QStringLiteral("Note"), 8, clAqua);
  note->SetFillType(ftGradient);
  note->SetApplyFont(false);
  Memo->SetStyle(QStringLiteral("Title"));
  const QByteArray saved = Save(Report);
  EXPECT_TRUE(saved.contains("<Styles>")) << saved.constData();

  TrpReport loaded;
  Load(loaded, saved);
  ASSERT_TRUE(loaded.Errors().isEmpty()) << loaded.Errors().join(u'\n');
  ASSERT_EQ(loaded.Styles().GetList(), (QStringList{"Title", "Note"}));
  const TrpStyleItem* title = loaded.Styles().Find(QStringLiteral("Title"));
  EXPECT_EQ(title->Font()->Size(), 24);
  EXPECT_EQ(title->Color(), clGray);
  EXPECT_EQ(title->Frame()->Width(), 3);
  const TrpStyleItem* loadedNote = loaded.Styles().Find(QStringLiteral("Note"));
  EXPECT_EQ(loadedNote->FillType(), ftGradient);
  EXPECT_FALSE(loadedNote->ApplyFont());
  auto* memo = static_cast<TrpMemoView*>(loaded.FindObject(QStringLiteral("Memo1")));
  EXPECT_EQ(memo->Font()->Size(), 24);
  EXPECT_EQ(memo->Color(), clGray);
  // Written again, the styles are the same.
  const auto styles = [](const QByteArray& file) {
    return file.mid(file.indexOf("<Styles>"), file.indexOf("</Styles>") - file.indexOf("<Styles>")).toStdString();
  };
  EXPECT_EQ(styles(Save(loaded)), styles(saved));
}

TEST_F(ReportStyles, AStyleFileReplacesTheStylesOnlyWhenItReadsCompletely) {
  AddStyle(QStringLiteral("Title"), 24, clGray);
  AddStyle(QStringLiteral("Note"), 8, clAqua);
  Report.Styles().SetName(QStringLiteral("School"));
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("school.style"));
  Report.Styles().SaveToFile(path);

  TrpReport other;
  auto* page = new TrpReportPage(&other);
  auto* memo = new TrpMemoView(page);
  memo->SetStyle(QStringLiteral("Note"));
  other.Styles().LoadFromFile(path);
  EXPECT_EQ(other.Styles().Name(), QStringLiteral("School"));
  EXPECT_EQ(other.Styles().GetList(), (QStringList{"Title", "Note"}));
  EXPECT_EQ(memo->Font()->Size(), 8);  // applied on loading

  const QByteArray damaged[] = {
      "<?xml version=\"1.0\"?><style Name=\"Bad\"><item Name=\"A\"/><item Name=\"a\"/></style>",
      "<?xml version=\"1.0\"?><report Name=\"Bad\"><item Name=\"A\"/></report>",
      "<?xml version=\"1.0\"?><style Name=\"Bad\"><item Name=\"A\" Font.Size=\"big\"/></style>",
  };
  for (const QByteArray& bytes : damaged) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    EXPECT_THROW(other.Styles().LoadFromStream(buffer), TrpError) << bytes.constData();
    EXPECT_EQ(other.Styles().Name(), QStringLiteral("School"));
    EXPECT_EQ(other.Styles().GetList(), (QStringList{"Title", "Note"}));
  }
  EXPECT_THROW(other.Styles().LoadFromFile(dir.filePath(QStringLiteral("missing.style"))), TrpError);
}

}  // namespace
