#pragma once
// TrpSubreport: a placeholder object that shows another report page inside the band that holds
// it. The link is kept on both sides: the page knows the subreport that shows it, and freeing
// either side clears the other's link.
#include "report/views/view.h"

class TrpReportPage;

class TrpSubreport : public TrpView {
 public:
  // Not shown in the preview; framed on all sides, silver, named in Tahoma 8.
  explicit TrpSubreport(TrpComponent* owner);
  ~TrpSubreport() override;

  static const TrpClassInfo& StaticClassInfo();
  const TrpClassInfo& ClassInfo() const override;
  QString GetDescription() const override;

  TrpReportPage* Page() const { return FPage; }
  // Links `value` to this subreport; the previous page, and the previous subreport of `value`,
  // lose their links.
  void SetPage(TrpReportPage* value);
  // Print the page's bands on the parent page instead of inside this object's rectangle.
  bool PrintOnParent() const { return FPrintOnParent; }
  void SetPrintOnParent(bool value) { FPrintOnParent = value; }

  // The view's drawing, then the object's name at its top-left corner.
  void Draw(QPainter& canvas, Extended scaleX, Extended scaleY, Extended offsetX,
            Extended offsetY) override;

 private:
  friend class TrpReportPage;
  TrpReportPage* FPage = nullptr;
  bool FPrintOnParent = false;
};
