// The preview window's creation: tool bar, zoom box, page box, status bar and menus, all texts
// from the string table and all pictures from the preview picture strip.
#include "report/preview/preview_form.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpressionValidator>
#include <QStatusBar>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QAbstractItemView>
#include <QToolBar>
#include <QTreeWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "report/preview/preview.h"
#include "report/res/image_list.h"
#include "report/res/resources.h"

namespace {

QIcon previewPicture(int index) {
  return QIcon(QPixmap::fromImage(rpResources()->GetPreviewButtonImages().Image(index)));
}

// The zoom box items before the two zoom modes.
const char* const kZoomItems[] = {"25%", "50%", "75%", "100%", "150%", "200%"};

}  // namespace

TrpPreviewForm::TrpPreviewForm(QWidget* parent) : QDialog(parent) {
  FormCreate();
}

TrpPreviewForm::~TrpPreviewForm() = default;

TrpCustomPreview& TrpPreviewForm::Preview() {
  return *FPreview;
}

void TrpPreviewForm::FormCreate() {
  setWindowTitle(rpGet(100));
  resize(803, 584);
  QFont font(QStringLiteral("Tahoma"));
  font.setPixelSize(11);
  setFont(font);
  setSizeGripEnabled(false);
  setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);
  CreateToolBar();
  FPreview = new TrpPreview(this);
  FPreview->SetPreviewForm(this);
  CreateStatusBar();
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(ToolBar);
  layout->addWidget(FPreview, 1);
  layout->addWidget(StatusBar);
  connect(FPreview, &TrpPreview::PageChanged, this, &TrpPreviewForm::OnPageChanged);
  connect(FPreview, &TrpPreview::DoubleClicked, this, [this] {
    if (FFullScreen) SwitchToFullScreen();
  });
  ExportPopup = new QMenu(this);
  HiddenMenu = new QMenu(this);
  HiddenMenu->addAction(QStringLiteral("Show template"));
  RightMenu = new QMenu(this);
  // Shown for reports with drill-down groups: they fold or open every group and prepare again.
  CollapseMI = RightMenu->addAction(previewPicture(13), rpGet(601), this, [this] { DrillAll(false); });
  ExpandMI = RightMenu->addAction(previewPicture(14), rpGet(600), this, [this] { DrillAll(true); });
  N1 = RightMenu->addSeparator();
  FPreview->setFocus();
}

QAction* TrpPreviewForm::AddButton(int picture, int caption, int hint, void (TrpPreviewForm::*slot)()) {
  QAction* action = ToolBar->addAction(previewPicture(picture), caption ? rpGet(caption) : QString());
  action->setToolTip(rpGet(hint));
  action->setProperty("picture", picture);
  if (slot) connect(action, &QAction::triggered, this, slot);
  return action;
}

// A tool-bar panel of fixed width holding other controls.
QAction* TrpPreviewForm::AddPanel(QWidget* panel, int width) {
  panel->setFixedWidth(width);
  return ToolBar->addWidget(panel);
}

void TrpPreviewForm::CreateToolBar() {
  ToolBar = new QToolBar(this);
  ToolBar->setIconSize(QSize(16, 16));
  ToolBar->setMovable(false);
  ToolBar->setFloatable(false);
  ToolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
  ToolBar->setContentsMargins(2, 2, 2, 2);
  PrintB = AddButton(2, 101, 102, &TrpPreviewForm::PrintBClick);
  OpenB = AddButton(0, 103, 104, &TrpPreviewForm::OpenBClick);
  SaveB = AddButton(1, 105, 106, nullptr);
  PdfB = AddButton(24, 0, 151, &TrpPreviewForm::PdfBClick);
  EmailB = AddButton(23, 0, 152, nullptr);
  FindB = AddButton(4, 109, 110, &TrpPreviewForm::FindBClick);
  Sep1 = ToolBar->addSeparator();
  ZoomPlusB = AddButton(15, 124, 125, &TrpPreviewForm::ZoomPlusBClick);
  CreateZoomBox();
  ZoomMinusB = AddButton(16, 126, 127, &TrpPreviewForm::ZoomMinusBClick);
  FullScreenBtn = AddButton(22, 0, 150, &TrpPreviewForm::FullScreenBtnClick);
  Sep2 = ToolBar->addSeparator();
  OutlineB = AddButton(12, 128, 129, &TrpPreviewForm::OutlineBClick);
  ThumbB = AddButton(5, 130, 131, &TrpPreviewForm::ThumbBClick);
  OutlineB->setCheckable(true);
  ThumbB->setCheckable(true);
  PageSettingsB = AddButton(7, 120, 121, &TrpPreviewForm::PageSettingsBClick);
  DesignerB = AddButton(21, 132, 133, &TrpPreviewForm::DesignerBClick);
  Sep5 = ToolBar->addSeparator();
  FirstB = AddButton(8, 134, 135, &TrpPreviewForm::FirstBClick);
  PriorB = AddButton(9, 136, 137, &TrpPreviewForm::PriorBClick);
  CreatePageBox();
  NextB = AddButton(10, 138, 139, &TrpPreviewForm::NextBClick);
  LastB = AddButton(11, 140, 141, &TrpPreviewForm::LastBClick);
  AddPanel(new QWidget(ToolBar), 35);
  CancelB = new QToolButton(ToolBar);
  CancelB->setText(rpResources()->Get(QStringLiteral("clClose")));
  CancelB->setFixedSize(68, 23);
  CancelB->setToolButtonStyle(Qt::ToolButtonTextOnly);
  connect(CancelB, &QToolButton::clicked, this, &TrpPreviewForm::CancelBClick);
  CancelAction = ToolBar->addWidget(CancelB);
  PdfB->setVisible(false);
  EmailB->setVisible(false);
  SaveB->setMenu(nullptr);
  // The right button on the edit button opens the hidden menu at its corner.
  if (QWidget* designer = ToolBar->widgetForAction(DesignerB)) designer->installEventFilter(this);
}

