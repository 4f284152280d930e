#include "band_engine_fake_store.h"

#include <algorithm>
#include <cmath>

#include "report/component/report.h"
#include "report/memo/memo_view.h"
#include "report/objects/class_info.h"
#include "report/objects/custom_engine.h"
#include "report/pages/band_kinds.h"
#include "report/pages/report_page.h"

// ---------------------------------------------------------------- outline

QList<FakeOutlineItem>& FakeOutline::Level() {
  QList<FakeOutlineItem>* level = &Root;
  for (int index : FPath) level = &(*level)[index].Children;
  return *level;
}

void FakeOutline::AddItem(const QString& text, int top) {
  Level().append(FakeOutlineItem{text, PreviewPages().CurPage(), top, {}});
  FPath << static_cast<int>(Level().size()) - 1;
}

void FakeOutline::LevelDown(int index) { FPath << index; }

void FakeOutline::GetItem(int index, QString& text, int& page, int& top) const {
  const FakeOutlineItem& item = Level().at(index);
  text = item.Text, page = item.Page, top = item.Top;
}

void FakeOutline::ShiftItems(int from, int newTop) {
  QList<FakeOutlineItem>& level = Level();
  if (from + 1 >= level.size()) return;
  const int delta = newTop - level[from + 1].Top;
  for (qsizetype i = from + 1; i < level.size(); ++i) {
    level[i].Page += 1;
    level[i].Top += delta;
  }
}

void FakeOutline::CutItems(int from) {
  QList<FakeOutlineItem>& level = Level();
  const qsizetype first = std::max<qsizetype>(from + 1, 0);
  FCut << level.mid(first);
  if (first < level.size()) level.resize(first);
}

void FakeOutline::PasteItems() {
  Level() << FCut;
  FCut.clear();
}

// ---------------------------------------------------------------- store

FakeStore::FakeStore(TrpReport& report)
    : TrpCustomPreviewPages(report), FOutline(std::make_unique<FakeOutline>(*this)) {}

FakeStore::~FakeStore() = default;

TrpReportPage* FakeStore::GetPage(int index) {
  FBuilt = std::make_unique<TrpReportPage>(nullptr);
  if (TrpComponent* source = Report().FindObject(Pages.at(index).Source))
    FBuilt->Assign(*source);
  return FBuilt.get();
}

QSizeF FakeStore::GetPageSize(int index) {
  const FakePage& page = Pages.at(index);
  return QSizeF(static_cast<double>(page.FullWidth), static_cast<double>(page.FullHeight));
}

void FakeStore::Clear() {
  Pages.clear();
  Anchors.clear();
  SourcePages.clear();
  FOutline->Root.clear();
  FOutline->LevelRoot();
  SetCurPage(-1);
}

FakeRecord FakeStore::RecordOf(const TrpComponent& object) {
  FakeRecord record{object.Name(), QString::fromLatin1(object.ClassInfo().ClassName()), object.Left(), object.Top(),
                    object.Width(), object.Height(), {}, {}};
  if (const auto* memo = dynamic_cast<const TrpCustomMemoView*>(&object))
    record.Text = memo->Memo().join(QLatin1Char('\n'));
  for (const TrpComponent* child : object.Objects())
    if (child->Visible() && child->rpComponentStyle().Has(csPreviewVisible))
      record.Children << RecordOf(*child);
  return record;
}

void FakeStore::AddObject(TrpComponent& object) {
  if (!object.Visible() || !object.rpComponentStyle().Has(csPreviewVisible)) return;
  Pages[CurPage()].Records << RecordOf(object);
}

void FakeStore::AddPage(TrpReportPage& page) {
  SetCurPage(CurPage() + 1);
  if (CurPage() < GetCount() && AddPageAction() != apAdd) return;
  Pages << FakePage{page.Name(), {}, false, 0, 0, 0, 0, false};
  SetAddPageAction(apWriteOver);
  SetCurPage(GetCount() - 1);
}

