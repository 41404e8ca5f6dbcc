// How quickly the logbook window fills with the 250 entries the panel gives
// at most, runs one search, and writes each export. Goal: each under 100 ms.
//
// Runs on the offscreen platform unless told otherwise.
#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <optional>
#include <vector>

#include "common/atomic_file.h"
#include "common/message_host.h"
#include "common/string_format.h"
#include "common/text_tables.h"
#include "service/logbook.h"
#include "service/qt/logbook_window.h"
#include "service/xl_automation.h"

using namespace kx700;

namespace {

class QuietHost final : public MessageHost {
public:
  MessageAnswer Show(const MessageBoxRequest&) override { return MessageAnswer::Yes; }
};
class NoFiles final : public FileDialogHost {
public:
  std::optional<std::string> OpenConfigurationFile() override { return std::nullopt; }
  std::optional<std::string> SaveConfigurationFile(const std::string&) override { return std::nullopt; }
  std::optional<std::string> SaveExportFile(ExportFile) override { return std::nullopt; }
};
class NoShell final : public ShellOpener {
public:
  bool OpenFile(const std::string&) override { return true; }
};

std::list<LogbookEntry> Entries() {
  std::list<LogbookEntry> entries;
  for (int n = 0; n < 250; ++n) {
    LogbookEntry e;
    e.year = 26;
    e.month = 1 + n % 12;
    e.day = 1 + n % 28;
    e.hour = n % 24;
    e.minute = n % 60;
    e.second = (n * 7) % 60;
    e.eventText = n % 3 ? "ALARM" : "FOUT HERSTELD";
    e.infoText = n % 5 ? StringPrintf("Lus %d verdieping %d", n % 16 + 1, n % 4) : "";
    entries.push_back(e);
  }
  return entries;
}

using Steady = std::chrono::steady_clock;
double Ms(Steady::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

void Print(const char* what, std::vector<double> times) {
  std::sort(times.begin(), times.end());
  std::printf("%-38s median %7.2f ms, worst %7.2f ms (%zu)\n", what, times[times.size() / 2], times.back(),
              times.size());
}

} // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  LoadAllTextTables();
  QuietHost host;
  NoFiles files;
  NoShell shell;
  QTemporaryDir dir;
  std::list<LogbookEntry> entries = Entries();
  const LogbookSession session{entries, "7 Gent", {2026, 12, 10, 9, 0, 0, 4}, host, files, shell};

  std::vector<double> fills, searches, texts, workbooks;
  for (int round = 0; round < 5; ++round) {
    const auto fill = Steady::now();
    CLogboek window(session);
    window.show();
    QApplication::processEvents();
    fills.push_back(Ms(Steady::now() - fill));

    window.searchEdit()->setText(QStringLiteral("verdieping 2"));
    const auto search = Steady::now();
    window.OnSearch();
    QApplication::processEvents();
    searches.push_back(Ms(Steady::now() - search));

    const auto text = Steady::now();
    const std::string bytes = LogbookTextExport(entries, session.statusText, session.today);
    ReplaceFile(dir.filePath(QStringLiteral("logboek.txt")).toStdString(),
                std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
    texts.push_back(Ms(Steady::now() - text));

    const auto book = Steady::now();
    CXLEzAutomation workbook;
    for (const LogbookCell& cell : LogbookWorkbookCells(entries))
      workbook.SetCellValue(cell.column, cell.row, cell.text);
    workbook.SaveFileAs(dir.filePath(QStringLiteral("logboek.xlsx")).toStdString());
    workbooks.push_back(Ms(Steady::now() - book));
  }
  Print("fill the window with 250 entries:", fills);
  Print("one search:", searches);
  Print("text export written:", texts);
  Print("workbook export written:", workbooks);
  return 0;
}
