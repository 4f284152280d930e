#pragma once
// TrpReportPage: a printable page. It holds the paper model (paper code, size in millimetres,
// orientation, margins), the page columns, paper bins, duplex mode, the background picture and
// the endless-size switches, and it holds the bands that the band layout engine stacks.
//
// The page's own Width and Height (report units) always equal the paper size rounded to whole
// units, except while AlignChildren lays the bands out over the printable area.
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

#include "report/datasets/data_set_binding.h"
#include "report/options/duplex_mode.h"
#include "report/pages/page.h"
#include "report/printer/printer_orientation.h"

class QImage;
class QPainter;
class TrpDataSet;
class TrpFrame;
class TrpPictureView;
class TrpSubreport;
struct TrpClassInfo;

extern const TrpEnumType rpPrinterOrientationType;

// Paper source 7 is the printer's automatic selection.
constexpr int rpAutoBin = 7;

class TrpReportPage : public TrpPage {
 public:
  explicit TrpReportPage(TrpComponent* owner);
  ~TrpReportPage() override;

  static const TrpClassInfo& StaticClassInfo();
  const TrpClassInfo& ClassInfo() const override;
  QString GetDescription() const override;

  // --- paper (millimetres) ---------------------------------------------------------------------
  TPrinterOrientation Orientation() const { return FOrientation; }
  // A change swaps paper width and height and turns the margins with the paper.
  void SetOrientation(TPrinterOrientation value);
  Extended PaperWidth() const { return FPaperWidth; }
  Extended PaperHeight() const { return FPaperHeight; }
  int PaperSize() const { return FPaperSize; }
  // Store the size rounded to 8 decimals; the paper becomes a custom size (256).
  virtual void SetPaperHeight(Extended value);
  virtual void SetPaperWidth(Extended value);
  // A code below 256 takes its dimensions from the printer paper table (swapped on a landscape
  // page); a code the table lacks keeps the current dimensions.
  virtual void SetPaperSize(int value);
  // All three at once, dimensions rounded to 8 decimals, whatever the code.
  void SetSizeAndDimensions(int paperSize, Extended width, Extended height);
  // Margins of 10 mm and the paper and orientation of the current printer.
  virtual void SetDefaults();
  // Takes the orientation, paper size and dimensions and the four margins of `source`.
  void AssignPaper(const TrpReportPage& source);

  Extended LeftMargin() const { return FLeftMargin; }
  void SetLeftMargin(Extended value) { FLeftMargin = value; }
  Extended RightMargin() const { return FRightMargin; }
  void SetRightMargin(Extended value) { FRightMargin = value; }
  Extended TopMargin() const { return FTopMargin; }
  void SetTopMargin(Extended value) { FTopMargin = value; }
  Extended BottomMargin() const { return FBottomMargin; }
  void SetBottomMargin(Extended value) { FBottomMargin = value; }
  bool MirrorMargins() const { return FMirrorMargins; }
  void SetMirrorMargins(bool value) { FMirrorMargins = value; }
  // Printable width and height in millimetres: the paper less the margins.
  Extended PrintableWidth() const { return FPaperWidth - FLeftMargin - FRightMargin; }
  Extended PrintableHeight() const { return FPaperHeight - FTopMargin - FBottomMargin; }

  // --- columns ---------------------------------------------------------------------------------
  int Columns() const { return FColumns; }
  // n > 0 splits the printable width into n equal columns and lists their offsets; any n clears
  // the offsets first.
  void SetColumns(int value);
  Extended ColumnWidth() const { return FColumnWidth; }
  void SetColumnWidth(Extended value) { FColumnWidth = value; }
  const QStringList& ColumnPositions() const { return FColumnPositions; }
  void SetColumnPositions(const QStringList& value) { FColumnPositions = value; }

  // --- printer ---------------------------------------------------------------------------------
  int Bin() const { return FBin; }
  void SetBin(int value) { FBin = value; }
  int BinOtherPages() const { return FBinOtherPages; }
  void SetBinOtherPages(int value) { FBinOtherPages = value; }
  TrpDuplexMode Duplex() const { return FDuplex; }
  void SetDuplex(TrpDuplexMode value) { FDuplex = value; }

  // --- background (the page's picture object: picture, colour and frame) -----------------------
  TrpPictureView* BackPictureObject() const { return FBackPicture.get(); }
  QImage BackPicture() const;
  void SetBackPicture(const QImage& value);
  bool BackPictureVisible() const { return FBackPictureVisible; }
  void SetBackPictureVisible(bool value) { FBackPictureVisible = value; }
  bool BackPicturePrintable() const { return FBackPicturePrintable; }
  void SetBackPicturePrintable(bool value) { FBackPicturePrintable = value; }
  bool BackPictureStretched() const { return FBackPictureStretched; }
  void SetBackPictureStretched(bool value) { FBackPictureStretched = value; }
  TColor Color() const;
  void SetColor(TColor value);
  TrpFrame* Frame() const;
  void SetFrame(const TrpFrame& value);

