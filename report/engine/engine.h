#pragma once
// TrpEngine: the band layout engine. It walks each printable page of a report definition, shows
// its bands in a fixed order at a running vertical position, lets every object evaluate its data,
// stretches objects and bands to their content, moves to a new column or page when a band does
// not fit, keeps blocks of bands together, splits bands that cannot fit anywhere, and makes pages
// of endless height exactly as tall as what was placed on them. It writes only through the
// store's abstract interfaces (TrpPageBuilder, TrpPageAnchors, TrpCustomPreviewPages).
#include <QElapsedTimer>
#include <QHash>
#include <QMap>
#include <QList>
#include <QSet>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "report/engine/band_tree.h"
#include "report/engine/vertical_copy_shift.h"
#include "report/objects/custom_engine.h"

class TrpAggregateList;
class TrpCustomMemoView;
class TrpDataSet;
class TrpCustomOutline;
class TrpNullBand;
class TrpPageAnchors;
class TrpPageBuilder;
class TrpReportPage;
class TrpStretcheable;
class TrpSubreport;

class TrpEngine : public TrpCustomEngine {
 public:
  explicit TrpEngine(TrpReport& report);
  ~TrpEngine() override;

  // --- TrpCustomEngine -------------------------------------------------------------------------
  bool Run(bool runDialogs, bool clearLastReport = false, TrpPage* page = nullptr) override;
  Extended GetPageHeight() const override;
  void EndPage() override;
  void BreakAllKeep() override;
  void NewColumn() override;
  void NewPage() override;
  void ShowBand(TrpBand& band) override;
  void ShowBand(const TrpClassInfo& bandClass) override;
  Extended HeaderHeight() const override;
  Extended FooterHeight() const override;
  Extended FreeSpace() const override;
  ScriptValue GetAggregateValue(const QString& name, const QString& expression, TrpBand* band,
                                int flags) override;

  // The report's EngineOptions.DoublePass.
  bool GetDoublePass() const;
  // Shows the band of the current page named `name`, if there is one.
  void ShowBandByName(const QString& name);
  // Ends the run at the next check of every loop.
  void StopReport();

 private:
  struct HeaderItem {
    TrpBand* Band;
    Extended Left;
    bool AddedWhileKeeping;
  };

  // Where a kept block begins: its first record on the page, its top, the outline place and
  // level of its first entry, its first anchor, and the page and page column all these belong to.
  struct KeepMark {
    int Position = 0;
    Extended Top = 0;
    int Outline = -1;
    int OutlineDepth = 0;
    int Anchor = -1;
    int Page = 0;
    int Column = 1;
  };

  // The store's last-column record of a page: the column a page continuing there goes on in.
  struct LastColumnRecord {
    bool Kept = false;
    int Column = 1;
    Extended Position = 0;
  };

  // --- run and pages (engine_run.cpp) ----------------------------------------------------------
  bool Initialize(TrpPage* only);
  void RunPass();
  LastColumnRecord TakeLastColumnRecord();
  void RestoreLastColumnRecord(const LastColumnRecord& record);
  void RunReportPages();
  void RunEachReportPage();
  void RunPage(TrpReportPage& page);
  void ShowPage(TrpReportPage& page);
  bool PageHasRecords(const TrpPageBands& bands);
  void Finalize();
  void ProcessMessages();
  bool Terminated() const;
  QList<TrpReportPage*> ReportPages() const;

  // --- the report's events, dialogs and manual builds (engine_events.cpp) ----------------------
  bool RunDialogs();
  bool RunManualBuild(TrpReportPage& page);
  void RunStopEvent();

  // --- page flow (engine_pages.cpp) ------------------------------------------------------------
  void InitPage();
  void ContinueInLastColumn();
  void AddPage();
  // `takenUp`: the page or column was opened before by a subreport side by side; its bands are
  // there, and only the running subreports' own column headers are recorded again.
  void ShowHeaderList(bool forColumn, bool takenUp = false);
  void ShowLooseObjects();
  void FinishLastPage();
  void StoreEndlessPage(Extended contentBottom);
  void ShowPageFooter(Extended pageHeight);
  void ShowOverlay(bool onTop);
  void AddPageOutline();
  void NewColumnFor(Extended height);
  TrpBand* FindPageBand(const TrpClassInfo& kind) const;
  Extended ChainHeight(TrpBand* band) const;
  Extended ReprintedHeadersHeight() const;
  bool ShownAgain(const HeaderItem& item) const;
  Extended ColumnPosition(int column) const;

