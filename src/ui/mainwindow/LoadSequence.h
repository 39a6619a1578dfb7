// The main window's load: every step from the window's first load to the
// window on the screen with the saved settings shown, in the order the
// program has always taken them, with the points where it lets pending
// events run. A new load step goes here, in its place in Form_Load.
#pragma once

namespace quintel {

class FrmMain;
struct AppContext;

class LoadSequence {
public:
    LoadSequence(FrmMain& window, AppContext& app);
    LoadSequence(const LoadSequence&) = delete;
    LoadSequence& operator=(const LoadSequence&) = delete;

    // While the sequence runs the optimization-mode list ignores
    // selections.
    bool Loading = false;

    void Form_Load();
    void FillLists();
    void ShowSavedSettings();
    void SetToolbarImages();

private:
    FrmMain& window_;
    AppContext& app_;
};

}  // namespace quintel
