#include "service/qt/panel_settings_dialogs.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QButtonGroup>
#include <QDateEdit>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimeEdit>

#include <cstdlib>

#include "common/qt/colour_button.h"
#include "support/qt/widget_helpers.h"

namespace kx700 {
namespace {

using test::Screenshot;

QAbstractButton* ButtonNamed(QDialog& d, const QString& text) {
  for (auto* button : d.findChildren<QAbstractButton*>()) {
    if (button->text() == text) return button;
  }
  return nullptr;
}

QString BuddyText(QDialog& d, QWidget* input) {
  for (auto* label : d.findChildren<QLabel*>()) {
    if (label->buddy() == input) return label->text();
  }
  return {};
}

// A PC clock that tests set by hand, read only when the dialog asks.
struct ClockDialog : testing::Test {
  std::unique_ptr<Cadjust_time> Open(const PanelDateTime& preset) {
    auto d = std::make_unique<Cadjust_time>(preset, [this] { return now; });
    d->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(d.get()));
    return d;
  }
  LocalDateTime now{2031, 7, 8, 9, 10, 11, 2};
};

TEST_F(ClockDialog, ShowsThePanelClockAndOkSendsItBack) {
  const PanelDateTime panel = FromPanelClock({24, 3, 15, 14, 5, 9});
  auto d = Open(panel);
  EXPECT_EQ(d->windowTitle(), "Instellen datum/tijd");
  EXPECT_EQ(d->datePicker()->text(), "15/03/2024");
  EXPECT_EQ(d->timePicker()->text(), "14:05:09");
  EXPECT_TRUE(d->datePicker()->calendarPopup());
  EXPECT_EQ(BuddyText(*d, d->datePicker()), "&Datum");
  EXPECT_EQ(BuddyText(*d, d->timePicker()), "&Tijd");
  EXPECT_EQ(d->minimumSize(), d->maximumSize());

  // The OK button: "Instellen", the default, white on green.
  EXPECT_EQ(d->okButton()->text(), "Instellen");
  EXPECT_TRUE(d->okButton()->isDefault());
  const QImage face = d->okButton()->grab().toImage();
  EXPECT_EQ(face.pixelColor(5, face.height() / 2), QColor(80, 176, 80));
  Screenshot(*d, "panel_clock.png");

  QTest::keyClick(d->datePicker(), Qt::Key_Return);
  EXPECT_EQ(d->result(), QDialog::Accepted);
  EXPECT_EQ(d->dateTime(), panel);
  EXPECT_EQ(ToPanelClock(d->dateTime()), (std::array<std::uint8_t, 6>{24, 3, 15, 14, 5, 9}));
}

TEST_F(ClockDialog, OkTakesWhatWasTypedIntoThePickers) {
  auto d = Open({2024, 2, 28, 14, 5, 9});
  d->datePicker()->setFocus();
  d->datePicker()->setSelectedSection(QDateTimeEdit::DaySection);
  QTest::keyClicks(d->datePicker(), "29");
  d->timePicker()->setFocus();
  d->timePicker()->setSelectedSection(QDateTimeEdit::HourSection);
  QTest::keyClicks(d->timePicker(), "08");
  QTest::keyClick(d->timePicker(), Qt::Key_Enter);
  EXPECT_EQ(d->result(), QDialog::Accepted);
  EXPECT_EQ(d->dateTime(), (PanelDateTime{2024, 2, 29, 8, 5, 9}));
}

TEST_F(ClockDialog, PcTimeSetsBothPickersToTheClockAtTheClick) {
  auto d = Open({2024, 3, 15, 14, 5, 9});
  now = {2099, 12, 31, 23, 59, 59, 4};
  d->pcTimeButton()->click();
  EXPECT_EQ(d->pcTimeButton()->text(), "PC-tijd");
  EXPECT_EQ(d->datePicker()->text(), "31/12/2099");
  EXPECT_EQ(d->timePicker()->text(), "23:59:59");
  QTest::keyClick(d->timePicker(), Qt::Key_Return);
  EXPECT_EQ(d->dateTime(), (PanelDateTime{2099, 12, 31, 23, 59, 59}));
}

TEST_F(ClockDialog, AValueThePickersCannotShowOpensOnPcTime) {
  auto d = Open({2023, 2, 29, 24, 0, 0});
  EXPECT_EQ(d->datePicker()->text(), "08/07/2031");
  EXPECT_EQ(d->timePicker()->text(), "09:10:11");
}

TEST_F(ClockDialog, EscapeCancels) {
  auto d = Open({2024, 3, 15, 14, 5, 9});
  QTest::keyClick(d->datePicker(), Qt::Key_Escape);
  EXPECT_FALSE(d->isVisible());
  EXPECT_EQ(d->result(), QDialog::Rejected);
}

TEST(LanguageDialog, PresetsTheRadioOfThePanelCode) {
  const struct {
    int code;
    int radio;
  } cases[] = {{1, 0}, {2, 1}, {3, 2}, {0, 2}, {6, 2}, {4, -1}, {5, -1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.code);
    Clanguage d(c.code);
    EXPECT_EQ(d.languages()->checkedId(), c.radio);
  }
}

TEST(LanguageDialog, OkReturnsTheChosenLanguage) {
  Clanguage d(3);
  d.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&d));
  EXPECT_EQ(d.windowTitle(), "Taalselectie");
  auto* english = ButtonNamed(d, "English");
  EXPECT_TRUE(english->isChecked());
  EXPECT_FALSE(english->isEnabled());
  EXPECT_EQ(d.minimumSize(), d.maximumSize());
  Screenshot(d, "panel_language.png");

  ButtonNamed(d, "Français")->click();
  QTest::keyClick(&d, Qt::Key_Return);
  EXPECT_EQ(d.result(), QDialog::Accepted);
  EXPECT_EQ(d.GetLanguage(), 2);
  EXPECT_EQ(d.languageToSend(), 2);
}

TEST(LanguageDialog, OkWithoutAChoiceClosesAndSendsNothing) {
  Clanguage d(4);
  d.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&d));
  ButtonNamed(d, "OK")->click();
  EXPECT_FALSE(d.isVisible());
  EXPECT_EQ(d.result(), QDialog::Accepted);
  EXPECT_EQ(d.GetLanguage(), 0);
  EXPECT_EQ(d.languageToSend(), std::nullopt);
}

TEST(LanguageDialog, EscapeCancels) {
  Clanguage d(1);
  d.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&d));
  QTest::keyClick(&d, Qt::Key_Escape);
  EXPECT_EQ(d.result(), QDialog::Rejected);
}

} // namespace
} // namespace kx700
