#include "app/qt/main_frame.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QMenuBar>
#include <QSessionManager>
#include <QStyle>
#include <QToolBar>

#include <algorithm>
#include <optional>

#include "app/application.h"
#include "app/qt/status_bar.h"
#include "app/qt/view.h"
#include "common/qt/qt_text.h"
#include "common/text_tables.h"

namespace kx700 {

CMainFrame::CMainFrame(CPc_kx700App& app, QWidget* parent) : QMainWindow(parent), app_(app) {
  setObjectName(QStringLiteral("mainFrame"));
  view_ = new CPc_kx700View(app_, this);
  setCentralWidget(view_);

  status_ = new CStatusBarWithProgress(100, this);
  setStatusBar(status_);
  CreateCommands();
  CreateMenus();
  CreateToolBar();
  CreateDialogBar();
  resize(900, 650);

  app_.SetFrameHost(this);
  app_.SetProgressSink(&progress_);
  app_.controller().onChanged = [this] {
    UpdateTitle();
    UpdateRecentFiles();
    view_->DocumentChanged();
  };
  UpdateTitle();
  UpdateRecentFiles();
  RefreshCommandStates();
  // A desktop session ending while the panel programs its relay cards would
  // take the program with it: the logout is called off, as closing is.
  connect(
      qApp, &QGuiApplication::commitDataRequest, this,
      [this](QSessionManager& session) {
        if (!view_->ServiceWindowsMayClose() && session.allowsInteraction()) session.cancel();
      },
      Qt::DirectConnection);
}

CMainFrame::~CMainFrame() {
  app_.SetFrameHost(nullptr);
  app_.SetProgressSink(nullptr);
  app_.controller().onChanged = nullptr;
}

namespace {

// While a modal dialog is up the window system keeps the user's input from
// the menus, but a screen reader can still trigger an entry. Such a command
// does nothing: a second parameter sheet, or a file opened under an open
// dialog, would work on the document that the dialog is changing.
bool ModalDialogUp() { return QApplication::activeModalWidget() != nullptr; }

// A disabled command must look disabled: many icons (dark line drawings in
// particular) look the same in the style's own disabled form, so the
// disabled form is drawn grey and faded.
QIcon WithFadedDisabledForm(const QIcon& icon) {
  if (icon.isNull()) return icon;
  QIcon result;
  for (int size : {16, 22, 24, 32, 48}) {
    const QPixmap normal = icon.pixmap(size, size);
    result.addPixmap(normal, QIcon::Normal);
    QImage image = normal.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
      auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
      for (int x = 0; x < image.width(); ++x) {
        const int grey = 128 + qGray(line[x]) / 2;
        line[x] = qRgba(grey, grey, grey, qAlpha(line[x]) * 2 / 5);
      }
    }
    QPixmap faded = QPixmap::fromImage(image);
    faded.setDevicePixelRatio(normal.devicePixelRatio());
    result.addPixmap(faded, QIcon::Disabled);
  }
  return result;
}

QIcon StyleIcon(CommandIcon icon, const QStyle& style) {
  switch (icon) {
    case CommandIcon::None: break;
    case CommandIcon::New: return style.standardIcon(QStyle::SP_FileIcon);
    case CommandIcon::Open: return style.standardIcon(QStyle::SP_DialogOpenButton);
    case CommandIcon::Save: return style.standardIcon(QStyle::SP_DialogSaveButton);
    case CommandIcon::Print: return style.standardIcon(QStyle::SP_FileDialogContentsView);
    case CommandIcon::Edit: return style.standardIcon(QStyle::SP_FileDialogDetailedView);
    case CommandIcon::Receive: return style.standardIcon(QStyle::SP_ArrowDown);
    case CommandIcon::Send: return style.standardIcon(QStyle::SP_ArrowUp);
    case CommandIcon::Silence: return style.standardIcon(QStyle::SP_MediaVolumeMuted);
    case CommandIcon::Reset: return style.standardIcon(QStyle::SP_BrowserReload);
    case CommandIcon::AnalogValues: return style.standardIcon(QStyle::SP_ComputerIcon);
    case CommandIcon::Technician: return style.standardIcon(QStyle::SP_DialogResetButton);
    case CommandIcon::About: return style.standardIcon(QStyle::SP_MessageBoxInformation);
  }
  return {};
}

QIcon IconOf(CommandIcon icon, const QStyle& style) { return WithFadedDisabledForm(StyleIcon(icon, style)); }

QString MenuTitle(MenuId menu) {
  switch (menu) {
    case MenuId::File: return CMainFrame::tr("&Bestand");
    case MenuId::Parameters: return CMainFrame::tr("Parameters");
    case MenuId::Functions: return CMainFrame::tr("Functies");
    case MenuId::Settings: return CMainFrame::tr("Instellingen");
    case MenuId::Extra: break;
  }
  return CMainFrame::tr("&Extra");
}

} // namespace

