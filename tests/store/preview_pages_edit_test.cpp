// Editing prepared pages, passes, logical page numbers, outline and anchors.
#include "preview_pages_fixture.h"

#include "report/store/preview_outline.h"

class PagesEditTest : public PreviewPagesTest {
 protected:
  void SetUp() override {
    PreviewPagesTest::SetUp();
    Page = BuildSimple();
    StartSimple(*Page);
  }
  TrpReportPage* Page = nullptr;
};

TEST_F(PagesEditTest, DeletePageOnOnePageStoreDoesNothing) {
  WritePages(*Page, 1);
  Pages->DeletePage(0);
  EXPECT_EQ(Pages->GetCount(), 1);
}

TEST_F(PagesEditTest, DeletePageRemovesThatPage) {
  WritePages(*Page, 3);
  Pages->DeletePage(1);
  ASSERT_EQ(Pages->GetCount(), 2);
  EXPECT_TRUE(PageText(1).contains(QStringLiteral("page 2 row 0")));
}

TEST_F(PagesEditTest, EmptyPageTakesTheNameOfThePageItPrecedes) {
  WritePages(*Page, 2);
  Pages->AddEmptyPage(1);
  ASSERT_EQ(Pages->GetCount(), 3);
  EXPECT_EQ(Pages->PageItem(1)->Name(), "page0");
  EXPECT_EQ(Pages->PageItem(1)->Count(), 0);
  EXPECT_TRUE(PageText(2).contains(QStringLiteral("page 1 row 0")));
}

TEST_F(PagesEditTest, ModifiedPageIsStoredInFullAndBuildsTheSame) {
  WritePages(*Page, 2);
  TrpReportPage* built = Pages->GetPage(1);
  auto* memo = dynamic_cast<TrpMemoView*>(built->FindObject(QStringLiteral("Memo1")));
  memo->SetText(QStringLiteral("edited"));
  Pages->ModifyPage(1, *built);
  EXPECT_EQ(Pages->PageItem(1)->Name(), "TrpReportPage");
  EXPECT_FALSE(Pages->PageItem(1)->Unloadable());
  auto* rebuilt = dynamic_cast<TrpMemoView*>(Pages->GetPage(1)->FindObject(QStringLiteral("Memo1")));
  ASSERT_NE(rebuilt, nullptr);
  EXPECT_EQ(rebuilt->Text().trimmed(), "edited");
}

TEST_F(PagesEditTest, AddFromAppendsPagesAnchorsAndOutline) {
  WritePages(*Page, 2);
  TrpReport second;
  second.EngineOptions().SetNewSilentMode(simSilent);
  auto store = std::make_unique<TrpPreviewPages>(second);
  TrpPreviewPages* other = store.get();
  second.SetPreviewPages(std::move(store));
  auto* page = new TrpReportPage(&second);
  page->SetName(QStringLiteral("Page1"));
  auto* band = new TrpPageHeader(page);
  band->SetName(QStringLiteral("Band1"));
  band->SetBounds(0, 40, 700, 60);
  NewMemo(band, QStringLiteral("Memo1"), 0, 0, 100, 20, QStringLiteral("other"));
  other->SetAddPageAction(apAdd);
  other->AddSourcePage(*page);
  other->AddPage(*page);
  other->AddObject(*band);
  other->AddAnchor(QStringLiteral("there"));
  other->Outline()->AddItem(QStringLiteral("Other"), 5);

  Pages->AddFrom(second);
  ASSERT_EQ(Pages->GetCount(), 3);
  EXPECT_EQ(Pages->PageItem(2)->Name(), "TrpReportPage");
  EXPECT_EQ(Pages->GetAnchorPage(QStringLiteral("there")), 3);
  QString text;
  int outlinePage = 0, top = 0;
  Pages->Outline()->GetItem(0, text, outlinePage, top);
  EXPECT_EQ(text, "Other");
  EXPECT_EQ(outlinePage, 2);
  EXPECT_EQ(double(Pages->LastY()), 100.0);
  auto* memo = dynamic_cast<TrpMemoView*>(Pages->GetPage(2)->FindObject(QStringLiteral("Memo1")));
  ASSERT_NE(memo, nullptr);
  EXPECT_EQ(memo->Text().trimmed(), "other");
}

