#!/bin/sh
# Fails when a shipped file needs a Windows function that a Windows it is
# for (95, 98, ME, NT 4.0, 2000, XP) does not have, as
# tools/windows-functions.txt records them from Microsoft's documentation:
#
# - at its start it may import only kernel32, advapi32 and CRTDLL, the C
#   runtime every Windows 95 and NT has (the window DLLs are loaded at
#   their first use, so the switches never load them);
# - every function it imports, at its start or through the delay-load
#   stubs, must be exported by all six ("yes", or "stub" where the program
#   copes with the failure a stub returns);
# - every other function it names, which it can only look up at run time,
#   must be in the list, so that somebody has looked at where it is
#   missing (the program then does without it).
#
#     check-imports.sh OBJDUMP LIST SHIPPED=UNSTRIPPED...
#
# The delay-load imports are read from the unstripped copy: they are the
# import slots (__imp_ symbols in .idata) that the import table does not
# have. QUINTEL_START_DLLS names the DLLs a file may import at its start
# instead (the setup program: the DLLs Windows 95 has), QUINTEL_MORE_DLLS
# those of the program a file runs in, whose functions are its business
# (the MSI package's custom actions import msi.dll). QUINTEL_SHOW_IMPORTS
# lists the delay-loaded functions found.
set -eu
objdump=$1
list=$2
shift 2
nm=${objdump%objdump}nm
libdir=$(dirname "$(${objdump%objdump}gcc-win32 -print-file-name=libkernel32.a 2>/dev/null || echo /usr/i686-w64-mingw32/lib/libkernel32.a)")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
allowed="${QUINTEL_START_DLLS:-KERNEL32.DLL ADVAPI32.DLL CRTDLL.DLL} ${QUINTEL_MORE_DLLS:-}"

# Every name the system's DLLs export, from MinGW's import libraries, for
# telling the names a file spells from its other texts. Names without a
# capital are left out, and those shorter than six letters: as words
# ("open", "Alloc", "Free") they are in every text, and no function of the
# programs that short is looked up.
for dll in $(awk '!/^#/ && NF {print $1}' "$list" | sort -u) ole32 oleaut32 psapi dbghelp \
           setupapi crypt32 dwmapi ws2_32 mpr netapi32 userenv wininet urlmon; do
    [ -f "$libdir/lib$dll.a" ] || continue
    "$nm" "$libdir/lib$dll.a" 2>/dev/null | sed -n 's/^[0-9a-f]* I __imp__\([A-Za-z_][A-Za-z0-9_]*\).*/\1/p'
done | grep '[A-Z]' | grep '......' | sort -u >"$work/catalog"

status=0
for pair in "$@"; do
    shipped=${pair%%=*}
    copy=${pair#*=}
    table=$("$objdump" -p "$shipped")
    for dll in $(printf '%s\n' "$table" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr a-z A-Z); do
        case " $(echo $allowed) " in
            *" $dll "*) ;;
            *) echo "$shipped imports $dll at its start: only $(echo $allowed | tr A-Z a-z) may be"; status=1 ;;
        esac
    done
    # Functions named in the import table, per DLL, leaving out CRTDLL's
    # and those of the DLLs the file's host program brings.
    printf '%s\n' "$table" | awk -v more="$(echo ${QUINTEL_MORE_DLLS:-} | tr A-Z a-z)" '
        /^[[:space:]]*DLL Name: / { dll = tolower($3); sub(/\.dll$/, "", dll); next }
        /^[[:space:]]*[0-9a-f]+[[:space:]]+[0-9]+[[:space:]]+[A-Za-z_]/ && dll != "" {
            skip = (dll == "crtdll")
            n = split(more, m, " ")
            for (i = 1; i <= n; i++) if (dll ".dll" == m[i]) skip = 1
            if (!skip) print $3
        }
        /^$/ { if (dll != "") dll = "" }' | sort -u >"$work/static"
    # A slot of the import table may have another name in the program
    # (the runtime's _acmdln is CRTDLL's _acmdln_dll), so slots count, not
    # names: those of the import table are its DLLs' first thunks on.
    base=$(printf '%s\n' "$table" | awk '$1 == "ImageBase" {print $2}')
    idata=$("$objdump" -h "$copy" | awk '$2 == ".idata" {print $1 + 1, $4}')
    { printf '%s\n' "$table"; echo "@symbols"; "$objdump" -t "$copy"; } | awk \
        -v base="$base" -v sec="${idata% *}" -v vma="${idata#* }" '
        function hex(h,   i, v) {
            v = 0; h = tolower(h); sub(/^0x/, "", h)
            for (i = 1; i <= length(h); i++) v = v * 16 + index("0123456789abcdef", substr(h, i, 1)) - 1
            return v
        }
        $0 == "@symbols" { symbols = 1; next }
        !symbols && /^ [0-9a-f]+\t[0-9a-f]+ [0-9a-f]+ [0-9a-f]+ [0-9a-f]+ [0-9a-f]+$/ { thunks[++d] = hex($6); next }
        !symbols && /DLL Name: / { slot = hex(base) + thunks[++n] - hex(vma); next }
        !symbols && n && /^\t[0-9a-f]+\t/ { taken[slot] = 1; slot += 4; next }
        symbols && $0 ~ ("\\(sec +" sec "\\)") && $NF ~ /^__imp__/ {
            name = $NF; sub(/^__imp__/, "", name); sub(/@[0-9]+$/, "", name)
            if (!(hex($(NF - 1)) in taken)) print name
        }' | sort -u >"$work/delayed"
    [ -z "${QUINTEL_SHOW_IMPORTS:-}" ] || { echo "$shipped delay-loads:"; cat "$work/delayed"; }
    strings -a "$shipped" | sort -u | comm -12 - "$work/catalog" |
        comm -23 - "$work/static" | comm -23 - "$work/delayed" >"$work/named"
    cat "$work/static" "$work/delayed" | sort -u | awk -v file="$shipped" -v list="$list" '
        BEGIN {
            while ((getline line < list) > 0) {
                if (line ~ /^#/ || line !~ /[^ \t]/) continue
                split(line, f, /[ \t]+/)
                have[f[2]] = f[3] " " f[4] " " f[5] " " f[6] " " f[7] " " f[8]
            }
            split("95 98 ME NT4 2000 XP", windows, " ")
        }
        {
            if (!($1 in have)) { printf "%s imports %s, which %s does not list\n", file, $1, list; bad = 1; next }
            split(have[$1], v, " ")
            for (i = 1; i <= 6; i++) if (v[i] != "yes" && v[i] != "stub") {
                printf "%s imports %s, which Windows %s %s\n", file, $1, windows[i],
                       v[i] == "no" ? "does not have" : "may not have"
                bad = 1
            }
        }
        END { exit bad }' || status=1
    awk -v file="$shipped" -v list="$list" '
        BEGIN { while ((getline line < list) > 0) { split(line, f, /[ \t]+/); have[f[2]] = 1 } }
        !($1 in have) { printf "%s names %s, which %s does not list\n", file, $1, list; bad = 1 }
        END { exit bad }' "$work/named" || status=1
done
[ $status -eq 0 ] && echo "imports: only $(echo $allowed | tr A-Z a-z) at the start, and functions every Windows from 95 on has"
exit $status
