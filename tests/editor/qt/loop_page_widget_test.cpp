#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTranslator>

#include <cstdlib>

#include "editor/qt/loop_page_widget.h"
#include "editor/qt/number_dialog.h"
#include "editor/qt/parameter_sheet.h"
#include "support/fake_message_host.h"
#include "support/qt/when_modal_shows.h"
#include "support/qt/widget_helpers.h"

namespace kx700 {
namespace {

using test::Screenshot;

using namespace loop_ids;

// A loop with every field in use, and a loop control to offer.
LoopRecord FullLoop() {
  LoopForm form;
  form.active = true;
  form.number = 7;
  form.name = "Trappenhuis oost";
  form.zener = false;
  form.kind = static_cast<int>(DetectionKind::PreAlarm);
  form.upperLevel = 2.5;
  form.lowerLevel = 1.3;
  form.faultLevel = 0.4;
  form.shortLevel = 6.2;
  form.upperText = "ALARM";
  form.lowerText = "VOORALARM";
  form.faultText = "FOUT";
  form.dependency = 3;
  form.warningEvacuation = true;
  form.interventionTime = 4;
  form.delayedEvacuation = true;
  form.loopControl = 2;
  form.composition = {{1, 12}, {5, 3}};
  LoopRecord record;
  StoreLoop(form, record);
  return record;
}

struct SheetFixture {
  SheetFixture() {
    ControlRecord control;
    control.SetByte(ControlRecord::kNumber, 2);
    control.SetText(ControlRecord::kName, ControlRecord::kNameWidth, "Sirenes");
    document.controls.push_back(control);
    document.loops.push_back(FullLoop());
    document.version = {1, 0, 0};
  }
  CPc_kx700Doc document;
  test::FakeMessageHost host;
  ParameterEditor editor{document, host};
};

Czone* LoopsOf(CParameterSheet& sheet) {
  EXPECT_TRUE(sheet.RequestPage(EditorPageKind::Loops));
  return static_cast<Czone*>(sheet.page(EditorPageKind::Loops));
}

TEST(LoopPageWidget, ShowsAFullLoopAndSavesItBackByteEqual) {
  SheetFixture f;
  const LoopRecord before = f.document.loops.front();
  CParameterSheet sheet(f.editor);
  sheet.show();
  Czone* page = LoopsOf(sheet);
  ASSERT_NE(page, nullptr);
  EXPECT_EQ(qobject_cast<QLineEdit*>(page->control(kName))->text(), "Trappenhuis oost");
  EXPECT_EQ(qobject_cast<QComboBox*>(page->control(kLoopControl))->currentText(), "2 Sirenes");
  Screenshot(sheet, "loop_page.png");
  EXPECT_TRUE(f.editor.Ok());
  EXPECT_EQ(f.document.loops.front(), before);
}

TEST(LoopPageWidget, ToevoegenPutsTheFocusOnTheNewLoopsName) {
  SheetFixture f;
  CParameterSheet sheet(f.editor);
  sheet.show();
  sheet.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&sheet));
  Czone* page = LoopsOf(sheet);
  QTest::mouseClick(page->navigationButton(nav_ids::kAdd), Qt::LeftButton);
  auto* name = qobject_cast<QLineEdit*>(page->control(kName));
  EXPECT_EQ(name->text(), "Lus 8");
  EXPECT_EQ(QApplication::focusWidget(), name);
  EXPECT_EQ(f.document.loops.size(), 2u);
}

TEST(LoopPageWidget, TextFieldsTakeOnlyWhatTheRecordCanCarry) {
  SheetFixture f;
  CParameterSheet sheet(f.editor);
  sheet.show();
  auto* name = qobject_cast<QLineEdit*>(LoopsOf(sheet)->control(kName));
  name->clear();
  // Typed one key at a time, as a keyboard with these letters would.
  for (const QChar c : QString::fromUtf8("Zuidč île")) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
    QApplication::sendEvent(name, &press);
  }
  EXPECT_EQ(name->text(), QString::fromUtf8("Zuid ile"));
  QTest::keyClicks(name, QStringLiteral("0123456789ABCDEF"));
  EXPECT_EQ(name->text().size(), 18);
}

// The number dialog on "v": Enter takes a number in range, a number out of
// range gets one message and the dialog stays, Escape leaves it.
TEST(LoopPageWidget, NumberDialogTakesEnterAndEscape) {
  SheetFixture f;
  CParameterSheet sheet(f.editor);
  sheet.show();
  Czone* page = LoopsOf(sheet);
  int messages = 0;
  test::WhenModalShows<Cadd_zone>([&messages](Cadd_zone& dialog) {
    EXPECT_EQ(dialog.edit()->text(), "8");
    dialog.edit()->setText("17");
    test::WhenModalShows<QMessageBox>([&messages](QMessageBox& box) {
      ++messages;
      EXPECT_EQ(box.text(), "Geef een geheel getal tussen 1 en 16 in.");
      box.accept();
    });
    QTest::keyClick(dialog.edit(), Qt::Key_Return);
    EXPECT_TRUE(dialog.isVisible());
    dialog.edit()->setText("3");
    QTest::keyClick(dialog.edit(), Qt::Key_Return);
  });
  QTest::mouseClick(page->navigationButton(nav_ids::kChooseNumber), Qt::LeftButton);
  EXPECT_EQ(messages, 1);
  ASSERT_EQ(f.document.loops.size(), 2u);
  EXPECT_EQ(qobject_cast<QLabel*>(page->control(kNumber))->text(), "3");

  test::WhenModalShows<Cadd_zone>([](Cadd_zone& dialog) { QTest::keyClick(dialog.edit(), Qt::Key_Escape); });
  QTest::mouseClick(page->navigationButton(nav_ids::kChooseNumber), Qt::LeftButton);
  EXPECT_EQ(f.document.loops.size(), 2u);
}

