#include "ui/dialogs/FrmSupport.h"

#include "core/system/mdlAddons.h"

namespace quintel {

namespace {

constexpr forms::Color LinkBlue{0, 0, 255};

constexpr const char* Disclaimer =
    "Warning: this program changes TCP/IP settings in the Windows registry. You make these "
    "changes at your own risk; back up the registry before you apply new settings. The "
    "program is provided \"as is\", without warranty of any kind, express or implied.";

}  // namespace

std::string VersionText(const VersionInfo& version) {
    return "Version " + std::to_string(version.Major) + "." + std::to_string(version.Minor) + "." +
           std::to_string(version.Revision);
}

FrmSupport::FrmSupport(forms::FormHost& host, SupportServices services)
    : Form(host, "frmSupport", "", 5730, 3960),
      picIcon("picIcon", forms::Rect{240, 240, 480, 480}, "logo"),
      lblTitle("lblTitle", forms::Rect{1050, 240, 4440, 480}),
      lblVersion("lblVersion", forms::Rect{1050, 780, 4440, 225}),
      linTitleEtchDark("linTitleEtchDark", forms::Rect{240, 1140, 5250, 15}, forms::Line::SystemColor::WindowFrame),
      linTitleEtchLight("linTitleEtchLight", forms::Rect{240, 1155, 5250, 15}, forms::Line::SystemColor::WindowBackground),
      lblDisclaimer("lblDisclaimer", forms::Rect{240, 1320, 5250, 1155}, Disclaimer),
      lblWeb("lblWeb", forms::Rect{240, 2595, 615, 255}, "Web:"),
      lblHome("lblHome", forms::Rect{900, 2595, 4590, 255}),
      lblEmail("lblEmail", forms::Rect{240, 2910, 615, 255}, "Email:"),
      lblSupport("lblSupport", forms::Rect{900, 2910, 4590, 255}),
      linLinksEtchDark("linLinksEtchDark", forms::Rect{240, 3285, 5250, 15}, forms::Line::SystemColor::WindowFrame),
      linLinksEtchLight("linLinksEtchLight", forms::Rect{240, 3300, 5250, 15}, forms::Line::SystemColor::WindowBackground),
      cmdSysInfo("cmdSysInfo", forms::Rect{2880, 3435, 1245, 375}, "&System Info..."),
      cmdOK("cmdOK", forms::Rect{4245, 3435, 1245, 375}, "OK"),
      services_(std::move(services)) {
    Icon = "app";
    MinButton = false;
    cmdOK.Default = true;
    lblHome.ForeColor = LinkBlue;
    lblSupport.ForeColor = LinkBlue;
    Add(cmdOK);
    Add(cmdSysInfo);
    Add(picIcon);
    Add(lblTitle);
    Add(lblVersion);
    Add(linTitleEtchDark);
    Add(linTitleEtchLight);
    Add(lblDisclaimer);
    Add(lblWeb);
    Add(lblHome);
    Add(lblEmail);
    Add(lblSupport);
    Add(linLinksEtchDark);
    Add(linLinksEtchLight);
    cmdOK.Click = [this] { cmdOK_Click(); };
    cmdSysInfo.Click = [this] { cmdSysInfo_Click(); };
    lblHome.Click = [this] { lblHome_Click(); };
    lblSupport.Click = [this] { lblSupport_Click(); };
}

void FrmSupport::Form_Load() {
    SetCaption("About " + Title());
    lblVersion.SetCaption(VersionText(services_.version));
    lblTitle.SetCaption(Title());
    lblSupport.SetCaption(SupportEMail);
    lblHome.SetCaption(ProductWebSite);
}

void FrmSupport::cmdOK_Click() {
    Close();
}

void FrmSupport::cmdSysInfo_Click() {
    StartSysInfo(SysInfoServices{services_.registry, services_.files, services_.launcher,
                                 services_.boxes, Title()});
}

void FrmSupport::lblHome_Click() {
    OpenProductWebSite(services_.shell);
}

void FrmSupport::lblSupport_Click() {
    StartSupportEMail(services_.shell);
}

}  // namespace quintel
