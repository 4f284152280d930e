#pragma once

#include <QString>

class QWidget;

namespace stroval {

// Saves a picture of the window's client area to `path` (PNG). Returns false, with the reason in
// `error`, when it cannot be written.
bool SaveWindowGrab(QWidget* window, const QString& path, QString* error);

}  // namespace stroval
