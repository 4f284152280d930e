#include "report/preview/page_settings_form.h"

#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>

#include <cmath>

#include "report/component/report.h"
#include "report/objects/float_text.h"
#include "report/pages/report_page.h"
#include "report/preview/dialog_buttons.h"
#include "report/preview/preview_dialogs.h"
#include "report/printer/custom_printer.h"
#include "report/printer/paper_table.h"
#include "report/printer/printers.h"
#include "report/res/resources.h"

namespace {

constexpr int kEditHeight = 21;

// Millimetres per display unit.
Extended unitLength(TrpDesignerUnits units) {
  switch (units) {
    case duInches: return 25.4L;
    case duCM:
    case duPixels:
    case duChars: return 10;
  }
  return 0;
}

QString unitName(TrpDesignerUnits units) {
  return rpResources()->Get(units == duInches ? QStringLiteral("uInch") : QStringLiteral("uCm"));
}

// A sheet with lines of text, upright or on its side, for the orientation radios.
QPixmap sheetPicture(QSize size) {
  QPixmap picture(size);
  picture.fill(Qt::transparent);
  QPainter p(&picture);
  p.setPen(QColor(64, 64, 64));
  p.setBrush(Qt::white);
  p.drawRect(0, 0, size.width() - 1, size.height() - 1);
  p.setPen(QColor(120, 120, 160));
  for (int y = 5; y < size.height() - 4; y += 4) p.drawLine(4, y, size.width() - 5, y);
  return picture;
}

QRadioButton* addRadio(QWidget* group, int id, int y, int width) {
  auto* radio = new QRadioButton(rpGet(id), group);
  radio->setGeometry(8, y, width, 18);
  return radio;
}

TrpCustomPrinter* currentPrinter() {
  return rpPrinters()->Printer();
}

}  // namespace

TrpPageSettingsForm::TrpPageSettingsForm(TrpReportPage& page, const TrpReport* report, QWidget* parent)
    : QDialog(parent), FPage(page), FReport(report) {
  setWindowTitle(rpGet(400));
  setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
  setFixedSize(286, 359);
  CreateControls();
  if (const TrpCustomPrinter* printer = currentPrinter())
    FPrinterBefore = {printer->Paper(), printer->PaperWidth(), printer->PaperHeight(), printer->Orientation(), false};
  FormShow();
}

QLineEdit* TrpPageSettingsForm::AddLength(QWidget* group, int id, int x, int y, int width) {
  auto* label = new QLabel(rpGet(id), group);
  label->setGeometry(x - 56, y + 2, 52, 16);
  auto* edit = new QLineEdit(group);
  edit->setGeometry(x, y, width, kEditHeight);
  label->setBuddy(edit);
  auto* unit = new QLabel(unitName(FUnits), group);
  unit->setObjectName(QStringLiteral("unit"));
  unit->setGeometry(x + width + 3, y + 2, 24, 16);
  return edit;
}

