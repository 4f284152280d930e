#pragma once
// The script engine's own small XML tree, used for grammar documents and for the intermediate form
// of compiled scripts.
//
// An item has a name, a raw attribute text (everything in its tag after the name, kept exactly as
// written), children and a parent. Attribute values are found in the raw text on demand. Text
// between tags is ignored. Loading, saving and freeing work without recursion, so a document of
// any depth is safe to handle.
#include <QByteArray>
#include <QString>

#include <vector>

class QIODevice;

// Attribute value encoding: LF, CR, '"', '&', '<' and '>' become "&#code;" (an "&quot;" already
// in the text becomes "&#34;"); decoding turns "&#code;" and "&quot;" back into characters and
// leaves every other "&" as it stands.
QString scStrToXML(const QString& s);
QString scXMLToStr(const QString& s);

// Told when the item it watches is freed (a script's object for the item, see the XML classes).
class TscXMLItemWatcher {
 public:
  virtual void ItemGone() = 0;

 protected:
  ~TscXMLItemWatcher() = default;
};

class TscXMLItem {
 public:
  TscXMLItem() = default;
  explicit TscXMLItem(const QString& name) : FName(name) {}
  ~TscXMLItem();  // frees the subtree
  TscXMLItem(const TscXMLItem&) = delete;
  TscXMLItem& operator=(const TscXMLItem&) = delete;

  const QString& Name() const { return FName; }
  void SetName(const QString& name) { FName = name; }
  const QString& Text() const { return FText; }  // the raw attribute text
  void SetText(const QString& text) { FText = text; }
  TscXMLItem* Parent() const { return FParent; }
  TscXMLItemWatcher* Watcher() const { return FWatcher; }
  void SetWatcher(TscXMLItemWatcher* watcher) { FWatcher = watcher; }

  int Count() const { return static_cast<int>(FItems.size()); }
  TscXMLItem* Items(int index) const { return FItems.at(static_cast<std::size_t>(index)); }
  TscXMLItem* Add(const QString& name = QString());
  void InsertItem(int index, TscXMLItem* item);  // takes ownership
  TscXMLItem* Take(int index);                    // releases ownership
  void Delete(int index);
  void Clear();
  // A deep copy of source's name, attributes and children replaces this item's.
  void Assign(const TscXMLItem& source);

  // First child whose name equals name regardless of case, or -1.
  int Find(const QString& name) const;
  // That child, appended empty when there is none.
  TscXMLItem* FindItem(const QString& name);

  // Decoded value of  name="..."  in the raw text (name compared regardless of case), or empty.
  QString Prop(const QString& name) const;
  bool PropExists(const QString& name) const;
  void SetProp(const QString& name, const QString& value);

 private:
  int propValueStart(const QString& name) const;

  QString FName;
  QString FText;
  TscXMLItem* FParent = nullptr;
  TscXMLItemWatcher* FWatcher = nullptr;
  std::vector<TscXMLItem*> FItems;  // owned
};

class TscXMLDocument {
 public:
  TscXMLDocument();
  ~TscXMLDocument();
  TscXMLDocument(const TscXMLDocument&) = delete;
  TscXMLDocument& operator=(const TscXMLDocument&) = delete;

  TscXMLItem* Root() const { return FRoot; }
  void Clear();  // an empty root without name

  // With automatic indentation every tag stands on its own line, two spaces per level.
  bool AutoIndent() const { return FAutoIndent; }
  void SetAutoIndent(bool on) { FAutoIndent = on; }

  QString SaveToString() const;
  QByteArray SaveToUtf8() const { return SaveToString().toUtf8(); }
  void SaveToStream(QIODevice& device) const;
  void SaveToFile(const QString& fileName) const;

  // Each raises ScriptError("Invalid file format") on malformed text.
  void LoadFromString(const QString& text);
  void LoadFromUtf8(const QByteArray& bytes) { LoadFromString(QString::fromUtf8(bytes)); }
  void LoadFromStream(QIODevice& device);
  void LoadFromFile(const QString& fileName);

 private:
  TscXMLItem* FRoot;
  bool FAutoIndent = true;
};
