#!/usr/bin/env bash
# Builds the Debian package from the build tree, unpacks it into a temporary root and checks
# what a desktop user gets: both programs (which run from there), their man pages with every
# command, the desktop entry, the icon in its sizes, the metainfo, the copyright, and Depends
# computed from the shared libraries. lintian must report no errors.
#   deb_layout_test.sh CPACK BUILD_DIR VERSION
set -uo pipefail
cpack=$1 build=$2 version=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
fail() { echo "FAIL: $*"; status=1; }

if ! (cd "$work" && "$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1); then
  cat "$work/cpack.log"
  exit 1
fi
deb=$(ls "$work"/out/velmora_*.deb)
dpkg-deb -x "$deb" "$work/root" || exit 1
root=$work/root
app=org.velmora.Velmora

for f in usr/bin/velmora usr/bin/velmora-cli; do
  [ -f "$root/$f" ] && [ -x "$root/$f" ] || fail "$f is missing or not executable"
done
for f in usr/share/applications/$app.desktop usr/share/metainfo/$app.metainfo.xml \
         usr/share/icons/hicolor/scalable/apps/$app.svg \
         usr/share/man/man1/velmora.1.gz usr/share/man/man1/velmora-cli.1.gz \
         usr/share/doc/velmora/copyright usr/share/doc/velmora/changelog.gz; do
  [ -s "$root/$f" ] || fail "$f is missing"
done
for size in 16 24 32 48 64 128 256; do
  png=$root/usr/share/icons/hicolor/${size}x${size}/apps/$app.png
  file "$png" | grep -q "PNG image data, $size x $size" || fail "no ${size}x${size} icon"
done
outside=$(cd "$root" && find . -mindepth 1 -maxdepth 1 ! -name usr)
[ -z "$outside" ] || fail "files outside /usr: $outside"

# The unpacked programs run and say the package's version.
"$root/usr/bin/velmora-cli" --version | grep -qx "velmora-cli $version" || fail "velmora-cli --version"
"$root/usr/bin/velmora" --version | grep -qx "velmora $version" || fail "velmora --version"
grep -q "^Exec=velmora %f$" "$root/usr/share/applications/$app.desktop" || fail "desktop entry does not start velmora with a file"

# The man page lists every command the program lists.
page=$(zcat "$root/usr/share/man/man1/velmora-cli.1.gz")
for command in $("$root/usr/bin/velmora-cli" --help | awk '/^commands:/ {on=1; next} on && NF {print $1}'); do
  grep -qF ".B $(sed 's/-/\\-/g' <<<"$command")" <<<"$page" || fail "man page lacks the command $command"
done
zcat "$root/usr/share/man/man1/velmora.1.gz" | grep -qF '.B \-\-data DIR' || fail "velmora.1 lacks --data"

# Depends names the package of every shared library the programs load.
depends=$(dpkg-deb -f "$deb" Depends)
depends_names=$(tr ',|' '\n\n' <<<"$depends" | awk 'NF {print $1}')
for so in $(readelf -d "$root/usr/bin/velmora" "$root/usr/bin/velmora-cli" | sed -n 's/.*NEEDED.*\[\(.*\)\]/\1/p' | sort -u); do
  path=$(ldconfig -p | awk -v so="$so" '$1 == so && /x86-64/ {print $NF; exit}')
  pkg=$(dpkg -S "$path" 2>/dev/null | head -1 | cut -d: -f1)
  [ -n "$pkg" ] || pkg=$(dpkg -S "$(readlink -f "$path")" 2>/dev/null | head -1 | cut -d: -f1)
  if [ -z "$pkg" ]; then
    fail "no package holds $so"
  elif ! grep -qxF "$pkg" <<<"$depends_names"; then
    fail "Depends lacks $pkg (for $so): $depends"
  fi
done

lintian --tag-display-limit 0 "$deb" >"$work/lintian.txt" 2>&1
if grep -q '^E:' "$work/lintian.txt"; then
  fail "lintian errors:"
  grep '^E:' "$work/lintian.txt"
fi
echo "lintian:"
cat "$work/lintian.txt"
exit $status
