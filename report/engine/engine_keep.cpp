// Keeping a block of bands together: the block's records are cut from a page that cannot hold it
// and pasted at the top of the next column or page, with its outline entries and anchors.
#include <cmath>

#include "report/binding/aggregate.h"
#include "report/engine/engine.h"
#include "report/objects/custom_outline.h"
#include "report/objects/custom_preview_pages.h"
#include "report/pages/band.h"
#include "report/pages/report_page.h"
#include "report/units/report_units.h"

namespace {

// Climbs `levels` outline levels up, or for a negative count goes that many levels down through
// the last items, where the engine's latest entries lie.
void climbOutline(TrpCustomOutline& outline, int levels) {
  for (int i = 0; i < levels; ++i) outline.LevelUp();
  for (int i = 0; i > levels; --i) outline.LevelDown(outline.GetCount() - 1);
}

}  // namespace

TrpEngine::KeepMark TrpEngine::MarkHere() const {
  const TrpCustomOutline* outline = Outline();
  return KeepMark{Builder().GetCurPosition(), CurY(), outline ? outline->GetCurPosition() : -1,
                  FOutlineDepth, Anchors().GetAnchorCurPosition(), Store().CurPage(), CurColumn()};
}

void TrpEngine::StartKeep(TrpBand& band) { StartKeep(band, MarkHere()); }

void TrpEngine::StartKeep(TrpBand& band, const KeepMark& mark) {
  // Vertical bands are laid out inside the one horizontal band they cross: nothing to keep.
  if (FKeeping || FIsFirstBand || band.Vertical()) return;
  FKeeping = true;
  FKeepBand = &band;
  FKeepCurY = mark.Top;
  FKeepPosition = mark.Position;
  FKeepOutline = mark.Outline;
  FKeepOutlineDepth = mark.OutlineDepth;
  FKeepAnchor = mark.Anchor;
  FKeepCut = false;
  FKeepOverflowed = false;
  FKeptHeaderAbove = nullptr;
  FAggregates->StartKeep();
}

// The parts of a kept row on the overflow pages cannot follow the block to another page (they
// would stay beside rows that left): such a block stays where it is and goes on from there.
void TrpEngine::GiveUpOverflowedKeep() {
  if (FKeeping && FKeepOverflowed) EndKeep(*FKeepBand);
}

void TrpEngine::EndKeep(TrpBand& band) {
  if (FKeeping && FKeepBand == &band) EndAllKeeping();
}

void TrpEngine::BreakAllKeep() {
  if (FKeeping) EndAllKeeping();
}

// The kept rows' page-footer totals join the running ones again.
void TrpEngine::EndAllKeeping() {
  FKeeping = false;
  FKeptHeaderAbove = nullptr;
  FAggregates->EndKeep();
}

// Whether the kept block and the band waiting for room fit together into an empty column, below
// the headers shown again above the block there.
bool TrpEngine::KeptBlockFitsEmptyPage() const {
  const Extended block = CurY() - FKeepCurY + FPendingHeight;
  const Extended headersAbove =
      ReprintedHeadersHeight() + (FKeptHeaderAbove ? ChainHeight(FKeptHeaderAbove) : 0);
  return block + headersAbove <= PageHeight() - HeaderHeight() - FooterHeight() + rpUnitTolerance;
}

void TrpEngine::CutKeptBlock() {
  Builder().CutObjects(FKeepPosition);
  FKeepCut = true;
  FKeepHeight = CurY() - FKeepCurY;
  // The block's height comes back with it when it is pasted.
  SetCurY(FKeepCurY);
}

// The block's outline entries lie on the level that was current when the keep started; entries
// opened since (a kept group's own entry) lie above the current one, entries closed since (the
// group of a last row kept with its footer) below it. The engine's entries are always the last
// ones on their level, so the way down goes through the last items.
void TrpEngine::ShiftKeptOutline(Extended top) {
  TrpCustomOutline* outline = Outline();
  if (!outline) return;
  const int levels = FOutlineDepth - FKeepOutlineDepth;
  climbOutline(*outline, levels);
  if (FKeepOutline + 1 < outline->GetCount()) {
    // The block moved from FKeepCurY to `top`; an entry keeps its place within the block.
    QString text;
    int page = 0, itemTop = 0;
    outline->GetItem(FKeepOutline + 1, text, page, itemTop);
    outline->ShiftItems(FKeepOutline, static_cast<int>(rpRound(top + itemTop - FKeepCurY)));
  }
  // A block kept on the level of the page's entries belongs under the new page's entry, which
  // AddPageOutline adds next and puts them under.
  if (FKeepOutlineDepth == 0 && !FPage->OutlineText().isEmpty()) {
    outline->CutItems(FKeepOutline);
    FKeptOutlineCut = true;
    return;
  }
  climbOutline(*outline, -levels);
}

// On a new page the block's outline entries and anchors move with it; in a new column of the
// same page they keep their page.
void TrpEngine::PasteKeptBlock(bool toNewPage) {
  if (!FKeepCut) return;
  if (FKeptHeaderAbove) ShowBand(*FKeptHeaderAbove);
  const Extended top = CurY();
  Builder().PasteObjects(CurX(), top);
  if (toNewPage) {
    ShiftKeptOutline(top);
    // Like the outline entries, an anchor keeps its place within the block.
    const int firstTop = Anchors().AnchorTopAt(FKeepAnchor + 1);
    Anchors().ShiftAnchors(FKeepAnchor, static_cast<int>(rpRound(top + firstTop - FKeepCurY)));
  }
  // Not the page's lowest bottom: a page taken up again by a subreport side by side may hold
  // lower output of its neighbour.
  SetCurY(top + FKeepHeight);
  FKeepCut = false;
  EndAllKeeping();
}
