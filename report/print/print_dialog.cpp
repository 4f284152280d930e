// The print dialog's controls: where they sit, their texts, their lists and the owner-drawn
// items of the printer and mode lists.
#include "report/print/print_dialog.h"

#include "report/options/print_options.h"
#include "report/print/print_dialog_pictures.h"
#include "report/printer/custom_printer.h"
#include "report/printer/printers.h"
#include "report/res/image_list.h"
#include "report/res/resources.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QStyledItemDelegate>

namespace {

QString ui(const char* id) { return rpResources()->Get(QString::fromLatin1(id)); }

// Printer list items: the printer picture of the preview strip, then the name.
class PrinterItemDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* p, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    p->save();
    if (option.state & QStyle::State_Selected) p->fillRect(option.rect, option.palette.highlight());
    const QRect r = option.rect;
    p->drawImage(r.x() + 2, r.y(), rpResources()->GetPreviewButtonImages().Image(2));
    p->setPen(option.state & QStyle::State_Selected ? option.palette.highlightedText().color()
                                                    : option.palette.text().color());
    p->drawText(QRect(r.x() + 24, r.y() + 1, r.width() - 24, r.height() - 1),
                Qt::AlignLeft | Qt::AlignVCenter, index.data().toString());
    p->restore();
  }
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    // Taller items on screens of more than 96 pixels per inch.
    const bool large = qApp && qApp->primaryScreen() && qApp->primaryScreen()->logicalDotsPerInch() > 96;
    return QSize(QStyledItemDelegate::sizeHint(option, index).width() + 24, large ? 19 : 16);
  }
};

// Mode list items: the mode's picture, then its text.
class ModeItemDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* p, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    p->save();
    if (option.state & QStyle::State_Selected) p->fillRect(option.rect, option.palette.highlight());
    const QRect r = option.rect;
    p->drawImage(r.x() + 2, r.y() + 1, rpPrintModePicture(static_cast<TrpPrintMode>(index.row())));
    p->setPen(option.state & QStyle::State_Selected ? option.palette.highlightedText().color()
                                                    : option.palette.text().color());
    p->drawText(QPoint(r.x() + 74, r.y() + 10 + p->fontMetrics().ascent()), index.data().toString());
    p->restore();
  }
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    return QSize(QStyledItemDelegate::sizeHint(option, index).width() + 74, 34);
  }
};

// The collate picture, following the collate check box.
class CopiesPicture : public QWidget {
 public:
  CopiesPicture(QCheckBox* collate, QWidget* parent) : QWidget(parent), FCollate(collate) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.drawImage(0, 0, rpCollatePicture(FCollate->isChecked()));
  }

 private:
  QCheckBox* FCollate;
};

template <class W, class... Args>
W* place(QWidget* parent, int x, int y, int width, int height, Args&&... args) {
  W* w = new W(std::forward<Args>(args)..., parent);
  if (width > 0 && height > 0)
    w->setGeometry(x, y, width, height);
  else
    w->move(x, y);
  return w;
}

// A wrapped text whose lines need more height than its place has (a substitute face is wider
// than the one the place was made for) is set smaller until it fits, rather than cut at top and
// bottom.
void shrinkToFit(QLabel* label) {
  QFont font = label->font();
  int pixels = QFontInfo(font).pixelSize();
  while (pixels > 7 && label->heightForWidth(label->width()) > label->height()) {
    font.setPixelSize(--pixels);
    label->setFont(font);
  }
}

QGroupBox* group(QWidget* parent, int x, int y, int width, int height) {
  auto* box = new QGroupBox(parent);
  box->setGeometry(x, y, width, height);
  return box;
}

}  // namespace

TrpPrintDialog::TrpPrintDialog(TrpReport& report, TrpCustomPreviewPages* pages,
                               TrpDuplexMode duplex, QWidget* parent)
    : QDialog(parent), FReport(report), FPages(pages), FDuplexMode(duplex) {
  setObjectName(QStringLiteral("TrpPrintDialog"));
  setFixedSize(557, 333);
  CreateControls();
  SetTexts();
  FillLists();
  FillPrinters();
  FOldIndex = rpPrinters()->PrinterIndex();
  Connect();
  MirrorForRightToLeft();
}

TrpPrintDialog::~TrpPrintDialog() = default;

