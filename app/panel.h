#pragma once

#include <QWidget>
#include <functional>

class QPainter;

// A panel: a raised, filled rectangle that can show one centred caption in its own font. Grid
// cells are panels whose caption is the practised character; they take drops through handlers
// bound to them when they are made.
namespace stroval {

class Panel : public QWidget {
  Q_OBJECT

 public:
  // Decides whether the dragged object may be dropped on this panel.
  using DragOverHandler = std::function<bool(Panel* sender, QObject* source)>;
  // Performs the drop of the dragged object on this panel.
  using DragDropHandler = std::function<void(Panel* sender, QObject* source)>;

  explicit Panel(QWidget* parent = nullptr);

  QString Caption() const { return caption_; }
  void SetCaption(const QString& caption);
  QColor Color() const;
  void SetColor(const QColor& color);

  // Binding a drag-over handler makes the panel a drop target.
  void SetOnDragOver(DragOverHandler handler);
  void SetOnDragDrop(DragDropHandler handler);

 protected:
  void paintEvent(QPaintEvent* event) override;
  // What lies inside the bevel; a plain panel shows its caption in its text colour.
  virtual void PaintContent(QPainter& painter);
  // The caption, centred on one line, in `color`.
  void PaintCaption(QPainter& painter, const QColor& color) const;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  bool AcceptsDrag(const QDropEvent* event);

  QString caption_;
  DragOverHandler onDragOver_;
  DragDropHandler onDragDrop_;
};

}  // namespace stroval
