#include "common/qt/label.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QTest>
#include <QVBoxLayout>

#include <cstdlib>

namespace kx700 {
namespace {

class PaintCounter : public QObject {
public:
  int paints = 0;

protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
};

void SaveScreenshot() {
  const char* dir = std::getenv("KX700_SCREENSHOTS");
  if (!dir) return;
  QWidget window;
  auto* layout = new QVBoxLayout(&window);
  auto* title = new CLabel(QStringLiteral("Waarde - Lusspanning"), &window);
  title->SetFontSize(14).SetFontBold(true).SetBkColor(Rgb(255, 255, 192));
  auto* underlined = new CLabel(QStringLiteral("Omschakeltijd evacuatie direct"), &window);
  underlined->SetFontUnderline(true);
  auto* mark = new CLabel(QStringLiteral("Dubbel!"), &window);
  mark->SetTextColor(Rgb(128, 0, 128)).SetFontBold(true);
  auto* range = new CLabel(QStringLiteral("Observatie\n2.0 - 5.0"), &window);
  range->SetTextColor(kWhite).SetBkColor(Rgb(255, 128, 0));
  auto* note = new CLabel(QStringLiteral("MERK OP: Bovenstaande waarden zijn slechts een indicatie."), &window);
  note->SetFontItalic(true);
  for (QWidget* w : {static_cast<QWidget*>(title), static_cast<QWidget*>(underlined), static_cast<QWidget*>(mark),
                     static_cast<QWidget*>(range), static_cast<QWidget*>(note)})
    layout->addWidget(w);
  window.show();
  if (QTest::qWaitForWindowExposed(&window)) window.grab().save(QString::fromLocal8Bit(dir) + "/label.png");
}

TEST(Label, ChainedSettersBuildOneFontWithEveryAttribute) {
  CLabel label;
  CLabel& chained = label.SetFontSize(14).SetFontBold(true).SetFontItalic(true).SetFontUnderline(true);
  EXPECT_EQ(&chained, &label);
  EXPECT_EQ(label.font().pixelSize(), 14);
  EXPECT_TRUE(label.font().bold());
  EXPECT_TRUE(label.font().italic());
  EXPECT_TRUE(label.font().underline());
  label.SetFontBold(false);
  EXPECT_EQ(label.font().weight(), QFont::Normal);
  EXPECT_EQ(label.font().pixelSize(), 14);
}

// It draws in the application's default font, whatever font its window uses.
TEST(Label, KeepsTheDefaultFontsHeightWhenNoSizeIsSet) {
  QWidget window;
  QFont large = window.font();
  large.setPointSize(30);
  window.setFont(large);
  CLabel label(QStringLiteral("Lus"), &window);
  label.SetFontBold(true);
  EXPECT_EQ(label.font().pointSizeF(), QApplication::font().pointSizeF());
  EXPECT_EQ(label.font().family(), QApplication::font().family());
}

TEST(Label, BackgroundShowsAtTheNextRepaintOnly) {
  CLabel label(QStringLiteral("Observatie"));
  label.resize(120, 30);
  label.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&label));
  PaintCounter counter;
  label.installEventFilter(&counter);
  label.SetBkColor(Rgb(255, 128, 0));
  QCoreApplication::processEvents();
  EXPECT_EQ(counter.paints, 0);
  label.SetTextColor(kWhite); // this one redraws, with the new background
  EXPECT_GT(counter.paints, 0);
  const QImage image = label.grab().toImage();
  EXPECT_EQ(image.pixelColor(1, 1), QColor(255, 128, 0));
  SaveScreenshot();
}

TEST(Label, DrawsTheTextInItsColour) {
  CLabel label(QStringLiteral("MMMM"));
  label.SetFontSize(20).SetFontBold(true).SetTextColor(Rgb(128, 0, 128)).SetBkColor(Rgb(255, 255, 192));
  label.resize(120, 40);
  const QImage image = label.grab().toImage();
  int text_pixels = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) text_pixels += image.pixelColor(x, y) == QColor(128, 0, 128);
  EXPECT_GT(text_pixels, 20);
  EXPECT_EQ(image.pixelColor(0, 0), QColor(255, 255, 192));
}

} // namespace
} // namespace kx700
