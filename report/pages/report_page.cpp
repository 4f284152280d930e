// TrpReportPage: construction, the paper model, columns, runs and the data-set link.
#include "report/pages/report_page.h"

#include <utility>

#include "report/datasets/data_set.h"
#include "report/objects/class_info.h"
#include "report/objects/float_text.h"
#include "report/pages/subreport.h"
#include "report/printer/custom_printer.h"
#include "report/printer/paper_table.h"
#include "report/printer/printers.h"
#include "report/res/resources.h"
#include "report/views/picture_view.h"

namespace {

constexpr TrpEnumValue kOrientations[] = {{"poPortrait", poPortrait}, {"poLandscape", poLandscape}};

// Paper dimensions are kept to 8 decimals, so that values typed, computed or read back from a
// file compare equal.
Extended roundToEightDecimals(Extended value) {
  constexpr Extended scale = 100000000.0L;
  return static_cast<Extended>(rpRound(value * scale)) / scale;
}

}  // namespace

const TrpEnumType rpPrinterOrientationType{"TPrinterOrientation", kOrientations};

TrpReportPage::TrpReportPage(TrpComponent* owner)
    : TrpPage(owner), FBackPicture(std::make_unique<TrpPictureView>(nullptr)) {
  // The background object belongs to the page alone: no owner, never in the tree.
  FBackPicture->SetColor(clTransparent);
  FBackPicture->SetKeepAspectRatio(false);
  SetBaseName(QStringLiteral("Page"));
  SetPaperSize(rpA4Paper);
}

TrpReportPage::~TrpReportPage() {
  if (FSubReport) FSubReport->FPage = nullptr;
}

QString TrpReportPage::GetDescription() const {
  return rpResources()->Get(QStringLiteral("obRepPage"));
}

// --- paper ---------------------------------------------------------------------------------------

void TrpReportPage::UpdatePageSize() {
  SetWidth(static_cast<Extended>(rpRound(FPaperWidth * rp01cm)));
  SetHeight(static_cast<Extended>(rpRound(FPaperHeight * rp01cm)));
}

void TrpReportPage::SetOrientation(TPrinterOrientation value) {
  if (value == FOrientation) return;
  FOrientation = value;
  std::swap(FPaperWidth, FPaperHeight);
  // The margins turn with the sheet: a quarter turn one way to landscape, back the other way.
  const Extended left = FLeftMargin, right = FRightMargin;
  const Extended top = FTopMargin, bottom = FBottomMargin;
  if (value == poLandscape) {
    FLeftMargin = top, FRightMargin = bottom, FTopMargin = right, FBottomMargin = left;
  } else {
    FLeftMargin = bottom, FRightMargin = top, FTopMargin = left, FBottomMargin = right;
  }
  UpdatePageSize();
}

void TrpReportPage::SetPaperWidth(Extended value) {
  FPaperWidth = roundToEightDecimals(value);
  FPaperSize = rpCustomPaper;
  UpdatePageSize();
}

void TrpReportPage::SetPaperHeight(Extended value) {
  FPaperHeight = roundToEightDecimals(value);
  FPaperSize = rpCustomPaper;
  UpdatePageSize();
}

void TrpReportPage::SetPaperSize(int value) {
  FPaperSize = value;
  if (value < rpCustomPaper) {
    Extended width = 0, height = 0;
    if (rpGetPaperDimensions(value, width, height)) {
      if (FOrientation == poLandscape) std::swap(width, height);
      FPaperWidth = width;
      FPaperHeight = height;
    }
  }
  UpdatePageSize();
}

void TrpReportPage::SetSizeAndDimensions(int paperSize, Extended width, Extended height) {
  FPaperSize = paperSize;
  FPaperWidth = roundToEightDecimals(width);
  FPaperHeight = roundToEightDecimals(height);
  UpdatePageSize();
}

void TrpReportPage::AssignPaper(const TrpReportPage& source) {
  SetOrientation(source.FOrientation);
  SetSizeAndDimensions(source.FPaperSize, source.FPaperWidth, source.FPaperHeight);
  FLeftMargin = source.FLeftMargin;
  FRightMargin = source.FRightMargin;
  FTopMargin = source.FTopMargin;
  FBottomMargin = source.FBottomMargin;
}

void TrpReportPage::SetDefaults() {
  FLeftMargin = FRightMargin = FTopMargin = FBottomMargin = 10;
  // The printer's default dimensions are already those of its default orientation.
  if (const TrpCustomPrinter* printer = rpPrinters()->Printer()) {
    FOrientation = printer->DefOrientation();
    SetSizeAndDimensions(printer->DefPaper(), printer->DefPaperWidth(), printer->DefPaperHeight());
  }
  UpdatePageSize();
}

// --- columns and runs ----------------------------------------------------------------------------

void TrpReportPage::SetColumns(int value) {
  FColumns = value;
  FColumnPositions.clear();
  if (value <= 0) return;
  FColumnWidth = PrintableWidth() / value;
  for (int i = 0; i < value; ++i) FColumnPositions.append(rpFloatToStr(i * FColumnWidth));
}

void TrpReportPage::SetPageCount(int value) {
  if (value > 0) FPageCount = value;
}

TrpDataSet* TrpReportPage::DataSet() const { return FDataSetBinding.DataSet(); }

void TrpReportPage::SetDataSet(TrpDataSet* value) { FDataSetBinding.SetDataSet(value); }

void TrpReportPage::SetDataSetName(const QString& value) { FDataSetBinding.SetDataSetName(Report(), value); }

void TrpReportPage::Notification(TrpComponent* removed) {
  FDataSetBinding.Forget(removed);
  TrpPage::Notification(removed);
}

// --- bands ---------------------------------------------------------------------------------------

TrpComponent* TrpReportPage::FindBand(const TrpClassInfo& bandClass) const {
  for (TrpComponent* child : Objects())
    if (child->ClassInfo().InheritsFrom(bandClass)) return child;
  return nullptr;
}
