// The prepared-report file: the document of pages with the report's settings, the source pages,
// the dictionary and the picture cache written beside it; read back with every page number and
// index checked, so that a damaged file is an error and never a crash.
#include "report/store/preview_pages.h"

#include "report/component/report.h"
#include "report/objects/class_registry.h"
#include "report/objects/custom_compressor.h"
#include "report/objects/report_error.h"
#include "report/options/preview_options.h"
#include "report/options/report_options.h"
#include "report/pages/report_page.h"
#include "report/res/resources.h"
#include "report/store/preview_outline.h"
#include "report/store/xml_serializer.h"
#include "report/xml/xml_text.h"
#include "script_engine/files/whole_file.h"

#include <QBuffer>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

const QString kRoot = QStringLiteral("preparedreport");
const QString kReport = QStringLiteral("report");
const QString kSourcePages = QStringLiteral("sourcepages");
const QString kDictionary = QStringLiteral("dictionary");
const QString kPictures = QStringLiteral("picturecache");
const QString kAnchors = QStringLiteral("anchors");

[[noreturn]] void invalid(const QString& what) {
  throw TrpError(QStringLiteral("Invalid file format: ") + what);
}

bool isFullPageName(const QString& name) {
  return name == QLatin1String("TrpReportPage") || name == QLatin1String("TrpDMPPage");
}

std::unique_ptr<TrpReportPage> newSourcePage(const QString& className) {
  TrpComponent* created = rpCreateObject(className == QLatin1String("TrpDMPPage") ? className : QStringLiteral("TrpReportPage"), nullptr);
  if (auto* page = dynamic_cast<TrpReportPage*>(created)) return std::unique_ptr<TrpReportPage>(page);
  delete created;
  return std::make_unique<TrpReportPage>(nullptr);
}

QString boolText(bool value) { return value ? QStringLiteral("1") : QStringLiteral("0"); }

bool textBool(const QString& text) {
  return text == QLatin1String("1") || text.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0;
}

}  // namespace

// --- saving --------------------------------------------------------------------------------------

void TrpPreviewPages::WriteReportElement() {
  TrpXMLItem* element = Element(kReport, true);
  element->Clear();
  TrpXMLItem* item = element->Add(Report().ClassName());
  item->SetProp(QStringLiteral("DotMatrixReport"), boolText(Report().DotMatrixReport()));
  item->SetProp(QStringLiteral("PreviewOptions.OutlineVisible"), boolText(Report().PreviewOptions().OutlineVisible()));
  item->SetProp(QStringLiteral("PreviewOptions.OutlineWidth"), QString::number(Report().PreviewOptions().OutlineWidth()));
  item->SetProp(QStringLiteral("ReportOptions.Name"), Report().ReportOptions().Name());
}

void TrpPreviewPages::WriteSourcePages() {
  TrpXMLItem* element = Element(kSourcePages, true);
  element->Clear();
  for (const auto& page : FSourcePages) {
    TrpXMLItem* item = element->Add();
    TrpXMLSerializer serializer;
    serializer.HandleNestedProperties = false;
    serializer.WriteRootComponent(*page, true, false, item);
    item->SetText((QLatin1String("Name=\"") + rpStrToXML(page->Name()) + QLatin1String("\" ") + item->Text()).trimmed());
    // The paper as the stored description has it (a grown endless page at two decimals).
    const QString description = FDescriptions.value(page.get());
    TrpXMLItem stored;
    stored.SetText(description.mid(description.indexOf(u' ') + 1));
    for (const QString& name : {QStringLiteral("PaperSize"), QStringLiteral("PaperWidth"), QStringLiteral("PaperHeight")})
      if (stored.PropExists(name)) item->SetProp(name, stored.Prop(name));
  }
}

void TrpPreviewPages::WriteDictionary() {
  TrpXMLItem* element = Element(kDictionary, true);
  element->Clear();
  for (const TrpDictionary::Entry& entry : FDictionary.Entries())
    element->Add(entry.Alias)->SetProp(QStringLiteral("name"), entry.SourceName);
}