  // --- showing a band (engine_show_band.cpp) ---------------------------------------------------
  void DoShow(TrpBand& band);
  bool MakeRoomFor(TrpBand& band);
  void Place(TrpBand& band);
  void Stretch(TrpBand& band);
  void Unstretch(TrpBand& band);
  void ShiftObjects(TrpBand& band, const QHash<TrpComponent*, Extended>& growth);
  void GrowToObjects(TrpBand& band);
  bool ResetSuppressed(TrpBand& band);
  bool IsMultiColumn(const TrpBand& band) const;
  // Whether the band's next record begins a row: always, but in columns only at the first.
  bool BeginsRow(const TrpDataBand& band) const;
  bool IsFirstRow(const TrpBand& band) const;

  // --- subreports (engine_subreport.cpp, engine_print_on_parent.cpp) --------------------------
  void ShowSubreports(TrpBand& band, Extended left, Extended top);
  void RunSubreport(TrpSubreport& subreport, Extended left);
  bool RevisitNextPage();
  bool RevisitNextColumn();
  bool IsRunningSubreportHeader(const TrpBand* band) const;
  // The bands of a subreport's page besides its data bands (engine_subreport_bands.cpp): the
  // title and the column header before the rows, the objects lying on the page at the
  // subreport's corner, the summary and the column footer after them. The column header opens
  // and the column footer closes every page and column the subreport runs over.
  void ShowSubreportOpening(TrpReportPage& page, const QList<TrpComponent*>& loose, Extended top);
  void ShowSubreportClosing(TrpReportPage& page);
  void ShowSubreportColumnFooters();
  Extended SubreportFootersHeight() const;
  // The page's column footer at the end of a column. While side-by-side subreports run, each
  // column they leave gets it once, after all of them, below the lowest of their rows there.
  void ShowColumnFooter();
  void NoteColumnBottom();
  struct SideBySide;
  void ShowDeferredColumnFooters(const SideBySide& run);
  void PrintSubreportsOnParent(TrpBand& band);
  void CopyToRedirection(TrpBand& band);
  void RemoveAddedObjects(TrpBand& band);

  // --- splitting (engine_split.cpp) ------------------------------------------------------------
  void DrawSplit(TrpBand& band);

  // --- data (engine_data_loop.cpp) -------------------------------------------------------------
  void RunDataBand(TrpDataNode& node);
  void ShowRow(TrpDataNode& node, int line);
  bool Passes(TrpDataNode& node);
  bool HasRows(TrpDataNode& node);
  bool HasDetailRows(TrpDataNode& node);
  TrpDataSet* DataOf(TrpDataNode& node) const;
  void StartRows(TrpDataNode& node);
  void FinishRows(TrpDataNode& node, const KeepMark& lastRow);
  KeepMark FooterKeepMark(const KeepMark& lastRow) const;
  void OpenGroups(TrpDataNode& node, size_t from, bool first);
  void TestGroups(TrpDataNode& node, TrpDataSet& data, int& line);
  void CloseGroups(TrpDataNode& node, size_t from);
  void NextColumnOfRow(TrpDataNode& node);
  void EndRowOfColumns(TrpDataNode& node);
  void CloseColumns(TrpDataNode& node);
  void AddToHeaderList(TrpBand& band);
  void RemoveFromHeaderList(TrpBand* band);
  ScriptValue Evaluate(const QString& expression);
  bool AddBandOutline(TrpBand& band);
  void LeaveBandOutline();

  // --- row numbers (engine_line_numbers.cpp) ---------------------------------------------------
  void ResetLineNumbers();
  void ResetLineNumbers(TrpDataNode& node);
  void StartBandLine(TrpBand& band, int line);
  void SetBandLine(const TrpBand& band);
  void PushBandLine(const TrpBand& band);
  void PopBandLine();
  QString NestedLinePath() const;

