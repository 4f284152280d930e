#pragma once
// A list of display names, each tagged with a platform number: a printer's papers (tag = paper
// number) and paper sources (tag = source number).
#include <QList>
#include <QString>
#include <QStringList>

class TrpTaggedStrings {
 public:
  struct Row {
    QString Name;
    int Tag = 0;
  };

  int Count() const { return static_cast<int>(FRows.size()); }
  const QString& Name(int index) const { return FRows.at(index).Name; }
  int Tag(int index) const { return FRows.at(index).Tag; }
  void Add(const QString& name, int tag) { FRows.append({name, tag}); }
  void Clear() { FRows.clear(); }

  // Position of the first row with this tag, or -1.
  int IndexOfTag(int tag) const {
    for (int i = 0; i < Count(); ++i)
      if (FRows[i].Tag == tag) return i;
    return -1;
  }
  // Position of the first row with this name, compared without regard to case, or -1.
  int IndexOfName(const QString& name) const {
    for (int i = 0; i < Count(); ++i)
      if (FRows[i].Name.compare(name, Qt::CaseInsensitive) == 0) return i;
    return -1;
  }
  QStringList Names() const {
    QStringList names;
    for (const Row& row : FRows) names.append(row.Name);
    return names;
  }

 private:
  QList<Row> FRows;
};