void TrpPreviewPages::SaveToStream(QIODevice& stream) {
  FDoc.Root()->SetName(kRoot);
  FOutline->Element(true);  // an empty outline is written too, before the report's settings
  WriteReportElement();
  WriteSourcePages();
  WriteDictionary();
  TrpXMLItem* pictures = Element(kPictures, true);
  pictures->Clear();
  FPictureCache.SaveToXML(pictures);
  const TrpCompressorClass& compressor = rpCompressorClass();
  if (compressor && Report().ReportOptions().Compressed()) {
    QBuffer plain;
    plain.open(QIODevice::WriteOnly);
    FDoc.SaveToStream(&plain);
    stream.write(compressor()->Compress(plain.data()));
  } else {
    FDoc.SaveToStream(&stream);
  }
  // What was written for the file alone is not kept twice in memory.
  Element(kSourcePages, true)->Clear();
  Element(kDictionary, true)->Clear();
  pictures->Clear();
}

bool TrpPreviewPages::SaveToFile(const QString& fileName) {
  // Replaces the file only once it is complete; pages still read lazily from the old file keep
  // reading from it (its handle stays open).
  QString error;
  try {
    return scWriteWholeFile(fileName, [this](QIODevice& file) { SaveToStream(file); }, error);
  } catch (const std::exception&) {
    return false;
  }
}

// --- loading -------------------------------------------------------------------------------------

void TrpPreviewPages::ReadReportElement() {
  const TrpXMLItem* element = Element(kReport, false);
  if (!element || element->Count() == 0) return;
  // Only the four settings a prepared report carries are taken from the file.
  const TrpXMLItem& item = *element->Items(0);
  if (item.PropExists(QStringLiteral("DotMatrixReport")))
    Report().SetDotMatrixReport(textBool(item.Prop(QStringLiteral("DotMatrixReport"))));
  if (item.PropExists(QStringLiteral("PreviewOptions.OutlineVisible")))
    Report().PreviewOptions().SetOutlineVisible(textBool(item.Prop(QStringLiteral("PreviewOptions.OutlineVisible"))));
  bool ok = false;
  const int width = item.Prop(QStringLiteral("PreviewOptions.OutlineWidth")).toInt(&ok);
  if (ok && width >= 0) Report().PreviewOptions().SetOutlineWidth(width);
  if (item.PropExists(QStringLiteral("ReportOptions.Name")))
    Report().ReportOptions().SetName(item.Prop(QStringLiteral("ReportOptions.Name")));
}

void TrpPreviewPages::ReadSourcePages() {
  TrpXMLItem* element = Element(kSourcePages, false);
  if (!element) return;
  for (int i = 0; i < element->Count(); ++i) {
    const TrpXMLItem& item = *element->Items(i);
    std::unique_ptr<TrpReportPage> page = newSourcePage(item.Name());
    TrpXMLSerializer serializer;
    serializer.HandleNestedProperties = false;
    serializer.ReadRootComponent(*page, &item);
    Report().AddErrors(serializer.Errors());
    try {
      page->SetName(item.Prop(QStringLiteral("Name")));
    } catch (const TrpError&) {
      invalid(QStringLiteral("source page %1 has an invalid name").arg(i));
    }
    SetDescription(*page);
    for (TrpComponent* object : page->AllObjects()) SetDescription(*object);
    FSourcePages.push_back(std::move(page));
  }
  element->Clear();
}

void TrpPreviewPages::ReadDictionary() {
  TrpXMLItem* element = Element(kDictionary, false);
  if (!element) return;
  static const QRegularExpression pattern(QStringLiteral("^Page(\\d{1,5})\\.(.+)$"));
  for (int i = 0; i < element->Count(); ++i) {
    const TrpXMLItem& item = *element->Items(i);
    const QString source = item.Prop(QStringLiteral("name"));
    const QRegularExpressionMatch match = pattern.match(source);
    const int page = match.hasMatch() ? match.captured(1).toInt() : -1;
    if (page < 0 || page >= SourcePageCount())
      invalid(QStringLiteral("the alias %1 names \"%2\", which is on no source page").arg(item.Name(), source));
    TrpComponent* object = FSourcePages[page]->FindObject(match.captured(2));
    if (!object) invalid(QStringLiteral("the alias %1 names \"%2\", which does not exist").arg(item.Name(), source));
    object->SetAliasName(item.Name());
    FDictionary.Add(item.Name(), source, object);
  }
  element->Clear();
}

void TrpPreviewPages::CheckPages() const {
  static const QRegularExpression pattern(QStringLiteral("^page(\\d{1,5})$"));
  const TrpXMLItem* pages = PagesElement();
  for (int i = 0; i < pages->Count(); ++i) {
    const QString name = pages->Items(i)->Name();
    if (isFullPageName(name)) continue;
    const QRegularExpressionMatch match = pattern.match(name);
    if (!match.hasMatch() || match.captured(1).toInt() >= SourcePageCount())
      invalid(QStringLiteral("page %1 (\"%2\") has no source page").arg(i + 1).arg(name));
  }
}

