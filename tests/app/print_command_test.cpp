// The print command: the report it builds from the worksheet (title, 32 cells, a copy of
// everything 532 units lower), run through whatever engine and preview are installed.
#include "app/panel.h"
#include "print_fixture.h"
#include "report/objects/report_font.h"

namespace {

constexpr int kGenerated = stroval::TForm19::kGeneratedMemoTag;
constexpr TColor kSampleGray = 0x808080;

QString MemoName(int number) { return QStringLiteral("Memo%1").arg(number); }
// Cell [c, r] is named after its place in creation order, behind the four template objects.
int CellNumber(int column, int row) { return 4 * (column - 1) + row + 4; }

// The names in the report's component order after a print command.
QStringList ExpectedNames() {
  QStringList names = {"Memo2", "Memo3", "Memo4", "Memo1"};
  for (int n = 5; n <= 72; ++n) names << MemoName(n);
  return names;
}

QStringList NamesOf(const std::vector<MemoSnapshot>& memos) {
  QStringList names;
  for (const MemoSnapshot& m : memos) names << m.name;
  return names;
}

// The source each copy was made from: 37..40 copy Memo2, Memo3, Memo4, Memo1; 41..72 the cells.
QString SourceOfCopy(int number) {
  static const QStringList templateOrder = {"Memo2", "Memo3", "Memo4", "Memo1"};
  return number <= 40 ? templateOrder.at(number - 37) : MemoName(number - 36);
}

void ExpectSameMemo(const MemoSnapshot& a, const MemoSnapshot& b) {
  SCOPED_TRACE(a.name.toStdString());
  EXPECT_EQ(a.name, b.name);
  EXPECT_EQ(a.parent, b.parent);
  EXPECT_EQ(a.text, b.text);
  EXPECT_EQ(a.left, b.left);
  EXPECT_EQ(a.top, b.top);
  EXPECT_EQ(a.width, b.width);
  EXPECT_EQ(a.height, b.height);
  EXPECT_EQ(a.fontName, b.fontName);
  EXPECT_EQ(a.fontSize, b.fontSize);
  EXPECT_EQ(a.tag, b.tag);
  EXPECT_EQ(a.autoWidth, b.autoWidth);
}

using PrintCommand = PrintTest;

TEST_F(PrintCommand, BuildsTemplateCellsAndCopiesWithStableNames) {
  FillFirstRow(QStringLiteral("永"));
  Print();
  const std::vector<MemoSnapshot> memos = MemosOf(*Window().rpt);
  EXPECT_EQ(memos.size(), 4u + 32u + 36u);
  EXPECT_EQ(NamesOf(memos), ExpectedNames());
  EXPECT_TRUE(errors_.Shown.isEmpty()) << errors_.Shown.join('\n').toStdString();
}

TEST_F(PrintCommand, TwoPrintsInARowGiveTheSameReport) {
  FillFirstRow(QStringLiteral("永"));
  Print();
  const std::vector<MemoSnapshot> first = MemosOf(*Window().rpt);
  Print();
  const std::vector<MemoSnapshot> second = MemosOf(*Window().rpt);
  ASSERT_EQ(first.size(), 72u);
  ASSERT_EQ(second.size(), first.size());
  for (size_t i = 0; i < first.size(); ++i) ExpectSameMemo(first[i], second[i]);
  ASSERT_EQ(engine_->Runs.size(), 2u);
  EXPECT_EQ(NamesOf(engine_->Runs[0]), NamesOf(engine_->Runs[1]));
}

TEST_F(PrintCommand, EngineRunsTheWholeBuiltDefinition) {
  FillFirstRow(QStringLiteral("永"));
  Print();
  ASSERT_EQ(engine_->Runs.size(), 1u);
  const std::vector<MemoSnapshot>& ran = engine_->Runs.front();
  const std::vector<MemoSnapshot> kept = MemosOf(*Window().rpt);
  ASSERT_EQ(ran.size(), kept.size());
  // What the engine ran is what the report holds again after the run.
  for (size_t i = 0; i < ran.size(); ++i) ExpectSameMemo(ran[i], kept[i]);
}

TEST_F(PrintCommand, CellsLieAtTheirGridPlacesInTheSampleFont) {
  FillFirstRow(QStringLiteral("永"));
  Print();
  for (int c = 1; c <= 8; ++c) {
    for (int r = 1; r <= 4; ++r) {
      SCOPED_TRACE(testing::Message() << "cell " << c << "," << r);
      TrpMemoView* memo = Memo(MemoName(CellNumber(c, r)));
      ASSERT_NE(memo, nullptr);
      EXPECT_EQ(memo->Parent()->Name(), QStringLiteral("Page1"));
      EXPECT_EQ(memo->Left(), (c - 1) * 93);
      EXPECT_EQ(memo->Top(), r * 90 + 10);
      EXPECT_EQ(memo->Width(), memo->CalcWidth());
      EXPECT_EQ(memo->Height(), memo->CalcHeight());
      EXPECT_TRUE(memo->AutoWidth());
      EXPECT_EQ(memo->VAlign(), vaCenter);
      EXPECT_FALSE(memo->ParentFont());
      EXPECT_EQ(memo->Font()->Name(), QStringLiteral("華康標楷筆順體"));
      EXPECT_EQ(memo->Font()->Size(), 60);
      EXPECT_EQ(memo->Font()->Color(), kSampleGray);
      EXPECT_EQ(memo->Font()->Charset(), rpCharset);
      EXPECT_EQ(memo->Tag(), kGenerated);
      EXPECT_EQ(memo->Memo().join(u'\n'), r == 1 ? QStringLiteral("永") : QString());
    }
  }
}

TEST_F(PrintCommand, CopiesLie532UnitsBelowTheirSources) {
  FillFirstRow(QStringLiteral("永"));
  Print();
  for (int number = 37; number <= 72; ++number) {
    SCOPED_TRACE(MemoName(number).toStdString());
    const TrpMemoView* copy = Memo(MemoName(number));
    const TrpMemoView* source = Memo(SourceOfCopy(number));
    ASSERT_NE(copy, nullptr);
    ASSERT_NE(source, nullptr);
    EXPECT_EQ(copy->Parent()->Name(), QStringLiteral("Page1"));
    EXPECT_EQ(copy->Left(), source->Left());
    EXPECT_EQ(copy->Top(), source->Top() + 532);
    EXPECT_EQ(copy->Width(), source->Width());
    EXPECT_EQ(copy->Height(), source->Height());
    EXPECT_EQ(copy->Memo(), source->Memo());
    EXPECT_TRUE(copy->Font()->SameAs(*source->Font()));
    EXPECT_EQ(copy->AutoWidth(), source->AutoWidth());
    EXPECT_EQ(copy->VAlign(), source->VAlign());
    EXPECT_EQ(copy->Tag(), kGenerated);
  }
  // A template object's top is measured in the band; its copy's top, on the page.
  EXPECT_EQ(Memo(QStringLiteral("Memo40"))->Top(), 9 + 532);
  EXPECT_EQ(Memo(MemoName(CellNumber(1, 1) + 36))->Top(), 100 + 532);
}

TEST_F(PrintCommand, TemplateObjectsStayInTheBandWithTagZero) {
  Activate();
  Print();
  for (const char* name : {"Memo1", "Memo2", "Memo3", "Memo4"}) {
    SCOPED_TRACE(name);
    const TrpMemoView* memo = Memo(QString::fromUtf8(name));
    ASSERT_NE(memo, nullptr);
    EXPECT_EQ(memo->Tag(), 0);
    EXPECT_EQ(memo->Parent()->Name(), QStringLiteral("PageBody"));
    EXPECT_EQ(memo->Font()->Name(), QStringLiteral("新細明體"));
    EXPECT_FALSE(memo->AutoWidth());
  }
}

TEST_F(PrintCommand, TextOutsideAnyEightBitCodePageSurvives) {
  Activate();
  const QString title = QStringLiteral("Ωμέγα 學校 𠀋 ✓");
  Window().SchTitle->setText(title);
  Window().paneWord(1, 1)->SetCaption(QStringLiteral("ж"));
  Window().paneWord(2, 3)->SetCaption(QStringLiteral("𠀋"));
  Print();
  EXPECT_EQ(Memo(QStringLiteral("Memo1"))->Memo(), QStringList{title});
  EXPECT_EQ(Memo(QStringLiteral("Memo40"))->Memo(), QStringList{title});
  EXPECT_EQ(Memo(MemoName(CellNumber(1, 1)))->Memo(), QStringList{QStringLiteral("ж")});
  EXPECT_EQ(Memo(MemoName(CellNumber(2, 3)))->Memo(), QStringList{QStringLiteral("𠀋")});
  EXPECT_EQ(Memo(MemoName(CellNumber(2, 3) + 36))->Memo(), QStringList{QStringLiteral("𠀋")});
  ASSERT_EQ(engine_->Runs.size(), 1u);
  EXPECT_EQ(engine_->Runs.front().at(3).text, title);  // Memo1, as the engine saw it
}

TEST_F(PrintCommand, EmptyTitleGivesAnEmptyTitleOnBothHalves) {
  Activate();
  Window().SchTitle->clear();
  Print();
  EXPECT_TRUE(Memo(QStringLiteral("Memo1"))->Memo().isEmpty());
  EXPECT_TRUE(Memo(QStringLiteral("Memo40"))->Memo().isEmpty());
}

TEST_F(PrintCommand, NewSampleFontChangesCellsButNotTemplateObjects) {
  Activate();
  Print();
  dialogs_.confirmFont = true;
  QFont chosen(QStringLiteral("標楷體"));
  chosen.setPointSize(36);
  chosen.setBold(true);
  dialogs_.answer = {chosen, QColor(0, 0, 255)};
  Window().CfontClick(Window().Cfont);
  Print();
  for (int number : {CellNumber(1, 1), CellNumber(8, 4), CellNumber(1, 1) + 36}) {
    SCOPED_TRACE(number);
    const TrpFont& font = *Memo(MemoName(number))->Font();
    EXPECT_EQ(font.Name(), QStringLiteral("標楷體"));
    EXPECT_EQ(font.Size(), 36);
    EXPECT_EQ(font.Style(), TFontStyles{fsBold});
    EXPECT_EQ(font.Color(), 0xFF0000);  // blue in 0x00BBGGRR
  }
  for (const char* name : {"Memo1", "Memo4", "Memo37", "Memo40"})
    EXPECT_EQ(Memo(QString::fromUtf8(name))->Font()->Name(), QStringLiteral("新細明體")) << name;
}

TEST_F(PrintCommand, CellTableFindsTheCellObjectsAfterTheRun) {
  FillFirstRow(QStringLiteral("永"));
  Print();
  for (int c = 1; c <= 8; ++c)
    for (int r = 1; r <= 4; ++r) {
      const TrpMemoView* memo = Window().MEMOtemp(c, r);
      ASSERT_NE(memo, nullptr) << c << "," << r;
      // The definition was read back after the run: the table names the object the report has now.
      EXPECT_EQ(memo, Memo(MemoName(CellNumber(c, r))));
    }
}

TEST_F(PrintCommand, CellTableIsEmptyBeforeTheFirstPrint) {
  Activate();
  EXPECT_EQ(Window().MEMOtemp(1, 1), nullptr);
  EXPECT_EQ(Window().MEMOtemp(0, 1), nullptr);
  EXPECT_EQ(Window().MEMOtemp(9, 4), nullptr);
}

TEST_F(PrintCommand, PrintsBeforeTheGridExistsWithEmptyCells) {
  Print();
  ASSERT_EQ(MemosOf(*Window().rpt).size(), 72u);
  EXPECT_TRUE(Memo(MemoName(5))->Memo().isEmpty());
}

// Nothing installed but the report itself: the report says plainly that it cannot prepare.
class PrintWithoutEngine : public PrintTest {
 protected:
  void InstallServices() override {}
};

TEST_F(PrintWithoutEngine, UserIsToldTheEngineIsMissing) {
  Activate();
  Print();
  ASSERT_EQ(errors_.Shown.size(), 1);
  EXPECT_TRUE(errors_.Shown.front().contains(QStringLiteral("The report engine is not available")))
      << errors_.Shown.front().toStdString();
  EXPECT_EQ(MemosOf(*Window().rpt).size(), 72u);
  Print();
  EXPECT_EQ(errors_.Shown.size(), 2);
  EXPECT_EQ(MemosOf(*Window().rpt).size(), 72u);
}

// The report's own modal preview window: shown once, and the report prepared while it is open.
class PrintWithPreview : public PrintTest {
 protected:
  void InstallServices() override {
    PrintTest::InstallServices();
    rpReportServices().CreatePreviewForm = [this](TrpReport&) {
      return std::make_unique<RecordingPreviewForm>(log_, engine_);
    };
  }
  RecordingPreviewForm::Log log_;
};

TEST_F(PrintWithPreview, PreviewWindowOpensAndTheReportIsPreparedInside) {
  FillFirstRow(QStringLiteral("永"));
  Print();
  EXPECT_EQ(log_.shown, 1);
  EXPECT_EQ(log_.runsWhileShown, 1);
  EXPECT_EQ(Window().rpt->Preview(), nullptr);  // forgotten when the window closed
  EXPECT_EQ(NamesOf(MemosOf(*Window().rpt)), ExpectedNames());
  Print();
  EXPECT_EQ(log_.shown, 2);
  EXPECT_EQ(log_.runsWhileShown, 2);
}

}  // namespace
