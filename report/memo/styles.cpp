#include "report/memo/styles.h"

#include "report/memo/memo_view.h"
#include "report/objects/class_info.h"
#include "report/objects/custom_report.h"
#include "report/objects/property_builders.h"
#include "report/objects/report_error.h"
#include "report/objects/report_font.h"
#include "report/res/resources.h"
#include "report/views/brush_fill.h"
#include "report/views/frame.h"

TrpStyleItem::TrpStyleItem() : TrpLookItem(true) {}

const TrpClassInfo& TrpStyleItem::StaticClassInfo() {
  using C = TrpStyleItem;
  static const TrpClassInfo info(
      "TrpStyleItem", nullptr, nullptr,
      {
          rpString<&C::Name, &C::SetName>("Name"),
          rpColor<&C::Color, &C::SetColor>("Color").NotStored(),
          rpObject<&C::Font, &C::SetFont>("Font"),
          rpObject<&C::Frame, &C::SetFrame>("Frame"),
          rpBoolean<&C::ApplyFont, &C::SetApplyFont>("ApplyFont", true),
          rpBoolean<&C::ApplyFill, &C::SetApplyFill>("ApplyFill", true),
          rpBoolean<&C::ApplyFrame, &C::SetApplyFrame>("ApplyFrame", true),
          rpEnum<&C::FillType, &C::SetFillType>("FillType", rpFillTypeType, ftBrush),
          rpObject<&C::Fill, &C::SetFill>("Fill"),
      });
  return info;
}

const TrpClassInfo& TrpStyleItem::ClassInfo() const { return StaticClassInfo(); }

void TrpStyleItem::SetName(const QString& value) {
  if (FCollection) {
    const TrpStyleItem* other = FCollection->Find(value);
    if (other && other != this) throw TrpError(rpResources()->Get(QStringLiteral("clDupName")));
  }
  FName = value;
}

QString TrpStyleItem::InheritedName() const {
  return FName.isEmpty() ? TrpCollectionItem::InheritedName() : FName;
}

void TrpStyleItem::CreateUniqueName() {
  FName = rpNextInheritedName(QStringLiteral("Style"), [this](const QString& name) {
    return FCollection && FCollection->Find(name);
  });
}

TColor TrpStyleItem::Color() const { return Fill()->ViewColor(); }

void TrpStyleItem::SetColor(TColor value) {
  if (auto* brush = dynamic_cast<TrpBrushFill*>(Fill())) brush->SetBackColor(value);
}

// --- TrpStyles ------------------------------------------------------------------------------------

TrpStyleItem* TrpStyles::Find(const QString& name) const {
  for (int i = 0; i < Count(); ++i)
    if (Items(i)->Name().compare(name, Qt::CaseInsensitive) == 0) return Items(i);
  return nullptr;
}

QStringList TrpStyles::GetList() const {
  QStringList names;
  for (int i = 0; i < Count(); ++i) names << Items(i)->Name();
  return names;
}

void TrpStyles::Apply() {
  if (!FReport) return;
  for (TrpComponent* object : FReport->AllObjects()) {
    auto* memo = dynamic_cast<TrpCustomMemoView*>(object);
    if (!memo) continue;
    memo->SetStyle(Find(memo->Style()) ? memo->Style() : QString());
  }
}