void TrpPageSettingsForm::CreateControls() {
  if (FReport) FUnits = static_cast<TrpDesignerUnits>(
      FReport->GetIniFile()->value(QStringLiteral("Form5.TrpDesignerForm/Units"), 0).toInt());

  SizeL = new QGroupBox(rpGet(403), this);
  SizeL->setGeometry(4, 4, 277, 101);
  SizeCB = new QComboBox(SizeL);
  SizeCB->setGeometry(8, 18, 261, kEditHeight);
  WidthE = AddLength(SizeL, 401, 64, 46, 45);
  HeightE = AddLength(SizeL, 402, 64, 70, 45);

  OrientationL = new QGroupBox(rpGet(404), this);
  OrientationL->setGeometry(4, 108, 277, 65);
  PortraitRB = addRadio(OrientationL, 410, 20, 130);
  LandscapeRB = addRadio(OrientationL, 411, 40, 130);
  PortraitImg = new QLabel(OrientationL);
  PortraitImg->setGeometry(148, 21, 26, 32);
  PortraitImg->setPixmap(sheetPicture({26, 32}));
  LandscapeImg = new QLabel(OrientationL);
  LandscapeImg->setGeometry(145, 25, 32, 26);
  LandscapeImg->setPixmap(sheetPicture({32, 26}));

  MarginsL = new QGroupBox(rpGet(409), this);
  MarginsL->setGeometry(4, 176, 277, 73);
  MarginLeftE = AddLength(MarginsL, 405, 64, 18, 40);
  MarginTopE = AddLength(MarginsL, 406, 64, 42, 40);
  MarginRightE = AddLength(MarginsL, 407, 212, 18, 40);
  MarginBottomE = AddLength(MarginsL, 408, 212, 42, 40);

  OtherL = new QGroupBox(rpGet(412), this);
  OtherL->setGeometry(4, 252, 277, 65);
  ApplyToCurRB = addRadio(OtherL, 413, 20, 261);
  ApplyToCurRB->setChecked(true);
  ApplyToAllRB = addRadio(OtherL, 414, 40, 261);

  const TrpDialogButtons buttons = rpAddDialogButtons(*this, {126, 328}, {206, 328});
  OKB = buttons.Ok;
  CancelB = buttons.Cancel;

  connect(SizeCB, &QComboBox::activated, this, [this] { SizeCBClick(false); });
  for (QRadioButton* radio : {PortraitRB, LandscapeRB})
    connect(radio, &QRadioButton::toggled, this, [this](bool checked) {
      UpdatePictures();
      if (checked) SizeCBClick(true);
    });
  // A typed size is no longer the listed paper's.
  for (QLineEdit* edit : {WidthE, HeightE})
    connect(edit, &QLineEdit::textEdited, this, [this] {
      if (!FUpdating) SizeCB->setCurrentIndex(0);
    });
}

bool TrpPageSettingsForm::NeedRebuild() const {
  return ApplyToAllRB->isChecked();
}

void TrpPageSettingsForm::FormShow() {
  FUpdating = true;
  if (const TrpCustomPrinter* printer = currentPrinter()) {
    SizeCB->addItems(printer->Papers().Names());
    int row = printer->PaperIndex(FPage.PaperSize());
    if (row < 0) row = std::max(printer->PaperIndex(rpCustomPaper), 0);
    SizeCB->setCurrentIndex(row);
  }
  SetLength(WidthE, FPage.PaperWidth());
  SetLength(HeightE, FPage.PaperHeight());
  (FPage.Orientation() == poPortrait ? PortraitRB : LandscapeRB)->setChecked(true);
  SetLength(MarginLeftE, FPage.LeftMargin());
  SetLength(MarginTopE, FPage.TopMargin());
  SetLength(MarginRightE, FPage.RightMargin());
  SetLength(MarginBottomE, FPage.BottomMargin());
  UpdatePictures();
  FUpdating = false;
}

void TrpPageSettingsForm::UpdatePictures() {
  PortraitImg->setVisible(PortraitRB->isChecked());
  LandscapeImg->setVisible(!PortraitRB->isChecked());
}

// The chosen paper in the chosen orientation, as the printer makes it. Only a custom paper takes
// the edited sides (a listed paper has its own, which also replace an entry that is no length);
// it turns with the orientation: its sides change places only when the orientation changed.
void TrpPageSettingsForm::SizeCBClick(bool orientationChanged) {
  TrpCustomPrinter* printer = currentPrinter();
  if (FUpdating || !printer) return;
  const int paper = printer->PaperNameToNumber(SizeCB->currentText());
  const TPrinterOrientation orientation = PortraitRB->isChecked() ? poPortrait : poLandscape;
  Extended width = printer->PaperWidth(), height = printer->PaperHeight();
  if (paper == rpCustomPaper) {
    const std::optional<Extended> w = Length(WidthE), h = Length(HeightE);
    if (!w || !h) return;
    width = orientationChanged ? *h : *w;
    height = orientationChanged ? *w : *h;
  }
  FPrinterBefore.Changed = true;
  printer->SetViewParams(paper, width, height, orientation);
  ShowPaperOfPrinter();
}

