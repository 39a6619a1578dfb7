; The uninstaller: stops the keep-alive companion, puts the Windows default
; TCP/IP settings back unless told not to, and removes what the setup put
; on the machine.
;
; Quintel writes VarOderudi.cfg beside itself before it writes a TCP/IP
; setting (Apply and Restore alike). Without that file Quintel never
; changed the registry here, and the values in it are the machine's own:
; "the defaults" would be wrong for many of them (an MTU of 1492 on a PPPoE
; adapter would become 1500). Then nothing is put back and nothing asked.
;
; The settings files (VarOderudi.cfg, Ping.cfg, and the undo record
; Undo.reg with VarOderudi.cfg.undo) go when the defaults were
; put back or there was nothing to put back. When the user keeps the tuned
; values, or the restore fails, the registry still holds what
; VarOderudi.cfg describes: the files stay, and so does the folder, so the
; user's choice is not lost and a later install finds it again.
;
; Exit codes of a silent uninstall: 0 done, 2 the defaults could not be put
; back, 3 (when not 2) some of the program's files were in use and stayed.
; Either way everything else is removed.

Var KeepSettings
Var RemoveSettings

Function un.onInit
    StrCpy $KeepSettings 0
    ${un.GetParameters} $0
    ClearErrors
    ${un.GetOptions} $0 "/KEEPSETTINGS" $1
    ${IfNot} ${Errors}
        StrCpy $KeepSettings 1
    ${EndIf}
FunctionEnd

; Runs Quintel.exe /restore when Quintel applied settings here and they are
; not to be kept; sets $RemoveSettings to 1 when the settings files may go:
; the restore succeeded, or there was nothing to restore.
Function un.RestoreDefaults
    StrCpy $RemoveSettings 0
    ; A folder of that name is no settings file.
    ${IfNot} ${FileExists} "$INSTDIR\VarOderudi.cfg"
    ${OrIf} ${FileExists} "$INSTDIR\VarOderudi.cfg\*.*"
        DetailPrint "Quintel changed no TCP/IP setting here: leaving them as they are"
        ${If} $KeepSettings == 0
            StrCpy $RemoveSettings 1
        ${EndIf}
        Return
    ${EndIf}

    ${If} $KeepSettings == 0
        ; A silent uninstall restores: the defaults are the safe state to
        ; leave a machine in once the program that tuned it is gone.
        MessageBox MB_YESNO|MB_ICONQUESTION "Put the Windows default TCP/IP settings back?$\r$\n$\r$\nChoose No to keep the settings Quintel wrote; its settings file then stays in$\r$\n$INSTDIR." /SD IDYES IDYES +2
        StrCpy $KeepSettings 1
    ${EndIf}
    ${If} $KeepSettings == 1
        DetailPrint "Keeping the TCP/IP settings and Quintel's settings files"
        Return
    ${EndIf}

    DetailPrint "Putting the Windows default TCP/IP settings back"
    ; The error flag says Quintel.exe could not be started at all.
    StrCpy $0 "not started"
    ClearErrors
    ${If} ${FileExists} "$INSTDIR\Quintel.exe"
        ExecWait '"$INSTDIR\Quintel.exe" /restore' $0
    ${Else}
        SetErrors
    ${EndIf}
    ${If} ${Errors}
    ${OrIf} $0 != 0
        DetailPrint "Quintel.exe /restore failed (exit code $0)"
        MessageBox MB_OK|MB_ICONEXCLAMATION "The Windows default TCP/IP settings could not be put back (Quintel.exe /restore: $0).$\r$\n$\r$\nQuintel will still be removed; its settings files stay in$\r$\n$INSTDIR.$\r$\nTo try again, install Quintel and choose Restore Windows Original Settings." /SD IDOK
        SetErrorLevel 2
        Return
    ${EndIf}
    StrCpy $RemoveSettings 1
FunctionEnd

Section "Uninstall"
    SetShellVarContext all

    ; The companion holds Korvet.exe open; /stop waits until it has ended.
    ${If} ${FileExists} "$INSTDIR\Korvet.exe"
        DetailPrint "Stopping the keep-alive companion"
        ExecWait '"$INSTDIR\Korvet.exe" /stop'
    ${EndIf}

    Call un.RestoreDefaults

    ClearErrors
    Delete "$INSTDIR\Quintel.exe"
    Delete "$INSTDIR\Korvet.exe"
    Delete "$INSTDIR\TIPs.TXT"
    Delete "$INSTDIR\Ping.wav"
    Delete "$INSTDIR\Help\Help.chm"
    RMDir "$INSTDIR\Help"
    ${If} ${Errors}
        MessageBox MB_OK|MB_ICONEXCLAMATION "Some of Quintel's files are in use and stay in$\r$\n$INSTDIR.$\r$\nClose Quintel and delete them by hand." /SD IDOK
        ; A failed restore (2) matters more: it leaves tuned settings behind.
        GetErrorLevel $1
        ${If} $1 <= 0
            SetErrorLevel 3
        ${EndIf}
    ${EndIf}

    ; Left from a save that was cut short: never the user's choice.
    Delete "$INSTDIR\VarOderudi.cfg.tmp"
    Delete "$INSTDIR\Ping.cfg.tmp"
    Delete "$INSTDIR\Undo.reg.tmp"
    Delete "$INSTDIR\VarOderudi.cfg.undo.tmp"
    ${If} $RemoveSettings == 1
        Delete "$INSTDIR\VarOderudi.cfg"
        Delete "$INSTDIR\Ping.cfg"
        ; The record of the last change, which the restore has superseded.
        ; When the tuned values stay, it stays too: it is the way back.
        Delete "$INSTDIR\Undo.reg"
        Delete "$INSTDIR\VarOderudi.cfg.undo"
        ; The tip-of-the-day choice of the user who uninstalls.
        DeleteRegKey HKCU "Software\Quintel"
    ${EndIf}

    Delete "$SMPROGRAMS\Quintel\Quintel.lnk"
    Delete "$SMPROGRAMS\Quintel\Quintel User's Guide.lnk"
    Delete "$SMPROGRAMS\Quintel\Uninstall Quintel.lnk"
    RMDir "$SMPROGRAMS\Quintel"
    Delete "${STARTUP_LINK}"

    DeleteRegKey HKLM "${UNINSTALL_KEY}"
    Delete "$INSTDIR\${UNINSTALLER}"
    ; Never /r: whatever the user keeps there stays, and so does the folder.
    RMDir "$INSTDIR"
    ${If} ${FileExists} "$INSTDIR\*.*"
        DetailPrint "Kept $INSTDIR: it still holds files"
    ${EndIf}
SectionEnd
