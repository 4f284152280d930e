// Hyperlinks and clicks in the real preview window: URLs go to the system's handler (safe
// schemes only), anchors move the view, detail reports open in a tab of their own that frees its
// pages when closed, and a click handler that changes an object is seen in the next picture.
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include "preview_window_fixture.h"
#include "report/objects/variables.h"
#include "report/pages/band_kinds.h"
#include "report/pages/data_band.h"
#include "report/preview/preview.h"
#include "report/preview/preview_workspace.h"
#include "report/store/preview_pages.h"
#include "report/views/hyperlink.h"

namespace {

class PreviewLinks : public PreviewWindowTest {
 protected:
  // A text object at (x, y) on the page `page` (units), 150 x 80, with a hyperlink.
  TrpMemoView* AddLink(TrpComponent* page, const QString& name, Extended x, Extended y, TrpHyperlinkKind kind,
                       const QString& value) {
    auto* memo = new TrpMemoView(page);
    memo->SetName(name);
    memo->SetBounds(x, y, 150, 80);
    memo->SetText(name);
    memo->Hyperlink()->SetKind(kind);
    memo->Hyperlink()->SetValue(value);
    return memo;
  }
  TrpReportPage* AddPage() {
    auto* page = new TrpReportPage(Report.get());
    page->CreateUniqueName();
    return page;
  }
  TrpPreviewPages& Store() const { return static_cast<TrpPreviewPages&>(*Report->PreviewPages()); }
  // Where the prepared object `name` of the shown page lies in the workspace.
  static QPoint CentreOf(TrpPreview& preview, const QString& name) {
    TrpPreviewWorkspace& workspace = *preview.Workspace();
    TrpCustomPreviewPages& pages = *preview.PreviewPages();
    const int index = preview.PageNo() - 1;
    TrpReportPage& page = *pages.GetPage(index);
    auto* object = static_cast<TrpReportComponent*>(page.FindObject(name));
    const QRect bounds = workspace.ScreenBounds(index);
    const Extended zoom = workspace.Zoom();
    const Extended x = (page.LeftMargin() * rp01cm + object->AbsLeft() + object->Width() / 2) * zoom;
    const Extended y = (page.TopMargin() * rp01cm + object->AbsTop() + object->Height() / 2) * zoom;
    return bounds.topLeft() + QPoint(static_cast<int>(x), static_cast<int>(y));
  }
  static void Click(TrpPreview& preview, const QString& name) {
    const QPoint at = CentreOf(preview, name);
    QTest::mouseMove(preview.Workspace()->viewport(), at);
    QTest::mouseClick(preview.Workspace()->viewport(), Qt::LeftButton, {}, at);
    Settle();
  }
};

TEST_F(PreviewLinks, AURLGoesToTheSystemsHandlerAndAScriptAddressDoesNot) {
  TrpReportPage* page = AddPage();
  AddLink(page, "Web", 40, 100, hkURL, "https://example.org/sheets");
  AddLink(page, "Script", 40, 300, hkURL, "javascript:alert(1)");
  QStringList opened;
  Store().OpenURL = [&](const QUrl& url) { opened << url.toString(); };
  InThePreview(1, [&](TrpPreviewForm& form) {
    TrpPreview& preview = *form.PreviewControl();
    QTest::mouseMove(preview.Workspace()->viewport(), CentreOf(preview, "Web"));
    Settle();
    EXPECT_EQ(preview.Workspace()->viewport()->cursor().shape(), Qt::PointingHandCursor);
    Click(preview, "Web");
    Click(preview, "Script");
  });
  EXPECT_EQ(opened, QStringList{"https://example.org/sheets"});
}

TEST_F(PreviewLinks, AnAnchorLinkMovesTheViewToTheAnchorsPage) {
  AddLink(AddPage(), "ToFar", 40, 100, hkAnchor, "far");
  AddPage();
  TrpReportPage* third = AddPage();
  // The anchor is set where a band low on the third page is printed.
  auto* band = new TrpMasterData(third);
  band->SetName(QStringLiteral("Low"));
  band->SetBounds(0, 600, 500, 100);
  band->SetRowCount(1);
  Report->OnBeforePrint = [this](TrpComponent* object) {
    if (object->Name() == QLatin1String("Low")) Report->PreviewPages()->AddAnchor(QStringLiteral("far"));
  };
  InThePreview(3, [&](TrpPreviewForm& form) {
    TrpPreview& preview = *form.PreviewControl();
    ASSERT_EQ(preview.PageNo(), 1);
    Click(preview, "ToFar");
    EXPECT_EQ(preview.PageNo(), 3);
    // The view starts at the anchor's position on its page.
    EXPECT_EQ(Store().GetAnchorPage(QStringLiteral("far")), 3);
    EXPECT_NEAR(preview.GetTopPosition(), Store().GetAnchorTop(QStringLiteral("far")), 2);
  });
}

TEST_F(PreviewLinks, ADetailReportOpensInATabOfItsOwnWithTheClickedValue) {
  QTemporaryDir dir;
  {
    TrpReport detail;
    auto* page = new TrpReportPage(&detail);
    page->SetName(QStringLiteral("Page1"));
    auto* memo = new TrpMemoView(page);
    memo->SetName(QStringLiteral("Who"));
    memo->SetBounds(40, 100, 300, 80);
    memo->SetText(QStringLiteral("Pupil: [Who]"));
    detail.SaveToFile(dir.filePath(QStringLiteral("detail.xml")));
  }
  TrpMemoView* link = AddLink(AddPage(), "Ann", 40, 100, hkDetailReport, "'Ann'");
  link->Hyperlink()->SetDetailReport(dir.filePath(QStringLiteral("detail.xml")));
  link->Hyperlink()->SetReportVariable(QStringLiteral("Who"));
  link->Hyperlink()->SetTabCaption(QStringLiteral("Ann's sheet"));
  InThePreview(1, [&](TrpPreviewForm& form) {
    TrpPreview& preview = *form.PreviewControl();
    Click(preview, "Ann");
    ASSERT_EQ(preview.TabCount(), 2) << Dialogs.Messages.join(u'\n').toStdString();
    TrpCustomPreviewPages* detailPages = preview.PreviewPages();
    ASSERT_NE(detailPages, Report->PreviewPages());
    auto* who = static_cast<TrpMemoView*>(detailPages->GetPage(0)->FindObject(QStringLiteral("Who")));
    ASSERT_TRUE(who);
    EXPECT_EQ(who->Text().trimmed(), QStringLiteral("Pupil: Ann"));
    // Back on the first tab, the same link switches to the open tab instead of a third.
    preview.SwitchToTab(Report.get());
    Click(preview, "Ann");
    EXPECT_EQ(preview.TabCount(), 2);
    preview.RemoveTab(1);
    EXPECT_EQ(preview.TabCount(), 1);
    EXPECT_EQ(preview.PreviewPages(), Report->PreviewPages());
  });
}

TEST_F(PreviewLinks, ADetailPageIsPreparedAloneInATabAndRefreshedAlone) {
  TrpMemoView* link = AddLink(AddPage(), "Open", 40, 100, hkDetailPage, "'B'");
  link->Hyperlink()->SetDetailPage(QStringLiteral("Detail"));
  link->Hyperlink()->SetReportVariable(QStringLiteral("Letter"));
  TrpReportPage* detail = AddPage();
  detail->SetName(QStringLiteral("Detail"));
  AddLink(detail, "Shown", 40, 100, hkURL, QString())->SetText(QStringLiteral("Letter [Letter]"));
  Report->Variables().SetVariables(QStringLiteral("Letter"), ScriptValue(QStringLiteral("'A'")));
  InThePreview(2, [&](TrpPreviewForm& form) {
    TrpPreview& preview = *form.PreviewControl();
    Click(preview, "Open");
    ASSERT_EQ(preview.TabCount(), 2) << Dialogs.Messages.join(u'\n').toStdString();
    const auto shown = [&] {
      TrpCustomPreviewPages& pages = *preview.PreviewPages();
      auto* memo = static_cast<TrpMemoView*>(pages.GetPage(0)->FindObject(QStringLiteral("Shown")));
      return QStringLiteral("%1 page(s): %2").arg(pages.GetCount()).arg(memo ? memo->Text().trimmed() : QString());
    };
    EXPECT_EQ(shown(), QStringLiteral("1 page(s): Letter B"));
    preview.RefreshReport();
    EXPECT_EQ(shown(), QStringLiteral("1 page(s): Letter B"));
  });
}

TEST_F(PreviewLinks, AClickHandlerThatChangesAnObjectIsSeenInTheNextPicture) {
  TrpReportPage* page = AddPage();
  AddLink(page, "Cell", 40, 100, hkURL, QString());
  Report->OnClickObject = [](TrpView* object, Qt::MouseButton, Qt::KeyboardModifiers, bool& modified) {
    object->SetColor(0x0000FF);  // red, as colours are stored
    modified = true;
  };
  InThePreview(1, [&](TrpPreviewForm& form) {
    TrpPreview& preview = *form.PreviewControl();
    const QPoint at = CentreOf(preview, "Cell");
    const auto colourAt = [&] { return preview.Workspace()->viewport()->grab().toImage().pixelColor(at + QPoint(0, 10)); };
    EXPECT_EQ(colourAt(), QColor(Qt::white));
    Click(preview, "Cell");
    EXPECT_EQ(colourAt(), QColor(Qt::red));
  });
}

}  // namespace
