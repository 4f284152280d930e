#pragma once

#include <QLabel>
#include <QPoint>

// A label: plain text at its top-left corner, never read as markup. With automatic sizing on it
// takes the size of its text whenever the caption or the font changes; switched off, it keeps the
// size it has. It is transparent unless made opaque with a colour of its own. With automatic
// dragging, pressing the mouse on it and moving starts a drag that carries the label itself.
namespace stroval {

enum class TDragMode { dmManual, dmAutomatic };

class Label : public QLabel {
  Q_OBJECT

 public:
  explicit Label(QWidget* parent = nullptr);

  QString Caption() const { return text(); }
  void SetCaption(const QString& caption);
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool on);
  // Opaque labels fill their rectangle with Color(); transparent ones show their parent.
  bool Transparent() const { return !autoFillBackground(); }
  void SetTransparent(bool transparent);
  QColor Color() const;
  void SetColor(const QColor& color);
  TDragMode DragMode() const { return dragMode_; }
  void SetDragMode(TDragMode mode) { dragMode_ = mode; }

 signals:
  void Clicked();

 protected:
  void changeEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void FitToText();
  void StartDrag();

  bool autoSize_ = true;
  TDragMode dragMode_ = TDragMode::dmManual;
  QPoint pressPos_;
  bool pressed_ = false;
};

}  // namespace stroval
