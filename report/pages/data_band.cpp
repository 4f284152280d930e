#include "report/pages/data_band.h"

#include "report/datasets/data_set.h"
#include "report/datasets/user_data_set.h"
#include "report/objects/class_info.h"
#include "report/objects/property_builders.h"

namespace {

template <class T>
TrpComponent* create(TrpComponent* owner) {
  return new T(owner);
}

// A data kind adds nothing to the data band's published set.
template <class T>
const TrpClassInfo& dataKind(const char* name) {
  static const TrpClassInfo info(name, &TrpDataBand::StaticClassInfo(), &create<T>, {});
  return info;
}

}  // namespace

TrpDataBand::TrpDataBand(TrpComponent* owner)
    : TrpBand(owner), FVirtualDataSet(std::make_unique<TrpUserDataSet>(nullptr)) {
  FVirtualDataSet->SetRangeEnd(reCount);
}

TrpDataBand::~TrpDataBand() = default;

void TrpDataBand::SetRowCount(int value) {
  FRowCount = value;
  FVirtualDataSet->SetRangeEndCount(value);
}

const TrpClassInfo& TrpDataBand::StaticClassInfo() {
  using C = TrpDataBand;
  static const TrpClassInfo info(
      "TrpDataBand", &TrpBand::StaticClassInfo(), nullptr,
      {
          rpPublish("AllowSplit"),
          rpPublish("Child"),
          rpInteger<&C::Columns, &C::SetColumns>("Columns", 0),
          rpFloat<&C::ColumnWidth, &C::SetColumnWidth>("ColumnWidth"),
          rpFloat<&C::ColumnGap, &C::SetColumnGap>("ColumnGap"),
          rpReference<&C::DataSet, &C::SetDataSet>("DataSet"),
          rpString<&C::DataSetName, &C::SetDataSetName>("DataSetName"),
          rpBoolean<&C::FooterAfterEach, &C::SetFooterAfterEach>("FooterAfterEach", false),
          rpString<&C::Filter, &C::SetFilter>("Filter"),
          rpPublish("KeepChild"),
          rpBoolean<&C::KeepFooter, &C::SetKeepFooter>("KeepFooter", false),
          rpBoolean<&C::KeepHeader, &C::SetKeepHeader>("KeepHeader", false),
          rpBoolean<&C::KeepTogether, &C::SetKeepTogether>("KeepTogether", false),
          rpPublish("OutlineText"),
          rpPublish("PrintChildIfInvisible"),
          rpBoolean<&C::PrintIfDetailEmpty, &C::SetPrintIfDetailEmpty>("PrintIfDetailEmpty",
                                                                       false),
          rpInteger<&C::RowCount, &C::SetRowCount>("RowCount"),
          rpPublish("StartNewPage"),
          rpPublish("Stretched"),
          rpString<&C::OnMasterDetail, &C::SetOnMasterDetail>("OnMasterDetail"),
      });
  return info;
}

const TrpClassInfo& TrpMasterData::StaticClassInfo() {
  return dataKind<TrpMasterData>("TrpMasterData");
}
const TrpClassInfo& TrpDetailData::StaticClassInfo() {
  return dataKind<TrpDetailData>("TrpDetailData");
}
const TrpClassInfo& TrpSubdetailData::StaticClassInfo() {
  return dataKind<TrpSubdetailData>("TrpSubdetailData");
}
const TrpClassInfo& TrpDataBand4::StaticClassInfo() {
  return dataKind<TrpDataBand4>("TrpDataBand4");
}
const TrpClassInfo& TrpDataBand5::StaticClassInfo() {
  return dataKind<TrpDataBand5>("TrpDataBand5");
}
const TrpClassInfo& TrpDataBand6::StaticClassInfo() {
  return dataKind<TrpDataBand6>("TrpDataBand6");
}

void TrpDataBand::SetCurColumn(int value) {
  if (value > FColumns || value < 1) value = 1;
  FCurColumn = value;
  if (value == 1) FMaxY = 0;
  SetLeft((FColumnWidth + FColumnGap) * (value - 1));
}

TrpDataSet* TrpDataBand::DataSet() const { return FDataSetBinding.DataSet(); }

void TrpDataBand::SetDataSet(TrpDataSet* value) { FDataSetBinding.SetDataSet(value); }

void TrpDataBand::SetDataSetName(const QString& value) { FDataSetBinding.SetDataSetName(Report(), value); }

void TrpDataBand::Notification(TrpComponent* removed) {
  FDataSetBinding.Forget(removed);
  TrpBand::Notification(removed);
}
