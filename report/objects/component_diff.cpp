// The difference record of an object against its template: one walk over the class's record.
#include "report/objects/class_info.h"
#include "report/objects/component.h"

#include <deque>

QString TrpComponent::InternalDiff(const TrpComponent& other) const {
  return InternalDiff(other, ClassInfo().DiffEntries().size());
}

namespace {

// Records are written into buffers the thread keeps, one per level of records written while
// another is (a picture's record hands the picture to the store first), so that a record is not
// grown attribute by attribute into new allocations; the record itself is an exact copy (prepared
// pages hold many).
class RecordBuffer {
 public:
  RecordBuffer() : FText(buffers()[depth()++]) {
    if (FText.capacity() > 65536) FText = QString();
    FText.resize(0);
  }
  ~RecordBuffer() { --depth(); }
  RecordBuffer(const RecordBuffer&) = delete;
  RecordBuffer& operator=(const RecordBuffer&) = delete;

  QString& Text() { return FText; }
  QString Copy() const { return QString(FText.constData(), FText.size()); }
  // The copy without the blanks around it.
  QString TrimmedCopy() const {
    const QStringView trimmed = QStringView(FText).trimmed();
    return QString(trimmed.constData(), trimmed.size());
  }

 private:
  static std::deque<QString>& buffers() {
    thread_local std::deque<QString> all;
    while (all.size() <= static_cast<std::size_t>(depth())) all.emplace_back();
    return all;
  }
  static int& depth() {
    thread_local int level = 0;
    return level;
  }
  QString& FText;
};

}  // namespace

QString TrpComponent::InternalDiff(const TrpComponent& other, size_t entryCount) const {
  RecordBuffer buffer;
  ClassInfo().DiffRecord().Append(*this, other, entryCount, buffer.Text());
  return buffer.Copy();
}

void TrpComponent::AppendDiff(const TrpComponent& other, QString& out) const {
  ClassInfo().DiffRecord().Append(*this, other, ClassInfo().DiffEntries().size(), out);
}

QString TrpComponent::Diff(const TrpComponent& other) const {
  RecordBuffer buffer;
  AppendDiff(other, buffer.Text());
  return buffer.Copy();
}

QString TrpComponent::RecordDiff(const TrpComponent& other) const {
  RecordBuffer buffer;
  AppendDiff(other, buffer.Text());
  return buffer.TrimmedCopy();
}

bool TrpComponent::DiffForcesTop() const {
  static const TrpClassName band("TrpBand");
  return InheritsFrom(band);
}
