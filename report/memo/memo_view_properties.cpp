// The property tables of the three text object classes. TrpCustomMemoView declares every
// property with its default or stored test, public only; TrpMemoView and TrpSysMemoView publish
// their sets in the order report files write them.
#include "report/memo/memo_format.h"
#include "report/memo/memo_highlight.h"
#include "report/memo/memo_view.h"
#include "report/objects/class_info.h"
#include "report/objects/property_builders.h"

namespace {

using C = TrpCustomMemoView;

template <auto Get>
bool differsFrom(const TrpPersistent& object, Extended value) {
  return (static_cast<const C&>(object).*Get)() != value;
}

bool charSpacingStored(const TrpPersistent& o) { return differsFrom<&C::CharSpacing>(o, 0); }
bool gapXStored(const TrpPersistent& o) { return differsFrom<&C::GapX>(o, 2); }
bool gapYStored(const TrpPersistent& o) { return differsFrom<&C::GapY>(o, 1); }
bool lineSpacingStored(const TrpPersistent& o) { return differsFrom<&C::LineSpacing>(o, 2); }
bool paragraphGapStored(const TrpPersistent& o) { return differsFrom<&C::ParagraphGap>(o, 0); }
bool delimitersStored(const TrpPersistent& o) {
  return static_cast<const C&>(o).ExpressionDelimiters() != QLatin1String("[,]");
}
// More than one format or highlight goes into the nested collections instead.
bool displayFormatStored(const TrpPersistent& o) { return static_cast<const C&>(o).Formats().Count() == 1; }
bool highlightStored(const TrpPersistent& o) {
  const TrpHighlightCollection& list = static_cast<const C&>(o).Highlights();
  return list.Count() == 1 && !list.Items(0)->Condition().trimmed().isEmpty();
}
bool fontStored(const TrpPersistent& o) { return !static_cast<const C&>(o).ParentFont(); }

// Always recorded: the prepared copy's text.
bool always(const TrpComponent&, const TrpComponent&, bool) { return true; }

}  // namespace

const TrpClassInfo& TrpCustomMemoView::StaticClassInfo() {
  static const TrpClassInfo info(
      "TrpCustomMemoView", &TrpStretcheable::StaticClassInfo(), &Create,
      {
          rpBoolean<&C::FirstParaBreak, &C::SetFirstParaBreak>("FirstParaBreak", false).PublicOnly(),
          rpBoolean<&C::LastParaBreak, &C::SetLastParaBreak>("LastParaBreak", false).PublicOnly(),
          rpBoolean<&C::AutoWidth, &C::SetAutoWidth>("AutoWidth", false).PublicOnly(),
          rpBoolean<&C::AllowExpressions, &C::SetAllowExpressions>("AllowExpressions", true).PublicOnly(),
          rpBoolean<&C::AllowHTMLTags, &C::SetAllowHTMLTags>("AllowHTMLTags", false).PublicOnly(),
          rpFloat<&C::CharSpacing, &C::SetCharSpacing>("CharSpacing").StoredIf(&charSpacingStored).PublicOnly(),
          rpBoolean<&C::Clipped, &C::SetClipped>("Clipped", true).PublicOnly(),
          rpObject<&C::DisplayFormat, &C::SetDisplayFormat>("DisplayFormat")
              .StoredIf(&displayFormatStored)
              .PublicOnly(),
          rpString<&C::ExpressionDelimiters, &C::SetExpressionDelimiters>("ExpressionDelimiters")
              .StoredIf(&delimitersStored)
              .PublicOnly(),
          rpReference<&C::FlowTo, &C::SetFlowTo>("FlowTo").PublicOnly(),
          rpFloat<&C::GapX, &C::SetGapX>("GapX").StoredIf(&gapXStored).PublicOnly(),
          rpFloat<&C::GapY, &C::SetGapY>("GapY").StoredIf(&gapYStored).PublicOnly(),
          rpEnum<&C::HAlign, &C::SetHAlign>("HAlign", rpHAlignType, haLeft).PublicOnly(),
          rpBoolean<&C::HideZeros, &C::SetHideZeros>("HideZeros", false).PublicOnly(),
          rpObject<&C::Highlight, &C::SetHighlight>("Highlight").StoredIf(&highlightStored).PublicOnly(),
          rpFloat<&C::LineSpacing, &C::SetLineSpacing>("LineSpacing").StoredIf(&lineSpacingStored).PublicOnly(),
          // The text is written after all properties as "Text" by the serializer, not as Memo.
          rpStrings<&C::Memo, &C::SetMemo>("Memo").NotStored().PublicOnly(),
          rpString<&C::Text, &C::SetTextLines>("Text").NotStored().PublicOnly(),
          rpFloat<&C::ParagraphGap, &C::SetParagraphGap>("ParagraphGap")
              .StoredIf(&paragraphGapStored)
              .PublicOnly(),
          rpInteger<&C::Rotation, &C::SetRotation>("Rotation", 0).PublicOnly(),
          rpBoolean<&C::RTLReading, &C::SetRTLReading>("RTLReading", false).PublicOnly(),
          rpString<&C::Style, &C::SetStyle>("Style").PublicOnly(),
          rpBoolean<&C::SuppressRepeated, &C::SetSuppressRepeated>("SuppressRepeated", false).PublicOnly(),
          rpBoolean<&C::Underlines, &C::SetUnderlines>("Underlines", false).PublicOnly(),
          rpBoolean<&C::UseDefaultCharset, &C::SetUseDefaultCharset>("UseDefaultCharset", false).PublicOnly(),
          rpBoolean<&C::WordBreak, &C::SetWordBreak>("WordBreak", false).PublicOnly(),
          rpBoolean<&C::WordWrap, &C::SetWordWrap>("WordWrap", true).PublicOnly(),
          rpBoolean<&C::Wysiwyg, &C::SetWysiwyg>("Wysiwyg", true).PublicOnly(),
          rpEnum<&C::VAlign, &C::SetVAlign>("VAlign", rpVAlignType, vaTop).PublicOnly(),
      },
      {
          {"AutoWidth", "AutoWidth"},
          {"CharSpacing", "CharSpacing"},
          {"GapX", "GapX"},
          {"GapY", "GapY"},
          {"HAlign", "HAlign"},
          {"LineSpacing", "LineSpacing"},
          {"UseDefaultCharset", "UseDefaultCharset"},
          {"u", "Memo", &always},
          {"ParagraphGap", "ParagraphGap"},
          {"Rotation", "Rotation"},
          {"RTLReading", "RTLReading"},
          {"Underlines", "Underlines"},
          {"VAlign", "VAlign"},
          {"WordWrap", "WordWrap"},
          // DisplayFormat and the paragraph flags follow in TrpCustomMemoView::Diff.
      });
  return info;
}

