#pragma once
// The root of a report definition as the object tree sees it: the owner of every object of its
// tree, and the keeper of the error list that loading and preparing fill. The report component
// (TrpReport) derives from it.
#include <QStringList>

#include "report/model/component.h"

class TrpCustomReport : public TrpComponent {
 public:
  // A report has no owner among report objects; it owns what is created inside it.
  TrpCustomReport();
  ~TrpCustomReport() override;

  static const TrpClassInfo& StaticClassInfo();
  const TrpClassInfo& ClassInfo() const override;

  // Messages collected while loading or preparing: sorted ignoring case, each listed once.
  const QStringList& Errors() const { return FErrors; }
  void AddError(const QString& message);
  void AddErrors(const QStringList& messages);
  void ClearErrors() { FErrors.clear(); }

 private:
  QStringList FErrors;
};
