// What a screen reader hears of the labels that show values, in every window
// that has them: the value as it is shown now, and the caption beside it as
// what labels it (or, without a caption of its own, what it is as its
// description). Inputs named by a caption take it as their name.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>
#include <QTest>

#include <functional>

#include "common/qt/flex_grid.h"
#include "common/qt/label.h"
#include "editor/control_form.h"
#include "editor/qt/actions_page_widget.h"
#include "editor/qt/control_page_widget.h"
#include "editor/qt/loop_page_widget.h"
#include "editor/qt/parameter_sheet.h"
#include "link/qt/communication_settings_dialog.h"
#include "model/model_fixtures.h"
#include "service/qt/analog_values_window.h"
#include "service/qt/periphery_dialogs.h"
#include "support/app_bench.h"
#include "support/fake_message_host.h"
#include "support/qt/widget_helpers.h"

namespace kx700 {
namespace {

using test::CellCentre;

// The names of what the widget is labelled by.
QString LabelledBy(QWidget* widget) {
  QStringList names;
  for (const auto& [other, relation] : QAccessible::queryAccessibleInterface(widget)->relations(QAccessible::Label))
    names << other->text(QAccessible::Name);
  return names.join(QLatin1Char('|'));
}

// Versions of a panel 1.01 build 7 with one relay card.
PeripherySession VersionSession() {
  PeripherySession session;
  session.states.relayCards = {1, 0, 0, 0, 0, 0, 0, 0};
  session.panelMajor = 1;
  session.panelMinor = 1;
  session.panelBuild = 7;
  return session;
}

// Two loops, two general controls that sound base relay 1, and two relay
// text records.
void FillDocument(CPc_kx700Doc& document) {
  document.version = {1, 2, 2};
  document.loops.push_back(test::MakeLoop(1, "Hal"));
  document.loops.push_back(test::MakeLoop(2, "Kelder"));
  ControlForm form;
  form.name = "Sirenes";
  form.type = static_cast<int>(ControlType::General);
  form.rows[0] = {5, 0, 0, 0b1};
  for (int number : {1, 2}) {
    form.number = number;
    StoreControl(form, document.controls.emplace_back());
  }
  document.relayTexts.push_back(test::MakeRelayText(1, 0, 0, "Sirene hal"));
  document.relayTexts.push_back(test::MakeRelayText(2, 1, 1, "Deur A"));
}

TEST(ScreenReader, ValueLabelsReadTheirValueAndCaptionsLabelThem) {
  CVersion version(VersionSession(), PeripheryVersions{});

  CPc_kx700Doc document;
  FillDocument(document);
  test::FakeMessageHost host;
  ParameterEditor editor(document, host);
  CParameterSheet sheet(editor);
  ASSERT_TRUE(sheet.RequestPage(EditorPageKind::Loops));
  auto* loops = static_cast<Czone*>(sheet.page(EditorPageKind::Loops));
  ASSERT_TRUE(sheet.RequestPage(EditorPageKind::Actions));
  auto* actions = static_cast<Crel_info*>(sheet.page(EditorPageKind::Actions));
  ASSERT_TRUE(sheet.RequestPage(EditorPageKind::Controls));
  auto* controls = static_cast<Ccontrol*>(sheet.page(EditorPageKind::Controls));
  const auto moveOn = [&sheet](EditorPageKind kind, QWidget* button) {
    ASSERT_TRUE(sheet.RequestPage(kind));
    QTest::mouseClick(button, Qt::LeftButton);
  };

  test::AppBench bench;
  panelsim::FillText(bench.panel.state().texts[5], "Zolder oost");
  bench.RunFor(100);
  Can_values analog(bench.app->serviceContext());
  ASSERT_TRUE(analog.EnterLinkMode(bench.app->engine()));
  bench.RunFor(1'000);

  Ccommunication_settings communication(0, 9600);

  struct Case {
    const char* what;
    QWidget* window;
    std::function<QWidget*()> show; // brings the value up; the widget that shows it
    std::string name;
    std::string labelledBy;
    std::string description;
  };
  const Case cases[] = {
      {"minimum version", &version,
       [&] {
         QTest::mouseMove(version.versionGrid()->viewport(), CellCentre(version.versionGrid(), 1, 2)); // relay cards
         return version.minimumLabel();
       },
       "1.04", "Minimum versie", ""},
      {"recommended version", &version,
       [&] {
         QTest::mouseMove(version.versionGrid()->viewport(), CellCentre(version.versionGrid(), 1, 3)); // power supply
         return version.recommendedLabel();
       },
       "1.02", "Aanbevolen versie", ""},
      {"panel version", &version, [&] { return version.panelLabel(); }, "Centrale: 1.01.07", "", ""},
      {"loop number", &sheet,
       [&] {
         moveOn(EditorPageKind::Loops, loops->navigationButton(nav_ids::kNext));
         return loops->control(loop_ids::kNumber);
       },
       "2", "Nummer", ""},
      {"relay text position", &sheet,
       [&] {
         moveOn(EditorPageKind::Actions, actions->navigationButton(nav_ids::kNextFast));
         return actions->control(action_ids::kPosition);
       },
       "- 2 / 2 -", "", "Positie"},
      {"control number", &sheet,
       [&] {
         moveOn(EditorPageKind::Controls, controls->navigationButton(nav_ids::kNext));
         return controls->control(control_ids::kNumber);
       },
       "2", "Nummer", ""},
      {"control type", &sheet, [&] { return controls->control(control_ids::kTypeText); }, "Algemene sturing", "",
       "Soort"},
      {"relay text", &sheet,
       [&] {
         QWidget* box = controls->control(control_ids::Relay(0, 0));
         QTest::mouseMove(box, box->rect().center());
         return controls->control(control_ids::kRelayText);
       },
       "Sirene hal", "", "Relaistekst"},
      {"loop text", &analog,
       [&] {
         QTest::mouseMove(analog.loopGrid(0)->viewport(), CellCentre(analog.loopGrid(0), 5, 2));
         return analog.loopTextLine();
       },
       "Zolder oost", "", "Lustekst"},
      // Inputs: an edit is named by its caption, a combo box reads its value.
      {"other port", &communication, [&] { return communication.findChild<QLineEdit*>("otherPort"); }, "Andere",
       "Andere|Com. poort", ""},
      {"baud rate", &communication, [&] { return communication.findChild<QComboBox*>("baud"); }, "9600", "Baudrate",
       ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    // One window at a time, so the mouse finds the one it is moved over.
    for (QWidget* window : std::initializer_list<QWidget*>{&version, &sheet, &analog, &communication}) {
      if (window != c.window) window->hide();
    }
    c.window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(c.window));
    QWidget* widget = c.show();
    ASSERT_NE(widget, nullptr);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    ASSERT_NE(accessible, nullptr);
    if (auto* label = qobject_cast<QLabel*>(widget)) {
      EXPECT_EQ(label->text().toStdString(), c.name); // as shown
    }
    EXPECT_EQ(accessible->text(QAccessible::Name).toStdString(), c.name);
    EXPECT_EQ(LabelledBy(widget).toStdString(), c.labelledBy);
    EXPECT_EQ(accessible->text(QAccessible::Description).toStdString(), c.description);
  }
}

} // namespace
} // namespace kx700
