// The largest-MTU finder: a host (the ping host to begin with), "Start",
// a progress bar and the answer, which "Use" puts into the MTU box. The
// echoes are sent off the window's thread, one at a time, so the window
// answers the user while each waits; "Cancel" stops the search at once.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "core/ping/MtuSearch.h"
#include "platform/Background.h"
#include "platform/Network.h"
#include "ui/forms/Form.h"
#include "ui/forms/ValueControls.h"

namespace quintel {

struct FindMtuServices {
    Sockets& sockets;
    Icmp& icmp;
    BackgroundWork& background;
    std::string host;   // the host offered at first
    // Puts a found MTU into the main window, as the user would.
    std::function<void(int mtu)> use;
};

class FrmFindMTU : public forms::Form {
public:
    FrmFindMTU(forms::FormHost& host, FindMtuServices services);
    ~FrmFindMTU() override;

    forms::Label lblHost;
    forms::TextBox txtHost;
    forms::CommandButton cmdStart;
    forms::ProgressBar prgSearch;
    forms::Label lblResult;
    forms::CommandButton cmdUse;
    forms::CommandButton cmdCancel;

    void cmdStart_Click();
    void cmdUse_Click();
    void cmdCancel_Click();
    void txtHost_Change();

    bool Searching() const { return static_cast<bool>(run_); }
    // The MTU the last search found; 0 when it found none.
    int FoundMtu() const { return found_; }

protected:
    void Form_Load() override;
    // Closing stops a search, as "Cancel" does.
    void Form_QueryUnload(bool& cancel) override;

private:
    struct Run;
    void Resolved(Run& run);
    void SendNext(const std::shared_ptr<Run>& run);
    void Answered(Run& run);
    // Hands `work` to the background; the search ends with the reason
    // when no thread can take it.
    void InBackground(const std::shared_ptr<Run>& run, void (*work)(Run&),
                      void (FrmFindMTU::*done)(Run&));
    void Finish(const std::string& text, int mtu);
    void Stop();
    // The two kinds of work, on the other thread.
    static void LookUp(Run& run);
    static void Probe(Run& run);

    FindMtuServices services_;
    std::shared_ptr<Run> run_;  // the search under way, if any
    int found_ = 0;
};

}  // namespace quintel
