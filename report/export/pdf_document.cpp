#include "report/export/pdf_document.h"

#include <qpdf/Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <exception>
#include <string>

namespace {

using Handle = QPDFObjectHandle;

Handle name(const char* value) { return Handle::newName(value); }
Handle real(double value) { return Handle::newReal(value, 2); }
Handle text(const QString& value) { return Handle::newUnicodeString(value.toStdString()); }

class Writer {
 public:
  explicit Writer(QPDF& pdf) : FPdf(pdf) {
    for (const QPDFPageObjectHelper& page : QPDFPageDocumentHelper(pdf).getAllPages())
      FPages.push_back(page.getObjectHandle());
  }

  // A view of `place` that keeps the reader's zoom: [page /XYZ left top null].
  Handle Destination(const TrpPdfPlace& place) const {
    Handle dest = Handle::newArray();
    dest.appendItem(FPages.at(static_cast<size_t>(place.Page)));
    dest.appendItem(name("/XYZ"));
    dest.appendItem(real(0));
    dest.appendItem(real(place.Top));
    dest.appendItem(Handle::newNull());
    return dest;
  }

  bool HasPage(int page) const { return page >= 0 && page < static_cast<int>(FPages.size()); }

  void AddLink(const TrpPdfLink& link) {
    if (!HasPage(link.Page) || (link.URL.isEmpty() && !HasPage(link.Target.Page))) return;
    Handle annot = Handle::newDictionary();
    annot.replaceKey("/Type", name("/Annot"));
    annot.replaceKey("/Subtype", name("/Link"));
    Handle rect = Handle::newArray();
    for (const double v : {link.Rect.left(), link.Rect.top(), link.Rect.right(), link.Rect.bottom()})
      rect.appendItem(real(v));
    annot.replaceKey("/Rect", rect);
    Handle border = Handle::newArray();  // no frame drawn around the link
    for (int i = 0; i < 3; ++i) border.appendItem(Handle::newInteger(0));
    annot.replaceKey("/Border", border);
    if (!link.URL.isEmpty()) {
      Handle action = Handle::newDictionary();
      action.replaceKey("/S", name("/URI"));
      action.replaceKey("/URI", Handle::newString(link.URL.toStdString()));
      annot.replaceKey("/A", action);
    } else {
      annot.replaceKey("/Dest", Destination(link.Target));
    }
    Handle page = FPages.at(static_cast<size_t>(link.Page));
    if (!page.getKey("/Annots").isArray()) page.replaceKey("/Annots", Handle::newArray());
    page.getKey("/Annots").appendItem(FPdf.makeIndirectObject(annot));
  }

  // The items of `marks` under `parent`: each linked to its neighbours and children. The number
  // of items shown below `parent` (every level open).
  int AddBookmarks(Handle parent, const std::vector<TrpPdfBookmark>& marks) {
    Handle previous;
    int shown = 0;
    for (const TrpPdfBookmark& mark : marks) {
      if (!HasPage(mark.Target.Page)) continue;
      Handle item = FPdf.makeIndirectObject(Handle::newDictionary());
      item.replaceKey("/Title", text(mark.Title));
      item.replaceKey("/Parent", parent);
      item.replaceKey("/Dest", Destination(mark.Target));
      if (previous.isInitialized()) {
        previous.replaceKey("/Next", item);
        item.replaceKey("/Prev", previous);
      } else {
        parent.replaceKey("/First", item);
      }
      parent.replaceKey("/Last", item);
      const int below = AddBookmarks(item, mark.Children);
      if (below > 0) item.replaceKey("/Count", Handle::newInteger(below));
      shown += 1 + below;
      previous = item;
    }
    return shown;
  }

  void AddOutline(const std::vector<TrpPdfBookmark>& marks) {
    if (marks.empty()) return;
    Handle outlines = FPdf.makeIndirectObject(Handle::newDictionary());
    outlines.replaceKey("/Type", name("/Outlines"));
    const int shown = AddBookmarks(outlines, marks);
    if (shown == 0) return;
    outlines.replaceKey("/Count", Handle::newInteger(shown));
    Handle root = FPdf.getRoot();
    root.replaceKey("/Outlines", outlines);
    root.replaceKey("/PageMode", name("/UseOutlines"));
  }

  // Qt embeds only the glyphs a document uses and tags the descriptor's name as a subset's
  // ("QNAAAA+DejaVuSans"), but leaves the fonts' own names untagged, so readers take the fonts
  // for whole ones. The fonts take their descriptor's tagged name.
  void TagSubsets() {
    for (Handle font : FPdf.getAllObjects()) {
      if (!font.isDictionary() || !font.getKey("/Type").isNameAndEquals("/Font")) continue;
      Handle descendants = font.getKey("/DescendantFonts");
      Handle described = descendants.isArray() && descendants.getArrayNItems() > 0 ? descendants.getArrayItem(0) : font;
      Handle descriptor = described.isDictionary() ? described.getKey("/FontDescriptor") : Handle();
      if (!descriptor.isDictionary() || !descriptor.getKey("/FontFile2").isStream()) continue;
      Handle fontName = descriptor.getKey("/FontName"), base = font.getKey("/BaseFont");
      if (!fontName.isName() || !base.isName()) continue;
      const std::string full = fontName.getName();
      const size_t plus = full.find('+');
      if (plus != std::string::npos && "/" + full.substr(plus + 1) == base.getName())
        font.replaceKey("/BaseFont", fontName);
    }
  }

  void SetAuthor(const QString& author) {
    if (author.isEmpty()) return;
    Handle trailer = FPdf.getTrailer();
    if (!trailer.getKey("/Info").isDictionary())
      trailer.replaceKey("/Info", FPdf.makeIndirectObject(Handle::newDictionary()));
    trailer.getKey("/Info").replaceKey("/Author", text(author));
  }

 private:
  QPDF& FPdf;
  std::vector<Handle> FPages;
};

}  // namespace

bool rpAddToPdf(const QByteArray& pdf, const TrpPdfAdditions& additions, QByteArray& result, QString& error) {
  try {
    QPDF document;
    document.setSuppressWarnings(true);
    document.processMemoryFile("export", pdf.constData(), static_cast<size_t>(pdf.size()));
    Writer writer(document);
    for (const TrpPdfLink& link : additions.Links) writer.AddLink(link);
    writer.AddOutline(additions.Outline);
    writer.SetAuthor(additions.Author);
    writer.TagSubsets();
    QPDFWriter output(document);
    output.setOutputMemory();
    // Page contents stay as Qt compressed them; the many small objects go into object streams.
    output.setDecodeLevel(qpdf_dl_none);
    output.setObjectStreamMode(qpdf_o_generate);
    output.write();
    const std::shared_ptr<Buffer> bytes = output.getBufferSharedPointer();
    result = QByteArray(reinterpret_cast<const char*>(bytes->getBuffer()), static_cast<qsizetype>(bytes->getSize()));
    return true;
  } catch (const std::exception& e) {
    error = QString::fromStdString(e.what());
    return false;
  }
}
