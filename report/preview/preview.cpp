// The preview control: its children, initialisation for a report, and the message panel.
#include "report/preview/preview.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSplitter>
#include <QTabBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "report/component/report.h"
#include "report/objects/custom_preview_pages.h"
#include "report/options/preview_options.h"
#include "report/options/report_options.h"
#include "report/preview/preview_form.h"
#include "report/preview/preview_workspace.h"
#include "report/res/image_list.h"
#include "report/res/resources.h"

namespace {

QIcon previewPicture(int index) {
  return QIcon(QPixmap::fromImage(rpResources()->GetPreviewButtonImages().Image(index)));
}

}  // namespace

TrpPreview::TrpPreview(QWidget* parent) : QWidget(parent), FFirstPageClock(std::make_unique<QElapsedTimer>()) {
  resize(100, 100);
  setFocusPolicy(Qt::StrongFocus);
  CreateChildren();
  CreateMessagePanel();
}

TrpPreview::~TrpPreview() {
  // Tabs free the reports they own (a detail tab is the first one left once the report shown
  // first has gone with UnInit); a report shown without being owned only forgets us.
  for (size_t i = FTabItems.size(); i-- > 0;)
    if (i > 0 || FTabItems[i]->FreeObjects) FreeTab(i);
  if (!FTabItems.empty() && FTabItems[0]->Report && FTabItems[0]->Report->Preview() == this) {
    FCalledFromPreview = true;
    FTabItems[0]->Report->SetPreview(nullptr);
  }
  FTabItems.clear();
}

void TrpPreview::CreateChildren() {
  FOutlinePopup = new QMenu(this);
  FOutlinePopup->addAction(previewPicture(13), rpGet(601), this, [this] {
    FOutline->collapseAll();
    FWorkspace->setFocus();
  });
  FOutlinePopup->addAction(previewPicture(14), rpGet(600), this, [this] {
    FOutline->expandAll();
    if (FOutline->topLevelItemCount() > 0) FOutline->scrollToItem(FOutline->topLevelItem(0));
    FWorkspace->setFocus();
  });

  FTabs = new QTabBar(this);
  FTabs->setFixedHeight(22);
  FTabs->hide();
  connect(FTabs, &QTabBar::tabBarClicked, this, [this](int index) {
    if (index >= 0 && index != FCurTab) SetCurrentTab(index);
  });
  connect(FTabs, &QTabBar::tabCloseRequested, this, [this](int index) { CloseTab(index); });

  FSplitter = new QSplitter(Qt::Horizontal, this);
  FSplitter->setHandleWidth(4);
  FSplitter->setChildrenCollapsible(false);

  FOutline = new QTreeWidget(FSplitter);
  FOutline->setHeaderHidden(true);
  FOutline->setFrameShape(QFrame::NoFrame);
  FOutline->setContextMenuPolicy(Qt::CustomContextMenu);
  FOutline->hide();
  connect(FOutline, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) { OnOutlineClick(item); });
  connect(FOutline, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) { FOutlinePopup->popup(FOutline->viewport()->mapToGlobal(at)); });

  FThumbnail = new TrpPreviewWorkspace(this, FSplitter);
  FThumbnail->SetIsThumbnail(true);
  FThumbnail->SetZoom(0.1L);
  FThumbnail->setFocusPolicy(Qt::NoFocus);
  FThumbnail->hide();

  FWorkspace = new TrpPreviewWorkspace(this, FSplitter);
  FWorkspace->setFocusPolicy(Qt::NoFocus);
  connect(FWorkspace, &TrpPreviewWorkspace::DoubleClicked, this, &TrpPreview::DoubleClicked);
  FSplitter->setStretchFactor(2, 1);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(FTabs);
  layout->addWidget(FSplitter, 1);
}

