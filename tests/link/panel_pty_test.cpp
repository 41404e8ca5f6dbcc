// The program's link and the simulated panel over a pseudo-terminal, in real
// time: the serial port, its reader thread and the frame layer together.
#include <gtest/gtest.h>

#include <thread>

#include "link/panel_link.h"
#include "link/serial_port.h"
#include "model/model_fixtures.h"
#include "panelsim/engine.h"
#include "panelsim/pty_server.h"
#include "support/fake_message_host.h"
#include "support/fake_progress.h"

namespace kx700 {
namespace {

class PanelOnPty : public testing::Test {
protected:
  void SetUp() override {
    panel.SetBaud(38400);
    ASSERT_TRUE(server.Open()) << server.error();
    serving = std::thread([this] { server.Serve(); });
    ASSERT_TRUE(port.OpenDevice(server.SlavePath(), 38400));
  }
  void TearDown() override {
    port.Close();
    server.Stop();
    if (serving.joinable()) serving.join();
  }

  panelsim::Engine panel;
  panelsim::PtyServer server{panel};
  std::thread serving;
  test::FakeMessageHost host;
  test::FakeProgress progress;
  Ser_port port{host};
  CPanelLink link{port, SystemClock::Instance(), host, progress};
};

TEST_F(PanelOnPty, IdentificationAnalogValueClockAndLanguage) {
  server.WithEngine([](panelsim::Engine& e) {
    auto& s = e.state();
    panelsim::FillText(s.panelName,
                       "Centrale \xC9"
                       "cole");
    s.panelNumber = 7;
    s.firmwareMajor = 1;
    s.firmwareMinor = 2;
    s.Loop(3).value = 123;
    s.Loop(3).state = 0;
    s.language = 2;
    s.clock = {26, 12, 9, 10, 11, 12};
  });

  ASSERT_TRUE(link.SendIdentify(0));
  ASSERT_EQ(link.WaitAnswer(5, true, false), kAnswerIdentification);
  PanelIdentification id;
  ASSERT_TRUE(ParseIdentificationFrame(link.LastAnswer(), id));
  EXPECT_EQ(id.panelName,
            "Centrale \xC9"
            "cole"); // lowered on the line, raised again
  EXPECT_EQ(id.panelNumber, 7);
  EXPECT_EQ(id.firmwareMinor, 2);

  PanelServiceState state;
  state.polledLoop = 3;
  ASSERT_TRUE(link.SendAnalogRequest(0, 3));
  ASSERT_EQ(link.WaitAnswer(5, true, false), kAnswerAnalog);
  ASSERT_TRUE(ParseAnalogFrame(link.LastAnswer(), state));
  EXPECT_EQ(state.analogLoops[3].value, 123u);

  EXPECT_EQ(link.GetDateTime(), (std::array<std::uint8_t, 6>{26, 12, 9, 10, 11, 12}));
  ASSERT_TRUE(link.SetDateTime({27, 1, 2, 3, 4, 5}));
  EXPECT_EQ(link.GetDateTime(), (std::array<std::uint8_t, 6>{27, 1, 2, 3, 4, 5}));
  EXPECT_EQ(link.GetLanguage(), 2);
  ASSERT_TRUE(link.SetLanguage(3));
  EXPECT_EQ(link.GetLanguage(), 3);
  // Two success boxes, nothing else.
  EXPECT_EQ(host.boxes().size(), 2u);
}

TEST_F(PanelOnPty, DownloadUploadAndLogbook) {
  server.WithEngine([](panelsim::Engine& e) {
    e.SetBaud(0);
    e.SetProgramCardsAfterDownload(false);
  });
  CPc_kx700Doc doc;
  doc.AdoptConfiguration(test::MakeFullConfiguration());
  ASSERT_TRUE(link.SendParameters(doc, 0, false, false));
  Configuration received;
  ASSERT_TRUE(link.ReceiveParameters(received, 0, false));
  received.version = doc.version;
  EXPECT_EQ(received, doc.configuration());

  for (std::size_t entries : {2u, 250u, 0u}) {
    server.WithEngine([entries](panelsim::Engine& e) { e.state().logbook = panelsim::MakeLogbook(entries); });
    if (entries == 0) host.Answer(MessageAnswer::Ok);
    EXPECT_TRUE(link.ReadLogbook(doc, 250, 0));
    EXPECT_EQ(doc.logbook().size(), entries);
  }
  ASSERT_EQ(host.boxes().size(), 1u);
  EXPECT_EQ(host.boxes()[0].caption, "Aandacht 3");
}

TEST_F(PanelOnPty, AHangUpEndsTheCommandWithItsFault) {
  server.WithEngine([](panelsim::Engine& e) { e.faults().Add(panelsim::NextAnswers(panelsim::Fault::kHangUp)); });
  EXPECT_FALSE(link.Silence(0));
  ASSERT_EQ(host.boxes().size(), 1u);
  EXPECT_EQ(host.boxes()[0].caption, "Fout 6");
}

} // namespace
} // namespace kx700
