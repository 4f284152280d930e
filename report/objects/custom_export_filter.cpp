#include "report/objects/custom_export_filter.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace {

struct Entry {
  QString ClassName;
  TrpExportFilterClass Maker;
};

std::vector<Entry>& registry() {
  static std::vector<Entry> entries;
  return entries;
}

std::vector<Entry>::iterator find(const QString& className) {
  auto& entries = registry();
  return std::find_if(entries.begin(), entries.end(), [&](const Entry& e) { return e.ClassName == className; });
}

}  // namespace

void rpRegisterExportFilter(const QString& className, TrpExportFilterClass maker) {
  if (const auto found = find(className); found != registry().end())
    found->Maker = std::move(maker);
  else
    registry().push_back({className, std::move(maker)});
}

void rpUnregisterExportFilter(const QString& className) {
  if (const auto found = find(className); found != registry().end()) registry().erase(found);
}

QList<QString> rpExportFilterClasses() {
  QList<QString> names;
  for (const Entry& e : registry()) names.append(e.ClassName);
  return names;
}

std::unique_ptr<TrpCustomExportFilter> rpCreateExportFilter(const QString& className) {
  const auto found = find(className);
  return found == registry().end() || !found->Maker ? nullptr : found->Maker();
}
