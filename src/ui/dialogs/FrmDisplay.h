// The dialog that explains the optimization mode just chosen.
#pragma once

#include <string>

#include "ui/forms/Form.h"
#include "ui/forms/ValueControls.h"

namespace quintel {

class FrmDisplay : public forms::Form {
public:
    // `connectionText` and `modeText` are the texts the two lists show when
    // the dialog opens; `optiMode` picks the explanation.
    FrmDisplay(forms::FormHost& host, const std::string& appTitle, std::string connectionText,
               int optiMode, std::string modeText);

    forms::Picture picDisplay;
    forms::Label lblHeading;      // designer: Label1
    forms::Label lblExplanation;  // designer: Label2
    forms::CommandButton cmdOK;

    void cmdOK_Click();

protected:
    void Form_Load() override;

private:
    std::string appTitle_;
    std::string connectionText_;
    int optiMode_;
    std::string modeText_;
};

// The texts, so they can be checked without a dialog.
std::string DisplayHeading(int optiMode, const std::string& modeText);
std::string DisplayBody(int optiMode, const std::string& appTitle);

}  // namespace quintel
