#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProxyStyle>
#include <QTest>

#include <cstdlib>
#include <functional>
#include <optional>

#include "editor/qt/central_page_widget.h"
#include "editor/qt/dossier_page_widget.h"
#include "editor/qt/loop_page_widget.h"
#include "editor/qt/parameter_sheet.h"
#include "model/model_fixtures.h"
#include "support/fake_message_host.h"
#include "support/qt/text_routes.h"
#include "support/qt/when_modal_shows.h"
#include "support/qt/widget_helpers.h"

namespace kx700 {
namespace {

using test::DoubleClick;
using test::Screenshot;

// General parameters with every field in use, and the controls they name.
void FillGeneral(CPc_kx700Doc& document) {
  document.controls.push_back(test::MakeControl(1, "Algemeen", 1));
  document.controls.push_back(test::MakeControl(2, "Evacuatie", 2));
  document.controls.push_back(test::MakeControl(3, "Stilte hal", 3));
  document.controls.push_back(test::MakeControl(6, "Stilte kelder", 3));
  CentralForm form;
  form.panelName = "Centrale Noord";
  form.project = "Kantoor Noord";
  form.reactionTime = 3;
  form.backbeep = true;
  form.operatingCode = "0042";
  form.switchOver = true;
  form.switchOverHour = 7;
  form.switchOverMinute = 30;
  form.summerWinterTime = true;
  form.repeaterPanels = 2;
  form.relayCards = 3;
  form.monitoredSirens = {true, false, true};
  form.advancedCode = "1234";
  form.advancedFlags = 0x15;
  form.generalControl = 1;
  form.alertControl = 2;
  form.silenceControls = {3, 6};
  StoreCentral(form, true, document.central);
  document.central.UpdateChecksum();
}

void FillDossier(FixedBlocks& blocks) {
  DossierForm form;
  form.customer = "Brasserie Caf\xE9 Noord";
  form.contact = "An Peeters";
  form.address = "Kerkstraat 12\r\n9000 Gent";
  form.telephone = "09 123 45 67";
  form.email = "info@cafenoord.be";
  form.installer = "Brandbeveiliging Vos";
  form.technician = "Jan Janssens";
  form.commissioned = {2024, 3, 15};
  form.productionNumber = "KX7012345";
  form.quiescentCurrent = "0.12";
  form.alarmCurrent = "0.45";
  form.battery = "17";
  form.sirens = 6;
  form.buzzers = 2;
  form.flashLights = 3;
  form.doorMagnets = 4;
  form.dialler = true;
  form.notes = "Jaarlijks nazicht in maart.\r\nSleutel bij de receptie.";
  form.locations = {{1, "Inkom"}, {2, "Receptie"}};
  StoreDossier(form, blocks);
  blocks.repeater.SetByte(RepeaterBlock::VersionOffset(0), 1);
  for (BlockType type : kFixedBlockOrder) RecordChecksum(blocks.BytesOf(type));
}

struct Sheet {
  Sheet() {
    document.version = {1, 2, 2};
    FillGeneral(document);
    FillDossier(document.fixedBlocks);
    editor.emplace(document, host);
    sheet = std::make_unique<CParameterSheet>(*editor);
    sheet->show();
  }
  template <typename Page>
  Page* Show(EditorPageKind kind) {
    EXPECT_TRUE(sheet->RequestPage(kind));
    return static_cast<Page*>(sheet->page(kind));
  }
  CPc_kx700Doc document;
  test::FakeMessageHost host;
  std::optional<ParameterEditor> editor;
  std::unique_ptr<CParameterSheet> sheet;
};

TEST(GeneralPageWidget, TheGeneralParametersGoThroughTheWidgetsByteEqual) {
  Sheet s;
  const CentralRecord before = s.document.central;
  auto* page = s.Show<Ccentral>(EditorPageKind::General);
  ASSERT_NE(page, nullptr);
  using namespace central_ids;
  EXPECT_EQ(qobject_cast<QLineEdit*>(page->control(kOperatingCode))->text(), "0042");
  EXPECT_EQ(qobject_cast<QComboBox*>(page->control(kAlertControl))->currentText(), "2 Evacuatie");
  EXPECT_EQ(qobject_cast<QListWidget*>(page->control(kSilence))->count(), 2);
  Screenshot(*s.sheet, "general_page.png");
  ASSERT_TRUE(s.editor->Ok());
  EXPECT_EQ(s.document.central, before);
  EXPECT_FALSE(s.editor->Finish());
}

TEST(DossierPageWidget, TheDossierGoesThroughTheWidgetsByteEqual) {
  Sheet s;
  const FixedBlocks before = s.document.fixedBlocks;
  auto* page = s.Show<Cdocu>(EditorPageKind::Dossier);
  ASSERT_NE(page, nullptr);
  using namespace dossier_ids;
  EXPECT_EQ(qobject_cast<QPlainTextEdit*>(page->control(kAddress))->toPlainText(), "Kerkstraat 12\n9000 Gent");
  EXPECT_EQ(page->dateEdit()->date(), QDate(2024, 3, 15));
  // Signed by a technician: the commissioning fields are locked.
  EXPECT_FALSE(page->control(kTechnician)->isEnabled());
  Screenshot(*s.sheet, "dossier_page.png");
  ASSERT_TRUE(s.editor->Ok());
  EXPECT_EQ(s.document.fixedBlocks, before);
}

// A desktop whose item views activate an item on a single click.
class SingleClickStyle final : public QProxyStyle {
public:
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* returned) const override {
    if (hint == SH_ItemView_ActivateItemOnSingleClick) return 1;
    return QProxyStyle::styleHint(hint, option, widget, returned);
  }
};

// A double click or Enter takes one control; a single click takes none, and
// only an eighth listed control refuses the next with fault 26, once.
TEST(GeneralPageWidget, TheSilencePickerTakesOneControlPerDoubleClick) {
  Sheet s;
  auto& r = s.document.central;
  for (int n = 7; n <= 13; ++n) s.document.controls.push_back(test::MakeControl(n, "Stilte " + std::to_string(n), 3));
  for (int slot = 0; slot < 7; ++slot) r.SetByte(CentralRecord::kSilenceControls + slot, slot == 0 ? 3 : 5 + slot);
  auto* page = s.Show<Ccentral>(EditorPageKind::General);
  auto* silence = qobject_cast<QListWidget*>(page->control(central_ids::kSilence));
  ASSERT_EQ(silence->count(), 7);

  Csellist picker(page->page(), page);
  SingleClickStyle style;
  auto* list = qobject_cast<QListWidget*>(picker.list());
  list->setStyle(&style);
  picker.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&picker));
  ASSERT_EQ(list->count(), 2);
  const auto at = [list](int row) { return list->visualItemRect(list->item(row)).center(); };

  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at(0));
  EXPECT_EQ(silence->count(), 7);
  EXPECT_EQ(list->count(), 2);

  list->setFocus();
  QTest::keyClick(list, Qt::Key_Return);
  EXPECT_EQ(silence->count(), 8);
  ASSERT_EQ(list->count(), 1);
  EXPECT_TRUE(s.host.boxes().empty());

  DoubleClick(list->viewport(), at(0));
  ASSERT_EQ(s.host.boxes().size(), 1u);
  EXPECT_EQ(s.host.boxes()[0].text, "Het maximum aantal stilte sturingen is bereikt.");
  EXPECT_EQ(list->count(), 1);

  silence->setCurrentRow(0);
  page->page().OnRemoveSilenceControl();
  ASSERT_EQ(silence->count(), 7);
  DoubleClick(list->viewport(), at(0));
  EXPECT_EQ(silence->count(), 8);
  EXPECT_EQ(list->count(), 0);
  EXPECT_EQ(s.host.boxes().size(), 1u);
}

