#include "report/objects/component.h"

#include <QIODevice>

#include "report/objects/class_info.h"
#include "report/objects/custom_report.h"
#include "report/objects/float_text.h"
#include "report/objects/object_streamer.h"
#include "report/objects/property_access.h"
#include "report/objects/report_error.h"

namespace {

// A class the tree asks about by name (hashed on first use: objects may be made while other
// files' statics are set up).
const TrpClassName& dialogPageClass() {
  static const TrpClassName name("TrpDialogPage");
  return name;
}

}  // namespace

TrpComponent::TrpComponent(TrpComponent* owner) : FFont(std::make_unique<TrpFont>()) {
  // Objects created inside a report are owned by the report, whatever their depth.
  if (owner) {
    if (TrpCustomReport* report = owner->Report()) report->InsertComponent(this);
  }
  FFont->SetOnChange([this] { FontChanged(); });
  SetParentFont(true);  // no parent yet: only the flag
  if (owner) SetParent(owner);
}

TrpComponent::~TrpComponent() {
  FState.Include(TrpComponentState::Destroying);
  FFont->SetOnChange({});
  SetParent(nullptr);
  Clear();
  FreeChildren();
  while (!FComponents.isEmpty()) delete FComponents.last();
  if (FOwner) {
    // Let the owner's other objects forget references to this one, unless they all go anyway.
    if (!FOwner->FState.Has(TrpComponentState::Destroying)) {
      FOwner->Notification(this);
      for (TrpComponent* c : FOwner->FComponents)
        if (c != this) c->Notification(this);
    }
    FOwner->RemoveComponent(this);
  }
}

const TrpClassInfo& TrpComponent::ClassInfo() const { return StaticClassInfo(); }

void TrpComponent::InsertComponent(TrpComponent* component) {
  component->FOwner = this;
  FComponents.append(component);
}

void TrpComponent::RemoveComponent(TrpComponent* component) {
  FComponents.removeOne(component);
  component->FOwner = nullptr;
}

TrpComponent* TrpComponent::FindComponent(const QString& name) const {
  if (name.isEmpty()) return nullptr;
  for (TrpComponent* c : FComponents)
    if (rpSameName(c->FName, name)) return c;
  return nullptr;
}

void TrpComponent::SetComponentState(TrpComponentState state, bool on) {
  if (on)
    FState.Include(state);
  else
    FState.Exclude(state);
}

// --- tree ----------------------------------------------------------------------------------------

void TrpComponent::SetParent(TrpComponent* parent) {
  if (parent == FParent) return;
  for (const TrpComponent* p = parent; p; p = p->FParent)
    if (p == this) throw TrpError(QStringLiteral("An object cannot be placed inside itself"));
  if (FParent) FParent->FObjects.removeOne(this);
  if (parent) parent->FObjects.append(this);
  FParent = parent;
  // An object that follows its parent's font takes the new parent's font at once.
  if (FParent) SetParentFont(FParentFont);
}

QList<TrpComponent*> TrpComponent::AllObjects() const {
  QList<TrpComponent*> result;
  const std::function<void(const TrpComponent*)> collect = [&](const TrpComponent* node) {
    for (TrpComponent* child : node->FObjects) {
      result.append(child);
      collect(child);
    }
  };
  collect(this);
  return result;
}

TrpComponent* TrpComponent::Page() const {
  for (const TrpComponent* c = this; c; c = c->FParent)
    if (TrpComponent* page = c->AsPage()) return page;
  return nullptr;
}

// Asked for every shown object, past the band and the page on the way up.
TrpCustomReport* TrpComponent::Report() const {
  for (const TrpComponent* c = this; c; c = c->FParent)
    if (TrpCustomReport* report = c->AsReport()) return report;
  return nullptr;
}

void TrpComponent::Clear() {
  qsizetype i = 0;
  while (i < FObjects.size()) {
    TrpComponent* child = FObjects[i];
    if (child->FState.Has(TrpComponentState::Ancestor)) {
      child->Clear();
      ++i;
    } else {
      delete child;  // leaves the list, so the walk stays at i
    }
  }
}

// Used by the destructor: Clear keeps inherited children, but a freed parent must not leave
// children pointing at it.
void TrpComponent::FreeChildren() {
  while (!FObjects.isEmpty()) delete FObjects.last();
}

// --- geometry ------------------------------------------------------------------------------------

void TrpComponent::SetLeft(Extended value) {
  if (FIsDesigning && FRestrictions.Has(rfDontMove)) return;
  FLeft = value;
}

void TrpComponent::SetTop(Extended value) {
  if (FIsDesigning && FRestrictions.Has(rfDontMove)) return;
  FTop = value;
}

void TrpComponent::SetWidth(Extended value) {
  if (FIsDesigning && FRestrictions.Has(rfDontSize)) return;
  FWidth = value;
}

void TrpComponent::SetHeight(Extended value) {
  if (FIsDesigning && FRestrictions.Has(rfDontSize)) return;
  FHeight = value;
}

void TrpComponent::SetBounds(Extended left, Extended top, Extended width, Extended height) {
  SetLeft(left);
  SetTop(top);
  SetWidth(width);
  SetHeight(height);
}

