#pragma once
// TrpReportComponent: the base of every report object that prints. It adds the script event
// names, the page filter, and the bracket that saves and restores the bounds around each use
// of a definition object by the engine.
#include <QList>
#include <QString>

#include "report/objects/component.h"

class QPainter;

class TrpReportComponent : public TrpComponent {
 public:
  explicit TrpReportComponent(TrpComponent* owner);

  static const TrpClassInfo& StaticClassInfo();
  const TrpClassInfo& ClassInfo() const override;

  // Draws the object at `scaleX`, `scaleY` device pixels per report unit, offset by `offsetX`,
  // `offsetY` device pixels. A class without drawing raises TrpError ("Abstract Error").
  virtual void Draw(QPainter& canvas, Extended scaleX, Extended scaleY, Extended offsetX,
                    Extended offsetY);
  // Saves Left, Top, Width, Height; AfterPrint puts them back through SetBounds.
  virtual void BeforePrint();
  virtual void GetData() {}
  virtual void AfterPrint();
  virtual QString GetComponentText() { return {}; }
  // (AbsLeft, AbsTop, AbsLeft + Width, AbsTop + Height).
  virtual TrpRect GetRealBounds() const;

  // Script procedures run after data is fetched, after and before printing, and on clicks in
  // the preview.
  const QString& OnAfterData() const { return FOnAfterData; }
  void SetOnAfterData(const QString& value) { FOnAfterData = value; }
  const QString& OnAfterPrint() const { return FOnAfterPrint; }
  void SetOnAfterPrint(const QString& value) { FOnAfterPrint = value; }
  const QString& OnBeforePrint() const { return FOnBeforePrint; }
  void SetOnBeforePrint(const QString& value) { FOnBeforePrint = value; }
  const QString& OnPreviewClick() const { return FOnPreviewClick; }
  void SetOnPreviewClick(const QString& value) { FOnPreviewClick = value; }
  const QString& OnPreviewDblClick() const { return FOnPreviewDblClick; }
  void SetOnPreviewDblClick(const QString& value) { FOnPreviewDblClick = value; }

  // Page filter of the engine, the vertical shift it computed, and the objects that move when
  // this one stretches.
  TrpPrintOnTypes PrintOn() const { return FPrintOn; }
  void SetPrintOn(TrpPrintOnTypes value) { FPrintOn = value; }
  Extended ShiftAmount() const { return FShiftAmount; }
  void SetShiftAmount(Extended value) { FShiftAmount = value; }
  QList<TrpComponent*>& ShiftChildren() { return FShiftChildren; }

  void Notification(TrpComponent* removed) override;

 private:
  QString FOnAfterData;
  QString FOnAfterPrint;
  QString FOnBeforePrint;
  QString FOnPreviewClick;
  QString FOnPreviewDblClick;
  TrpPrintOnTypes FPrintOn;
  Extended FShiftAmount = 0;
  QList<TrpComponent*> FShiftChildren;
};
