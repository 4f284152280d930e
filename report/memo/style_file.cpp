// Style files: reading into a new collection first, so that a damaged or clashing file leaves the
// report's styles as they were.
#include <QBuffer>
#include <QFile>

#include "report/memo/styles.h"
#include "report/objects/object_attributes.h"
#include "report/objects/report_error.h"
#include "report/xml/xml_document.h"
#include "script_engine/files/whole_file.h"

namespace {

const QString kRoot = QStringLiteral("style");
const QString kItem = QStringLiteral("item");

bool named(const TrpXMLItem& item, const QString& name) {
  return item.Name().compare(name, Qt::CaseInsensitive) == 0;
}

}  // namespace

void TrpStyles::LoadFromStream(QIODevice& stream) {
  TrpXMLDocument document;
  document.LoadFromStream(&stream);
  const TrpXMLItem& root = *document.Root();
  if (!named(root, kRoot))
    throw TrpError(QStringLiteral("Invalid file format: the document holds \"%1\", not styles").arg(root.Name()));
  TrpStyles loaded(FReport);
  QStringList errors;
  for (int i = 0; i < root.Count(); ++i) {
    const TrpXMLItem& child = *root.Items(i);
    if (named(child, kItem)) rpXMLToObj(child.Text(), *loaded.Add(), &errors, nullptr, document.OldVersion());
  }
  if (!errors.isEmpty()) throw TrpError(errors.join(u'\n'));
  FName = root.Prop(QStringLiteral("Name"));
  TakeItems(loaded);
  Apply();
}

void TrpStyles::LoadFromFile(const QString& fileName) {
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly))
    throw TrpError(QStringLiteral("Cannot open file \"%1\". %2").arg(fileName, file.errorString()));
  LoadFromStream(file);
}

void TrpStyles::SaveToStream(QIODevice& stream) const {
  TrpXMLDocument document;
  document.SetAutoIndent(true);
  TrpXMLItem& root = *document.Root();
  root.SetName(kRoot);
  root.SetProp(QStringLiteral("Name"), FName);
  for (int i = 0; i < Count(); ++i) root.Add(kItem)->SetText(rpObjToXML(*Items(i)).trimmed());
  document.SaveToStream(&stream);
}

void TrpStyles::SaveToFile(const QString& fileName) const {
  QString error;
  const auto write = [this](QIODevice& file) { SaveToStream(file); };
  if (!scWriteWholeFile(fileName, write, error))
    throw TrpError(QStringLiteral("Cannot write file \"%1\". %2").arg(fileName, error));
}
