#pragma once
// TrpFrame: the frame of a visual object — which sides are drawn, their colour, style and width,
// the drop shadow, and a per-side override (TrpFrameLine) for each of the four sides.
#include <QString>

#include <array>

#include "report/objects/persistent.h"
#include "report/objects/property_descriptor.h"
#include "report/objects/report_set.h"
#include "report/units/report_units.h"

class QPainter;

enum TrpFrameStyle { fsSolid, fsDash, fsDot, fsDashDot, fsDashDotDot, fsDouble, fsAltDot, fsSquare };
enum TrpFrameType { ftLeft, ftRight, ftTop, ftBottom };
using TrpFrameTypes = TrpSet<TrpFrameType>;

extern const TrpEnumType rpFrameStyleType;
extern const TrpEnumType rpFrameTypeType;

class TrpFrame;

// One side of a frame. Each attribute is stored only where it differs from the frame's own.
class TrpFrameLine : public TrpPersistent {
 public:
  explicit TrpFrameLine(const TrpFrame* frame) : FFrame(frame) { StampChange(); }
  static const TrpClassInfo& StaticClassInfo();
  const TrpClassInfo& ClassInfo() const override;

  TColor Color() const { return FColor; }
  void SetColor(TColor value) { SetStamped(FColor, value); }
  TrpFrameStyle Style() const { return FStyle; }
  void SetStyle(TrpFrameStyle value) { SetStamped(FStyle, value); }
  Extended Width() const { return FWidth; }
  void SetWidth(Extended value) { SetStamped(FWidth, value); }
  const TrpFrame& Frame() const { return *FFrame; }

  void Assign(const TrpPersistent& source) override;

 private:
  const TrpFrame* FFrame;
  TColor FColor = clBlack;
  TrpFrameStyle FStyle = fsSolid;
  Extended FWidth = 1;
};

// The device rectangle a frame is drawn over, and the scale of the drawing (see TrpView's
// BeginDraw): FX, FY, FX1, FY1 in pixels, scales in pixels per report unit.
struct TrpFrameGeometry {
  int X = 0, Y = 0, X1 = 0, Y1 = 0;
  Extended ScaleX = 1, ScaleY = 1;
};

class TrpFrame : public TrpPersistent {
 public:
  TrpFrame();
  static const TrpClassInfo& StaticClassInfo();
  const TrpClassInfo& ClassInfo() const override;

  // Colour, style and width set all four lines too.
  TColor Color() const { return FColor; }
  void SetColor(TColor value);
  TrpFrameStyle Style() const { return FStyle; }
  void SetStyle(TrpFrameStyle value);
  Extended Width() const { return FWidth; }
  void SetWidth(Extended value);
  bool DropShadow() const { return FDropShadow; }
  void SetDropShadow(bool value) { SetStamped(FDropShadow, value); }
  TColor ShadowColor() const { return FShadowColor; }
  void SetShadowColor(TColor value) { SetStamped(FShadowColor, value); }
  Extended ShadowWidth() const { return FShadowWidth; }  // report units
  void SetShadowWidth(Extended value) { SetStamped(FShadowWidth, value); }
  TrpFrameTypes Typ() const { return FTyp; }
  void SetTyp(TrpFrameTypes value) { SetStamped(FTyp, value); }

  TrpFrameLine* LeftLine() const { return Line(ftLeft); }
  TrpFrameLine* TopLine() const { return Line(ftTop); }
  TrpFrameLine* RightLine() const { return Line(ftRight); }
  TrpFrameLine* BottomLine() const { return Line(ftBottom); }
  TrpFrameLine* Line(TrpFrameType side) const { return const_cast<TrpFrameLine*>(&FLines[side]); }
  void SetLeftLine(const TrpFrameLine& value) { FLines[ftLeft].Assign(value); }
  void SetTopLine(const TrpFrameLine& value) { FLines[ftTop].Assign(value); }
  void SetRightLine(const TrpFrameLine& value) { FLines[ftRight].Assign(value); }
  void SetBottomLine(const TrpFrameLine& value) { FLines[ftBottom].Assign(value); }

  // Every attribute and every line of another frame.
  void Assign(const TrpPersistent& source) override;

  // Draws the shadow and the sides over the device rectangle (frame_draw.cpp). Nothing but the
  // shadow when no side is set, the colour is clNone or the width is 0.
  void Draw(QPainter& canvas, const TrpFrameGeometry& g) const;

 private:
  TColor FColor = clBlack;
  bool FDropShadow = false;
  TColor FShadowColor = clBlack;
  Extended FShadowWidth = 4;
  TrpFrameStyle FStyle = fsSolid;
  TrpFrameTypes FTyp;
  Extended FWidth = 1;
  // Indexed by TrpFrameType: left, right, top, bottom.
  std::array<TrpFrameLine, 4> FLines;
};
