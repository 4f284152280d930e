#pragma once
// TrpGlassFill: a colour with a lighter half and an optional diagonal hatch, like a glass button.
#include "report/views/fill.h"

enum TrpFillOrientation { foVertical, foHorizontal, foVerticalMirror, foHorizontalMirror };
extern const TrpEnumType rpFillOrientationType;

class TrpGlassFill : public TrpCustomFill {
 public:
  TrpGlassFill() { StampChange(); }
  static const TrpClassInfo& StaticClassInfo();
  const TrpClassInfo& ClassInfo() const override;

  TColor Color() const { return FColor; }
  void SetColor(TColor value) { SetStamped(FColor, value); }
  Extended Blend() const { return FBlend; }
  void SetBlend(Extended value) { SetStamped(FBlend, value); }
  bool Hatch() const { return FHatch; }
  void SetHatch(bool value) { SetStamped(FHatch, value); }
  TrpFillOrientation Orientation() const { return FOrientation; }
  void SetOrientation(TrpFillOrientation value) { SetStamped(FOrientation, value); }

  TrpFillType FillType() const override { return ftGlass; }
  TColor ViewColor() const override { return clNone; }
  // Nothing for clNone; else the colour, the light colour over one half, and the hatch.
  void Draw(QPainter& canvas, const QRect& rect) const override;
  void Assign(const TrpPersistent& source) override;

  // Each channel c becomes c + round((255 - c) × Blend), kept within 0..255.
  TColor LightColor() const;

 private:
  TColor FColor = clGray;
  Extended FBlend = 0.5;
  bool FHatch = false;
  TrpFillOrientation FOrientation = foHorizontal;
};
