#pragma once
// TrpComponent: every element of a report definition. Objects form a tree (Parent, Objects);
// independently of the tree, every object created with a report object as owner is owned by
// (and freed with) the report at the root of that owner's tree.
#include <QList>
#include <QString>

#include <functional>
#include <memory>

#include "report/objects/align.h"
#include "report/objects/component_state.h"
#include "report/objects/persistent.h"
#include "report/objects/report_font.h"
#include "report/units/report_units.h"

class QIODevice;
class QObject;
class TrpCustomReport;
class TrpDataSetBinding;
class TrpXMLItem;

class TrpComponent : public TrpPersistent {
 public:
  // With a report object as owner the new object is owned by that owner's report (none when the
  // owner has no report) and becomes the owner's last child; without an owner the caller frees
  // it. Constructors run TrpComponent's own SetParent and SetParentFont, not overrides.
  explicit TrpComponent(TrpComponent* owner);
  // Leaves the parent, frees the children and every owned object, then leaves the owner.
  ~TrpComponent() override;

  static const TrpClassInfo& StaticClassInfo();
  const TrpClassInfo& ClassInfo() const override;

  // --- ownership -------------------------------------------------------------------------------
  TrpComponent* Owner() const { return FOwner; }
  const QList<TrpComponent*>& Components() const { return FComponents; }  // creation order
  int ComponentCount() const { return static_cast<int>(FComponents.size()); }
  // An owned object by name, ignoring ASCII case; none when absent or `name` is empty.
  TrpComponent* FindComponent(const QString& name) const;

  // --- tree ------------------------------------------------------------------------------------
  TrpComponent* Parent() const { return FParent; }
  // Moves the object to the end of `parent`'s children (none: out of the tree). Raises TrpError
  // when `parent` is the object itself or one of its descendants.
  virtual void SetParent(TrpComponent* parent);
  const QList<TrpComponent*>& Objects() const { return FObjects; }
  const QList<TrpComponent*>& ContainerObjects() const { return GetContainerObjects(); }
  virtual const QList<TrpComponent*>& GetContainerObjects() const { return FObjects; }
  // Every descendant, depth first, each child before its own descendants; not the object itself.
  QList<TrpComponent*> AllObjects() const;
  // The first descendant whose name equals `name` ignoring ASCII case; never the object itself.
  TrpComponent* FindObject(const QString& name) const;
  // Nearest page / report up the parent chain, the object itself included.
  TrpComponent* Page() const;
  // Whether this is a text-mode page (its objects snap to the character grid).
  virtual bool IsTextModePage() const { return false; }
  TrpCustomReport* Report() const;
  // Frees the children; a child inherited from an ancestor report stays and is cleared itself.
  virtual void Clear();

  // --- names -----------------------------------------------------------------------------------
  const QString& Name() const { return FName; }
  // Raises TrpError for a name used by another object of the report ("prDupl"), for an object
  // inherited from an ancestor report ("clCantRen"), for an invalid identifier and for a name
  // another component of the owner has; the name is then unchanged.
  virtual void SetName(const QString& name);
  // Names the object BaseName + the smallest positive number no object of its report uses.
  void CreateUniqueName();
  // The prefix of generated names: the class name without "Trp" and "View" unless set.
  QString BaseName() const;
  void SetBaseName(const QString& value) { FBaseName = value; }
  int Tag() const { return FTag; }
  void SetTag(int value) { FTag = value; }

  // --- geometry (report units, relative to the parent) -----------------------------------------
  Extended Left() const { return FLeft; }
  Extended Top() const { return FTop; }
  Extended Width() const { return FWidth; }
  Extended Height() const { return FHeight; }
  // Ignored in a designer instance when Restrictions holds rfDontMove (rfDontSize for sizes).
  virtual void SetLeft(Extended value);
  virtual void SetTop(Extended value);
  virtual void SetWidth(Extended value);
  virtual void SetHeight(Extended value);
  void SetBounds(Extended left, Extended top, Extended width, Extended height);
  // The position summed up the parent chain; an object on a dialog page gives its own.
  Extended AbsLeft() const;
  Extended AbsTop() const;

