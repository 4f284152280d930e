#pragma once
// TrpHyperlink: where a click on a visual object in the preview leads — a URL, an anchor, a page,
// a detail report or page, or a custom action — and the value (or expression) that names it.
#include <QString>

#include "report/objects/persistent.h"
#include "report/objects/property_descriptor.h"

enum TrpHyperlinkKind { hkURL, hkAnchor, hkPageNumber, hkDetailReport, hkDetailPage, hkCustom };
extern const TrpEnumType rpHyperlinkKindType;

class TrpHyperlink : public TrpPersistent {
 public:
  TrpHyperlink() { StampChange(); }
  static const TrpClassInfo& StaticClassInfo();
  const TrpClassInfo& ClassInfo() const override;

  TrpHyperlinkKind Kind() const { return FKind; }
  void SetKind(TrpHyperlinkKind value) { SetStamped(FKind, value); }
  const QString& DetailReport() const { return FDetailReport; }
  void SetDetailReport(const QString& value) { SetStamped(FDetailReport, value); }
  const QString& DetailPage() const { return FDetailPage; }
  void SetDetailPage(const QString& value) { SetStamped(FDetailPage, value); }
  const QString& Expression() const { return FExpression; }
  void SetExpression(const QString& value) { SetStamped(FExpression, value); }
  const QString& ReportVariable() const { return FReportVariable; }
  void SetReportVariable(const QString& value) { SetStamped(FReportVariable, value); }
  const QString& TabCaption() const { return FTabCaption; }
  void SetTabCaption(const QString& value) { SetStamped(FTabCaption, value); }
  const QString& Value() const { return FValue; }
  void SetValue(const QString& value) { SetStamped(FValue, value); }
  // Separates the pieces of Value and Expression; ";" unless set.
  const QString& ValuesSeparator() const { return FValuesSeparator; }
  void SetValuesSeparator(const QString& value) { SetStamped(FValuesSeparator, value); }

  void Assign(const TrpPersistent& source) override;

 private:
  TrpHyperlinkKind FKind = hkURL;
  QString FDetailReport;
  QString FDetailPage;
  QString FExpression;
  QString FReportVariable;
  QString FTabCaption;
  QString FValue;
  QString FValuesSeparator = QStringLiteral(";");
};
