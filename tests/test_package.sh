#!/usr/bin/env bash
# Builds the Debian package from this build tree and checks it: its files, its control
# fields, hardened and stripped programs, then lintian, desktop-file-validate and
# appstreamcli on what it holds. A checker that is not installed is skipped with a note
# (tools/deps.sh test installs them all).
# Usage: test_package.sh BUILD_DIR VERSION
set -uo pipefail
build=$1
version=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail()
{
    echo "FAIL: $*"
    failures=$((failures + 1))
}
have()
{
    command -v "$1" >/dev/null || {
        echo "$1 is not installed: its check is skipped"
        return 1
    }
}

if ! (cd "$work" && cpack -G DEB -B "$work" --config "$build/CPackConfig.cmake" >cpack.log 2>&1); then
    cat "$work/cpack.log"
    echo "FAIL: cpack"
    exit 1
fi
deb=$(ls "$work"/xr970_*.deb)
dpkg-deb -x "$deb" "$work/root"
root=$work/root

for path in usr/bin/xr970 usr/bin/xr970-cli \
    usr/share/xr970/Program.ini usr/share/xr970/English.qm usr/share/xr970/Chinese.qm \
    usr/share/man/man1/xr970.1.gz usr/share/man/man1/xr970-cli.1.gz \
    usr/share/doc/xr970/copyright usr/share/doc/xr970/changelog.gz \
    usr/share/applications/xr970.desktop usr/share/mime/packages/xr970.xml \
    usr/share/metainfo/org.example.xr970.metainfo.xml \
    usr/share/bash-completion/completions/xr970-cli usr/lib/udev/rules.d/60-xr970.rules \
    usr/share/icons/hicolor/scalable/apps/xr970.svg \
    usr/share/icons/hicolor/{16x16,24x24,32x32,48x48,64x64,128x128,256x256}/apps/xr970.png; do
    [[ -s $root/$path ]] || fail "the package lacks /$path"
done

field()
{
    dpkg-deb -f "$deb" "$1"
}
[[ $(field Version) == "$version" ]] || fail "Version $(field Version), not $version"
[[ $(field Depends) == *libqt6widgets6* && $(field Depends) == *libc6* ]] ||
    fail "Depends lacks the shared libraries: $(field Depends)"
[[ $(field Recommends) == *qt6-translations-l10n* ]] || fail "Recommends: $(field Recommends)"
# The changelog and the AppStream release name this version.
[[ $(zcat "$root/usr/share/doc/xr970/changelog.gz" | head -1) == "xr970 ($version) "* ]] ||
    fail "the changelog's latest entry is not $version"
grep -q "<release version=\"$version\"" "$root/usr/share/metainfo/org.example.xr970.metainfo.xml" ||
    fail "the AppStream releases lack $version"

for program in xr970 xr970-cli; do
    binary=$root/usr/bin/$program
    dynamic=$(readelf -dW "$binary")
    [[ $dynamic == *BIND_NOW* && $dynamic == *PIE* ]] || fail "$program: not PIE with immediate binding"
    readelf -lW "$binary" | grep -q GNU_RELRO || fail "$program: no RELRO"
    readelf -SW "$binary" | grep -q ' \.symtab ' && fail "$program: not stripped"
done
# The program prints with printf, which fortifying turns into __printf_chk. grep reads the
# whole list: with -q it would stop at the first match, and nm, killed by the closed pipe
# once its output outgrew the pipe's buffer, would fail the pipeline.
nm -D "$root/usr/bin/xr970" | grep '__printf_chk@' >/dev/null || fail "xr970: not built with _FORTIFY_SOURCE"

if have lintian; then
    lintian --fail-on error,warning --tag-display-limit 0 "$deb" >"$work/lintian.log" 2>&1 ||
        fail "lintian: $(cat "$work/lintian.log")"
    cat "$work/lintian.log"
fi
if have desktop-file-validate; then
    desktop-file-validate "$root/usr/share/applications/xr970.desktop" ||
        fail "desktop-file-validate"
fi
if have appstreamcli; then
    # The whole tree: the metainfo, and the menu entry and icon it names.
    appstreamcli validate-tree --no-net --pedantic "$root" || fail "appstreamcli validate-tree"
fi
if have update-mime-database; then
    update-mime-database -V "$root/usr/share/mime" >"$work/mime.log" 2>&1 || fail "update-mime-database: $(cat "$work/mime.log")"
fi

echo "package: $failures failed"
((failures == 0))
