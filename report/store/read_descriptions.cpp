#include "report/store/read_descriptions.h"

TrpReadDescriptions::Description& TrpReadDescriptions::Get(const void* source, const QString& text) {
  std::shared_ptr<Description>& read = FRead[source];
  if (!read || read->Text != text) {
    const QString trimmed = text.trimmed();
    const int blank = trimmed.indexOf(u' ');
    read = std::make_shared<Description>(Description{text, blank < 0 ? trimmed : trimmed.left(blank),
                                                     TrpAttributeList(blank < 0 ? QString() : trimmed.mid(blank + 1))});
  }
  return *read;
}