void TrpPreviewForm::CreateZoomBox() {
  auto* panel = new QWidget(ToolBar);
  panel->setToolTip(rpGet(119));
  ZoomCB = new QComboBox(panel);
  ZoomCB->setEditable(true);
  ZoomCB->setInsertPolicy(QComboBox::NoInsert);
  ZoomCB->setToolTip(rpGet(119));
  for (const char* item : kZoomItems) ZoomCB->addItem(QString::fromLatin1(item));
  ZoomCB->addItem(rpResources()->Get(QStringLiteral("zmPageWidth")));
  ZoomCB->addItem(rpResources()->Get(QStringLiteral("zmWholePage")));
  ZoomCB->view()->setMinimumWidth(100);
  ZoomCB->setEditText(QStringLiteral("100%"));
  connect(ZoomCB, &QComboBox::activated, this, [this](int index) { ZoomCBClick(index); });
  ZoomCB->lineEdit()->installEventFilter(this);
  const int width = ZoomBoxWidth();
  ZoomCB->setGeometry(4, 2, width, 19);
  Sep3 = AddPanel(panel, width + 7);
}

// Wide enough for the widest zoom the box shows ("1000%") beside its arrow, in the font and
// style at hand: a narrower box scrolls the text and shows "150%" as "50%".
int TrpPreviewForm::ZoomBoxWidth() const {
  QStyleOptionComboBox option;
  option.initFrom(ZoomCB);
  option.editable = true;
  const int text = ZoomCB->lineEdit()->fontMetrics().horizontalAdvance(QStringLiteral("1000%"));
  // The line edit keeps a small margin on each side of its text, and a pixel for the cursor.
  const QSize contents(text + 2 * 2 + 1, ZoomCB->lineEdit()->sizeHint().height());
  const int wanted = ZoomCB->style()->sizeFromContents(QStyle::CT_ComboBox, &option, contents, ZoomCB).width();
  return std::max(49, wanted);
}

void TrpPreviewForm::CreatePageBox() {
  FPagePanel = new QWidget(ToolBar);
  PageE = new QLineEdit(QStringLiteral("1"), FPagePanel);
  PageE->setFrame(false);
  PageE->setGeometry(4, 4, 37, 15);
  PageE->setToolTip(rpGet(142));
  PageE->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), PageE));
  connect(PageE, &QLineEdit::returnPressed, this, &TrpPreviewForm::PageEEnter);
  OfNL = new QLabel(QStringLiteral("of N"), FPagePanel);
  OfNL->move(48, 4);
  Sep4 = AddPanel(FPagePanel, 73);
}

void TrpPreviewForm::CreateStatusBar() {
  StatusBar = new QStatusBar(this);
  StatusBar->setSizeGripEnabled(false);
  StatusBar->setFixedHeight(logicalDpiY() > 96 ? 24 : 19);
  // Panel 0 is 200 pixels wide; panels 1 and 2 share what it leaves. They stretch with the
  // window and never ask for room of their own: widths fixed from the window's width would raise
  // its minimum at every resize, and the window would grow past the screen.
  for (int i = 0; i < 3; ++i) {
    QLabel*& panel = FPanels[i];
    panel = new QLabel(StatusBar);
    panel->setFrameShape(QFrame::StyledPanel);
    if (i == 0) {
      panel->setFixedWidth(200);
    } else {
      panel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
      panel->setMinimumWidth(0);
    }
    StatusBar->addWidget(panel, i == 0 ? 0 : 1);
  }
  FPanels[0]->setText(QStringLiteral("Page 1 of 1000"));
}

QString TrpPreviewForm::StatusText(int index) const {
  return index >= 0 && index < 3 ? FPanels[index]->text() : QString();
}
