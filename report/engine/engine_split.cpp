// Splitting a band across columns and pages: each part holds the objects (and the parts of text
// objects) that fit into the free space; the rest moves up into the next part.
#include <QSet>

#include <algorithm>

#include "report/engine/engine.h"
#include "report/memo/memo_view.h"
#include "report/objects/custom_preview_pages.h"
#include "report/pages/band.h"
#include "report/pages/subreport.h"
#include "report/units/report_units.h"

namespace {

struct Piece {
  TrpReportComponent* Object = nullptr;
  TrpCustomMemoView* Memo = nullptr;  // text objects are split line by line
  Extended Remaining = 0;             // height of what is still to be placed
  bool Done = false;
};

Extended heightOf(const Piece& piece) {
  return piece.Memo ? piece.Remaining : piece.Object->Height();
}

// Moves every waiting object that starts at or below `bottom` down by `delta`.
void shiftBelow(QList<Piece>& pieces, const Piece& from, Extended bottom, Extended delta) {
  if (delta <= 0) return;
  for (Piece& piece : pieces)
    if (&piece != &from && !piece.Done && piece.Object->Top() >= bottom - rpUnitTolerance)
      piece.Object->SetTop(piece.Object->Top() + delta);
}

// A text object's first line that does not fit into an empty column is given room there until
// something fits, instead of being moved on to the next column forever.
Extended forceFirstLines(Piece& piece, Extended height) {
  Extended unused = height;
  while (std::abs(unused - height) <= rpUnitTolerance && height < piece.Remaining * 2 + 1) {
    height = height * 2 + 1;
    piece.Memo->SetHeight(height);
    unused = piece.Memo->DrawPart();
  }
  return height - unused;
}

}  // namespace

void TrpEngine::DrawSplit(TrpBand& band) {
  band.CreateFillMemo();
  // Drill-down markers of vertical group headers are no content: each goes with its header.
  VerticalOutput* const vertical = VerticalOutputOf(band);
  QList<Piece> pieces;
  for (TrpComponent* child : band.Objects()) {
    auto* object = dynamic_cast<TrpReportComponent*>(child);
    if (!object || child == band.FillMemo() || dynamic_cast<TrpSubreport*>(child)) continue;
    if (!object->Visible()) continue;
    if (IsDrillMarker(vertical, child)) {
      child->SetVisible(false);
      continue;
    }
    Piece piece{object, dynamic_cast<TrpCustomMemoView*>(object), object->Height()};
    if (piece.Memo) {
      piece.Memo->InitPart();
      piece.Memo->FSaveHeight = piece.Memo->Height();
    }
    object->SetVisible(false);
    pieces << piece;
  }
  std::stable_sort(pieces.begin(), pieces.end(), [](const Piece& a, const Piece& b) {
    return a.Object->Top() < b.Object->Top();
  });

  qsizetype waiting = pieces.size();
  while (waiting > 0 && !Terminated()) {
    const Extended space = FreeSpace();
    const bool emptyColumn = CurY() <= FFirstColumnY + rpUnitTolerance;
    // No room even in an empty column: everything left goes into this part.
    const bool takeAll = emptyColumn && space <= rpUnitTolerance;
    QList<Piece*> part;
    for (Piece& piece : pieces) {
      if (piece.Done) continue;
      TrpReportComponent& object = *piece.Object;
      const Extended top = object.Top();
      const Extended height = heightOf(piece);
      if (!piece.Memo) {
        if (takeAll || top + height <= space + rpUnitTolerance ||
            (top < space && height > GetPageHeight() - FooterHeight())) {
          piece.Done = true;
          part << &piece;
        } else if (top < space - rpUnitTolerance) {
          shiftBelow(pieces, piece, top + height, space - top);
          object.SetTop(space);
        }
        continue;
      }
      if (!takeAll && top >= space - rpUnitTolerance) continue;  // wholly in a later part
      const Extended cut = takeAll ? height : std::min(height, space - top);
      piece.Memo->SetHeight(cut);
      const Extended unused = piece.Memo->DrawPart();
      Extended used = cut - unused;
      if (used <= rpUnitTolerance && !takeAll) {
        if (!(emptyColumn && top <= rpUnitTolerance)) {
          shiftBelow(pieces, piece, top + height, space - top);
          object.SetTop(space);
          continue;
        }
        used = forceFirstLines(piece, cut);
        piece.Memo->SetHeight(std::max(cut, used));
      }
      if (takeAll || piece.Memo->PartText().isEmpty()) {
        piece.Done = true;
      } else {
        shiftBelow(pieces, piece, top + height, unused);
        piece.Remaining = std::max<Extended>(piece.Remaining - used, 0);
      }
      part << &piece;
    }

    waiting = std::count_if(pieces.begin(), pieces.end(), [](const Piece& p) { return !p.Done; });
    Extended partHeight = 0;
    for (const Piece* piece : part)
      partHeight = std::max(partHeight, piece->Object->Top() + piece->Object->Height());
    if (!part.isEmpty()) {
      if (waiting == 0) {
        for (Piece* piece : part) {
          auto* view = dynamic_cast<TrpView*>(piece->Object);
          if (view && view->Align() == baBottom) view->SetTop(partHeight - view->Height());
          auto* stretcheable = dynamic_cast<TrpStretcheable*>(piece->Object);
          if (stretcheable && stretcheable->StretchMode() == smMaxHeight)
            stretcheable->SetHeight(partHeight - stretcheable->Top());
        }
      }
      QSet<const TrpComponent*> partObjects;
      for (Piece* piece : part) {
        piece->Object->SetVisible(true);
        partObjects << piece->Object;
      }
      const QList<TrpBand*> markers = ShowDrillMarkersOfPart(vertical, partObjects, partHeight);
      band.SetHeight(partHeight);
      band.SetLeft(CurX());
      band.SetTop(CurY());
      band.CreateFillMemo();
      RecordBand(band);
      SetCurY(CurY() + partHeight);
      for (Piece* piece : part) piece->Object->SetVisible(false);
      for (TrpBand* marker : markers) marker->SetVisible(false);
    }
    if (waiting == 0) break;
    NewColumn();
    for (Piece& piece : pieces) {
      if (piece.Done) continue;
      piece.Object->SetTop(std::max<Extended>(piece.Object->Top() - space, 0));
      if (piece.Memo) piece.Memo->SetHeight(piece.Remaining);
    }
  }
  for (Piece& piece : pieces) piece.Object->SetVisible(true);
  if (vertical)
    for (const DrillMarker& marker : vertical->Markers) marker.Marker->SetVisible(true);
}
