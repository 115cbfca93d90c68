#!/usr/bin/env bash
# Builds the package a second time from the same sources, copied to another folder with new file
# times, configured like the first build, later, in another time zone, and compares the two
# packages byte for byte. diffoscope, where installed, explains a difference. A first
# build through a compiler launcher is skipped (77).
# Usage: check-reproducible.sh SOURCE_DIR FIRST_BUILD_DIR DEB_DIR SCRATCH_DIR
set -euo pipefail
src=$1
first=$2
first_deb=$(ls "$3"/keywright_*.deb)
scratch=$4

rm -rf "$scratch"
mkdir -p "$scratch/src"
# The working tree's files (a checkout with local changes builds what the first build built), and
# a link to the same git history, where the package takes its time from.
if gitdir=$(git -C "$src" rev-parse --absolute-git-dir 2>/dev/null); then
    (cd "$src" && git ls-files -z -co --exclude-standard | tar -c --null -T - -f -) |
        tar -x -m -C "$scratch/src"
    echo "gitdir: $gitdir" >"$scratch/src/.git"
else
    tar -c -C "$src" --exclude='./build*' . | tar -x -m -C "$scratch/src"
fi

cache() { sed -n "s/^$1:[A-Z]*=//p" "$first/CMakeCache.txt"; }
# ccache with a base_dir hands the compiler relative paths, which land in the debugging
# information (and so in the build id) as they are: such a first build is not comparable.
launcher=$(cache CMAKE_CXX_COMPILER_LAUNCHER)
if [ -n "$launcher" ]; then
    echo "skipped: the first build compiles through $launcher; configure it without to compare"
    exit 77
fi
# The second build lies where the first lies relative to its sources: the paths that moc writes
# into its files, and so the debugging information, are relative to the build folder.
relative=$(realpath --relative-to="$src" "$first")
case "$relative" in
..*) build="$scratch/build" ;;
*) build="$scratch/src/$relative" ;;
esac
start=$(date +%s)
(
    # cpack gives the archive's members the modes the umask leaves; packages are made under 022,
    # as dpkg-buildpackage makes them.
    umask 022
    export TZ=UTC-14
    cmake -S "$scratch/src" -B "$build" -G "$(cache CMAKE_GENERATOR)" \
        -DCMAKE_BUILD_TYPE="$(cache CMAKE_BUILD_TYPE)" \
        -DCMAKE_CXX_COMPILER="$(cache CMAKE_CXX_COMPILER)" \
        -DKEYWRIGHT_WEB_HOST="$(cache KEYWRIGHT_WEB_HOST)" \
        -DKEYWRIGHT_HARDENING="$(cache KEYWRIGHT_HARDENING)" \
        -DKEYWRIGHT_BUILD_TESTS=OFF -DKEYWRIGHT_BUILD_BENCHMARKS=OFF >"$scratch/build.log" 2>&1 &&
        cmake --build "$build" -j2 >>"$scratch/build.log" 2>&1 &&
        cd "$build" && cpack -G DEB -B "$scratch/out" >>"$scratch/build.log" 2>&1
) || {
    cat "$scratch/build.log" >&2
    exit 1
}
echo "second build and package: $(($(date +%s) - start)) s"

second_deb=$(ls "$scratch"/out/keywright_*.deb)
if cmp -s "$first_deb" "$second_deb"; then
    echo "$(basename "$first_deb"): the second build gives the same bytes"
    exit 0
fi
echo "the two packages differ: $first_deb $second_deb" >&2
if command -v diffoscope >/dev/null; then
    diffoscope --text - "$first_deb" "$second_deb" | head -n 200 >&2 || true
else
    diff <(dpkg-deb -c "$first_deb") <(dpkg-deb -c "$second_deb") >&2 || true
fi
exit 1
