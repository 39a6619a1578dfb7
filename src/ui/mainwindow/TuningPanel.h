// The manual tuning controls of the General and Advanced tabs: each edits
// its fields of the current record the moment it changes. The panel owns
// the controls, their places, their handlers and the checks Apply makes
// before it saves a manual record.
#pragma once

#include <memory>

#include "ui/dialogs/FrmFindMTU.h"
#include "ui/forms/ValueControls.h"
#include "ui/mainwindow/PanelLayout.h"

namespace quintel {

class FrmMain;
struct AppContext;
struct TuningSettings;

class TuningPanel {
public:
    TuningPanel(FrmMain& window, AppContext& app);
    TuningPanel(const TuningPanel&) = delete;
    TuningPanel& operator=(const TuningPanel&) = delete;

    // --- The General tab -------------------------------------------------
    forms::Label lblGeneral;
    forms::OptionGroup mtuGroup, rwinGroup, ttlGroup, skaGroup, ndiGroup;
    forms::Frame fraMTU;  // designer: Frame2
    forms::OptionButton optMTU1, optMTU2;
    forms::TextBox txtMTU;
    forms::CommandButton cmdFindMTU;  // opens the largest-MTU finder
    forms::Frame fraRWIN;  // designer: Frame3
    forms::OptionButton optRWIN1, optRWIN2;
    forms::ComboBox cmbRWIN;
    forms::Frame fraTTL;  // designer: Frame4
    forms::OptionButton optTTL1, optTTL2;
    forms::TextBox txtTTL;

    // --- The Advanced tab ------------------------------------------------
    forms::Label lblAdv;
    forms::Frame fraSKA;  // designer: Frame5
    forms::OptionButton optSKA1, optSKA2;
    forms::ComboBox cmbSKA;
    forms::Frame fraNDI;  // designer: Frame6
    forms::OptionButton optNDI1, optNDI2;
    forms::ComboBox cmbNDI;
    forms::Frame fraMaxSessions;  // designer: Frame7
    forms::Label lblHttp11;       // designer: Label4
    forms::ComboBox cmbMSCPS1;
    forms::Label lblHttp10;  // designer: Label3
    forms::ComboBox cmbMSCPS0;
    forms::CheckBox chkPMTU;
    forms::CheckBox chkBlackHole;

    // The controls on the General (0) and Advanced (1) pages of `tabs`.
    PlacedControls Place(forms::TabSet& tabs);
    // The RWIN, keep-alive, NDI cache and session lists.
    void FillLists();
    void ShowHelpTexts();

    void optMTU1_Click();
    void optMTU2_Click();
    void txtMTU_Change();
    void txtMTU_KeyPress(int& keyAscii);
    void cmdFindMTU_Click();
    // "Custom" and `mtu` in the MTU box, through their handlers, as if
    // the user had chosen and typed them.
    void UseFoundMtu(int mtu);
    void optTTL1_Click();
    void optTTL2_Click();
    void txtTTL_Change();
    void txtTTL_KeyPress(int& keyAscii);
    void optRWIN1_Click();
    void optRWIN2_Click();
    void cmbRWIN_Click();
    void optSKA1_Click();
    void optSKA2_Click();
    void cmbSKA_Click();
    void optNDI1_Click();
    void optNDI2_Click();
    void cmbNDI_Click();
    void cmbMSCPS0_Click();
    void cmbMSCPS1_Click();
    void chkPMTU_Click();
    void chkBlackHole_Click();

    void EnableManualControls(bool enabled);
    void ShowWindowsDefaults();
    void ShowSettingsInControls();
    // True when every check passed; otherwise the first failed check's
    // message has been shown.
    bool ValidateManualSettings();

private:
    void WireHandlers();
    void NumberBoxKeyFilter(int& keyAscii);
    TuningSettings& Settings();

    FrmMain& window_;  // for the connection type and mode the checks read
    AppContext& app_;
    std::unique_ptr<FrmFindMTU> findMtu_;
};

}  // namespace quintel
