// A click on a drill-down group header in the preview: the group's key is toggled in the report's
// drill state and the report is prepared again in place.
#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

#include "report/binding/report_script.h"
#include "report/component/report.h"
#include "report/component/report_classes.h"
#include "report/datasets/user_data_set.h"
#include "report/engine/install_engine.h"
#include "report/objects/custom_preview_pages.h"
#include "report/objects/report_services.h"
#include "report/options/common_error_handler.h"
#include "report/options/engine_options.h"
#include "report/pages/band_kinds.h"
#include "report/pages/data_band.h"
#include "report/pages/group_header.h"
#include "report/pages/report_page.h"
#include "report/preview/preview.h"
#include "report/preview/preview_form.h"
#include "report/preview/preview_workspace.h"
#include "report/services/install_report_services.h"
#include "report/store/install_preview_pages.h"
#include "report/store/xml_serializer.h"

namespace {

constexpr Extended kMargin = 10;  // mm

class DrillDownClick : public ::testing::Test {
 protected:
  void SetUp() override {
    rpInstallReportServices();
    Report = std::make_unique<TrpReport>();
    Report->EngineOptions().SetNewSilentMode(simSilent);
    auto* page = new TrpReportPage(Report.get());
    page->SetName(QStringLiteral("Page1"));
    for (auto set : {&TrpReportPage::SetLeftMargin, &TrpReportPage::SetTopMargin,
                     &TrpReportPage::SetRightMargin, &TrpReportPage::SetBottomMargin})
      (page->*set)(kMargin);
    auto* header = new TrpGroupHeader(page);
    header->SetName(QStringLiteral("Group"));
    header->SetBounds(0, 0, 100, 20);
    header->SetCondition(QStringLiteral("Grp"));
    header->SetDrillDown(true);
    auto* data = new TrpMasterData(page);
    data->SetName(QStringLiteral("Data"));
    data->SetBounds(0, 40, 100, 20);
    data->SetRowCount(4);
    // Rows 1 and 2 form the first group, rows 3 and 4 the second. The band is looked up by name:
    // each preparation reads the definition back, with new objects.
    Report->OnGetValue = [report = Report.get()](const QString& name, ScriptValue& value) {
      auto* rows = dynamic_cast<TrpDataBand*>(report->FindObject(QStringLiteral("Data")));
      if (name == QLatin1String("Grp") && rows) value = ScriptValue(rows->VirtualDataSet().RecNo() < 2 ? 1 : 2);
    };
  }
  void TearDown() override {
    Report.reset();
    rpReportServices() = TrpReportServices{};
  }
  static void Settle() {
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
  }
  QStringList BandNames() const {
    QStringList names;
    for (TrpComponent* child : Report->PreviewPages()->GetPage(0)->Objects()) names << child->Name();
    return names;
  }
  // Clicks the prepared band whose top is `top` (report units) on page 1.
  void ClickBandAt(TrpPreview& preview, Extended top) {
    TrpPreviewWorkspace& workspace = *preview.Workspace();
    const QRect page = workspace.ScreenBounds(0);
    const Extended zoom = workspace.Zoom();
    const auto px = [zoom](Extended units) { return static_cast<int>(rpRound(units * zoom)); };
    const QPoint at(page.left() + px(kMargin * rp01cm + 50), page.top() + px(kMargin * rp01cm + top + 10));
    QTest::mouseClick(workspace.viewport(), Qt::LeftButton, {}, at);
    Settle();
  }

  std::unique_ptr<TrpReport> Report;
};

TEST_F(DrillDownClick, AClickOnAHeaderOpensItsGroupAndASecondClickClosesItAgain) {
  auto preview = std::make_unique<TrpPreview>();
  preview->resize(1000, 700);
  preview->show();
  Settle();
  Report->SetPreview(preview.get());
  Report->DrillState() << QStringLiteral("left from an earlier preview");
  ASSERT_TRUE(Report->PrepareReport()) << Report->Errors().join(u'\n').toStdString();
  Settle();
  // A new run starts with every group as designed.
  EXPECT_TRUE(Report->DrillState().isEmpty());
  ASSERT_EQ(BandNames(), (QStringList{"Group", "Group"}));

  ClickBandAt(*preview, 20);  // the second header
  EXPECT_EQ(Report->DrillState(), QStringList{"Group.2"});
  EXPECT_EQ(BandNames(), (QStringList{"Group", "Group", "Data", "Data"}));
  EXPECT_EQ(preview->PageNo(), 1);

  ClickBandAt(*preview, 20);
  EXPECT_TRUE(Report->DrillState().isEmpty());
  EXPECT_EQ(BandNames(), (QStringList{"Group", "Group"}));
  Report->SetPreview(nullptr);
}

TEST_F(DrillDownClick, AClickBesideTheHeadersChangesNothing) {
  auto preview = std::make_unique<TrpPreview>();
  preview->resize(1000, 700);
  preview->show();
  Settle();
  Report->SetPreview(preview.get());
  ASSERT_TRUE(Report->PrepareReport());
  Settle();
  ClickBandAt(*preview, 200);
  EXPECT_TRUE(Report->DrillState().isEmpty());
  EXPECT_EQ(BandNames(), (QStringList{"Group", "Group"}));
  Report->SetPreview(nullptr);
}

TEST_F(DrillDownClick, ThePreviewWindowsMenuOpensAndFoldsEveryGroup) {
  auto form = std::make_unique<TrpPreviewForm>();
  form->resize(1000, 700);
  form->show();
  Settle();
  Report->SetPreview(form->PreviewControl());
  form->Init();
  ASSERT_TRUE(Report->PrepareReport());
  Settle();
  ASSERT_TRUE(form->ExpandMI->isVisible());
  form->ExpandMI->trigger();
  Settle();
  EXPECT_EQ(BandNames(), (QStringList{"Group", "Data", "Data", "Group", "Data", "Data"}));
  form->CollapseMI->trigger();
  Settle();
  EXPECT_EQ(BandNames(), (QStringList{"Group", "Group"}));
  EXPECT_TRUE(Report->DrillState().isEmpty());
  Report->SetPreview(nullptr);
}

}  // namespace
