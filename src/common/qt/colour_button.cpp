#include "common/qt/colour_button.h"

#include <QPainter>
#include <QStyle>

#include <algorithm>

#include "common/qt/qt_colour.h"

namespace kx700 {
namespace {

// Longest caption that is drawn.
constexpr int kMaxCaption = 512;

} // namespace

CClrButton::CClrButton(QWidget* parent) : QPushButton(parent) {}

CClrButton::CClrButton(const QString& text, QWidget* parent) : QPushButton(text, parent) {}

void CClrButton::SetColors(ColorRef text, ColorRef face) {
  colours_.text = text;
  colours_.face = face;
  colours_.disabled_face = SystemColor(SystemColour::ButtonFace);
  update();
}

void CClrButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  DrawItem(painter);
}

void CClrButton::DrawItem(QPainter& painter) {
  const QRect r = rect();
  const QString caption = text().left(kMaxCaption);
  const ButtonState state{!isEnabled(), isDown(), hasFocus(), isDefault()};
  const ButtonLook look = ButtonLookFor(state, colours_);

  FillFace(painter, r, look.face);
  DrawFrame(painter, r, look.frame_style);
  for (const CaptionPass& pass : look.caption)
    DrawButtonText(painter, r.translated(pass.dx, pass.dy), caption, pass.colour);
  if (caption.isEmpty() && !icon().isNull()) {
    // An icon in place of a caption, pressed in with the face.
    const int shift = isDown() ? 1 : 0;
    const QRect at = QStyle::alignedRect(layoutDirection(), Qt::AlignCenter, iconSize(), r).translated(shift, shift);
    icon().paint(&painter, at, Qt::AlignCenter, isEnabled() ? QIcon::Normal : QIcon::Disabled);
  }
  if (look.focus_rect) DrawFocusRect(painter, r.adjusted(4, 4, -4, -4));
}

void CClrButton::FillFace(QPainter& painter, const QRect& rect, ColorRef colour) {
  painter.fillRect(rect, ToQColor(colour, palette()));
}

void CClrButton::DrawLine(QPainter& painter, int x1, int y1, int x2, int y2, ColorRef colour) {
  const QColor c = ToQColor(colour, palette());
  if (y1 == y2) {
    if (x2 != x1) painter.fillRect(QRect(QPoint(std::min(x1, x2 + 1), y1), QPoint(std::max(x1, x2 - 1), y1)), c);
  } else if (x1 == x2) {
    painter.fillRect(QRect(QPoint(x1, std::min(y1, y2 + 1)), QPoint(x1, std::max(y1, y2 - 1))), c);
  } else {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(c, 1));
    painter.drawLine(x1, y1, x2, y2);
    painter.restore();
  }
}

void CClrButton::DrawButtonText(QPainter& painter, const QRect& rect, const QString& text, ColorRef colour) {
  painter.save();
  painter.setFont(font());
  painter.setPen(ToQColor(colour, palette()));
  painter.drawText(rect, Qt::AlignCenter | Qt::TextSingleLine | Qt::TextShowMnemonic, text);
  painter.restore();
}

void CClrButton::DrawFrame(QPainter& painter, const QRect& rect, int style) {
  const EdgeRect edges{rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
  for (const EdgeLine& line : ButtonFrameLines(edges, style, colours_))
    DrawLine(painter, line.x1, line.y1, line.x2, line.y2, line.colour);
}

// Every other pixel of the border inverted, so it shows on any face.
void CClrButton::DrawFocusRect(QPainter& painter, const QRect& rect) {
  if (rect.width() <= 0 || rect.height() <= 0) return;
  painter.save();
  painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
  painter.setPen(QPen(Qt::white, 1));
  const auto dot = [&](int x, int y) {
    if ((x + y) % 2 == 0) painter.drawPoint(x, y);
  };
  for (int x = rect.left(); x <= rect.right(); ++x) {
    dot(x, rect.top());
    if (rect.bottom() != rect.top()) dot(x, rect.bottom());
  }
  for (int y = rect.top() + 1; y < rect.bottom(); ++y) {
    dot(rect.left(), y);
    if (rect.right() != rect.left()) dot(rect.right(), y);
  }
  painter.restore();
}

} // namespace kx700
