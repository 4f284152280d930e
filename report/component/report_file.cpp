// Loading and saving report definitions: files, streams, the options a load keeps, passwords,
// and the data page every loaded report has.
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "report/component/report.h"
#include "report/datasets/data_set.h"
#include "report/datasets/report_data_sets.h"
#include "report/memo/styles.h"
#include "report/objects/class_info.h"
#include "report/objects/custom_compressor.h"
#include "report/objects/custom_crypter.h"
#include "report/objects/dialog_component.h"
#include "report/objects/object_attributes.h"
#include "report/objects/report_password.h"
#include "report/objects/report_services.h"
#include "report/objects/variables.h"
#include "report/options/common_error_handler.h"
#include "report/options/engine_options.h"
#include "report/options/preview_options.h"
#include "report/options/print_options.h"
#include "report/options/report_options.h"
#include "report/pages/data_page.h"
#include "report/res/resources.h"
#include "report/xml/xml_document.h"
#include "script_engine/files/whole_file.h"

namespace {

const QString kDatasets = QStringLiteral("Datasets");
const QString kVariables = QStringLiteral("Variables");
const QString kStyles = QStringLiteral("Styles");

template <class Collection>
QList<const TrpPersistent*> itemsOf(const Collection& collection) {
  QList<const TrpPersistent*> items;
  for (int i = 0; i < collection.Count(); ++i) items.append(collection.Items(i));
  return items;
}

// What a load must not take from the file: the hosting program's settings. The engine and
// preview options the file does decide (DoublePass, OutlineVisible, ...) are put back afterwards.
struct ProgramSettings {
  TrpEngineOptions Engine;
  bool DestroyForms, EnableThreadSafe, UseGlobalDataSetList;
  QThread* ReportThread;
  TrpPreviewOptions Preview;
  QString IniFile;
  TrpCustomPreview* PreviewControl;
  bool OldStyleProgress, ShowProgress, StoreInDFM;
};

void keep(const TrpReport& r, ProgramSettings& s) {
  s.Engine.Assign(r.EngineOptions());
  s.DestroyForms = r.EngineOptions().DestroyForms();
  s.EnableThreadSafe = r.EngineOptions().EnableThreadSafe();
  s.UseGlobalDataSetList = r.EngineOptions().UseGlobalDataSetList();
  s.ReportThread = r.EngineOptions().ReportThread();
  s.Preview.Assign(r.PreviewOptions());
  s.IniFile = r.IniFile();
  s.PreviewControl = r.Preview();
  s.OldStyleProgress = r.OldStyleProgress();
  s.ShowProgress = r.ShowProgress();
  s.StoreInDFM = r.StoreInDFM();
}

void restoreEngineOptions(TrpEngineOptions& options, const ProgramSettings& s) {
  const bool convertNulls = options.ConvertNulls();
  const bool ignoreDevByZero = options.IgnoreDevByZero();
  const bool doublePass = options.DoublePass();
  options.Assign(s.Engine);
  options.SetConvertNulls(convertNulls);
  options.SetIgnoreDevByZero(ignoreDevByZero);
  options.SetDoublePass(doublePass);
  options.SetDestroyForms(s.DestroyForms);
  options.SetEnableThreadSafe(s.EnableThreadSafe);
  options.SetUseGlobalDataSetList(s.UseGlobalDataSetList);
  options.SetReportThread(s.ReportThread);
}

void restorePreviewOptions(TrpPreviewOptions& options, const ProgramSettings& s) {
  TrpPreviewOptions fromFile;
  fromFile.Assign(options);
  options.Assign(s.Preview);
  options.SetOutlineVisible(fromFile.OutlineVisible());
  options.SetOutlineWidth(fromFile.OutlineWidth());
  options.SetOutlineExpand(fromFile.OutlineExpand());
  options.SetPagesInCache(fromFile.PagesInCache());
  options.SetThumbnailVisible(fromFile.ThumbnailVisible());
}

void restore(TrpReport& r, const ProgramSettings& s) {
  restoreEngineOptions(r.EngineOptions(), s);
  restorePreviewOptions(r.PreviewOptions(), s);
  r.SetIniFile(s.IniFile);
  if (r.Preview() != s.PreviewControl) r.SetPreview(s.PreviewControl);
  r.SetOldStyleProgress(s.OldStyleProgress);
  r.SetShowProgress(s.ShowProgress);
  r.SetStoreInDFM(s.StoreInDFM);
}


bool isInvalidFormat(const std::exception& e) {
  return rpErrorText(e).startsWith(QLatin1String("Invalid file format"));
}

// Puts `bytes` into `buffer` for reading from the start.
QIODevice* readable(QBuffer& buffer, const QByteArray& bytes) {
  buffer.close();
  buffer.setData(bytes);
  buffer.open(QIODevice::ReadOnly);
  return &buffer;
}

// What the serializer is to read: the stream itself, or what the registered compressor and
// crypter made of it when they recognised their form. None when one of them found its form
// damaged; that is reported, and nothing is read.
QIODevice* unpackStream(TrpReport& report, QIODevice& stream, QBuffer& unpacked, bool& decrypted) {
  QIODevice* source = &stream;
  if (const TrpCompressorClass& maker = rpCompressorClass()) {
    const qint64 start = stream.pos();
    try {
      QByteArray bytes;
      if (maker()->Decompress(stream, bytes))
        source = readable(unpacked, bytes);
      else
        stream.seek(start);
    } catch (const std::exception&) {
      report.AddError(rpResources()->Get(QStringLiteral("clDecompressError")));
      report.ReportErrors();
      return nullptr;
    }
  }
  TrpReportOptions& options = report.ReportOptions();
  options.SetPassword(options.HiddenPassword());
  if (const TrpCrypterClass& maker = rpCrypterClass()) {
    const qint64 start = source->pos();
    try {
      // The key is the password's UTF-8 form, as written: an 8-bit code page would turn
      // characters outside it into "?" and let different passwords open the same file.
      QByteArray bytes;
      decrypted = maker()->Decrypt(*source, bytes, options.Password().toUtf8());
      if (decrypted)
        source = readable(unpacked, bytes);
      else
        source->seek(start);
    } catch (const std::exception&) {
      report.AddError(rpResources()->Get(QStringLiteral("clDecryptError")));
      report.ReportErrors();
      return nullptr;
    }
  }
  return source;
}

// The ancestor's path relative to the folder of the file being written, when it is absolute.
QString relativeParent(const QString& parent, const QString& fileName) {
  const bool driveLetter = parent.size() > 1 && parent[1] == u':';
  if (!driveLetter && !QDir::isAbsolutePath(parent)) return parent;
  return QFileInfo(fileName).absoluteDir().relativeFilePath(parent);
}

}  // namespace

