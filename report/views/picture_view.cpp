#include "report/views/picture_view.h"

#include <QBuffer>
#include <QFile>
#include <QPainter>

#include "report/datasets/data_set.h"
#include "report/objects/class_info.h"
#include "report/objects/custom_report.h"
#include "report/objects/expand_variables.h"
#include "report/objects/property_builders.h"
#include "report/text/color_names.h"

namespace {

int px(Extended value) { return static_cast<int>(rpRound(value)); }

const TrpPictureView& view(const TrpPersistent& o) { return static_cast<const TrpPictureView&>(o); }

bool always(const TrpComponent&, const TrpComponent&, bool) { return true; }
bool whenTransparent(const TrpComponent& self, const TrpComponent&, bool) {
  return static_cast<const TrpPictureView&>(self).Transparent();
}
bool whenNotWhite(const TrpComponent& self, const TrpComponent&, bool) {
  return static_cast<const TrpPictureView&>(self).TransparentColor() != clWhite;
}

// `image` with every pixel of `key` made fully transparent; an image with an alpha channel is
// first laid over the key colour, so its own transparent parts become the key too.
QImage keyedOut(const QImage& image, const QColor& key) {
  QImage flat(image.size(), QImage::Format_RGB32);
  flat.fill(key);
  {
    QPainter p(&flat);
    p.drawImage(0, 0, image);
  }
  QImage result = flat.convertToFormat(QImage::Format_ARGB32);
  const QRgb k = key.rgb() | 0xFF000000u;
  for (int y = 0; y < result.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
    for (int x = 0; x < result.width(); ++x)
      if ((line[x] | 0xFF000000u) == k) line[x] = 0;
  }
  return result;
}

}  // namespace

TrpPictureView::TrpPictureView(TrpComponent* owner) : TrpView(owner) {
  SetrpComponentStyle(rpComponentStyle() - TrpComponentStyle{csDefaultDiff});
}

const TrpClassInfo& TrpPictureView::StaticClassInfo() {
  using C = TrpPictureView;
  static const TrpClassInfo info(
      "TrpPictureView", &TrpView::StaticClassInfo(), &Create,
      {
          rpBoolean<&C::AutoSize, &C::SetAutoSize>("AutoSize", false),
          rpBoolean<&C::Center, &C::SetCenter>("Center", false),
          rpPublish("DataField"),
          rpPublish("DataSet"),
          rpPublish("DataSetName"),
          rpString<&C::FileLink, &C::SetFileLink>("FileLink"),
          rpInteger<&C::ImageIndex, &C::SetImageIndex>("ImageIndex").StoredIf(
              [](const TrpPersistent& o) { return view(o).ImageIndexStored(); }),
          rpBoolean<&C::KeepAspectRatio, &C::SetKeepAspectRatio>("KeepAspectRatio", true),
          rpPicture<&C::PictureImage, &C::SetPictureImage>("Picture").StoredIf(
              [](const TrpPersistent& o) {
                return view(o).PictureStored() && !view(o).Picture().IsEmpty();
              }),
          rpBoolean<&C::Stretched, &C::SetStretched>("Stretched", true),
          rpBoolean<&C::HightQuality, &C::SetHightQuality>("HightQuality", false),
          rpBoolean<&C::Transparent, &C::SetTransparent>("Transparent", false),
          rpColor<&C::TransparentColor, &C::SetTransparentColor>("TransparentColor", clWhite),
          rpPublish("Cursor"),
          rpPublish("Frame"),
          rpPublish("FillType"),
          rpPublish("Fill"),
          rpPublish("TagStr"),
          rpPublish("URL"),
      },
      {
          {"ImageIndex", "ImageIndex", &always},
          {"Transparent", "Transparent", &whenTransparent},
          {"TransparentColor", "TransparentColor", &whenNotWhite},
      });
  return info;
}

const TrpClassInfo& TrpPictureView::ClassInfo() const { return StaticClassInfo(); }

// --- the picture ---------------------------------------------------------------------------------

void TrpPictureView::PictureWasChanged() {
  FPictureChanged = true;
  SetAutoSize(FAutoSize);
}

void TrpPictureView::SetPicture(const TrpPicture& value) {
  FPicture = value;
  PictureWasChanged();
}

void TrpPictureView::SetPictureImage(const QImage& value) {
  FPicture.SetImage(value);
  PictureWasChanged();
}

void TrpPictureView::ClearPicture() {
  FPicture.Clear();
  PictureWasChanged();
}

int TrpPictureView::LoadPictureFromStream(QIODevice& stream, bool reset) {
  const int result = FPicture.LoadFromStream(stream, reset);
  PictureWasChanged();
  return result;
}

