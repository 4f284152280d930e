// The bands of a subreport's page around its rows. A subreport's page is shown inside the page
// flow of its parent, so its page header, page footer and overlay have no place; everything
// else it holds belongs to the subreport's own output:
// - its title opens the output once, above everything else;
// - its column header follows the title and opens again every page and column the subreport
//   goes on to, at the subreport's left (it joins the header list while the subreport runs);
// - the objects lying directly on its page keep their positions measured from the subreport's
//   corner, as a page's objects do from the printable area's corner;
// - its summary follows the last rows;
// - its column footer closes the output below the summary, and closes every page and column
//   the subreport leaves (its height is kept free at the bottom of them).
#include <memory>

#include "report/engine/engine.h"
#include "report/pages/band_kinds.h"
#include "report/pages/report_page.h"

namespace {

TrpBand* bandOf(const TrpReportPage& page, const TrpClassInfo& kind) {
  return dynamic_cast<TrpBand*>(page.FindBand(kind));
}

}  // namespace

void TrpEngine::ShowSubreportOpening(TrpReportPage& page, const QList<TrpComponent*>& loose, Extended top) {
  const Extended left = CurX();
  if (!loose.isEmpty()) {
    // A null band never moves: its objects are moved to the subreport's corner for this output.
    auto nullBand = std::unique_ptr<TrpNullBand>(new TrpNullBand(&page));
    nullBand->SetBounds(0, 0, PageWidth(), GetPageHeight());
    for (TrpComponent* object : loose) {
      object->SetParent(nullBand.get());
      object->SetLeft(object->Left() + left);
      object->SetTop(object->Top() + top);
    }
    const auto putBack = [&] {
      for (TrpComponent* object : loose) {
        object->SetLeft(object->Left() - left);
        object->SetTop(object->Top() - top);
        object->SetParent(&page);
      }
    };
    try {
      ShowBand(*nullBand);
    } catch (...) {
      putBack();
      throw;
    }
    putBack();
    SetCurX(left);
  }
  if (TrpBand* title = bandOf(page, TrpReportTitle::StaticClassInfo())) ShowBand(*title);
  if (TrpBand* header = bandOf(page, TrpColumnHeader::StaticClassInfo())) {
    SetCurX(left);
    ShowBand(*header);
    AddToHeaderList(*header);
  }
  SetCurX(left);
}

void TrpEngine::ShowSubreportClosing(TrpReportPage& page) {
  const Extended left = CurX();
  if (TrpBand* summary = bandOf(page, TrpReportSummary::StaticClassInfo())) ShowBand(*summary);
  SetCurX(left);
  RemoveFromHeaderList(bandOf(page, TrpColumnHeader::StaticClassInfo()));
  if (TrpBand* footer = bandOf(page, TrpColumnFooter::StaticClassInfo())) ShowBand(*footer);
  SetCurX(left);
}

// At a page or column end, innermost subreport first: each closes its part there.
void TrpEngine::ShowSubreportColumnFooters() {
  const Extended x = CurX();
  for (qsizetype i = FRunningSubreports.size() - 1; i >= 0; --i) {
    const RunningSubreport running = FRunningSubreports[i];
    if (TrpBand* footer = bandOf(*running.Page, TrpColumnFooter::StaticClassInfo())) {
      SetCurX(FPageCurX + running.Left);
      ShowBand(*footer);
    }
  }
  SetCurX(x);
}

Extended TrpEngine::SubreportFootersHeight() const {
  Extended height = 0;
  for (const RunningSubreport& running : FRunningSubreports)
    if (TrpBand* footer = bandOf(*running.Page, TrpColumnFooter::StaticClassInfo())) height += footer->Height();
  return height;
}
