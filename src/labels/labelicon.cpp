#include "labels/labelicon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {
constexpr int kSize = 32;
// Bar widths of the little bar code, left to right, alternating bar and gap.
constexpr int kBars[] = {1, 1, 2, 1, 1, 2, 1, 1, 2, 1, 1};
}  // namespace

QImage labelIconImage() {
  QImage image(kSize, kSize, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);

  // The tag: a rounded body with a clipped corner at the top left and a hole.
  QPainterPath tag;
  tag.moveTo(9, 2);
  tag.lineTo(29, 2);
  tag.lineTo(29, 29);
  tag.lineTo(3, 29);
  tag.lineTo(3, 8);
  tag.closeSubpath();
  QPainterPath hole;
  hole.addEllipse(QPointF(9.5, 8.5), 2.2, 2.2);
  p.setPen(QPen(QColor(0x30, 0x4f, 0x7a), 1.5));
  p.setBrush(QColor(0xf6, 0xd3, 0x65));
  p.drawPath(tag.subtracted(hole));

  // The bar code on the lower half.
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawRect(6, 14, 20, 12);
  p.setBrush(Qt::black);
  int x = 8;
  bool bar = true;
  for (int w : kBars) {
    if (bar) p.drawRect(x, 16, w, 8);
    x += w;
    bar = !bar;
  }
  p.end();
  return image;
}

QIcon labelIcon() { return QIcon(QPixmap::fromImage(labelIconImage())); }
