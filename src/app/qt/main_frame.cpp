#include "app/qt/main_frame.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>

#include "app/application.h"
#include "app/qt/about_dialog.h"
#include "app/qt/status_bar.h"
#include "app/qt/view.h"
#include "common/qt/qt_text.h"
#include "common/text_tables.h"
#include "link/qt/communication_settings_dialog.h"

namespace kx700 {

CMainFrame::CMainFrame(CPc_kx700App& app, QWidget* parent) : QMainWindow(parent), app_(app) {
  setObjectName(QStringLiteral("mainFrame"));
  view_ = new CPc_kx700View(app_, this);
  setCentralWidget(view_);

  status_ = new CStatusBarWithProgress(100, this);
  setStatusBar(status_);
  CreateMenus();
  CreateToolBar();
  CreateDialogBar();
  resize(900, 650);

  app_.SetFrameHost(this);
  app_.SetProgressSink(&progress_);
  app_.controller().onChanged = [this] {
    UpdateTitle();
    UpdateRecentFiles();
  };
  UpdateTitle();
  UpdateRecentFiles();
  RefreshCommandStates();
}

CMainFrame::~CMainFrame() {
  app_.SetFrameHost(nullptr);
  app_.SetProgressSink(nullptr);
  app_.controller().onChanged = nullptr;
}

QAction* CMainFrame::AddCommand(int id, const QString& text, const QKeySequence& shortcut, const QIcon& icon) {
  auto* action = new QAction(icon, text, this);
  action->setShortcut(shortcut);
  action->setData(id);
  actions_[id] = action;
  return action;
}

QAction* CMainFrame::action(int id) const {
  const auto it = actions_.find(id);
  return it == actions_.end() ? nullptr : it->second;
}

void CMainFrame::CreateMenus() {
  QStyle* s = style();
  AddCommand(kCmdFileNew, tr("&Nieuw"), QKeySequence(Qt::CTRL | Qt::Key_N), s->standardIcon(QStyle::SP_FileIcon));
  AddCommand(kCmdFileOpen, tr("&Open..."), QKeySequence(Qt::CTRL | Qt::Key_O),
             s->standardIcon(QStyle::SP_DialogOpenButton));
  AddCommand(kCmdFileSaveAs, tr("Opslaan &Als..."), QKeySequence(Qt::CTRL | Qt::Key_S),
             s->standardIcon(QStyle::SP_DialogSaveButton));
  AddCommand(kCmdFilePrint, tr("&Afdrukken..."), {}, s->standardIcon(QStyle::SP_FileDialogContentsView));
  AddCommand(kCmdAppExit, tr("Afsluiten"), {}, {});
  AddCommand(kCmdEditParameters, tr("Wijzigen"), {}, s->standardIcon(QStyle::SP_FileDialogDetailedView));
  AddCommand(kCmdReceive, tr("Ontvangen"), {}, s->standardIcon(QStyle::SP_ArrowDown));
  AddCommand(kCmdSend, tr("Verzenden"), {}, s->standardIcon(QStyle::SP_ArrowUp));
  AddCommand(kCmdSilence, tr("Stilte"), {}, s->standardIcon(QStyle::SP_MediaVolumeMuted));
  AddCommand(kCmdReset, tr("Reset"), {}, s->standardIcon(QStyle::SP_BrowserReload));
  AddCommand(kCmdAnalogValues, tr("Analoge waarden"), {}, s->standardIcon(QStyle::SP_ComputerIcon));
  AddCommand(kCmdTechnicianMode, tr("Technicus mode"), {}, s->standardIcon(QStyle::SP_DialogResetButton))
      ->setCheckable(true);
  AddCommand(kCmdCommunication, tr("Communicatie"), {}, {});
  AddCommand(kCmdAbout, tr("Versie"), {}, s->standardIcon(QStyle::SP_MessageBoxInformation));

  // Every action runs through RunCommand, which checks its rule again.
  for (const auto& [id, a] : actions_) connect(a, &QAction::triggered, this, [this, id = id] { RunCommand(id); });

  fileMenu_ = menuBar()->addMenu(tr("&Bestand"));
  fileMenu_->addAction(action(kCmdFileNew));
  fileMenu_->addAction(action(kCmdFileOpen));
  fileMenu_->addAction(action(kCmdFileSaveAs));
  recentSeparator_ = fileMenu_->addSeparator();
  fileMenu_->addAction(action(kCmdAppExit));
  QMenu* parameters = menuBar()->addMenu(tr("Parameters"));
  parameters->addAction(action(kCmdReceive));
  parameters->addAction(action(kCmdSend));
  QMenu* functions = menuBar()->addMenu(tr("Functies"));
  functions->addAction(action(kCmdSilence));
  functions->addAction(action(kCmdReset));
  functions->addAction(action(kCmdTechnicianMode));
  menuBar()->addMenu(tr("Instellingen"))->addAction(action(kCmdCommunication));
  menuBar()->addMenu(tr("&Extra"))->addAction(action(kCmdAbout));
  for (QMenu* menu : menuBar()->findChildren<QMenu*>())
    connect(menu, &QMenu::aboutToShow, this, &CMainFrame::RefreshCommandStates);
}

void CMainFrame::CreateToolBar() {
  QToolBar* bar = addToolBar(tr("Werkbalk"));
  bar->setObjectName(QStringLiteral("toolBar"));
  bar->setMovable(false);
  const int layout[] = {kCmdFileNew,
                        kCmdFileOpen,
                        kCmdFileSaveAs,
                        0,
                        kCmdFilePrint,
                        0,
                        kCmdEditParameters,
                        kCmdReceive,
                        kCmdSend,
                        0,
                        kCmdSilence,
                        kCmdReset,
                        kCmdAnalogValues,
                        kCmdTechnicianMode,
                        0,
                        kCmdAbout};
  for (int id : layout) {
    if (id == 0) {
      bar->addSeparator();
    } else {
      bar->addAction(action(id));
    }
  }
}

void CMainFrame::CreateDialogBar() {
  addToolBarBreak();
  QToolBar* bar = addToolBar(tr("Centrale"));
  bar->setObjectName(QStringLiteral("dialogBar"));
  bar->setMovable(false);
  bar->setFloatable(false);
  panelText_ = new QLabel(bar);
  panelText_->setObjectName(QStringLiteral("panelText"));
  QFont font = panelText_->font();
  font.setPixelSize(14);
  font.setBold(true);
  font.setStyleHint(QFont::SansSerif);
  panelText_->setFont(font);
  panelText_->setMinimumWidth(450);
  panelText_->setContentsMargins(6, 2, 6, 2);
  bar->addWidget(panelText_);
}

void CMainFrame::SetDialogBarText(const std::string& text) {
  panelText_->setText(ToQString(text));
  RefreshCommandStates(); // the connection decides most of them
}

namespace {

// The commands this window can carry out so far; the others stand in the
// tool bar disabled until their windows are there.
bool Built(int id) {
  switch (id) {
    case kCmdFileNew:
    case kCmdFileOpen:
    case kCmdFileSaveAs:
    case kCmdAppExit:
    case kCmdReceive:
    case kCmdSend:
    case kCmdSilence:
    case kCmdReset:
    case kCmdTechnicianMode:
    case kCmdCommunication:
    case kCmdAbout: return true;
    default: return false;
  }
}

} // namespace

void CMainFrame::RefreshCommandStates() {
  UpdateTechnicianPane();
  const CommandContext context = app_.commandContext();
  for (const auto& [id, a] : actions_) {
    const CommandState state = CommandStateOf(id, context);
    a->setEnabled(Built(id) && state.enabled);
    if (a->isCheckable()) a->setChecked(state.checked);
  }
}

void CMainFrame::RunCommand(int id) {
  if (!Built(id) || !app_.IsCommandEnabled(id)) {
    RefreshCommandStates();
    return;
  }
  DocumentController& documents = app_.controller();
  switch (id) {
    case kCmdFileNew: documents.OnFileNew(); break;
    case kCmdFileOpen: documents.OnFileOpen(); break;
    case kCmdFileSaveAs: documents.OnFileSaveAs(); break;
    case kCmdAppExit: close(); break;
    case kCmdCommunication: OnCommunicationSettings(); break;
    case kCmdAbout: OnAppAbout(); break;
    default: app_.Dispatch(id); break;
  }
  RefreshCommandStates();
}

void CMainFrame::DocumentChanged() { view_->update(); }

void CMainFrame::BeginWaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }

void CMainFrame::EndWaitCursor() { QApplication::restoreOverrideCursor(); }

void CMainFrame::UpdateTechnicianPane() {
  const auto& id = app_.identification;
  status_->SetTechnicianPane(
      id.technicianMode ? QStringLiteral("%1: %2").arg(ToQString(OrEmpty(GetText(120))), ToQString(id.technicianCode))
                        : QStringLiteral("   "));
}

void CMainFrame::UpdateTitle() {
  const std::string name = app_.controller().DocumentName();
  setWindowTitle(QStringLiteral("%1 - %2").arg(name.empty() ? tr("Naamloos") : QString::fromStdString(name),
                                               tr("KX700 - configuratie")));
}

void CMainFrame::UpdateRecentFiles() {
  for (QAction* a : recentActions_) {
    fileMenu_->removeAction(a);
    a->deleteLater();
  }
  recentActions_.clear();
  const auto& files = app_.controller().recentFiles();
  for (std::size_t i = 0; i < files.size(); ++i) {
    const QString path = QString::fromStdString(files[i]);
    auto* a = new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(path)), this);
    connect(a, &QAction::triggered, this, [this, path] { app_.controller().OpenDocumentFile(path.toStdString()); });
    fileMenu_->insertAction(recentSeparator_, a);
    recentActions_.push_back(a);
  }
  if (!files.empty()) {
    auto* separator = new QAction(this);
    separator->setSeparator(true);
    fileMenu_->insertAction(recentActions_.front(), separator);
    recentActions_.insert(recentActions_.begin(), separator);
  }
}