// Every "page" of the outline or the anchors must name an existing page, every "top" a number.
void TrpPreviewPages::CheckPlaces(const QString& elementName) const {
  const TrpXMLItem* element = Element(elementName, false);
  if (!element) return;
  QList<const TrpXMLItem*> pending{element};
  while (!pending.isEmpty()) {
    const TrpXMLItem* item = pending.takeLast();
    for (int i = 0; i < item->Count(); ++i) {
      const TrpXMLItem* child = item->Items(i);
      bool pageOk = false, topOk = false;
      const int page = child->Prop(QStringLiteral("page")).toInt(&pageOk);
      child->Prop(QStringLiteral("top")).toInt(&topOk);
      if (!pageOk || !topOk || page < 0 || page >= GetCount())
        invalid(QStringLiteral("an entry of \"%1\" points at no page").arg(elementName));
      pending.append(child);
    }
  }
}

void TrpPreviewPages::ReadDocument() {
  if (FDoc.Root()->Name() != kRoot) invalid(QStringLiteral("the document is not a prepared report"));
  ReadReportElement();
  ReadSourcePages();
  ReadDictionary();
  if (TrpXMLItem* pictures = Element(kPictures, false)) {
    FPictureCache.LoadFromXML(pictures);
    pictures->Clear();
  }
  CheckPages();
  CheckPlaces(QStringLiteral("outline"));
  CheckPlaces(kAnchors);
  PagesElement();
  SetCurPage(GetCount() - 1);
  SetLoadedFromFile(true);
}

namespace {

// Runs a load; whatever goes wrong leaves the store empty and raises TrpError.
template <class Load>
void guardedLoad(TrpPreviewPages& pages, Load load) {
  try {
    load();
  } catch (const TrpError&) {
    pages.Clear();
    throw;
  } catch (const TrpInvalidXMLException&) {
    pages.Clear();
    throw TrpError(QStringLiteral("Invalid file format"));
  } catch (const std::exception& e) {
    pages.Clear();
    throw TrpError(QString::fromStdString(e.what()));
  }
}

}  // namespace

bool TrpPreviewPages::Decompressed(QIODevice& stream, QBuffer& output) {
  const qint64 start = stream.pos();
  try {
    QByteArray bytes;
    if (rpCompressorClass()()->Decompress(stream, bytes)) {
      output.setData(bytes);
      output.open(QIODevice::ReadOnly);
    } else {
      stream.seek(start);
    }
    return true;
  } catch (const std::exception&) {
    Report().AddError(rpResources()->Get(QStringLiteral("clDecompressError")));
    Report().ReportErrors();
    return false;
  }
}

void TrpPreviewPages::LoadFromStream(QIODevice& stream, bool allowPartialLoading) {
  Clear();
  if (rpCompressorClass()) {
    // Compressed data is read whole, so pages are never read back lazily from it.
    QBuffer unpacked;
    if (!Decompressed(stream, unpacked)) return;
    QIODevice& source = unpacked.isOpen() ? static_cast<QIODevice&>(unpacked) : stream;
    guardedLoad(*this, [&] {
      FDoc.LoadFromStream(&source, false);
      ReadDocument();
    });
    return;
  }
  guardedLoad(*this, [&] {
    if (allowPartialLoading) {
      // The document keeps what it reads pages from; the caller keeps its own stream.
      auto* copy = new QBuffer;
      copy->setData(stream.readAll());
      copy->open(QIODevice::ReadOnly);
      FDoc.LoadFromStream(copy, true);
    } else {
      FDoc.LoadFromStream(&stream, false);
    }
    ReadDocument();
  });
}

bool TrpPreviewPages::LoadFromFile(const QString& fileName, bool exceptionIfNotFound) {
  if (!QFileInfo::exists(fileName)) {
    if (exceptionIfNotFound) throw TrpError(QStringLiteral("Cannot open file \"%1\"").arg(fileName));
    return false;
  }
  if (rpCompressorClass()) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) throw TrpError(QStringLiteral("Cannot open file \"%1\"").arg(fileName));
    LoadFromStream(file);
    return true;
  }
  Clear();
  guardedLoad(*this, [&] {
    FDoc.LoadFromFile(fileName);
    ReadDocument();
  });
  return true;
}
