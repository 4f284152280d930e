// The stored description of the worksheet window: every component with its position, size,
// caption, font and colour. Positions are in pixels inside the parent's client area.
#include <QLineEdit>
#include <QPushButton>

#include "app/colors.h"
#include "app/decorative_picture.h"
#include "app/label.h"
#include "app/picture_box.h"
#include "app/tag.h"
#include "app/text_font.h"
#include "app/worksheet_window.h"

namespace stroval {

namespace {

const QString kTitle = QStringLiteral("Orlavo\u3000Quilltrace");  // U+3000 between the words

TextFont Font(const char* family, int pixels, quint32 color = clWindowText) {
  return {FontWithPixelHeight(QString::fromUtf8(family), pixels), ColorFromBgr(color)};
}

TextFont CaptionFont() { return Font("新細明體", 16); }      // the input bar's captions
TextFont EditFont() { return Font("新細明體", 21, clBlue); }  // the input bar's edit boxes
TextFont SheetFont() { return Font("細明體", 24); }           // the worksheet's texts
TextFont ButtonFont() { return Font("Tahoma", 15); }

// Pixels kept free between a caption and the control beside it.
constexpr int kCaptionGap = 4;

// Moves `box` right of `caption` when the caption reaches into it; its right edge stays.
void StartAfter(QWidget& box, const QWidget& caption) {
  const int left = caption.geometry().right() + kCaptionGap;
  if (box.x() >= left) return;
  const int right = box.geometry().right();
  box.setGeometry(left, box.y(), right - left + 1, box.height());
}

void FillWith(QWidget* widget, quint32 color) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, ColorFromBgr(color));
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

}  // namespace

void TForm19::CreateStoredComponents() {
  setWindowTitle(kTitle);
  // A fixed border with the system menu only: no minimise or maximise box, no resizing.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  setFixedSize(kClientWidth, kClientHeight);
  FillWith(this, clBtnFace);
  SetFont(this, Font("Tahoma", 11));
  CreateInputBar();
  CreateWorksheetPanel();
}

void TForm19::CreateInputBar() {
  Panel1 = new Panel(this);
  Adopt(Panel1, "Panel1", {0, 0, 1109, 84});
  Panel1->SetColor(ColorFromBgr(0x80FF80));

  // Captions size themselves to their text in the face found here; only their place is fixed.
  auto caption = [this](Label*& label, const char* name, const char* text, const QPoint& at) {
    label = new Label(Panel1);
    SetFont(label, CaptionFont());
    label->SetCaption(QString::fromUtf8(text));
    Adopt(label, QString::fromUtf8(name), QRect(at, label->size()));
  };
  auto edit = [this](QLineEdit*& box, const char* name, const QString& text, const QRect& r) {
    box = new QLineEdit(Panel1);
    SetFont(box, EditFont());
    box->setText(text);
    box->setCursorPosition(0);
    Adopt(box, QString::fromUtf8(name), r);
  };
  auto button = [this](QPushButton*& b, const char* name, const char* text, const QRect& r) {
    b = new QPushButton(QString::fromUtf8(text), Panel1);
    SetFont(b, ButtonFont());
    Adopt(b, QString::fromUtf8(name), r);
  };

  caption(Label1, "Label1", "學校名稱  /  工作紙標題", {3, 10});
  edit(SchTitle, "SchTitle", kTitle, {173, 10, 353, 29});
  caption(Label5, "Label5", "字詞內容", {3, 47});
  edit(edtInput, "edtInput", QStringLiteral("不可多於八個字詞"), {73, 47, 216, 29});
  caption(Label6, "Label6", "選擇字型 -->", {458, 62});

  Cfont = new Label(Panel1);
  Cfont->SetAutoSize(false);
  Cfont->SetTransparent(false);
  Cfont->SetColor(ColorFromBgr(clWhite));
  SetFont(Cfont, Font("標楷體", 80, clGray));
  Cfont->SetCaption(QStringLiteral("字"));
  Adopt(Cfont, "Cfont", {550, 2, 80, 80});

  button(Button1, "Button1", "造字", {642, 6, 80, 64});
  button(btnPrint, "btnPrint", "列印", {728, 6, 80, 64});

  // The substitute faces are wider than the stored places allow: an edit box starts after its
  // caption (keeping its right edge), and the font caption ends before the sample it points at.
  StartAfter(*SchTitle, *Label1);
  StartAfter(*edtInput, *Label5);
  if (Label6->geometry().right() + kCaptionGap >= Cfont->x())
    Label6->move(Cfont->x() - kCaptionGap - Label6->width(), Label6->y());

  // Tab order inside the input bar: word, generate, print, title.
  setTabOrder(edtInput, Button1);
  setTabOrder(Button1, btnPrint);
  setTabOrder(btnPrint, SchTitle);
  edtInput->setFocus();
}

void TForm19::CreateWorksheetPanel() {
  paneTEXT = new Panel(this);
  Adopt(paneTEXT, "paneTEXT", {0, 84, 1109, 81});
  paneTEXT->SetColor(ColorFromBgr(clAqua));

  paneWorksheet = new Panel(this);
  Adopt(paneWorksheet, "paneWorksheet", {0, 165, 1109, 599});
  paneWorksheet->SetColor(ColorFromBgr(clWhite));

  auto sheetText = [this](Label*& label, const char* name, const QString& text, const QPoint& at) {
    label = new Label(paneWorksheet);
    SetFont(label, SheetFont());
    label->SetCaption(text);
    Adopt(label, QString::fromUtf8(name), QRect(at, label->size()));
  };
  sheetText(txtSchTitle, "txtSchTitle", kTitle, {16, 10});
  sheetText(Label2, "Label2", QStringLiteral("班別："), {16, 56});
  sheetText(Label3, "Label3", QStringLiteral("姓名："), {152, 56});
  sheetText(Label4, "Label4", QStringLiteral("日期："), {728, 56});

  Image1 = new PictureBox(paneWorksheet);
  Image1->SetPicture(DecorativePicture());
  Adopt(Image1, "Image1", {1049, 496, 58, 129});
}

}  // namespace stroval
