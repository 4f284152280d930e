#pragma once
// Base of everything that publishes properties: report objects, their fonts, frames and fills,
// and the report's option records. Its class description (class_info.h) lists the properties.
#include <QString>

#include <cstdint>

struct TrpClassInfo;
struct TrpClassName;

class TrpPersistent {
 public:
  virtual ~TrpPersistent() = default;
  TrpPersistent(const TrpPersistent&) = delete;
  TrpPersistent& operator=(const TrpPersistent&) = delete;

  virtual const TrpClassInfo& ClassInfo() const = 0;
  QString ClassName() const;
  // True when the object's class is `cls` or descends from it: a few pointer comparisons along
  // the class chain, for the tests the engine makes of every band and object.
  bool InheritsFrom(const TrpClassInfo& cls) const;
  // The same by name, for classes of a layer above the caller's and names read from outside.
  bool InheritsFrom(const char* className) const;
  bool InheritsFrom(const TrpClassName& className) const;

  // Copies every stored published property of `source` that this object publishes under the
  // same name, defaults included, sub-objects property by property (see rpCopyProperties).
  virtual void Assign(const TrpPersistent& source);

  // A number that changes with every change of the object, unique over all objects and all
  // changes; 0 for a class that keeps none. The small sub-objects of views keep one (fonts,
  // frames and their lines, fills, hyperlinks): a difference record passes over such a
  // sub-object while it and its template's are unchanged since they were last found equal.
  std::uint64_t ChangeStamp() const { return FChangeStamp; }

  // ClassInfo() asked once and kept: for a fully made object only (during a base class's
  // construction ClassInfo() answers for the base). For what the engine asks of every object in
  // every output: its print events, and its sub-objects' classes for its record.
  const TrpClassInfo& KeptClassInfo() const {
    if (!FKeptClassInfo) FKeptClassInfo = &ClassInfo();
    return *FKeptClassInfo;
  }

  // What a difference record last found of this object: that, at this object's stamp `Mine`,
  // every attribute the record `Record` takes from it equalled the template's, stamped `Theirs`.
  struct RecordedSame {
    const void* Record = nullptr;
    std::uint64_t Mine = 0;
    std::uint64_t Theirs = 0;
  };
  RecordedSame& LastRecordedSame() const { return FRecordedSame; }

 protected:
  TrpPersistent() = default;
  // Gives the object a new stamp: called by the classes that keep one, when made and by
  // everything that changes them.
  void StampChange();
  // Sets a field of a class that keeps a stamp; an equal value is no change.
  template <class T>
  void SetStamped(T& field, const T& value) {
    if (field == value) return;
    field = value;
    StampChange();
  }

 private:
  std::uint64_t FChangeStamp = 0;
  mutable RecordedSame FRecordedSame;
  mutable const TrpClassInfo* FKeptClassInfo = nullptr;
};
