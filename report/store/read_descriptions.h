#pragma once
// Source objects' descriptions, read once. Every record of a prepared page is read as its source
// object's description followed by the record's own few attributes; reading the description's
// text anew for every record took most of the time of building a page.
#include <QHash>
#include <QString>

#include <memory>

#include "report/objects/object_attributes.h"

class TrpReadDescriptions {
 public:
  struct Description {
    QString Text;       // as it was read
    QString ClassName;  // its first word
    TrpAttributeList Attributes;
  };

  // `text` ("ClassName attributes") of the object `source`, read again only when it changed.
  Description& Get(const void* source, const QString& text);
  void Clear() { FRead.clear(); }

 private:
  QHash<const void*, std::shared_ptr<Description>> FRead;
};
