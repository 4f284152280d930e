#pragma once
// TrpPreviewForm: the window in which the report shows its prepared pages. It holds one preview
// control and adds the tool bar (buttons chosen by the report's preview options), the zoom box,
// the page box, a three-panel status bar, the right-click menu and full-screen mode. Every
// command goes to the preview control.
#include <QDialog>

#include "report/objects/custom_preview.h"

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QStatusBar;
class QToolBar;
class QToolButton;
class TrpPreview;

class TrpPreviewForm : public QDialog, public TrpCustomPreviewForm {
  Q_OBJECT
 public:
  // The zoom box items that select a zoom mode rather than a zoom.
  static constexpr int kPageWidthItem = 6;
  static constexpr int kWholePageItem = 7;

  explicit TrpPreviewForm(QWidget* parent = nullptr);
  ~TrpPreviewForm() override;

  // --- TrpCustomPreviewForm --------------------------------------------------------------------
  TrpCustomPreview& Preview() override;
  void Init() override;
  void ShowModal() override;
  void Show() override;
  // Closes the window, also while the report is being prepared (the report closes it when the
  // preparation failed).
  void Close() override;
  void SetStatusText(const QString& text) override { SetMessageText(text, false); }

  TrpPreview* PreviewControl() const { return FPreview; }
  // Messages go to status panel 1, hints to panel 2.
  void SetMessageText(const QString& value, bool isHint);
  void UpdateControls();
  void UpdateZoom();
  void UpdatePaneButtons();
  void SetCancelCaption(bool cancel);
  void SwitchToFullScreen();
  bool FullScreen() const { return FFullScreen; }
  // Opens (true) or folds every drill-down group of the report and prepares it again in place.
  void DrillAll(bool expand);
  // Applies the zoom box text or item `index` (-1: the typed text), keeping the current page.
  void ZoomCBClick(int index = -1);
  // Jumps to the page typed into the page box.
  void PageEEnter();
  // The text of status panel `index` (0..2).
  QString StatusText(int index) const;

  // The window's parts, for the program and for tests.
  QToolBar* ToolBar = nullptr;
  QAction *PrintB = nullptr, *OpenB = nullptr, *SaveB = nullptr, *PdfB = nullptr, *EmailB = nullptr,
          *FindB = nullptr, *ZoomPlusB = nullptr, *ZoomMinusB = nullptr, *FullScreenBtn = nullptr,
          *OutlineB = nullptr, *ThumbB = nullptr, *PageSettingsB = nullptr, *DesignerB = nullptr,
          *FirstB = nullptr, *PriorB = nullptr, *NextB = nullptr, *LastB = nullptr;
  QAction *Sep1 = nullptr, *Sep2 = nullptr, *Sep3 = nullptr, *Sep4 = nullptr, *Sep5 = nullptr;
  QComboBox* ZoomCB = nullptr;
  QLineEdit* PageE = nullptr;
  QLabel* OfNL = nullptr;
  QToolButton* CancelB = nullptr;
  QAction* CancelAction = nullptr;
  QStatusBar* StatusBar = nullptr;
  QMenu* ExportPopup = nullptr;
  QMenu* HiddenMenu = nullptr;
  QMenu* RightMenu = nullptr;
  QAction *CollapseMI = nullptr, *ExpandMI = nullptr, *N1 = nullptr;

 public slots:
  void reject() override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FormCreate();
  void CreateToolBar();
  QAction* AddButton(int picture, int caption, int hint, void (TrpPreviewForm::*slot)());
  QAction* AddPanel(QWidget* panel, int width);
  void CreateZoomBox();
  int ZoomBoxWidth() const;
  void CreatePageBox();
  void CreateStatusBar();
  void ApplyButtons();
  void BuildExportPopup();
  void BuildRightMenu();
  void OnPageChanged(int pageNo);
  bool Preparing() const;
  bool ReportHasPages() const;
  // Tool-bar commands.
  void PrintBClick();
  void PdfBClick();
  // Exports with a new filter of the registered class `className`.
  void ExportWith(const QString& className);
  void OpenBClick();
  void FindBClick();
  void ZoomPlusBClick();
  void ZoomMinusBClick();
  void FullScreenBtnClick();
  void OutlineBClick();
  void ThumbBClick();
  void PageSettingsBClick();
  void DesignerBClick();
  void FirstBClick();
  void PriorBClick();
  void NextBClick();
  void LastBClick();
  void CancelBClick();
  void StepZoom(long double step);

  TrpPreview* FPreview = nullptr;
  QLabel* FPanels[3] = {nullptr, nullptr, nullptr};
  QWidget* FPagePanel = nullptr;
  bool FFreeOnClose = false;
  bool FFullScreen = false;
  Qt::WindowStates FOldState;
  bool FClosingByReport = false;
};
