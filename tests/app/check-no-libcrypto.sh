#!/usr/bin/env bash
# The programs do not link OpenSSL's libcrypto (nor libssl): the window draws from the operating
# system's generator alone, and keywright-cli loads libcrypto only for the runs that need it.
# Reads the libraries each program's dynamic section asks for.
# Usage: check-no-libcrypto.sh PROGRAM...
set -euo pipefail
status=0
for program in "$@"; do
    needed=$(readelf --dynamic --wide "$program" | awk '/\(NEEDED\)/ { print $NF }' | tr -d '[]')
    if [ -z "$needed" ]; then
        echo "$program: no libraries in its dynamic section (not a dynamic program?)" >&2
        status=1
    elif grep -E '^lib(crypto|ssl)\.' <<<"$needed" >&2; then
        echo "$program: links the library above" >&2
        status=1
    else
        echo "$program: $(tr '\n' ' ' <<<"$needed")"
    fi
done
exit "$status"
