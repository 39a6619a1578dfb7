#!/bin/sh
# Fails when a shipped program imports at its start a DLL beyond kernel32,
# advapi32 and CRTDLL, the C runtime every Windows 95 and NT has (the
# others are delay-loaded at their first use, so the switches never load
# them), or a function that Windows XP does not have (it would not even
# load there). Usage: check-imports.sh objdump
# program.exe...
# QUINTEL_MORE_DLLS names further system DLLs one of them may import
# (the MSI package's custom actions import msi.dll and shlwapi.dll).
set -eu
objdump=$1
shift
status=0
allowed="KERNEL32.DLL ADVAPI32.DLL CRTDLL.DLL ${QUINTEL_MORE_DLLS:-}"
newer="GetTickCount64 InitializeSRWLock AcquireSRWLockExclusive InitOnceExecuteOnce
InitializeConditionVariable SleepConditionVariableCS GetSystemTimePreciseAsFileTime FlsAlloc
CreateEventExA CreateEventExW CompareStringEx LCMapStringEx GetLocaleInfoEx"
for exe in "$@"; do
    imports=$("$objdump" -p "$exe")
    for dll in $(printf '%s\n' "$imports" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr a-z A-Z); do
        case " $(echo $allowed) " in
            *" $dll "*) ;;
            *) echo "$exe imports $dll at its start: only kernel32, advapi32 and CRTDLL may be"; status=1 ;;
        esac
    done
    for function in $newer; do
        if printf '%s\n' "$imports" | grep -qw "$function"; then
            echo "$exe imports $function, which Windows XP lacks"
            status=1
        fi
    done
done
[ $status -eq 0 ] && echo "imports: kernel32, advapi32 and CRTDLL only, and functions XP has"
exit $status
