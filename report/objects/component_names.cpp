// Names of report objects: renaming rules, generated names and lookup by name.
#include <QSet>

#include "report/objects/component.h"
#include "report/objects/custom_report.h"
#include "report/objects/report_error.h"
#include "report/res/format_text.h"
#include "report/res/resources.h"

namespace {

char16_t asciiLower(char16_t c) { return (c >= u'A' && c <= u'Z') ? c + (u'a' - u'A') : c; }

QString asciiLower(const QString& s) {
  QString result = s;
  for (QChar& c : result) c = QChar(asciiLower(c.unicode()));
  return result;
}

bool isIdentStart(QChar c) {
  const char16_t u = c.unicode();
  return (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') || u == u'_';
}

bool isIdentChar(QChar c) { return isIdentStart(c) || (c >= u'0' && c <= u'9'); }

bool isValidIdent(const QString& name) {
  if (name.isEmpty() || !isIdentStart(name[0])) return false;
  for (QChar c : name)
    if (!isIdentChar(c)) return false;
  return true;
}

}  // namespace

bool rpSameName(const QString& a, const QString& b) {
  if (a.size() != b.size()) return false;
  for (qsizetype i = 0; i < a.size(); ++i)
    if (asciiLower(a[i].unicode()) != asciiLower(b[i].unicode())) return false;
  return true;
}

TrpComponent* TrpComponent::FindObject(const QString& name) const {
  for (TrpComponent* c : AllObjects())
    if (rpSameName(c->Name(), name)) return c;
  return nullptr;
}

void TrpComponent::SetName(const QString& name) {
  if (name == FName) return;
  // A change of letter case only cannot clash with another object: it is taken as it is.
  if (!rpSameName(name, FName)) {
    if (!name.isEmpty()) {
      if (const TrpCustomReport* report = Report()) {
        const TrpComponent* other = report->FindObject(name);
        if (other && other != this) throw TrpError(rpResources()->Get(QStringLiteral("prDupl")));
        if (IsAncestor())
          throw TrpError(rpFormat(rpResources()->Get(QStringLiteral("clCantRen")), {FName}));
      }
      if (!isValidIdent(name))
        throw TrpError(QStringLiteral("''%1'' is not a valid component name").arg(name));
      if (FOwner) {
        const TrpComponent* other = FOwner->FindComponent(name);
        if (other && other != this)
          throw TrpError(QStringLiteral("A component named %1 already exists").arg(name));
      }
    }
  } else if (IsAncestor() && Report()) {
    throw TrpError(rpFormat(rpResources()->Get(QStringLiteral("clCantRen")), {FName}));
  }
  FName = name;
}

QString TrpComponent::BaseName() const {
  if (!FBaseName.isEmpty()) return FBaseName;
  QString name = ClassName();
  const qsizetype trp = name.indexOf(QLatin1String("Trp"));
  if (trp >= 0) name.remove(trp, 3);
  const qsizetype view = name.indexOf(QLatin1String("View"));
  if (view >= 0) name.remove(view, 4);
  return name;
}

void TrpComponent::CreateUniqueName() {
  // Names in use: every object of the report (or, outside a report, under the parent), and every
  // object the owner holds, since the owner refuses a name twice as well.
  QSet<QString> used;
  const TrpComponent* scope = Report();
  if (!scope) scope = FParent;
  if (scope)
    for (const TrpComponent* c : scope->AllObjects()) used.insert(asciiLower(c->Name()));
  if (FOwner)
    for (const TrpComponent* c : FOwner->FComponents) used.insert(asciiLower(c->Name()));
  const QString base = BaseName();
  for (int i = 1;; ++i) {
    const QString candidate = base + QString::number(i);
    if (!used.contains(asciiLower(candidate))) {
      SetName(candidate);
      return;
    }
  }
}