TEST_F(PagesEditTest, PastedRecordsMoveSoTheFirstLandsAtThePoint) {
  WritePages(*Page, 1, 3);  // bands at 0, 100, 200
  Pages->CutObjects(1);
  ASSERT_EQ(Pages->GetCurPosition(), 1);
  WritePages(*Page, 1, 1);
  Pages->PasteObjects(30, 500);
  const TrpXMLItem* page = Pages->PageItem(1);
  ASSERT_EQ(page->Count(), 3);
  EXPECT_EQ(page->Items(1)->Prop("l"), "30");
  EXPECT_EQ(page->Items(1)->Prop("t"), "500");
  EXPECT_EQ(page->Items(2)->Prop("t"), "600");
  EXPECT_EQ(Pages->XMLDocument().Root()->Find(QStringLiteral("cutted")), -1);
}

TEST_F(PagesEditTest, LastYIsTheLowestBandBottom) {
  WritePages(*Page, 1, 3);
  EXPECT_EQ(double(Pages->GetLastY()), 300.0);
  EXPECT_EQ(double(Pages->GetLastY(50)), 300.0);  // page headers count in every column
}

TEST_F(PagesEditTest, BandExistsWhenItsRecordIsOnThePage) {
  auto* band = dynamic_cast<TrpBand*>(Page->FindObject(QStringLiteral("Band1")));
  WritePages(*Page, 1);
  EXPECT_TRUE(Pages->BandExists(*band));
  WritePages(*Page, 1, 0);
  EXPECT_FALSE(Pages->BandExists(*band));
}

TEST_F(PagesEditTest, LogicalNumbersRestartWithTheirTotals) {
  WritePages(*Page, 2);
  Pages->ResetLogicalPageNumber();
  WritePages(*Page, 3);
  Pages->ResetLogicalPageNumber();
  const int expected[][2] = {{1, 2}, {2, 2}, {1, 3}, {2, 3}, {3, 3}};
  for (int i = 0; i < 5; ++i) {
    Pages->SetCurPage(i);
    EXPECT_EQ(Pages->GetLogicalPageNo(), expected[i][0]) << i;
    EXPECT_EQ(Pages->GetLogicalTotalPages(), expected[i][1]) << i;
  }
}

TEST_F(PagesEditTest, SecondPassStartsWhereTheFirstBegan) {
  WritePages(*Page, 3);
  Pages->Outline()->AddItem(QStringLiteral("x"), 0);
  Pages->AddAnchor(QStringLiteral("a"));
  Pages->ClearFirstPassPages();
  EXPECT_EQ(Pages->GetCount(), 0);
  EXPECT_EQ(Pages->CurPage(), -1);
  EXPECT_EQ(Pages->Outline()->GetCount(), 0);
  EXPECT_EQ(Pages->FindAnchor(QStringLiteral("a")), 0);  // anchors stay
}

TEST_F(PagesEditTest, SecondPassKeepsWhatCameBefore) {
  WritePages(*Page, 2, 2);
  Pages->BeginPass();
  WritePages(*Page, 2);
  Pages->ClearFirstPassPages();
  EXPECT_EQ(Pages->GetCount(), 2);
  EXPECT_EQ(Pages->CurPage(), 1);
  EXPECT_EQ(Pages->PageItem(1)->Count(), 2);
}

TEST_F(PagesEditTest, AnchorsAreFoundFromTheLastIgnoringCase) {
  WritePages(*Page, 2);
  Pages->AddAnchor(QStringLiteral("Mark"));
  WritePages(*Page, 1);
  Pages->AddAnchor(QStringLiteral("mark"));
  EXPECT_EQ(Pages->FindAnchor(QStringLiteral("MARK")), 1);
  EXPECT_EQ(Pages->GetAnchorPage(QStringLiteral("mark")), 3);
  EXPECT_EQ(Pages->GetAnchorPage(QStringLiteral("unknown")), 1);
  EXPECT_EQ(Pages->GetAnchorCurPosition(), 1);
}

TEST_F(PagesEditTest, ShiftedAnchorsMoveToTheNextPage) {
  WritePages(*Page, 1);
  Pages->AddAnchor(QStringLiteral("a"));
  Pages->AddAnchor(QStringLiteral("b"));
  Pages->AddAnchor(QStringLiteral("c"));
  Pages->ShiftAnchors(0, 40);
  EXPECT_EQ(Pages->GetAnchorPage(QStringLiteral("a")), 1);
  EXPECT_EQ(Pages->GetAnchorPage(QStringLiteral("b")), 2);
  EXPECT_EQ(Pages->GetAnchorTop(QStringLiteral("c")), 40);
}

