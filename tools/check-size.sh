#!/bin/sh
# Fails when a shipped program has grown beyond its limit in kilobytes
# (1024 bytes). A jump of tens of kilobytes usually means one call linked a
# heavy part of the C++ or C runtime in (see src/win32/LeanThrows.cpp and
# core/text/DecimalValue.h for two that were taken out). Usage:
# check-size.sh program.exe limit-in-KB [program.exe limit-in-KB]...
set -eu
status=0
while [ $# -ge 2 ]; do
    exe=$1 limit=$2
    shift 2
    bytes=$(wc -c < "$exe")
    if [ "$bytes" -gt $((limit * 1024)) ]; then
        echo "$exe is $bytes bytes, more than its limit of $limit KB ($((limit * 1024)) bytes)"
        status=1
    else
        echo "$exe is $bytes bytes, within its limit of $limit KB"
    fi
done
exit $status
