// Vertical bands: bands laid out left to right across the horizontal band their objects lie on
// (the vertical master band). When that band is output, the vertical band tree runs through the
// same data loop as the horizontal one; each vertical band shown adds copies of its objects to
// the master band, one band width further right each time. What does not fit the page's width
// goes to the following pages, and the master band is recorded there part by part, at the same
// height on every page.
#include "report/engine/aggregate.h"
#include "report/engine/engine.h"
#include "report/model/band_kinds.h"
#include "report/model/class_info.h"
#include "report/model/custom_preview_pages.h"
#include "report/model/data_band.h"
#include "report/model/report.h"
#include "report/model/report_page.h"

namespace {

constexpr Extended kTolerance = 0.0001;

bool isFooter(const TrpBand& band) {
  return band.InheritsFrom("TrpFooter") || band.InheritsFrom("TrpGroupFooter");
}

// Gives `band` exactly `children`, in that order.
void setChildren(TrpBand& band, const QList<TrpComponent*>& children) {
  for (TrpComponent* child : QList<TrpComponent*>(band.Objects())) child->SetParent(nullptr);
  for (TrpComponent* child : children) child->SetParent(&band);
}

// The data band whose rows a footer (or group footer) closes, for each footer of the tree.
void collectFooterData(const TrpDataNode& node, QHash<TrpBand*, TrpBand*>& out) {
  if (node.Footer) out.insert(node.Footer, node.Band);
  for (const TrpGroupLevel& level : node.Groups)
    if (level.Footer) out.insert(level.Footer, node.Band);
  for (const auto& detail : node.Details) collectFooterData(*detail, out);
}

}  // namespace

// The objects found within vertical bands become theirs for the run. Their aggregate calls are
// fed by the vertical data band when they sit in a vertical footer (totals across a row), else
// by the horizontal data band whose footer they come from (totals per vertical column).
void TrpEngine::AttachVerticalObjects(TrpReportPage& page) {
  TrpPageBands* bands = FBands.value(&page).get();
  if (!bands || bands->Vertical.Objects.isEmpty()) return;
  rpAttachVerticalObjects(bands->Vertical);
  QHash<TrpBand*, TrpBand*> footerData;
  for (const auto& master : bands->Masters) collectFooterData(*master, footerData);
  for (const auto& master : bands->Vertical.Masters) collectFooterData(*master, footerData);
  for (auto it = bands->Vertical.Objects.cbegin(); it != bands->Vertical.Objects.cend(); ++it) {
    TrpBand* vertical = it.key();
    for (const TrpVerticalObject& item : it.value()) {
      TrpBand* data = footerData.value(vertical, footerData.value(item.Origin));
      FAggregates->AddVerticalObject(*item.Object, item.Origin, data, *vertical);
    }
  }
}

void TrpEngine::DetachVerticalObjects() {
  for (const auto& bands : std::as_const(FBands)) rpDetachVerticalObjects(bands->Vertical);
}

// A horizontal band crossed by vertical bands takes their output along; any other band goes to
// the store (or, for a subreport printed on its parent band, to the redirection) as it is.
void TrpEngine::RecordBand(TrpBand& band) {
  TrpPageBands* bands = band.FHasVBands && !FVerticalMaster
                            ? FBands.value(dynamic_cast<TrpReportPage*>(band.Page())).get()
                            : nullptr;
  if (bands && bands->Vertical.Attached && !bands->Vertical.Masters.empty())
    ShowVerticalBands(band, bands->Vertical);
  else if (FRedirection)
    CopyToRedirection(band);
  else
    Store().AddObject(band);
}

void TrpEngine::ShowVerticalBands(TrpBand& master, TrpVerticalBands& vertical) {
  const Extended x = CurX(), y = CurY();
  const int line = CurLine(), lineThrough = CurLineThrough();
  TrpBand* const curBand = CurBand();
  FVerticalMaster = &master;
  FVertical = &vertical;
  FVHeaderList.clear();
  FVPageList.clear();
  FVCopies.clear();
  SetCurX(0);
  SetCurVColumn(0);
  auto restore = [&] {
    FVerticalMaster = nullptr;
    FVertical = nullptr;
    FVHeaderList.clear();
    FVCopies.clear();
    SetCurX(x);
    SetCurY(y);
    SetCurVColumn(0);
    // Vertical rows count for themselves only: the horizontal numbering goes on where it was.
    SetCurLine(line);
    SetCurLineThrough(lineThrough);
    SetCurBand(curBand);
  };
  try {
    for (const auto& node : vertical.Masters) {
      if (Terminated()) break;
      RunDataBand(*node);
    }
    RecordVerticalParts(master);
  } catch (...) {
    restore();
    throw;
  }
  restore();
}

