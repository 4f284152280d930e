#include "report/views/view.h"

#include "report/datasets/data_set.h"
#include "report/objects/class_info.h"
#include "report/objects/property_builders.h"
#include "report/views/frame.h"
#include "report/views/hyperlink.h"

namespace {

constexpr TrpEnumValue kShiftModes[] = {
    {"smDontShift", smDontShift}, {"smAlways", smAlways}, {"smWhenOverlapped", smWhenOverlapped}};
constexpr TrpEnumValue kVisibility[] = {
    {"vsPreview", vsPreview}, {"vsExport", vsExport}, {"vsPrint", vsPrint}};

enum class LineAttr { Color, Style, Width };

// A frame line's attribute is recorded when it differs from the other line's, or when the
// frame's own value changed and the line keeps a value of its own (which the frame's value
// would otherwise overwrite when the record is read back).
template <LineAttr Attr, class Owner>
auto lineAttr(const Owner& owner) {
  if constexpr (Attr == LineAttr::Color)
    return owner.Color();
  else if constexpr (Attr == LineAttr::Style)
    return owner.Style();
  else
    return owner.Width();
}

// A frame line's attribute is recorded when it differs from the other line's, or when the
// frame's own value changed and the line keeps a value of its own (which the frame's value
// would otherwise overwrite when the record is read back). The line is looked at first: it
// mostly follows its frame, and then the other object need not be looked at.
template <TrpFrameType Side, LineAttr Attr>
bool lineRecorded(const TrpComponent& self, const TrpComponent& other, bool differ) {
  if (differ) return true;
  const TrpFrame* mine = static_cast<const TrpView&>(self).Frame();
  if (lineAttr<Attr>(*mine->Line(Side)) == lineAttr<Attr>(*mine)) return false;
  const auto* o = dynamic_cast<const TrpView*>(&other);
  return o && lineAttr<Attr>(*mine) != lineAttr<Attr>(*o->Frame());
}

#define RP_LINE_DIFF(Name, Side)                                                              \
  {"Frame." Name ".Color", "Frame." Name ".Color", &lineRecorded<Side, LineAttr::Color>},     \
      {"Frame." Name ".Style", "Frame." Name ".Style", &lineRecorded<Side, LineAttr::Style>}, \
      {"Frame." Name ".Width", "Frame." Name ".Width", &lineRecorded<Side, LineAttr::Width>}

}  // namespace

const TrpEnumType rpShiftModeType{"TrpShiftMode", kShiftModes};
const TrpEnumType rpVisibilityType{"TrpVisibility", kVisibility};

TrpView::TrpView(TrpComponent* owner)
    : TrpReportComponent(owner),
      FFrame(std::make_unique<TrpFrame>()),
      FHyperlink(std::make_unique<TrpHyperlink>()),
      FFill(rpCreateFill(ftBrush)) {
  SetrpComponentStyle(rpComponentStyle() + TrpComponentStyle{csDefaultDiff});
}

TrpView::~TrpView() = default;

