#pragma once
// TrpDataBand: the band printed once per record of its data set (or RowCount times without
// one), optionally in columns across the page. The six data kinds of the band table derive
// from it and add nothing.
#include <memory>

#include "report/datasets/data_set_binding.h"
#include "report/pages/band_kinds.h"

class TrpDataSet;
class TrpUserDataSet;

class TrpDataBand : public TrpBand {
 public:
  explicit TrpDataBand(TrpComponent* owner);
  ~TrpDataBand() override;
  static const TrpClassInfo& StaticClassInfo();
  const TrpClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  // --- columns (report units) ------------------------------------------------------------------
  int Columns() const { return FColumns; }
  void SetColumns(int value) { FColumns = value; }
  Extended ColumnWidth() const { return FColumnWidth; }
  void SetColumnWidth(Extended value) { FColumnWidth = value; }
  Extended ColumnGap() const { return FColumnGap; }
  void SetColumnGap(Extended value) { FColumnGap = value; }
  int CurColumn() const { return FCurColumn; }
  // Moves the band to column `value` (1-based): a value past the last column, or below the
  // first, starts again at column 1, which also forgets the lowest edge reached (FMaxY).
  void SetCurColumn(int value);

  // --- data ------------------------------------------------------------------------------------
  // None once the data set has been freed.
  TrpDataSet* DataSet() const;
  // Copies the data set's user name into DataSetName.
  void SetDataSet(TrpDataSet* value);
  const QString& DataSetName() const { return FDataSetBinding.DataSetName(); }
  TrpDataSetBinding* DataSetBinding() override { return &FDataSetBinding; }
  // Looks the data set up by its user name.
  void SetDataSetName(const QString& value);
  const QString& Filter() const { return FFilter; }
  void SetFilter(const QString& value) { FFilter = value; }
  // Records printed when the band has no data set: the band's own data set yields that many.
  int RowCount() const { return FRowCount; }
  void SetRowCount(int value);
  // The band's own data set, whose range ends after RowCount records.
  TrpUserDataSet& VirtualDataSet() const { return *FVirtualDataSet; }
  const QString& OnMasterDetail() const { return FOnMasterDetail; }
  void SetOnMasterDetail(const QString& value) { FOnMasterDetail = value; }

  // --- options ---------------------------------------------------------------------------------
  bool FooterAfterEach() const { return FFooterAfterEach; }
  void SetFooterAfterEach(bool value) { FFooterAfterEach = value; }
  bool KeepFooter() const { return FKeepFooter; }
  void SetKeepFooter(bool value) { FKeepFooter = value; }
  bool KeepHeader() const { return FKeepHeader; }
  void SetKeepHeader(bool value) { FKeepHeader = value; }
  bool KeepTogether() const { return FKeepTogether; }
  void SetKeepTogether(bool value) { FKeepTogether = value; }
  bool PrintIfDetailEmpty() const { return FPrintIfDetailEmpty; }
  void SetPrintIfDetailEmpty(bool value) { FPrintIfDetailEmpty = value; }

  void Notification(TrpComponent* removed) override;

  // The lowest edge reached in the current row of columns; working state of the engine.
  Extended FMaxY = 0;

 private:
  Extended FColumnGap = 0;
  Extended FColumnWidth = 0;
  int FColumns = 0;
  int FCurColumn = 0;
  TrpDataSetBinding FDataSetBinding;
  QString FFilter;
  bool FFooterAfterEach = false;
  bool FKeepFooter = false;
  bool FKeepHeader = false;
  bool FKeepTogether = false;
  bool FPrintIfDetailEmpty = false;
  int FRowCount = 0;
  QString FOnMasterDetail;
  std::unique_ptr<TrpUserDataSet> FVirtualDataSet;
};

class TrpMasterData : public TrpDataBand {
  RP_BAND_KIND(TrpMasterData, TrpDataBand)
};

class TrpDetailData : public TrpDataBand {
  RP_BAND_KIND(TrpDetailData, TrpDataBand)
};

class TrpSubdetailData : public TrpDataBand {
  RP_BAND_KIND(TrpSubdetailData, TrpDataBand)
};

class TrpDataBand4 : public TrpDataBand {
  RP_BAND_KIND(TrpDataBand4, TrpDataBand)
};

class TrpDataBand5 : public TrpDataBand {
  RP_BAND_KIND(TrpDataBand5, TrpDataBand)
};

class TrpDataBand6 : public TrpDataBand {
  RP_BAND_KIND(TrpDataBand6, TrpDataBand)
};
