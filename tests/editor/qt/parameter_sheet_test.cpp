#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QStackedWidget>
#include <QTest>
#include <QWheelEvent>

#include <functional>
#include <utility>
#include <vector>

#include "editor/qt/editor_page_widget.h"
#include "editor/qt/loop_page_widget.h"
#include "editor/qt/parameter_sheet.h"
#include "support/fake_message_host.h"
#include "support/qt/text_routes.h"
#include "support/qt/when_modal_shows.h"

namespace kx700 {
namespace {

using namespace loop_ids;

// A page that records what the sheet asks of it and leaves when allowed.
struct RecordingPage final : EditorPageWidget, EditorPage {
  explicit RecordingPage(QWidget* parent) : EditorPageWidget(parent) {}
  EditorPage& logic() override { return *this; }
  void OnInitDialog() override { calls.push_back("init"); }
  void OnSetActive() override { calls.push_back("active"); }
  bool OnKillActive() override {
    calls.push_back("leave");
    return mayLeave;
  }
  bool OnOK() override {
    calls.push_back("ok");
    return true;
  }
  void OnCancel() override { calls.push_back("cancel"); }
  std::vector<std::string> calls;
  bool mayLeave = true;
};

// The loop page between two recording pages, as a 1.01 sheet orders them:
// Acties, Sturingen, Lus (the general and dossier pages left out).
struct Sheet {
  Sheet() {
    document.version = {1, 1, 1};
    LoopRecord loop = NewLoop(1, nullptr);
    document.loops.push_back(loop);
    EditorPageFactory factory{[](EditorPageKind kind) {
                                return kind == EditorPageKind::Actions || kind == EditorPageKind::Controls ||
                                       kind == EditorPageKind::Loops;
                              },
                              [this](EditorPageKind kind, ParameterEditor& e, QWidget* parent) -> EditorPageWidget* {
                                if (kind == EditorPageKind::Loops) return new Czone(e, parent);
                                auto* page = new RecordingPage(parent);
                                (kind == EditorPageKind::Actions ? actions : controls) = page;
                                return page;
                              }};
    sheet = std::make_unique<CParameterSheet>(editor, nullptr, factory);
    sheet->show();
    sheet->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(sheet.get()));
  }
  Czone* loops() const { return static_cast<Czone*>(sheet->page(EditorPageKind::Loops)); }
  QLineEdit* edit(ControlId id) const { return qobject_cast<QLineEdit*>(loops()->control(id)); }
  void ClickTab(int index) {
    QTest::mouseClick(sheet->tabBar(), Qt::LeftButton, {}, sheet->tabBar()->tabRect(index).center());
  }
  // Closes the one message box that the next action brings, keeping its text.
  void ExpectMessage() {
    test::WhenModalShows<QMessageBox>([this](QMessageBox& box) {
      messages.push_back(box.text().toStdString());
      box.accept();
    });
  }

