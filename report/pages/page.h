#pragma once
// TrpPage: the base of every page of a report definition (report pages, the data page, dialog
// pages). A page is a top-level object of the report; it publishes its font and visibility.
#include "report/objects/component.h"

class TrpPage : public TrpComponent {
 public:
  explicit TrpPage(TrpComponent* owner) : TrpComponent(owner) {}

  static const TrpClassInfo& StaticClassInfo();
  const TrpClassInfo& ClassInfo() const override;

 protected:
  TrpComponent* AsPage() const override { return const_cast<TrpPage*>(this); }
};
