#include "report/options/print_options.h"

#include "report/objects/class_info.h"
#include "report/objects/property_builders.h"
#include "report/res/resources.h"

namespace {
constexpr TrpEnumValue kPrintModes[] = {
    {"pmDefault", pmDefault}, {"pmSplit", pmSplit}, {"pmJoin", pmJoin}, {"pmScale", pmScale}};
constexpr TrpEnumValue kPrintPages[] = {{"ppAll", ppAll}, {"ppOdd", ppOdd}, {"ppEven", ppEven}};
}  // namespace

const TrpEnumType rpPrintModeType{"TrpPrintMode", kPrintModes};
const TrpEnumType rpPrintPagesType{"TrpPrintPages", kPrintPages};

TrpPrintOptions::TrpPrintOptions() { Clear(); }

const TrpClassInfo& TrpPrintOptions::StaticClassInfo() {
  using C = TrpPrintOptions;
  static const TrpClassInfo info(
      "TrpPrintOptions", nullptr, nullptr,
      {
          rpInteger<&C::Copies, &C::SetCopies>("Copies", 1),
          rpBoolean<&C::Collate, &C::SetCollate>("Collate", true),
          rpString<&C::PageNumbers, &C::SetPageNumbers>("PageNumbers"),
          rpInteger<&C::PagesOnSheet, &C::SetPagesOnSheet>("PagesOnSheet").PublicOnly(),
          // Initially "Default", declared default empty: a new report writes its printer.
          rpString<&C::Printer, &C::SetPrinter>("Printer"),
          rpEnum<&C::PrintMode, &C::SetPrintMode>("PrintMode", rpPrintModeType, pmDefault),
          rpInteger<&C::PrintOnSheet, &C::SetPrintOnSheet>("PrintOnSheet"),  // always written
          rpEnum<&C::PrintPages, &C::SetPrintPages>("PrintPages", rpPrintPagesType, ppAll),
          rpBoolean<&C::Reverse, &C::SetReverse>("Reverse", false),
          rpBoolean<&C::ShowDialog, &C::SetShowDialog>("ShowDialog", true),
          rpBoolean<&C::SwapPageSize, &C::SetSwapPageSize>("SwapPageSize", false).NotStored(),
          rpString<&C::PrnOutFileName, &C::SetPrnOutFileName>("PrnOutFileName").PublicOnly(),
          rpEnum<&C::Duplex, &C::SetDuplex>("Duplex", rpDuplexModeType, dmNone).PublicOnly(),
          rpInteger<&C::SplicingLine, &C::SetSplicingLine>("SplicingLine", 3).PublicOnly(),
      });
  return info;
}

const TrpClassInfo& TrpPrintOptions::ClassInfo() const { return StaticClassInfo(); }

void TrpPrintOptions::Assign(const TrpPersistent& source) {
  const auto* other = dynamic_cast<const TrpPrintOptions*>(&source);
  if (!other || other == this) return;
  FCopies = other->FCopies;
  FCollate = other->FCollate;
  FPageNumbers = other->FPageNumbers;
  FPagesOnSheet = other->FPagesOnSheet;
  FPrinter = other->FPrinter;
  FPrintMode = other->FPrintMode;
  FPrintOnSheet = other->FPrintOnSheet;
  FPrintPages = other->FPrintPages;
  FReverse = other->FReverse;
  FShowDialog = other->FShowDialog;
  FSwapPageSize = other->FSwapPageSize;
  FPrnOutFileName = other->FPrnOutFileName;
  FDuplex = other->FDuplex;
  FSplicingLine = other->FSplicingLine;
}

void TrpPrintOptions::Clear() {
  FCopies = 1;
  FCollate = true;
  FPageNumbers.clear();
  FPagesOnSheet = 0;
  FPrinter = rpResources()->Get(QStringLiteral("prDefault"));
  FPrintMode = pmDefault;
  FPrintOnSheet = 0;
  FPrintPages = ppAll;
  FReverse = false;
  FShowDialog = true;
  FSwapPageSize = false;
  FPrnOutFileName.clear();
  FDuplex = dmNone;
  FSplicingLine = 3;
}
