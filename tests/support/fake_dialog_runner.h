#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/dialog_runner.h"

namespace kx700::test {

// The program's dialogs answered from a script. A dialog that asks for an
// answer when the script has none is a test failure (and cancelled).
class FakeDialogRunner final : public DialogRunner {
public:
  std::optional<CommunicationChoice> RunCommunicationSettings(int requestedPort, int requestedBaud) override {
    communicationShown.push_back({requestedPort, requestedBaud});
    if (communication.empty()) {
      ADD_FAILURE() << "communication dialog without a scripted answer";
      return std::nullopt;
    }
    const auto answer = communication.front();
    communication.pop_front();
    return answer;
  }
  void RunAbout(const AboutTexts& texts) override { abouts.push_back(texts); }
  void RunLogbook(const LogbookSession& session) override {
    logbooks.push_back(session.entries.size());
    if (logbook) logbook(session);
  }
  void RunPeriphery(const PeripherySession& session) override {
    peripheries.push_back(session);
    if (periphery) periphery(session);
  }
  std::optional<PanelDateTime> RunAdjustTime(const PanelDateTime& preset) override {
    clockShown.push_back(preset);
    return Next(clock, "clock dialog");
  }
  std::optional<int> RunPanelLanguage(int code) override {
    languageShown.push_back(code);
    return Next(language, "language dialog");
  }
  void RunPrint(const ReportSource& report) override { printed.push_back(report.version); }
  void RunPrintPreview(const ReportSource& report) override { previewed.push_back(report.version); }
  void RunPrintSetup() override { ++printSetups; }
  void RunParameterSheet(ParameterEditor& editor) override {
    ++parameterSheets;
    if (parameterSheet) parameterSheet(editor);
  }

  template <typename T>
  static std::optional<T> Next(std::deque<std::optional<T>>& script, const char* what) {
    if (script.empty()) {
      ADD_FAILURE() << what << " without a scripted answer";
      return std::nullopt;
    }
    auto answer = script.front();
    script.pop_front();
    return answer;
  }

  // What the next communication dialogs answer: a choice (OK) or nothing (Cancel).
  std::deque<std::optional<CommunicationChoice>> communication;
  // The port and rate each communication dialog was shown with.
  std::vector<CommunicationChoice> communicationShown;
  std::vector<AboutTexts> abouts;
  // What the user does in the parameter sheet; nothing (a Cancel) by default.
  std::function<void(ParameterEditor&)> parameterSheet;
  int parameterSheets = 0;
  // The effective version each print and preview was asked for with.
  std::vector<VersionTriple> printed;
  std::vector<VersionTriple> previewed;
  int printSetups = 0;
  // The entries each logbook window was shown with, and what the user does.
  std::vector<std::size_t> logbooks;
  std::function<void(const LogbookSession&)> logbook;
  // The clock and language dialogs: what each was opened with, and what the
  // next ones answer (OK with a value, or nothing: Cancel).
  std::vector<PanelDateTime> clockShown;
  std::deque<std::optional<PanelDateTime>> clock;
  std::vector<int> languageShown;
  std::deque<std::optional<int>> language;
  // Each periphery dialog's session, and what the user does in it.
  std::vector<PeripherySession> peripheries;
  std::function<void(const PeripherySession&)> periphery;
};

} // namespace kx700::test