  // --- vertical bands (engine_vertical.cpp, engine_vertical_pages.cpp) ------------------------
  // The output of one horizontal band crossed by vertical bands (the vertical master band): the
  // copies of the vertical bands' objects it takes along, and the page part each copy goes to
  // (0 the band's own page, 1 the page after it, ...).
  // A drill-down marker among a master band's copies, with the copies of its header's own
  // objects in its row: when the band splits, it goes with the first of them.
  struct DrillMarker {
    TrpBand* Marker = nullptr;
    std::vector<const TrpComponent*> HeaderCopies;
    bool Placed = false;  // already recorded in an earlier part of a split band
  };
  struct VerticalOutput {
    TrpBand* Master = nullptr;
    std::vector<std::unique_ptr<TrpComponent>> Copies;
    std::vector<int> PageParts;                 // the page part of each copy
    int PagePart = 0;                           // the part the next copy goes to
    QList<TrpBand*> HeaderList;                 // vertical headers reprinted on each part
    TrpBand* Copying = nullptr;                 // the vertical band whose objects are evaluated
    Extended Bottom = 0;                        // the lowest bottom of the copies
    std::vector<DrillMarker> Markers;           // drill-down markers among the copies
    bool ReachesBottom = false;                 // a copy stretches to the band's bottom
    TrpVerticalCopyShift Shift;                 // the rows whose copies grew
  };
  void AttachVerticalObjects(TrpReportPage& page);
  void DetachVerticalObjects();
  bool CrossesVerticalBands(const TrpBand& band) const;
  VerticalOutput* VerticalOutputOf(const TrpBand& band) const;
  void RecordBand(TrpBand& band);
  void ShowVerticalBands(TrpBand& master);
  void ShowVerticalBand(TrpBand& band);
  void OutputVerticalBand(TrpBand& band);
  void MakeVerticalRoomFor(const TrpBand& band);
  void ShowVerticalHeaders(const TrpBand* except);
  void CopyVerticalObjects(TrpBand& band);
  void MarkVerticalDrillDown(TrpBand& band, std::size_t firstCopy);
  static bool IsDrillMarker(const VerticalOutput* output, const TrpComponent* child);
  static QList<TrpBand*> ShowDrillMarkersOfPart(VerticalOutput* output,
                                                const QSet<const TrpComponent*>& part,
                                                Extended height);
  void AttachVerticalCopies(TrpBand& master);
  void DetachVerticalCopies(TrpBand& master);
  void DropVerticalCopies(TrpBand& master);
  void RecordVerticalParts(TrpBand& master, const VerticalOutput& output);
  void MoveToOverflowPage();
  void StartOverflowPage();
  // Where an overflow page ends: the bottom of its content and its height.
  struct OverflowPageEnd {
    bool Known = false;
    Extended Content = 0;
    Extended Height = 0;
    bool FootersShown = false;
  };
  void ForEachOverflowPage(const std::function<void(int)>& step);
  void StartEndingOverflowPages();
  void EndOverflowPages();
  void ShowOverflowFooters(int part);
  void ShowOverflowColumnFooter(Extended columnX);
  OverflowPageEnd& OverflowEndOf(int part);
  Extended OverflowPartTop(const TrpBand& band, int part);

  // --- drill-down groups (engine_drill_down.cpp) -----------------------------------------------
  // While one lives with `hidden`, every band asked for is left out (its totals still count).
  class DrillHiding {
   public:
    DrillHiding(TrpEngine& engine, bool hidden) : FEngine(engine), FHidden(hidden) {
      if (FHidden) ++FEngine.FDrillHidden;
    }
    ~DrillHiding() {
      if (FHidden) --FEngine.FDrillHidden;
    }
    DrillHiding(const DrillHiding&) = delete;
    DrillHiding& operator=(const DrillHiding&) = delete;

   private:
    TrpEngine& FEngine;
    bool FHidden;
  };
  QString DrillKey(const TrpDataNode& node, size_t level) const;
  void OpenDrillDown(TrpDataNode& node, size_t level);
  void CloseDrillDown(TrpGroupLevel& level);
  bool CollapsedAbove(const TrpDataNode& node, size_t level) const;
  bool RowsCollapsed(const TrpDataNode& node) const;
  bool HidesChild(const TrpBand& band) const;
  void SkipHiddenBand(TrpBand& band);

  // --- keeping (engine_keep.cpp) ---------------------------------------------------------------
  KeepMark MarkHere() const;
  void StartKeep(TrpBand& band);
  void StartKeep(TrpBand& band, const KeepMark& mark);
  void EndKeep(TrpBand& band);
  bool KeptBlockFitsEmptyPage() const;
  void CutKeptBlock();
  void PasteKeptBlock(bool toNewPage);
  void ShiftKeptOutline(Extended top);

  // The store as the page building writes into it, its anchors and page numbers, and the whole
  // of it (the current page, reading back and storing a page again).
  TrpPageBuilder& Builder() const;
  TrpPageAnchors& Anchors() const;
  TrpCustomPreviewPages& Store() const;
  TrpCustomOutline* Outline() const;

  void EndAllKeeping();
  void GiveUpOverflowedKeep();