// The address takes 50 characters as stored, each line break counting two;
// the date picker offers 2000 to 2099 only.
TEST(DossierPageWidget, MultiLineLimitAndDateRange) {
  Sheet s;
  auto* page = s.Show<Cdocu>(EditorPageKind::Dossier);
  auto* address = qobject_cast<QPlainTextEdit*>(page->control(dossier_ids::kAddress));
  address->setFocus();
  address->clear();
  QTest::keyClicks(address, QString(24, QLatin1Char('a')));
  QTest::keyClick(address, Qt::Key_Return);
  QTest::keyClicks(address, QString(30, QLatin1Char('b')));
  EXPECT_EQ(address->toPlainText(), QString(24, QLatin1Char('a')) + "\n" + QString(24, QLatin1Char('b')));
  EXPECT_EQ(page->dateEdit()->minimumDate(), QDate(2000, 1, 1));
  EXPECT_EQ(page->dateEdit()->maximumDate(), QDate(2099, 12, 31));
}

std::string FieldText(QWidget* w) { return test::FieldText(w).toStdString(); }

// A text set through the accessibility interface, as a screen reader sets it,
// or pasted, is cut at the field's limit like a typed one; a line break counts
// two.
TEST(DossierPageWidget, AnOverLongTextIsCutAtTheFieldsLimitHoweverItComes) {
  using namespace dossier_ids;
  struct Case {
    ControlId id;
    QString given;
    QString kept;
  };
  const QString a(24, QLatin1Char('a'));
  const Case cases[] = {
      {kAddress, a + "\n" + QString(30, QLatin1Char('b')), a + "\n" + QString(24, QLatin1Char('b'))},
      {kNotes, QString(260, QLatin1Char('n')), QString(250, QLatin1Char('n'))},
      {kCustomer, QString(30, QLatin1Char('k')), QString(25, QLatin1Char('k'))},
  };
  for (const auto& [route, set] : test::kTextRoutes) {
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(route) + " " + std::to_string(c.id));
      Sheet s;
      auto* page = s.Show<Cdocu>(EditorPageKind::Dossier);
      set(page->control(c.id), c.given);
      EXPECT_EQ(FieldText(page->control(c.id)), c.kept.toStdString());
    }
  }
  // Put into a text, the part that fits goes in and the text stays whole.
  Sheet s;
  QWidget* address = s.Show<Cdocu>(EditorPageKind::Dossier)->control(kAddress);
  QAccessible::queryAccessibleInterface(address)->editableTextInterface()->insertText(0, QString(40, QLatin1Char('x')));
  EXPECT_EQ(FieldText(address), std::string(26, 'x') + "Kerkstraat 12\n9000 Gent");
}