const TrpClassInfo& TrpView::StaticClassInfo() {
  using C = TrpView;
  static const TrpClassInfo info(
      "TrpView", &TrpReportComponent::StaticClassInfo(), nullptr,
      {
          rpEnum<&C::Align, &C::SetAlign>("Align", rpAlignType, baNone),
          rpBoolean<&C::Printable, &C::SetPrintable>("Printable", true).NotStored(),
          rpEnum<&C::ShiftMode, &C::SetShiftMode>("ShiftMode", rpShiftModeType, smAlways),
          rpPublish("Left"),
          rpPublish("Top"),
          rpPublish("Width"),
          rpPublish("Height"),
          rpPublish("GroupIndex"),
          rpPublish("Restrictions"),
          rpPublish("Visible"),
          rpPublish("OnAfterData"),
          rpPublish("OnAfterPrint"),
          rpPublish("OnBeforePrint"),
          rpString<&C::OnMouseEnter, &C::SetOnMouseEnter>("OnMouseEnter"),
          rpString<&C::OnMouseLeave, &C::SetOnMouseLeave>("OnMouseLeave"),
          rpString<&C::OnMouseDown, &C::SetOnMouseDown>("OnMouseDown"),
          rpString<&C::OnMouseMove, &C::SetOnMouseMove>("OnMouseMove"),
          rpString<&C::OnMouseUp, &C::SetOnMouseUp>("OnMouseUp"),
          rpPublish("OnPreviewClick"),
          rpPublish("OnPreviewDblClick"),
          rpObject<&C::Hyperlink, &C::SetHyperlink>("Hyperlink"),
          rpString<&C::Hint, &C::SetHint>("Hint"),
          rpBoolean<&C::ShowHint, &C::SetShowHint>("ShowHint", false),
          rpSet<&C::Visibility, &C::SetVisibility>("Visibility", rpVisibilityType,
                                                   TrpVisibility{vsPreview, vsExport, vsPrint}),
          rpPublish("Description"),
          // Published by the subclasses that use them.
          rpObject<&C::Frame, &C::SetFrame>("Frame").PublicOnly(),
          rpEnum<&C::FillType, &C::SetFillType>("FillType", rpFillTypeType, ftBrush).PublicOnly(),
          rpObject<&C::Fill, &C::SetFill>("Fill").PublicOnly(),
          rpColor<&C::Color, &C::SetColor>("Color").NotStored().PublicOnly(),
          rpEnum<&C::BrushStyle, &C::SetBrushStyle>("BrushStyle", rpBrushStyleType)
              .NotStored()
              .PublicOnly(),
          rpInteger<&C::Cursor, &C::SetCursor>("Cursor", 0).PublicOnly(),
          rpString<&C::TagStr, &C::SetTagStr>("TagStr").PublicOnly(),
          rpString<&C::URL, &C::SetURL>("URL").NotStored().PublicOnly(),
          rpReference<&C::DataSet, &C::SetDataSet>("DataSet").PublicOnly(),
          rpString<&C::DataSetName, &C::SetDataSetName>("DataSetName").PublicOnly(),
          rpString<&C::DataField, &C::SetDataField>("DataField").PublicOnly(),
      },
      {
          {"Align", "Align"},
          {"Frame.Color", "Frame.Color"},
          {"Frame.DropShadow", "Frame.DropShadow"},
          {"Frame.ShadowColor", "Frame.ShadowColor"},
          {"Frame.ShadowWidth", "Frame.ShadowWidth"},
          {"Frame.Style", "Frame.Style"},
          {"Frame.Typ", "Frame.Typ"},
          {"Frame.Width", "Frame.Width"},
          RP_LINE_DIFF("LeftLine", ftLeft),
          RP_LINE_DIFF("TopLine", ftTop),
          RP_LINE_DIFF("RightLine", ftRight),
          RP_LINE_DIFF("BottomLine", ftBottom),
          {"Cursor", "Cursor"},
          {"Visibility", "Visibility"},
          {"TagStr", "TagStr"},
          {"FillType", "FillType"},
          // Only the entries of this view's fill kind resolve; against a fill of another kind
          // every one of them counts as different.
          {"Fill.BackColor", "Fill.BackColor"},
          {"Fill.ForeColor", "Fill.ForeColor"},
          {"Fill.Style", "Fill.Style"},
          {"Fill.StartColor", "Fill.StartColor"},
          {"Fill.EndColor", "Fill.EndColor"},
          {"Fill.GradientStyle", "Fill.GradientStyle"},
          {"Fill.Color", "Fill.Color"},
          {"Fill.Blend", "Fill.Blend"},
          {"Fill.Hatch", "Fill.Hatch"},
          {"Fill.Orientation", "Fill.Orientation"},
          {"Hyperlink.Kind", "Hyperlink.Kind"},
          {"Hyperlink.DetailReport", "Hyperlink.DetailReport"},
          {"Hyperlink.DetailPage", "Hyperlink.DetailPage"},
          {"Hyperlink.ReportVariable", "Hyperlink.ReportVariable"},
          {"Hyperlink.TabCaption", "Hyperlink.TabCaption"},
          {"Hyperlink.Value", "Hyperlink.Value"},
          {"Hyperlink.ValuesSeparator", "Hyperlink.ValuesSeparator"},
      });
  return info;
}

#undef RP_LINE_DIFF

const TrpClassInfo& TrpView::ClassInfo() const { return StaticClassInfo(); }

void TrpView::SetFrame(const TrpFrame& value) { FFrame->Assign(value); }

void TrpView::SetHyperlink(const TrpHyperlink& value) { FHyperlink->Assign(value); }

void TrpView::SetPrintable(bool value) {
  if (value)
    FVisibility.Include(vsPrint);
  else
    FVisibility.Exclude(vsPrint);
}

void TrpView::SetFillType(TrpFillType value) {
  if (value == FFill->FillType()) return;
  FFill = rpCreateFill(value);
}

void TrpView::SetFill(const TrpCustomFill& value) {
  if (&value == FFill.get()) return;
  SetFillType(value.FillType());
  FFill->Assign(value);
}

void TrpView::SetColor(TColor value) {
  if (auto* brush = dynamic_cast<TrpBrushFill*>(FFill.get())) brush->SetBackColor(value);
}

TrpBrushStyle TrpView::BrushStyle() const {
  const auto* brush = dynamic_cast<const TrpBrushFill*>(FFill.get());
  return brush ? brush->Style() : bsClear;
}

void TrpView::SetBrushStyle(TrpBrushStyle value) {
  if (auto* brush = dynamic_cast<TrpBrushFill*>(FFill.get())) brush->SetStyle(value);
}