void CMainFrame::OnAppAbout() {
  CAboutDlg dialog(AboutTextsOf(app_.connected, app_.identification), this);
  dialog.exec();
}

void CMainFrame::OnCommunicationSettings() {
  Ccommunication_settings dialog(
      app_.requestedPort, app_.requestedBaud,
      [this](const std::string& key) { return app_.settings().ProgramValue(key); }, this);
  if (dialog.exec() != QDialog::Accepted) return;
  const CommunicationChoice choice = dialog.choice();
  app_.requestedPort = choice.port;
  app_.requestedBaud = choice.baud;
  app_.RequestPortRetry();
}

void CMainFrame::closeEvent(QCloseEvent* event) {
  // The service windows go first, each through its own close path.
  view_->CloseServiceWindows();
  if (!app_.controller().CanClose()) {
    event->ignore();
    return;
  }
  event->accept();
}

bool CMainFrame::Progress::IsProgressShown() const { return frame_.status_->IsProgressShown(); }

bool CMainFrame::Progress::ShowProgress(ProgressText text, int count) {
  CStatusBarWithProgress& bar = *frame_.status_;
  QString caption;
  switch (text) {
    case ProgressText::Receiving: caption = tr("Ontvangen"); break;
    case ProgressText::Sending: caption = tr("Verzenden"); break;
    case ProgressText::Updating: caption = tr("Actualiseren"); break;
  }
  const bool shown = bar.ShowProgress(caption, true);
  bar.ProgressSetRange(0, count);
  bar.ProgressSetPos(0);
  bar.ProgressSetStep(1);
  return shown;
}

void CMainFrame::Progress::StepProgress() { frame_.status_->ProgressStepIt(); }

void CMainFrame::Progress::HideProgress() { frame_.status_->HideProgress(true); }

} // namespace kx700
