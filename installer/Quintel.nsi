; Quintel's setup and uninstaller. Built by the Windows build (installer/
; CMakeLists.txt) with makensis, which passes:
;   VERSION       the version shown to the user, "5.0.0"
;   VERSION_FULL  the four-part file version, "5.0.0.0"
;   BIN_DIR       the folder holding the built Quintel.exe and what ships with it
;   ICON          Quintel.ico, drawn by the build
;   OUT_FILE      the setup program to write
;
; Silent use, for deployment to many machines:
;   Quintel-5.0.0-setup.exe /S [/NOSTARTUP] [/SETTINGS=path] [/D=C:\Path\To\Quintel]
;   Uninstall.exe /S [/KEEPSETTINGS]
; /NOSTARTUP leaves out the logon keep-alive; /SETTINGS= installs that
; VarOderudi.cfg beside the program and applies it with Quintel.exe /apply
; (quotes around a path with blanks; a file that is missing or does not
; apply is reported and the setup exits with 2); /KEEPSETTINGS keeps the
; TCP/IP settings Quintel wrote and its settings files. /D= must come last
; and takes the path without quotes, even with blanks in it.

!ifndef VERSION | VERSION_FULL | BIN_DIR | ICON | OUT_FILE
    !error "makensis needs -DVERSION, -DVERSION_FULL, -DBIN_DIR, -DICON and -DOUT_FILE"
!endif

; The programs run on Windows 95 to XP and later: an ANSI setup runs on all
; of them, a Unicode one would not start on Windows 9x.
Unicode false
SetCompressor /SOLID lzma

!define PRODUCT "Quintel"
!define PUBLISHER "Quintel"
; The Add or Remove Programs entry. A setup is a 32-bit program, and so is
; Quintel: on 64-bit Windows the entry lives in the 32-bit view of the
; registry (WOW6432Node), where Windows lists 32-bit programs. No
; SetRegView here or in the uninstaller, so both use that view.
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Quintel"
!define UNINSTALLER "Uninstall.exe"
!define STARTUP_LINK "$SMSTARTUP\Quintel Keep-Alive.lnk"

; The settings file of /SETTINGS=, as a full path; empty without it.
Var Settings

Name "${PRODUCT}"
OutFile "${OUT_FILE}"
InstallDir "$PROGRAMFILES\${PRODUCT}"
; A new version goes where the last one went, unless /D= says otherwise.
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
RequestExecutionLevel admin
ShowInstDetails show
BrandingText "Quintel ${VERSION}"
ShowUninstDetails show

VIProductVersion "${VERSION_FULL}"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey "FileVersion" "${VERSION_FULL}"
VIAddVersionKey "ProductVersion" "${VERSION_FULL}"
VIAddVersionKey "LegalCopyright" "Copyright (C) 2026 Quintel"

!include "MUI2.nsh"
!include "FileFunc.nsh"
!include "LogicLib.nsh"
!include "Sections.nsh"

!define MUI_ABORTWARNING
!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_COMPONENTSPAGE_SMALLDESC

!insertmacro MUI_PAGE_WELCOME
; Not a license: a notice the user agrees to.
!define MUI_PAGE_HEADER_TEXT "Registry Changes"
!define MUI_PAGE_HEADER_SUBTEXT "Please read this notice before you install Quintel."
!define MUI_LICENSEPAGE_TEXT_TOP "Changing TCP/IP settings is at your own risk."
!define MUI_LICENSEPAGE_TEXT_BOTTOM "If you accept that risk, click I Agree to continue."
!insertmacro MUI_PAGE_LICENSE "Notice.txt"
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\Quintel.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Run Quintel"
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"

!include "Uninstall.nsh"

Section "Quintel" SecProgram
    SectionIn RO
    SetShellVarContext all
    SetOutPath "$INSTDIR"
    ; An older copy's companion would keep Korvet.exe in use.
    ${If} ${FileExists} "$INSTDIR\Korvet.exe"
        ExecWait '"$INSTDIR\Korvet.exe" /stop'
    ${EndIf}
    ; Quintel.exe and Korvet.exe read the other files from their own folder.
    File "${BIN_DIR}\Quintel.exe"
    File "${BIN_DIR}\Korvet.exe"
    File "${BIN_DIR}\TIPs.TXT"
    File "${BIN_DIR}\Ping.wav"
    SetOutPath "$INSTDIR\Help"
    File "${BIN_DIR}\Help\Help.chm"
    SetOutPath "$INSTDIR"
    WriteUninstaller "$INSTDIR\${UNINSTALLER}"

    CreateDirectory "$SMPROGRAMS\${PRODUCT}"
    CreateShortCut "$SMPROGRAMS\${PRODUCT}\Quintel.lnk" "$INSTDIR\Quintel.exe"
    CreateShortCut "$SMPROGRAMS\${PRODUCT}\Quintel User's Guide.lnk" "$INSTDIR\Help\Help.chm"
    CreateShortCut "$SMPROGRAMS\${PRODUCT}\Uninstall Quintel.lnk" "$INSTDIR\${UNINSTALLER}"

    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Quintel.exe,0"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    IntFmt $0 "0x%08X" $0
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; The companion pings the chosen host so the connection is not dropped for
; being idle. The shortcut starts Korvet.exe itself: it needs no
; administrator, and Windows Vista and later start no program at logon
; that asks for one (Quintel.exe does). Korvet.exe runs once per session,
; so a second start from the main window changes nothing.
Section "Keep my connection alive at logon" SecStartup
    SetShellVarContext all
    CreateShortCut "${STARTUP_LINK}" "$INSTDIR\Korvet.exe"