  CPc_kx700Doc document;
  test::FakeMessageHost host;
  ParameterEditor editor{document, host};
  RecordingPage* actions = nullptr;
  RecordingPage* controls = nullptr;
  std::unique_ptr<CParameterSheet> sheet;
  std::vector<std::string> messages;
};

TEST(ParameterSheet, OpensOnTheFirstPageAndBuildsOthersWhenFirstShown) {
  Sheet s;
  EXPECT_EQ(s.sheet->tabBar()->count(), 3);
  EXPECT_EQ(s.sheet->tabBar()->tabText(0), "Acties");
  EXPECT_EQ(s.sheet->tabBar()->tabText(2), "Lus");
  EXPECT_EQ(s.sheet->currentTab(), 0);
  ASSERT_NE(s.actions, nullptr);
  EXPECT_EQ(s.controls, nullptr);
  EXPECT_EQ(s.loops(), nullptr);
  EXPECT_EQ(s.actions->calls, (std::vector<std::string>{"init", "active"}));
  s.ClickTab(2);
  EXPECT_EQ(s.sheet->currentTab(), 2);
  ASSERT_NE(s.loops(), nullptr);
  EXPECT_EQ(s.controls, nullptr);
  // Cancel reaches only the pages that were shown.
  s.sheet->reject();
  EXPECT_EQ(s.actions->calls.back(), "cancel");
}

TEST(ParameterSheet, APageThatRefusesToLeaveKeepsItsTabWhicheverWayTheUserTries) {
  Sheet s;
  s.actions->mayLeave = false;
  s.ClickTab(1);
  EXPECT_EQ(s.sheet->currentTab(), 0);
  EXPECT_EQ(s.sheet->tabBar()->currentIndex(), 0);
  QTest::keyClick(s.sheet.get(), Qt::Key_Tab, Qt::ControlModifier);
  QTest::keyClick(s.sheet.get(), Qt::Key_PageDown, Qt::ControlModifier);
  s.sheet->tabBar()->setFocus();
  QTest::keyClick(s.sheet->tabBar(), Qt::Key_Right);
  const QPointF at = s.sheet->tabBar()->tabRect(1).center();
  QWheelEvent wheel(at, s.sheet->tabBar()->mapToGlobal(at), {}, QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                    Qt::NoScrollPhase, false);
  QApplication::sendEvent(s.sheet->tabBar(), &wheel);
  s.sheet->tabBar()->setCurrentIndex(2); // any other way, put back at once
  QApplication::processEvents();
  EXPECT_EQ(s.sheet->currentTab(), 0);
  EXPECT_EQ(s.sheet->tabBar()->currentIndex(), 0);
  EXPECT_EQ(s.controls, nullptr);
  EXPECT_EQ(s.loops(), nullptr);

  s.actions->mayLeave = true;
  QTest::keyClick(s.sheet.get(), Qt::Key_PageDown, Qt::ControlModifier);
  EXPECT_EQ(s.sheet->currentTab(), 1);
}

TEST(ParameterSheet, ARefusedLoopFieldKeepsThePageOnATabClickAndOnOk) {
  Sheet s;
  s.ClickTab(2);
  ASSERT_NE(s.loops(), nullptr);
  const LoopRecord before = s.document.loops.front();
  s.edit(kUpperLevel)->setText("2,5");

  s.ExpectMessage();
  s.ClickTab(0);
  EXPECT_EQ(s.messages, (std::vector<std::string>{"Geef een getal in."}));
  EXPECT_EQ(s.sheet->currentTab(), 2);
  EXPECT_EQ(s.sheet->tabBar()->currentIndex(), 2);
  EXPECT_EQ(s.sheet->focusWidget(), s.edit(kUpperLevel));
  EXPECT_EQ(s.edit(kUpperLevel)->text(), "2,5");

  s.ExpectMessage();
  s.sheet->accept();
  EXPECT_TRUE(s.sheet->isVisible());
  EXPECT_EQ(s.messages.size(), 2u);
  EXPECT_EQ(s.document.loops.front(), before);

  s.edit(kUpperLevel)->setText("2.5");
  s.sheet->accept();
  EXPECT_FALSE(s.sheet->isVisible());
  EXPECT_EQ(s.sheet->result(), QDialog::Accepted);
  EXPECT_EQ(s.document.loops.front().Byte(LoopRecord::kLevelU), 25);
  EXPECT_EQ(s.actions->calls.back(), "ok");
}

// Tab goes from the page tabs into the page, and on to OK and Cancel after it.
TEST(ParameterSheet, TabReachesThePageBeforeOkAndCancel) {
  Sheet s;
  s.ClickTab(2);
  ASSERT_NE(s.loops(), nullptr);
  QWidget* next = s.sheet->tabBar()->nextInFocusChain();
  while (next != s.sheet->tabBar() && (!(next->focusPolicy() & Qt::TabFocus) || !next->isVisible()))
    next = next->nextInFocusChain();
  EXPECT_TRUE(s.loops()->isAncestorOf(next)) << next->metaObject()->className();
}

// Enter on a focused button of the page presses that button, not OK.
TEST(ParameterSheet, EnterOnAFocusedPageButtonPressesIt) {
  Sheet s;
  s.document.loops.push_back(NewLoop(2, nullptr));
  s.ClickTab(2);
  QWidget* next = s.loops()->navigationButton(nav_ids::kNext);
  next->setFocus();
  QTest::keyClick(next, Qt::Key_Return);
  EXPECT_TRUE(s.sheet->isVisible());
  EXPECT_EQ(s.edit(kName)->text(), "Lus 2");
}

// The wheel turns a combo box only once the user has put the focus on it.
TEST(ParameterSheet, TheWheelLeavesAComboWithoutFocusAlone) {
  Sheet s;
  s.ClickTab(2);
  auto* kind = qobject_cast<QComboBox*>(s.loops()->control(kDetectionKind));
  s.edit(kName)->setFocus();
  const int before = kind->currentIndex();
  const QPointF at = kind->rect().center();
  QWheelEvent wheel(at, kind->mapToGlobal(at), {}, QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                    false);
  QApplication::sendEvent(kind, &wheel);
  EXPECT_EQ(kind->currentIndex(), before);
}

// Back on a page, by a tab or by the keys, the focus goes where it was on
// that page, not on to OK.
TEST(ParameterSheet, BackOnAPageTheFocusIsWhereItWas) {
  Sheet s;
  s.ClickTab(2);
  s.edit(kName)->setFocus();
  const std::pair<const char*, std::function<void()>> ways[] = {
      {"tab click",
       [&] {
         s.ClickTab(0);
         s.ClickTab(2);
       }},
      {"keys",
       [&] {
         QTest::keyClick(s.sheet.get(), Qt::Key_PageDown, Qt::ControlModifier);
         QTest::keyClick(s.sheet.get(), Qt::Key_PageUp, Qt::ControlModifier);
       }},
  };
  for (const auto& [way, there_and_back] : ways) {
    SCOPED_TRACE(way);
    there_and_back();
    ASSERT_EQ(s.sheet->currentTab(), 2);
    EXPECT_EQ(QApplication::focusWidget(), s.edit(kName));
  }
}

// A page that is not shown takes nothing, whatever a screen reader does to
// it: its buttons, fields and lists change no record behind the user's back.
// Shown again, it takes what it did before.
TEST(ParameterSheet, APageThatIsNotShownTakesNothingFromAScreenReader) {
  Sheet s;
  s.document.loops.push_back(NewLoop(2, nullptr));
  s.ClickTab(2);
  auto* kind = qobject_cast<QComboBox*>(s.loops()->control(kDetectionKind));
  const QString level = s.edit(kUpperLevel)->text();
  s.ClickTab(0);
  const auto press = [](QWidget* w, const QString& action) {
    QAccessible::queryAccessibleInterface(w)->actionInterface()->doAction(action);
    QApplication::processEvents();
  };
  press(s.loops()->navigationButton(nav_ids::kDelete), QAccessibleActionInterface::pressAction());
  press(s.loops()->navigationButton(nav_ids::kAdd), QAccessibleActionInterface::pressAction());
  press(kind, QAccessibleActionInterface::showMenuAction());
  QApplication::processEvents();
  EXPECT_FALSE(kind->view()->isVisible());
  for (const auto& [route, put] : test::kTextRoutes) {
    SCOPED_TRACE(route);
    put(s.edit(kName), "Elders");
    put(s.edit(kUpperLevel), "9");
    // Checked before OK, which would ask about a changed level.
    ASSERT_EQ(s.edit(kName)->text(), "Lus 1");
    ASSERT_EQ(s.edit(kUpperLevel)->text(), level);
  }
  ASSERT_EQ(s.document.loops.size(), 2u);

  s.ClickTab(2);
  test::kTextRoutes[0].second(s.edit(kName), "Elders");
  s.sheet->accept();
  EXPECT_EQ(s.sheet->result(), QDialog::Accepted);
  ASSERT_EQ(s.document.loops.size(), 2u);
  EXPECT_EQ(s.document.loops.front().Name(), "Elders");
}

} // namespace
} // namespace kx700
