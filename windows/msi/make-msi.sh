#!/bin/sh
# The installer from its WiX source: wixl builds it with Latin stand-ins, then the database
# is given the Greek code page and the stand-ins their Greek texts (wixl drops any text its
# default code page cannot hold).
#   make-msi.sh SOURCE.wxs EXE ICON OUTPUT.msi PRODUCT VERSION PUBLISHER DESCRIPTION NEWER
set -eu
source=$1 exe=$2 icon=$3 output=$4 product=$5 version=$6 publisher=$7 description=$8 newer=$9
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# (wixl finds the files the source names beside it)
cp "$source" "$work/schimatios.wxs"
cp "$exe" "$work/schimatios.exe"
cp "$icon" "$work/schimatios.ico"
(cd "$work" && wixl --arch x64 -o schimatios.msi schimatios.wxs)
printf '\r\n\r\n1253\t_ForceCodepage\r\n' >"$work/_ForceCodepage.idt"
msibuild "$work/schimatios.msi" -i "$work/_ForceCodepage.idt"
msibuild "$work/schimatios.msi" \
  -q "UPDATE Property SET Value='$product' WHERE Property='ProductName'" \
  -q "UPDATE Property SET Value='$publisher' WHERE Property='Manufacturer'" \
  -q "UPDATE Shortcut SET Name='SCHIMA~1|$product', Description='$description' WHERE Shortcut='StartMenuShortcut'" \
  -q "UPDATE LaunchCondition SET Description='$newer' WHERE Condition='NOT WIX_DOWNGRADE_DETECTED'"
# The summary: what the package is, by whom, for 64-bit Windows in Greek.
msibuild "$work/schimatios.msi" -s "$product $version" "$publisher" "x64;1032"
mv "$work/schimatios.msi" "$output"
