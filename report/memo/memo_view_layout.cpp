// Measuring, splitting and drawing of a text object. All of it goes through a text layout
// machine under the machines' one lock: the report's own machine, or the shared one for an object
// without a report.
#include <QPainter>
#include <QPen>

#include "report/datasets/data_set.h"
#include "report/memo/memo_macros.h"
#include "report/memo/memo_view.h"
#include "report/objects/custom_report.h"
#include "report/text/color_names.h"
#include "report/text/draw_text.h"
#include "report/views/frame.h"

namespace {

// The machine is shared state: hold the lock from the first setting to the last query.
class MachineLock {
 public:
  MachineLock() { TrpDrawText::Lock(); }
  ~MachineLock() { TrpDrawText::Unlock(); }
  MachineLock(const MachineLock&) = delete;
  MachineLock& operator=(const MachineLock&) = delete;
};

int roundI(Extended v) { return static_cast<int>(rpRound(v)); }

// The area every measurement without a width of its own lays text out in.
const QRect kUnboundedArea(0, 0, 10000, 10000);

// Lines of a text held with CR LF after each line.
QStringList linesOf(const QString& text) {
  QStringList lines;
  QString line;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (c == u'\r' || c == u'\n') {
      lines << line;
      line.clear();
      if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
    } else {
      line += c;
    }
  }
  if (!line.isEmpty()) lines << line;
  return lines;
}

}  // namespace

TrpDrawText& rpSharedDrawText() {
  static TrpDrawText machine;
  return machine;
}

TrpDrawText& TrpCustomMemoView::Machine() const {
  if (const TrpCustomReport* report = Report()) return report->DrawText();
  return rpSharedDrawText();
}

TrpTextFont TrpCustomMemoView::TextFont() const {
  TrpTextFont font;
  const TrpFont& f = *Font();
  font.Name = f.Name();
  font.Size = f.Size();
  font.Style = static_cast<int>(f.Style().Mask());  // bold 1, italic 2, underline 4, strike-out 8
  font.Charset = f.Charset();
  font.Color = f.Color();
  return font;
}

void TrpCustomMemoView::SetUpMachine(TrpDrawText& machine) const {
  machine.MonoFont = DrawAsMask();
  machine.UseDefaultCharset = FUseDefaultCharset;
  machine.SetFont(TextFont());
  machine.SetOptions(FWordWrap, FAllowHTMLTags, FRotation, FWysiwyg, FClipped, FWordBreak, FRTLReading);
  machine.SetGaps(FLineSpacing, FCharSpacing, FParagraphGap);
}

Extended TrpCustomMemoView::HorizontalMargin() const {
  const TrpFrame& frame = *Frame();
  const Extended w = frame.Width();
  return 2 * FGapX + (frame.Typ().Has(ftLeft) ? (w - 1) / 2 : 0) + (frame.Typ().Has(ftRight) ? w / 2 : 0) +
         (frame.DropShadow() ? frame.ShadowWidth() : 0);
}

Extended TrpCustomMemoView::VerticalMargin() const {
  const TrpFrame& frame = *Frame();
  const Extended w = frame.Width();
  return 2 * FGapY + (frame.Typ().Has(ftTop) ? (w - 1) / 2 : 0) + (frame.Typ().Has(ftBottom) ? w / 2 : 0) +
         (frame.DropShadow() ? frame.ShadowWidth() : 0);
}

QRect TrpCustomMemoView::ComputeTextRect(int x, int y, Extended sx, Extended sy) const {
  const TrpFrame& frame = *Frame();
  const Extended w = frame.Width();
  const Extended shadow = frame.DropShadow() ? frame.ShadowWidth() : 0;
  const TrpFrameTypes typ = frame.Typ();
  const int left = x + (typ.Has(ftLeft) ? roundI((sx * w - 1) / 2) : 0) + roundI(sx * FGapX);
  const int top = y + (typ.Has(ftTop) ? roundI((sy * w - 1) / 2) : 0) + roundI(sy * FGapY);
  const int right = x + roundI(sx * (Width() - shadow)) - (typ.Has(ftRight) ? roundI(sx * w / 2) : 0) -
                    roundI(sx * FGapX) + 1;
  const int bottom = y + roundI(sy * (Height() - shadow)) - (typ.Has(ftBottom) ? roundI(sy * w / 2) : 0) -
                     roundI(sy * FGapY) + 1;
  return QRect(left, top, right - left, bottom - top);
}

QRect TrpCustomMemoView::UnscaledTextRect() const {
  return ComputeTextRect(roundI(AbsLeft()), roundI(AbsTop()), 1, 1);
}

// ---------------------------------------------------------------- measuring

Extended TrpCustomMemoView::CalcWidth() {
  MachineLock lock;
  TrpDrawText& machine = Machine();
  SetUpMachine(machine);
  machine.SetDimensions(1, 1, 1, kUnboundedArea, kUnboundedArea);
  machine.SetText(FMemo);
  return static_cast<Extended>(rpRound(machine.CalcWidth() + HorizontalMargin()));
}

