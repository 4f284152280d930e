#pragma once
// TrpPreview: the control that shows a report's prepared pages and carries the preview commands:
// zoom and zoom modes, navigation, open and save of prepared reports, page editing, the outline
// and thumbnail panes, tabs for further reports, keys and wheel, and the live display of pages
// while the engine prepares them. It composes two workspaces and works on the store only through
// TrpCustomPreviewPages.
#include <QColor>
#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

#include "report/objects/custom_preview.h"
#include "report/options/preview_options.h"
#include "report/units/report_units.h"

class QElapsedTimer;
class QLabel;
class QMenu;
class QMouseEvent;
class QPushButton;
class QSplitter;
class QTabBar;
class QTreeWidget;
class QTreeWidgetItem;
class TrpComponent;
class TrpCustomExportFilter;
class TrpPreviewForm;
class TrpPreviewWorkspace;
class TrpReportPage;
class TrpHyperlink;

// One report shown in a tab of the control, with the view it had when it was left.
struct TrpPreviewTabItem {
  QString Name;
  int Top = 0;
  int Left = 0;
  int PageNo = 0;
  int ThumbTop = 0;
  TrpReport* Report = nullptr;
  TrpCustomPreviewPages* PreviewPages = nullptr;
  QString DetailPage;
  Extended Zoom = 1.0L;
  TrpZoomMode ZoomMode = zmDefault;
  bool FreeObjects = false;  // the tab owns its report
};

class TrpPreview : public QWidget, public TrpCustomPreview {
  Q_OBJECT
 public:
  // The largest zoom: larger ones would lay pages out beyond 32-bit scroll positions.
  static constexpr Extended kMaxZoom = 100.0L;
  static constexpr Extended kMinZoom = 0.25L;
  // The least zoom a zoom mode computes, however small the workspace.
  static constexpr Extended kMinFitZoom = 0.05L;

  explicit TrpPreview(QWidget* parent = nullptr);
  ~TrpPreview() override;

  // --- TrpCustomPreview ------------------------------------------------------------------------
  void Init(TrpReport* report, TrpCustomPreviewPages* pages) override;
  void UnInit(TrpReport* report) override;
  bool Lock() override;
  void Unlock() override;
  void RefreshReport() override;
  void InternalOnProgressStart(TrpReport* report, TrpProgressType kind, int progress) override;
  void InternalOnProgress(TrpReport* report, TrpProgressType kind, int progress) override;
  void InternalOnProgressStop(TrpReport* report, TrpProgressType kind, int progress) override;
  TrpCustomPreviewForm* PreviewForm() const override;
  // Whether Init did its work (false when the report went into another tab, or while the
  // control switches tabs itself).
  bool InitResult() const { return FInitResult; }

  // --- what it shows ---------------------------------------------------------------------------
  TrpReport* Report() const { return FReport; }
  TrpCustomPreviewPages* PreviewPages() const { return FPreviewPages; }
  void SetPreviewForm(TrpPreviewForm* form) { FPreviewForm = form; }
  int PageCount() const;
  int PageNo() const { return FPageNo; }
  // Clamped to 1 .. PageCount (0 without pages); raises PageChanged also when unchanged.
  void SetPageNo(int value);
  int SavedPageNo() const { return FSavedPageNo; }
  void SetSavedPageNo(int value) { FSavedPageNo = value; }
  Extended Zoom() const { return FZoom; }
  // Kept within kMinZoom .. kMaxZoom; a value that is not a finite number is ignored. The zoom
  // mode becomes zmDefault.
  void SetZoom(Extended value);
  TrpZoomMode ZoomMode() const { return FZoomMode; }
  void SetZoomMode(TrpZoomMode value);
  bool Locked() const { return FLocked; }
  bool Running() const { return FRunning; }
  bool UseReportHints() const { return FUseReportHints; }
  void SetUseReportHints(bool value) { FUseReportHints = value; }
  TrpPreviewWorkspace* Workspace() const { return FWorkspace; }
  TrpPreviewWorkspace* Thumbnail() const { return FThumbnail; }
  QTreeWidget* OutlineTree() const { return FOutline; }
  QSplitter* Splitter() const { return FSplitter; }
  QTabBar* Tabs() const { return FTabs; }
  bool AllowF3() const { return FAllowF3; }
  void SetAllowF3(bool value) { FAllowF3 = value; }

  // --- navigation ------------------------------------------------------------------------------
  void First() { SetPageNo(1); }
  void Next() { SetPageNo(FPageNo + 1); }
  void Prior() { SetPageNo(FPageNo - 1); }
  void Last() { SetPageNo(PageCount()); }
  void SetPosition(int pageN, int top);
  int GetTopPosition();
  // A wheel turn of `delta`: scrolls by 20 pixels against its sign, or with `zoom` changes the
  // zoom by a tenth (not below 0.3).
  void MouseWheelScroll(int delta, bool horizontal, bool zoom);

  // --- commands (refused while the engine runs) ------------------------------------------------
  void Print();
  void SaveToFile();
  void SaveToFile(const QString& fileName);
  // Exports through `filter`: its options dialog, then a file name, then the report's Export. A
  // text-mode report takes the registered text export instead of any other. Whether the file
  // was written; a failure is shown.
  bool Export(TrpCustomExportFilter& filter);
  void LoadFromFile();
  void LoadFromFile(const QString& fileName);
  void AddPage();
  void DeletePage();
  void Clear();
  // Stops the running engine.
  void Cancel();
  // Hands a copy of the current page to a page designer; this system has none, so the pages stay
  // as they are.
  void Edit() {}
  void ShowMessage(const QString& text);
  void HideMessage();

