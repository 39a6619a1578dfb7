#include "ui/dialogs/FrmFindMTU.h"

#include "core/ping/MtuFinder.h"

namespace quintel {

using forms::Rect;

// What one search shares with the echoes it has in flight. The work on
// the other thread writes the answer fields, and the completion reads
// them on the window's thread once the work has ended. `form` is
// cleared when the search is stopped: a completion that comes after
// finds nothing to report to.
struct FrmFindMTU::Run {
    Run(Sockets& sockets, Icmp& icmp, std::string host)
        : sockets(sockets), icmp(icmp), host(std::move(host)) {}

    FrmFindMTU* form = nullptr;
    Sockets& sockets;
    Icmp& icmp;
    const std::string host;

    Result<std::uint32_t> address = SystemError{};
    MtuSearch search;
    int payload = 0;
    Result<EchoOutcome> outcome = EchoOutcome::NoReply;
};

FrmFindMTU::FrmFindMTU(forms::FormHost& host, FindMtuServices services)
    : Form(host, "frmFindMTU", "Find the Largest MTU", 4800, 2325),
      lblHost("lblHost", Rect{120, 165, 600, 255}, "&Host:"),
      txtHost("txtHost", Rect{720, 120, 2640, 285}),
      cmdStart("cmdStart", Rect{3480, 90, 1185, 345}, "Start"),
      prgSearch("prgSearch", Rect{120, 600, 4545, 255}, mtusearch::MaxEchoes),
      // Four lines: the longest answer names the host and what to do.
      lblResult("lblResult", Rect{120, 975, 4545, 780}),
      cmdUse("cmdUse", Rect{2160, 1860, 1185, 345}, "Use"),
      cmdCancel("cmdCancel", Rect{3480, 1860, 1185, 345}, "Cancel"),
      services_(std::move(services)) {
    Icon = "app";
    MinButton = false;
    cmdStart.Default = true;
    Add(lblHost);
    Add(txtHost);
    Add(cmdStart);
    Add(prgSearch);
    Add(lblResult);
    Add(cmdUse);
    Add(cmdCancel);
    cmdStart.Click = [this] { cmdStart_Click(); };
    cmdUse.Click = [this] { cmdUse_Click(); };
    cmdCancel.Click = [this] { cmdCancel_Click(); };
    txtHost.Change = [this] { txtHost_Change(); };
}

FrmFindMTU::~FrmFindMTU() {
    // An echo still in flight reports to nobody.
    if (run_) run_->form = nullptr;
}

void FrmFindMTU::Form_Load() {
    txtHost.SetText(services_.host);
    cmdUse.SetEnabled(false);
    prgSearch.SetValue(0);
    lblResult.SetCaption("Start sends up to " + std::to_string(mtusearch::MaxEchoes) +
                         " pings that may not be split on the way, to find the largest packet "
                         "the line carries to the host.");
}

void FrmFindMTU::Form_QueryUnload(bool&) {
    Stop();
}

void FrmFindMTU::cmdStart_Click() {
    if (Searching()) return;
    found_ = 0;
    // Blanks typed around the host are no part of its name.
    const std::string& typed = txtHost.Text();
    const auto first = typed.find_first_not_of(" \t");
    const std::string host =
        first == std::string::npos ? std::string() : typed.substr(first, typed.find_last_not_of(" \t") - first + 1);
    auto run = std::make_shared<Run>(services_.sockets, services_.icmp, host);
    run->form = this;
    run_ = run;
    cmdStart.SetEnabled(false);
    txtHost.SetEnabled(false);
    cmdUse.SetEnabled(false);
    prgSearch.SetValue(0);
    lblResult.SetCaption("Looking up " + run->host + "...");
    InBackground(run, &LookUp, &FrmFindMTU::Resolved);
}

void FrmFindMTU::txtHost_Change() {
    // An answer is about the host it was found for.
    if (Searching() || found_ == 0) return;
    found_ = 0;
    cmdUse.SetEnabled(false);
    prgSearch.SetValue(0);
}

void FrmFindMTU::cmdUse_Click() {
    if (found_ == 0 || Searching()) return;
    if (services_.use) services_.use(found_);
    Close();
}

void FrmFindMTU::cmdCancel_Click() {
    Stop();
    Close();
}

void FrmFindMTU::InBackground(const std::shared_ptr<Run>& run, void (*work)(Run&),
                              void (FrmFindMTU::*done)(Run&)) {
    const auto started = services_.background.Run(
        [run, work] { work(*run); },
        [run, done] {
            if (run->form) (run->form->*done)(*run);
        });
    if (!started) Finish("The search could not start: " + started.Error().Text, 0);
}

void FrmFindMTU::Resolved(Run& run) {
    if (!run.address) {
        Finish(run.address.Error().Text, 0);
        return;
    }
    SendNext(run_);
}

void FrmFindMTU::SendNext(const std::shared_ptr<Run>& run) {
    run->payload = run->search.NextPayload();
    lblResult.SetCaption("Sending " + std::to_string(run->payload + mtusearch::HeaderBytes) +
                         "-byte packets to " + run->host + "...");
    InBackground(run, &Probe, &FrmFindMTU::Answered);
}

void FrmFindMTU::Answered(Run& run) {
    if (!run.outcome) {
        Finish(run.outcome.Error().Text, 0);
        return;
    }
    run.search.Record(run.outcome.Value());
    prgSearch.SetValue(run.search.EchoesSent());
    if (!run.search.Finished()) {
        SendNext(run_);
        return;
    }
    const bool found = run.search.Current() == MtuSearch::State::Found;
    Finish(MtuSearchText(run.search, run.host), found ? run.search.Mtu() : 0);
}

void FrmFindMTU::Finish(const std::string& text, int mtu) {
    Stop();
    found_ = mtu;
    prgSearch.SetValue(mtu ? prgSearch.Max() : 0);
    lblResult.SetCaption(text);
    cmdUse.SetEnabled(mtu != 0);
}

void FrmFindMTU::Stop() {
    if (run_) run_->form = nullptr;
    run_.reset();
    cmdStart.SetEnabled(true);
    txtHost.SetEnabled(true);
}

void FrmFindMTU::LookUp(Run& run) {
    run.address = MtuSearchAddress(run.sockets, run.host);
}

void FrmFindMTU::Probe(Run& run) {
    run.outcome = SendProbe(run.icmp, run.address.Value(), run.payload);
}

}  // namespace quintel
