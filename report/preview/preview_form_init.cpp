// Laying the preview window out for its report: which buttons show, the save menu, the
// right-click menu, and the enabled states that follow the preparation.
#include <QLabel>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>

#include "report/component/report.h"
#include "report/objects/custom_export_filter.h"
#include "report/objects/custom_preview_pages.h"
#include "report/options/preview_options.h"
#include "report/options/report_options.h"
#include "report/pages/group_header.h"
#include "report/preview/preview.h"
#include "report/preview/preview_form.h"
#include "report/preview/preview_workspace.h"
#include "report/res/resources.h"

namespace {

constexpr char kPdfExport[] = "TrpPDFExport";

// Whether any group header of the report drills down, which is when the tree items make sense.
bool hasDrillDown(const TrpComponent& parent) {
  for (TrpComponent* child : parent.Objects()) {
    if (auto* header = dynamic_cast<TrpGroupHeader*>(child); header && header->DrillDown()) return true;
    if (hasDrillDown(*child)) return true;
  }
  return false;
}

}  // namespace

void TrpPreviewForm::Init() {
  TrpReport* report = FPreview->Report();
  if (!report) return;
  if (!FPreview->InitResult()) FPreview->Init(report, report->PreviewPages());
  const TrpPreviewOptions& options = report->PreviewOptions();
  if (options.Maximized()) setWindowState(windowState() | Qt::WindowMaximized);
  if (options.ZoomMode() != zmDefault)
    FPreview->SetZoomMode(options.ZoomMode());
  else
    FPreview->SetZoom(options.Zoom());
  DesignerB->setEnabled(options.AllowEdit());
  FPreview->Workspace()->SetRTLLanguage(options.RTLPreview());
  ApplyButtons();
  ToolBar->setToolButtonStyle(options.ShowCaptions() ? Qt::ToolButtonTextBesideIcon : Qt::ToolButtonIconOnly);
  BuildExportPopup();
  if (!report->ReportOptions().Name().isEmpty()) setWindowTitle(report->ReportOptions().Name());
  BuildRightMenu();
  UpdateControls();
  UpdateZoom();
}

void TrpPreviewForm::ApplyButtons() {
  const TrpPreviewButtons buttons = FPreview->Report()->PreviewOptions().Buttons();
  const auto has = [&buttons](TrpPreviewButton b) { return buttons.Has(b); };
  PrintB->setVisible(has(pbPrint));
  OpenB->setVisible(has(pbLoad));
  SaveB->setVisible(has(pbSave) || has(pbExport));
  // The quick PDF button needs a registered PDF export; no e-mail export exists in this system.
  PdfB->setVisible(has(pbExportQuick) && rpExportFilterClasses().contains(QLatin1String(kPdfExport)));
  EmailB->setVisible(false);
  FindB->setVisible(has(pbFind));
  Sep1->setVisible(has(pbZoom));
  ZoomPlusB->setVisible(has(pbZoom));
  Sep3->setVisible(has(pbZoom));
  ZoomMinusB->setVisible(has(pbZoom));
  FullScreenBtn->setVisible(has(pbZoom) && !has(pbNoFullScreen));
  OutlineB->setVisible(has(pbOutline));
  ThumbB->setVisible(has(pbOutline));
  PageSettingsB->setVisible(has(pbPageSetup));
  DesignerB->setVisible(has(pbEdit));
  Sep2->setVisible(has(pbPageSetup) || has(pbEdit));
  Sep5->setVisible(has(pbNavigator));
  for (QAction* a : {FirstB, PriorB, Sep4, NextB, LastB}) a->setVisible(has(pbNavigator));
  CancelAction->setVisible(!has(pbNoClose));
}

void TrpPreviewForm::BuildExportPopup() {
  ExportPopup->clear();
  const TrpPreviewButtons buttons = FPreview->Report()->PreviewOptions().Buttons();
  if (buttons.Has(pbSave)) {
    ExportPopup->addAction(rpResources()->Get(QStringLiteral("clRPPfiles")) + QStringLiteral("..."), this,
                           [this] { FPreview->SaveToFile(); });
    if (buttons.Has(pbExport)) ExportPopup->addSeparator();
  }
  if (buttons.Has(pbExport)) {
    for (const QString& className : rpExportFilterClasses()) {
      const std::unique_ptr<TrpCustomExportFilter> filter = rpCreateExportFilter(className);
      if (filter)
        ExportPopup->addAction(filter->GetDescription() + QStringLiteral("..."), this,
                               [this, className] { ExportWith(className); });
    }
  }
  SaveB->setMenu(ExportPopup);
  if (auto* button = qobject_cast<QToolButton*>(ToolBar->widgetForAction(SaveB)))
    button->setPopupMode(QToolButton::InstantPopup);
}

void TrpPreviewForm::ExportWith(const QString& className) {
  if (const std::unique_ptr<TrpCustomExportFilter> filter = rpCreateExportFilter(className))
    FPreview->Export(*filter);
}

void TrpPreviewForm::PdfBClick() { ExportWith(QLatin1String(kPdfExport)); }

// After the fixed items: one item per visible, plain tool button with a hint, in tool-bar order,
// up to the second separator.
void TrpPreviewForm::BuildRightMenu() {
  const QList<QAction*> fixed = {CollapseMI, ExpandMI, N1};
  for (QAction* item : RightMenu->actions())
    if (!fixed.contains(item)) RightMenu->removeAction(item);
  int separators = 0;
  for (QAction* action : ToolBar->actions()) {
    if (action->isSeparator()) {
      if (++separators == 2) break;
      RightMenu->addSeparator();
      continue;
    }
    if (!action->isVisible() || action->isCheckable() || action->toolTip().isEmpty()) continue;
    if (action == Sep3 || action == Sep4 || action == CancelAction) continue;
    if (action->menu()) {
      QMenu* sub = RightMenu->addMenu(action->icon(), action->toolTip());
      for (QAction* item : action->menu()->actions()) sub->addAction(item);
      action->setProperty("menuItem", QVariant::fromValue(static_cast<QObject*>(sub->menuAction())));
    } else {
      QAction* item = RightMenu->addAction(action->icon(), action->toolTip(), action, &QAction::trigger);
      action->setProperty("menuItem", QVariant::fromValue(static_cast<QObject*>(item)));
    }
  }
}

bool TrpPreviewForm::Preparing() const {
  return FPreview->Running();
}

bool TrpPreviewForm::ReportHasPages() const {
  return FPreview->PageCount() > 0;
}

void TrpPreviewForm::UpdateControls() {
  const bool idle = !Preparing();
  const bool withPages = idle && ReportHasPages();
  const auto enable = [](QAction* button, bool enabled) {
    button->setEnabled(enabled);
    if (auto* item = qobject_cast<QAction*>(button->property("menuItem").value<QObject*>())) item->setEnabled(enabled);
  };
  enable(PrintB, withPages);
  enable(SaveB, withPages);
  enable(PdfB, withPages);
  enable(EmailB, withPages);
  enable(FindB, withPages);
  enable(PageSettingsB, withPages);
  enable(OpenB, idle);
  TrpReport* report = FPreview->Report();
  enable(DesignerB, idle && report && report->PreviewOptions().AllowEdit());
  const bool drillDown = idle && report && hasDrillDown(*report);
  CollapseMI->setVisible(drillDown);
  ExpandMI->setVisible(drillDown);
  N1->setVisible(drillDown);
}

void TrpPreviewForm::UpdatePaneButtons() {
  if (!OutlineB) return;
  OutlineB->setChecked(FPreview->OutlineVisible());
  ThumbB->setChecked(FPreview->ThumbnailVisible());
}
