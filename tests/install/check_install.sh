#!/usr/bin/env bash
# Installs the build tree into a temporary DESTDIR, checks the layout and the desktop files, then
# builds the Debian package and checks its contents, its dependencies and an unpacked lookup.
# Usage: check_install.sh BUILD_DIR
set -euo pipefail
build="$(realpath "$1")"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

DESTDIR="$work/root" cmake --install "$build" --prefix /usr >/dev/null
root="$work/root/usr"
for f in bin/milden bin/milden-lookup share/milden/sorvane.dat share/milden/NOTICE \
         share/icons/hicolor/32x32/apps/jp.velk.milden.png share/icons/hicolor/256x256/apps/jp.velk.milden.png \
         share/applications/jp.velk.milden.desktop share/metainfo/jp.velk.milden.metainfo.xml \
         share/man/man1/milden-lookup.1; do
  [[ -e "$root/$f" ]] || { echo "missing after install: $f"; exit 1; }
done
if [[ -e "$build/bin/milden-browser" ]]; then
  [[ -x "$root/libexec/milden/milden-browser" ]] || { echo "missing: libexec/milden/milden-browser"; exit 1; }
fi
grep -qx 'Path=/usr/share/milden' "$root/share/applications/jp.velk.milden.desktop"
desktop-file-validate "$root/share/applications/jp.velk.milden.desktop"
appstreamcli validate --no-net --pedantic "$root/share/metainfo/jp.velk.milden.metainfo.xml" >/dev/null || \
  appstreamcli validate --no-net "$root/share/metainfo/jp.velk.milden.metainfo.xml"

# The installed lookup answers a real number from the installed data.
answer="$("$root/bin/milden-lookup" --data "$root/share/milden/sorvane.dat" 090-1234-5678)"
echo "$answer"
grep -q 'au（KDDI）です。' <<<"$answer"

(cd "$work" && cpack --config "$build/CPackConfig.cmake" -B "$work/pkg" >/dev/null)
deb="$(ls "$work"/pkg/milden_*_amd64.deb)"
dpkg-deb -I "$deb" | tee "$work/info"
grep -q 'Depends:.*libqt6widgets6' "$work/info"
grep -q 'Depends:.*qt6-translations-l10n' "$work/info"
dpkg-deb -c "$deb" | grep -q './usr/share/milden/sorvane.dat'
dpkg-deb -x "$deb" "$work/unpacked"
"$work/unpacked/usr/bin/milden-lookup" --data "$work/unpacked/usr/share/milden/sorvane.dat" 0901234 | grep -q 'au（KDDI）です。'
echo "install layout and package OK"
