#include "report/res/resources.h"
#include "report/res/resources_private.h"

#include "report/res/gzip_inflate.h"

#include <QAbstractButton>
#include <QFile>
#include <QIcon>
#include <QPainter>
#include <QPixmap>

// The compiled-in resources of this library; a static library must register them explicitly,
// and once is enough.
static void registerPictures() { Q_INIT_RESOURCE(res_pictures); }

static void initResources() {
  static const bool registered = (registerPictures(), true);
  Q_UNUSED(registered);
}

namespace {

const QColor kStripBackground(192, 192, 192);  // the strips' transparent colour
const QColor kGlyphBackground(128, 128, 0);     // olive, colour value 32896

// Reads the gzip-compressed bitmap strip carried as resource `name`.
QImage loadStrip(const QString& name) {
  initResources();
  QFile file(QStringLiteral(":/") + name);
  if (!file.open(QIODevice::ReadOnly)) {
    throw TrpResourceNotFound(QStringLiteral("Picture resource \"%1\" not found").arg(name));
  }
  const TrpInflateResult inflated = rpGunzip(file.readAll());
  if (!inflated.data) {
    throw TrpResourceNotFound(
        QStringLiteral("Picture resource \"%1\" cannot be decompressed: %2").arg(name, inflated.error));
  }
  QImage strip;
  if (!strip.loadFromData(*inflated.data, "BMP")) {
    throw TrpResourceNotFound(QStringLiteral("Picture resource \"%1\" is not a bitmap").arg(name));
  }
  return strip;
}

void appendStrip(TrpImageList& list, const QImage& images, bool clear) {
  if (clear) list.Clear();
  list.AppendStrip(images, kStripBackground);
}

}  // namespace

const TrpImageList& TrpResources::GetPreviewButtonImages() {
  if (d->previewButtonImages.IsEmpty()) SetPreviewButtonImages(loadStrip(QStringLiteral("PreviewButtons")), false);
  return d->previewButtonImages;
}

const TrpImageList& TrpResources::GetMainButtonImages() {
  if (d->mainButtonImages.IsEmpty()) SetButtonImages(loadStrip(QStringLiteral("DesgnButtons")), false);
  return d->mainButtonImages;
}

const TrpImageList& TrpResources::GetObjectImages() {
  if (d->objectImages.IsEmpty()) SetObjectImages(loadStrip(QStringLiteral("ObjectButtons")), false);
  return d->objectImages;
}

const TrpImageList& TrpResources::GetWizardImages() {
  if (d->wizardImages.IsEmpty()) SetWizardImages(loadStrip(QStringLiteral("WizardButtons")), false);
  return d->wizardImages;
}

const TrpImageList& TrpResources::GetDisabledButtonImages() const { return d->disabledButtonImages; }

void TrpResources::SetPreviewButtonImages(const QImage& images, bool clear) {
  appendStrip(d->previewButtonImages, images, clear);
}

void TrpResources::SetButtonImages(const QImage& images, bool clear) {
  if (clear) d->disabledButtonImages.Clear();
  const int first = clear ? 0 : d->mainButtonImages.Count();
  appendStrip(d->mainButtonImages, images, clear);
  for (int i = first; i < d->mainButtonImages.Count(); ++i) {
    d->disabledButtonImages.Append(rpDisabledCopy(d->mainButtonImages.Image(i)));
  }
}

void TrpResources::SetObjectImages(const QImage& images, bool clear) {
  appendStrip(d->objectImages, images, clear);
}

void TrpResources::SetWizardImages(const QImage& images, bool clear) {
  appendStrip(d->wizardImages, images, clear);
}

QImage TrpResources::Glyph(int index) {
  const TrpImageList& main = GetMainButtonImages();
  QImage glyph(32, 16, QImage::Format_ARGB32);
  glyph.fill(kGlyphBackground);
  QPainter painter(&glyph);
  const QImage enabled = main.Image(index);
  const QImage disabled = d->disabledButtonImages.Image(index);
  if (!enabled.isNull()) painter.drawImage(0, 0, enabled);
  if (!disabled.isNull()) painter.drawImage(16, 0, disabled);
  return glyph;
}

void TrpResources::SetGlyph(QAbstractButton* button, int index) {
  if (!button) return;
  const TrpImageList& main = GetMainButtonImages();
  const QImage enabled = main.Image(index);
  if (enabled.isNull()) return;
  QIcon icon(QPixmap::fromImage(enabled));
  icon.addPixmap(QPixmap::fromImage(d->disabledButtonImages.Image(index)), QIcon::Disabled);
  button->setIcon(icon);
  button->setIconSize(enabled.size());
}
