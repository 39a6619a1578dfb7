#!/bin/sh
# Fails when a shipped program imports a DLL that is not part of Windows,
# or a function that Windows XP does not have (it would not even load
# there). Usage: check-imports.sh objdump program.exe...
# QUINTEL_MORE_DLLS names further system DLLs one of them may import
# (the MSI package's custom actions import msi.dll and shlwapi.dll).
set -eu
objdump=$1
shift
status=0
allowed="KERNEL32.DLL ADVAPI32.DLL USER32.DLL GDI32.DLL COMCTL32.DLL COMDLG32.DLL SHELL32.DLL
VERSION.DLL WINMM.DLL WSOCK32.DLL MSVCRT.DLL ${QUINTEL_MORE_DLLS:-}"
newer="GetTickCount64 InitializeSRWLock AcquireSRWLockExclusive InitOnceExecuteOnce
InitializeConditionVariable SleepConditionVariableCS GetSystemTimePreciseAsFileTime FlsAlloc
CreateEventExA CreateEventExW CompareStringEx LCMapStringEx GetLocaleInfoEx"
for exe in "$@"; do
    imports=$("$objdump" -p "$exe")
    for dll in $(printf '%s\n' "$imports" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr a-z A-Z); do
        case " $(echo $allowed) " in
            *" $dll "*) ;;
            *) echo "$exe imports $dll, which Windows does not ship"; status=1 ;;
        esac
    done
    for function in $newer; do
        if printf '%s\n' "$imports" | grep -qw "$function"; then
            echo "$exe imports $function, which Windows XP lacks"
            status=1
        fi
    done
done
[ $status -eq 0 ] && echo "imports: only Windows' own DLLs and functions XP has"
exit $status
