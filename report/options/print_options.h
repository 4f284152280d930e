#pragma once
// PrintOptions of a report: what the print job does.
#include <QString>

#include "report/objects/persistent.h"
#include "report/objects/property_descriptor.h"
#include "report/options/duplex_mode.h"

enum TrpPrintMode { pmDefault, pmSplit, pmJoin, pmScale };
enum TrpPrintPages { ppAll, ppOdd, ppEven };

extern const TrpEnumType rpPrintModeType;
extern const TrpEnumType rpPrintPagesType;

class TrpPrintOptions : public TrpPersistent {
 public:
  TrpPrintOptions();  // the initial values, as Clear sets them
  static const TrpClassInfo& StaticClassInfo();
  const TrpClassInfo& ClassInfo() const override;

  // Copies every option of another print option record.
  void Assign(const TrpPersistent& source) override;
  // Every field back to its initial value; Printer to the UI string "prDefault".
  void Clear();

  int Copies() const { return FCopies; }
  void SetCopies(int value) { FCopies = value; }
  bool Collate() const { return FCollate; }
  void SetCollate(bool value) { FCollate = value; }
  const QString& PageNumbers() const { return FPageNumbers; }  // page-range text
  void SetPageNumbers(const QString& value) { FPageNumbers = value; }
  int PagesOnSheet() const { return FPagesOnSheet; }
  void SetPagesOnSheet(int value) { FPagesOnSheet = value; }
  const QString& Printer() const { return FPrinter; }
  void SetPrinter(const QString& value) { FPrinter = value; }
  TrpPrintMode PrintMode() const { return FPrintMode; }
  void SetPrintMode(TrpPrintMode value) { FPrintMode = value; }
  int PrintOnSheet() const { return FPrintOnSheet; }  // paper code for pmScale and pmJoin
  void SetPrintOnSheet(int value) { FPrintOnSheet = value; }
  TrpPrintPages PrintPages() const { return FPrintPages; }
  void SetPrintPages(TrpPrintPages value) { FPrintPages = value; }
  bool Reverse() const { return FReverse; }
  void SetReverse(bool value) { FReverse = value; }
  bool ShowDialog() const { return FShowDialog; }
  void SetShowDialog(bool value) { FShowDialog = value; }
  bool SwapPageSize() const { return FSwapPageSize; }
  void SetSwapPageSize(bool value) { FSwapPageSize = value; }
  const QString& PrnOutFileName() const { return FPrnOutFileName; }
  void SetPrnOutFileName(const QString& value) { FPrnOutFileName = value; }
  TrpDuplexMode Duplex() const { return FDuplex; }
  void SetDuplex(TrpDuplexMode value) { FDuplex = value; }
  int SplicingLine() const { return FSplicingLine; }
  void SetSplicingLine(int value) { FSplicingLine = value; }

 private:
  int FCopies = 1;
  bool FCollate = true;
  QString FPageNumbers;
  int FPagesOnSheet = 0;
  QString FPrinter;
  TrpPrintMode FPrintMode = pmDefault;
  int FPrintOnSheet = 0;
  TrpPrintPages FPrintPages = ppAll;
  bool FReverse = false;
  bool FShowDialog = true;
  bool FSwapPageSize = false;
  QString FPrnOutFileName;
  TrpDuplexMode FDuplex = dmNone;
  int FSplicingLine = 3;
};
