#!/usr/bin/env bash
# Makes the Debian package from the build folder, unpacks it and runs both programs from the
# unpacked tree, then checks the desktop entry, the AppStream metadata and the package itself.
# Usage: package_test.sh CPACK BUILD_DIR
set -euo pipefail
cpack=$1
build=$2

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

for tool in dpkg-deb dpkg-shlibdeps lintian appstreamcli desktop-file-validate timeout; do
  command -v "$tool" >/dev/null || fail "$tool is missing (scripts/setup.sh installs it)"
done

echo "== cpack -G DEB"
"$cpack" --config "$build/CPackConfig.cmake" -G DEB -B "$work/out" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log"; fail "cpack"; }
shopt -s nullglob
debs=("$work"/out/zadrovec_*_amd64.deb)
[ ${#debs[@]} -eq 1 ] || fail "expected one zadrovec_VERSION_amd64.deb, got: $(ls "$work/out")"
deb=${debs[0]}
echo "$(basename "$deb")"

echo "== dpkg-deb -c"
dpkg-deb -c "$deb" | awk '{ $1 = $2 = $3 = $4 = $5 = ""; sub(/^ +/, ""); print }' >"$work/contents"
expect=(
  "./usr/bin/zadrovec -> ../lib/zadrovec/zadrovec"
  "./usr/bin/zadrovec-cli -> ../lib/zadrovec/zadrovec-cli"
  ./usr/lib/zadrovec/zadrovec
  ./usr/lib/zadrovec/zadrovec-cli
  ./usr/lib/zadrovec/postavy.dat
  ./usr/lib/zadrovec/zadrovec.ini
  ./usr/lib/zadrovec/zadrov.html
  ./usr/share/applications/zadrovec.desktop
  ./usr/share/icons/hicolor/scalable/apps/zadrovec.svg
  ./usr/share/man/man1/zadrovec.1.gz
  ./usr/share/man/man1/zadrovec-cli.1.gz
  ./usr/share/doc/zadrovec/copyright
  ./usr/share/doc/zadrovec/changelog.gz
)
# Every dictionary the build made goes into the package.
for file in "$build"/*.dat "$build"/*.idx; do
  expect+=("./usr/lib/zadrovec/$(basename "$file")")
done
for path in "${expect[@]}"; do
  grep -qxF -- "$path" "$work/contents" || fail "not in the package: $path"
done
grep -q '^\./usr/share/metainfo/[^/]*\.metainfo\.xml$' "$work/contents" ||
  fail "no AppStream metainfo file in the package"
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for library in libc6 libqt6widgets6; do
  [[ $depends == *"$library "* ]] || fail "no dependency on $library"
done

echo "== dpkg-deb -x"
root=$work/root
dpkg-deb -x "$deb" "$root"

# Compressed as Debian wants: best compression (XFL 2), no file name (FLG bit 3), no time.
for gz in "$root"/usr/share/man/man1/*.gz "$root"/usr/share/doc/zadrovec/*.gz; do
  read -r -a header <<<"$(od -An -tu1 -N9 "$gz")"
  [ $((header[3] & 8)) -eq 0 ] && [ "${header[*]:4:4}" = "0 0 0 0" ] && [ "${header[8]}" -eq 2 ] ||
    fail "not compressed with gzip -9n: ${gz#"$root"}"
done

echo "== zadrovec-cli info hlavni (unpacked, through the link in usr/bin)"
"$root/usr/bin/zadrovec-cli" info hlavni >"$work/info" || fail "zadrovec-cli info hlavni"
cat "$work/info"
"$build/zadrovec-cli" --data "$build" info hlavni | cmp -s - "$work/info" ||
  fail "the unpacked main dictionary differs from the built one"

"$(dirname "$0")/check_answers.sh" "$root/usr/bin/zadrovec-cli" "$build"

echo "== zadrovec (unpacked, offscreen), closed by SIGTERM after 5 s"
# The program closes its main window on SIGTERM as the user would; a message box left open
# (a missing data file, say) keeps it from ending, and the second timeout kills it.
status=0
env XDG_CONFIG_HOME="$work/config" QT_QPA_PLATFORM=offscreen \
  timeout --preserve-status --kill-after=10 5 "$root/usr/bin/zadrovec" || status=$?
[ $status -eq 0 ] || fail "zadrovec ended with status $status instead of closing cleanly"
ini=$work/config/zadrovec/zadrovec.ini
[ -f "$ini" ] || fail "no settings file seeded in the settings folder"
grep -q '^\[Menu\]' "$ini" || fail "the settings file was not seeded from the packaged copy"
grep -q '^\[Main window\]' "$ini" || fail "the main window did not save its settings on closing"

echo "== desktop-file-validate"
desktop-file-validate "$root/usr/share/applications/zadrovec.desktop" || fail "desktop entry"

echo "== appstreamcli validate --no-net"
appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml || fail "AppStream metadata"

echo "== lintian"
lintian --display-info "$deb" >"$work/lintian" 2>/dev/null || true
cat "$work/lintian"
! grep -q '^E:' "$work/lintian" || fail "lintian reports errors"
echo "PASS"
