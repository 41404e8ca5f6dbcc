#pragma once

// The largest configuration there is, for the benchmarks: 16 loops, 20
// controls, 7 relay text modules, every general setting and a full dossier.
#include "common/string_format.h"
#include "editor/central_page.h"
#include "editor/control_form.h"
#include "editor/dossier_page.h"
#include "editor/loop_form.h"
#include "model/configuration.h"

namespace kx700::bench {

inline Configuration LargestConfiguration() {
  Configuration c;
  c.version = {1, 2, 2};
  for (int n = 1; n <= 20; ++n) {
    ControlForm control;
    control.number = n;
    control.name = StringPrintf("Sturing %d", n);
    control.type = n <= 2 ? n : (n <= 4 ? 3 : 0);
    for (std::size_t row = 0; row < control.rows.size(); ++row)
      control.rows[row] = {5, static_cast<int>(row % 3), static_cast<int>(row), 0x5A};
    ControlRecord record;
    StoreControl(control, record);
    c.controls.push_back(record);
  }
  for (int n = 1; n <= 16; ++n) {
    LoopForm form;
    form.active = n % 3 != 0;
    form.number = n;
    form.name = StringPrintf("Lus %d verdieping %d", n, n % 4);
    form.kind = n % 6;
    form.upperLevel = 2.5;
    form.lowerLevel = 1.2;
    form.faultLevel = 0.1;
    form.upperText = "ALARM";
    form.lowerText = "VOORALARM";
    form.faultText = "FOUT";
    form.warningEvacuation = true;
    form.delayedEvacuation = true;
    form.interventionTime = 3;
    form.dependency = n % 16 + 1;
    form.loopControl = 4 + n;
    form.composition = {{1, 10}, {2, 5}, {3, 2}, {5, n}};
    LoopRecord loop;
    StoreLoop(form, loop);
    c.loops.push_back(loop);
  }
  for (int n = 0; n < 7; ++n) {
    RelayTextRecord texts;
    texts.SetByte(RelayTextRecord::kSequence, n + 1);
    texts.SetByte(RelayTextRecord::kModuleKind, n == 0 ? 0 : 1 + n % 2);
    texts.SetByte(RelayTextRecord::kCardAddress, n == 0 ? 0 : (n + 1) / 2);
    for (std::size_t k = 0; k < RelayTextRecord::kTextCount; ++k) {
      texts.SetText(RelayTextRecord::kTexts + RelayTextRecord::kTextWidth * k, RelayTextRecord::kTextWidth,
                    StringPrintf("Uitgang %d.%zu", n, k + 1));
    }
    c.relayTexts.push_back(texts);
  }
  CentralForm central;
  central.panelName = "Centrale groot";
  central.project = "Project maximum";
  central.reactionTime = 2;
  central.generalControl = 1;
  central.alertControl = 2;
  central.silenceControls = {3, 4};
  central.advancedFlags = 0x1F;
  StoreCentral(central, true, c.central);
  DossierForm dossier;
  dossier.customer = "Klant met de langste naam";
  dossier.address = "Straat 1\r\n9000 Gent\r\nBelgie";
  dossier.technician = "Technicus";
  dossier.notes = std::string(120, 'n') + " " + std::string(120, 'o');
  dossier.commissioned = {2025, 6, 1};
  for (int a = 1; a <= 8; ++a) dossier.locations.push_back({a, StringPrintf("Herhaalbord %d", a)});
  StoreDossier(dossier, c.fixedBlocks);
  return c;
}

} // namespace kx700::bench