  // --- text search -----------------------------------------------------------------------------
  // Asks for the text in the find dialog and, on OK, searches from the first or the current page.
  // Repeated search (FindNext) is allowed afterwards either way.
  void Find();
  // The next hit, when a search was made since the last re-layout.
  void FindNext();
  // Searches as Find does without the dialog; whether something was found.
  bool FindText(const QString& searchString, bool fromTop, bool isCaseSensitive);
  bool FindTextFound() const;
  // Forgets the hit and takes its mark away.
  void FindTextClear();

  // --- page settings ---------------------------------------------------------------------------
  // The page settings dialog on the current page; on OK the page, or every page, takes them.
  void PageSetupDlg();
  // Re-lays the pages at the zoom of the zoom mode and repaints.
  void UpdatePages();
  void UpdateOutline();

  // --- panes -----------------------------------------------------------------------------------
  bool OutlineVisible() const;
  void SetOutlineVisible(bool value);
  bool ThumbnailVisible() const;
  void SetThumbnailVisible(bool value);
  int OutlineWidth() const { return FOutlineWidth; }
  void SetOutlineWidth(int value);

  // --- tabs ------------------------------------------------------------------------------------
  bool EachReportInTab() const { return FEachReportInTab; }
  void SetEachReportInTab(bool value) { FEachReportInTab = value; }
  void AddPreviewTab(TrpReport* report, const QString& tabName, const QString& detailPage = {},
                     bool freeObjects = false, const QString& tabCaption = {});
  void AddPreviewTabOrSwitch(TrpReport* report, const QString& tabName = {}, const QString& detailPage = {},
                             bool freeObjects = false, const QString& tabCaption = {});
  bool HasTab(TrpReport* report) const;
  bool HasTab(const QString& tabName) const;
  void SwitchToTab(TrpReport* report);
  void SwitchToTab(const QString& tabName);
  bool HasVisibleTabs() const { return FTabItems.size() > 1; }
  void RemoveTab(int tabIndex);
  void ClearAllTabs();
  int TabCount() const { return static_cast<int>(FTabItems.size()); }
  const TrpPreviewTabItem& TabItem(int index) const { return *FTabItems[static_cast<size_t>(index)]; }

  // --- events ----------------------------------------------------------------------------------
  std::function<void(QMouseEvent*)> OnMouseDown;
  std::function<void(QMouseEvent*)> OnMouseUp;
  // A long hint of an object under the mouse, for the preview window's status bar.
  void ShowHint(const QString& text);

 signals:
  void PageChanged(int pageNo);
  void DoubleClicked();
  // A click (or double click) on an object of a page.
  void ObjectClick(TrpComponent* object, bool doubleClick);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void CreateChildren();
  void CreateMessagePanel();
  Extended FittedZoom(Extended width, Extended height) const;
  void LayOut(TrpPreviewWorkspace& workspace, int width);
  void ApplyPreviewOptions();
  void AddOutlineItems(QTreeWidgetItem* parent, int level);
  void OnOutlineClick(QTreeWidgetItem* item);
  bool HasButton(TrpPreviewButton button) const;
  void SetCurrentTab(int index);
  void SaveTab(TrpPreviewTabItem& tab) const;
  void CloseTab(int index);
  void FreeTab(size_t index);
  void UpdateFormControls();
  void StartSearch(const QString& text, bool fromTop, bool caseSensitive);
  void ResetSearch();
  void ApplyToPages(int first, int last, const TrpReportPage& settings);
  void ApplyToAllPages(const TrpReportPage& settings);
  // Hyperlinks (preview_links.cpp): the store's links lead here while its pages are shown.
  void InstallLinkHandlers(TrpCustomPreviewPages* pages);
  void OpenDetailReport(const TrpHyperlink& link);
  void OpenDetailPage(const TrpHyperlink& link);

  TrpReport* FReport = nullptr;
  TrpCustomPreviewPages* FPreviewPages = nullptr;
  bool FUseReportHints = true;
  TrpPreviewForm* FPreviewForm = nullptr;
  bool FAllowF3 = false;
  bool FLocked = false;
  bool FInitialized = false;
  bool FCalledFromPreview = false;
  bool FEachReportInTab = false;
  bool FInitResult = false;
  int FPageNo = 1;
  int FSavedPageNo = -1;
  bool FRefreshing = false;
  bool FRunning = false;
  unsigned FTick = 5;
  std::unique_ptr<QElapsedTimer> FFirstPageClock;
  Extended FZoom = 1.0L;
  TrpZoomMode FZoomMode = zmDefault;
  int FOutlineWidth = 120;
  QTabBar* FTabs = nullptr;
  QTreeWidget* FOutline = nullptr;
  QMenu* FOutlinePopup = nullptr;
  QSplitter* FSplitter = nullptr;
  TrpPreviewWorkspace* FThumbnail = nullptr;
  TrpPreviewWorkspace* FWorkspace = nullptr;
  QWidget* FMessagePanel = nullptr;
  QLabel* FMessageLabel = nullptr;
  QPushButton* FCancelButton = nullptr;
  std::vector<std::unique_ptr<TrpPreviewTabItem>> FTabItems;
  int FCurTab = -1;
};
