#pragma once

#include <QDialog>
#include <QTabBar>

#include <functional>
#include <vector>

#include "editor/parameter_editor.h"

class QStackedWidget;

namespace kx700 {

class EditorPageWidget;

// The page tabs of the parameter sheet. A click, a key or the wheel only asks
// for another tab; the sheet changes it once the shown page agreed to leave.
class SheetTabBar final : public QTabBar {
  Q_OBJECT

public:
  using QTabBar::QTabBar;

signals:
  void tabRequested(int index);

protected:
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
};

// Which pages the sheet can show, and how each is built.
struct EditorPageFactory {
  std::function<bool(EditorPageKind)> has;
  std::function<EditorPageWidget*(EditorPageKind, ParameterEditor&, QWidget* parent)> make;
};
// The program's pages.
EditorPageFactory ProgramEditorPages();

// "Parameters": the editor's pages on tabs, with OK and Cancel. A page is
// built when it is first shown; every way of changing pages, and OK, first
// asks the shown page to leave, and a page that refuses stays.
class CParameterSheet final : public QDialog {
  Q_OBJECT

public:
  CParameterSheet(ParameterEditor& editor, QWidget* parent = nullptr, EditorPageFactory pages = ProgramEditorPages());

  // Shows the page on tab `index`; false when the shown page stays.
  bool RequestTab(int index);
  // The same for the tab of a page kind.
  bool RequestPage(EditorPageKind kind);
  int currentTab() const { return shownTab_; }
  SheetTabBar* tabBar() const { return tabs_; }
  // The page of a kind once it has been shown, else nullptr.
  EditorPageWidget* page(EditorPageKind kind) const;

  void accept() override;
  void reject() override;

private:
  void ShowTab(int tab);
  int TabOfEditorPage(std::size_t editorIndex) const;

  ParameterEditor& editor_;
  EditorPageFactory factory_;
  SheetTabBar* tabs_;
  QStackedWidget* stack_;
  std::vector<std::size_t> editorIndex_; // of each tab
  std::vector<EditorPageWidget*> pages_; // of each tab, built on first show
  int shownTab_ = -1;
};

} // namespace kx700
