#include "common/qt/colour_button.h"

#include <gtest/gtest.h>

#include <QHBoxLayout>
#include <QImage>
#include <QTest>

#include <cstdlib>
#include <functional>

namespace kx700 {
namespace {

constexpr ColorRef kYellowFace = Rgb(255, 255, 128);
constexpr ColorRef kBlueText = Rgb(0, 0, 255);

// Compared as 8-bit triples: palette colours carry more precision than pixels.
QRgb At(const QImage& image, int x, int y) { return image.pixelColor(x, y).rgb(); }
QRgb Rgb8(const QColor& c) { return c.rgb(); }

// Bounding box of the pixels inside the frame that are not the face colour:
// where the caption was drawn.
QRect CaptionBox(const QImage& image, const QColor& face) {
  QRect box;
  for (int y = 3; y < image.height() - 3; ++y)
    for (int x = 3; x < image.width() - 3; ++x)
      if (image.pixelColor(x, y) != face) box |= QRect(x, y, 1, 1);
  return box;
}

struct Window {
  Window() {
    button = new CClrButton(QStringLiteral("Toets"), &widget);
    button->setGeometry(0, 0, 90, 30);
    widget.resize(90, 30);
    button->SetColors(kBlueText, kYellowFace);
    widget.show();
    widget.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&widget));
    button->clearFocus(); // the window gave it the focus on activation
  }
  QWidget widget;
  CClrButton* button;
};

// The looks side by side, saved when KX700_SCREENSHOTS names a folder.
void SaveScreenshot() {
  const char* dir = std::getenv("KX700_SCREENSHOTS");
  if (!dir) return;
  QWidget row;
  auto* layout = new QHBoxLayout(&row);
  const auto add = [&](const QString& text, ColorRef fore, ColorRef face) {
    auto* b = new CClrButton(text, &row);
    b->SetColors(fore, face);
    b->setMinimumSize(100, 28);
    layout->addWidget(b);
    return b;
  };
  CClrButton* focused = add(QStringLiteral("<<"), kWhite, Rgb(80, 176, 80));
  add(QStringLiteral("Wissen"), Rgb(1, 1, 1), Rgb(255, 128, 64))->setDown(true);
  add(QStringLiteral("Geavanceerd"), Rgb(1, 1, 1), Rgb(255, 255, 128))->setDefault(true);
  add(QStringLiteral("UIT"), kWhite, Rgb(255, 128, 128))->setEnabled(false);
  row.show();
  row.activateWindow();
  if (!QTest::qWaitForWindowActive(&row)) return;
  focused->setFocus();
  row.grab().save(QString::fromLocal8Bit(dir) + "/colour_button.png");
}

// Each ring of the frame from the outside in, probed at its top left and
// bottom right corner.
TEST(ColourButton, DrawsTheFrameOfEachState) {
  const QPalette p;
  const QRgb black = qRgb(0, 0, 0), face = qRgb(255, 255, 128);
  const QRgb highlight = Rgb8(p.color(QPalette::Light)), light = Rgb8(p.color(QPalette::Midlight));
  const QRgb shadow = Rgb8(p.color(QPalette::Dark)), dark_shadow = Rgb8(p.color(QPalette::Shadow));
  struct Case {
    const char* name;
    std::function<void(CClrButton&)> set_up;
    std::vector<std::pair<QRgb, QRgb>> rings; // top left, bottom right
  };
  const Case cases[] = {
      {"raised", [](CClrButton&) {}, {{highlight, dark_shadow}, {light, shadow}, {face, face}}},
      {"pressed", [](CClrButton& b) { b.setDown(true); }, {{dark_shadow, dark_shadow}, {shadow, shadow}, {face, face}}},
      {"default",
       [](CClrButton& b) { b.setDefault(true); },
       {{black, black}, {highlight, dark_shadow}, {light, shadow}, {face, face}}},
      {"focused",
       [](CClrButton& b) { b.setFocus(); },
       {{black, black}, {highlight, dark_shadow}, {light, shadow}, {face, face}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Window window;
    c.set_up(*window.button);
    const QImage image = window.button->grab().toImage();
    const int w = image.width(), h = image.height();
    for (int i = 0; i < static_cast<int>(c.rings.size()); ++i) {
      EXPECT_EQ(At(image, i, i), c.rings[i].first) << "ring " << i;
      EXPECT_EQ(At(image, w - 1 - i, h - 1 - i), c.rings[i].second) << "ring " << i;
    }
  }
  SaveScreenshot();
}

TEST(ColourButton, FocusRectangleIsDottedFourPixelsInside) {
  Window window;
  window.button->setFocus();
  ASSERT_TRUE(window.button->hasFocus());
  const QImage image = window.button->grab().toImage();
  const QRgb inverted = qRgb(0, 0, 127); // the yellow face inverted
  const QRgb face = qRgb(255, 255, 128);
  EXPECT_EQ(At(image, 4, 4), inverted);
  EXPECT_EQ(At(image, 5, 4), face);
  EXPECT_EQ(At(image, 6, 4), inverted);
  EXPECT_EQ(At(image, 4, 6), inverted);
  EXPECT_EQ(At(image, 3, 3), face);
}

TEST(ColourButton, DisabledShowsTheSystemFaceAndAnEmbossedCaption) {
  Window window;
  window.button->SetColors(Rgb(1, 1, 1), Rgb(80, 176, 80));
  window.button->setEnabled(false);
  const QImage image = window.button->grab().toImage();
  EXPECT_EQ(At(image, 2, 2), Rgb8(QPalette().color(QPalette::Active, QPalette::Button)));
  bool white = false, grey = false;
  for (int y = 3; y < image.height() - 3; ++y)
    for (int x = 3; x < image.width() - 3; ++x) {
      white |= At(image, x, y) == qRgb(255, 255, 255);
      grey |= At(image, x, y) == qRgb(128, 128, 128);
    }
  EXPECT_TRUE(white);
  EXPECT_TRUE(grey);
}

TEST(ColourButton, PressingMovesTheCaptionOnePixelRightAndDown) {
  Window window;
  const QColor face(255, 255, 128);
  const QRect up = CaptionBox(window.button->grab().toImage(), face);
  window.button->setDown(true);
  const QRect down = CaptionBox(window.button->grab().toImage(), face);
  ASSERT_FALSE(up.isEmpty());
  EXPECT_EQ(down, up.translated(1, 1));
}

} // namespace
} // namespace kx700
