#pragma once
// TrpGradientFill: a blend from StartColor to EndColor in one of six patterns.
#include "report/views/fill.h"

enum TrpGradientStyle {
  gsHorizontal, gsVertical, gsElliptic, gsRectangle, gsVertCenter, gsHorizCenter
};
extern const TrpEnumType rpGradientStyleType;

class TrpGradientFill : public TrpCustomFill {
 public:
  TrpGradientFill() { StampChange(); }
  static const TrpClassInfo& StaticClassInfo();
  const TrpClassInfo& ClassInfo() const override;

  TColor StartColor() const { return FStartColor; }
  void SetStartColor(TColor value) { SetStamped(FStartColor, value); }
  TColor EndColor() const { return FEndColor; }
  void SetEndColor(TColor value) { SetStamped(FEndColor, value); }
  TrpGradientStyle GradientStyle() const { return FGradientStyle; }
  void SetGradientStyle(TrpGradientStyle value) { SetStamped(FGradientStyle, value); }

  TrpFillType FillType() const override { return ftGradient; }
  // The colour of step 127 of 255: what a view reports as its Color.
  TColor ViewColor() const override;
  void Draw(QPainter& canvas, const QRect& rect) const override;
  void Assign(const TrpPersistent& source) override;

  // The colour `step` of `steps` from start to end, channel by channel (0x00BBGGRR). A zero
  // `steps` gives the start colour.
  TColor StepColor(int step, int steps) const;

 private:
  TColor FStartColor = clWhite;
  TColor FEndColor = clBlack;
  TrpGradientStyle FGradientStyle = gsHorizontal;
};
