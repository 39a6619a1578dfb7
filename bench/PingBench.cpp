// The program's "Ping Now" path to 127.0.0.1 (the portable Pinger over
// the Win32 sockets and ICMP implementations, as Quintel.exe links them)
// against a bare IcmpSendEcho loop on one handle opened once.
#include <windows.h>
#include <iphlpapi.h>
#include <icmpapi.h>

#include <vector>

#include "BenchKit.h"
#include "core/ping/Pinger.h"
#include "win32/Win32Network.h"

using namespace bench;

namespace {

constexpr DWORD Timeout = 1000;  // as Ping Now waits
constexpr int PingsPerRun = 100;

// Ping Now shows a box when the sockets layer fails; here that ends the
// bench instead of waiting for a click.
class FailingBoxes : public quintel::MessageBoxes {
public:
    int Show(const std::string& text, const std::string&, unsigned) override {
        Fail("the ping would show a message box: " + text);
    }
};

}  // namespace

int main(int argc, char** argv) {
    const int runs = Runs(argc, argv, 11);
    quintel::win32::Win32Sockets sockets;
    quintel::win32::Win32Icmp icmp;
    FailingBoxes boxes;

    HANDLE bare = IcmpCreateFile();
    if (bare == INVALID_HANDLE_VALUE) Fail("IcmpCreateFile failed: error " + std::to_string(GetLastError()));
    const IPAddr loopback = 0x0100007F;  // 127.0.0.1 in network order
    char request[] = "Echo This";
    std::vector<unsigned char> reply(quintel::win32::EchoReplySize);

    const auto programPings = [&] {
        const double start = Now();
        for (int i = 0; i < PingsPerRun; ++i) {
            quintel::Pinger ping(sockets, icmp, boxes, "Quintel");
            if (!ping.Ping("127.0.0.1", Timeout)) Fail("Ping Now's path got no reply from 127.0.0.1");
        }
        return (Now() - start) / PingsPerRun;
    };
    const auto barePings = [&] {
        const double start = Now();
        for (int i = 0; i < PingsPerRun; ++i) {
            const DWORD replies = IcmpSendEcho(bare, loopback, request, sizeof request - 1, nullptr,
                                               reply.data(), static_cast<DWORD>(reply.size()), Timeout);
            if (replies == 0 || reinterpret_cast<ICMP_ECHO_REPLY*>(reply.data())->Status != IP_SUCCESS) {
                Fail("IcmpSendEcho got no reply from 127.0.0.1: error " + std::to_string(GetLastError()) +
                     " (Wine needs raw-socket rights for ICMP: run as root)");
            }
        }
        return (Now() - start) / PingsPerRun;
    };

    // One round of each first: loading the libraries is not the figure.
    programPings();
    barePings();
    std::vector<double> program, baseline;
    for (int run = 0; run < runs; ++run) {
        if (run % 2) {
            program.push_back(programPings());
            baseline.push_back(barePings());
        } else {
            baseline.push_back(barePings());
            program.push_back(programPings());
        }
    }
    IcmpCloseHandle(bare);
    const double p = Median(program), b = Median(baseline);
    PrintRow("Ping Now to 127.0.0.1, per ping, vs bare IcmpSendEcho loop", Fixed(p * 1e6, 1) + " us",
             Fixed(b * 1e6, 1) + " us", Ratio(p, b));
    return 0;
}