const TrpClassInfo& TrpCustomMemoView::ClassInfo() const { return StaticClassInfo(); }

const TrpClassInfo& TrpMemoView::StaticClassInfo() {
  static const TrpClassInfo info(
      "TrpMemoView", &TrpCustomMemoView::StaticClassInfo(), &Create,
      {
          rpPublish("StretchMode"),
          rpPublish("FirstParaBreak"),
          rpPublish("LastParaBreak"),
          rpPublish("Cursor"),
          rpPublish("TagStr"),
          rpPublish("URL"),
          rpPublish("AutoWidth"),
          rpPublish("AllowExpressions"),
          rpPublish("AllowHTMLTags"),
          rpPublish("BrushStyle"),
          rpPublish("Color"),
          rpPublish("CharSpacing"),
          rpPublish("Clipped"),
          rpPublish("DataField"),
          rpPublish("DataSet"),
          rpPublish("DataSetName"),
          rpPublish("DisplayFormat"),
          rpPublish("ExpressionDelimiters"),
          rpPublish("FlowTo"),
          rpPublish("Font").StoredIf(&fontStored),
          rpPublish("Frame"),
          rpPublish("FillType"),
          rpPublish("Fill"),
          rpPublish("GapX"),
          rpPublish("GapY"),
          rpPublish("HAlign"),
          rpPublish("HideZeros"),
          rpPublish("Highlight"),
          rpPublish("LineSpacing"),
          rpPublish("Memo"),
          rpPublish("ParagraphGap"),
          rpPublish("ParentFont"),
          rpPublish("Rotation"),
          rpPublish("RTLReading"),
          rpPublish("Style"),
          rpPublish("SuppressRepeated"),
          rpPublish("Underlines"),
          rpPublish("UseDefaultCharset"),
          rpPublish("WordBreak"),
          rpPublish("WordWrap"),
          rpPublish("Wysiwyg"),
          rpPublish("VAlign"),
      });
  return info;
}

const TrpClassInfo& TrpMemoView::ClassInfo() const { return StaticClassInfo(); }

const TrpClassInfo& TrpSysMemoView::StaticClassInfo() {
  static const TrpClassInfo info(
      "TrpSysMemoView", &TrpCustomMemoView::StaticClassInfo(), &Create,
      {
          rpPublish("AutoWidth"),
          rpPublish("CharSpacing"),
          rpPublish("Color"),
          rpPublish("DisplayFormat"),
          rpPublish("Font").StoredIf(&fontStored),
          rpPublish("Frame"),
          rpPublish("FillType"),
          rpPublish("Fill"),
          rpPublish("GapX"),
          rpPublish("GapY"),
          rpPublish("HAlign"),
          rpPublish("HideZeros"),
          rpPublish("Highlight"),
          rpPublish("Memo"),
          rpPublish("ParentFont"),
          rpPublish("Rotation"),
          rpPublish("RTLReading"),
          rpPublish("Style"),
          rpPublish("SuppressRepeated"),
          rpPublish("VAlign"),
          rpPublish("WordWrap"),
      });
  return info;
}

const TrpClassInfo& TrpSysMemoView::ClassInfo() const { return StaticClassInfo(); }
