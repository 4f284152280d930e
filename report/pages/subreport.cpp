#include "report/pages/subreport.h"

#include "report/objects/class_info.h"
#include "report/objects/property_builders.h"
#include "report/pages/report_page.h"
#include "report/res/resources.h"
#include "report/text/draw_text.h"
#include "report/views/frame.h"

namespace {

constexpr TColor clSilver = 0xC0C0C0;

TrpComponent* createSubreport(TrpComponent* owner) { return new TrpSubreport(owner); }

TrpTextFont textFont(const TrpFont& font) {
  TrpTextFont result;
  result.Name = font.Name();
  result.Size = font.Size();
  result.Style = static_cast<int>(font.Style().Mask());
  result.Charset = font.Charset();
  result.Color = font.Color();
  return result;
}

int px(Extended value) { return static_cast<int>(rpRound(value)); }

}  // namespace

TrpSubreport::TrpSubreport(TrpComponent* owner) : TrpView(owner) {
  SetrpComponentStyle(rpComponentStyle() - TrpComponentStyle{csPreviewVisible});
  Frame()->SetTyp(TrpFrameTypes{ftLeft, ftRight, ftTop, ftBottom});
  Font()->SetName(QStringLiteral("Tahoma"));
  Font()->SetSize(8);
  SetColor(clSilver);
}

TrpSubreport::~TrpSubreport() { SetPage(nullptr); }

const TrpClassInfo& TrpSubreport::StaticClassInfo() {
  using C = TrpSubreport;
  static const TrpClassInfo info(
      "TrpSubreport", &TrpView::StaticClassInfo(), &createSubreport,
      {
          rpReference<&C::Page, &C::SetPage>("Page"),
          rpBoolean<&C::PrintOnParent, &C::SetPrintOnParent>("PrintOnParent", false),
      });
  return info;
}

const TrpClassInfo& TrpSubreport::ClassInfo() const { return StaticClassInfo(); }

QString TrpSubreport::GetDescription() const {
  return rpResources()->Get(QStringLiteral("obSubRep"));
}

void TrpSubreport::SetPage(TrpReportPage* value) {
  if (value == FPage) return;
  if (FPage) FPage->FSubReport = nullptr;
  // A page is shown by one subreport at a time.
  if (value && value->FSubReport) value->FSubReport->FPage = nullptr;
  FPage = value;
  if (FPage) FPage->FSubReport = this;
}

void TrpSubreport::Draw(QPainter& canvas, Extended scaleX, Extended scaleY, Extended offsetX,
                        Extended offsetY) {
  TrpView::Draw(canvas, scaleX, scaleY, offsetX, offsetY);
  const QRect unscaled(px(AbsLeft()) + 2, px(AbsTop()) + 2, px(Width()) - 2, px(Height()) - 2);
  const QRect scaled(FX + 2, FY + 2, FDX - 2, FDY - 2);
  if (scaled.width() <= 0 || scaled.height() <= 0) return;
  TrpDrawText::Lock();
  try {
    TrpDrawText text;
    text.SetFont(textFont(*Font()));
    text.SetOptions(false, false, 0, true, true, false, false);
    text.SetGaps(0, 0, 0);
    text.SetDimensions(scaleX, scaleY, 1, unscaled, scaled);
    text.SetText({Name()});
    text.DrawText(&canvas, haLeft, vaTop);
  } catch (...) {
    TrpDrawText::Unlock();
    throw;
  }
  TrpDrawText::Unlock();
}
