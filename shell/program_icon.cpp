#include "shell/program_icon.h"

#include <QPainter>
#include <QPolygon>

namespace vortena::shell {

// A sheet of an invoice with a folded corner, three text lines and a blue
// total line at the bottom.
QPixmap programIconPixmap() {
  QPixmap pixmap(kIconSize, kIconSize);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing, false);

  const QPolygon sheet({QPoint(5, 1), QPoint(21, 1), QPoint(27, 7), QPoint(27, 30), QPoint(5, 30)});
  painter.setPen(QColor(40, 40, 40));
  painter.setBrush(QColor(255, 255, 240));
  painter.drawPolygon(sheet);

  const QPolygon corner({QPoint(21, 1), QPoint(21, 7), QPoint(27, 7)});
  painter.setBrush(QColor(200, 200, 190));
  painter.drawPolygon(corner);

  painter.setPen(QColor(110, 110, 110));
  for (int y : {11, 15, 19}) painter.drawLine(9, y, 23, y);

  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(30, 80, 170));
  painter.drawRect(13, 24, 11, 3);
  painter.setBrush(QColor(200, 40, 40));
  painter.drawRect(9, 24, 3, 3);
  return pixmap;
}

}  // namespace vortena::shell
