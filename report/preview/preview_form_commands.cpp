// The preview window's commands: tool-bar buttons, zoom box, page box, keys, full screen, status
// texts and closing.
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScopeGuard>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include <cmath>

#include "report/component/report.h"
#include "report/objects/custom_engine.h"
#include "report/options/report_options.h"
#include "report/preview/preview.h"
#include "report/preview/preview_dialogs.h"
#include "report/preview/preview_form.h"
#include "report/res/format_text.h"
#include "report/res/resources.h"

void TrpPreviewForm::PrintBClick() {
  FPreview->Print();
  setEnabled(true);
}

void TrpPreviewForm::OpenBClick() {
  FPreview->LoadFromFile();
  TrpReport* report = FPreview->Report();
  const QString name = report ? report->ReportOptions().Name() : QString();
  setWindowTitle(name.isEmpty() ? rpGet(100) : name);
}

void TrpPreviewForm::FindBClick() { FPreview->Find(); }
void TrpPreviewForm::PageSettingsBClick() { FPreview->PageSetupDlg(); }

void TrpPreviewForm::DesignerBClick() { FPreview->Edit(); }
void TrpPreviewForm::FirstBClick() { FPreview->First(); }
void TrpPreviewForm::PriorBClick() { FPreview->Prior(); }
void TrpPreviewForm::NextBClick() { FPreview->Next(); }
void TrpPreviewForm::LastBClick() { FPreview->Last(); }
void TrpPreviewForm::OutlineBClick() { FPreview->SetOutlineVisible(OutlineB->isChecked()); }
void TrpPreviewForm::ThumbBClick() { FPreview->SetThumbnailVisible(ThumbB->isChecked()); }
void TrpPreviewForm::FullScreenBtnClick() { SwitchToFullScreen(); }
void TrpPreviewForm::ZoomPlusBClick() { StepZoom(0.25L); }
void TrpPreviewForm::ZoomMinusBClick() { StepZoom(-0.25L); }

void TrpPreviewForm::StepZoom(long double step) {
  FPreview->SetSavedPageNo(FPreview->PageNo());
  FPreview->SetZoom(FPreview->Zoom() + step);
  ZoomCBClick(-1);
}

void TrpPreviewForm::CancelBClick() {
  if (Preparing())
    FPreview->Cancel();
  else
    close();
}

// --- zoom box and page box ---------------------------------------------------------------------

void TrpPreviewForm::ZoomCBClick(int index) {
  FPreview->setFocus();
  if (FPreview->SavedPageNo() == -1) FPreview->SetSavedPageNo(FPreview->PageNo());
  // Whatever happens below, no saved page outlives this call to pin later scrolling.
  const auto restore = qScopeGuard([this] {
    const int saved = FPreview->SavedPageNo();
    FPreview->SetSavedPageNo(-1);
    if (saved > 0) FPreview->SetPageNo(saved);
  });
  if (index < 0) index = ZoomCB->findText(ZoomCB->currentText());
  if (index == kPageWidthItem) {
    FPreview->SetZoomMode(zmPageWidth);
  } else if (index == kWholePageItem) {
    FPreview->SetZoomMode(zmWholePage);
  } else {
    QString text = ZoomCB->currentText();
    const qsizetype percent = text.indexOf(u'%');
    if (percent >= 0) text[percent] = u' ';
    text.remove(u' ');
    if (!text.isEmpty()) {
      bool ok = false;
      const double value = QString(text).replace(u',', u'.').toDouble(&ok);
      // Infinity and "not a number" read as numbers, but no zoom can be made of them.
      if (!ok || !std::isfinite(value)) {
        rpPreviewDialogs().ShowMessage(this, QStringLiteral("'%1' is not a valid floating point value").arg(text));
        UpdateZoom();
        return;
      }
      FPreview->SetZoom(value / 100.0);
    }
  }
  QMetaObject::invokeMethod(this, [this] { UpdateZoom(); }, Qt::QueuedConnection);
}

void TrpPreviewForm::UpdateZoom() {
  ZoomCB->setEditText(QString::number(rpRound(FPreview->Zoom() * 100)) + u'%');
}

