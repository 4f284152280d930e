#pragma once
// The bridge from report objects to the object serializer. The serializer lives in a higher layer
// (report/store); it installs itself here at start-up, and TrpComponent's LoadFromStream,
// SaveToStream and AllDiff reach it through this interface.
#include <QString>
#include <QStringList>

class QIODevice;
class TrpComponent;

class TrpObjectStreamer {
 public:
  virtual ~TrpObjectStreamer() = default;
  // Writes `object` in the report definition format.
  virtual void SaveComponent(const TrpComponent& object, QIODevice& stream, bool saveChildren,
                             bool saveDefaultValues, bool streaming) = 0;
  // Reads `object` (and its children) back; returns the messages collected while reading.
  virtual QStringList LoadComponent(TrpComponent& object, QIODevice& stream) = 0;
  // The class name followed by the object's full attribute text.
  virtual QString WriteComponentStr(const TrpComponent& object) = 0;
};

// The installed serializer, or none. The installer keeps ownership.
TrpObjectStreamer* rpObjectStreamer();
void rpSetObjectStreamer(TrpObjectStreamer* streamer);
