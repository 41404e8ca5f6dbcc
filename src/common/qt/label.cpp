#include "common/qt/label.h"

#include <QApplication>
#include <QPainter>

#include "common/qt/qt_colour.h"

namespace kx700 {

CLabel::CLabel(QWidget* parent) : CLabel(QString(), parent) {}

CLabel::CLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
  setTextFormat(Qt::PlainText);
  font_description_ = QApplication::font(this);
  setFont(font_description_);
}

CLabel& CLabel::SetText(const QString& text) {
  setText(text);
  return *this;
}

CLabel& CLabel::SetTextColor(ColorRef colour) {
  text_colour_ = colour;
  RedrawNow();
  return *this;
}

CLabel& CLabel::SetBkColor(ColorRef colour) {
  background_ = colour;
  return *this;
}

CLabel& CLabel::SetFontBold(bool bold) {
  font_description_.setWeight(bold ? QFont::Bold : QFont::Normal);
  ReconstructFont();
  return *this;
}

CLabel& CLabel::SetFontUnderline(bool underline) {
  font_description_.setUnderline(underline);
  ReconstructFont();
  return *this;
}

CLabel& CLabel::SetFontItalic(bool italic) {
  font_description_.setItalic(italic);
  ReconstructFont();
  return *this;
}

CLabel& CLabel::SetFontSize(int size) {
  if (size > 0) font_description_.setPixelSize(size);
  ReconstructFont();
  return *this;
}

void CLabel::ReconstructFont() {
  setFont(font_description_);
  RedrawNow();
}

void CLabel::RedrawNow() {
  if (isVisible()) repaint();
}

void CLabel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), ToQColor(background_, palette()));
  drawFrame(&painter);
  painter.setFont(font());
  painter.setPen(isEnabled() ? ToQColor(text_colour_, palette())
                             : palette().color(QPalette::Disabled, QPalette::WindowText));
  const int m = margin();
  const int flags = static_cast<int>(alignment()) | (wordWrap() ? Qt::TextWordWrap : 0);
  painter.drawText(contentsRect().adjusted(m, m, -m, -m), flags, text());
}

} // namespace kx700