void TrpPreviewForm::PageEEnter() {
  bool ok = false;
  const int page = PageE->text().toInt(&ok);
  if (!ok) {
    rpPreviewDialogs().ShowMessage(this, QStringLiteral("'%1' is not a valid integer value").arg(PageE->text()));
    return;
  }
  FPreview->SetPageNo(page);
  FPreview->setFocus();
}

// --- status ------------------------------------------------------------------------------------

void TrpPreviewForm::OnPageChanged(int pageNo) {
  TrpReport* report = FPreview->Report();
  const bool firstPass = Preparing() && report && report->Engine() && !report->Engine()->FinalPass();
  const int count = FPreview->PageCount();
  if (firstPass) {
    FPanels[0]->setText(rpResources()->Get(QStringLiteral("clFirstPass")) + u' ' + QString::number(count));
  } else {
    FPanels[0]->setText(rpFormat(rpResources()->Get(QStringLiteral("clPageOf")), {pageNo, count}));
    OfNL->setText(rpFormat(rpResources()->Get(QStringLiteral("clOf")), {count}));
    OfNL->adjustSize();
    FPagePanel->setFixedWidth(OfNL->x() + OfNL->width() + 4);
  }
  PageE->setText(QString::number(pageNo));
}

void TrpPreviewForm::SetMessageText(const QString& value, bool isHint) {
  if (isHint) {
    if (!value.isEmpty() || !FPanels[2]->text().isEmpty()) FPanels[2]->setText(value);
  } else {
    FPanels[1]->setText(value);
  }
  QCoreApplication::processEvents();
}

void TrpPreviewForm::SetCancelCaption(bool cancel) {
  CancelB->setText(rpResources()->Get(cancel ? QStringLiteral("clCancel") : QStringLiteral("clClose")));
}

// --- window ------------------------------------------------------------------------------------

void TrpPreviewForm::SwitchToFullScreen() {
  if (!FFullScreen) {
    FOldState = windowState();
    StatusBar->hide();
    ToolBar->hide();
    setWindowState(Qt::WindowFullScreen);
  } else {
    setWindowState(FOldState);
    ToolBar->show();
    StatusBar->show();
  }
  FFullScreen = !FFullScreen;
}

void TrpPreviewForm::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Escape: CancelBClick(); return;
    case Qt::Key_F11: SwitchToFullScreen(); return;
    case Qt::Key_F1: rpResources()->Help(this); return;
    default: break;
  }
  QDialog::keyPressEvent(event);
}

void TrpPreviewForm::wheelEvent(QWheelEvent* event) {
  QApplication::sendEvent(FPreview, event);
}

void TrpPreviewForm::contextMenuEvent(QContextMenuEvent* event) {
  RightMenu->popup(event->globalPos());
}

bool TrpPreviewForm::eventFilter(QObject* watched, QEvent* event) {
  // Enter in the zoom box applies the typed text once; the box's own matching of the text to an
  // item would apply the rounded zoom a second time.
  if (watched == ZoomCB->lineEdit() && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      ZoomCBClick(-1);
      return true;
    }
  }
  if (event->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(event)->button() == Qt::RightButton &&
      watched == ToolBar->widgetForAction(DesignerB)) {
    auto* button = static_cast<QWidget*>(watched);
    HiddenMenu->popup(button->mapToGlobal(QPoint(0, 0)));
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

// --- showing and closing -----------------------------------------------------------------------

void TrpPreviewForm::ShowModal() {
  exec();
}

void TrpPreviewForm::Show() {
  FFreeOnClose = true;
  show();
}

void TrpPreviewForm::Close() {
  FClosingByReport = true;
  close();
  FClosingByReport = false;
}

// The window stays while the report is being prepared; Cancel stops the preparation first.
void TrpPreviewForm::reject() {
  if (Preparing() && !FClosingByReport) return;
  QDialog::reject();
}

void TrpPreviewForm::closeEvent(QCloseEvent* event) {
  QDialog::closeEvent(event);
  if (!event->isAccepted() || !FFreeOnClose) return;
  if (TrpReport* report = FPreview->Report()) report->PreviewFormClosed(this);
  deleteLater();
}

void TrpPreviewForm::DrillAll(bool expand) {
  TrpReport* report = FPreview->Report();
  if (!report) return;
  report->RequestDrillAll(expand);
  FPreview->RefreshReport();
  // A refresh that could not run (the engine busy) must not leave the request for a later run.
  report->EndDrillAllRequest();
}
