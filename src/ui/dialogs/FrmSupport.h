// The about-and-support window: title, version, the warning about
// registry changes, the web site and support address, and the System
// Information tool.
#pragma once

#include <string>

#include "ui/forms/Form.h"
#include "ui/forms/ValueControls.h"
#include "platform/Instance.h"
#include "platform/Shell.h"
#include "core/system/SysInfo.h"

namespace quintel {

struct SupportServices {
    Registry& registry;
    FileSystem& files;
    ProcessLauncher& launcher;
    MessageBoxes& boxes;
    Shell& shell;
    VersionInfo version;
};

class FrmSupport : public forms::Form {
public:
    FrmSupport(forms::FormHost& host, SupportServices services);

    forms::Picture picIcon;
    forms::Label lblTitle;
    forms::Label lblVersion;
    // The etched lines under the version and above the buttons.
    forms::Line linTitleEtchDark, linTitleEtchLight;  // designer: Line1, Line2
    forms::Label lblDisclaimer;
    forms::Label lblWeb;
    forms::Label lblHome;
    forms::Label lblEmail;
    forms::Label lblSupport;
    forms::Line linLinksEtchDark, linLinksEtchLight;  // designer: Line3, Line4
    forms::CommandButton cmdSysInfo;
    forms::CommandButton cmdOK;

    void cmdOK_Click();
    void cmdSysInfo_Click();
    void lblHome_Click();
    void lblSupport_Click();

protected:
    void Form_Load() override;

private:
    const std::string& Title() const { return services_.version.ProductName; }

    SupportServices services_;
};

// "Version 5.0.0": major, minor and revision of the version resource.
std::string VersionText(const VersionInfo& version);

}  // namespace quintel
