#include "app/worksheet_window.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <cstdio>

#include "app/dialogs.h"
#include "app/label.h"
#include "app/practice_options.h"
#include "app/tag.h"
#include "app/text_font.h"
#include "report/component/report.h"
#include "worksheet/worksheet_template.h"

namespace stroval {

namespace {

const QString kSampleCaption = QStringLiteral("字");

}  // namespace

TForm19::TForm19(std::unique_ptr<Dialogs> dialogs, QWidget* parent)
    : QWidget(parent), dialogs_(dialogs ? std::move(dialogs) : std::make_unique<QtDialogs>()) {
  SetTag(this, 0);
  CreateStoredComponents();
  CreateSheetControls();
  CreateReport();
  ConnectStoredHandlers();
  ConnectSheetControls();
}

void TForm19::CreateReport() {
  report_ = std::make_unique<TrpReport>();
  rpt = report_.get();
  MEMOtemp.SetReport(rpt);
  // The template is compiled into the program, so a failure here is a build defect; the window
  // still opens, and preparing the incomplete report reports what is missing.
  if (!LoadWorksheetTemplate(*rpt))
    std::fprintf(stderr, "stroval: the worksheet report template is damaged: %s\n",
                 qPrintable(rpt->Errors().join(QStringLiteral("; "))));
}

TForm19::~TForm19() = default;

void TForm19::Adopt(QWidget* widget, const QString& name, const QRect& geometry) {
  widget->setObjectName(name);
  widget->setGeometry(geometry);
  components_.Insert(widget);
}

void TForm19::ConnectStoredHandlers() {
  connect(Cfont, &Label::Clicked, this, [this] { CfontClick(Cfont); });
  connect(SchTitle, &QLineEdit::textChanged, this, [this] { SchTitleChange(SchTitle); });
  connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(Button1); });
  connect(btnPrint, &QPushButton::clicked, this, [this] { btnPrintClick(btnPrint); });
}

bool TForm19::event(QEvent* event) {
  const bool handled = QWidget::event(event);
  if (event->type() == QEvent::WindowActivate) FormActivate(this);
  return handled;
}

void TForm19::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!centred_ && isWindow()) {
    centred_ = true;
    CentreOnScreen();
  }
}

void TForm19::CentreOnScreen() {
  const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  QRect frame = frameGeometry();
  frame.moveCenter(screen->availableGeometry().center());
  move(frame.topLeft());
}

void TForm19::FormActivate(QObject*) {
  // Runs once per program run: later activations (after a dialog or the preview window closes)
  // must not build a second grid.
  if (Tag(this) != 0) return;
  SetTag(this, 1);

  TextFont sample = FontOf(Cfont);
  const QFont fallback = DefaultSampleFont().font;
  sample.font.setFamily(fallback.family());
  sample.font.setPointSize(fallback.pointSize());
  SetFont(Cfont, sample);
  Cfont->SetCaption(kSampleCaption);

  for (int column = 1; column <= WordGrid::kColumns; ++column)
    for (int row = 1; row <= WordGrid::kRows; ++row) CreateGridCell(column, row);
  Cfont->update();
  emit GridBuilt();
}

void TForm19::CreateGridCell(int column, int row) {
  auto* cell = new PracticeCell(paneWorksheet);
  Adopt(cell, QString(), QRect(WordGrid::CellPosition(column, row),
                               QSize(WordGrid::kCellSize, WordGrid::kCellSize)));
  paneWord.Set(column, row, cell);
  cell->SetCaption(QString());
  SetFont(cell, FontOf(Cfont));  // a copy: a later sample font leaves the cell as it is
  SetTag(cell, kCellTag);
  cell->SetGuides(Practice->Guides());
  cell->SetOnDragDrop([this](Panel* sender, QObject* source) { paneWS_DragDrop(sender, source); });
  cell->SetOnDragOver(
      [this](Panel* sender, QObject* source) { return paneWS_DragOver(sender, source); });
  cell->show();
}

void TForm19::CfontClick(QObject*) {
  TextFont font = FontOf(Cfont);
  if (!dialogs_->ChooseFont(this, font)) return;  // cancelled: nothing changes
  SetFont(Cfont, font);
}

void TForm19::SchTitleChange(QObject*) {
  txtSchTitle->SetCaption(SchTitle->text());
}

}  // namespace stroval
