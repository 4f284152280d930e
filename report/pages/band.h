#pragma once
// TrpBand: a horizontal strip of a report page that the band layout engine repeats and stacks.
// Every band has a fill (painted under its objects through a fill object, CreateFillMemo), fill
// gaps, an optional child band printed after it, and the engine's working state of one run.
// The band kinds are the classes of the band table (band_table.h).
#include <QList>
#include <QString>

#include <memory>

#include "report/objects/report_component.h"
#include "report/pages/fill_gaps.h"
#include "report/views/fill.h"

class TrpChild;

class TrpBand : public TrpReportComponent {
 public:
  explicit TrpBand(TrpComponent* owner);
  ~TrpBand() override;

  static const TrpClassInfo& StaticClassInfo();
  const TrpClassInfo& ClassInfo() const override;
  // The caption of the band's kind from the UI string table.
  QString GetDescription() const override;

  // The position of the band's class in the band table: the highest index whose class the band
  // belongs to; -1 for a band of no listed kind (the null band).
  int BandNumber() const;
  // The class name without its first "Trp" and its first "Band" ("Data4" for TrpDataBand4).
  QString GetBandName() const;

  // --- geometry: on a text-mode page positions snap to the character grid ----------------------
  void SetLeft(Extended value) override;
  void SetTop(Extended value) override;
  void SetHeight(Extended value) override;

  // --- child band ------------------------------------------------------------------------------
  TrpChild* Child() const { return FChild; }
  // Raises TrpError ("clCirRefNotAllow") when the band is reached from `value` through Child
  // links (itself included); the child is then unchanged.
  void SetChild(TrpChild* value);

  // --- options ---------------------------------------------------------------------------------
  bool AllowSplit() const { return FAllowSplit; }
  void SetAllowSplit(bool value) { FAllowSplit = value; }
  bool KeepChild() const { return FKeepChild; }
  void SetKeepChild(bool value) { FKeepChild = value; }
  bool PrintChildIfInvisible() const { return FPrintChildIfInvisible; }
  void SetPrintChildIfInvisible(bool value) { FPrintChildIfInvisible = value; }
  bool StartNewPage() const { return FStartNewPage; }
  void SetStartNewPage(bool value) { FStartNewPage = value; }
  bool Stretched() const { return FStretched; }
  void SetStretched(bool value) { FStretched = value; }
  const QString& OutlineText() const { return FOutlineText; }
  void SetOutlineText(const QString& value) { FOutlineText = value; }
  const QString& OnAfterCalcHeight() const { return FOnAfterCalcHeight; }
  void SetOnAfterCalcHeight(const QString& value) { FOnAfterCalcHeight = value; }
  // Set by the engine when the band did not fit.
  bool Overflow() const { return FOverflow; }
  void SetOverflow(bool value) { FOverflow = value; }
  // A vertical band is laid out left to right across the horizontal bands its objects lie on.
  // Only the kinds of a data band's tree (headers, footers, data bands, group headers and
  // footers) can be vertical; for every other kind the value stays false, also from a file.
  bool Vertical() const { return FVertical; }
  void SetVertical(bool value);
  bool MayBeVertical() const;

  // --- fill ------------------------------------------------------------------------------------
  // Changing the kind replaces the fill by a new one of that kind with its defaults; assigning
  // a fill of another kind switches the kind first.
  TrpCustomFill* Fill() const { return FFill.get(); }
  void SetFill(const TrpCustomFill& value);
  TrpFillType FillType() const { return FFill->FillType(); }
  void SetFillType(TrpFillType value);
  TrpFillGaps* FillGap() const { return FFillGap.get(); }
  void SetFillGap(const TrpFillGaps& value) { FFillGap->Assign(value); }
  // The text object that paints the fill, once CreateFillMemo made it; none before or after it
  // was freed.
  TrpComponent* FillMemo() const;
  // Gives the band (once) a text object that carries its fill, inside the fill gaps and below
  // every other object; nothing for the null band or a brush fill in its default state
  // (band_fill_memo.cpp).
  void CreateFillMemo();

  // Only in a designer instance: the fill over the band's rectangle.
  void Draw(QPainter& canvas, Extended scaleX, Extended scaleY, Extended offsetX,
            Extended offsetY) override;

  void Notification(TrpComponent* removed) override;

  // --- working state of the band layout engine (one run) ---------------------------------------
  QList<TrpBand*> FSubBands;
  TrpBand* FHeader = nullptr;
  TrpBand* FFooter = nullptr;
  TrpBand* FGroup = nullptr;
  int FLineN = 0;
  int FLineThrough = 0;
  int FOriginalObjectsCount = -1;
  bool FHasVBands = false;
  Extended FStretchedHeight = 0;

 private:
  // Whether the band lies on a text-mode (dot-matrix) page, whose positions are characters.
  bool OnTextModePage() const;

  bool FAllowSplit = false;
  TrpChild* FChild = nullptr;
  bool FKeepChild = false;
  QString FOnAfterCalcHeight;
  QString FOutlineText;
  bool FOverflow = false;
  bool FStartNewPage = false;
  bool FStretched = false;
  bool FPrintChildIfInvisible = false;
  bool FVertical = false;
  std::unique_ptr<TrpCustomFill> FFill;
  TrpComponent* FFillMemo = nullptr;
  std::unique_ptr<TrpFillGaps> FFillGap;
};
