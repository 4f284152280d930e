#pragma once

class QObject;

// Every control and component carries an integer marker, 0 unless set. The application finds its
// own run-time objects by these values (grid cells, palette labels), so the marker lives on the
// object itself as a dynamic property and can be read from any QObject, whatever its class.
namespace stroval {

int Tag(const QObject* object);
void SetTag(QObject* object, int tag);

}  // namespace stroval
