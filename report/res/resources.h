#pragma once
// The process-wide table of the report subsystem's user-interface texts, looked up by identifier,
// together with the tool-bar picture lists and the help file.
#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

#include <memory>
#include <stdexcept>

class QAbstractButton;
class QIODevice;
class QObject;
class TrpImageList;

// A picture list whose resource the program does not carry ("DesgnButtons", "ObjectButtons",
// "WizardButtons"), or a picture resource that cannot be decoded.
class TrpResourceNotFound : public std::runtime_error {
 public:
  explicit TrpResourceNotFound(const QString& message);
};

// A CodePage attribute that is not an integer.
class TrpConvertError : public std::runtime_error {
 public:
  explicit TrpConvertError(const QString& message);
};

class TrpResources {
 public:
  TrpResources();  // empty table, empty picture lists, language list built
  ~TrpResources();
  TrpResources(const TrpResources&) = delete;
  TrpResources& operator=(const TrpResources&) = delete;

  // --- texts ---
  // The text of `strName` (any letter case); the identifier itself when absent. A leading "!"
  // of the result is removed.
  QString Get(const QString& strName) const;
  void Add(const QString& ref, const QString& str);   // enters or replaces one entry
  void AddW(const QString& ref, const QString& str);  // the same
  // Lines of the form name=text; a line with an empty name or empty text is skipped.
  void AddStrings(const QString& str);
  // A UTF-8 XML string table (root "Resources", children "StrRes" with Name and Text).
  void AddXML(const QByteArray& str);
  // A missing file changes nothing; a file that is there but cannot be opened raises.
  void LoadFromFile(const QString& fileName);
  // Reads an XML string table; raises the XML reader's error for malformed input and
  // TrpConvertError for a CodePage that is not an integer. Refreshes the script messages.
  void LoadFromStream(QIODevice* stream);
  // Copies the 17 script-compiler messages from the table into the script engine.
  void UpdateFSResources() const;
  void Clear();
  int Count() const;
  int CodePage() const;  // of the last XML table loaded; kept for callers, not used here

  // --- languages: "*.rpl" files beside the program or in the installed data folder
  // (rpLanguageFolders()), as "German" for "GERMAN.RPL" ---
  void BuildLanguagesList();
  const QStringList& Languages() const;
  // The file of a listed language (any letter case); empty for a language not listed.
  QString LanguageFile(const QString& language) const;
  // Makes the table the English start-up table overlaid with the language's file; "English"
  // gives the start-up table alone. A language not listed changes nothing and gives false.
  bool LoadLanguage(const QString& language);

  // --- help ---
  const QString& HelpFile() const;
  void SetHelpFile(const QString& fileName);
  // The help target for `sender`: the program's folder and the help file, followed by "::/" and
  // a page when the sender's class has a help topic.
  QString HelpTarget(const QObject* sender) const;
  // Opens the help file in the desktop's viewer when the file exists. Returns whether it asked.
  bool Help(const QObject* sender = nullptr) const;

  // --- picture lists (16 x 16; wizard pictures 32 x 32), filled on first use ---
  const TrpImageList& GetPreviewButtonImages();  // from the "PreviewButtons" strip
  const TrpImageList& GetMainButtonImages();     // raises TrpResourceNotFound
  const TrpImageList& GetObjectImages();         // raises TrpResourceNotFound
  const TrpImageList& GetWizardImages();         // raises TrpResourceNotFound
  const TrpImageList& GetDisabledButtonImages() const;
  // Cut `images` into tiles and append them, after emptying the list when `clear` is set.
  // SetButtonImages also appends a washed-out copy of each tile to the disabled list.
  void SetPreviewButtonImages(const QImage& images, bool clear);
  void SetButtonImages(const QImage& images, bool clear);
  void SetObjectImages(const QImage& images, bool clear);
  void SetWizardImages(const QImage& images, bool clear);
  // The 32 x 16 two-state picture of main-list picture `index`: the picture at x 0, its disabled
  // copy at x 16, on olive (red 128, green 128, blue 0). A missing picture leaves its half olive.
  QImage Glyph(int index);
  // Gives `button` main-list picture `index` as its icon, with the disabled copy for its
  // disabled state.
  void SetGlyph(QAbstractButton* button, int index);

 private:
  struct Private;
  std::unique_ptr<Private> d;
};

// The one table of the process, created and filled with the start-up texts on first call.
TrpResources* rpResources();
// The text of the identifier written as the decimal form of `id`: rpGet(101) looks up "101".
QString rpGet(int id);