SectionEnd

;  The settings file of /SETTINGS=, once everything else is in place. The
; file goes in under a name of its own and replaces VarOderudi.cfg only by
; renames, the earlier one set aside, so a file that does not apply leaves
; the folder as it was; Quintel.exe /apply writes nothing from a file it
; cannot use. nsExec hands its words to the log and the message.
Section "-Apply the settings file" SecSettings
    ${If} $Settings == ""
        Return
    ${EndIf}
    DetailPrint "Applying the settings of $Settings"
    Delete "$INSTDIR\VarOderudi.cfg.setup"
    Delete "$INSTDIR\VarOderudi.cfg.previous"
    System::Call 'kernel32::CopyFileA(t "$Settings", t "$INSTDIR\VarOderudi.cfg.setup", i 1) i .r0'
    ${If} $0 == 0
        StrCpy $1 "it could not be copied to $INSTDIR"
        Goto failed
    ${EndIf}
    ClearErrors
    ${If} ${FileExists} "$INSTDIR\VarOderudi.cfg"
        Rename "$INSTDIR\VarOderudi.cfg" "$INSTDIR\VarOderudi.cfg.previous"
    ${EndIf}
    ${IfNot} ${Errors}
        Rename "$INSTDIR\VarOderudi.cfg.setup" "$INSTDIR\VarOderudi.cfg"
    ${EndIf}
    ${If} ${Errors}
        StrCpy $1 "VarOderudi.cfg in $INSTDIR could not be replaced"
        Goto putBack
    ${EndIf}

    nsExec::ExecToStack '"$INSTDIR\Quintel.exe" /apply'
    Pop $0
    Pop $1
    DetailPrint "Quintel.exe /apply: $1"
    ${If} $0 == 0
        Delete "$INSTDIR\VarOderudi.cfg.previous"
        Return
    ${EndIf}
    StrCpy $1 "Quintel.exe /apply: $0$\r$\n$1"

putBack:
    Delete "$INSTDIR\VarOderudi.cfg"
    ${If} ${FileExists} "$INSTDIR\VarOderudi.cfg.previous"
        Rename "$INSTDIR\VarOderudi.cfg.previous" "$INSTDIR\VarOderudi.cfg"
    ${EndIf}
failed:
    Delete "$INSTDIR\VarOderudi.cfg.setup"
    DetailPrint "The settings of $Settings were not applied: $1"
    MessageBox MB_ICONSTOP|MB_OK "The settings of$\r$\n$Settings$\r$\nwere not applied: $1$\r$\n$\r$\nQuintel is installed; no TCP/IP setting was changed." /SD IDOK
    SetErrorLevel 2
    Abort
SectionEnd

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
    !insertmacro MUI_DESCRIPTION_TEXT ${SecProgram} "Quintel, its keep-alive companion, the tips and the user's guide, with Start menu shortcuts."
    !insertmacro MUI_DESCRIPTION_TEXT ${SecStartup} "Starts the keep-alive companion when anyone logs on, so an idle connection is not dropped."
!insertmacro MUI_FUNCTION_DESCRIPTION_END

Function .onInit
    ; Writing to Program Files and to HKLM needs an administrator; on
    ; Windows 9x every user is one.
    UserInfo::GetAccountType
    Pop $0
    ${If} $0 != "Admin"
    ${AndIf} $0 != ""
        MessageBox MB_ICONSTOP|MB_OK "Quintel's setup must be run by an administrator." /SD IDOK
        SetErrorLevel 740
        Quit
    ${EndIf}
    ${GetParameters} $0
    ClearErrors
    ${GetOptions} $0 "/NOSTARTUP" $1
    ${IfNot} ${Errors}
        !insertmacro UnselectSection ${SecStartup}
    ${EndIf}
    ; Checked before anything is installed: a file that is not there would
    ; leave a machine without the settings it was meant to get.
    StrCpy $Settings ""
    ClearErrors
    ${GetOptions} $0 "/SETTINGS=" $1
    ${IfNot} ${Errors}
        GetFullPathName $Settings $1
        ${If} $1 == ""
        ${OrIf} $Settings == ""
        ${OrIfNot} ${FileExists} $Settings
        ${OrIf} ${FileExists} "$Settings\*.*"
            MessageBox MB_ICONSTOP|MB_OK "The settings file given with /SETTINGS= was not found:$\r$\n$1$\r$\n$\r$\nNothing was installed." /SD IDOK
            SetErrorLevel 2
            Quit
        ${EndIf}
    ${EndIf}
FunctionEnd
