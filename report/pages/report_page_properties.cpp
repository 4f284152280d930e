// The published properties of TrpReportPage, in publishing order. Orientation comes before the
// paper size and the paper size after its dimensions, so that a page read back from a file ends
// with the stored code and, for a code of the paper table, the table's dimensions in the stored
// orientation; the margins come before Columns, whose setter divides the printable width.
#include "report/datasets/data_set.h"
#include "report/objects/class_info.h"
#include "report/objects/property_builders.h"
#include "report/pages/report_page.h"
#include "report/views/frame.h"

namespace {

TrpComponent* createReportPage(TrpComponent* owner) { return new TrpReportPage(owner); }

}  // namespace

const TrpClassInfo& TrpReportPage::StaticClassInfo() {
  using C = TrpReportPage;
  static const TrpClassInfo info(
      "TrpReportPage", &TrpPage::StaticClassInfo(), &createReportPage,
      {
          rpEnum<&C::Orientation, &C::SetOrientation>("Orientation", rpPrinterOrientationType,
                                                      poPortrait),
          rpFloat<&C::PaperWidth, &C::SetPaperWidth>("PaperWidth"),
          rpFloat<&C::PaperHeight, &C::SetPaperHeight>("PaperHeight"),
          rpInteger<&C::PaperSize, &C::SetPaperSize>("PaperSize"),
          rpFloat<&C::LeftMargin, &C::SetLeftMargin>("LeftMargin"),
          rpFloat<&C::RightMargin, &C::SetRightMargin>("RightMargin"),
          rpFloat<&C::TopMargin, &C::SetTopMargin>("TopMargin"),
          rpFloat<&C::BottomMargin, &C::SetBottomMargin>("BottomMargin"),
          rpBoolean<&C::MirrorMargins, &C::SetMirrorMargins>("MirrorMargins", false),
          rpInteger<&C::Columns, &C::SetColumns>("Columns", 0),
          rpFloat<&C::ColumnWidth, &C::SetColumnWidth>("ColumnWidth"),
          rpStrings<&C::ColumnPositions, &C::SetColumnPositions>("ColumnPositions"),
          rpInteger<&C::Bin, &C::SetBin>("Bin", rpAutoBin),
          rpInteger<&C::BinOtherPages, &C::SetBinOtherPages>("BinOtherPages", rpAutoBin),
          rpPicture<&C::BackPicture, &C::SetBackPicture>("BackPicture"),
          rpBoolean<&C::BackPictureVisible, &C::SetBackPictureVisible>("BackPictureVisible", true),
          rpBoolean<&C::BackPicturePrintable, &C::SetBackPicturePrintable>("BackPicturePrintable",
                                                                           true),
          rpBoolean<&C::BackPictureStretched, &C::SetBackPictureStretched>("BackPictureStretched",
                                                                           true),
          rpInteger<&C::PageCount, &C::SetPageCount>("PageCount", 1),
          rpColor<&C::Color, &C::SetColor>("Color", clNone),
          rpReference<&C::DataSet, &C::SetDataSet>("DataSet"),
          rpString<&C::DataSetName, &C::SetDataSetName>("DataSetName"),
          rpEnum<&C::Duplex, &C::SetDuplex>("Duplex", rpDuplexModeType, dmNone),
          rpObject<&C::Frame, &C::SetFrame>("Frame"),
          rpBoolean<&C::EndlessHeight, &C::SetEndlessHeight>("EndlessHeight", false),
          rpBoolean<&C::EndlessWidth, &C::SetEndlessWidth>("EndlessWidth", false),
          rpBoolean<&C::LargeDesignHeight, &C::SetLargeDesignHeight>("LargeDesignHeight", false),
          rpString<&C::OutlineText, &C::SetOutlineText>("OutlineText"),
          rpBoolean<&C::PrintIfEmpty, &C::SetPrintIfEmpty>("PrintIfEmpty", true),
          rpBoolean<&C::PrintOnPreviousPage, &C::SetPrintOnPreviousPage>("PrintOnPreviousPage",
                                                                         false),
          rpBoolean<&C::ShowTitleOnPreviousPage, &C::SetShowTitleOnPreviousPage>(
              "ShowTitleOnPreviousPage", true),
          rpBoolean<&C::ResetPageNumbers, &C::SetResetPageNumbers>("ResetPageNumbers", false),
          rpBoolean<&C::TitleBeforeHeader, &C::SetTitleBeforeHeader>("TitleBeforeHeader", true),
          rpStrings<&C::HGuides, &C::SetHGuides>("HGuides"),
          rpStrings<&C::VGuides, &C::SetVGuides>("VGuides"),
          rpString<&C::OnAfterPrint, &C::SetOnAfterPrint>("OnAfterPrint"),
          rpString<&C::OnBeforePrint, &C::SetOnBeforePrint>("OnBeforePrint"),
          rpString<&C::OnManualBuild, &C::SetOnManualBuild>("OnManualBuild"),
      });
  return info;
}

const TrpClassInfo& TrpReportPage::ClassInfo() const { return StaticClassInfo(); }
