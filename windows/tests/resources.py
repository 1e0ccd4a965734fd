#!/usr/bin/env python3
"""The Windows executable as a school receives it: its version record, its icon, its
manifest, the font and pictures inside it, what it imports (no mathematics from the C
runtime's DLL: the trigonometry is glibc's, inside), and its size."""
import sys

import pefile

path = sys.argv[1]
pe = pefile.PE(path)
failures = []


def check(condition, what):
    if not condition:
        failures.append(what)


# The version record, in Greek.
strings = {}
for info in getattr(pe, "FileInfo", []):
    for entry in info:
        for table in getattr(entry, "StringTable", []):
            strings.update({k.decode(): v.decode("utf-8") for k, v in table.entries.items()})
            check(table.LangID == b"040804b0", "string table language %s" % table.LangID)
check(strings.get("FileVersion") == "1.00.0030", "FileVersion %r" % strings.get("FileVersion"))
check(strings.get("ProductVersion") == "1.00.0030", "ProductVersion %r" % strings.get("ProductVersion"))
# The licences of what it holds, glibc's above all, written in the file as in the page.
for licence in ("MIT", "LGPL-2.1-or-later", "glibc-2.36", "GCC Runtime Library Exception", "DejaVu"):
    check(licence in strings.get("Comments", ""), "the note names %s" % licence)
check(strings.get("ProductName") == "ΣΧΗμάτιος", "ProductName %r" % strings.get("ProductName"))
fixed = pe.VS_FIXEDFILEINFO[0]
binary = (fixed.FileVersionMS >> 16, fixed.FileVersionMS & 0xFFFF, fixed.FileVersionLS >> 16,
          fixed.FileVersionLS & 0xFFFF)
check(binary == (1, 0, 0, 30), "binary file version %s" % (binary,))

# Resources: the icon's sizes, the manifest, the font, the pictures.
resources = {}
for kind in pe.DIRECTORY_ENTRY_RESOURCE.entries:
    names = []
    for entry in kind.directory.entries:
        names.append(str(entry.name) if entry.name else entry.id)
        for lang in entry.directory.entries:
            data = pe.get_data(lang.data.struct.OffsetToData, lang.data.struct.Size)
            resources[(kind.id, str(entry.name) if entry.name else entry.id)] = data
sizes = set()
for (kind, name), data in resources.items():
    if kind == 14:  # RT_GROUP_ICON: the sizes it holds
        count = int.from_bytes(data[4:6], "little")
        for i in range(count):
            w = data[6 + 14 * i] or 256
            sizes.add(w)
check({16, 32} <= sizes, "icon sizes %s" % sorted(sizes))
manifest = resources.get((24, 1), b"").decode("utf-8", "replace")
check("Microsoft.Windows.Common-Controls" in manifest and "PerMonitorV2" in manifest, "manifest")
check(resources.get((10, "PROGRAMFONT"), b"")[:4] == b"\x00\x01\x00\x00", "the font, TrueType")
for picture in ("BACK_BMP", "CIRCLE_BMP", "TRIANGLE_GIF", "PARALLELOGRAM_JPG", "SQUARE_3X_PNG"):
    check((10, picture) in resources, "picture %s" % picture)

# Imports: only the system's DLLs, and no mathematics from the C runtime, whose digits
# would be Windows's own (or Wine's) and not the Linux build's.
dlls = {}
for entry in pe.DIRECTORY_ENTRY_IMPORT:
    dlls[entry.dll.decode().lower()] = [i.name.decode() for i in entry.imports if i.name]
allowed = {"kernel32.dll", "user32.dll", "gdi32.dll", "comctl32.dll", "comdlg32.dll",
           "gdiplus.dll", "ole32.dll", "oleaut32.dll", "oleacc.dll", "shlwapi.dll", "msvcrt.dll",
           "advapi32.dll",
           "shell32.dll"}  # (CommandLineToArgvW: a link on the command line)
check(set(dlls) <= allowed, "imports from %s" % sorted(set(dlls) - allowed))
maths = {"sin", "cos", "tan", "sincos", "asin", "acos", "atan", "atan2", "sinh", "cosh", "tanh",
         "exp", "log", "log10", "pow", "sqrt", "hypot", "_hypot", "cbrt", "fmod", "modf", "ldexp",
         "frexp", "floor", "ceil", "round", "lround", "trunc", "strtod", "atof", "_ecvt", "_fcvt",
         "_gcvt", "sprintf", "snprintf", "_snprintf", "sscanf"} & set(dlls.get("msvcrt.dll", []))
check(not maths, "mathematics from msvcrt.dll: %s" % sorted(maths))
# Windows 7 starts it: what came after it (the DPI functions of Windows 8.1 and 10, pointer
# input, the newer synchronisation) is looked up at run time, never imported.
later = {"GetDpiForWindow", "GetDpiForSystem", "SetProcessDpiAwarenessContext",
         "SetThreadDpiAwarenessContext", "AdjustWindowRectExForDpi", "GetSystemMetricsForDpi",
         "SystemParametersInfoForDpi", "EnableNonClientDpiScaling", "GetDpiForMonitor",
         "SetProcessDpiAwareness", "GetPointerInfo", "GetPointerType", "EnableMouseInPointer",
         "WaitOnAddress", "WakeByAddressSingle", "GetSystemTimePreciseAsFileTime",
         "CreateFile2", "GetCurrentPackageId"}
imported = {name for names in dlls.values() for name in names}
check(not (later & imported), "functions newer than Windows 7 imported: %s" % sorted(later & imported))
check(b"GetDpiForWindow\0" in bytes(pe.__data__), "GetDpiForWindow looked up by name")

# One file under a megabyte.
size = len(pe.__data__)
check(size < 1024 * 1024, "%d bytes" % size)

print("version:", {k: strings.get(k) for k in ("FileVersion", "ProductVersion", "ProductName")},
      "binary", ".".join(map(str, binary)))
print("icon sizes:", sorted(sizes), "imports:", ", ".join(sorted(dlls)), "size:", size, "bytes")
if failures:
    print("FAILED:", *failures, sep="\n  ")
    sys.exit(1)
