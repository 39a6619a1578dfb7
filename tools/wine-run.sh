#!/bin/sh
# Runs a Windows program under Wine in the project's prefix: the emulator
# CTest uses for the Windows build's tests.
set -eu
. "$(dirname "$0")/wine-env.sh"
quintel_ensure_prefix
exec wine "$@"
