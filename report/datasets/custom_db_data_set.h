#pragma once
// TrpCustomDBDataSet: the base of data sets that read a database or a file. It keeps the field
// names (sorted and each once, ignoring case) and the field aliases: lines "field=alias" that let a report show a
// field under another name.
#include <QStringList>

#include "report/datasets/data_set.h"

class TrpCustomDBDataSet : public TrpDataSet {
 public:
  explicit TrpCustomDBDataSet(TrpComponent* owner) : TrpDataSet(owner) {}
  static const TrpClassInfo& StaticClassInfo();
  const TrpClassInfo& ClassInfo() const override;

  // Lines of the form field name=alias.
  const QStringList& FieldAliases() const { return FFieldAliases; }
  void SetFieldAliases(const QStringList& value) { FFieldAliases = value; }
  // The alias of `field` (from the line whose field part equals it, ignoring case), else the field.
  QString GetAlias(const QString& field) const;
  // The field name of `alias` (from the line whose alias part equals it), else the alias itself.
  QString ConvertAlias(const QString& alias) const;

  QStringList GetFieldList() const override { return FFields; }
  int FieldsCount() const override { return static_cast<int>(FFields.size()); }

 protected:
  // Replaces the field names; they are kept sorted, each once.
  void SetFields(const QStringList& fields);

 private:
  QStringList FFields;
  QStringList FFieldAliases;
};