bool TrpPictureView::LoadPictureFromFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    ClearPicture();
    return false;
  }
  return LoadPictureFromStream(file, true) == 0;
}

void TrpPictureView::SetAutoSize(bool value) {
  FAutoSize = value;
  if (!FAutoSize || FPicture.IsEmpty()) return;
  SetWidth(FPicture.Width());
  SetHeight(FPicture.Height());
}

// --- drawing -------------------------------------------------------------------------------------

QRect TrpPictureView::PictureTarget() const {
  const int pw = FPicture.Width(), ph = FPicture.Height();
  int x = FX, y = FY, w, h;
  if (FStretched) {
    w = FDX;
    h = FDY;
    if (FKeepAspectRatio) {
      const Extended kx = pw ? static_cast<Extended>(FDX) / pw : 0;
      const Extended ky = ph ? static_cast<Extended>(FDY) / ph : 0;
      if (kx < ky)
        h = px(ph * kx);
      else
        w = px(pw * ky);
    }
  } else {
    w = px(FScaleX * pw);
    h = px(FScaleY * ph);
  }
  // Centring moves by whole pixels: half of what remains, truncated.
  if (FCenter) {
    x += (FDX - w) / 2;
    y += (FDY - h) / 2;
  }
  return QRect(x, y, w, h);
}

void TrpPictureView::DrawPicture() {
  QPainter& canvas = *FCanvas;
  const QRect target = PictureTarget();
  const bool smooth = FHightQuality || IsPrinting();
  canvas.save();
  if (!FStretched) canvas.setClipRect(QRect(FX, FY, FDX, FDY), Qt::IntersectClip);
  if (FTransparent && FTransparentColor != clNone && !FPicture.IsMetafile()) {
    canvas.setRenderHint(QPainter::SmoothPixmapTransform, smooth);
    canvas.drawImage(target, keyedOut(FPicture.Image(), rpToQColor(FTransparentColor)));
  } else {
    FPicture.Draw(canvas, target, smooth);
  }
  canvas.restore();
}

// A small picture glyph, so an empty picture object can be seen and picked in a designer.
void TrpPictureView::DrawPlaceholder() {
  QPainter& canvas = *FCanvas;
  const QRect box(FX + 1, FY + 2, 16, 16);
  canvas.save();
  canvas.setRenderHint(QPainter::Antialiasing, false);
  canvas.setPen(QPen(QColor(128, 128, 128), 0));
  canvas.setBrush(QColor(255, 255, 255));
  canvas.drawRect(box.adjusted(0, 0, -1, -3));
  canvas.setPen(Qt::NoPen);
  canvas.setBrush(QColor(0, 128, 0));
  canvas.drawPolygon(QPolygon({box.topLeft() + QPoint(2, 11), box.topLeft() + QPoint(6, 5),
                               box.topLeft() + QPoint(9, 9), box.topLeft() + QPoint(11, 7),
                               box.topLeft() + QPoint(14, 11)}));
  canvas.setBrush(QColor(255, 200, 0));
  canvas.drawEllipse(QRect(box.left() + 10, box.top() + 2, 3, 3));
  canvas.restore();
}

void TrpPictureView::Draw(QPainter& canvas, Extended scaleX, Extended scaleY, Extended offsetX,
                          Extended offsetY) {
  BeginDraw(canvas, scaleX, scaleY, offsetX, offsetY);
  if (!DrawAsMask()) DrawBackground();
  if (!FPicture.IsEmpty())
    DrawPicture();
  else if (IsDesigning())
    DrawPlaceholder();
  DrawFrame();
}

// --- data ----------------------------------------------------------------------------------------

void TrpPictureView::GetData() {
  TrpView::GetData();
  if (!FFileLink.isEmpty()) {
    QString path = FFileLink;
    if (TrpCustomReport* report = Report())
      path = rpExpandVariables(path, [report](const QString& e) { return report->Calc(e).ToText(); });
    LoadPictureFromFile(path);
    return;
  }
  TrpDataSet* dataSet = DataSet();
  if (!dataSet || DataField().isEmpty() || !dataSet->IsBlobField(DataField())) return;
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::ReadWrite);
  dataSet->AssignBlobTo(DataField(), buffer);
  LoadPictureFromStream(buffer, true);
}

void TrpPictureView::AppendDiff(const TrpComponent& other, QString& out) const {
  // The store takes the picture and sets ImageIndex before the record is written.
  if (FPictureChanged) {
    if (TrpCustomReport* report = Report()) report->AddPicture(const_cast<TrpPictureView&>(*this));
  }
  out += u' ';
  TrpView::AppendDiff(other, out);
}
