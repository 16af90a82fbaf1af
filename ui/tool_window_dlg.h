// CToolWindowDlg: what every tool window shares. It is created once, hidden, as a top-level
// window without owner; its first show request restores the placement saved in its
// settings section, and no show gets through before that; it hides and reappears with the
// launcher's minimise and restore (passing these on to its child window, if it has one);
// Escape and its closing button only hide it, Enter does nothing; its destruction saves
// the placement.
#pragma once

#include <string_view>

#include "platform/dialog.h"
#include "ui/main_app.h"

namespace kerumina::ui {

// The platform's show-command numbers; 6 and 9 mean "the launcher was minimised/restored".
using ShowRequest = int;

class CToolWindowDlg : public platform::CDialog {
 public:
  CToolWindowDlg(CMainApp& app, const platform::DialogTemplate& dialogTemplate,
                 std::string_view section, std::string_view titleTemplate, int closeButtonId);

  // Creates the window hidden and gives it its title.
  bool CreateToolWindow();
  // Requests 0 hide, 1 show normal, 5 show, 6 launcher minimised, 9 launcher restored.
  void ShowToolWindow(ShowRequest request);
  // ShowToolWindow with 5 when "show" of its section says it was visible at the last
  // close, else with 0.
  void ShowAsLastClosed();

  std::string_view section() const { return section_; }

  bool placed = false;
  bool hiddenByMinimize = false;

 protected:
  // The child window that follows requests 6 and 9, if any.
  virtual CToolWindowDlg* ChildToolWindow() { return nullptr; }

  void OnOK() override {}
  void OnWindowPosChanging(platform::WindowPosChange& change) override;
  // Saves the placement; a window with keys of its own writes them first.
  void OnDestroy() override;
  bool OnCommand(int id, platform::Notification code) override;

  void RestorePlacement();
  void SavePlacement();

  CMainApp& app;

 private:
  std::string_view section_;
  std::string_view titleTemplate_;
  int closeButtonId_;
};

// The rectangle saved under "left", "top", "right", "bottom" of a section.
platform::Rect ReadSavedRect(const CMainApp& app, std::string_view section);
void WriteSavedRect(CMainApp& app, std::string_view section, const platform::Rect& rect);

}  // namespace kerumina::ui
