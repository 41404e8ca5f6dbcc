#pragma once

#include <QDialog>

#include "app/about.h"

namespace kx700 {

// "KX700 configuratie": the program's version and the connected panel's.
class CAboutDlg : public QDialog {
  Q_OBJECT

public:
  explicit CAboutDlg(const AboutTexts& texts, QWidget* parent = nullptr);
};

} // namespace kx700