TEST(LoopPageWidget, DetectorKindDialogTakesEnterAndEscape) {
  SheetFixture f;
  CParameterSheet sheet(f.editor);
  sheet.show();
  Czone* page = LoopsOf(sheet);
  auto* list = qobject_cast<QListWidget*>(page->control(kComposition));
  auto* add = page->control(kAddComposition);

  test::WhenModalShows<Csel_det_kind>([](Csel_det_kind& dialog) {
    EXPECT_EQ(dialog.kindCombo()->currentText(), "Optisch");
    dialog.kindCombo()->setCurrentIndex(1); // TVC
    dialog.countEdit()->setText("4");
    QTest::keyClick(dialog.countEdit(), Qt::Key_Enter);
  });
  QTest::mouseClick(add, Qt::LeftButton);
  ASSERT_EQ(list->count(), 3);
  EXPECT_EQ(list->item(2)->text(), "4 x TVC");

  test::WhenModalShows<Csel_det_kind>([](Csel_det_kind& dialog) {
    dialog.countEdit()->setText("9");
    QTest::keyClick(dialog.countEdit(), Qt::Key_Escape);
  });
  QTest::mouseClick(add, Qt::LeftButton);
  EXPECT_EQ(list->count(), 3);
}

// Every input says what it is to a screen reader, and Tab visits them in the
// order they are laid out: the loop, its levels, evacuation, composition,
// then the navigation.
TEST(LoopPageWidget, InputsHaveNamesAndTabFollowsTheLayout) {
  SheetFixture f;
  CParameterSheet sheet(f.editor);
  sheet.show();
  Czone* page = LoopsOf(sheet);
  const std::vector<ControlId> order = {kActive,
                                        kName,
                                        kDetectionKind,
                                        kZener,
                                        kUpperText,
                                        kUpperLevel,
                                        kLowerText,
                                        kLowerLevel,
                                        kFaultText,
                                        kFaultLevel,
                                        kShortLevel,
                                        kWarningEvacuation,
                                        kDelayedEvacuation,
                                        kInterventionTime,
                                        kDependency,
                                        kLoopControl,
                                        kComposition,
                                        kAddComposition,
                                        kRemoveComposition};
  std::vector<QWidget*> expected;
  for (ControlId id : order) expected.push_back(page->control(id));
  for (ControlId id : {nav_ids::kPreviousFast, nav_ids::kPrevious, nav_ids::kAdd, nav_ids::kChooseNumber,
                       nav_ids::kDelete, nav_ids::kNext, nav_ids::kNextFast})
    expected.push_back(page->navigationButton(id));

  std::vector<QWidget*> chain;
  QWidget* w = expected.front();
  do {
    if (w->isAncestorOf(page) || !page->isAncestorOf(w)) break;
    if (w->focusPolicy() & Qt::TabFocus) chain.push_back(w);
    w = w->nextInFocusChain();
  } while (w != expected.front());
  EXPECT_EQ(chain, expected);

  for (QWidget* input : expected) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(input);
    ASSERT_NE(accessible, nullptr);
    EXPECT_FALSE(accessible->text(QAccessible::Name).isEmpty()) << input->metaObject()->className();
  }
  EXPECT_EQ(QAccessible::queryAccessibleInterface(page->control(kName))->text(QAccessible::Name), "Naam");
  EXPECT_EQ(QAccessible::queryAccessibleInterface(page->control(kLowerLevel))->text(QAccessible::Name),
            "Vooralarm - Niveau (V)");
}

// In every language every label and box shows its whole text (the sheet
// grows to its page). A screenshot of each is kept when asked for.
TEST(LoopPageWidget, NoTextIsClippedInAnyLanguage) {
  for (const char* language : {"", "rc_700fr", "rc_700en", "rc_700cz"}) {
    SCOPED_TRACE(language);
    QTranslator translator;
    if (*language) {
      ASSERT_TRUE(translator.load(QString::fromLatin1(language), QCoreApplication::applicationDirPath()));
      QCoreApplication::installTranslator(&translator);
    }
    SheetFixture f;
    CParameterSheet sheet(f.editor);
    sheet.show();
    QApplication::processEvents();
    for (QWidget* w : LoopsOf(sheet)->findChildren<QWidget*>()) {
      if (!w->isVisible()) continue;
      // A push button is wide enough when its text fits; its style may ask
      // for more.
      if (auto* button = qobject_cast<QPushButton*>(w)) {
        EXPECT_GE(button->width(), button->fontMetrics().horizontalAdvance(button->text()) + 6)
            << button->text().toStdString();
      } else if (auto* label = qobject_cast<QLabel*>(w)) {
        EXPECT_GE(label->width(), label->minimumSizeHint().width()) << label->text().toStdString();
      } else if (auto* box = qobject_cast<QCheckBox*>(w)) {
        EXPECT_GE(box->width(), box->minimumSizeHint().width()) << box->text().toStdString();
      }
    }
    Screenshot(sheet,
               (std::string("loop_page") + (*language ? "_" : "") + (language + (*language ? 6 : 0)) + ".png").c_str());
    if (*language) QCoreApplication::removeTranslator(&translator);
  }
}

} // namespace
} // namespace kx700
