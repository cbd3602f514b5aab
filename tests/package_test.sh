#!/usr/bin/env bash
# Packages the tree that scripts/test has just built, unpacks the .deb into a
# temporary root and checks what an installed Verdika needs: its files, valid
# desktop metadata, and both programs finding the installed tables.
#   package_test.sh CPACK BUILD_DIR SOURCE_DIR
set -euo pipefail
cpack=$1 build=$2 src=$3
app=cz.verdika.Verdika
work=$(mktemp -d "$build/package-test.XXXXXX")
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
# The tree is built with AddressSanitizer; Qt keeps memory until exit on purpose.
export ASAN_OPTIONS=detect_leaks=0 QT_QPA_PLATFORM=offscreen

if ! "$cpack" --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1; then
  cat "$work/cpack.log" >&2
  echo "FAIL: cpack could not build the package" >&2
  exit 1
fi
deb=$(find "$work/out" -maxdepth 1 -name 'verdika_*.deb')
[ -n "$deb" ] || { echo "FAIL: no verdika_*.deb in $work/out" >&2; exit 1; }
root=$work/root
dpkg-deb -x "$deb" "$root"
share=$root/usr/share

# --- the files -------------------------------------------------------------------
for f in bin/verdika bin/verdika-cli share/applications/$app.desktop share/metainfo/$app.metainfo.xml \
         share/icons/hicolor/scalable/apps/$app.svg share/icons/hicolor/256x256/apps/$app.png \
         share/man/man1/verdika-cli.1.gz share/verdika/verdika.txt lib/verdika/libverdika-network.so; do
  [ -s "$root/usr/$f" ] || fail "/usr/$f missing from the package"
done
extra=$(find "$root/usr/bin" -mindepth 1 ! -name verdika ! -name verdika-cli)
[ -z "$extra" ] || fail "unexpected programs in /usr/bin: $extra"
file "$share/icons/hicolor/256x256/apps/$app.png" | grep -q 'PNG image data, 256 x 256' ||
  fail "the PNG icon is not 256 x 256"

# Every shipped data file, converted as the build converts it (notes for developers stay out).
while IFS= read -r -d '' f; do
  rel=${f#"$src/data/"}
  case "$rel" in *.md) continue ;; esac
  cmp -s "$share/verdika/$rel" "$build/bin/$rel" || fail "share/verdika/$rel differs from the build's copy or is missing"
done < <(find "$src/data" -type f -print0)
cmp -s "$share/verdika/verdika.txt" "$build/bin/verdika.txt" || fail "the release stamp differs from the build's"
# Whatever else the build puts beside the executables (a generated workbook, say) must ship
# too; what a portable run in this tree leaves there (settings, databases) is not looked at.
while IFS= read -r -d '' f; do
  name=${f##*/}
  case "$name" in nastaveni.ini | *.db | *.db-journal | *.tmp*) continue ;; esac
  [ -x "$f" ] && continue
  cmp -s "$share/verdika/$name" "$f" ||
    fail "the build puts $name beside the executables but the package lacks it (write it into VERDIKA_SHARE_DIR)"
done < <(find "$build/bin" -maxdepth 1 -type f -print0)
find "$share/verdika" -name '*.md' | grep -q . && fail "developer notes were packaged"

# The man page documents the subcommands from their own help. Read whole first: with
# pipefail, zcat killed by a grep -q that found its line early would count as a failure.
manpage=$(zcat "$share/man/man1/verdika-cli.1.gz")
for c in tarif uroky lhuta; do
  grep -q "^\.SS $c\$" <<<"$manpage" || fail "the man page has no section for $c"
done

# --- metadata ---------------------------------------------------------------------
depends=$(dpkg-deb -f "$deb" Depends)
# libzip4 and libxlsxwriter4 are opened by name, Qt Network by the network module.
for d in libqt6widgets6 libsqlite3-0 qt6-qpa-plugins libzip4 libxlsxwriter4 libqt6network6; do
  [[ $depends == *"$d"* ]] || fail "Depends lacks $d: $depends"
