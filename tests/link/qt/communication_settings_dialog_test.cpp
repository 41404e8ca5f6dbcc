#include "link/qt/communication_settings_dialog.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include <cstdlib>
#include <functional>
#include <string>
#include <utility>

#include "support/qt/text_routes.h"

namespace kx700 {
namespace {

QList<QRadioButton*> Radios(Ccommunication_settings& d) { return d.findChildren<QRadioButton*>(); }

int CheckedRadio(Ccommunication_settings& d) {
  const auto radios = Radios(d);
  for (int i = 0; i < radios.size(); ++i) {
    if (radios[i]->isChecked()) return i;
  }
  return -1;
}

TEST(CommunicationDialog, OtherPortAndUnofferedRate) {
  Ccommunication_settings d(12, 57600);
  auto* other = d.findChild<QLineEdit*>("otherPort");
  auto* baud = d.findChild<QComboBox*>("baud");
  EXPECT_EQ(d.windowTitle(), "Communicatie");
  EXPECT_EQ(CheckedRadio(d), -1);
  EXPECT_EQ(other->text(), "12");
  EXPECT_EQ(baud->currentIndex(), -1);
  EXPECT_EQ(baud->count(), 5);
  // OK without changes keeps both.
  EXPECT_EQ(d.choice().port, 12);
  EXPECT_EQ(d.choice().baud, 57600);
}

TEST(CommunicationDialog, ChoosingAndTyping) {
  ::setenv("KX700_COM3", "/dev/pts/77", 1);
  Ccommunication_settings d(0, 9600);
  ::unsetenv("KX700_COM3");
  auto* other = d.findChild<QLineEdit*>("otherPort");
  EXPECT_EQ(CheckedRadio(d), 0); // port 0 shows as COM1

  // Each choice shows the device it stands for.
  bool shown = false;
  for (auto* label : d.findChildren<QLabel*>()) shown = shown || label->text() == "/dev/pts/77";
  EXPECT_TRUE(shown);

  QTest::keyClicks(other, "150");
  EXPECT_EQ(CheckedRadio(d), -1);
  EXPECT_EQ(d.choice().port, 1); // out of range

  Radios(d)[5]->click();
  EXPECT_EQ(other->text().toStdString(), "");
  EXPECT_EQ(d.choice().port, 6);

  QTest::keyClicks(other, "4x2"); // letters are refused
  EXPECT_EQ(other->text(), "42");
  EXPECT_EQ(d.choice().port, 42);

  d.findChild<QComboBox*>("baud")->setCurrentIndex(4);
  EXPECT_EQ(d.choice().baud, 38400);
  if (const char* dir = std::getenv("KX700_SCREENSHOTS"))
    d.grab().save(QString::fromLocal8Bit(dir) + "/communication.png");
}

// The other port as a screen reader sets it (through the accessibility
// interface), pasted or dropped: what the field shows is what OK takes. What
// is no digit is left out first, and then more digits than its three are cut
// there; the text is never refused whole.
TEST(CommunicationDialog, TheOtherPortTakesItsTextHoweverItComes) {
  struct Case {
    QString given;
    QString kept;
    int port;
  };
  const Case cases[] = {
      {"12", "12", 12}, {"0451", "045", 45}, {"x7", "7", 7}, {"1a2b3c4d", "123", 1}, {"a0b9c8d", "098", 98}};
  for (const auto& [route, set] : test::kTextRoutes) {
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(route) + " " + c.given.toStdString());
      Ccommunication_settings d(3, 9600);
      auto* other = d.findChild<QLineEdit*>("otherPort");
      set(other, c.given);
      EXPECT_EQ(other->text().toStdString(), c.kept.toStdString());
      EXPECT_EQ(CheckedRadio(d), -1);
      EXPECT_EQ(d.choice().port, c.port);
    }
  }
  // Emptied by a screen reader, the field holds no port: OK takes COM1.
  Ccommunication_settings d(12, 9600);
  auto* other = d.findChild<QLineEdit*>("otherPort");
  QAccessible::queryAccessibleInterface(other)->editableTextInterface()->deleteText(0, 2);
  EXPECT_EQ(other->text().toStdString(), "");
  EXPECT_EQ(d.choice().port, 1);
}

} // namespace
} // namespace kx700
