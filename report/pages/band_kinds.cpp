// The published sets of the band kinds without data of their own.
#include "report/pages/band_kinds.h"

#include "report/objects/class_info.h"
#include "report/objects/property_builders.h"

namespace {

template <class T>
TrpComponent* create(TrpComponent* owner) {
  return new T(owner);
}

// The options of a title, a summary and a child band.
#define RP_TITLE_OPTIONS                                                               \
  rpPublish("AllowSplit"), rpPublish("Child"), rpPublish("KeepChild"),                 \
      rpPublish("PrintChildIfInvisible"), rpPublish("StartNewPage"), rpPublish("Stretched")

}  // namespace

const TrpClassInfo& TrpReportTitle::StaticClassInfo() {
  static const TrpClassInfo info("TrpReportTitle", &TrpBand::StaticClassInfo(),
                                 &create<TrpReportTitle>, {RP_TITLE_OPTIONS});
  return info;
}

const TrpClassInfo& TrpReportSummary::StaticClassInfo() {
  static const TrpClassInfo info("TrpReportSummary", &TrpBand::StaticClassInfo(),
                                 &create<TrpReportSummary>, {RP_TITLE_OPTIONS});
  return info;
}

const TrpClassInfo& TrpPageHeader::StaticClassInfo() {
  using C = TrpPageHeader;
  static const TrpClassInfo info(
      "TrpPageHeader", &TrpBand::StaticClassInfo(), &create<C>,
      {rpPublish("Child"), rpPublish("PrintChildIfInvisible"),
       rpBoolean<&C::PrintOnFirstPage, &C::SetPrintOnFirstPage>("PrintOnFirstPage", true),
       rpPublish("Stretched")});
  return info;
}

const TrpClassInfo& TrpPageFooter::StaticClassInfo() {
  using C = TrpPageFooter;
  static const TrpClassInfo info(
      "TrpPageFooter", &TrpBand::StaticClassInfo(), &create<C>,
      {rpBoolean<&C::PrintOnFirstPage, &C::SetPrintOnFirstPage>("PrintOnFirstPage", true),
       rpBoolean<&C::PrintOnLastPage, &C::SetPrintOnLastPage>("PrintOnLastPage", true)});
  return info;
}

const TrpClassInfo& TrpHeader::StaticClassInfo() {
  using C = TrpHeader;
  static const TrpClassInfo info(
      "TrpHeader", &TrpBand::StaticClassInfo(), &create<C>,
      {RP_TITLE_OPTIONS,
       rpBoolean<&C::ReprintOnNewPage, &C::SetReprintOnNewPage>("ReprintOnNewPage", false)});
  return info;
}

const TrpClassInfo& TrpFooter::StaticClassInfo() {
  static const TrpClassInfo info(
      "TrpFooter", &TrpBand::StaticClassInfo(), &create<TrpFooter>,
      {rpPublish("AllowSplit"), rpPublish("Child"), rpPublish("KeepChild"),
       rpPublish("PrintChildIfInvisible"), rpPublish("Stretched")});
  return info;
}

const TrpClassInfo& TrpGroupFooter::StaticClassInfo() {
  using C = TrpGroupFooter;
  static const TrpClassInfo info(
      "TrpGroupFooter", &TrpBand::StaticClassInfo(), &create<C>,
      {rpPublish("AllowSplit"), rpPublish("Child"),
       rpBoolean<&C::HideIfSingleDataRecord, &C::SetHideIfSingleDataRecord>(
           "HideIfSingleDataRecord", false),
       rpPublish("KeepChild"), rpPublish("PrintChildIfInvisible"), rpPublish("Stretched")});
  return info;
}

const TrpClassInfo& TrpChild::StaticClassInfo() {
  static const TrpClassInfo info("TrpChild", &TrpBand::StaticClassInfo(), &create<TrpChild>,
                                 {RP_TITLE_OPTIONS});
  return info;
}

const TrpClassInfo& TrpColumnHeader::StaticClassInfo() {
  static const TrpClassInfo info("TrpColumnHeader", &TrpBand::StaticClassInfo(),
                                 &create<TrpColumnHeader>,
                                 {rpPublish("Child"), rpPublish("Stretched")});
  return info;
}

const TrpClassInfo& TrpColumnFooter::StaticClassInfo() {
  static const TrpClassInfo info("TrpColumnFooter", &TrpBand::StaticClassInfo(),
                                 &create<TrpColumnFooter>, {});
  return info;
}

const TrpClassInfo& TrpOverlay::StaticClassInfo() {
  using C = TrpOverlay;
  static const TrpClassInfo info(
      "TrpOverlay", &TrpBand::StaticClassInfo(), &create<C>,
      {rpBoolean<&C::PrintOnTop, &C::SetPrintOnTop>("PrintOnTop", false)});
  return info;
}

const TrpClassInfo& TrpNullBand::StaticClassInfo() {
  static const TrpClassInfo info("TrpNullBand", &TrpBand::StaticClassInfo(),
                                 &create<TrpNullBand>, {});
  return info;
}

#undef RP_TITLE_OPTIONS