void TrpPageSettingsForm::ShowPaperOfPrinter() {
  const TrpCustomPrinter* printer = currentPrinter();
  FUpdating = true;
  SetLength(WidthE, printer->PaperWidth());
  SetLength(HeightE, printer->PaperHeight());
  FUpdating = false;
}

// Whole numbers without decimals, others with two.
void TrpPageSettingsForm::SetLength(QLineEdit* edit, Extended millimetres) {
  const Extended unit = unitLength(FUnits);
  const Extended value = unit > 0 ? millimetres / unit : 0;
  const Extended whole = std::nearbyint(value);
  edit->setText(std::fabs(value - whole) < 1e-9L ? rpFloatToStr(whole)
                                                  : QString::asprintf("%2.2f", static_cast<double>(value)));
}

// The edit's length in millimetres; none (after saying so) when it holds no number or a negative
// one.
std::optional<Extended> TrpPageSettingsForm::Length(QLineEdit* edit) const {
  Extended value = 0;
  if (!rpTryStrToFloat(edit->text(), value) || value < 0) {
    rpPreviewDialogs().ShowMessage(const_cast<TrpPageSettingsForm*>(this),
                                   QStringLiteral("'%1' is not a valid length.").arg(edit->text()));
    edit->setFocus();
    edit->selectAll();
    return std::nullopt;
  }
  return value * unitLength(FUnits);
}

std::optional<TrpPageSettingsForm::Settings> TrpPageSettingsForm::ReadSettings() {
  Settings s;
  s.Orientation = PortraitRB->isChecked() ? poPortrait : poLandscape;
  const std::pair<QLineEdit*, Extended*> fields[] = {{WidthE, &s.Width},          {HeightE, &s.Height},
                                                     {MarginLeftE, &s.Left},      {MarginTopE, &s.Top},
                                                     {MarginRightE, &s.Right},    {MarginBottomE, &s.Bottom}};
  for (const auto& [edit, value] : fields) {
    const std::optional<Extended> length = Length(edit);
    if (!length) return std::nullopt;
    *value = *length;
  }
  QString refused;
  if (s.Width <= 0 || s.Height <= 0)
    refused = QStringLiteral("The paper needs a width and a height greater than 0.");
  else if (s.Left + s.Right >= s.Width || s.Top + s.Bottom >= s.Height)
    refused = QStringLiteral("The margins leave no room to print on this paper.");
  if (refused.isEmpty()) return s;
  rpPreviewDialogs().ShowMessage(this, refused);
  return std::nullopt;
}

void TrpPageSettingsForm::FormHide(const Settings& s) {
  FPage.SetOrientation(s.Orientation);
  FPage.SetPaperWidth(s.Width);
  FPage.SetPaperHeight(s.Height);
  if (const TrpCustomPrinter* printer = currentPrinter())
    FPage.SetPaperSize(printer->PaperNameToNumber(SizeCB->currentText()));
  FPage.SetLeftMargin(s.Left);
  FPage.SetRightMargin(s.Right);
  FPage.SetTopMargin(s.Top);
  FPage.SetBottomMargin(s.Bottom);
  FPage.AlignChildren();
}

// Entries are checked before the dialog closes: a wrong one keeps it open.
void TrpPageSettingsForm::accept() {
  const std::optional<Settings> settings = ReadSettings();
  if (!settings) return;
  FormHide(*settings);
  QDialog::accept();
}

void TrpPageSettingsForm::reject() {
  TrpCustomPrinter* printer = currentPrinter();
  if (printer && FPrinterBefore.Changed)
    printer->SetViewParams(FPrinterBefore.Paper, FPrinterBefore.Width, FPrinterBefore.Height,
                           FPrinterBefore.Orientation);
  QDialog::reject();
}

void TrpPageSettingsForm::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F1) {
    rpResources()->Help(this);
    return;
  }
  QDialog::keyPressEvent(event);
}
