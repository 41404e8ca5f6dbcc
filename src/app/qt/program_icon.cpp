#include "app/qt/program_icon.h"

#include <QFont>
#include <QPainter>
#include <QPixmap>

namespace kx700 {
namespace {

// Draws the 64 x 64 design of kx700.svg scaled to `size`.
QPixmap Draw(int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(size / 64.0, size / 64.0);
  p.setPen(Qt::NoPen);
  const QColor red(0xc6, 0x28, 0x28), white(0xfa, 0xfa, 0xfa), yellow(0xff, 0xeb, 0x3b);
  p.setBrush(red);
  p.drawRoundedRect(QRectF(6, 6, 52, 52), 6, 6);
  p.setBrush(white);
  p.drawRoundedRect(QRectF(14, 14, 36, 18), 2, 2);
  p.setBrush(yellow);
  p.drawEllipse(QPointF(20, 44), 4, 4);
  p.setBrush(white);
  p.drawEllipse(QPointF(32, 44), 4, 4);
  p.drawEllipse(QPointF(44, 44), 4, 4);
  QFont font(QStringLiteral("Sans Serif"));
  font.setPixelSize(10);
  font.setBold(true);
  p.setFont(font);
  p.setPen(red);
  p.drawText(QRectF(14, 14, 36, 18), Qt::AlignCenter, QStringLiteral("KX700"));
  return pixmap;
}

} // namespace

QIcon ProgramIcon() {
  QIcon icon;
  for (int size : {16, 24, 32, 48, 64, 128}) icon.addPixmap(Draw(size));
  return icon;
}

} // namespace kx700
