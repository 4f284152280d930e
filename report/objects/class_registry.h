#pragma once
// The registry of report classes by name, through which the serializer creates an object from
// an element name. The report subsystem registers its classes at start-up.
#include <QList>
#include <QString>

struct TrpClassInfo;
class TrpComponent;

// Registers `cls` under its class name; registering a name again replaces the earlier class.
void rpRegisterClass(const TrpClassInfo& cls);
void rpUnregisterClass(const TrpClassInfo& cls);
// The class registered under `className` (ignoring case), or none.
const TrpClassInfo* rpFindClass(const QString& className);
// A new object of the class registered under `className`, or none when the name is unknown or
// the class is abstract.
TrpComponent* rpCreateObject(const QString& className, TrpComponent* owner);
QList<const TrpClassInfo*> rpRegisteredClasses();
