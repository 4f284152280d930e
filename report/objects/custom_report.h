#pragma once
// The root of a report definition as the object tree sees it: the owner of every object of its
// tree, and the keeper of the error list that loading and preparing fill. The report component
// (TrpReport) derives from it.
#include <QStringList>

#include <memory>

#include "report/objects/component.h"
#include "script_engine/interpreter/value.h"

class TrpCustomReportScript;
class TrpDrawText;
class TrpPictureView;
class TrpReportDataSets;
class TrpStyleItem;

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

  // Script services of the report component: evaluate an expression (raises when the report
  // has no script), the syntax of its script, and the script variable "Self".
  virtual ScriptValue Calc(const QString& expression);
  virtual QString ScriptLanguage() const { return QStringLiteral("PascalScript"); }
  virtual void SetSelfValue(TrpComponent* object) { FSelfValue = object; }
  TrpComponent* GetSelfValue() const { return FSelfValue; }
  // Hands a picture object whose picture changed to the prepared-pages store, which sets its
  // ImageIndex. A report without a store keeps nothing.
  virtual void AddPicture(TrpPictureView& view) { (void)view; }
  // The script's local value: what the text object being prepared evaluated last.
  virtual void SetLocalValue(const ScriptValue& value) { FLocalValue = value; }
  const ScriptValue& LocalValue() const { return FLocalValue; }
  // The report's style named `name` (ignoring case), or none; text objects take their look from
  // it. A report without styles has none.
  virtual const TrpStyleItem* FindStyle(const QString& name) const { (void)name; return nullptr; }
  // The report's script binding, or none (a report without a script, or not yet prepared).
  virtual TrpCustomReportScript* ReportScript() const { return nullptr; }
  // Runs the script procedure `procedure` with `sender` as its Sender; a report without a
  // script runs nothing.
  virtual void DoNotifyEvent(TrpComponent* sender, const QString& procedure) {
    (void)sender;
    (void)procedure;
  }
  // The list in which the names of data sets are looked up, or none when they are looked up in
  // the program's list of every data set.
  virtual const TrpReportDataSets* LocalDataSets() const { return nullptr; }
  // The report's own text layout machine; its text objects measure and draw with it.
  TrpDrawText& DrawText() const { return *FDrawText; }
  void Notification(TrpComponent* removed) override {
    if (removed == FSelfValue) FSelfValue = nullptr;
    TrpComponent::Notification(removed);
  }

 protected:
  TrpCustomReport* AsReport() const override { return const_cast<TrpCustomReport*>(this); }

 private:
  QStringList FErrors;
  TrpComponent* FSelfValue = nullptr;
  ScriptValue FLocalValue;
  std::unique_ptr<TrpDrawText> FDrawText;
};