  std::unique_ptr<TrpAggregateList> FAggregates;
  QHash<TrpReportPage*, std::shared_ptr<TrpPageBands>> FBands;
  TrpReportPage* FPage = nullptr;
  TrpPageBands* FPageBands = nullptr;
  TrpPage* FOnlyPage = nullptr;
  QList<HeaderItem> FHeaderList;
  // The rows enclosing the band being shown, outermost first: a band's name and its row number,
  // made "band name.row number" only when a drill-down key needs them.
  struct BandLine {
    QString Band;
    int Line = 0;
  };
  QList<BandLine> FBandLines;
  QStringList BandLinePath() const;
  // Above 0 while the bands asked for lie under a collapsed drill-down group.
  int FDrillHidden = 0;
  QSet<const TrpBand*> FCollapsedHeaders;  // open group headers whose occurrence is folded
  Extended FFirstColumnY = 0;
  Extended FPageCurX = 0;
  Extended FPrevFooterHeight = 0;
  // Height of the band that asked for a new column or page, for the keep's fit test.
  Extended FPendingHeight = 0;

  bool FKeeping = false;
  TrpBand* FKeepBand = nullptr;
  Extended FKeepCurY = 0;
  int FKeepPosition = 0;
  int FKeepOutline = -1;
  int FKeepOutlineDepth = 0;  // the outline level the kept block's entries lie on
  int FKeepAnchor = -1;
  bool FKeepCut = false;
  // Rows of the kept block went on with parts on overflow pages: the block cannot move whole.
  bool FKeepOverflowed = false;
  Extended FKeepHeight = 0;  // height of the cut block, which it takes up again when pasted
  // The header of a kept data band printed above the block, shown again above it where it moves.
  TrpBand* FKeptHeaderAbove = nullptr;
  // How deep the band outline entries the engine opened go below the root or the page's entry.
  int FOutlineDepth = 0;
  // The root index of the page entry the band entries at the page's level go under: the latest
  // page entry, except while entries opened under an earlier one run on over page ends.
  int FOutlinePageEntry = -1;
  // The outline entries of a kept block moved to a new page wait, cut, for that page's entry.
  bool FKeptOutlineCut = false;

  bool FIsFirstPage = true;
  bool FIsLastPage = false;
  bool FIsFirstBand = true;
  bool FTitlePrinted = false;
  bool FCallFromAddPage = false;
  bool FCallFromPHeader = false;
  bool FFirstReportPage = true;
  bool FDontShowHeaders = false;
  TrpBand* FStartNewPageBand = nullptr;
  TrpBand* FLastBandOnPage = nullptr;
  int FPagesShown = 0;

  // Inside a subreport: its left relative to the column's left, which a new column or page
  // keeps.
  Extended FSubreportLeft = 0;
  // The subreports running now, outermost first: each page with its left relative to the
  // column's left.
  struct RunningSubreport {
    TrpReportPage* Page = nullptr;
    Extended Left = 0;
  };
  QList<RunningSubreport> FRunningSubreports;
  // While subreports side by side run: the lowest output each of them left in every column
  // (page, column), the left of those columns, and the columns whose footers wait.
  struct SideBySide {
    QMap<std::pair<int, int>, Extended> Bottoms;
    QMap<std::pair<int, int>, Extended> ColumnLefts;
    QList<std::pair<int, int>> Waiting;
    QSet<std::pair<int, int>> Opened;  // columns after the first that a new column opened
  };
  SideBySide* FSideBySide = nullptr;
  // While a PrintOnParent subreport runs, the bands it shows are copied here instead of going to
  // the store; the copies then join the parent band for one output.
  TrpNullBand* FRedirection = nullptr;
  QHash<TrpBand*, QList<TrpComponent*>> FAddedObjects;
  // When window messages were last processed (ProcessMessages).
  QElapsedTimer FMessageClock;

  // The vertical output of every master band being shown, innermost last (a band that does not
  // fit can start a page whose headers are masters too), and the one whose vertical bands run
  // now, with its page's vertical tree.
  std::vector<std::unique_ptr<VerticalOutput>> FVOutputs;
  VerticalOutput* FVCollecting = nullptr;
  TrpVerticalBands* FVertical = nullptr;
  bool FShowingVHeaders = false;
  // How many pages after the current page hold its overflowing vertical parts; they end with it.
  int FOverflowPages = 0;
  // While an overflow page opens or ends: bands crossed by vertical bands are not shown there
  // (their parts come from the page they continue) and shown bands keep their totals running.
  bool FOnOverflowPage = false;
  // While a page ends: its own footers' parts end its overflow pages, whose ends are kept here
  // (by part, from 1).
  bool FEndingPage = false;
  std::vector<OverflowPageEnd> FOverflowEnds;
};
