// Tabs of the preview control: further reports shown in the same control, each keeping its zoom,
// scroll position and page while another is shown.
#include <QFileInfo>
#include <QTabBar>

#include "report/component/report.h"
#include "report/objects/custom_preview_pages.h"
#include "report/options/report_options.h"
#include "report/preview/preview.h"
#include "report/preview/preview_workspace.h"

namespace {

QString reportTabName(TrpReport* report) {
  if (!report) return {};
  const QString file = QFileInfo(report->FileName()).fileName();
  return file.isEmpty() ? report->ReportOptions().Name() : file;
}

}  // namespace

void TrpPreview::AddPreviewTab(TrpReport* report, const QString& tabName, const QString& detailPage,
                               bool freeObjects, const QString& tabCaption) {
  auto item = std::make_unique<TrpPreviewTabItem>();
  item->Name = tabName;
  item->PageNo = 1;
  item->Zoom = FZoom;
  item->ZoomMode = FZoomMode;
  item->Report = report;
  item->PreviewPages = report ? report->PreviewPages() : nullptr;
  item->FreeObjects = freeObjects;
  item->DetailPage = detailPage;
  FTabItems.push_back(std::move(item));
  FTabs->addTab(tabCaption.isEmpty() ? tabName : tabCaption);
  // Every tab but the first can be closed.
  FTabs->setTabsClosable(FTabItems.size() > 1);
  if (FTabs->tabButton(0, QTabBar::RightSide)) FTabs->tabButton(0, QTabBar::RightSide)->hide();
  if (FTabs->tabButton(0, QTabBar::LeftSide)) FTabs->tabButton(0, QTabBar::LeftSide)->hide();
  FTabs->setVisible(FTabItems.size() > 1);
  if (FTabItems.size() == 1) {
    FCurTab = 0;
    return;
  }
  SetCurrentTab(TabCount() - 1);
}

void TrpPreview::AddPreviewTabOrSwitch(TrpReport* report, const QString& tabName, const QString& detailPage,
                                       bool freeObjects, const QString& tabCaption) {
  for (int i = 0; i < TabCount(); ++i) {
    const TrpPreviewTabItem& tab = *FTabItems[static_cast<size_t>(i)];
    if (tab.Report == report && report && tab.PreviewPages == report->PreviewPages()) {
      SetCurrentTab(i);
      return;
    }
  }
  AddPreviewTab(report, tabName.isEmpty() ? reportTabName(report) : tabName, detailPage, freeObjects, tabCaption);
}

bool TrpPreview::HasTab(TrpReport* report) const {
  for (const auto& tab : FTabItems)
    if (tab->Report == report) return true;
  return false;
}

bool TrpPreview::HasTab(const QString& tabName) const {
  for (const auto& tab : FTabItems)
    if (tab->Name == tabName) return true;
  return false;
}

void TrpPreview::SwitchToTab(TrpReport* report) {
  for (int i = 0; i < TabCount(); ++i)
    if (FTabItems[static_cast<size_t>(i)]->Report == report) return SetCurrentTab(i);
}

void TrpPreview::SwitchToTab(const QString& tabName) {
  for (int i = 0; i < TabCount(); ++i)
    if (FTabItems[static_cast<size_t>(i)]->Name == tabName) return SetCurrentTab(i);
}

void TrpPreview::SaveTab(TrpPreviewTabItem& tab) const {
  tab.ZoomMode = FZoomMode;
  tab.Zoom = FZoom;
  tab.Left = FWorkspace->HorzPosition();
  tab.Top = FWorkspace->VertPosition();
  tab.ThumbTop = FThumbnail->VertPosition();
  tab.PageNo = FPageNo;
}

void TrpPreview::SetCurrentTab(int index) {
  if (index < 0 || index >= TabCount()) return;
  if (FCurTab >= 0 && FCurTab < TabCount() && FCurTab != index) SaveTab(*FTabItems[static_cast<size_t>(FCurTab)]);
  FCurTab = index;
  FTabs->setCurrentIndex(index);
  const TrpPreviewTabItem& tab = *FTabItems[static_cast<size_t>(index)];
  FReport = tab.Report;
  FPreviewPages = tab.PreviewPages;
  FWorkspace->SetPreviewPages(FPreviewPages);
  FThumbnail->SetPreviewPages(FPreviewPages);
  InstallLinkHandlers(FPreviewPages);
  // The report shows in this control now; Init must not turn that into another tab.
  FCalledFromPreview = true;
  if (FReport) FReport->SetPreview(this);
  FCalledFromPreview = false;
  FPageNo = tab.PageNo > 0 ? tab.PageNo : (PageCount() > 0 ? 1 : 0);
  FZoomMode = tab.ZoomMode;
  FZoom = tab.Zoom;
  UpdatePages();
  FWorkspace->UpdateScrollBars();
  FWorkspace->SetHorzPosition(tab.Left);
  FWorkspace->SetVertPosition(tab.Top);
  FThumbnail->SetVertPosition(tab.ThumbTop);
  UpdateOutline();
  SetPageNo(FPageNo);
}

void TrpPreview::FreeTab(size_t index) {
  std::unique_ptr<TrpPreviewTabItem> tab = std::move(FTabItems[index]);
  FTabItems.erase(FTabItems.begin() + static_cast<std::ptrdiff_t>(index));
  FTabs->removeTab(static_cast<int>(index));
  if (tab->Report && tab->Report->Preview() == this && !HasTab(tab->Report)) {
    // Detaching calls UnInit, which must not touch the tabs being freed here.
    FCalledFromPreview = true;
    tab->Report->SetPreview(nullptr);
    FCalledFromPreview = false;
  }
  if (tab->FreeObjects && tab->Report && !HasTab(tab->Report)) delete tab->Report;
}

void TrpPreview::CloseTab(int index) {
  if (index <= 0 || index >= TabCount()) return;
  const int next = index - 1;
  FreeTab(static_cast<size_t>(index));
  FCurTab = -1;
  SetCurrentTab(std::min(next, TabCount() - 1));
  FTabs->setVisible(FTabItems.size() > 1);
}

void TrpPreview::RemoveTab(int tabIndex) {
  CloseTab(tabIndex);
}

void TrpPreview::ClearAllTabs() {
  while (FTabItems.size() > 1) FreeTab(FTabItems.size() - 1);
  FTabs->hide();
  if (!FTabItems.empty()) SetCurrentTab(0);
}
