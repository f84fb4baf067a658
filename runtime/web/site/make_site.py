#!/usr/bin/python3
"""Makes a program's site from its script: index.html with the script, and
the WebAssembly inside it, inline under a strict content security policy, so
that the one file works from a web server and from a USB stick; the web app
manifest, with the icon in the sizes tablets and phones ask for; and the
service worker that keeps the site for offline use.

Usage: make_site.py --script JS --wasm WASM --icon PNG --name NAME
                    --language LANG --version VERSION --out DIR
"""

import argparse
import base64
import hashlib
import html
import json
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
ICON_SIZES = (180, 192, 512)


def read_png(path):
    """Width, height and RGBA rows of an 8-bit RGBA PNG whose rows are not
    filtered, as the icon tool writes it."""
    with open(path, "rb") as file:
        data = file.read()
    at, idat, width, height = 8, b"", 0, 0
    while at < len(data):
        length, kind = struct.unpack(">I4s", data[at:at + 8])
        body = data[at + 8:at + 8 + length]
        if kind == b"IHDR":
            width, height = struct.unpack(">II", body[:8])
        elif kind == b"IDAT":
            idat += body
        at += 12 + length
    raw = zlib.decompress(idat)
    stride = width * 4 + 1
    return width, height, [raw[y * stride + 1:(y + 1) * stride] for y in range(height)]


def png(width, height, rows):
    def chunk(kind, body):
        return (struct.pack(">I", len(body)) + kind + body
                + struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF))
    raw = b"".join(b"\0" + row for row in rows)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def scaled(width, height, rows, size):
    """The drawing at `size` pixels, each of its pixels a square of them."""
    out = []
    for y in range(size):
        row = rows[y * height // size]
        out.append(b"".join(row[(x * width // size) * 4:(x * width // size) * 4 + 4]
                            for x in range(size)))
    return out


def main():
    options = argparse.ArgumentParser()
    for name in ("script", "wasm", "icon", "name", "language", "version", "description", "out"):
        options.add_argument("--" + name, required=True)
    arguments = options.parse_args()
    os.makedirs(arguments.out, exist_ok=True)

    def write(name, data):
        with open(os.path.join(arguments.out, name), "wb") as file:
            file.write(data if isinstance(data, bytes) else data.encode("utf-8"))

    width, height, rows = read_png(arguments.icon)
    icons = []
    for size in ICON_SIZES:
        name = f"icon-{size}.png"
        write(name, png(size, size, scaled(width, height, rows, size)))
        icons.append({"src": name, "sizes": f"{size}x{size}", "type": "image/png",
                      "purpose": "any"})

    # The WebAssembly handed to Emscripten's script ready-made, so that it
    # asks for no file or data: address, which the policy would refuse.
    with open(arguments.wasm, "rb") as file:
        wasm = base64.b64encode(file.read()).decode()
    # It compiles while the browser reads the rest of the script.
    script = ("var Module = (function (text) {\n"
              "  var bytes = new Uint8Array(text.length);\n"
              "  for (var i = 0; i < text.length; ++i) bytes[i] = text.charCodeAt(i);\n"
              "  var compiled = WebAssembly.compile(bytes);\n"
              "  return { instantiateWasm: function (imports, ready) {\n"
              "    compiled.then(function (module) { return WebAssembly.instantiate(module, imports); })\n"
              "      .then(function (instance) { ready(instance, compiled); });\n"
              "    return {};\n"
              "  } };\n"
              "})(atob('" + wasm + "'));\n")
    with open(arguments.script, encoding="utf-8") as file:
        script += file.read()
    with open(os.path.join(HERE, "register.js"), encoding="utf-8") as file:
        script += "\n" + file.read()
    if "</script" in script.lower():
        raise SystemExit("make_site.py: the script would end the page's script element")
    digest = base64.b64encode(hashlib.sha256(script.encode("utf-8")).digest()).decode()
    with open(os.path.join(HERE, "index.html.in"), encoding="utf-8") as file:
        page = file.read()
    with open(arguments.icon, "rb") as file:
        icon = base64.b64encode(file.read()).decode()
    for key, value in (("@LANGUAGE@", arguments.language), ("@NAME@", arguments.name),
                       ("@DESCRIPTION@", html.escape(arguments.description)),
                       ("@SCRIPT_HASH@", "sha256-" + digest), ("@ICON@", icon)):
        page = page.replace(key, value)
    page = page.replace("@SCRIPT@", script)
    write("index.html", page)

    write("manifest.webmanifest", json.dumps({
        "name": arguments.name, "short_name": arguments.name, "lang": arguments.language,
        "description": arguments.description,
        "start_url": "./index.html", "scope": "./", "display": "standalone",
        "icons": icons}, ensure_ascii=False, indent=2) + "\n")

    files = ["./", "index.html", "manifest.webmanifest"] + [icon["src"] for icon in icons]
    # A new page is a new cache, which replaces the old one.
    cache = f"{arguments.version}-{hashlib.sha256(page.encode('utf-8')).hexdigest()[:12]}"
    with open(os.path.join(HERE, "sw.js.in"), encoding="utf-8") as file:
        worker = file.read()
    write("sw.js", worker.replace("@CACHE@", cache)
          .replace("@FILES@", ", ".join(json.dumps(name) for name in files)))


if __name__ == "__main__":
    main()