// A dialog page is a window of its own: objects on it are placed relative to it alone.
Extended TrpComponent::AbsLeft() const {
  if (FParent && !FParent->InheritsFrom(dialogPageClass())) return FLeft + FParent->AbsLeft();
  return FLeft;
}

Extended TrpComponent::AbsTop() const {
  if (FParent && !FParent->InheritsFrom(dialogPageClass())) return FTop + FParent->AbsTop();
  return FTop;
}

// --- font ----------------------------------------------------------------------------------------

void TrpComponent::SetFont(const TrpFont& font) {
  FFont->Assign(font);
  FParentFont = false;
}

void TrpComponent::SetParentFont(bool value) {
  if (value && FParent) SetFont(*FParent->Font());
  FParentFont = value;
}

void TrpComponent::FontChanged() {
  FParentFont = false;
  for (TrpComponent* child : FObjects)
    if (child->FParentFont) child->SetParentFont(true);
}

// --- copying ---------------------------------------------------------------------------------------

void TrpComponent::Assign(const TrpPersistent& source) {
  const auto* component = dynamic_cast<const TrpComponent*>(&source);
  if (!component || component == this) return;
  // References are resolved by name in this object's report, as a report file would be read.
  TrpCustomReport* report = Report();
  rpCopyProperties(source, *this, [report](TrpPersistent* reference) -> TrpPersistent* {
    auto* target = dynamic_cast<TrpComponent*>(reference);
    if (!target || !report || target->Report() == report) return reference;
    return report->FindObject(target->Name());
  });
}

// The copies keep the source children's names where this object's report has them free, and
// get fresh unique names otherwise, so copying within one report never renames or moves the
// source's objects. A tree cannot take a copy of itself: copying between an object and one of
// its own ancestors or descendants is refused.
void TrpComponent::AssignAll(const TrpComponent& source) {
  if (&source == this) return;
  const auto isAncestorOf = [](const TrpComponent* a, const TrpComponent* b) {
    for (const TrpComponent* p = b->FParent; p; p = p->FParent)
      if (p == a) return true;
    return false;
  };
  if (isAncestorOf(&source, this) || isAncestorOf(this, &source))
    throw TrpError(QStringLiteral("An object cannot be copied into its own tree"));
  Assign(source);
  Clear();
  for (const TrpComponent* child : source.FObjects) {
    const TrpFactory create = child->ClassInfo().Factory();
    if (!create) continue;
    TrpComponent* copy = create(this);
    if (copy->FParent != this) copy->SetParent(this);
    copy->AssignAll(*child);
    const QString& name = child->Name();
    if (name.isEmpty()) continue;
    const TrpCustomReport* report = Report();
    const bool taken = report && (report->FindObject(name) || report->FindComponent(name));
    if (taken)
      copy->CreateUniqueName();
    else
      copy->SetName(name);
  }
}

// --- streaming -----------------------------------------------------------------------------------

namespace {
TrpObjectStreamer& streamer() {
  TrpObjectStreamer* s = rpObjectStreamer();
  if (!s) throw TrpError(QStringLiteral("No report serializer is installed"));
  return *s;
}
}  // namespace

void TrpComponent::LoadFromStream(QIODevice& stream) {
  TrpObjectStreamer& s = streamer();
  if (!FAncestorOnlyStream) Clear();
  const QStringList errors = s.LoadComponent(*this, stream);
  if (TrpCustomReport* report = Report()) report->AddErrors(errors);
}

void TrpComponent::SaveToStream(QIODevice& stream, bool saveChildren, bool saveDefaultValues,
                                bool streaming) const {
  streamer().SaveComponent(*this, stream, saveChildren, saveDefaultValues, streaming);
}

QString TrpComponent::AllDiff(const TrpComponent* other) const {
  const QString text = streamer().WriteComponentStr(*this);
  const qsizetype blank = text.indexOf(u' ');
  QString result = blank < 0 ? QString() : text.mid(blank + 1);
  if (result.endsWith(QLatin1String("/>"))) result.chop(2);
  if (other) result += u' ' + InternalDiff(*other);
  // The band that carries a page's loose objects is placed by position alone.
  static const TrpClassName nullBand("TrpNullBand");
  if (InheritsFrom(nullBand))
    result += QStringLiteral(" l=\"%1\" t=\"%2\"").arg(rpFloatToStr(Left()), rpFloatToStr(Top()));
  return result;
}

// --- hooks ---------------------------------------------------------------------------------------

void TrpComponent::Loaded() {
  FIsLoading = false;
  FState.Exclude(TrpComponentState::Loading);
}

QString TrpComponent::GetDescription() const { return ClassName(); }

void TrpComponent::GetChildren(const std::function<void(TrpComponent*)>& proc) const {
  for (TrpComponent* child : FObjects) proc(child);
}

TrpComponent* rpDesignCreate(const TrpClassInfo& cls, TrpComponent* owner, int flags) {
  const TrpFactory create = cls.Factory();
  if (!create) return nullptr;
  TrpComponent* object = create(owner);
  object->SetIsDesigning(true);
  object->DesignCreate(flags);
  return object;
}