done
desktop-file-validate "$share/applications/$app.desktop" || fail "desktop entry does not validate"
grep -qx 'Categories=Office;Finance;' "$share/applications/$app.desktop" || fail "desktop entry categories"
exec_cmd=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$share/applications/$app.desktop")
[ -x "$root/usr/bin/$exec_cmd" ] || fail "the desktop entry starts '$exec_cmd', which the package lacks"
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$share/metainfo/$app.metainfo.xml" >"$work/appstream.log" 2>&1 ||
    { cat "$work/appstream.log" >&2; fail "metainfo does not validate"; }
fi

# --- what the start maps: the document and network libraries come later -------------
needed=$(readelf -d "$root/usr/bin/verdika" | grep NEEDED)
for lib in libzip libxlsxwriter libQt6Network; do
  [[ $needed != *"$lib"* ]] && [[ $(readelf -d "$root/usr/bin/verdika-cli" | grep NEEDED) != *"$lib"* ]] ||
    fail "the programs link $lib, which start-up should not map"
done
module=$root/usr/lib/verdika/libverdika-network.so
{ ! ldd "$module" | grep -q 'not found' && nm -D --defined-only "$module" | grep -qw verdika_network_module; } ||
  fail "the installed network module lacks a library or its entry point"

# --- the installed programs find the installed tables ----------------------------
cli=$root/usr/bin/verdika-cli
paths=$(VERDIKA_DATA_DIR="$work/cli-data" "$cli" paths)
[[ $paths == *"program: $share/verdika"* ]] || fail "verdika-cli does not use the installed program directory: $paths"

tarif=(tarif --hodnota 100000 --dph --ukon 15.3.2025:úkon --ukon 2.4.2025:půl-úkon --json)
if ! installed=$(VERDIKA_DATA_DIR="$work/cli-data" "$cli" "${tarif[@]}" 2>"$work/tarif.err"); then
  cat "$work/tarif.err" >&2
  fail "installed verdika-cli tarif failed"
fi
built=$(VERDIKA_DATA_DIR="$work/cli-data" "$build/bin/verdika-cli" "${tarif[@]}")
[ "$installed" = "$built" ] || fail "installed verdika-cli tarif differs from the build tree's: $installed"

# libxlsxwriter is opened by name when the first workbook is written.
if ! VERDIKA_DATA_DIR="$work/cli-data" "$cli" sjm --soubor "$work/sjm.xlsx" >/dev/null 2>"$work/sjm.err" ||
   ! unzip -tq "$work/sjm.xlsx" >/dev/null 2>&1; then
  cat "$work/sjm.err" >&2
  fail "installed verdika-cli could not write a workbook"
fi

gui_data=$work/gui-data
if ! VERDIKA_DATA_DIR="$gui_data" timeout 120 "$root/usr/bin/verdika" --exit-after-start 2>"$work/gui.err"; then
  cat "$work/gui.err" >&2
  fail "installed verdika --exit-after-start failed"
fi
# Start-up copied the release from the installed program directory and built the databases from its seeds.
cmp -s "$gui_data/verdika.txt" "$share/verdika/verdika.txt" || fail "verdika did not refresh the data directory from /usr/share/verdika"
cmp -s "$gui_data/uroky.vrd" "$share/verdika/uroky.vrd" || fail "verdika did not copy the shipped interest table"
for db in lhuty.db databaze.db; do [ -s "$gui_data/$db" ] || fail "verdika did not create $db from the shipped seed"; done

# An installed program refuses "portable" in one line and keeps the program directory clean.
before=$(find "$share/verdika" | sort)
out=$(VERDIKA_DATA_DIR="$work/portable-data" "$cli" --portable paths 2>"$work/portable.err")
if ! grep -q 'portable' "$work/portable.err" || [ "$(wc -l <"$work/portable.err")" -ne 1 ]; then
  fail "verdika-cli --portable in an installed program did not say in one line why it is refused"
fi
[[ $out == *"data: $work/portable-data"* ]] || fail "verdika-cli --portable did not keep the usual data directory: $out"
VERDIKA_DATA_DIR="$work/portable-data" timeout 120 "$root/usr/bin/verdika" portable --exit-after-start \
  2>"$work/portable-gui.err" || fail "installed verdika portable did not start"
grep -q 'portable' "$work/portable-gui.err" || fail "verdika portable did not say why it is refused"
[ "$(find "$share/verdika" | sort)" = "$before" ] || fail "portable start wrote into the installed program directory"

[ "$failures" -eq 0 ] || exit 1
echo "package: $(basename "$deb") checked"
