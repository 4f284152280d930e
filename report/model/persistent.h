#pragma once
// Base of everything that publishes properties: report objects, their fonts, frames and fills,
// and the report's option records. Its class description (class_info.h) lists the properties.
#include <QString>

struct TrpClassInfo;
struct TrpClassName;

class TrpPersistent {
 public:
  virtual ~TrpPersistent() = default;
  TrpPersistent(const TrpPersistent&) = delete;
  TrpPersistent& operator=(const TrpPersistent&) = delete;

  virtual const TrpClassInfo& ClassInfo() const = 0;
  QString ClassName() const;
  bool InheritsFrom(const char* className) const;
  bool InheritsFrom(const TrpClassName& className) const;

  // Copies every stored published property of `source` that this object publishes under the
  // same name, defaults included, sub-objects property by property (see rpCopyProperties).
  virtual void Assign(const TrpPersistent& source);

 protected:
  TrpPersistent() = default;
};
