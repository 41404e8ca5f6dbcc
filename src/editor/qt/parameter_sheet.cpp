#include "editor/qt/parameter_sheet.h"

#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QShortcut>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <QWheelEvent>

#include "common/qt/qt_text.h"
#include "editor/qt/actions_page_widget.h"
#include "editor/qt/central_page_widget.h"
#include "editor/qt/control_page_widget.h"
#include "editor/qt/dossier_page_widget.h"
#include "editor/qt/editor_page_widget.h"
#include "editor/qt/loop_page_widget.h"

namespace kx700 {

void SheetTabBar::mousePressEvent(QMouseEvent* event) {
  const int index = tabAt(event->position().toPoint());
  if (event->button() == Qt::LeftButton && index >= 0 && index != currentIndex()) {
    event->accept();
    emit tabRequested(index);
    return;
  }
  QTabBar::mousePressEvent(event);
}

void SheetTabBar::keyPressEvent(QKeyEvent* event) {
  const bool back = event->key() == Qt::Key_Left || event->key() == Qt::Key_Up;
  const bool forward = event->key() == Qt::Key_Right || event->key() == Qt::Key_Down;
  if (!back && !forward) {
    QTabBar::keyPressEvent(event);
    return;
  }
  event->accept();
  // Left and right swap in a right-to-left layout; up and down do not.
  const bool horizontal = event->key() == Qt::Key_Left || event->key() == Qt::Key_Right;
  const int index = currentIndex() + (back != (horizontal && isRightToLeft()) ? -1 : 1);
  if (index >= 0 && index < count()) emit tabRequested(index);
}

// The wheel would change tabs behind the page's back.
void SheetTabBar::wheelEvent(QWheelEvent* event) { event->ignore(); }

EditorPageFactory ProgramEditorPages() {
  return {[](EditorPageKind) { return true; },
          [](EditorPageKind kind, ParameterEditor& editor, QWidget* parent) -> EditorPageWidget* {
            switch (kind) {
              case EditorPageKind::Actions: return new Crel_info(editor, parent);
              case EditorPageKind::Controls: return new Ccontrol(editor, parent);
              case EditorPageKind::General: return new Ccentral(editor, parent);
              case EditorPageKind::Loops: return new Czone(editor, parent);
              case EditorPageKind::Dossier: break;
            }
            return new Cdocu(editor, parent);
          }};
}

CParameterSheet::CParameterSheet(ParameterEditor& editor, QWidget* parent, EditorPageFactory pages)
    : QDialog(parent),
      editor_(editor),
      factory_(std::move(pages)),
      tabs_(new SheetTabBar(this)),
      stack_(new QStackedWidget(this)) {
  setObjectName(QStringLiteral("parameterSheet"));
  setWindowTitle(ToQString(editor.caption()));
  tabs_->setDrawBase(false);
  tabs_->setExpanding(false);
  tabs_->setAccessibleName(tr("Pagina's"));
  const auto& kinds = editor.pages();
  for (std::size_t i = 0; i < kinds.size(); ++i) {
    if (!factory_.has(kinds[i])) continue;
    tabs_->addTab(tr(EditorPageTitle(kinds[i])));
    editorIndex_.push_back(i);
    pages_.push_back(nullptr);
  }
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &CParameterSheet::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &CParameterSheet::reject);

  auto* layout = new QVBoxLayout(this);
  layout->setSpacing(0);
  layout->addWidget(tabs_);
  stack_->setFrameShape(QFrame::StyledPanel);
  layout->addWidget(stack_, 1);
  layout->addSpacing(8);
  layout->addWidget(buttons);