void TrpPreview::CreateMessagePanel() {
  FMessagePanel = new QFrame(this);
  static_cast<QFrame*>(FMessagePanel)->setFrameShape(QFrame::Panel);
  FMessagePanel->setAutoFillBackground(true);
  FMessagePanel->resize(260, 75);
  FMessageLabel = new QLabel(FMessagePanel);
  FMessageLabel->setGeometry(4, 20, 255, 20);
  FMessageLabel->setAlignment(Qt::AlignCenter);
  FCancelButton = new QPushButton(rpResources()->Get(QStringLiteral("clCancel")), FMessagePanel);
  FCancelButton->setGeometry(92, 44, 75, 25);
  FCancelButton->hide();
  FMessagePanel->hide();
}

void TrpPreview::ShowMessage(const QString& text) {
  FMessagePanel->move((width() - 260) / 2, (height() - 75) / 3);
  FMessageLabel->setText(text);
  FMessagePanel->show();
  FMessagePanel->raise();
  FMessagePanel->repaint();
}

void TrpPreview::HideMessage() {
  FMessagePanel->hide();
}

TrpCustomPreviewForm* TrpPreview::PreviewForm() const {
  return FPreviewForm;
}

int TrpPreview::PageCount() const {
  return FPreviewPages ? FPreviewPages->GetCount() : 0;
}

bool TrpPreview::HasButton(TrpPreviewButton button) const {
  return FReport && FReport->PreviewOptions().Buttons().Has(button);
}

void TrpPreview::ShowHint(const QString& text) {
  if (FPreviewForm) FPreviewForm->SetMessageText(text, true);
}

void TrpPreview::UpdateFormControls() {
  if (FPreviewForm) FPreviewForm->UpdateControls();
}

// --- initialisation ----------------------------------------------------------------------------

void TrpPreview::Init(TrpReport* report, TrpCustomPreviewPages* pages) {
  FInitResult = false;
  if (FCalledFromPreview) return;
  FReport = report;
  FPreviewPages = pages;
  if (FInitialized && FEachReportInTab) {
    AddPreviewTabOrSwitch(report);
    return;
  }
  FWorkspace->SetPreviewPages(pages);
  FThumbnail->SetPreviewPages(pages);
  InstallLinkHandlers(pages);
  ResetSearch();
  FAllowF3 = false;
  if (FInitialized) {
    TrpPreviewTabItem& first = *FTabItems[0];
    first.Report = report;
    first.PreviewPages = pages;
    FCurTab = 0;
    if (FTabs->count() > 0) FTabs->setCurrentIndex(0);
  } else {
    ApplyPreviewOptions();
    QString name = report ? QFileInfo(report->FileName()).fileName() : QString();
    if (name.isEmpty() && report) name = report->ReportOptions().Name();
    AddPreviewTab(report, name);
    FInitialized = true;
  }
  UpdatePages();
  UpdateOutline();
  First();
  FInitResult = true;
}

void TrpPreview::ApplyPreviewOptions() {
  if (!FReport) return;
  const TrpPreviewOptions& options = FReport->PreviewOptions();
  FZoomMode = options.ZoomMode();
  if (FZoomMode == zmDefault) FZoom = std::clamp(options.Zoom(), kMinZoom, kMaxZoom);
  SetOutlineWidth(options.OutlineWidth());
  SetOutlineVisible(options.OutlineVisible());
  SetThumbnailVisible(options.ThumbnailVisible());
}

void TrpPreview::UnInit(TrpReport* report) {
  if (FCalledFromPreview) return;
  TrpCustomPreviewPages* pages = report && report->PreviewPages() ? report->PreviewPages() : FPreviewPages;
  for (int i = TabCount() - 1; i >= 0; --i)
    if (FTabItems[static_cast<size_t>(i)]->PreviewPages == pages) {
      if (i > 0) {
        FreeTab(static_cast<size_t>(i));
      } else {
        FTabItems.erase(FTabItems.begin());
        FTabs->removeTab(0);
      }
    }
  if (FTabItems.empty()) {
    FInitialized = false;
    FReport = nullptr;
    FPreviewPages = nullptr;
    FWorkspace->SetPreviewPages(nullptr);
    FThumbnail->SetPreviewPages(nullptr);
    FWorkspace->ClearPageList();
    FThumbnail->ClearPageList();
    FCurTab = -1;
  } else {
    SetCurrentTab(0);
  }
}
