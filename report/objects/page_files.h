#pragma once
// TrpPageFiles: the store of prepared pages as a whole, as files see it: emptied and made ready,
// loaded and saved as a prepared report (streams and files), printed and exported. The store
// (report/store) implements it through TrpCustomPreviewPages.
class QIODevice;
class QString;
class TrpCustomExportFilter;

class TrpPageFiles {
 public:
  virtual void Clear() = 0;
  virtual void Initialize() = 0;
  virtual void LoadFromStream(QIODevice& stream, bool allowPartialLoading = false) = 0;
  virtual void SaveToStream(QIODevice& stream) = 0;
  virtual bool LoadFromFile(const QString& fileName, bool exceptionIfNotFound = false) = 0;
  virtual bool SaveToFile(const QString& fileName) = 0;
  virtual bool Print() = 0;
  virtual bool Export(TrpCustomExportFilter& filter) = 0;

 protected:
  TrpPageFiles() = default;
  ~TrpPageFiles() = default;
};