void TrpReport::ReportErrors() {
  if (Errors().isEmpty()) return;
  rpCommonErrorHandler(*FEngineOptions,
                       rpResources()->Get(QStringLiteral("clErrors")) + QLatin1String("\r\n") +
                           Errors().join(QLatin1String("\r\n")));
}

bool TrpReport::CheckPassword() {
  const QString password = FReportOptions->Password();
  if (password.isEmpty() || password == FReportOptions->PrevPassword() ||
      password == FReportOptions->HiddenPassword())
    return true;
  const auto& ask = rpReportServices().AskPassword;
  const std::optional<QString> entered = ask ? ask(*this) : std::nullopt;
  if (entered && *entered == password) {
    FReportOptions->SetPrevPassword(password);
    return true;
  }
  AddError(QStringLiteral("Invalid password"));
  ReportErrors();
  return false;
}

void TrpReport::LoadFromStream(QIODevice& stream) {
  ClearErrors();
  QBuffer unpacked;
  bool decrypted = false;
  QIODevice* source = unpackStream(*this, stream, unpacked, decrypted);
  if (!source) return;  // damaged beyond reading; already reported
  ProgramSettings kept;
  keep(*this, kept);
  FStreamLoaded = true;
  try {
    TrpComponent::LoadFromStream(*source);
  } catch (const std::exception& e) {
    FStreamLoaded = false;
    // Data decrypted with a wrong password reads as something that is no XML.
    AddError(decrypted && isInvalidFormat(e) ? QStringLiteral("Invalid password") : rpErrorText(e));
    TrpComponent::Clear();  // nothing half-read stays
  }
  FSpareAncestor.reset();  // an ancestor kept for a reload that did not ask for it
  CheckDataPage();
  restore(*this, kept);
  // The names read may have met their data sets before these existed (a data set further down
  // the file, or one the program created): they are looked up again, with the program's choice
  // of the global list or the report's own.
  RebindDataSets();
  // Inside encrypted data the password is stored as it is; in a plain file it is encoded.
  if (!decrypted) FReportOptions->SetPassword(rpDecodePwd(FReportOptions->Password()));

  if (FReportOptions->Info()) {
    Clear();
    return;
  }
  if (FReloading || FEngineOptions->EnableThreadSafe() || decrypted || CheckPassword()) {
    ReportErrors();
    return;
  }
  // A report whose password was not given is emptied.
  FStreamLoaded = false;
  Clear();
}

void TrpReport::SaveToStream(QIODevice& stream, bool saveChildren, bool saveDefaultValues,
                             bool streaming) const {
  const QString password = FReportOptions->Password();
  static const TrpCompressorClass noCompressor;
  static const TrpCrypterClass noCrypter;
  const TrpCompressorClass& compressor = FReportOptions->Compressed() ? rpCompressorClass() : noCompressor;
  const TrpCrypterClass& crypter = password.isEmpty() ? noCrypter : rpCrypterClass();
  FReportOptions->SetPrevPassword(password);
  if (!crypter) FReportOptions->SetPassword(rpEncodePwd(password));
  QBuffer plain;
  plain.open(QIODevice::WriteOnly);
  QIODevice& target = compressor || crypter ? static_cast<QIODevice&>(plain) : stream;
  try {
    TrpComponent::SaveToStream(target, saveChildren, saveDefaultValues, streaming);
  } catch (...) {
    FReportOptions->SetPassword(password);
    throw;
  }
  FReportOptions->SetPassword(password);
  if (!compressor && !crypter) return;
  QByteArray bytes = plain.data();
  // The same key form as reading uses: UTF-8, so that every password character counts.
  if (crypter) bytes = crypter()->Crypt(bytes, password.toUtf8());
  if (compressor) bytes = compressor()->Compress(bytes);
  if (stream.write(bytes) != bytes.size())
    throw TrpError(QStringLiteral("Cannot write the report. %1").arg(stream.errorString()));
}

