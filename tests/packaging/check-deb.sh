#!/usr/bin/env bash
# Makes the Debian package with CPack, checks its Depends (found by dpkg-shlibdeps), Recommends
# and files, unpacks it into a scratch root with dpkg -x, and runs both programs from there on the
# system's Qt libraries. The desktop files are validated where the package puts them; the
# changelog's top entry and the metainfo's release name the package's version.
# Usage: check-deb.sh CPACK BUILD_DIR VERSION APP_ID SCRATCH_DIR
set -euo pipefail
cpack=$1
build=$2
version=$3
id=$4
scratch=$5

rm -rf "$scratch"
mkdir -p "$scratch"
# cpack gives the archive's members the modes the umask leaves: 022, as dpkg-buildpackage uses.
umask 022
(cd "$build" && "$cpack" -G DEB -B "$scratch/out" >"$scratch/cpack.log" 2>&1) || {
    cat "$scratch/cpack.log" >&2
    exit 1
}
deb=$(ls "$scratch"/out/keywright_"$version"_*.deb)
status=0
fail() {
    echo "$*" >&2
    status=1
}

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
# The package names alone, one a line.
names=$(tr ',' '\n' <<<"$depends" | sed 's/^ *//; s/[ (].*//')
for library in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6; do
    grep -qxF "$library" <<<"$names" || fail "Depends lacks $library"
done
# keywright-cli loads libcrypto only for large runs, and does without it (more slowly).
recommends=$(dpkg-deb -f "$deb" Recommends)
tr ',' '\n' <<<"$recommends" | sed 's/^ *//; s/[ (].*//' | grep -qxF libssl3 ||
    fail "Recommends lacks libssl3"
[ "$(dpkg-deb -f "$deb" Package)" = keywright ] || fail "the package is not named keywright"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "the package version is not $version"

root=$scratch/root
dpkg -x "$deb" "$root"
for path in \
    usr/bin/keywright usr/bin/keywright-cli \
    "usr/share/applications/$id.desktop" "usr/share/metainfo/$id.metainfo.xml" \
    "usr/share/icons/hicolor/scalable/apps/$id.svg" \
    usr/share/man/man1/keywright.1.gz usr/share/man/man1/keywright-cli.1.gz \
    usr/share/doc/keywright/help/index.html \
    usr/share/doc/keywright/copyright usr/share/doc/keywright/changelog.gz \
    usr/share/bash-completion/completions/keywright-cli \
    usr/share/zsh/vendor-completions/_keywright-cli \
    usr/share/fish/vendor_completions.d/keywright-cli.fish; do
    [ -f "$root/$path" ] || fail "the package lacks /$path"
done
for size in 16 24 32 48 64 128 256; do
    path=usr/share/icons/hicolor/${size}x${size}/apps/$id.png
    [ -f "$root/$path" ] || fail "the package lacks /$path"
done
# The changelog's top entry is this version's release, as the metainfo gives it.
changelog=$(gzip -dc "$root/usr/share/doc/keywright/changelog.gz" | dpkg-parsechangelog -l - -c 1)
top="$(sed -n 's/^Version: //p' <<<"$changelog") $(date -u -d "$(sed -n 's/^Date: //p' <<<"$changelog")" +%F)"
release=$(grep -oP '<release version="\K[^"]+" date="[^"]+' "$root/usr/share/metainfo/$id.metainfo.xml" |
    head -n 1 | sed 's/" date="/ /')
[ "$top" = "$release" ] && [ "${top% *}" = "$version" ] ||
    fail "changelog's top entry $top, metainfo's release $release, package version $version"
# Nothing outside /usr, nothing of the build or the tests.
outside=$(cd "$root" && find . -mindepth 1 -maxdepth 1 ! -name usr)
[ -z "$outside" ] || fail "the package puts files outside /usr: $outside"
if dpkg-deb -c "$deb" | grep -qE 'tst_|bench|/include/|\.a$'; then
    fail "the package holds test, benchmark or development files"
fi

# The programs run from the scratch root on the system's libraries alone.
unset LD_LIBRARY_PATH
cli_version=$("$root/usr/bin/keywright-cli" --version)
[ "$cli_version" = "keywright-cli $version" ] || fail "keywright-cli --version said: $cli_version"
app_version=$("$root/usr/bin/keywright" --version)
[ "$app_version" = "keywright $version" ] || fail "keywright --version said: $app_version"
password=$("$root/usr/bin/keywright-cli" -l 12 -t letters -c upper)
[[ "$password" =~ ^[A-Z]{12}$ ]] || fail "keywright-cli made an unexpected password"

# The installed tree as AppStream tools read it: metainfo, desktop entry and icon together.
appstreamcli validate-tree --no-net "$root" >"$scratch/validate-tree.log" 2>&1 || {
    cat "$scratch/validate-tree.log" >&2
    fail "appstreamcli validate-tree failed"
}
[ "$status" -eq 0 ] && echo "$(basename "$deb"): depends, files and programs as expected"
exit "$status"
