#pragma once
// The object serializer: report objects to XML elements and back, driven by each class's property
// descriptors. It writes and reads report-definition files, single objects as one-line strings,
// and is the object streamer that report objects reach for SaveToStream / LoadFromStream.
#include "report/objects/object_attributes.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class QIODevice;
class TrpComponent;
class TrpPersistent;
class TrpXMLItem;

class TrpXMLSerializer {
 public:
  explicit TrpXMLSerializer(QIODevice* stream = nullptr) : FStream(stream) {}

  // The report against which names are resolved; the root's report when not set.
  TrpComponent* Owner = nullptr;
  // Messages collected while reading: sorted, each once.
  QStringList Errors() const { return FErrors; }
  bool SerializeDefaultValues = false;
  bool HandleNestedProperties = true;
  bool SaveAncestorOnly = false;
  bool OldFormat = false;
  // Supplies the ancestor of an object (report inheritance); none by default.
  std::function<TrpComponent*(const TrpComponent&)> OnGetAncestor;
  std::function<void(TrpXMLItem&)> OnSaveCustomDataEvent;
  std::function<void(const TrpXMLItem&)> OnGetCustomDataEvent;

  // Writes `root` (with its tree when `saveChildren`) into `item`, or, without one, as a whole
  // indented document to the stream.
  void WriteRootComponent(const TrpComponent& root, bool saveChildren = true, bool streaming = false,
                          TrpXMLItem* item = nullptr);
  // Reads into `root` from `item`, or from a document read from the stream; then assigns the
  // references and runs every object's Loaded step.
  void ReadRootComponent(TrpComponent& root, const TrpXMLItem* item = nullptr);

  QString ObjToXML(const TrpPersistent& object, const QString& prefix = {},
                   const TrpPersistent* ancestor = nullptr);
  void XMLToObj(const QString& text, TrpPersistent& object);
  void ApplyAttributes(TrpAttributeList& attributes, TrpPersistent& object);

  // The class name followed by the attribute text; WriteComponent writes it as "<.../>".
  QString WriteComponentStr(const TrpComponent& object);
  void WriteComponent(const TrpComponent& object);
  // A new object from "ClassName attributes", owned by `root`; none for an empty text or an
  // unknown class (the message goes to Errors).
  TrpComponent* ReadComponentStr(TrpComponent* root, const QString& text, bool dontFixup = false);
  // The same for a text already read: the class name and attribute lists applied in turn.
  TrpComponent* ReadComponentAttributes(TrpComponent* root, const QString& className,
                                        std::initializer_list<TrpAttributeList*> attributes, bool dontFixup = false);
  TrpComponent* ReadComponent(TrpComponent* root);
  void ReadPersistentStr(TrpComponent* root, TrpPersistent& object, const QString& text);

  void CopyFixupList(QList<TrpFixup>& list) const { list += FFixups; }

 private:
  void WriteItem(const TrpComponent& object, TrpXMLItem& item, bool isRoot, bool saveChildren);
  void ReadItem(const TrpXMLItem& element, TrpComponent* parent, TrpComponent* root);
  void AddError(const QString& message);
  void FixupReferences(TrpComponent* scope);
  void FinishLoading();
  const TrpComponent* AncestorOf(const TrpComponent& object) const;

  QIODevice* FStream;
  QStringList FErrors;
  QList<TrpFixup> FFixups;
  QList<TrpComponent*> FLoaded;
};

// Installs the XML serializer as the object streamer of report objects (once per process).
void rpInstallXMLSerializer();