// One vertical band across the master band. Data rows advance the vertical column; their values
// feed the master band's totals of that column and the totals across the row, which the
// vertical footers show and reset.
void TrpEngine::ShowVerticalBand(TrpBand& band) {
  // Outside a master band's output a vertical band has nothing to cross.
  if (!FVerticalMaster) return;
  TrpBand& master = *FVerticalMaster;
  const bool dataRow = dynamic_cast<TrpDataBand*>(&band) != nullptr;
  if (dataRow) SetCurVColumn(CurVColumn() + 1);
  SetCurBand(&band);
  band.BeforePrint();
  Report().DoBeforePrint(&band);
  if (band.Visible()) {
    MakeVerticalRoomFor(band);
    CopyVerticalObjects(band);
    SetCurX(CurX() + band.Width());
  }
  SetCurBand(&band);
  Report().DoAfterPrint(&band);
  band.AfterPrint();
  if (dataRow) {
    FAggregates->AddValue(master, CurVColumn());
    FAggregates->AddValue(band, 0, &master);
  } else if (isFooter(band)) {
    FAggregates->ResetVertical(master, band);
  }
}

// A band that does not fit the rest of the page's width widens an endless page, else starts the
// next page part at the left edge, below the vertical headers shown again. A part that is still
// empty takes the band whatever its width; output collected for a parent band has one part only.
void TrpEngine::MakeVerticalRoomFor(const TrpBand& band) {
  const Extended right = CurX() + band.Width();
  if (right <= PageWidth() + kTolerance || FRedirection) return;
  if (FPage->EndlessWidth()) {
    SetPageWidth(right);
    return;
  }
  if (FShowingVHeaders || CurX() <= kTolerance) return;
  FVPageList << static_cast<int>(FVCopies.size());
  SetCurX(0);
  ShowVerticalHeaders(&band);
}

void TrpEngine::ShowVerticalHeaders(const TrpBand* except) {
  FShowingVHeaders = true;
  try {
    for (TrpBand* header : QList<TrpBand*>(FVHeaderList))
      if (header != except) ShowVerticalBand(*header);
  } catch (...) {
    FShowingVHeaders = false;
    throw;
  }
  FShowingVHeaders = false;
}

// Each object the band holds from the master band is evaluated in the vertical row and copied,
// moved right to CurX; the copy keeps the source alias of its original, so that the store
// records only what differs.
void TrpEngine::CopyVerticalObjects(TrpBand& band) {
  TrpBand& master = *FVerticalMaster;
  for (const TrpVerticalObject& item : FVertical->Objects.value(&band)) {
    if (item.Origin != &master) continue;
    TrpReportComponent& object = *item.Object;
    // Totals of the object belong to the band it was taken from.
    SetCurBand(&master);
    object.BeforePrint();
    Report().DoBeforePrint(&object);
    if (object.Visible()) {
      object.GetData();
      const TrpFactory factory = object.ClassInfo().Factory();
      if (factory) {
        std::unique_ptr<TrpComponent> copy(factory(nullptr));
        copy->Assign(object);
        copy->SetAliasName(object.AliasName());
        copy->SetLeft(item.Offset + CurX());
        copy->SetParentFont(item.ParentFont);
        FVCopies.push_back(std::move(copy));
      }
    }
    Report().DoAfterPrint(&object);
    object.AfterPrint();
  }
}

// The master band is recorded once per page part: with its own objects and the first copies on
// the current page, and with the copies of each further part on the following pages (written
// over where they exist, new pages without headers where they do not), at the same height.
// Then the page, and for later pages a new page at the end, is where output goes on.
void TrpEngine::RecordVerticalParts(TrpBand& master) {
  const QList<TrpComponent*> own = master.Objects();
  if (FRedirection) {
    QList<TrpComponent*> all = own;
    for (const auto& copy : FVCopies) all << copy.get();
    setChildren(master, all);
    CopyToRedirection(master);
    setChildren(master, own);
    return;
  }
  TrpComponent* const fill = master.FillMemo();
  const int startPage = Store().CurPage();
  const TrpAddPageAction action = Store().AddPageAction();
  QList<int> ends = FVPageList;
  ends << static_cast<int>(FVCopies.size());
  // Parts at the end without copies of this band make no pages of their own.
  while (ends.size() > 1 && ends.last() == ends[ends.size() - 2]) ends.removeLast();
  auto putBack = [&] {
    setChildren(master, own);
    Store().SetCurPage(startPage);
  };
  try {
    int from = 0;
    for (qsizetype part = 0; part < ends.size(); ++part) {
      QList<TrpComponent*> children;
      if (part == 0) children = own;
      else if (fill) children << fill;
      for (int i = from; i < ends[part]; ++i) children << FVCopies[std::size_t(i)].get();
      const bool empty = part > 0 && ends[part] == from;
      from = ends[part];
      if (part > 0) {
        Store().SetAddPageAction(apWriteOver);
        Store().AddPage(*FPage);
      }
      if (empty) continue;
      setChildren(master, children);
      Store().AddObject(master);
    }
  } catch (...) {
    putBack();
    throw;
  }
  putBack();
  Store().SetAddPageAction(ends.size() > 1 ? apAdd : action);
}