  // --- font ------------------------------------------------------------------------------------
  TrpFont* Font() const { return FFont.get(); }
  // Copies every attribute of `font`, then clears ParentFont.
  virtual void SetFont(const TrpFont& font);
  bool ParentFont() const { return FParentFont; }
  // True with a parent: takes the parent's font first.
  virtual void SetParentFont(bool value);
  // Runs after every change of Font: clears ParentFont and hands the font to the children that
  // follow their parent's font.
  virtual void FontChanged();

  // --- common properties -----------------------------------------------------------------------
  bool Visible() const { return FVisible; }
  virtual void SetVisible(bool value) { FVisible = value; }
  int GroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(int value) { FGroupIndex = value; }
  TrpRestrictions Restrictions() const { return FRestrictions; }
  void SetRestrictions(TrpRestrictions value) { FRestrictions = value; }
  const QString& Description() const { return FDescription; }
  void SetDescription(const QString& value) { FDescription = value; }
  TrpComponentStyle rpComponentStyle() const { return FComponentStyle; }
  void SetrpComponentStyle(TrpComponentStyle value) { FComponentStyle = value; }
  bool AncestorOnlyStream() const { return FAncestorOnlyStream; }
  void SetAncestorOnlyStream(bool value) { FAncestorOnlyStream = value; }
  const QString& AliasName() const { return FAliasName; }
  void SetAliasName(const QString& value) { FAliasName = value; }

  // --- state -----------------------------------------------------------------------------------
  TrpComponentStates ComponentState() const { return FState; }
  void SetComponentState(TrpComponentState state, bool on);
  bool Ancestor() const { return FAncestor; }
  void SetAncestor(bool value) { FAncestor = value; }
  bool IsAncestor() const { return FAncestor || FState.Has(TrpComponentState::Ancestor); }
  bool IsDesigning() const { return FIsDesigning; }
  void SetIsDesigning(bool value) { FIsDesigning = value; }
  bool IsLoading() const { return FIsLoading || FState.Has(TrpComponentState::Loading); }
  void SetIsLoading(bool value) { FIsLoading = value; }
  bool IsPrinting() const { return FIsPrinting; }
  void SetIsPrinting(bool value) { FIsPrinting = value; }
  bool IsWriting() const { return FIsWriting; }
  void SetIsWriting(bool value) { FIsWriting = value; }
  // Called by the serializer once the whole tree has been read: clears the loading marks.
  virtual void Loaded();

  // Links of a prepared copy to its definition.
  TrpComponent* OriginalComponent() const { return FOriginalComponent; }
  void SetOriginalComponent(TrpComponent* value) { FOriginalComponent = value; }
  TrpComponent* OriginalBand() const { return FOriginalBand; }
  void SetOriginalBand(TrpComponent* value) { FOriginalBand = value; }
  const TrpRect& OriginalRect() const { return FOriginalRect; }

  // --- copying and differences -----------------------------------------------------------------
  // From another report object: every stored published property, defaults included; not the
  // name, not the children (this object keeps its own). Other sources are ignored.
  void Assign(const TrpPersistent& source) override;
  // Assign, and the children replaced by copies of the source's children: a copy keeps the
  // source child's name when this object's report has it free, else gets a unique name. Raises
  // TrpError when one object lies inside the other.
  void AssignAll(const TrpComponent& source);
  // The attributes in which this object differs from `other` (usually its template), as
  // ` name="value"` pairs in the order of the class's difference record.
  QString Diff(const TrpComponent& other) const;
  // The same as a prepared page keeps it: without the blanks around it.
  QString RecordDiff(const TrpComponent& other) const;
  QString InternalDiff(const TrpComponent& other) const;
  // The same over the first `entryCount` entries of the class's record only.
  QString InternalDiff(const TrpComponent& other, size_t entryCount) const;
  // The object's full attribute text (through the installed serializer), followed by its
  // difference from `other` when given.
  QString AllDiff(const TrpComponent* other) const;
  // Hooks of the difference record: bands always record their top; an auto-width text object
  // never records its width.
  virtual bool DiffForcesTop() const;
  // Appends Diff's attributes to `out`; classes with attributes beyond their record add theirs.
  virtual void AppendDiff(const TrpComponent& other, QString& out) const;
  virtual bool DiffSkipsWidth() const { return false; }

