#pragma once
// The report subsystem's own small XML tree: every report file, prepared-page record, string table
// and variables file is one of these. Attributes are kept as unparsed, still-escaped text and found
// by name on demand; character data between tags is ignored. Subtrees marked unloadable can be kept
// on disk and read back when asked for (lazy loading of prepared pages).
#include <QList>
#include <QString>

#include <memory>
#include <stdexcept>

class QIODevice;

// "Invalid file format": the only error the reader raises.
class TrpInvalidXMLException : public std::runtime_error {
 public:
  TrpInvalidXMLException();
};

class TrpXMLDocument;
struct TrpXMLBackingStream;

class TrpXMLItem {
 public:
  TrpXMLItem();
  ~TrpXMLItem();  // frees the children and leaves the parent's list
  TrpXMLItem(const TrpXMLItem&) = delete;
  TrpXMLItem& operator=(const TrpXMLItem&) = delete;

  // --- children ---
  TrpXMLItem* Add();
  TrpXMLItem* Add(const QString& name);
  void AddItem(TrpXMLItem* item);                 // takes the item from its old parent
  void InsertItem(int index, TrpXMLItem* item);   // likewise
  void Clear();                                   // frees all children; an unloadable item becomes unloaded
  int Count() const { return FItems.size(); }
  TrpXMLItem* Items(int index) const { return FItems.at(index); }
  int IndexOf(const TrpXMLItem* item) const;
  int Find(const QString& name) const;            // first child with that name (any case), or -1
  TrpXMLItem* FindItem(const QString& name);      // that child, created when absent
  TrpXMLItem* Parent() const { return FParent; }
  TrpXMLItem* Root();

  // --- attributes (searched in Text) ---
  QString Prop(const QString& name) const;
  void SetProp(const QString& name, const QString& value);
  bool PropExists(const QString& name) const;
  void DeleteProp(const QString& name);

  // --- plain fields ---
  const QString& Name() const { return FName; }
  void SetName(const QString& name) { FName = name; }
  const QString& Text() const { return FText; }
  void SetText(const QString& text) { FText = text; }
  const QString& Value() const { return FValue; }
  void SetValue(const QString& value) { FValue = value; }
  void* Data() const { return FData; }
  void SetData(void* data) { FData = data; }
  bool Loaded() const { return FLoaded; }
  bool Unloadable() const { return FUnloadable; }
  void SetUnloadable(bool unloadable) { FUnloadable = unloadable; }
  qint64 Offset() const { return FOffset; }

 private:
  friend class TrpXMLDocument;
  friend class TrpXMLReader;
  friend class TrpXMLWriter;

  // Locates attribute `name` in FText: the start of its name and the index just past its closing
  // quote. Returns false when absent.
  bool LocateProp(const QString& name, int* start, int* valueStart, int* end) const;
  void DetachFromParent();

  QString FName;
  QString FText;
  QString FValue;
  QList<TrpXMLItem*> FItems;
  TrpXMLItem* FParent = nullptr;
  void* FData = nullptr;
  qint64 FOffset = 0;
  bool FLoaded = true;
  bool FUnloadable = false;
  // The stream this item's subtree was unloaded to (or loaded lazily from). Shared so that an
  // unloaded item keeps reading from its own stream whatever the document loads afterwards.
  std::shared_ptr<TrpXMLBackingStream> FStream;
};

class TrpXMLDocument {
 public:
  TrpXMLDocument();
  ~TrpXMLDocument();
  TrpXMLDocument(const TrpXMLDocument&) = delete;
  TrpXMLDocument& operator=(const TrpXMLDocument&) = delete;

  TrpXMLItem* Root() { return &FRoot; }
  bool AutoIndent() const { return FAutoIndent; }
  void SetAutoIndent(bool on) { FAutoIndent = on; }
  const QString& TempDir() const { return FTempDir; }
  void SetTempDir(const QString& dir) { FTempDir = dir; }
  bool OldVersion() const { return FOldVersion; }

  // Reads the header and the root element. With partial loading the children of elements written
  // with ld="0" are not kept, and the document takes ownership of `stream` to read them later;
  // otherwise the caller keeps the stream.
  void LoadFromStream(QIODevice* stream, bool allowPartialLoading = false);
  // With partial loading, the children of elements named `name` are read on demand too (their
  // tags at once, their content by LoadItem), and written back as they were.
  void SetLazyChildrenOf(const QString& name) { FLazyChildrenOf = name; }
  void SaveToStream(QIODevice* stream);
  void LoadFromFile(const QString& fileName);   // partial loading on
  void SaveToFile(const QString& fileName);     // written whole (TscWholeFile), then loaded again

  void UnloadItem(TrpXMLItem* item);
  void LoadItem(TrpXMLItem* item);
  void Clear();

 private:
  void DropBackingStream();
  void ResetRoot();
  // Gives every unloaded element of the tree the stream it is to be read back from.
  static void AttachBackingStream(TrpXMLItem* item, const std::shared_ptr<TrpXMLBackingStream>& stream);
  std::shared_ptr<TrpXMLBackingStream> TempStream();

  TrpXMLItem FRoot;
  bool FAutoIndent = false;
  QString FTempDir;
  bool FOldVersion = false;
  std::shared_ptr<TrpXMLBackingStream> FTempStream;    // private temporary file for unloaded subtrees
  std::shared_ptr<TrpXMLBackingStream> FLoadedStream;  // the stream a partial load reads from
  QString FLazyChildrenOf;
};
