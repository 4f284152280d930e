#pragma once
// The band kinds without data of their own: title and summary, page and column headers and
// footers, headers and footers of data, group footers, child bands, overlays, and the internal
// null band that carries the objects lying directly on a page. Each kind publishes its own
// subset of the band options (band_kinds.cpp); the group header and the data bands have files
// of their own.
#include "report/pages/band.h"

// The constructor and class description every band kind declares.
#define RP_BAND_KIND(Class, Base)                                                \
 public:                                                                         \
  explicit Class(TrpComponent* owner) : Base(owner) {}                           \
  static const TrpClassInfo& StaticClassInfo();                                  \
  const TrpClassInfo& ClassInfo() const override { return StaticClassInfo(); }

class TrpReportTitle : public TrpBand {
  RP_BAND_KIND(TrpReportTitle, TrpBand)
};

class TrpReportSummary : public TrpBand {
  RP_BAND_KIND(TrpReportSummary, TrpBand)
};

class TrpPageHeader : public TrpBand {
  RP_BAND_KIND(TrpPageHeader, TrpBand)
  bool PrintOnFirstPage() const { return FPrintOnFirstPage; }
  void SetPrintOnFirstPage(bool value) { FPrintOnFirstPage = value; }

 private:
  bool FPrintOnFirstPage = true;
};

class TrpPageFooter : public TrpBand {
  RP_BAND_KIND(TrpPageFooter, TrpBand)
  bool PrintOnFirstPage() const { return FPrintOnFirstPage; }
  void SetPrintOnFirstPage(bool value) { FPrintOnFirstPage = value; }
  bool PrintOnLastPage() const { return FPrintOnLastPage; }
  void SetPrintOnLastPage(bool value) { FPrintOnLastPage = value; }

 private:
  bool FPrintOnFirstPage = true;
  bool FPrintOnLastPage = true;
};

class TrpHeader : public TrpBand {
  RP_BAND_KIND(TrpHeader, TrpBand)
  bool ReprintOnNewPage() const { return FReprintOnNewPage; }
  void SetReprintOnNewPage(bool value) { FReprintOnNewPage = value; }

 private:
  bool FReprintOnNewPage = false;
};

class TrpFooter : public TrpBand {
  RP_BAND_KIND(TrpFooter, TrpBand)
};

class TrpGroupFooter : public TrpBand {
  RP_BAND_KIND(TrpGroupFooter, TrpBand)
  bool HideIfSingleDataRecord() const { return FHideIfSingleDataRecord; }
  void SetHideIfSingleDataRecord(bool value) { FHideIfSingleDataRecord = value; }

 private:
  bool FHideIfSingleDataRecord = false;
};

class TrpChild : public TrpBand {
  RP_BAND_KIND(TrpChild, TrpBand)
};

class TrpColumnHeader : public TrpBand {
  RP_BAND_KIND(TrpColumnHeader, TrpBand)
};

class TrpColumnFooter : public TrpBand {
  RP_BAND_KIND(TrpColumnFooter, TrpBand)
};

class TrpOverlay : public TrpBand {
  RP_BAND_KIND(TrpOverlay, TrpBand)
  bool PrintOnTop() const { return FPrintOnTop; }
  void SetPrintOnTop(bool value) { FPrintOnTop = value; }

 private:
  bool FPrintOnTop = false;
};

// The engine's band for the objects placed on a page outside any band; of no listed kind.
class TrpNullBand : public TrpBand {
  RP_BAND_KIND(TrpNullBand, TrpBand)
};
