#!/usr/bin/env bash
# Tells whether this machine runs 32-bit x86 programs, by running one: a
# kernel may have its 32-bit emulation turned off (ia32_emulation=off), and
# then neither Wine's 32-bit side nor an x86 pirumo.exe can start. Exits 0 if
# it ran; otherwise says why on standard output and exits 1.
# Usage: [PIRUMO_X86_PROBE=PROGRAM] runs_x86_programs.sh
# PIRUMO_X86_PROBE names another program to try instead of the built-in one:
# the Makefile and CMake both ask this script, so a machine without 32-bit
# programs can be tried on one that has them.
set -uo pipefail
program=${PIRUMO_X86_PROBE:-}
if [ -z "$program" ]; then
    program=$(mktemp) || exit 1
    trap 'rm -f "$program"' EXIT
    # The smallest 32-bit x86 Linux program: an ELF header, one loadable
    # segment, and exit(0) through int 0x80. Written here, so that the answer
    # needs no 32-bit compiler, library or package.
    printf '\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00'`
          `'\x02\x00\x03\x00\x01\x00\x00\x00\x54\x80\x04\x08\x34\x00\x00\x00'`
          `'\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x00\x00\x00\x00\x00\x00'`
          `'\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08\x00\x80\x04\x08'`
          `'\x5b\x00\x00\x00\x5b\x00\x00\x00\x05\x00\x00\x00\x00\x10\x00\x00'`
          `'\x31\xdb\x31\xc0\x40\xcd\x80' >"$program"
    chmod +x "$program"
fi
said=$("$program" 2>&1 </dev/null)
status=$?
[ "$status" -eq 0 ] && exit 0
said=${said##*: }
echo "this machine runs no 32-bit x86 programs (${said:-exit status $status}; the kernel's 32-bit emulation may be off)"
exit 1
