#pragma once
// TrpView: the base of every report object that draws something — its frame, fill and
// hyperlink, its visibility, and the mapping of its position to device pixels (BeginDraw) that
// lets one drawing routine serve the preview at any zoom, the printer and the thumbnails.
#include <QString>

#include <memory>

#include "report/datasets/data_set_binding.h"
#include "report/objects/report_component.h"
#include "report/views/brush_fill.h"
#include "report/views/fill.h"

class QPainter;
class TrpDataSet;
class TrpFrame;
class TrpHyperlink;

enum TrpShiftMode { smDontShift, smAlways, smWhenOverlapped };
enum TrpVisibilityType { vsPreview, vsExport, vsPrint };
using TrpVisibility = TrpSet<TrpVisibilityType>;

extern const TrpEnumType rpShiftModeType;
extern const TrpEnumType rpVisibilityType;

class TrpView : public TrpReportComponent {
 public:
  explicit TrpView(TrpComponent* owner);
  ~TrpView() override;

  static const TrpClassInfo& StaticClassInfo();
  const TrpClassInfo& ClassInfo() const override;

  // --- drawing (view_draw.cpp) -----------------------------------------------------------------
  // BeginDraw, DrawBackground, DrawFrame.
  void Draw(QPainter& canvas, Extended scaleX, Extended scaleY, Extended offsetX,
            Extended offsetY) override;
  // Maps the absolute bounds to device pixels (FX, FY, FX1, FY1, FDX, FDY, FFrameWidth), each
  // rounded halves to even, and keeps the canvas, scales and offsets for the later steps.
  virtual void BeginDraw(QPainter& canvas, Extended scaleX, Extended scaleY, Extended offsetX,
                         Extended offsetY);
  // The fill over FX..FX1 by FY..FY1, widened under each side that has a frame line.
  virtual void DrawBackground();
  virtual void DrawFrame();
  // The fill rectangle DrawBackground paints (right and bottom edges excluded).
  QRect BackgroundRect() const;

  // Mouse notifications of the preview; a view does nothing with them.
  virtual void DoMouseMove(int x, int y) { (void)x, (void)y; }
  virtual void DoMouseUp(int x, int y) { (void)x, (void)y; }
  virtual void DoMouseEnter(TrpView* previous) { (void)previous; }
  virtual void DoMouseLeave(TrpView* next) { (void)next; }
  virtual void DoMouseClick(bool doubleClick) { (void)doubleClick; }

  // Device values of the last BeginDraw.
  int FX = 0, FY = 0, FX1 = 0, FY1 = 0, FDX = 0, FDY = 0, FFrameWidth = 0;
  Extended FScaleX = 1, FScaleY = 1, FOffsetX = 0, FOffsetY = 0;
  QPainter* FCanvas = nullptr;

  // --- printing (view_print.cpp) ----------------------------------------------------------------
  // Keeps TagStr and Hyperlink.Value besides the bounds, and makes this view the report's "Self".
  void BeforePrint() override;
  // Restores what BeforePrint kept.
  void AfterPrint() override;
  // Expands the bracketed expressions of TagStr and Hyperlink.Value and evaluates
  // Hyperlink.Expression through the report's Calc.
  void GetData() override;
  // Legacy URL: "@n" a page number, "#name" an anchor, anything else a URL; empty is ignored.
  void SetURL(const QString& value);
  QString URL() const { return {}; }

