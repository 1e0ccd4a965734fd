#!/usr/bin/env python3
"""Puts the browser edition together into one HTML file: the page, its style and
runtime, the core as WebAssembly (inside its JavaScript), the font and the pictures."""
import argparse
import base64
import hashlib
import json
import pathlib
import re
import shutil
import subprocess
import struct
import zlib

MIME = {".bmp": "image/bmp", ".gif": "image/gif", ".jpg": "image/jpeg", ".png": "image/png"}


def data_url(data, mime):
    return "data:%s;base64,%s" % (mime, base64.b64encode(data).decode("ascii"))


def bmp_to_png(bmp):
    """The same pixels as an uncompressed 4- or 24-bit Windows bitmap, as a PNG: a
    fraction of the size for the page to carry."""
    if bmp[:2] != b"BM":
        raise ValueError("not a bitmap")
    offset = struct.unpack_from("<I", bmp, 10)[0]
    header = struct.unpack_from("<I", bmp, 14)[0]
    width, height = struct.unpack_from("<ii", bmp, 18)
    bits, compression = struct.unpack_from("<HI", bmp, 28)
    if compression != 0 or bits not in (4, 8, 24):
        raise ValueError("unsupported bitmap")
    palette = []
    if bits <= 8:
        count = struct.unpack_from("<I", bmp, 46)[0] or (1 << bits)
        for i in range(count):
            b, g, r = bmp[14 + header + 4 * i : 14 + header + 4 * i + 3]
            palette.append(bytes((r, g, b)))
    stride = (width * bits + 31) // 32 * 4
    rows = []
    for y in range(abs(height)):
        source = height - 1 - y if height > 0 else y  # bottom-up unless the height is negative
        row = bmp[offset + source * stride : offset + (source + 1) * stride]
        out = bytearray(b"\0")  # filter: none
        for x in range(width):
            if bits == 24:
                b, g, r = row[3 * x : 3 * x + 3]
                out += bytes((r, g, b))
            elif bits == 8:
                out += palette[row[x]]
            else:
                out += palette[(row[x // 2] >> (4 if x % 2 == 0 else 0)) & 15]
        rows.append(bytes(out))

    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data +
                struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))

    ihdr = struct.pack(">IIBBBBB", width, abs(height), 8, 2, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr) +
            chunk(b"IDAT", zlib.compress(b"".join(rows), 9)) + chunk(b"IEND", b""))


def size(data):
    """Width and height of a PNG, GIF or JPEG, read from its header."""
    if data[:8] == b"\x89PNG\r\n\x1a\n":
        return struct.unpack_from(">II", data, 16)
    if data[:4] == b"GIF8":
        return struct.unpack_from("<HH", data, 6)
    i = 2  # JPEG: the first start-of-frame marker
    while i < len(data):
        marker, length = data[i + 1], struct.unpack_from(">H", data, i + 2)[0]
        if 0xC0 <= marker <= 0xCF and marker not in (0xC4, 0xC8, 0xCC):
            height, width = struct.unpack_from(">HH", data, i + 5)
            return width, height
        i += 2 + length
    raise ValueError("no size")


def picture(path):
    data = path.read_bytes()
    if path.suffix == ".bmp":
        data, mime = bmp_to_png(data), "image/png"
    else:
        mime = MIME[path.suffix]
    width, height = size(data)
    return {"src": data_url(data, mime), "width": width, "height": height}


def describe(core):
    """The program as the core describes it."""
    script = ("require(process.argv[1])().then((m) => "
              "process.stdout.write(m.cwrap('schimatios_program', 'string', [])()))")
    out = subprocess.run(["node", "-e", script, str(pathlib.Path(core).resolve())],
                         check=True, capture_output=True, text=True).stdout
    return json.loads(out)


def startup(program):
    """The form the program starts on: the page shows it before the core has compiled."""
    form = next(f for f in program["forms"] if f["name"] == program["startup"])
    return {"name": program["startup"], "form": form}


def style(text, program):
    """The style sheet with the core's measures written in: the printed page's, the focus
    ring's colour. A measure it names that the core does not give stops the build."""
    values = dict(program["printedPage"], focusRing=program["focusRing"])

    def value(match):
        if match.group(1) not in values:
            raise SystemExit("style.css: the core gives no " + match.group(1))
        return str(values[match.group(1)])

    return re.sub(r"@(\w+)@", value, text)


IMPORT = re.compile(r'^import \{([^}]*)\} from "\./([\w-]+\.js)";\n', re.M)
DECLARATION = re.compile(r"^(?:export )?(?:async )?(?:function|class|const|let) (\w+)", re.M)


