#include "common/qt/qt_message_host.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <functional>

#include "support/qt/when_modal_shows.h"

namespace kx700 {
namespace {

void WhenBoxShows(std::function<void(QMessageBox&)> act) { test::WhenModalShows<QMessageBox>(std::move(act)); }

TEST(QtMessageHost, ShowsTextCaptionButtonsAndIconAndReturnsTheChoice) {
  struct Case {
    MessageButtons buttons;
    MessageIcon icon;
    QMessageBox::StandardButtons shown;
    QMessageBox::Icon shownIcon;
    QMessageBox::StandardButton click;
    MessageAnswer answer;
  };
  const Case cases[] = {
      {MessageButtons::Ok, MessageIcon::Error, QMessageBox::Ok, QMessageBox::Critical, QMessageBox::Ok,
       MessageAnswer::Ok},
      {MessageButtons::OkCancel, MessageIcon::Question, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Question,
       QMessageBox::Cancel, MessageAnswer::Cancel},
      {MessageButtons::YesNo, MessageIcon::Exclamation, QMessageBox::Yes | QMessageBox::No, QMessageBox::Warning,
       QMessageBox::Yes, MessageAnswer::Yes},
      {MessageButtons::YesNoCancel, MessageIcon::Information, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
       QMessageBox::Information, QMessageBox::No, MessageAnswer::No},
  };
  for (const auto& c : cases) {
    QtMessageHost host;
    bool checked = false;
    WhenBoxShows([&](QMessageBox& box) {
      EXPECT_EQ(box.windowTitle(), QStringLiteral(u"Défaut 6"));
      EXPECT_EQ(box.text(), QStringLiteral(u"Instellen van de seriële poort mislukt.\nTweede regel"));
      EXPECT_EQ(box.standardButtons(), c.shown);
      EXPECT_EQ(box.icon(), c.shownIcon);
      checked = true;
      box.button(c.click)->click();
    });
    const MessageAnswer answer = host.Show({"Instellen van de seri\xEBle poort mislukt.\nTweede regel",
                                            "D\xE9"
                                            "faut 6",
                                            c.buttons,
                                            c.icon,
                                            {}});
    EXPECT_TRUE(checked);
    EXPECT_EQ(answer, c.answer);
  }
}

TEST(QtMessageHost, EscapeGivesCancelOrNo) {
  const std::pair<MessageButtons, MessageAnswer> cases[] = {
      {MessageButtons::OkCancel, MessageAnswer::Cancel},
      {MessageButtons::YesNo, MessageAnswer::No},
      {MessageButtons::YesNoCancel, MessageAnswer::Cancel},
      {MessageButtons::Ok, MessageAnswer::Ok},
  };
  for (auto [buttons, expected] : cases) {
    QtMessageHost host;
    WhenBoxShows([](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Escape); });
    EXPECT_EQ(host.Show({"?", "Aandacht 1", buttons, MessageIcon::Question, {}}), expected);
  }
}

TEST(QtMessageHost, BoxBelongsToItsOwner) {
  QWidget owner;
  owner.show();
  QtMessageHost host;
  QWidget* parent = nullptr;
  WhenBoxShows([&](QMessageBox& box) {
    parent = box.parentWidget();
    box.accept();
  });
  host.Show({"text", "caption", MessageButtons::Ok, MessageIcon::Information, OwnerOf(&owner)});
  EXPECT_EQ(parent, &owner);
}

} // namespace
} // namespace kx700
