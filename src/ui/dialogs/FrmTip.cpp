#include "ui/dialogs/FrmTip.h"

#include <chrono>

#include "core/text/Paths.h"
#include "core/system/TipSetting.h"

namespace quintel {

namespace {

std::string MissingFileText() {
    return std::string("That the ") + TipsFileName + " file was not found? \r\n\r\n" +
           "Create a text file named " + TipsFileName +
           " using NotePad with 1 tip per line. " +
           "Then place it in the same directory as the application. ";
}

}  // namespace

FrmTip::FrmTip(forms::FormHost& host, TipServices services, std::function<double()> draw)
    : Form(host, "frmTip", "Tip of the Day", 5415, 3300),
      picIcon("picIcon", forms::Rect{240, 240, 480, 480}, "logo"),
      lblDidYouKnow("lblDidYouKnow", forms::Rect{960, 240, 4215, 255}, "Did you know..."),
      lblTipText("lblTipText", forms::Rect{960, 615, 4215, 1935}),
      chkLoadTipsAtStartup("chkLoadTipsAtStartup", forms::Rect{240, 2805, 2415, 315},
                           "&Show Tips at Startup"),
      cmdNextTip("cmdNextTip", forms::Rect{2880, 2760, 1215, 375}, "&Next Tip"),
      cmdOK("cmdOK", forms::Rect{4200, 2760, 975, 375}, "OK"),
      services_(std::move(services)),
      draw_(std::move(draw)) {
    Icon = "app";
    MinButton = false;
    cmdOK.Default = true;
    lblDidYouKnow.ForeColor = forms::Color{0, 0, 128};
    Add(cmdOK);
    Add(cmdNextTip);
    Add(chkLoadTipsAtStartup);
    Add(picIcon);
    Add(lblDidYouKnow);
    Add(lblTipText);
    cmdOK.Click = [this] { cmdOK_Click(); };
    cmdNextTip.Click = [this] { cmdNextTip_Click(); };
    chkLoadTipsAtStartup.Click = [this] { chkLoadTipsAtStartup_Click(); };
}

void FrmTip::Form_Load() {
    // Every opening turns the start-up tip on again, until the user
    // unchecks the box.
    if (chkLoadTipsAtStartup.Value() == forms::CheckBox::Checked) {
        chkLoadTipsAtStartup_Click();
    } else {
        chkLoadTipsAtStartup.SetValue(forms::CheckBox::Checked);
    }

    if (!draw_) {
        engine_.seed(static_cast<std::mt19937::result_type>(
            std::chrono::system_clock::now().time_since_epoch().count()));
    }

    TipList.clear();
    CurrentTip = 0;
    readError_.clear();
    if (!LoadTips(AppFilePath(services_.folder, TipsFileName))) {
        lblTipText.SetCaption(readError_.empty() ? MissingFileText() : readError_);
    }
}

bool FrmTip::LoadTips(const std::string& path) {
    if (path.empty()) return false;
    if (!services_.files.FileExists(path)) return false;
    const auto contents = services_.files.ReadFile(path);
    if (!contents) {
        readError_ = std::string("The tips file ") + path + " could not be read: " +
                     contents.Error().reason;
        return false;
    }
    for (std::string& line : TipLines(contents.Value())) TipList.push_back(std::move(line));
    ChooseRandomTip();
    return true;
}

double FrmTip::Draw() {
    if (draw_) return draw_();
    return std::uniform_real_distribution<double>(0.0, 1.0)(engine_);
}

void FrmTip::ChooseRandomTip() {
    const double r = Draw();
    const auto count = static_cast<double>(TipList.size());
    auto pick = static_cast<std::int32_t>(r * count + 1);
    // Some generators can round up to 1.0 itself.
    if (pick > static_cast<std::int32_t>(TipList.size())) pick = static_cast<std::int32_t>(TipList.size());
    if (pick < 1) pick = 1;
    CurrentTip = pick;
    DisplayCurrentTip();
}

void FrmTip::DisplayCurrentTip() {
    if (TipList.empty()) return;
    lblTipText.SetCaption(TipList[static_cast<std::size_t>(CurrentTip - 1)]);
}

void FrmTip::cmdNextTip_Click() {
    ChooseRandomTip();
}

void FrmTip::cmdOK_Click() {
    Close();
}

void FrmTip::chkLoadTipsAtStartup_Click() {
    const std::string value =
        chkLoadTipsAtStartup.Value() == forms::CheckBox::Checked ? "1" : "0";
    if (!services_.settings.SaveSetting(services_.appName, TipSection, TipKey, value)) {
        services_.boxes.Show("Your choice for \"Show Tips at Startup\" could not be stored.",
                             services_.title, mb::OkOnly | mb::IconExclamation);
    }
}

}  // namespace quintel
