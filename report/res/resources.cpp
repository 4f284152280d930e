#include "report/res/resources.h"

#include "report/res/languages.h"
#include "report/res/resources_private.h"
#include "report/res/startup_strings.h"
#include "report/xml/code_page.h"
#include "report/xml/xml_document.h"
#include "report/xml/xml_text.h"
#include "script_engine/front/script_messages.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStringDecoder>

namespace {

QString foldedName(const QString& name) { return name.toCaseFolded(); }

// A value of an old-format (8-bit) table holds UTF-8 bytes that the reader decoded in the
// system code page; turning it back into those bytes and reading them as UTF-8 recovers the text.
// A value that is not such bytes (a plain 8-bit text, or a character the code page cannot hold)
// is kept as the reader gave it rather than turned into replacement characters.
QString decodeOldFormatValue(const QString& value) {
  const int codePage = rpSystemCodePage();
  const QByteArray bytes = rpUnicodeToCodePage(value, codePage);
  if (rpCodePageToUnicode(bytes, codePage) != value) return value;
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  const QString decoded = utf8.decode(bytes);
  return utf8.hasError() ? value : decoded;
}

int codePageOf(const QString& attribute) {
  bool ok = false;
  const int value = attribute.trimmed().toInt(&ok);
  if (!ok) {
    throw TrpConvertError(QStringLiteral("'%1' is not a valid integer value").arg(attribute));
  }
  return value;
}

// "GERMAN.RPL" -> "German": lower-cased, first letter capitalised, first ".rpl" removed.
QString languageName(const QString& fileName) {
  QString name = fileName.toLower();
  if (!name.isEmpty()) name[0] = name[0].toUpper();
  const qsizetype extension = name.indexOf(QLatin1String(".rpl"));
  if (extension >= 0) name.remove(extension, 4);
  return name;
}

}  // namespace

QString rpProgramFolder() {
  // Without an application object there is no program file to be beside.
  return QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString();
}

TrpResourceNotFound::TrpResourceNotFound(const QString& message)
    : std::runtime_error(message.toStdString()) {}

TrpConvertError::TrpConvertError(const QString& message) : std::runtime_error(message.toStdString()) {}

TrpResources::TrpResources() : d(std::make_unique<Private>()) { BuildLanguagesList(); }

TrpResources::~TrpResources() = default;

// --- texts -----------------------------------------------------------------------------------

QString TrpResources::Get(const QString& strName) const {
  const auto it = d->names.constFind(foldedName(strName));
  QString result = it != d->names.constEnd() ? d->values.at(*it) : strName;
  if (result.startsWith(u'!')) result.remove(0, 1);
  return result;
}

void TrpResources::Add(const QString& ref, const QString& str) {
  const QString key = foldedName(ref);
  const auto it = d->names.constFind(key);
  if (it != d->names.constEnd()) {
    d->values[*it] = str;
    return;
  }
  d->names.insert(key, static_cast<int>(d->values.size()));
  d->values.append(str);
}

void TrpResources::AddW(const QString& ref, const QString& str) { Add(ref, str); }

void TrpResources::AddStrings(const QString& str) {
  static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
  const QStringList lines = str.split(lineBreak);
  for (const QString& line : lines) {
    const qsizetype eq = line.indexOf(u'=');
    if (eq <= 0 || eq == line.size() - 1) continue;  // no '=', empty name or empty text
    Add(line.left(eq), line.mid(eq + 1));
  }
}

void TrpResources::AddXML(const QByteArray& str) {
  QByteArray bytes = str;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::ReadOnly);
  LoadFromStream(&buffer);
}

void TrpResources::LoadFromFile(const QString& fileName) {
  QFile file(fileName);
  if (!file.exists()) return;
  if (!file.open(QIODevice::ReadOnly)) {
    // A language file that is there but unreadable is reported, not taken for an absent one.
    throw std::runtime_error(QStringLiteral("Cannot open file \"%1\": %2").arg(fileName, file.errorString()).toStdString());
  }
  LoadFromStream(&file);
}

void TrpResources::LoadFromStream(QIODevice* stream) {
  TrpXMLDocument doc;
  doc.LoadFromStream(stream);
  const TrpXMLItem* root = doc.Root();
  if (root->Name() == QLatin1String("Resources")) {
    d->codePage = codePageOf(root->Prop(QStringLiteral("CodePage")));
    for (int i = 0; i < root->Count(); ++i) {
      const TrpXMLItem* item = root->Items(i);
      if (item->Name() != QLatin1String("StrRes")) continue;
      QString text = rpXMLToStr(item->Prop(QStringLiteral("Text")));
      if (doc.OldVersion()) text = decodeOldFormatValue(text);
      AddW(item->Prop(QStringLiteral("Name")), text);
    }
  }
  UpdateFSResources();
}

void TrpResources::UpdateFSResources() const {
  for (const QString& name : scMessages::Names()) scMessages::SetText(name, Get(name));
}

void TrpResources::Clear() {
  d->names.clear();
  d->values.clear();
}

int TrpResources::Count() const { return static_cast<int>(d->values.size()); }

int TrpResources::CodePage() const { return d->codePage; }

// --- languages -------------------------------------------------------------------------------

void TrpResources::BuildLanguagesList() {
  d->languages.clear();
  d->languageFiles.clear();
  for (const QString& folder : rpLanguageFolders()) {
    const QDir dir(folder);
    for (const QString& file : dir.entryList({QStringLiteral("*.rpl")}, QDir::Files)) {
      const QString name = languageName(file);
      if (d->languages.contains(name, Qt::CaseInsensitive)) continue;  // the program's folder wins
      d->languages.append(name);
      d->languageFiles.insert(name.toCaseFolded(), dir.filePath(file));
    }
  }
  d->languages.sort(Qt::CaseInsensitive);
}

QString TrpResources::LanguageFile(const QString& language) const {
  return d->languageFiles.value(language.toCaseFolded());
}

bool TrpResources::LoadLanguage(const QString& language) {
  const bool english = language.compare(rpEnglishLanguage(), Qt::CaseInsensitive) == 0;
  const QString file = LanguageFile(language);
  if (!english && file.isEmpty()) return false;
  // A translation overlays the English table, so an entry it lacks still reads in English.
  Clear();
  AddXML(rpStartupXML());
  if (!english) LoadFromFile(file);
  return true;
}

const QStringList& TrpResources::Languages() const { return d->languages; }

// --- the singleton ---------------------------------------------------------------------------

TrpResources* rpResources() {
  static const std::unique_ptr<TrpResources> instance = [] {
    auto resources = std::make_unique<TrpResources>();
    resources->AddXML(rpStartupXML());
    return resources;
  }();
  return instance.get();
}

QString rpGet(int id) { return rpResources()->Get(QString::number(id)); }