// However a text comes, the fields take what typing takes: an 'î' becomes an
// 'i', and the characters the records cannot carry (outside code page 1252,
// or control characters) are left out while the rest goes in.
TEST(DossierPageWidget, AnInvalidTextIsTakenAsTypingTakesItHoweverItComes) {
  using namespace dossier_ids;
  struct Case {
    ControlId id;
    QString given;
    std::string kept;
  };
  const Case cases[] = {
      {kCustomer, QString::fromUtf8("Ma\u00eetre Noord"), "Maitre Noord"},
      {kCustomer, QString::fromUtf8("Dvo\u0159\u00e1k"), "Dvo\u00e1k"},
      {kCustomer, "Kerk\tstraat", "Kerkstraat"},
      {kNotes, QString::fromUtf8("Ma\u00eetre\nNoord"), "Maitre\nNoord"},
      {kNotes, QString::fromUtf8("Dvo\u0159\u00e1k \U0001F525"), "Dvo\u00e1k "},
      {kNotes, "Kerk\tstraat", "Kerkstraat"},
      {kCustomer, QString::fromUtf8("Cafe\u0301 Noo\u0308rd"), "Caf\u00e9 No\u00f6rd"},
      {kNotes, QString::fromUtf8("Cafe\u0301\nMai\u0302tre"), "Caf\u00e9\nMaitre"},
  };
  for (const auto& [route, set] : test::kTextRoutes) {
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(route) + " " + std::to_string(c.id) + " " + c.given.toStdString());
      Sheet s;
      auto* page = s.Show<Cdocu>(EditorPageKind::Dossier);
      set(page->control(c.id), c.given);
      EXPECT_EQ(FieldText(page->control(c.id)), c.kept);
    }
  }
}