QAction* CMainFrame::action(int id) const {
  const auto it = actions_.find(id);
  return it == actions_.end() ? nullptr : it->second;
}

void CMainFrame::CreateCommands() {
  for (const CommandRow& row : CommandTable()) {
    if (!row.text) continue; // the place of the recent files
    auto* a = new QAction(IconOf(row.icon, *style()), QCoreApplication::translate("kx700::CMainFrame", row.text), this);
    if (row.shortcut) a->setShortcut(QKeySequence(QString::fromLatin1(row.shortcut), QKeySequence::PortableText));
    a->setCheckable(row.checkable);
    a->setData(row.id);
    // Every action runs through RunCommand, which checks its rule again.
    connect(a, &QAction::triggered, this, [this, id = row.id] { RunCommand(id); });
    actions_[row.id] = a;
  }
}

void CMainFrame::CreateMenus() {
  QMenu* menu = nullptr;
  std::optional<MenuId> current;
  int group = 0;
  bool recentPlace = false; // the recent files go before the next entry
  for (const CommandRow& row : CommandTable()) {
    QAction* added = nullptr;
    if (row.menu != current) {
      menu = menuBar()->addMenu(MenuTitle(row.menu));
      connect(menu, &QMenu::aboutToShow, this, &CMainFrame::RefreshCommandStates);
      if (row.menu == MenuId::File) fileMenu_ = menu;
      current = row.menu;
    } else if (row.menuGroup != group) {
      added = menu->addSeparator();
    }
    group = row.menuGroup;
    if (row.id == kCmdRecentFile) {
      recentPlace = true;
      continue;
    }
    QAction* entry = action(row.id);
    menu->addAction(entry);
    if (recentPlace) recentEnd_ = added ? added : entry;
    recentPlace = false;
  }
}

void CMainFrame::CreateToolBar() {
  QToolBar* bar = addToolBar(tr("Werkbalk"));
  bar->setObjectName(QStringLiteral("toolBar"));
  bar->setMovable(false);
  std::vector<const CommandRow*> buttons;
  for (const CommandRow& row : CommandTable()) {
    if (row.toolBarPlace > 0) buttons.push_back(&row);
  }
  std::sort(buttons.begin(), buttons.end(),
            [](const CommandRow* a, const CommandRow* b) { return a->toolBarPlace < b->toolBarPlace; });
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    if (i > 0 && buttons[i]->toolBarPlace / 10 != buttons[i - 1]->toolBarPlace / 10) bar->addSeparator();
    bar->addAction(action(buttons[i]->id));
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
  panelText_->setTextFormat(Qt::PlainText); // the panel's own text, shown as it comes
  QFont font = panelText_->font();
  font.setPixelSize(14);
  font.setBold(true);
  font.setStyleHint(QFont::SansSerif);
  panelText_->setFont(font);
  panelText_->setMinimumWidth(450);
  panelText_->setContentsMargins(6, 2, 6, 2);
  bar->addWidget(panelText_);
}

void CMainFrame::PanelSessionChanged(const PanelSession& session) {
  SetDialogBarText(session.statusText);
  // A document without a version of its own takes the panel's.
  view_->RefreshReport();
}

void CMainFrame::SetDialogBarText(const std::string& text) {
  panelText_->setText(ToQString(text));
  RefreshCommandStates(); // the connection decides most of them
}

void CMainFrame::RefreshCommandStates() {
  UpdateTechnicianPane();
  const CommandContext context = app_.commandContext();
  for (const auto& [id, a] : actions_) {
    a->setEnabled(app_.IsCommandEnabled(id));
    if (a->isCheckable()) a->setChecked(CommandStateOf(id, context).checked);
  }
}

void CMainFrame::RunCommand(int id) {
  if (ModalDialogUp()) return;
  app_.Dispatch(id);
  RefreshCommandStates();
}

void CMainFrame::DocumentChanged() { view_->DocumentChanged(); }

void CMainFrame::BeginWaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }

void CMainFrame::EndWaitCursor() { QApplication::restoreOverrideCursor(); }

void CMainFrame::CloseMainWindow() { close(); }

void CMainFrame::UpdateTechnicianPane() {
  const PanelIdentification& id = app_.session().identification;
  status_->SetTechnicianPane(id.technicianMode
                                 ? QStringLiteral("%1: %2").arg(TableText(120), ToQString(id.technicianCode))
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
    connect(a, &QAction::triggered, this, [this, path] {
      if (!ModalDialogUp()) app_.controller().OpenDocumentFile(path.toStdString());
    });
    fileMenu_->insertAction(recentEnd_, a);
    recentActions_.push_back(a);
  }
}

void CMainFrame::closeEvent(QCloseEvent* event) {
  // The service windows go first, each through its own close path; one that
  // stays open (the relay card window while the panel programs its cards)
  // keeps the program open, and nothing more is asked.
  if (!view_->CloseServiceWindows() || !app_.controller().CanClose()) {
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
