// Inheritance from an ancestor report file (ParentReport): the ancestor is loaded on its own, and
// this report receives copies of its objects marked inherited. A report file of a descendant
// then holds "inherited" elements with only what differs from the ancestor, and its own objects
// in full; reading it applies those differences to the copies.
#include <QDir>
#include <QFileInfo>

#include "report/component/report.h"
#include "report/memo/styles.h"
#include "report/objects/class_info.h"
#include "report/objects/class_registry.h"
#include "report/objects/property_descriptor.h"
#include "report/objects/report_error.h"
#include "report/objects/variables.h"
#include "report/options/engine_options.h"
#include "report/options/report_options.h"

namespace {

// The ancestor files being loaded on this thread, innermost last: a report that inherits from
// itself, directly or through others, would otherwise load without end.
thread_local QStringList loadingAncestors;

class AncestorLoadGuard {
 public:
  explicit AncestorLoadGuard(const QString& path) : FPath(path) {
    if (loadingAncestors.contains(path))
      throw TrpError(QStringLiteral("The report \"%1\" inherits from itself").arg(path));
    loadingAncestors.append(path);
  }
  ~AncestorLoadGuard() { loadingAncestors.removeLast(); }
  AncestorLoadGuard(const AncestorLoadGuard&) = delete;
  AncestorLoadGuard& operator=(const AncestorLoadGuard&) = delete;

 private:
  QString FPath;
};

// An absolute name: a drive letter, a network share ("\\server"), or an absolute path here.
bool isAbsoluteReportName(const QString& name) {
  return (name.size() > 1 && name[1] == u':') || name.startsWith(QLatin1String("\\\\")) ||
         QDir::isAbsolutePath(name);
}

QString identityOf(const QString& path) {
  const QFileInfo info(path);
  const QString canonical = info.canonicalFilePath();
  return canonical.isEmpty() ? info.absoluteFilePath() : canonical;
}

// The objects of `root`'s tree whose parent is not itself inherited: freeing them frees the rest.
QList<TrpComponent*> topInherited(const TrpComponent& root) {
  QList<TrpComponent*> result;
  for (TrpComponent* object : root.AllObjects()) {
    const bool inherited = object->ComponentState().Has(TrpComponentState::Ancestor);
    const TrpComponent* parent = object->Parent();
    if (inherited && !(parent && parent->ComponentState().Has(TrpComponentState::Ancestor))) result.append(object);
  }
  return result;
}

// Takes a copy of every item of the ancestor's `from` that `to` lacks, and marks every item of
// the ancestor's names inherited: a descendant's file then holds only what differs from them.
template <class Collection>
void inheritItems(Collection& to, const Collection& from) {
  for (int i = 0; i < from.Count(); ++i) {
    const auto* theirs = from.Items(i);
    auto* mine = to.Find(theirs->Name());
    if (!mine) {
      mine = to.Add();
      mine->Assign(*theirs);
    }
    mine->SetInherited(true);
  }
}

// Removes the items a report took over from its ancestor.
template <class Collection>
void dropInherited(Collection& collection) {
  for (int i = collection.Count() - 1; i >= 0; --i)
    if (collection.Items(i)->Inherited()) collection.Delete(i);
}

}  // namespace

QString TrpReport::ResolveParentReport(const QString& name) const {
  if (isAbsoluteReportName(name)) return name;
  QStringList candidates;
  if (!FFileName.isEmpty()) candidates << QFileInfo(FFileName).absoluteDir().filePath(name);
  candidates << GetApplicationFolder() + name;
  for (const QString& candidate : candidates)
    if (QFileInfo(candidate).isFile()) return candidate;
  return candidates.first();
}

void TrpReport::SetParentReport(const QString& value) {
  if (value == FParentReport && (value.isEmpty() || FParentReportObject)) return;
  RemoveAncestor();
  FParentReport = value;
  if (value.isEmpty()) return;
  std::unique_ptr<TrpReport> ancestor = LoadAncestor(value);
  InheritFrom(*ancestor);
  FParentReportObject = std::move(ancestor);
}

