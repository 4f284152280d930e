#pragma once
// TrpDataSet: the base of the components a report reads its records from, as far as the visual
// objects need it — the user-visible name by which definitions refer to a data set, the
// large-object fields a picture loads from, and the process-wide list that name lookups search.
#include <QList>
#include <QString>

#include "report/model/report_component.h"

class QIODevice;

class TrpDataSet : public TrpReportComponent {
 public:
  // Joins the global data-set list; the destructor leaves it.
  explicit TrpDataSet(TrpComponent* owner);
  ~TrpDataSet() override;

  static const TrpClassInfo& StaticClassInfo();
  const TrpClassInfo& ClassInfo() const override;

  const QString& UserName() const { return FUserName; }
  void SetUserName(const QString& value) { FUserName = value; }

  // Whether `field` holds large-object data (pictures, long texts); none here.
  virtual bool IsBlobField(const QString& field) const { (void)field; return false; }
  // Writes the content of the large-object field `field` of the current record into `stream`.
  virtual void AssignBlobTo(const QString& field, QIODevice& stream) { (void)field, (void)stream; }

 private:
  QString FUserName;
};

// Whether `dataSet` is a data set that has not been freed.
bool rpIsLiveDataSet(const TrpDataSet* dataSet);

// A copy of the global list of data sets, taken under its lock.
QList<TrpDataSet*> rpGlobalDataSets();

// The data set named `name` (ignoring case) for a report object: the first of the global list
// with that user name, skipping data sets that belong to another report than `searcher`'s. An
// empty name gives none; an unknown name keeps `current`.
TrpDataSet* rpFindDataSet(const TrpComponent& searcher, TrpDataSet* current, const QString& name);