  // --- streaming through the serializer (object_streamer.h) ------------------------------------
  // Clears the object first unless AncestorOnlyStream; the serializer's messages go to the
  // report's error list.
  virtual void LoadFromStream(QIODevice& stream);
  virtual void SaveToStream(QIODevice& stream, bool saveChildren = true,
                            bool saveDefaultValues = false, bool streaming = false) const;

  // --- alignment of visual children ------------------------------------------------------------
  virtual void AlignChildren();
  // Overridden by visual objects (TrpView): whether the object takes part in AlignChildren and how.
  virtual bool IsVisualObject() const { return false; }
  virtual TrpAlign Align() const { return baNone; }

  // --- hooks of subclasses, designers and the serializer ---------------------------------------
  // The class name here; subclasses give a caption from the UI string table.
  virtual QString GetDescription() const;
  // Runs after a designer created the object with `flags` (see rpDesignCreate).
  virtual void DesignCreate(int flags) { (void)flags; }
  virtual void AddSourceObjects() {}
  virtual void BeforeStartReport() {}
  virtual void OnNotify(TrpComponent* sender) { (void)sender; }
  virtual void OnPaste() {}
  virtual void WriteNestedProperties(TrpXMLItem& item, const TrpComponent* ancestor) const {
    (void)item, (void)ancestor;
  }
  virtual bool ReadNestedProperty(TrpXMLItem& item) { (void)item; return false; }
  // The data set the object reads (pages, data bands, views), or none for objects without one:
  // the report looks every such name up again after a load and checks it before a run.
  virtual TrpDataSetBinding* DataSetBinding() { return nullptr; }
  virtual bool ContainerAdd(TrpComponent* object) { (void)object; return false; }
  virtual bool ContainerMouseDown(QObject* sender, int x, int y) {
    (void)sender, (void)x, (void)y;
    return false;
  }
  virtual void ContainerMouseMove(QObject* sender, int x, int y) { (void)sender, (void)x, (void)y; }
  virtual void ContainerMouseUp(QObject* sender, int x, int y) { (void)sender, (void)x, (void)y; }
  // Hands each child, in order, to the writer of a window's stored description.
  virtual void GetChildren(const std::function<void(TrpComponent*)>& proc) const;
  TrpComponent* GetChildOwner() { return this; }
  // `removed` is being freed: forget every reference to it. Sent to the owner and every object
  // the owner holds.
  virtual void Notification(TrpComponent* removed) { (void)removed; }

 protected:
  // The object as a report or page, if it is one: Report() and Page() ask every object up the
  // parent chain, several times for each object the engine shows, so the answer is one virtual
  // call, not a class test.
  virtual TrpCustomReport* AsReport() const { return nullptr; }
  virtual TrpComponent* AsPage() const { return nullptr; }

  TrpRect FOriginalRect;

 private:
  void InsertComponent(TrpComponent* component);
  void RemoveComponent(TrpComponent* component);
  void FreeChildren();

  TrpComponent* FOwner = nullptr;
  QList<TrpComponent*> FComponents;
  TrpComponentStates FState;
  QString FName;
  int FTag = 0;

  std::unique_ptr<TrpFont> FFont;
  QList<TrpComponent*> FObjects;
  TrpComponent* FParent = nullptr;
  Extended FLeft = 0;
  Extended FTop = 0;
  Extended FWidth = 0;
  Extended FHeight = 0;
  bool FParentFont = false;
  int FGroupIndex = 0;
  bool FIsDesigning = false;
  bool FIsLoading = false;
  bool FIsPrinting = false;
  bool FIsWriting = false;
  TrpRestrictions FRestrictions;
  bool FVisible = true;
  QString FDescription;
  TrpComponentStyle FComponentStyle{csPreviewVisible};
  bool FAncestorOnlyStream = false;
  QString FAliasName;
  QString FBaseName;
  bool FAncestor = false;
  TrpComponent* FOriginalComponent = nullptr;
  TrpComponent* FOriginalBand = nullptr;
};

// Creates an object of `cls` for a designer: marks it designing and runs its DesignCreate hook.
TrpComponent* rpDesignCreate(const TrpClassInfo& cls, TrpComponent* owner, int flags);

// Compares report object names: ASCII letters without regard to case.
bool rpSameName(const QString& a, const QString& b);
