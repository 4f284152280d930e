#pragma once
// TrpCustomFill: how a visual object's background is painted. A view owns exactly one fill of
// one of three kinds (brush_fill.h, gradient_fill.h, glass_fill.h).
#include <QRect>

#include <memory>

#include "report/objects/persistent.h"
#include "report/objects/property_descriptor.h"
#include "report/units/report_units.h"

class QPainter;

enum TrpFillType { ftBrush, ftGradient, ftGlass };
extern const TrpEnumType rpFillTypeType;

class TrpCustomFill : public TrpPersistent {
 public:
  static const TrpClassInfo& StaticClassInfo();
  const TrpClassInfo& ClassInfo() const override;

  virtual TrpFillType FillType() const = 0;
  // The one colour a view reports for this fill (its Color property): the brush's background,
  // the gradient's middle colour, clNone for a glass fill.
  virtual TColor ViewColor() const = 0;
  // Paints the device rectangle x..x1 by y..y1 (right and bottom edges excluded).
  virtual void Draw(QPainter& canvas, const QRect& rect) const = 0;

 protected:
  TrpCustomFill() = default;
};

// A new fill of `type` with its defaults.
std::unique_ptr<TrpCustomFill> rpCreateFill(TrpFillType type);
