// Prepared reports from any bytes, opened as the preview opens a file (pages read when they are
// shown), then every page drawn, at most the first 32.
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <exception>

#include "report/component/report.h"
#include "report/objects/custom_preview_pages.h"
#include "tests/fuzz/fuzz_input.h"
#include "tests/fuzz/fuzz_targets.h"

namespace {

void drawPages(TrpCustomPreviewPages& pages) {
  QImage image(120, 170, QImage::Format_ARGB32_Premultiplied);
  const int count = std::min(pages.GetCount(), 32);
  for (int i = 0; i < count; ++i) {
    const QSizeF size = pages.GetPageSize(i);
    const Extended scale = size.width() > 0 && size.height() > 0
                               ? std::min(image.width() / size.width(), image.height() / size.height())
                               : 0.1;
    image.fill(Qt::white);
    QPainter painter(&image);
    pages.DrawPage(i, painter, scale, scale, 0, 0);
  }
}

}  // namespace

int rpFuzzPreparedReport(const uint8_t* data, size_t size) {
  // The store reads pages lazily from the file, so the file outlives the report.
  const FuzzFile input("rpp", data, size);
  if (!input.Written()) return 0;
  {
    TrpReport report;
    TrpCustomPreviewPages* pages = report.PreviewPages();
    try {
      if (pages && pages->LoadFromFile(input.Name(), false)) drawPages(*pages);
    } catch (const std::exception&) {
    }
  }
  return 0;
}