def bundle(folder, entry):
    """The page's runtime modules as one script: each module after the ones it imports,
    its import lines and export words taken out, all in one function so that the entry
    may wait at its top level. Every module's top-level names must differ."""
    order, seen = [], set()

    def visit(name, path):
        if name in path:
            raise SystemExit("modules import each other: " + " -> ".join(path + [name]))
        if name in seen:
            return
        text = (folder / name).read_text(encoding="utf-8")
        for match in IMPORT.finditer(text):
            visit(match.group(2), path + [name])
        seen.add(name)
        order.append((name, text))

    visit(entry, [])
    owners = {}
    parts = []
    for name, text in order:
        for declared in DECLARATION.findall(text):
            if declared in owners:
                raise SystemExit("%s declares %s, as %s does" % (name, declared, owners[declared]))
            owners[declared] = name
        body = IMPORT.sub("", text)
        body = re.sub(r"^export ", "", body, flags=re.M)
        # The file carries the code, not its commentary (that is in the modules): whole-
        # line comments, indentation and empty lines go. (No template literal spans lines.)
        if "`" in body and re.search(r"`[^`]*\n[^`]*`", body):
            raise SystemExit(name + ": a template literal spans lines")
        body = "\n".join(line.strip() for line in body.split("\n")
                         if line.strip() and not line.strip().startswith("//"))
        parts.append("// %s\n%s" % (name, body))
    return '(async function () {\n"use strict";\n' + "\n".join(parts) + "})();\n"


def site(html, page, icons, version, folder):
    """The same page as an installable web app for a static web server: index.html with a
    manifest, its icons and a service worker that keeps everything for use offline."""
    folder.mkdir(parents=True, exist_ok=True)
    for name in SITE_ICONS:
        shutil.copyfile(icons / name, folder / name)
    html = html.replace("img-src data:", "img-src data: 'self'")
    html = html.replace("connect-src data:", "connect-src data:; manifest-src 'self'; worker-src 'self'")
    html = html.replace("<title>", (page / "site-head.html").read_text(encoding="utf-8") + "<title>")
    (folder / "index.html").write_text(html, encoding="utf-8")
    (folder / "manifest.webmanifest").write_text(
        (page / "manifest.webmanifest").read_text(encoding="utf-8"), encoding="utf-8")
    # A new page is a new cache: the worker's name for it changes with the page.
    digest = hashlib.sha256(html.encode("utf-8")).hexdigest()[:12]
    worker = (page / "sw.js").read_text(encoding="utf-8")
    worker = worker.replace("@CACHE@", "schimatios-%s-%s" % (version, digest))
    worker = worker.replace("@FILES@", json.dumps(["./", "index.html", "manifest.webmanifest"] + SITE_ICONS))
    (folder / "sw.js").write_text(worker, encoding="utf-8")


SITE_ICONS = ["icon192.png", "icon512.png", "icon-maskable512.png"]


def main():
    parser = argparse.ArgumentParser()
    for name in ("page", "core", "font", "pictures", "qr", "version", "output"):
        parser.add_argument("--" + name, required=True)
    parser.add_argument("--icons")
    parser.add_argument("--site")
    args = parser.parse_args()
    page = pathlib.Path(args.page)
    pictures = {}
    for p in sorted(pathlib.Path(args.pictures).iterdir()):
        if p.suffix not in MIME or "@" in p.stem:
            continue
        pictures[p.name] = picture(p)
        # One sharp version for every larger scale: three times the design, brought down
        # to size by the browser. (The desktop's two-times versions stay out of the file.)
        large = p.with_name(p.stem + "@3x.png")
        if large.exists():
            pictures[p.name]["large"] = data_url(large.read_bytes(), "image/png")
    # Nothing inside a <script> may close it early.
    def script(text):
        return text.replace("</script", "<\\/script")

    html = (page / "index.html").read_text(encoding="utf-8")
    program = describe(args.core)
    html = html.replace("/*STYLE*/", style((page / "style.css").read_text(encoding="utf-8"), program))
    html = html.replace("/*FONT*/", data_url(pathlib.Path(args.font).read_bytes(), "font/woff2"))
    html = html.replace("/*CORE*/", script(pathlib.Path(args.core).read_text(encoding="utf-8")))
    html = html.replace("/*PICTURES*/", json.dumps(pictures))
    html = html.replace("/*STARTUP*/", json.dumps(startup(program), ensure_ascii=False))
    # The QR code generator as npm ships it, a script of its own: the page's code uses it.
    qr = pathlib.Path(args.qr)
    if not qr.exists():
        raise SystemExit("%s is missing: run scripts/install-deps web" % qr)
    html = html.replace("/*QR*/", script(qr.read_text(encoding="utf-8")))
    html = html.replace("/*RUNTIME*/", script(bundle(page, "program.js")))
    html = html.replace("@VERSION@", args.version)
    pathlib.Path(args.output).write_text(html, encoding="utf-8")
    if args.site:
        site(html, page, pathlib.Path(args.icons), args.version, pathlib.Path(args.site))


if __name__ == "__main__":
    main()
