#pragma once
// TrpDataPage: the page that holds a report's data components; it is never printed.
#include "report/pages/page.h"

class TrpDataPage : public TrpPage {
 public:
  // A new data page is 1000 x 1000 report units.
  explicit TrpDataPage(TrpComponent* owner);

  static const TrpClassInfo& StaticClassInfo();
  const TrpClassInfo& ClassInfo() const override;
  QString GetDescription() const override;
};
