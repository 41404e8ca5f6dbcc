// The analog values and relay card windows on the application object, driven
// by link engine steps against the simulated panel on virtual time.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTranslator>

#include <algorithm>
#include <cstdlib>

#include "common/qt/flex_grid.h"
#include "common/qt/label.h"
#include "link/panel_frame.h"
#include "service/qt/analog_values_window.h"
#include "service/qt/card_programming_window.h"
#include "support/app_bench.h"
#include "support/qt/when_modal_shows.h"
#include "support/qt/widget_helpers.h"
#include "support/scoped_text_language.h"

namespace kx700 {
namespace {

using test::Screenshot;
using Cell = test::GridCell;
using test::CellAt;
using test::CellCentre;

struct AnalogWindowOnPanel : testing::Test, test::AppBench {
  void SetUp() override {
    RunFor(100);
    ASSERT_TRUE(app->session().connected());
    window = std::make_unique<Can_values>(app->serviceContext());
    ASSERT_TRUE(window->EnterLinkMode(app->engine()));
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  }
  std::unique_ptr<Can_values> window;
};

TEST_F(AnalogWindowOnPanel, ShowsThePolledLoopsAndTheirStates) {
  CMSFlexGrid* loops = window->loopGrid(0);
  EXPECT_TRUE(window->windowTitle().startsWith("Analoge waarden  7 Gent"));
  EXPECT_EQ(CellAt(loops, 0, 1).text, "Waarde");
  EXPECT_EQ(CellAt(loops, 0, 2).text, "Status");
  EXPECT_EQ(CellAt(window->loopGrid(1), 8, 0).text, "16");
  EXPECT_EQ(CellAt(loops, 1, 1), (Cell{"-", kWhite, kBlack}));
  EXPECT_FALSE(window->outputsGrid()->isVisible());
  EXPECT_FALSE(window->minimumEdit()->isVisible());

  RunFor(1'000);
  EXPECT_EQ(CellAt(loops, 1, 1), (Cell{"0.3", kWhite, Rgb(0, 160, 0)}));
  EXPECT_EQ(CellAt(loops, 1, 2), (Cell{"RUST", kWhite, Rgb(0, 160, 0)}));
  EXPECT_EQ(CellAt(loops, 3, 1).back, kAnalogInTest);
  EXPECT_EQ(CellAt(loops, 4, 2), (Cell{"OPEN", kWhite, Rgb(0, 0, 255)}));
  EXPECT_EQ(CellAt(loops, 5, 1).back, kAnalogOutOfService);
  EXPECT_EQ(CellAt(window->loopGrid(1), 8, 2), (Cell{"", kAnalogNoAnswer, kAnalogNoAnswerText}));
  Screenshot(*window, "analog_values.png");

  // A loop put in test at the panel changes colour at its next poll.
  panel.state().Loop(2).inTest = true;
  RunFor(1'000);
  EXPECT_EQ(CellAt(loops, 2, 1).back, kAnalogInTest);
}

TEST_F(AnalogWindowOnPanel, TheToolBarSwitchesModesAndTheirControls) {
  RunFor(1'000);
  Can_val_selbar* bar = window->toolBar();
  ASSERT_EQ(bar->actions().size(), 5);
  EXPECT_EQ(bar->actions()[4]->text(), "Observatie");
  EXPECT_TRUE(bar->button(AnalogDisplayMode::Value)->isChecked());

  bar->Select(AnalogDisplayMode::Service);
  EXPECT_EQ(window->displayMode(), AnalogDisplayMode::Service);
  EXPECT_FALSE(bar->button(AnalogDisplayMode::Value)->isChecked());
  EXPECT_TRUE(window->outputsGrid()->isVisible());
  EXPECT_EQ(CellAt(window->outputsGrid(), 1, 0).text, "Sirene");
  EXPECT_EQ(CellAt(window->outputsGrid(), 1, 1).text, "Doormelding");
  const QSize size = window->size();

  // A click on loop 1 takes it out of service; the next poll shows it.
  panel.ClearRequests();
  CMSFlexGrid* loops = window->loopGrid(0);
  QTest::mouseClick(loops->viewport(), Qt::LeftButton, {}, CellCentre(loops, 1, 2));
  ASSERT_EQ(Requests(kRequestSwitch), 1);
  EXPECT_EQ(panel.requests()[0].payload, (std::vector<std::uint8_t>{1, 0, 1, 1, 0}));
  RunFor(500);
  EXPECT_EQ(CellAt(loops, 1, 1).back, kAnalogOutOfService);
  // The sirens out of service; the grid, not what shares its place, takes the click.
  const QPoint sirens = CellCentre(window->outputsGrid(), 1, 0);
  EXPECT_EQ(window->childAt(window->outputsGrid()->viewport()->mapTo(window.get(), sirens)),
            window->outputsGrid()->viewport());
  QTest::mouseClick(window->outputsGrid()->viewport(), Qt::LeftButton, {}, sirens);
  RunFor(500);
  EXPECT_EQ(CellAt(window->outputsGrid(), 1, 0).back, kAnalogOutOfService);
  Screenshot(*window, "analog_values_service.png");

  bar->Select(AnalogDisplayMode::Observation);
  EXPECT_FALSE(window->outputsGrid()->isVisible());
  EXPECT_TRUE(window->minimumEdit()->isVisible());
  EXPECT_TRUE(window->observationLabel()->isVisible());
  EXPECT_EQ(window->size(), size); // the window keeps its size
  EXPECT_EQ(window->minimumEdit()->text(), "0.1");
  EXPECT_EQ(window->maximumEdit()->text(), "6.0");
  EXPECT_TRUE(window->rangeButton(1)->isChecked());
  window->rangeButton(0)->click();
  EXPECT_EQ(window->range().mode, 0);
  RunFor(1'000);
  EXPECT_EQ(CellAt(loops, 2, 1), (Cell{"0.4", kAnalogObserved, kWhite}));
  window->minimumEdit()->setText("5");
  window->maximumEdit()->setText("0.35");
  QTest::mouseClick(window->startButton(), Qt::LeftButton);
  EXPECT_EQ(window->observationLabel()->text(), "Observatie\n0.3 - 5.0");
  EXPECT_EQ(window->minimumEdit()->text(), "0.35");
  EXPECT_EQ(CellAt(loops, 2, 1).back, kAnalogObserved); // 0.4 V lies inside the new range
  EXPECT_EQ(CellAt(loops, 1, 1).back, kAnalogOutOfService);
  Screenshot(*window, "analog_values_observation.png");

  // A value with a character no number has is refused, whatever the
  // character, and the range stays in force.
  for (const QString& typed : {QStringLiteral("0.5x"), QString::fromUtf8("0.5\u0141")}) {
    SCOPED_TRACE(typed.toStdString());
    window->minimumEdit()->setText(typed);
    QString message;
    test::WhenModalShows<QMessageBox>([&message](QMessageBox& box) {
      message = box.text();
      box.accept();
    });
    QTest::mouseClick(window->startButton(), Qt::LeftButton);
    EXPECT_EQ(message.toStdString(), "Geef een getal in.");
    EXPECT_EQ(window->observationLabel()->text(), "Observatie\n0.3 - 5.0");
  }
}

// One command per double click, as per click: two would switch the loop
// back at once.
TEST_F(AnalogWindowOnPanel, ADoubleClickOnALoopSwitchesItOnce) {
  RunFor(1'000);
  window->toolBar()->Select(AnalogDisplayMode::Test);
  panel.ClearRequests();
  CMSFlexGrid* loops = window->loopGrid(0);
  test::DoubleClick(loops->viewport(), CellCentre(loops, 1, 2));
  ASSERT_EQ(Requests(kRequestSwitch), 1);
  // The pointer over the loop asks for its text as well.
  const auto sw = std::find_if(panel.requests().begin(), panel.requests().end(),
                               [](const panelsim::Request& r) { return r.code == kRequestSwitch; });
  EXPECT_EQ(sw->payload, (std::vector<std::uint8_t>{0, 1, 1, 1, 0}));
}

TEST_F(AnalogWindowOnPanel, HoverShowsTheLoopText) {
  panelsim::FillText(panel.state().texts[5], "Zolder <b>oost</b>");
  RunFor(1'000);
  CMSFlexGrid* loops = window->loopGrid(0);
  QTest::mouseMove(loops->viewport(), CellCentre(loops, 5, 2));
  // The panel's text as it stands, never read as markup.
  EXPECT_EQ(window->loopTextLine()->text(), "Zolder <b>oost</b>");
  EXPECT_EQ(window->loopTextLine()->textFormat(), Qt::PlainText);
  QTest::mouseMove(window.get(), QPoint(2, 2));
  EXPECT_EQ(window->loopTextLine()->text(), "");
}

TEST_F(AnalogWindowOnPanel, InfoExplainsTheLoopVoltages) {
  std::vector<QString> texts;
  test::WhenModalShows<Canval_info>([&](Canval_info& info) {
    for (auto* label : info.findChildren<CLabel*>()) texts.push_back(label->text());
    Screenshot(info, "analog_values_info.png");
    info.accept();
  });
  window->infoButton()->click();
  ASSERT_EQ(texts.size(), 8u);
  EXPECT_EQ(texts[0], "Waarde - Lusspanning");
  EXPECT_EQ(texts[2], QString::fromUtf8("1,7 V   Eén detector in alarm"));
}

TEST_F(AnalogWindowOnPanel, ClosingEndsThePolling) {
  window->close();
  window.reset();
  EXPECT_EQ(app->engine().GetLinkMode(), kLinkSupervision);
  RunFor(100);
}

// Every label and button shows its whole text in every language, the mode
// controls included. A screenshot of each is kept when asked for.
TEST(ServiceWindowsInEveryLanguage, NoTextIsClipped) {
  struct Language {
    const char* qm;
    TextLanguage tables;
  };
  for (const Language language :
       {Language{"", TextLanguage::Dutch}, Language{"rc_700fr", TextLanguage::French},
        Language{"rc_700en", TextLanguage::English}, Language{"rc_700cz", TextLanguage::Dutch}}) {
    SCOPED_TRACE(language.qm);
    QTranslator translator;
    if (*language.qm) {
      ASSERT_TRUE(translator.load(QString::fromLatin1(language.qm), QCoreApplication::applicationDirPath()));
      QCoreApplication::installTranslator(&translator);
    }
    test::AppBench bench; // starts in the language of its settings: Dutch
    test::ScopedTextLanguage tables(language.tables);
    Can_values analog(bench.app->serviceContext());
    Cprog_periph cards(bench.app->serviceContext());
    analog.toolBar()->Select(AnalogDisplayMode::Observation);
    for (QWidget* window : {static_cast<QWidget*>(&analog), static_cast<QWidget*>(&cards)}) {
      window->show();
      QApplication::processEvents();
      for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisible()) continue;
        if (auto* button = qobject_cast<QAbstractButton*>(w)) {
          EXPECT_GE(button->width(), button->minimumSizeHint().width()) << button->text().toStdString();
        } else if (auto* label = qobject_cast<QLabel*>(w)) {
          EXPECT_GE(label->width(), label->minimumSizeHint().width()) << label->text().toStdString();
        } else if (auto* grid = qobject_cast<CMSFlexGrid*>(w)) {
          for (int r = 0; r < grid->GetRows(); ++r) {
            for (int c = 0; c < grid->GetCols(); ++c) {
              const QString text = grid->GetTextMatrix(r, c);
              if (grid->columnSpan(r, c) == 1) {
                EXPECT_GE(grid->columnWidth(c), grid->fontMetrics().horizontalAdvance(text) + 4) << text.toStdString();
              }
            }
          }
        }
      }
    }
    const std::string suffix = *language.qm ? std::string("_") + (language.qm + 6) : std::string();
    Screenshot(analog, ("analog_values_observation" + suffix + ".png").c_str());
    Screenshot(cards, ("card_programming" + suffix + ".png").c_str());
    if (*language.qm) QCoreApplication::removeTranslator(&translator);
  }
}

struct CardWindowOnPanel : testing::Test, test::AppBench {
  void SetUp() override {
    panel.SetCardProgramming({.steps = 2, .durationUs = 100'000});
    window = std::make_unique<Cprog_periph>(app->serviceContext());
    ASSERT_TRUE(window->EnterLinkMode(app->engine()));
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  }
  void Report(int card, int state) {
    std::vector<std::uint8_t> p{static_cast<std::uint8_t>(state), kRelayCardDevice, static_cast<std::uint8_t>(card)};
    p.resize(3 + 18, 0);
    panel.Answer(kAnswerCardProgress, p);
  }
  std::unique_ptr<Cprog_periph> window;
};

TEST_F(CardWindowOnPanel, LockedUntilTheCardsAreDoneThenProgramsAChosenCard) {
  CMSFlexGrid* grid = window->grid();
  EXPECT_EQ(CellAt(grid, 0, 1).text, "Status");
  EXPECT_EQ(CellAt(grid, 8, 0).text, "8");
  EXPECT_FALSE(window->okButton()->isEnabled());
  EXPECT_FALSE(window->hint()->isVisible());
  window->close();
  QTest::keyClick(window.get(), Qt::Key_Escape);
  EXPECT_TRUE(window->isVisible()); // locked: it stays

  Report(1, 0);
  Report(2, 0);
  Report(3, 2);
  RunFor(50);
  EXPECT_FALSE(window->okButton()->isEnabled());
  Report(8, 3);
  RunFor(50);
  EXPECT_EQ(CellAt(grid, 1, 1), (Cell{"OK", kWhite, Rgb(0, 160, 0)}));
  EXPECT_EQ(CellAt(grid, 3, 1), (Cell{"FOUT", kWhite, Rgb(255, 0, 0)}));
  EXPECT_EQ(CellAt(grid, 8, 1), (Cell{"Geen communicatie", kWhite, Rgb(255, 0, 0)}));
  EXPECT_TRUE(window->okButton()->isEnabled());
  EXPECT_TRUE(window->hint()->isVisible());
  Screenshot(*window, "card_programming.png");

  panel.state().relayCards = 3;
  panel.ClearRequests();
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, CellCentre(grid, 2, 0));
  ASSERT_EQ(Requests(kRequestProgramModule), 1);
  EXPECT_EQ(CellAt(grid, 2, 1).back, kCardPending);
  EXPECT_FALSE(window->okButton()->isEnabled());
  Screenshot(*window, "card_programming_pending.png");
  RunFor(300);
  EXPECT_EQ(CellAt(grid, 2, 1), (Cell{"OK", kWhite, Rgb(0, 160, 0)}));
  EXPECT_TRUE(window->okButton()->isEnabled());

  window->okButton()->click();
  EXPECT_FALSE(window->isVisible());
  window.reset();
  EXPECT_EQ(app->engine().GetLinkMode(), kLinkSupervision);
}

} // namespace
} // namespace kx700
