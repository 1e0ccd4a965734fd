#!/bin/bash
# The installer as a lab's administrator uses it: read back (the product, its version and
# publisher, the upgrade code, the Start-menu shortcut, nothing run during the install),
# then under Wine installed silently, upgraded in place by a later version, and removed
# silently with nothing left behind: files, shortcut, registry.
#   msi.sh SCHIMATIOS.msi WXS EXE ICON
set -euo pipefail
msi=$1 wxs=$2 exe=$3 icon=$4
here=$(cd "$(dirname "$0")" && pwd)
fail() { echo "FAIL: $*"; exit 1; }
table() { msiinfo export "$msi" "$1" | tr -d '\r'; }

# ---- Read back ------------------------------------------------------------------------
table Property | grep -qx $'ProductName\tΣΧΗμάτιος' || fail "product name"
table Property | grep -qx $'ProductVersion\t1.00.0030' || fail "version"
table Property | grep -qx $'Manufacturer\tΗ ομάδα ανάπτυξης του ΣΧΗμάτιος' || fail "publisher"
table Property | grep -qx $'UpgradeCode\t{6E0F3B2A-5C1D-4E8B-9A7F-2D4C6B8E1F30}' || fail "upgrade code"
table Property | grep -qx $'ALLUSERS\t1' || fail "not per machine"
table Property | grep -qx $'REBOOT\tReallySuppress' || fail "may reboot"
table Property | grep -qx $'ARPPRODUCTICON\tschimatios.ico' || fail "no icon in Apps"
table Shortcut | grep -q $'^StartMenuShortcut\tProgramMenuFolder\tSCHIMA~1|ΣΧΗμάτιος\t' || fail "shortcut"
table Upgrade | grep -q '{6E0F3B2A-5C1D-4E8B-9A7F-2D4C6B8E1F30}' || fail "no upgrade of earlier versions"
[ "$(table CustomAction | wc -l)" -eq 3 ] || fail "it runs something: $(table CustomAction)"
msiinfo suminfo "$msi" | grep -qx 'Template: x64;1032' || fail "not for 64-bit Greek Windows"

# ---- Under Wine -----------------------------------------------------------------------
home=$(mktemp -d)
trap 'WINEPREFIX=$home/wine wineserver -k 2>/dev/null || true; rm -rf "$home"' EXIT
export WINEPREFIX=$home/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
drive=$WINEPREFIX/drive_c
uninstall='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
wine_() { xvfb-run -a -s "-nolisten tcp" sh -c '"$@"; s=$?; wineserver -w; exit $s' wine "$@"; }
# The installed products of this upgrade code, each with its name, version and publisher.
installed() {
  wine_ wine reg export "$uninstall" "$home/uninstall.reg" /y >/dev/null 2>&1 || true
  iconv -f utf-16 -t utf-8 "$home/uninstall.reg" 2>/dev/null | tr -d '\r' |
    awk '/^\[/{key=$0} /"DisplayName"="ΣΧΗμάτιος"/{print key}' | sort -u
}
entry() {
  iconv -f utf-16 -t utf-8 "$home/uninstall.reg" | tr -d '\r' | awk -v k="$1" '$0==k{on=1;next} /^\[/{on=0} on'
}
wine_ wineboot -i >/dev/null 2>&1

wine_ wine msiexec /i "$msi" /qn || fail "the silent install failed"
[ -f "$drive/Program Files/Schimatios/schimatios.exe" ] || fail "no program under Program Files"
cmp -s "$drive/Program Files/Schimatios/schimatios.exe" "$exe" || fail "another program installed"
shortcut=$(find "$drive" -name 'ΣΧΗμάτιος.lnk' | head -1)
[ -n "$shortcut" ] || fail "no Start-menu shortcut"
case "$shortcut" in *"Start Menu/Programs/ΣΧΗμάτιος.lnk") ;; *) fail "the shortcut is at $shortcut" ;; esac
[ "$(installed | wc -l)" = 1 ] || fail "not one entry in Apps"
key=$(installed)
entry "$key" | grep -qx '"DisplayVersion"="1.00.0030"' || fail "Apps shows another version"
entry "$key" | grep -qx '"Publisher"="Η ομάδα ανάπτυξης του ΣΧΗμάτιος"' || fail "Apps shows another publisher"
echo "installed: $key"

# Next year's version, the same upgrade code: it replaces this one, one entry in Apps.
next=$home/next
mkdir -p "$next"
sed 's/Version="1.00.0030"/Version="1.00.0031"/' "$wxs" >"$next/schimatios.wxs"
"$here/../msi/make-msi.sh" "$next/schimatios.wxs" "$exe" "$icon" "$next/schimatios.msi" \
  "ΣΧΗμάτιος" 1.00.0031 "Η ομάδα ανάπτυξης του ΣΧΗμάτιος" "-" "-" >/dev/null 2>&1
wine_ wine msiexec /i "$next/schimatios.msi" /qn || fail "the upgrade failed"
[ "$(installed | wc -l)" = 1 ] || fail "the upgrade left two entries in Apps: $(installed)"
entry "$(installed)" | grep -qx '"DisplayVersion"="1.00.0031"' || fail "the upgrade's version not shown"
[ -f "$drive/Program Files/Schimatios/schimatios.exe" ] || fail "the upgrade removed the program"
echo "upgraded in place: $(installed)"

# Removed silently: nothing of it left.
wine_ wine msiexec /x "$next/schimatios.msi" /qn || fail "the silent removal failed"
[ ! -e "$drive/Program Files/Schimatios" ] || fail "files left: $(ls -R "$drive/Program Files/Schimatios")"
[ -z "$(find "$drive" -name 'ΣΧΗμάτιος.lnk')" ] || fail "the shortcut left"
[ -z "$(installed)" ] || fail "the Apps entry left"
if wine_ wine reg query 'HKLM\Software\Schimatios' >/dev/null 2>&1; then fail "a registry key left"; fi
echo "removed: nothing left"
echo "installer check passed"