// A dossier from a file or a panel may hold what the fields never take from
// the user, such as a tab or a no-break space that another program let in:
// the fields show it as it stands, the page stores it back unchanged, and
// typing beside it goes in as anywhere.
TEST(DossierPageWidget, AStoredTextIsShownAndKeptAsItStands) {
  using namespace dossier_ids;
  const auto withTabs = [](FixedBlocks& blocks) {
    DossierForm form = LoadDossier(blocks, {});
    form.address =
        "Kerkstraat 12\tbus\xA0"
        "3\r\n9000 Gent";
    form.notes = "Sleutel:\tbij de receptie.";
    form.contact = "An\tPeeters";
    StoreDossier(form, blocks);
    for (BlockType type : kFixedBlockOrder) RecordChecksum(blocks.BytesOf(type));
  };
  {
    Sheet s;
    withTabs(s.document.fixedBlocks);
    const FixedBlocks before = s.document.fixedBlocks;
    auto* page = s.Show<Cdocu>(EditorPageKind::Dossier);
    EXPECT_EQ(FieldText(page->control(kAddress)), "Kerkstraat 12\tbus\u00a03\n9000 Gent");
    EXPECT_EQ(FieldText(page->control(kNotes)), "Sleutel:\tbij de receptie.");
    EXPECT_EQ(FieldText(page->control(kContact)), "An\tPeeters");
    ASSERT_TRUE(s.editor->Ok());
    EXPECT_EQ(s.document.fixedBlocks, before);
  }
  Sheet s;
  withTabs(s.document.fixedBlocks);
  auto* notes = qobject_cast<QPlainTextEdit*>(s.Show<Cdocu>(EditorPageKind::Dossier)->control(kNotes));
  notes->setFocus();
  notes->moveCursor(QTextCursor::End);
  QTest::keyClicks(notes, " Code 12.");
  QApplication::clipboard()->setText("\tKast 3.");
  notes->paste(); // a tab the user puts in is left out
  EXPECT_EQ(FieldText(notes), "Sleutel:\tbij de receptie. Code 12.Kast 3.");
  ASSERT_TRUE(s.editor->Ok());
  EXPECT_EQ(LoadDossier(s.document.fixedBlocks, {}).notes, "Sleutel:\tbij de receptie. Code 12.Kast 3.");
}

// A dossier whose commissioning no technician has signed yet, so that every
// field of the page takes input.
void Unsign(FixedBlocks& blocks) {
  DossierForm form = LoadDossier(blocks, {});
  form.technician.clear();
  StoreDossier(form, blocks);
  for (BlockType type : kFixedBlockOrder) RecordChecksum(blocks.BytesOf(type));
}

// A field of a page the sheet shows.
QWidget* FieldOf(const CParameterSheet& sheet, EditorPageKind kind, ControlId id) {
  EditorPageWidget* page = sheet.page(kind);
  switch (kind) {
    case EditorPageKind::General: return static_cast<Ccentral*>(page)->control(id);
    case EditorPageKind::Dossier: return static_cast<Cdocu*>(page)->control(id);
    case EditorPageKind::Loops: return static_cast<Czone*>(page)->control(id);
    default: return nullptr;
  }
}

