// A form with every kind of control the view knows, laid out like the
// program's main window, and the small dialog its Help menu opens: a way
// to look at the view without the rest of the program.
#pragma once

#include <memory>

#include "ui/forms/Form.h"
#include "ui/forms/ValueControls.h"

namespace quintel::win32::demo {

class DemoDialog : public forms::Form {
public:
    explicit DemoDialog(forms::FormHost& host);
    forms::Picture picture;
    forms::Label heading;
    forms::Label body;
    forms::CommandButton ok;
};

class DemoForm : public forms::Form {
public:
    explicit DemoForm(forms::FormHost& host);

    forms::Toolbar toolbar;
    forms::Frame top;
    forms::Label connectionLabel;
    forms::ComboBox connection;
    forms::Label modeLabel;
    forms::ComboBox mode;
    forms::Line dark;
    forms::Line light;
    forms::TabSet tabs;

    forms::Label generalHelp;
    forms::OptionGroup mtuGroup;
    forms::Frame mtuFrame;
    forms::OptionButton mtuDefault, mtuCustom;
    forms::TextBox mtu;
    forms::Frame ttlFrame;
    forms::CheckBox discover, blackHole;

    forms::Label advancedHelp;
    forms::Picture logo;
    forms::Label pingHelp;
    forms::TextBox pingHost;
    forms::CommandButton pingNow;

    forms::StatusBar status;

    forms::MenuItem file, apply, fileSep, exit;
    forms::MenuItem view, showToolbar, showStatus;
    forms::MenuItem help, about;

protected:
    void Form_Load() override;

private:
    void ShowAbout();
    std::unique_ptr<DemoDialog> dialog_;
};

}  // namespace quintel::win32::demo
