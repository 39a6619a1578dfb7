#!/bin/sh
# Fails when what ships holds an instruction an i486 does not have: the
# Pentium Pro's CMOV, FCMOV and FCOMI, its multi-byte NOP (0F 1F, which
# the assembler pads with for the Pentium Pro), CMPXCHG8B, CPUID and RDTSC
# of the Pentium, MMX, SSE and anything newer. The first such instruction
# a Pentium, a K6 or a 486 meets ends the program.
#
#     check-i486.sh OBJDUMP SHIPPED=UNSTRIPPED...
#
# Each pair is a shipped file and a copy of it with its symbols. The code
# is read from the copy, whose symbols let the disassembler start afresh
# at every function and tell the code of .text from what the linker puts
# in it besides (the constructor lists and the exception tables, after
# ___CTOR_LIST__): reading the data as code would both invent and hide
# instructions. The shipped file's .text must be byte for byte the copy's.
set -eu
objdump=$1
shift
objcopy=${objdump%objdump}objcopy
nm=${objdump%objdump}nm
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0

for pair in "$@"; do
    shipped=${pair%%=*}
    copy=${pair#*=}
    "$objcopy" -O binary --only-section=.text "$shipped" "$work/shipped.text"
    "$objcopy" -O binary --only-section=.text "$copy" "$work/copy.text"
    if ! cmp -s "$work/shipped.text" "$work/copy.text"; then
        echo "$shipped: its code is not the code of $copy"
        status=1
        continue
    fi
    # Where each stretch of .text starts, and whether it is code: a section
    # symbol (.text, .text$name, .gcc_except_table, ...) names what follows
    # it, and so do the constructor and destructor lists.
    "$nm" -n "$copy" | awk '
        $2 == "t" || $2 == "T" {
            if ($3 ~ /^\.(text|init$|fini$)/) kind = "code"
            else if ($3 ~ /^\./ || $3 ~ /^_?__[CD]TOR_LIST__$/) kind = "data"
            else next
            print $1, kind
        }' >"$work/stretches"
    # ld marks each place it fixes up for an auto-imported name with a
    # symbol __fuN_name inside the instruction; they go, so the
    # disassembler does not start there.
    "$objcopy" --wildcard --strip-symbol='__fu[0-9]*_*' "$copy" "$work/code"
    "$objdump" -d -j .text "$work/code" | awk -v file="$shipped" -v stretches="$work/stretches" '
        BEGIN {
            n = 0
            while ((getline line < stretches) > 0) {
                split(line, f, " ")
                n++; start[n] = f[1]; kind[n] = f[2]
            }
            s = 0; current = "code"; bad = 0
            # The i486 instruction set as objdump spells it, without the
            # operand-size suffixes (b w l, and s l t ll of the FPU).
            split("aaa aad aam aas adc add and arpl bound bsf bsr bswap bt btc btr bts call " \
                  "cbtw cwtl cwtd cltd clc cld cli clts cmc cmp cmps cmpxchg daa das dec div " \
                  "enter hlt idiv imul in inc ins int int3 into invd invlpg iret lahf lar lcall " \
                  "lds lea leave les lfs lgdt lgs lidt ljmp lldt lmsw lods loop loope loopne " \
                  "loopz loopnz lret lsl lss ltr mov movs movsbw movsbl movswl movzbw movzbl " \
                  "movzwl mul neg nop not or out outs pop popa popf push pusha pushf rcl rcr " \
                  "ret rol ror sahf sal sar sbb scas sgdt shl shld shr shrd sidt sldt smsw stc " \
                  "std sti stos str sub test verr verw wait fwait wbinvd xadd xchg xlat xor " \
                  "f2xm1 fabs fadd faddp fbld fbstp fchs fclex fnclex fcom fcomp fcompp fcos " \
                  "fdecstp fdiv fdivp fdivr fdivrp ffree fiadd ficom ficomp fidiv fidivr fild " \
                  "fimul fincstp finit fninit fist fistp fisub fisubr fld fld1 fldcw fldenv " \
                  "fldl2e fldl2t fldlg2 fldln2 fldpi fldz fmul fmulp fnop fpatan fprem fprem1 " \
                  "fptan frndint frstor fsave fnsave fscale fsin fsincos fsqrt fst fstcw fnstcw " \
                  "fstenv fnstenv fstp fstsw fnstsw fsub fsubp fsubr fsubrp ftst fucom fucomp " \
                  "fucompp fxam fxch fxtract fyl2x fyl2xp1 ud2", names, " ")
            for (i in names) known[names[i]] = 1
            # ud2 is undefined on every processor, the i486 included: it
            # is where the compiler puts a trap.
            split("rep repz repe repnz repne lock data16 addr16 cs ds es ss fs gs", p, " ")
            for (i in p) prefix[p[i]] = 1
        }
        function allowed(m, stem) {
            if (m in known) return 1
            if (m ~ /^j[a-z]+$/ || m ~ /^set[a-z]+$/) return 1
            if (m ~ /ll$/ && substr(m, 1, length(m) - 2) in known) return 1
            if (m ~ /[bwlst]$/ && substr(m, 1, length(m) - 1) in known) return 1
            return 0
        }
        /^ *[0-9a-f]+:\t/ {
            split($0, f, "\t")
            if (f[3] == "") next  # the rest of a long instruction bytes
            address = f[1]; sub(/^ */, "", address); sub(/:$/, "", address)
            address = sprintf("%8s", address); gsub(/ /, "0", address)
            while (s < n && start[s + 1] <= address) { s++; current = kind[s] }
            if (current != "code") next
            text = f[3]; sub(/ +$/, "", text)
            count = split(text, w, " ")
            i = 1
            while (i < count && (w[i] in prefix)) i++
            m = w[i]
            operands = (i < count) ? w[i + 1] : ""
            wrong = !allowed(m) || (m == "nop" && operands != "") || m ~ /^nop[wl]$/ ||
                    operands ~ /%(x|y|z)?mm|%k[0-7]|%bnd/
            if (wrong) {
                if (bad < 20) printf "%s: %s: %s\n", file, address, text
                bad++
            }
        }
        END {
            if (bad) { printf "%s: %d instructions the i486 does not have\n", file, bad; exit 1 }
        }' || status=1
done
[ $status -eq 0 ] && echo "i486: every instruction of $# files is one the i486 has"
exit $status