// However a text comes, what the panel cannot carry back as it went (code
// page 1252's 0x80..0xBF, control characters, what lies outside the code
// page) is left out first, and only then is the rest cut at the field's
// limit: what is left out takes no room.
TEST(TextFields, WhatThePanelCannotCarryIsLeftOutBeforeTheLimitCuts) {
  using namespace dossier_ids;
  struct Case {
    EditorPageKind page;
    ControlId id;
    QString given;
    QString kept;
  };
  const QString e1 = QString::fromUtf8("\u00e9");
  const Case cases[] = {
      {EditorPageKind::General, central_ids::kPanelName, QString::fromUtf8("A\u00b0B\u20acC\u00bdD\u00e9E\u00eeF"),
       QString::fromUtf8("ABCD\u00e9EiF")},
      {EditorPageKind::Dossier, kQuiescentCurrent,
       QString::fromUtf8("\u0141\u4e2d\u0141\u4e2d\u0141\u4e2d") + e1.repeated(10), e1.repeated(5)},
      {EditorPageKind::Dossier, kCustomer, e1.repeated(30), e1.repeated(25)},
      {EditorPageKind::Dossier, kProductionNumber, QString::fromUtf8("A\tB\u00e9\u20ac\u0141C\u4e2dD\u00ee"),
       QString::fromUtf8("AB\u00e9CDi")},
      {EditorPageKind::Dossier, kTelephone, QString::fromUtf8("\u201e09\u00a0123\u201d \u2013 45\u00ad67\x7f"),
       QString::fromUtf8("09123  4567")},
      {EditorPageKind::Dossier, kNotes, QString::fromUtf8("Sleutel\u00b0 bij\n\u20ac5 \u00abkast\u00bb"),
       QString::fromUtf8("Sleutel bij\n5 kast")},
      {EditorPageKind::Dossier, kAddress, QString::fromUtf8("\u2122").repeated(10) + QString(60, QLatin1Char('a')),
       QString(50, QLatin1Char('a'))},
  };
  for (const auto& [route, set] : test::kTextRoutes) {
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(route) + " " + std::to_string(c.id) + " " + c.given.toStdString());
      Sheet s;
      Unsign(s.document.fixedBlocks);
      ASSERT_TRUE(s.sheet->RequestPage(c.page));
      QWidget* field = FieldOf(*s.sheet, c.page, c.id);
      set(field, c.given);
      EXPECT_EQ(test::FieldText(field).toStdString(), c.kept.toStdString());
    }
  }
  // The record holds what the field shows.
  Sheet s;
  QWidget* name = s.Show<Ccentral>(EditorPageKind::General)->control(central_ids::kPanelName);
  QAccessible::queryAccessibleInterface(name)->setText(QAccessible::Value,
                                                       QString::fromUtf8("A\u00b0B\u20acC\u00bdD\u00e9E\u00eeF"));
  ASSERT_TRUE(s.editor->Ok());
  EXPECT_EQ(s.document.central.PanelName(),
            "ABCD\xE9"
            "EiF");
}

// Typed one character at a time, a field takes what it took before: what
// the panel cannot carry is left out, and a full field takes no more,
// wherever the cursor stands.
TEST(TextFields, TypingGoesInOneCharacterAtATime) {
  Sheet s;
  auto* page = s.Show<Cdocu>(EditorPageKind::Dossier);
  auto* customer = qobject_cast<QLineEdit*>(page->control(dossier_ids::kCustomer));
  customer->setFocus();
  customer->clear();
  const QString e24 = QString::fromUtf8("\u00e9").repeated(24);
  test::TypeText(customer, e24 + QString::fromUtf8("\u20ac\u00b0\u00eeyz"));
  EXPECT_EQ(customer->text().toStdString(), (e24 + "i").toStdString());
  customer->setCursorPosition(3);
  test::TypeText(customer, "q");
  EXPECT_EQ(customer->text().toStdString(), (e24 + "i").toStdString());
  EXPECT_EQ(customer->cursorPosition(), 3);
  QTest::keyClick(customer, Qt::Key_Backspace);
  test::TypeText(customer, "q");
  EXPECT_EQ(customer->text().toStdString(), (QString::fromUtf8("\u00e9\u00e9q") + e24.left(21) + "i").toStdString());

  auto* notes = qobject_cast<QPlainTextEdit*>(page->control(dossier_ids::kNotes));
  notes->setFocus();
  notes->clear();
  test::TypeText(notes, QString::fromUtf8("Kast\u2122 \u00bd"));
  QTest::keyClick(notes, Qt::Key_Return);
  test::TypeText(notes, QString::fromUtf8("3\u00b0"));
  EXPECT_EQ(test::FieldText(notes).toStdString(), "Kast \n3");
}