  // --- runs of the page ------------------------------------------------------------------------
  int PageCount() const { return FPageCount; }
  // Only a positive count is taken.
  void SetPageCount(int value);
  // None once the data set has been freed.
  TrpDataSet* DataSet() const;
  // Copies the data set's user name into DataSetName.
  void SetDataSet(TrpDataSet* value);
  const QString& DataSetName() const { return FDataSetBinding.DataSetName(); }
  TrpDataSetBinding* DataSetBinding() override { return &FDataSetBinding; }
  // Looks the data set up by its user name.
  void SetDataSetName(const QString& value);
  bool EndlessHeight() const { return FEndlessHeight; }
  void SetEndlessHeight(bool value) { FEndlessHeight = value; }
  bool EndlessWidth() const { return FEndlessWidth; }
  void SetEndlessWidth(bool value) { FEndlessWidth = value; }
  bool LargeDesignHeight() const { return FLargeDesignHeight; }
  void SetLargeDesignHeight(bool value) { FLargeDesignHeight = value; }
  const QString& OutlineText() const { return FOutlineText; }
  void SetOutlineText(const QString& value) { FOutlineText = value; }
  bool PrintIfEmpty() const { return FPrintIfEmpty; }
  void SetPrintIfEmpty(bool value) { FPrintIfEmpty = value; }
  bool PrintOnPreviousPage() const { return FPrintOnPreviousPage; }
  void SetPrintOnPreviousPage(bool value) { FPrintOnPreviousPage = value; }
  bool ShowTitleOnPreviousPage() const { return FShowTitleOnPreviousPage; }
  void SetShowTitleOnPreviousPage(bool value) { FShowTitleOnPreviousPage = value; }
  bool ResetPageNumbers() const { return FResetPageNumbers; }
  void SetResetPageNumbers(bool value) { FResetPageNumbers = value; }
  bool TitleBeforeHeader() const { return FTitleBeforeHeader; }
  void SetTitleBeforeHeader(bool value) { FTitleBeforeHeader = value; }
  const QStringList& HGuides() const { return FHGuides; }
  void SetHGuides(const QStringList& value) { FHGuides = value; }
  const QStringList& VGuides() const { return FVGuides; }
  void SetVGuides(const QStringList& value) { FVGuides = value; }
  const QString& OnAfterPrint() const { return FOnAfterPrint; }
  void SetOnAfterPrint(const QString& value) { FOnAfterPrint = value; }
  const QString& OnBeforePrint() const { return FOnBeforePrint; }
  void SetOnBeforePrint(const QString& value) { FOnBeforePrint = value; }
  const QString& OnManualBuild() const { return FOnManualBuild; }
  void SetOnManualBuild(const QString& value) { FOnManualBuild = value; }

  // --- subreport link --------------------------------------------------------------------------
  // The subreport object that shows this page; kept by TrpSubreport::SetPage.
  TrpSubreport* SubReport() const { return FSubReport; }
  bool IsSubReport() const { return FSubReport != nullptr; }

  // --- bands -----------------------------------------------------------------------------------
  // The first child of class `bandClass` (or of a class derived from it), or none.
  TrpComponent* FindBand(const TrpClassInfo& bandClass) const;
  // Working lists of the band layout engine.
  QList<TrpComponent*>& SubBands() { return FSubBands; }
  QList<TrpComponent*>& VSubBands() { return FVSubBands; }

  // Lays the objects on the page and the bands out over the printable area (report_page_align).
  void AlignChildren() override;
  // Draws the background picture inside the margins (report_page_background).
  void Draw(QPainter& canvas, Extended scaleX, Extended scaleY, Extended offsetX,
            Extended offsetY);

  void Notification(TrpComponent* removed) override;

 private:
  friend class TrpSubreport;
  void UpdatePageSize();

  std::unique_ptr<TrpPictureView> FBackPicture;
  int FBin = rpAutoBin;
  int FBinOtherPages = rpAutoBin;
  Extended FBottomMargin = 0;
  int FColumns = 0;
  Extended FColumnWidth = 0;
  QStringList FColumnPositions;
  TrpDuplexMode FDuplex = dmNone;
  bool FEndlessHeight = false;
  bool FEndlessWidth = false;
  QStringList FHGuides;
  bool FLargeDesignHeight = false;
  Extended FLeftMargin = 0;
  bool FMirrorMargins = false;
  TPrinterOrientation FOrientation = poPortrait;
  QString FOutlineText;
  bool FPrintIfEmpty = true;
  bool FPrintOnPreviousPage = false;
  bool FResetPageNumbers = false;
  Extended FRightMargin = 0;
  TrpSubreport* FSubReport = nullptr;
  bool FTitleBeforeHeader = true;
  Extended FTopMargin = 0;
  QStringList FVGuides;
  QString FOnAfterPrint;
  QString FOnBeforePrint;
  QString FOnManualBuild;
  TrpDataSetBinding FDataSetBinding;
  bool FBackPictureVisible = true;
  bool FBackPicturePrintable = true;
  bool FBackPictureStretched = true;
  int FPageCount = 1;
  bool FShowTitleOnPreviousPage = true;
  Extended FPaperHeight = 0;
  int FPaperSize = 0;
  Extended FPaperWidth = 0;
  QList<TrpComponent*> FSubBands;
  QList<TrpComponent*> FVSubBands;
};