bool TrpReport::LoadFromFile(const QString& fileName, bool exceptionIfNotFound) {
  Clear();
  ClearErrors();
  FFileName.clear();
  FStreamLoaded = false;
  const QFileInfo info(fileName);
  if (!info.exists()) {
    if (exceptionIfNotFound)
      throw TrpError(QStringLiteral("Cannot open file \"%1\". The file does not exist").arg(fileName));
    return false;
  }
  QFile file(fileName);
  if (!info.isFile() || !file.open(QIODevice::ReadOnly)) {
    const QString reason = info.isFile() ? file.errorString() : QStringLiteral("It is not a file");
    AddError(QStringLiteral("Cannot open file \"%1\". %2").arg(fileName, reason));
    ReportErrors();
    return false;
  }
  // The reader takes UTF-8 (and old 8-bit code pages); UTF-16 text would only read as damage.
  const QByteArray start = file.peek(2);
  if (start == QByteArrayLiteral("\xFF\xFE") || start == QByteArrayLiteral("\xFE\xFF")) {
    AddError(QStringLiteral("Cannot open file \"%1\". It is UTF-16 text; report files are read in UTF-8, "
                            "so save it as UTF-8").arg(fileName));
    ReportErrors();
    return false;
  }
  FFileName = fileName;
  LoadFromStream(file);
  return FStreamLoaded;
}

void TrpReport::SaveToFile(const QString& fileName) {
  if (!FParentReport.isEmpty()) FParentReport = relativeParent(FParentReport, fileName);
  TscWholeFile file(fileName);
  if (!file.Open())
    throw TrpError(QStringLiteral("Cannot create file \"%1\". %2").arg(fileName, file.Error()));
  SaveToStream(file.Device(), true);
  // Nothing replaces the old file unless every byte was written.
  if (!file.Commit())
    throw TrpError(QStringLiteral("Cannot write file \"%1\". %2").arg(fileName, file.Error()));
}

void TrpReport::CheckDataPage() {
  for (const TrpComponent* child : Objects())
    if (child->InheritsFrom(TrpDataPage::StaticClassInfo())) return;
  const QList<TrpComponent*> pages = Objects();
  auto* dataPage = new TrpDataPage(this);
  if (FindObject(QStringLiteral("Data")) || FindComponent(QStringLiteral("Data")))
    dataPage->CreateUniqueName();
  else
    dataPage->SetName(QStringLiteral("Data"));
  // The tree has no insert: the other pages move behind the new one.
  for (TrpComponent* page : pages) {
    page->SetParent(nullptr);
    page->SetParent(this);
  }
  int left = 60;
  for (TrpComponent* component : Components()) {
    const bool dataComponent =
        component->InheritsFrom(TrpDialogComponent::StaticClassInfo()) || component->InheritsFrom(TrpDataSet::StaticClassInfo());
    if (!dataComponent || component->Parent() == dataPage) continue;
    component->SetParent(dataPage);
    component->SetLeft(left);
    component->SetTop(20);
    left += 64;
  }
}

void TrpReport::WriteNestedProperties(TrpXMLItem& item, const TrpComponent* ancestor) const {
  // A descendant writes the ancestor's variables and styles by name, with what differs only.
  const auto* parent = dynamic_cast<const TrpReport*>(ancestor);
  const QList<const TrpPersistent*> variables = parent ? itemsOf(*parent->FVariables) : QList<const TrpPersistent*>();
  const QList<const TrpPersistent*> styles = parent ? itemsOf(*parent->FStyles) : QList<const TrpPersistent*>();
  if (!FDataSets->IsEmpty()) rpWriteCollection(itemsOf(*FDataSets), kDatasets, item);
  if (FVariables->Count() > 0) rpWriteCollection(itemsOf(*FVariables), kVariables, item, variables);
  if (FStyles->Count() > 0) rpWriteCollection(itemsOf(*FStyles), kStyles, item, styles);
}

bool TrpReport::ReadNestedProperty(TrpXMLItem& item) {
  QStringList errors;
  if (item.Name() == kDatasets) {
    rpReadCollection(item, [this] { return FDataSets->Add(); }, &errors);
  } else if (item.Name() == kVariables) {
    const auto inherited = [this](const QString& name) -> TrpPersistent* { return FVariables->Find(name); };
    rpReadCollection(item, [this] { return FVariables->Add(); }, &errors, inherited);
  } else if (item.Name() == kStyles) {
    const auto inherited = [this](const QString& name) -> TrpPersistent* { return FStyles->Find(name); };
    rpReadCollection(item, [this] { return FStyles->Add(); }, &errors, inherited);
  } else {
    return false;
  }
  AddErrors(errors);
  return true;
}
