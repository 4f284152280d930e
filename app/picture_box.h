#pragma once

#include <QImage>
#include <QWidget>

// A picture box that shows its picture scaled to fit with the aspect ratio kept, centred.
namespace stroval {

class PictureBox : public QWidget {
  Q_OBJECT

 public:
  explicit PictureBox(QWidget* parent = nullptr);

  const QImage& Picture() const { return picture_; }
  void SetPicture(const QImage& picture);
  // Where the picture is drawn inside the box.
  QRect PictureRect() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage picture_;
};

}  // namespace stroval
