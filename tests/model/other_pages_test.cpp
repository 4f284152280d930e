// The data page, the dialog page and the registration of the page and band classes.
#include <QSet>

#include <gtest/gtest.h>

#include <memory>

#include "report/dialogs/dialog_controls.h"
#include "report/dialogs/dialog_page.h"
#include "report/objects/class_info.h"
#include "report/objects/class_registry.h"
#include "report/objects/custom_report.h"
#include "report/pages/data_page.h"
#include "report/pages/page_classes.h"
#include "report/pages/report_page.h"

namespace {

QSet<QString> publishedNames(const TrpClassInfo& info) {
  QSet<QString> names;
  for (const TrpPropertyDescriptor& d : info.Properties()) names.insert(QString::fromLatin1(d.Name));
  return names;
}

TEST(DataPage, NewDataPageIsAThousandUnitsSquare) {
  TrpDataPage page(nullptr);
  EXPECT_EQ(page.Width(), 1000);
  EXPECT_EQ(page.Height(), 1000);
}

TEST(DataPage, PublishesGeometryFontAndVisibility) {
  EXPECT_EQ(publishedNames(TrpDataPage::StaticClassInfo()),
            (QSet<QString>{"Name", "Tag", "Font", "Visible", "Left", "Top", "Width", "Height"}));
}

TEST(DialogPage, ClientSizeIsThePageSize) {
  TrpDialogPage page(nullptr);
  page.SetClientWidth(420);
  page.SetClientHeight(240);
  EXPECT_EQ(page.Width(), 420);
  EXPECT_EQ(page.Height(), 240);
  EXPECT_EQ(page.ClientWidth(), 420);
}

TEST(DialogPage, NewDialogIsACentredDialogWindow) {
  TrpDialogPage page(nullptr);
  EXPECT_EQ(page.BorderStyle(), bsDialog);
  EXPECT_EQ(page.Position(), poScreenCenter);
  EXPECT_EQ(page.WindowState(), wsNormal);
  EXPECT_EQ(page.ModalResult(), 0);
  EXPECT_TRUE(page.InheritsFrom("TrpPage"));
}

// The dialog page registers with its controls, in the dialogs' layer above the pages.
TEST(PageClasses, AreCreatedByNameOnceRegistered) {
  rpRegisterPageClasses();
  rpRegisterDialogClasses();
  TrpCustomReport report;
  for (const char* name :
       {"TrpReportPage", "TrpDataPage", "TrpDialogPage", "TrpSubreport", "TrpNullBand",
        "TrpReportTitle", "TrpReportSummary", "TrpPageHeader", "TrpPageFooter", "TrpHeader",
        "TrpFooter", "TrpMasterData", "TrpDetailData", "TrpSubdetailData", "TrpDataBand4",
        "TrpDataBand5", "TrpDataBand6", "TrpGroupHeader", "TrpGroupFooter", "TrpChild",
        "TrpColumnHeader", "TrpColumnFooter", "TrpOverlay"}) {
    TrpComponent* object = rpCreateObject(QString::fromLatin1(name), &report);
    ASSERT_NE(object, nullptr) << name;
    EXPECT_EQ(object->ClassName(), QLatin1String(name));
  }
}

TEST(PageClasses, ReportPageBaseNameIsPage) {
  TrpReportPage page(nullptr);
  EXPECT_EQ(page.BaseName(), QStringLiteral("Page"));
  TrpDataPage data(nullptr);
  EXPECT_EQ(data.BaseName(), QStringLiteral("DataPage"));
}

}  // namespace
