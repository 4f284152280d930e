#pragma once
// Stand-ins for forms that call Help with themselves: their class names are what matters.
#include <QObject>

class TrpPageEditorForm : public QObject {
  Q_OBJECT
};

// Same class as a help topic except for letter case.
class trpmemoeditorFORM : public QObject {
  Q_OBJECT
};

class TrpPreviewForm : public QObject {
  Q_OBJECT
};
