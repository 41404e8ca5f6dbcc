#include "app/qt/qt_startup_host.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>

#include "app/qt/link_engine_timer.h"
#include "app/qt/main_frame.h"

namespace kx700 {

QtStartupHost::QtStartupHost(CPc_kx700App& app) : app_(app) {}

QtStartupHost::~QtStartupHost() {
  engine_.reset();
  frame_.reset();
  if (translator_) QCoreApplication::removeTranslator(translator_.get());
  if (systemTranslator_) QCoreApplication::removeTranslator(systemTranslator_.get());
}

QStringList QtStartupHost::TranslationFolders() {
  const QString dir = QCoreApplication::applicationDirPath();
  return {dir, QDir(dir).absoluteFilePath(QStringLiteral("../share/kx700/translations"))};
}

bool QtStartupHost::LoadTranslation(const std::string& file) {
  auto translator = std::make_unique<QTranslator>();
  for (const QString& folder : TranslationFolders()) {
    if (translator->load(QString::fromStdString(file), folder)) {
      QCoreApplication::installTranslator(translator.get());
      translator_ = std::move(translator);
      return true;
    }
  }
  return false;
}

void QtStartupHost::LoadSystemTranslation(const std::string& language) {
  auto translator = std::make_unique<QTranslator>();
  if (!translator->load(QStringLiteral("qtbase_") + QString::fromStdString(language),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    return;
  if (systemTranslator_) QCoreApplication::removeTranslator(systemTranslator_.get());
  QCoreApplication::installTranslator(translator.get());
  systemTranslator_ = std::move(translator);
}

void QtStartupHost::CreateMainWindow() {
  frame_ = std::make_unique<CMainFrame>(app_);
  engine_ = std::make_unique<LinkEngineTimer>(app_);
}

bool QtStartupHost::OpenDocumentFile(const std::string& path) { return app_.controller().OpenDocumentFile(path); }

void QtStartupHost::ShowMainWindow() {
  if (!frame_) return;
  frame_->show();
  engine_->Start();
}

} // namespace kx700
