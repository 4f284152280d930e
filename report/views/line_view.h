#pragma once
// TrpCustomLineView and TrpLineView: a straight line along the left or top edge of the object's
// box (drawn as its frame), or a diagonal across the box, with optional arrow heads.
#include "report/views/stretcheable.h"

class TrpCustomLineView : public TrpStretcheable {
 public:
  explicit TrpCustomLineView(TrpComponent* owner);
  static TrpComponent* Create(TrpComponent* owner) { return new TrpCustomLineView(owner); }
  static const TrpClassInfo& StaticClassInfo();
  const TrpClassInfo& ClassInfo() const override;

  bool Diagonal() const { return FDiagonal; }
  void SetDiagonal(bool value) { FDiagonal = value; }
  bool ArrowEnd() const { return FArrowEnd; }
  void SetArrowEnd(bool value) { FArrowEnd = value; }
  bool ArrowStart() const { return FArrowStart; }
  void SetArrowStart(bool value) { FArrowStart = value; }
  bool ArrowSolid() const { return FArrowSolid; }
  void SetArrowSolid(bool value) { FArrowSolid = value; }
  int ArrowLength() const { return FArrowLength; }  // report units
  void SetArrowLength(int value) { FArrowLength = value; }
  int ArrowWidth() const { return FArrowWidth; }  // report units
  void SetArrowWidth(int value) { FArrowWidth = value; }

  // A designer's creation flag: non-zero gives a diagonal; 2 or 4 an end arrow; 3 or 4 a start
  // arrow.
  void DesignCreate(int flags) override;
  // A line that is not diagonal first becomes axis-parallel: vertical (Width 0, left side) when
  // it is not wider than high, horizontal (Height 0, top side) otherwise.
  void Draw(QPainter& canvas, Extended scaleX, Extended scaleY, Extended offsetX,
            Extended offsetY) override;

 private:
  void DrawArrows() const;

  bool FDiagonal = false;
  bool FArrowEnd = false;
  bool FArrowStart = false;
  bool FArrowSolid = false;
  int FArrowLength = 20;
  int FArrowWidth = 5;
};

class TrpLineView : public TrpCustomLineView {
 public:
  explicit TrpLineView(TrpComponent* owner) : TrpCustomLineView(owner) {}
  static TrpComponent* Create(TrpComponent* owner) { return new TrpLineView(owner); }
  static const TrpClassInfo& StaticClassInfo();
  const TrpClassInfo& ClassInfo() const override;
};