std::unique_ptr<TrpReport> TrpReport::LoadAncestor(const QString& name) {
  // The definition read back after a run inherits from the ancestor it had before, even if the
  // file has changed or gone meanwhile.
  if (FSpareAncestor && FSpareAncestorName == name) return std::move(FSpareAncestor);
  auto ancestor = std::make_unique<TrpReport>();
  // Its messages are handed on to this report, not shown on their own.
  ancestor->EngineOptions().SetNewSilentMode(simSilent);
  if (OnLoadTemplate && OnLoadTemplate(*ancestor, name)) return ancestor;
  const QString path = ResolveParentReport(name);
  const AncestorLoadGuard guard(identityOf(path));
  if (!ancestor->LoadFromFile(path)) {
    const QString reason = ancestor->Errors().isEmpty() ? QStringLiteral("The file does not exist")
                                                        : ancestor->Errors().join(QLatin1String("; "));
    throw TrpError(QStringLiteral("Cannot load the parent report \"%1\". %2").arg(name, reason));
  }
  for (const QString& error : ancestor->Errors()) AddError(QStringLiteral("%1: %2").arg(name, error));
  return ancestor;
}

void TrpReport::RemoveAncestor() {
  for (TrpComponent* object : topInherited(*this)) delete object;
  dropInherited(*FVariables);
  dropInherited(*FStyles);
  if (FReloading && FParentReportObject) {
    FSpareAncestor = std::move(FParentReportObject);
    FSpareAncestorName = FParentReport;
  }
  FParentReportObject.reset();
  FParentReport.clear();
}

void TrpReport::InheritFrom(const TrpReport& ancestor) {
  // While a file is read, its own report attributes follow and override these.
  CopyReportProperties(ancestor);
  inheritItems(*FVariables, *ancestor.FVariables);
  inheritItems(*FStyles, *ancestor.FStyles);
  // Every object first, then their properties, so references between them find their targets.
  QList<QPair<const TrpComponent*, TrpComponent*>> copies;
  const std::function<void(const TrpComponent&, TrpComponent&)> copyChildren =
      [&](const TrpComponent& from, TrpComponent& to) {
        for (const TrpComponent* child : from.Objects()) {
          const TrpFactory create = child->ClassInfo().Factory();
          if (!create) continue;
          TrpComponent* copy = create(&to);
          if (copy->Parent() != &to) copy->SetParent(&to);
          // An own object of this report that has the name gives it up to the inherited one.
          if (TrpComponent* own = FindObject(child->Name()); own && own != copy) own->CreateUniqueName();
          copy->SetName(child->Name());
          copies.append({child, copy});
          copyChildren(*child, *copy);
        }
      };
  copyChildren(ancestor, *this);
  for (const auto& [from, copy] : copies) {
    copy->Assign(*from);
    copy->SetComponentState(TrpComponentState::Ancestor, true);
  }
}

void TrpReport::CopyReportProperties(const TrpReport& ancestor) {
  // The hosting program's settings stay this report's (as a load keeps them), and so does the
  // protection: inheriting must not put the ancestor's password on this report.
  static const QStringList programSettings = {"ParentReport", "EngineOptions", "PreviewOptions", "IniFile",
                                              "OldStyleProgress", "ShowProgress", "StoreInDFM"};
  const QString password = FReportOptions->Password();
  const QString hiddenPassword = FReportOptions->HiddenPassword();
  const QString prevPassword = FReportOptions->PrevPassword();
  for (const TrpPropertyDescriptor& p : ClassInfo().Properties()) {
    if (programSettings.contains(QLatin1String(p.Name)) || !p.IsStored(ancestor)) continue;
    if (p.Kind == TrpPropertyKind::Object) {
      TrpPersistent* mine = p.Object(*this);
      const TrpPersistent* theirs = p.Object(ancestor);
      if (mine && theirs) mine->Assign(*theirs);
    } else if (p.Kind != TrpPropertyKind::Reference && !p.IsReadOnly()) {
      p.Set(*this, p.Get(ancestor));
    }
  }
  FReportOptions->SetPassword(password);
  FReportOptions->SetHiddenPassword(hiddenPassword);
  FReportOptions->SetPrevPassword(prevPassword);
}

const TrpComponent* TrpReport::AncestorOf(const TrpComponent& object) const {
  if (!FParentReportObject) return nullptr;
  if (&object == this) return FParentReportObject.get();
  if (!object.ComponentState().Has(TrpComponentState::Ancestor)) return nullptr;
  return FParentReportObject->FindObject(object.Name());
}
