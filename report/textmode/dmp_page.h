#pragma once
// TrpDMPPage: a page of a text-mode (dot-matrix) report. It is a report page with the same paper
// model; on it, bands snap to the character grid (TrpBand asks its page's class), and its font
// is a monospace face, which the text-mode objects on it inherit.
#include "report/pages/report_page.h"

class TrpDMPPage : public TrpReportPage {
 public:
  explicit TrpDMPPage(TrpComponent* owner);
  static TrpComponent* Create(TrpComponent* owner) { return new TrpDMPPage(owner); }
  static const TrpClassInfo& StaticClassInfo();
  const TrpClassInfo& ClassInfo() const override;
  bool IsTextModePage() const override { return true; }
};