  connect(tabs_, &SheetTabBar::tabRequested, this, &CParameterSheet::RequestTab);
  // Whatever else moves the tab (accessibility, a style) goes the same way.
  connect(tabs_, &QTabBar::currentChanged, this, [this](int index) {
    if (index == shownTab_ || shownTab_ < 0) return;
    {
      const QSignalBlocker quiet(tabs_);
      tabs_->setCurrentIndex(shownTab_);
    }
    QMetaObject::invokeMethod(
        this, [this, index] { RequestTab(index); }, Qt::QueuedConnection);
  });
  const auto step = [this](int by) {
    const int count = tabs_->count();
    if (count > 0) RequestTab((shownTab_ + by + count) % count);
  };
  for (const auto& [keys, by] : {std::pair{QKeySequence(Qt::CTRL | Qt::Key_Tab), 1},
                                 std::pair{QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), -1},
                                 std::pair{QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), -1},
                                 std::pair{QKeySequence(Qt::CTRL | Qt::Key_PageDown), 1},
                                 std::pair{QKeySequence(Qt::CTRL | Qt::Key_PageUp), -1}}) {
    auto* shortcut = new QShortcut(keys, this);
    connect(shortcut, &QShortcut::activated, this, [step, by = by] { step(by); });
  }
  if (!pages_.empty()) RequestTab(0);
}

bool CParameterSheet::RequestTab(int tab) {
  if (tab < 0 || tab >= static_cast<int>(pages_.size())) return false;
  const auto build = [this, tab]() -> EditorPage& {
    EditorPageWidget*& page = pages_[static_cast<std::size_t>(tab)];
    if (!page) {
      page = factory_.make(editor_.pages()[editorIndex_[static_cast<std::size_t>(tab)]], editor_, stack_);
      stack_->addWidget(page);
      // Built after the buttons, its inputs would come after them on Tab:
      // they go between the tabs and the buttons.
      QWidget* previous = tabs_;
      std::vector<QWidget*> inputs;
      for (QWidget* w = page->nextInFocusChain(); page->isAncestorOf(w); w = w->nextInFocusChain()) {
        if (w->focusPolicy() != Qt::NoFocus) inputs.push_back(w);
      }
      for (QWidget* w : inputs) {
        QWidget::setTabOrder(previous, w);
        previous = w;
      }
    }
    return page->logic();
  };
  if (!editor_.RequestPage(editorIndex_[static_cast<std::size_t>(tab)], build)) return false;
  ShowTab(tab);
  return true;
}

void CParameterSheet::ShowTab(int tab) {
  shownTab_ = tab;
  {
    const QSignalBlocker quiet(tabs_);
    tabs_->setCurrentIndex(tab);
  }
  QWidget* page = pages_[static_cast<std::size_t>(tab)];
  // Enabled before it is shown, so that the focus can go back into it.
  page->setEnabled(true);
  stack_->setCurrentWidget(page);
  // A page larger than the ones before makes the sheet grow, never shrink.
  const QSize wanted = sizeHint().expandedTo(size());
  if (wanted != size()) resize(wanted);
  // The focus must not stay on a page that is now hidden.
  if (QWidget* focus = focusWidget(); focus && !focus->isVisibleTo(this) && isVisible()) tabs_->setFocus();
  // A page that is not shown takes nothing: an assistive tool can still
  // reach its buttons, which would change records the user cannot see.
  for (QWidget* other : pages_) {
    if (other && other != page) other->setEnabled(false);
  }
}

int CParameterSheet::TabOfEditorPage(std::size_t editorIndex) const {
  for (std::size_t tab = 0; tab < editorIndex_.size(); ++tab) {
    if (editorIndex_[tab] == editorIndex) return static_cast<int>(tab);
  }
  return -1;
}

bool CParameterSheet::RequestPage(EditorPageKind kind) {
  for (std::size_t tab = 0; tab < editorIndex_.size(); ++tab) {
    if (editor_.pages()[editorIndex_[tab]] == kind) return RequestTab(static_cast<int>(tab));
  }
  return false;
}

EditorPageWidget* CParameterSheet::page(EditorPageKind kind) const {
  for (std::size_t tab = 0; tab < editorIndex_.size(); ++tab) {
    if (editor_.pages()[editorIndex_[tab]] == kind) return pages_[tab];
  }
  return nullptr;
}

void CParameterSheet::accept() {
  if (!editor_.Ok()) {
    if (const auto active = editor_.activePage(); active && TabOfEditorPage(*active) != shownTab_)
      ShowTab(TabOfEditorPage(*active));
    return;
  }
  QDialog::accept();
}

void CParameterSheet::reject() {
  editor_.Cancel();
  QDialog::reject();
}

} // namespace kx700
