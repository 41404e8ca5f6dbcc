#pragma once

namespace kx700 {

// One page of the parameter sheet, as the sheet drives it.
class EditorPage {
public:
  virtual ~EditorPage() = default;
  // The first time the page is shown, before OnSetActive.
  virtual void OnInitDialog() = 0;
  // Every time the page becomes the shown page.
  virtual void OnSetActive() = 0;
  // The page is asked to leave (another tab, or OK): false keeps it.
  virtual bool OnKillActive() = 0;
  // OK of the sheet, for every page that was shown: false keeps the sheet open.
  virtual bool OnOK() = 0;
  // Cancel of the sheet, for every page that was shown.
  virtual void OnCancel() = 0;
};

} // namespace kx700
