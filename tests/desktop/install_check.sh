#!/usr/bin/env bash
# `cmake --install` puts every file in its standard place, and the desktop entry and
# AppStream metainfo pass their validators.
set -euo pipefail
build="$1"
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
id=gr.schimatios.Schimatios
for f in bin/schimatios share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
         share/icons/hicolor/16x16/apps/$id.png share/icons/hicolor/32x32/apps/$id.png \
         share/icons/hicolor/48x48/apps/$id.png share/icons/hicolor/64x64/apps/$id.png \
         share/icons/hicolor/128x128/apps/$id.png share/icons/hicolor/scalable/apps/$id.svg; do
  [ -f "$prefix/$f" ] || { echo "missing: $f"; exit 1; }
done
[ -x "$prefix/bin/schimatios" ] || { echo "not executable: bin/schimatios"; exit 1; }
file "$prefix/share/icons/hicolor/48x48/apps/$id.png" | grep -q '48 x 48' || { echo "48x48 icon is not 48 x 48"; exit 1; }
desktop-file-validate "$prefix/share/applications/$id.desktop"
# The projector launcher: the program at twice the size through Qt's own scale variable.
entry="$prefix/share/applications/$id.desktop"
grep -qx 'Actions=projector;' "$entry" || { echo "no projector action"; exit 1; }
sed -n '/^\[Desktop Action projector\]/,$p' "$entry" | grep -qx 'Name=Μεγάλο μέγεθος (προβολέας)' \
  || { echo "projector action misnamed"; exit 1; }
sed -n '/^\[Desktop Action projector\]/,$p' "$entry" | grep -qx 'Exec=env QT_SCALE_FACTOR=2 schimatios' \
  || { echo "projector action does not start at scale 2"; exit 1; }
# Links: the entry claims the program's scheme and hands the link on, so that a link clicked
# in a browser on the same PC opens the program.
grep -qx 'MimeType=x-scheme-handler/schimatios;' "$entry" || { echo "the scheme is not claimed"; exit 1; }
grep -qx 'Exec=schimatios %u' "$entry" || { echo "the link is not handed on"; exit 1; }
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml"
grep -q 'release version="1.00.0030"' "$prefix/share/metainfo/$id.metainfo.xml"
for f in share/man/man1/schimatios.1.gz share/man/el/man1/schimatios.1.gz \
         share/doc/schimatios/copyright share/doc/schimatios/changelog.gz; do
  [ -f "$prefix/$f" ] || { echo "missing: $f"; exit 1; }
done

# The Debian package: lintian reports no error and no warning.
if [ "${SCHIMATIOS_SANITIZE:-OFF}" = ON ]; then
  echo "install check passed (the package is checked in the unsanitized build)"
  exit 0
fi
debs=$(mktemp -d)
trap 'rm -rf "$prefix" "$debs"' EXIT
(cd "$build" && cpack -G DEB -B "$debs" >/dev/null)
deb=$(ls "$debs"/*.deb)
dpkg-deb -f "$deb" Depends | grep -q qt6-qpa-plugins && { echo "depends on qt6-qpa-plugins"; exit 1; }
lintian --fail-on error,warning --tag-display-limit 0 "$deb"
echo "install check passed"
