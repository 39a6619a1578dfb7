// The tip of the day: a random line of TIPs.TXT, another at "Next Tip",
// and the check box that decides whether the window opens at start-up.
#pragma once

#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "core/text/TipLines.h"
#include "ui/forms/Form.h"
#include "ui/forms/ValueControls.h"
#include "platform/FileSystem.h"
#include "platform/MessageBoxes.h"
#include "platform/UserSettings.h"

namespace quintel {

struct TipServices {
    FileSystem& files;
    UserSettings& settings;
    MessageBoxes& boxes;
    std::string appName;  // the settings store's application name
    std::string title;    // the caption of the program's messages
    std::string folder;   // where TIPs.TXT lives
};

class FrmTip : public forms::Form {
public:
    // `draw` gives numbers uniform in [0, 1); empty: a generator seeded
    // from the clock at every load.
    FrmTip(forms::FormHost& host, TipServices services, std::function<double()> draw = {});

    forms::Picture picIcon;
    forms::Label lblDidYouKnow;  // designer: Label1
    forms::Label lblTipText;
    forms::CheckBox chkLoadTipsAtStartup;
    forms::CommandButton cmdNextTip;
    forms::CommandButton cmdOK;

    std::vector<std::string> TipList;
    std::int32_t CurrentTip = 0;  // from 1; 0 before the first draw

    bool LoadTips(const std::string& path);
    void ChooseRandomTip();
    void DisplayCurrentTip();

    void cmdNextTip_Click();
    void cmdOK_Click();
    void chkLoadTipsAtStartup_Click();

protected:
    void Form_Load() override;

private:
    double Draw();

    TipServices services_;
    std::function<double()> draw_;
    std::string readError_;  // why TIPs.TXT could not be read
    std::mt19937 engine_;
};

}  // namespace quintel