TEST_F(PagesEditTest, OutlineLevelsAndShift) {
  WritePages(*Page, 1);
  TrpCustomOutline& outline = *Pages->Outline();
  outline.AddItem(QStringLiteral("A"), 10);
  outline.AddItem(QStringLiteral("A.1"), 20);
  outline.LevelUp();
  outline.LevelUp();
  outline.AddItem(QStringLiteral("B"), 30);
  outline.LevelRoot();
  outline.AddItem(QStringLiteral("C"), 50);
  outline.LevelRoot();
  EXPECT_EQ(outline.GetCount(), 3);
  EXPECT_EQ(outline.GetCurPosition(), 2);
  outline.ShiftItems(0, 5);  // B and C move to the next page, B to 5
  QString text;
  int page = 0, top = 0;
  outline.GetItem(1, text, page, top);
  EXPECT_EQ(text, "B");
  EXPECT_EQ(page, 1);
  EXPECT_EQ(top, 5);
  outline.GetItem(2, text, page, top);
  EXPECT_EQ(top, 25);
  outline.LevelDown(0);
  ASSERT_EQ(outline.GetCount(), 1);
  outline.GetItem(0, text, page, top);
  EXPECT_EQ(text, "A.1");
  EXPECT_EQ(page, 0);
}

TEST_F(PagesEditTest, CutOutlineItemsGoWithTheirSubtreesWhereTheyArePasted) {
  WritePages(*Page, 1);
  TrpCustomOutline& outline = *Pages->Outline();
  outline.AddItem(QStringLiteral("A"), 10);
  outline.LevelRoot();
  outline.AddItem(QStringLiteral("B"), 20);
  outline.AddItem(QStringLiteral("B.1"), 30);
  outline.LevelRoot();
  outline.AddItem(QStringLiteral("C"), 40);
  outline.LevelRoot();
  outline.CutItems(0);  // B (with B.1) and C
  EXPECT_EQ(outline.GetCount(), 1);
  outline.AddItem(QStringLiteral("P"), 0);
  outline.PasteItems();
  outline.LevelRoot();
  // "text@top" of each item on the current level.
  auto items = [&outline] {
    QStringList found;
    for (int i = 0; i < outline.GetCount(); ++i) {
      QString text;
      int page = 0, top = 0;
      outline.GetItem(i, text, page, top);
      found << QStringLiteral("%1@%2").arg(text).arg(top);
    }
    return found;
  };
  EXPECT_EQ(items(), (QStringList{"A@10", "P@0"}));
  outline.LevelDown(1);
  EXPECT_EQ(items(), (QStringList{"B@20", "C@40"}));
  outline.LevelDown(0);
  EXPECT_EQ(items(), QStringList{"B.1@30"});
  // Pasting again finds nothing left to paste.
  outline.LevelRoot();
  outline.PasteItems();
  EXPECT_EQ(outline.GetCount(), 2);
}

TEST_F(PagesEditTest, AliasNumbersHalveThenCountUp) {
  TrpDictionary dictionary;
  EXPECT_EQ(dictionary.UniqueName(QStringLiteral("m")), "m1");
  for (int i = 1; i <= 5; ++i) dictionary.Add(QStringLiteral("m%1").arg(i), QString(), nullptr);
  EXPECT_EQ(dictionary.UniqueName(QStringLiteral("m")), "m6");
  EXPECT_EQ(dictionary.UniqueName(QStringLiteral("b")), "b1");
  dictionary.Add(QStringLiteral("m312"), QString(), nullptr);
  EXPECT_EQ(dictionary.UniqueName(QStringLiteral("m")), "m313");
}

TEST_F(PagesEditTest, RunTimeObjectJoinsTheLastSourcePage) {
  auto* extra = NewMemo(Page, QStringLiteral("Extra"), 1, 2, 3, 4, QStringLiteral("x"));
  Pages->AddToSourcePage(*extra);
  EXPECT_FALSE(extra->AliasName().isEmpty());
  const TrpComponent* copy = Pages->Dictionary().GetObject(extra->AliasName());
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->Name(), "Memo2");  // a fresh name on the source page ("Memo1" is in the band)
  EXPECT_EQ(copy->Page(), Pages->SourcePage(0));
}
