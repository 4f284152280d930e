#pragma once
// The description of one report class: its name, its parent class, how to create an object of it,
// its published properties in publishing order (the parent's first) and its difference record
// (diff_entry.h). One static TrpClassInfo per class, returned by the class's StaticClassInfo().
#include <QByteArray>
#include <QString>
#include <QAnyStringView>
#include <QLatin1StringView>

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <span>
#include <utility>
#include <vector>

#include "report/objects/diff_entry.h"
#include "report/objects/diff_record.h"
#include "report/objects/property_descriptor.h"

class TrpComponent;

// An ASCII class name that objects are tested against by name (InheritsFrom), hashed once: a
// static of the code that asks for every band or object it handles.
struct TrpClassName {
  explicit TrpClassName(const char* name);
  const char* Name;
  size_t Hash;
};

// Creates an object of the class with the given owner (see TrpComponent's constructor).
using TrpFactory = TrpComponent* (*)(TrpComponent* owner);

struct TrpClassInfo {
  // `properties` are the class's own entries in publishing order: new properties (published or
  // public only) and rpPublish entries that publish an ancestor's property at this position.
  // `diff` holds the attributes the class appends to its parent's difference record.
  TrpClassInfo(const char* className, const TrpClassInfo* parent, TrpFactory factory,
               std::initializer_list<TrpPropertyDescriptor> properties,
               std::initializer_list<TrpDiffEntry> diff = {});
  TrpClassInfo(const TrpClassInfo&) = delete;
  TrpClassInfo& operator=(const TrpClassInfo&) = delete;

  const char* ClassName() const { return FClassName; }
  const TrpClassInfo* Parent() const { return FParent; }
  TrpFactory Factory() const { return FFactory; }  // null for abstract classes

  // Published properties, the parent's first, in publishing order.
  std::span<const TrpPropertyDescriptor> Properties() const { return FPublished; }
  // Every property the class knows, published or public only.
  std::span<const TrpPropertyDescriptor> AllProperties() const { return FAll; }
  // The difference record, the parent's attributes first.
  std::span<const TrpDiffEntry> DiffEntries() const { return FDiff; }
  // DiffEntries() made ready for writing (diff_record.h): every recorded object walks the record.
  const TrpDiffRecord& DiffRecord() const { return *FDiffRecord; }
  // A number no other class of the process has, from 1: a key that outlives no class.
  std::uint32_t Serial() const { return FSerial; }

  // A published property by name, ignoring case; none when absent.
  const TrpPropertyDescriptor* FindProperty(QAnyStringView name) const;
  // A property by name among all the class knows (used for dotted paths and differences).
  const TrpPropertyDescriptor* FindAnyProperty(QAnyStringView name) const;
  // The same with the name's NameHash computed in advance, for names kept in tables.
  const TrpPropertyDescriptor* FindAnyProperty(QAnyStringView name, size_t hash) const;
  // The hash the name indexes use: the same for a name in any case.
  static size_t NameHash(QAnyStringView name);

  // True when this class is `className` or descends from it (case-insensitive).
  bool InheritsFrom(QAnyStringView className) const;
  bool InheritsFrom(const TrpClassInfo& other) const;
  bool InheritsFrom(const TrpClassName& name) const;

 private:
  const char* FClassName;
  const TrpClassInfo* FParent;
  TrpFactory FFactory;
  std::vector<TrpPropertyDescriptor> FPublished;
  std::vector<TrpPropertyDescriptor> FAll;
  std::vector<TrpDiffEntry> FDiff;
  std::unique_ptr<TrpDiffRecord> FDiffRecord;
  std::uint32_t FSerial;
  size_t FNameHash;  // NameHash of the class name
  // Hash of the folded name, lower-case name and position in FPublished or FAll, sorted by hash:
  // dotted paths (every sub-object attribute of every recorded object) and scripts look
  // properties up by name often, so a lookup neither scans the list nor allocates a key.
  struct NameEntry {
    size_t Hash;
    QByteArray Key;
    qsizetype Position;
  };
  using NameIndex = std::vector<NameEntry>;
  NameIndex FPublishedIndex;
  NameIndex FAllIndex;

  static NameIndex BuildIndex(const std::vector<TrpPropertyDescriptor>& list);
  static qsizetype Lookup(const NameIndex& index, QAnyStringView name, size_t hash);
};