Extended TrpCustomMemoView::CalcHeight() {
  MachineLock lock;
  TrpDrawText& machine = Machine();
  SetUpMachine(machine);
  const QRect area = FAutoWidth ? kUnboundedArea : UnscaledTextRect();
  machine.SetDimensions(1, 1, 1, area, area);
  machine.SetText(FMemo);
  return static_cast<Extended>(rpRound(machine.CalcHeight() + VerticalMargin()));
}

QString TrpCustomMemoView::WrapText(bool wrapWords) {
  MachineLock lock;
  TrpDrawText& machine = Machine();
  SetUpMachine(machine);
  if (wrapWords) {
    const QRect area = UnscaledTextRect();
    machine.SetDimensions(1, 1, 1, area, area);
    machine.SetText(FMemo);
    return machine.GetWrappedText();
  }
  // Without wrapping each line stays whole; the machine only strips the tags.
  machine.SetOptions(false, FAllowHTMLTags, FRotation, FWysiwyg, FClipped, FWordBreak, FRTLReading);
  machine.SetDimensions(1, 1, 1, kUnboundedArea, kUnboundedArea);
  machine.SetText(FMemo);
  return machine.GetWrappedText();
}

// ---------------------------------------------------------------- splitting

void TrpCustomMemoView::InitPart() {
  FPartText = Text();
  FFirstParaBreak = false;
  FLastParaBreak = false;
}

Extended TrpCustomMemoView::DrawPart() {
  FMemo = linesOf(FPartText);
  MachineLock lock;
  TrpDrawText& machine = Machine();
  SetUpMachine(machine);
  const QRect area = UnscaledTextRect();
  machine.SetDimensions(1, 1, 1, area, area);
  machine.SetText(FMemo, FFirstParaBreak);
  bool paraBreak = false;
  FPartText = machine.GetOutBoundsText(paraBreak);
  FMemo = linesOf(machine.GetInBoundsText());
  FLastParaBreak = paraBreak;
  const Extended unused = machine.UnusedSpace();
  return unused == 0 ? Height() : unused;
}

// ---------------------------------------------------------------- drawing

void TrpCustomMemoView::BeginDraw(QPainter& canvas, Extended scaleX, Extended scaleY, Extended offsetX,
                                  Extended offsetY) {
  TrpStretcheable::BeginDraw(canvas, scaleX, scaleY, offsetX, offsetY);
  FTextRect = ComputeTextRect(FX, FY, scaleX, scaleY);
}

void TrpCustomMemoView::Draw(QPainter& canvas, Extended scaleX, Extended scaleY, Extended offsetX,
                             Extended offsetY) {
  const bool designing = IsDesigning();
  QStringList lines = FMemo;
  if (!designing) {
    QString text = Text();
    if (rpResolveMemoMacros(text, TotalPages, CopyNo)) FMemo = lines = linesOf(text);
  } else if (IsDataField()) {
    lines = {QStringLiteral("[%1.\"%2\"]").arg(DataSet()->UserName(), DataField())};
  }

  MachineLock lock;
  TrpDrawText& machine = Machine();
  SetUpMachine(machine);

  if (FAutoWidth && !designing) {
    machine.SetDimensions(1, 1, 1, kUnboundedArea, kUnboundedArea);
    machine.SetText(lines);
    const Extended oldWidth = Width();
    const Extended newWidth = machine.CalcWidth() + HorizontalMargin();
    if (FHAlign == haRight) SetLeft(Left() + (oldWidth - newWidth));
    else if (FHAlign == haCenter) SetLeft(Left() + (oldWidth - newWidth) / 2);
    SetWidth(newWidth);
    if (Parent()) Parent()->AlignChildren();
  }

  BeginDraw(canvas, scaleX, scaleY, offsetX, offsetY);
  const QRect unscaled = UnscaledTextRect();
  const Extended printScale = TrpDrawText::IsPrinter(&canvas) ? PrintScale : 1;
  machine.SetDimensions(scaleX, scaleY, printScale, unscaled, FTextRect);
  machine.SetText(lines, FFirstParaBreak);
  machine.SetParaBreaks(FFirstParaBreak, FLastParaBreak);

  DrawBackground();
  DrawFrame();
  if (FUnderlines && FRotation == 0) DrawUnderlines(canvas, scaleY);
  machine.DrawText(&canvas, FHAlign, FVAlign);
  machine.MonoFont = false;
}

void TrpCustomMemoView::DrawUnderlines(QPainter& canvas, Extended scaleY) {
  const TrpDrawText& machine = Machine();
  QPen pen(rpToQColor(Frame()->Color()));
  pen.setWidth(FFrameWidth);
  pen.setStyle(Qt::SolidLine);
  canvas.save();
  canvas.setPen(pen);
  const Extended step = (machine.TextHeight() + FLineSpacing) * scaleY;
  if (step > 0) {
    for (Extended y = FY + step + (FGapY - FLineSpacing + 1) * scaleY; y < FY1; y += step) {
      const int at = roundI(y);
      canvas.drawLine(FX, at, FX1, at);
    }
  }
  canvas.restore();
}
