#include <gtest/gtest.h>

#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <cstdlib>
#include <optional>

#include "editor/qt/actions_page_widget.h"
#include "editor/qt/control_page_widget.h"
#include "editor/qt/parameter_sheet.h"
#include "model/model_fixtures.h"
#include "support/fake_message_host.h"
#include "support/qt/text_routes.h"
#include "support/qt/widget_helpers.h"

namespace kx700 {
namespace {

using test::Screenshot;

using namespace control_ids;

// A general control using every kind of row, and the relay texts of the
// modules it switches.
ControlRecord FullControl() {
  ControlForm form;
  form.number = 4;
  form.name = "Sirenes gebouw";
  form.type = static_cast<int>(ControlType::General);
  form.rows[0] = {5, 0, 0, 0b10000111};  // Alarm on the base relays 1-3 and 8
  form.rows[1] = {6, 1, 1, 0b00000100};  // Vooralarm, card 2, relay 3
  form.rows[2] = {8, 2, 2, 0b00100001};  // Storing, card 3, relays 9 and 14
  form.rows[3] = {12, 1, 7, 0b11111111}; // Reset, card 8, every relay
  ControlRecord record;
  StoreControl(form, record);
  return record;
}

RelayTextRecord Texts(int sequence, int kind, int card, std::initializer_list<const char*> texts) {
  RelayTextRecord record;
  record.SetByte(RelayTextRecord::kSequence, sequence);
  record.SetByte(RelayTextRecord::kModuleKind, kind);
  record.SetByte(RelayTextRecord::kCardAddress, card);
  std::size_t k = 0;
  for (const char* text : texts) {
    record.SetText(RelayTextRecord::kTexts + RelayTextRecord::kTextWidth * k++, RelayTextRecord::kTextWidth, text);
  }
  return record;
}

struct Sheet {
  Sheet() {
    document.version = {1, 2, 2};
    document.controls.push_back(FullControl());
    document.controls.push_back(test::MakeControl(9, "Deurmagneten", 1));
    document.relayTexts.push_back(
        Texts(1, 0, 0, {"Sirene hal", "Sirene kelder", "Flitslicht", "", "", "", "", "Storing"}));
    document.relayTexts.push_back(Texts(2, 1, 2, {"Deur A", "Deur B", "Brandweerlift", "Ventilatie"}));
    document.relayTexts.push_back(Texts(3, 2, 3, {"Koeling", "", "", "", "", "Rookluik"}));
    editor.emplace(document, host);
    sheet = std::make_unique<CParameterSheet>(*editor);
    sheet->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(sheet.get()));
  }
  Ccontrol* controls() {
    EXPECT_TRUE(sheet->RequestPage(EditorPageKind::Controls));
    return static_cast<Ccontrol*>(sheet->page(EditorPageKind::Controls));
  }
  CPc_kx700Doc document;
  test::FakeMessageHost host;
  std::optional<ParameterEditor> editor; // opened on the document as filled
  std::unique_ptr<CParameterSheet> sheet;
};

TEST(ControlPageWidget, AFullControlGoesThroughTheWidgetsByteEqual) {
  Sheet s;
  const ControlRecord before = s.document.controls.front();
  Ccontrol* page = s.controls();
  ASSERT_NE(page, nullptr);
  EXPECT_EQ(qobject_cast<QLineEdit*>(page->control(kName))->text(), "Sirenes gebouw");
  EXPECT_TRUE(page->control(kType)->isHidden());
  EXPECT_EQ(qobject_cast<QLabel*>(page->control(kTypeText))->text(), "Algemene sturing");
  EXPECT_EQ(qobject_cast<QComboBox*>(page->control(Address(2)))->currentText(), "Adres 3");
  EXPECT_EQ(qobject_cast<QPushButton*>(page->control(Relay(2, 5)))->text(), "14");
  EXPECT_TRUE(page->control(Module(4))->isHidden());
  Screenshot(*s.sheet, "control_page.png");

  // A change that is undone again leaves the control as it was.
  auto* box = qobject_cast<QPushButton*>(page->control(Relay(0, 4)));
  QTest::mouseClick(box, Qt::LeftButton);
  EXPECT_EQ(box->text(), "5");
  QTest::mouseClick(box, Qt::LeftButton);
  EXPECT_TRUE(s.editor->Ok());
  EXPECT_EQ(s.document.controls.front(), before);
}

// The relay text follows the pointer: onto a box with a text, onto one
// without, and away.
TEST(ControlPageWidget, RelayTextFollowsThePointer) {
  Sheet s;
  Ccontrol* page = s.controls();
  auto* text = qobject_cast<QLabel*>(page->control(kRelayText));
  const auto pointAt = [](QWidget* w) { QTest::mouseMove(w, w->rect().center()); };

  pointAt(page->control(Relay(1, 2))); // card 2, output 3
  EXPECT_EQ(text->text(), "Brandweerlift");
  pointAt(page->control(Relay(2, 5))); // card 3, output 14 = the sixth of 9-16
  EXPECT_EQ(text->text(), "Rookluik");
  pointAt(page->control(Relay(0, 3))); // base relay 4 has no text
  EXPECT_EQ(text->text(), "");
  pointAt(page->control(Relay(0, 7)));
  EXPECT_EQ(text->text(), "Storing");
  pointAt(page->control(kName));
  EXPECT_EQ(text->text(), "");

  // A click on a box without a text clears what another showed.
  pointAt(page->control(Relay(0, 0)));
  EXPECT_EQ(text->text(), "Sirene hal");
  page->page().OnRelayCheck(0, 3);
  EXPECT_EQ(text->text(), "");
}

TEST(ActionsPageWidget, ShowsTheTextsOfEachModuleInKeyOrder) {
  Sheet s;
  ASSERT_TRUE(s.sheet->RequestPage(EditorPageKind::Actions));
  auto* page = static_cast<Crel_info*>(s.sheet->page(EditorPageKind::Actions));
  ASSERT_NE(page, nullptr);
  using namespace action_ids;
  EXPECT_EQ(qobject_cast<QLabel*>(page->control(kPosition))->text(), "- 1 / 3 -");
  EXPECT_EQ(qobject_cast<QLineEdit*>(page->control(Text(0)))->text(), "Sirene hal");
  EXPECT_FALSE(page->control(kCard)->isEnabled());
  Screenshot(*s.sheet, "actions_page.png");
  QTest::mouseClick(page->navigationButton(nav_ids::kNextFast), Qt::LeftButton);
  EXPECT_EQ(qobject_cast<QLabel*>(page->control(kPosition))->text(), "- 3 / 3 -");
  EXPECT_EQ(qobject_cast<QCheckBox*>(page->control(Output(5)))->text(), "14");
}

// A relay text and a control name take what the panel carries back as it
// went, however they come: the rest is left out before the limit cuts.
TEST(ActionsPageWidget, ARelayTextAndAControlNameTakeWhatThePanelCarries) {
  struct Case {
    EditorPageKind page;
    ControlId id;
    QString given;
    QString kept;
  };
  const Case cases[] = {
      {EditorPageKind::Actions, action_ids::Text(0), QString::fromUtf8("AB\u00e9\u20acCD\u00ee"),
       QString::fromUtf8("AB\u00e9CDi")},
      {EditorPageKind::Actions, action_ids::Text(1), QString::fromUtf8("\u2026").repeated(4) + QString(20, 'r'),
       QString(18, 'r')},
      {EditorPageKind::Controls, kName, QString::fromUtf8("Sir\u00e8ne\u00b0s gebouw \u2116 2"),
       QString::fromUtf8("Sir\u00e8nes gebouw ")},
  };
  for (const auto& [route, set] : test::kTextRoutes) {
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(route) + " " + std::to_string(c.id) + " " + c.given.toStdString());
      Sheet s;
      ASSERT_TRUE(s.sheet->RequestPage(c.page));
      EditorPageWidget* page = s.sheet->page(c.page);
      QWidget* field = c.page == EditorPageKind::Actions ? static_cast<Crel_info*>(page)->control(c.id)
                                                         : static_cast<Ccontrol*>(page)->control(c.id);
      set(field, c.given);
      EXPECT_EQ(test::FieldText(field).toStdString(), c.kept.toStdString());
    }
  }
  // The relay text record holds what the field shows.
  Sheet s;
  ASSERT_TRUE(s.sheet->RequestPage(EditorPageKind::Actions));
  QWidget* text = static_cast<Crel_info*>(s.sheet->page(EditorPageKind::Actions))->control(action_ids::Text(0));
  QAccessible::queryAccessibleInterface(text)->setText(QAccessible::Value, QString::fromUtf8("AB\u00e9\u20acCD\u00ee"));
  ASSERT_TRUE(s.editor->Ok());
  EXPECT_TRUE(s.editor->Finish());
  EXPECT_EQ(s.document.relayTexts.front().Text(RelayTextRecord::kTexts, RelayTextRecord::kTextWidth),
            "AB\xE9"
            "CDi");
}

// Every input of every page says what it is to a screen reader.
TEST(ControlPageWidget, EveryInputOfEveryPageHasAName) {
  Sheet s;
  for (EditorPageKind kind : s.editor->pages()) {
    SCOPED_TRACE(EditorPageTitle(kind));
    ASSERT_TRUE(s.sheet->RequestPage(kind));
    for (QWidget* w : s.sheet->page(kind)->findChildren<QWidget*>()) {
      // The parts of a spin box or a combo box speak for it.
      const QWidget* owner = w->parentWidget();
      if (!(w->focusPolicy() & Qt::TabFocus) || !w->isVisibleTo(s.sheet.get()) ||
          qobject_cast<const QAbstractSpinBox*>(owner) || qobject_cast<const QComboBox*>(owner))
        continue;
      QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(w);
      ASSERT_NE(accessible, nullptr);
      EXPECT_FALSE(accessible->text(QAccessible::Name).trimmed().isEmpty()) << w->metaObject()->className();
    }
  }
}

} // namespace
} // namespace kx700
