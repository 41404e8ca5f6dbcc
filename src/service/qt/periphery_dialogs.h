#pragma once

#include <QDialog>

#include "service/periphery.h"

class QPushButton;

namespace kx700 {

class CLabel;
class CMSFlexGrid;

// "Periferie": the state of the repeater panels, the relay cards and the
// power supervision, and "Check versie", which reads their firmware versions
// and shows them judged in "Versies periferie".
class Cperiphery final : public QDialog {
  Q_OBJECT

public:
  explicit Cperiphery(const PeripherySession& session, QWidget* parent = nullptr);

  // "Check versie": reads the versions under the wait cursor and shows them
  // modally; a failed read has already said so.
  void OnCheckVersion();

  CMSFlexGrid* repeaterGrid() const { return repeaters_; }
  CMSFlexGrid* relayCardGrid() const { return relayCards_; }
  CMSFlexGrid* powerSupplyGrid() const { return powerSupply_; }
  QPushButton* checkVersionButton() const { return checkVersion_; }

private:
  PeripherySession session_;
  CMSFlexGrid* repeaters_;
  CMSFlexGrid* relayCards_;
  CMSFlexGrid* powerSupply_;
  QPushButton* checkVersion_;
};

// "Versies periferie": each device's firmware version coloured by how it
// stands against the panel's, with the minimum and recommended versions of
// the kind under the mouse.
class CVersion final : public QDialog {
  Q_OBJECT

public:
  CVersion(const PeripherySession& session, const PeripheryVersions& versions, QWidget* parent = nullptr);

  CLabel* kindLabel() const { return kind_; }
  CLabel* minimumLabel() const { return minimum_; }
  CLabel* recommendedLabel() const { return recommended_; }
  CLabel* panelLabel() const { return panel_; }
  CMSFlexGrid* legendGrid() const { return legend_; }
  CMSFlexGrid* versionGrid() const { return versions_; }

  // The mouse moved over the version grid.
  void OnMouseMoveVersionGrid();

private:
  void FillVersionGrid(const PeripherySession& session, const PeripheryVersions& versions);
  void ShowKind(const KindLabels& labels);

  VersionGridHover hover_;
  CLabel* kind_;
  CLabel* minimum_;
  CLabel* recommended_;
  CLabel* panel_;
  CMSFlexGrid* legend_;
  CMSFlexGrid* versions_;
};

} // namespace kx700