void FakeStore::AddSourcePage(TrpReportPage& page) { SourcePages << page.Name(); }

void FakeStore::BeginPass() {
  ++Passes;
  FFirstPage = CurPage();
  FFirstObject = FFirstPage >= 0 ? GetCurPosition() : 0;
}

void FakeStore::ClearFirstPassPages() {
  if (FFirstPage < 0) {
    Pages.clear();
    FOutline->Root.clear();
  } else {
    Pages[FFirstPage].Records = Pages[FFirstPage].Records.mid(0, FFirstObject);
    Pages = Pages.mid(0, FFirstPage + 1);
  }
  FOutline->LevelRoot();
  SetCurPage(FFirstPage);
}

void FakeStore::CutObjects(int position) {
  QList<FakeRecord>& records = Pages[CurPage()].Records;
  FCut = records.mid(position);
  records = records.mid(0, position);
}

void FakeStore::PasteObjects(Extended x, Extended y) {
  if (FCut.isEmpty()) return;
  const Extended dx = x - FCut.first().Left, dy = y - FCut.first().Top;
  for (FakeRecord& record : FCut) {
    record.Left += dx;
    record.Top += dy;
    Pages[CurPage()].Records << record;
  }
  FCut.clear();
}

void FakeStore::ShiftAnchors(int from, int newTop) {
  if (from + 1 >= Anchors.size()) return;
  const int delta = newTop - Anchors[from + 1].Top;
  for (qsizetype i = from + 1; i < Anchors.size(); ++i) Anchors[i].Page += 1, Anchors[i].Top += delta;
}

void FakeStore::AddAnchor(const QString& text) {
  const Extended y = Engine() ? Engine()->CurY() : 0;
  Anchors << Anchor{text, CurPage(), static_cast<int>(rpRound(y))};
}

void FakeStore::UpdatePageDimensions(TrpReportPage& page, Extended width, Extended height) {
  UpdatedSources[page.Name()] = SourceSize{width, height};
}

void FakeStore::UpdatePageLastColumn(int column, bool reset, Extended columnPosition) {
  // Like the real store: without a current page there is nothing to write on.
  if (CurPage() < 0 || CurPage() >= Pages.size()) return;
  FakePage& page = Pages[CurPage()];
  page.HasLastColumn = !reset;
  page.LastColumn = column;
  page.LastColumnPosition = columnPosition;
}

bool FakeStore::GetLastColumnPos(int& column, Extended& columnPosition) const {
  const FakePage& page = Pages.at(CurPage());
  if (!page.HasLastColumn) return false;
  column = page.LastColumn;
  columnPosition = page.LastColumnPosition;
  return true;
}

bool FakeStore::BandExists(TrpBand& band) {
  for (const FakeRecord& record : Pages.at(CurPage()).Records) {
    if (record.Name == band.Name()) return true;
    if (record.Class == band.ClassInfo().ClassName() &&
        (band.InheritsFrom("TrpPageFooter") || band.InheritsFrom("TrpColumnFooter")))
      return true;
  }
  return false;
}

int FakeStore::GetCurPosition() const {
  return CurPage() < 0 ? 0 : static_cast<int>(Pages.at(CurPage()).Records.size());
}

Extended FakeStore::GetLastY(Extended x) const {
  Extended lowest = 0;
  for (const FakeRecord& record : Pages.at(CurPage()).Records) {
    if (record.Class == "TrpPageFooter" || record.Class == "TrpOverlay") continue;
    const bool spansPage = record.Class == "TrpPageHeader" || record.Class == "TrpReportTitle";
    if (x != 0 && !spansPage && std::abs(record.Left - x) >= 0.001) continue;
    lowest = std::max(lowest, record.Bottom());
  }
  return lowest;
}

void FakeStore::ModifyPage(int index, TrpReportPage& page) {
  FakePage& target = Pages[index];
  target.StoredInFull = true;
  target.FullWidth = page.PaperWidth() * rp01cm;
  target.FullHeight = page.PaperHeight() * rp01cm;
}
