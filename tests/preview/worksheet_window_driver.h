#pragma once
// Driving the real worksheet window as the window system would: shown and activated, palette
// labels found, and a label dropped on a cell through drag events.
#include <QApplication>
#include <QDropEvent>
#include <QTest>

#include <vector>

#include "app/drag_source_mime.h"
#include "app/label.h"
#include "app/panel.h"
#include "app/tag.h"
#include "app/worksheet_window.h"

// The window shown and active, as the program starts it: its grid is built on activation.
inline bool ShowActive(stroval::TForm19& window) {
  window.show();
  window.activateWindow();
  return QTest::qWaitForWindowActive(&window);
}

// Drags `label` over `cell` and drops it there.
inline void DropLabel(stroval::Label* label, stroval::Panel* cell) {
  stroval::DragSourceMime data(label);
  const QPoint at(50, 50);
  QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(cell, &enter);
  QDragMoveEvent move(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(cell, &move);
  QDropEvent event(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(cell, &event);
}

// The palette labels in the order the window owns them.
inline std::vector<stroval::Label*> PaletteLabels(const stroval::TForm19& window) {
  std::vector<stroval::Label*> labels;
  for (int i = 0; i < window.ComponentCount(); ++i)
    if (stroval::Tag(window.Components(i)) == stroval::TForm19::kPaletteLabelTag)
      labels.push_back(qobject_cast<stroval::Label*>(window.Components(i)));
  return labels;
}