// A text from a file or the panel keeps what the fields would not take from
// the user (a tab, a '\u00b0' that an older program let in) while the user
// edits beside it, and an undo brings it back as it stood.
TEST(TextFields, AStoredTextKeepsWhatTheFieldWouldNotTakeWhileItIsEdited) {
  Sheet s;
  DossierForm form = LoadDossier(s.document.fixedBlocks, {});
  form.contact = "An\tPeeters 20\xB0";
  StoreDossier(form, s.document.fixedBlocks);
  for (BlockType type : kFixedBlockOrder) RecordChecksum(s.document.fixedBlocks.BytesOf(type));
  auto* contact = qobject_cast<QLineEdit*>(s.Show<Cdocu>(EditorPageKind::Dossier)->control(dossier_ids::kContact));
  const QString stored = QString::fromUtf8("An\tPeeters 20\u00b0");
  ASSERT_EQ(contact->text().toStdString(), stored.toStdString());
  contact->setFocus();
  contact->end(false);
  test::TypeText(contact, QString::fromUtf8("C\u00b0"));
  EXPECT_EQ(contact->text().toStdString(), (stored + "C").toStdString());
  contact->selectAll();
  test::TypeText(contact, "x");
  EXPECT_EQ(contact->text().toStdString(), "x");
  contact->undo();
  EXPECT_EQ(contact->text().toStdString(), (stored + "C").toStdString());
  contact->undo(); // the refused '\u00b0' left the history as it was
  EXPECT_EQ(contact->text().toStdString(), stored.toStdString());
  contact->redo();
  EXPECT_EQ(contact->text().toStdString(), (stored + "C").toStdString());
  ASSERT_TRUE(s.editor->Ok());
  EXPECT_EQ(LoadDossier(s.document.fixedBlocks, {}).contact,
            "An\tPeeters 20\xB0"
            "C");
}

// A number field reads its text whole: a character the records cannot carry
// or one beyond what a number needs is refused as any other stray character,
// the page stays and the record keeps its value.
TEST(NumberFields, AStrayCharacterIsRefusedWhateverItIs) {
  struct Case {
    EditorPageKind page;
    ControlId id;
    QString typed;
    const char* message;
  };
  const Case cases[] = {
      {EditorPageKind::General, central_ids::kReactionTime, QString::fromUtf8("3\u0141"), "Geef een geheel getal in."},
      {EditorPageKind::General, central_ids::kReactionTime, "7x", "Geef een geheel getal in."},
      {EditorPageKind::General, central_ids::kRelayCards, QString::fromUtf8("5\u4e2d"), "Geef een geheel getal in."},
      {EditorPageKind::Dossier, dossier_ids::kSirens, QString::fromUtf8("7\u0141"), "Geef een geheel getal in."},
      {EditorPageKind::Dossier, dossier_ids::kSirens, "00000000007x", "Geef een geheel getal in."},
      {EditorPageKind::Loops, loop_ids::kUpperLevel, QString::fromUtf8("5.5\u0141"), "Geef een getal in."},
      {EditorPageKind::Loops, loop_ids::kUpperLevel, QString::fromUtf8("5.5\U0001F525"), "Geef een getal in."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.id) + " " + c.typed.toStdString());
    Sheet s;
    s.document.loops.push_back(NewLoop(1, nullptr));
    const LoopRecord loop = s.document.loops.front();
    const CentralRecord central = s.document.central;
    const FixedBlocks blocks = s.document.fixedBlocks;
    ASSERT_TRUE(s.sheet->RequestPage(c.page));
    auto* field = qobject_cast<QLineEdit*>(FieldOf(*s.sheet, c.page, c.id));
    QAccessible::queryAccessibleInterface(field)->setText(QAccessible::Value, c.typed);
    EXPECT_EQ(field->text().toStdString(), c.typed.toStdString());
    std::vector<std::string> messages;
    test::WhenModalShows<QMessageBox>([&messages](QMessageBox& box) {
      messages.push_back(box.text().toStdString());
      box.accept();
    });
    EXPECT_FALSE(
        s.sheet->RequestPage(c.page == EditorPageKind::General ? EditorPageKind::Dossier : EditorPageKind::General));
    EXPECT_EQ(messages, std::vector<std::string>{c.message});
    EXPECT_TRUE(s.sheet->page(c.page)->isVisible());
    EXPECT_TRUE(s.document.loops.front() == loop);
    EXPECT_TRUE(s.document.central == central);
    EXPECT_TRUE(s.document.fixedBlocks == blocks);
  }
}

} // namespace
} // namespace kx700