void TrpPrintDialog::CreateControls() {
  PrinterGB = group(this, 4, 4, 549, 73);
  NameL = place<QLabel>(PrinterGB, 8, 20, 50, 16);
  PrintersCB = place<QComboBox>(PrinterGB, 60, 16, 329, 22);
  PrintersCB->setItemDelegate(new PrinterItemDelegate(PrintersCB));
  PropButton = place<QPushButton>(PrinterGB, 444, 16, 95, 22);
  WhereL = place<QLabel>(PrinterGB, 8, 48, 50, 16);
  WhereL1 = place<QLabel>(PrinterGB, 60, 48, 330, 16);
  FileCB = place<QCheckBox>(PrinterGB, 408, 48, 135, 18);

  PagesGB = group(this, 4, 80, 261, 117);
  AllRB = place<QRadioButton>(PagesGB, 8, 20, 240, 18);
  AllRB->setChecked(true);
  CurPageRB = place<QRadioButton>(PagesGB, 8, 40, 240, 18);
  PageNumbersRB = place<QRadioButton>(PagesGB, 8, 60, 74, 18);
  PageNumbersE = place<QLineEdit>(PagesGB, 84, 58, 165, 21);
  DescrL = place<QLabel>(PagesGB, 8, 82, 249, 29);
  DescrL->setWordWrap(true);

  CopiesGB = group(this, 272, 80, 281, 117);
  CopiesL = place<QLabel>(CopiesGB, 12, 20, 126, 16);
  CopiesE = place<QSpinBox>(CopiesGB, 140, 16, 113, 21);
  CopiesE->setRange(1, 1000);
  CollateCB = place<QCheckBox>(CopiesGB, 140, 58, 130, 18);
  CollateCB->setChecked(true);
  CopiesPB = new CopiesPicture(CollateCB, CopiesGB);
  CopiesPB->setGeometry(12, 48, 92, 53);

  OtherGB = group(this, 4, 200, 261, 97);
  PrintL = place<QLabel>(OtherGB, 8, 20, 74, 16);
  PrintPagesCB = place<QComboBox>(OtherGB, 84, 16, 165, 21);
  OrderL = place<QLabel>(OtherGB, 8, 44, 74, 16);
  OrderCB = place<QComboBox>(OtherGB, 84, 40, 165, 21);
  DuplexL = place<QLabel>(OtherGB, 8, 68, 74, 16);
  DuplexCB = place<QComboBox>(OtherGB, 84, 64, 165, 21);

  PrintModeGB = group(this, 272, 200, 281, 97);
  PrintModeCB = place<QComboBox>(PrintModeGB, 12, 16, 257, 40);
  PrintModeCB->setItemDelegate(new ModeItemDelegate(PrintModeCB));
  PrintModeCB->setIconSize(QSize(64, 32));
  PagSizeL = place<QLabel>(PrintModeGB, 12, 68, 126, 16);
  PagPageSizeCB = place<QComboBox>(PrintModeGB, 140, 64, 129, 21);

  OkB = place<QPushButton>(this, 398, 304, 75, 25);
  OkB->setDefault(true);
  CancelB = place<QPushButton>(this, 478, 304, 75, 25);
}

void TrpPrintDialog::SetTexts() {
  setWindowTitle(ui("200"));
  PrinterGB->setTitle(ui("201"));
  NameL->setText(ui("212"));
  PropButton->setText(ui("209"));
  WhereL->setText(ui("208"));
  FileCB->setText(ui("210"));
  PagesGB->setTitle(ui("202"));
  AllRB->setText(ui("3"));
  CurPageRB->setText(ui("4"));
  PageNumbersRB->setText(ui("5"));
  DescrL->setText(ui("9"));
  shrinkToFit(DescrL);
  CopiesGB->setTitle(ui("205"));
  CopiesL->setText(ui("203"));
  CollateCB->setText(ui("204"));
  OtherGB->setTitle(ui("207"));
  PrintL->setText(ui("206"));
  OrderL->setText(ui("211"));
  DuplexL->setText(ui("216"));
  PrintModeGB->setTitle(ui("213"));
  PagSizeL->setText(ui("214"));
  OkB->setText(ui("1"));
  CancelB->setText(ui("2"));
}

// The items follow the order of the enumerations they choose from.
void TrpPrintDialog::FillLists() {
  PrintPagesCB->addItems({ui("ppAll"), ui("ppOdd"), ui("ppEven")});
  OrderCB->addItems({ui("poDirect"), ui("poReverse")});
  DuplexCB->addItems({ui("dupDefault"), ui("dupVert"), ui("dupHorz"), ui("dupSimpl")});
  const TrpPrintMode modes[] = {pmDefault, pmSplit, pmJoin, pmScale};
  const char* names[] = {"pmDefault", "pmSplit", "pmJoin", "pmScale"};
  for (int i = 0; i < 4; ++i)
    PrintModeCB->addItem(QIcon(QPixmap::fromImage(rpPrintModePicture(modes[i]))), ui(names[i]));
}

void TrpPrintDialog::FillPrinters() {
  TrpPrinters* printers = rpPrinters();
  PrintersCB->addItems(printers->Printers());
  PrintersCB->setCurrentIndex(printers->PrinterIndex());
  PrintersCBClick();
}

void TrpPrintDialog::Connect() {
  connect(PrintersCB, &QComboBox::activated, this, [this] { PrintersCBClick(); });
  connect(PrintModeCB, &QComboBox::activated, this, [this] { PrintModeCBClick(); });
  connect(PropButton, &QPushButton::clicked, this, [this] { PropButtonClick(); });
  connect(CollateCB, &QCheckBox::toggled, CopiesPB, qOverload<>(&QWidget::update));
  connect(PageNumbersRB, &QRadioButton::clicked, PageNumbersE, [this] { PageNumbersE->setFocus(); });
  PageNumbersE->installEventFilter(this);
  connect(OkB, &QPushButton::clicked, this, &QDialog::accept);
  connect(CancelB, &QPushButton::clicked, this, &QDialog::reject);
}

// In a right-to-left dialog every control sits mirrored within its parent.
void TrpPrintDialog::MirrorForRightToLeft() {
  if (layoutDirection() != Qt::RightToLeft) return;
  const QList<QWidget*> widgets = findChildren<QWidget*>();
  for (QWidget* w : widgets) {
    if (!w->parentWidget() || w->isWindow() || w->parentWidget()->inherits("QComboBox")) continue;
    if (w->parentWidget() != this && !qobject_cast<QGroupBox*>(w->parentWidget())) continue;
    const QRect g = w->geometry();
    w->move(w->parentWidget()->width() - g.x() - g.width(), g.y());
  }
}