  // --- properties ------------------------------------------------------------------------------
  TrpAlign Align() const override { return FAlign; }
  void SetAlign(TrpAlign value) { FAlign = value; }
  bool IsVisualObject() const override { return true; }
  int Cursor() const { return FCursor; }
  void SetCursor(int value) { FCursor = static_cast<qint16>(value); }
  TrpFrame* Frame() const { return FFrame.get(); }
  void SetFrame(const TrpFrame& value);
  TrpShiftMode ShiftMode() const { return FShiftMode; }
  void SetShiftMode(TrpShiftMode value) { FShiftMode = value; }
  const QString& TagStr() const { return FTagStr; }
  void SetTagStr(const QString& value) { FTagStr = value; }
  const QString& Hint() const { return FHint; }
  void SetHint(const QString& value) { FHint = value; }
  bool ShowHint() const { return FShowHint; }
  void SetShowHint(bool value) { FShowHint = value; }
  bool PlainText() const { return FPlainText; }
  void SetPlainText(bool value) { FPlainText = value; }
  TrpHyperlink* Hyperlink() const { return FHyperlink.get(); }
  void SetHyperlink(const TrpHyperlink& value);
  TrpVisibility Visibility() const { return FVisibility; }
  void SetVisibility(TrpVisibility value) { FVisibility = value; }
  // The vsPrint member of Visibility.
  bool Printable() const { return FVisibility.Has(vsPrint); }
  void SetPrintable(bool value);
  bool DrawAsMask() const { return FDrawAsMask; }
  void SetDrawAsMask(bool value) { FDrawAsMask = value; }

  // The fill. Changing the kind replaces the fill by a new one of that kind with its defaults;
  // assigning a fill of another kind switches the kind first.
  TrpCustomFill* Fill() const { return FFill.get(); }
  void SetFill(const TrpCustomFill& value);
  TrpFillType FillType() const { return FFill->FillType(); }
  void SetFillType(TrpFillType value);
  // The brush fill's background, a gradient's middle colour, else clNone. Setting it changes
  // only a brush fill.
  TColor Color() const { return FFill->ViewColor(); }
  void SetColor(TColor value);
  // The brush fill's style; bsClear for the other fills. Setting it changes only a brush fill.
  TrpBrushStyle BrushStyle() const;
  void SetBrushStyle(TrpBrushStyle value);

  // Data binding. Setting the data set copies its user name; setting the name looks the data
  // set up by it (FindDataSet).
  // None once the data set has been freed, wherever it was owned.
  TrpDataSet* DataSet() const;
  void SetDataSet(TrpDataSet* value);
  const QString& DataSetName() const { return FDataSetBinding.DataSetName(); }
  TrpDataSetBinding* DataSetBinding() override { return &FDataSetBinding; }
  void SetDataSetName(const QString& value);
  const QString& DataField() const { return FDataField; }
  void SetDataField(const QString& value) { FDataField = value; }
  // A data set is set and DataField is not empty.
  bool IsDataField() const { return DataSet() && !FDataField.isEmpty(); }

  // Script procedures run on mouse events in the preview.
  const QString& OnMouseEnter() const { return FOnMouseEnter; }
  void SetOnMouseEnter(const QString& value) { FOnMouseEnter = value; }
  const QString& OnMouseLeave() const { return FOnMouseLeave; }
  void SetOnMouseLeave(const QString& value) { FOnMouseLeave = value; }
  const QString& OnMouseDown() const { return FOnMouseDown; }
  void SetOnMouseDown(const QString& value) { FOnMouseDown = value; }
  const QString& OnMouseMove() const { return FOnMouseMove; }
  void SetOnMouseMove(const QString& value) { FOnMouseMove = value; }
  const QString& OnMouseUp() const { return FOnMouseUp; }
  void SetOnMouseUp(const QString& value) { FOnMouseUp = value; }

  // A data set being freed is forgotten.
  void Notification(TrpComponent* removed) override;

 private:
  TrpAlign FAlign = baNone;
  qint16 FCursor = 0;
  QString FDataField;
  TrpDataSetBinding FDataSetBinding;
  std::unique_ptr<TrpFrame> FFrame;
  TrpShiftMode FShiftMode = smAlways;
  QString FTagStr;
  QString FTempTag;
  QString FTempHyperlink;
  QString FHint;
  bool FShowHint = false;
  bool FPlainText = false;
  std::unique_ptr<TrpHyperlink> FHyperlink;
  std::unique_ptr<TrpCustomFill> FFill;
  TrpVisibility FVisibility{vsPreview, vsExport, vsPrint};
  bool FDrawAsMask = false;
  QString FOnMouseEnter;
  QString FOnMouseLeave;
  QString FOnMouseDown;
  QString FOnMouseMove;
  QString FOnMouseUp;
};
