#!/usr/bin/env bash
# hardening-check on the programs as the package installs them: PIE, stack protector, fortified
# libc calls, RELRO and immediate binding must all be present.
# Usage: check-hardening.sh ROOT
set -euo pipefail
root=$1
# The control-flow protection mark survives linking only when every object has it, and Debian
# 12's C start files (Scrt1.o, crti.o, crtn.o) do not; the programs' own code is compiled with it.
hardening-check --nocfprotection "$root/usr/bin/keywright"
# keywright-cli's one libc call whose buffer size the compiler knows is explicit_bzero, and this
# hardening-check does not count __explicit_bzero_chk; so the fortified calls are looked for here.
hardening-check --nocfprotection --nofortify "$root/usr/bin/keywright-cli"
checked=$(readelf --dyn-syms -W "$root/usr/bin/keywright-cli" | awk '{ sub(/@.*/, "", $8); print $8 }' |
    grep -E '^__[a-z0-9_]+_chk$' | sort -u | paste -sd' ' || true)
[ -n "$checked" ] || { echo "keywright-cli calls no fortified libc function" >&2; exit 1; }
echo " Fortify Source functions: yes ($checked)"
