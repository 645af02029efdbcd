#!/usr/bin/env python3
"""Writes the release zip: both DLLs, the install scripts, the start page index.html, the
reference, the guides and the release notes as HTML pages with their pictures, the
examples, README.txt, LICENSE.txt and SHA256SUMS.

    package.py --root SOURCE-TREE --x86 DLL --x64 DLL --out FOLDER

The version is the DLLs' own (their version resource); the zip is FOLDER/morvane-VERSION.zip.
The same inputs give the same bytes: entries sorted, one fixed time (the last commit's),
fixed attributes. Text files get Windows line ends. tools/package.sh runs this.
"""
import argparse
import hashlib
import html
import re
import struct
import subprocess
import sys
import time
import zipfile
from pathlib import Path

sys.dont_write_bytecode = True   # no __pycache__ in the checkout
sys.path.insert(0, str(Path(__file__).resolve().parent))
import registration   # noqa: E402

TEXT_SUFFIXES = {".cmd", ".txt", ".html", ".js", ".vbs", ".css"}
MACHINES = {"x86": 0x14C, "x64": 0x8664}   # IMAGE_FILE_HEADER.Machine
# The version resource's key, padded to 32 bits, and the signature of the fixed part after it.
FIXED_INFO = "VS_VERSION_INFO\0".encode("utf-16-le") + b"\0\0" + struct.pack("<I", 0xFEEF04BD)


def fail(message):
    sys.exit(f"package.py: {message}")


def dll_version(path, bitness):
    """The file version of a DLL's version resource, as "major.minor.build"; checks that
    the DLL is of the bitness it is packed for."""
    data = path.read_bytes()
    if data[:2] != b"MZ":
        fail(f"{path} is not a Windows DLL")
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    if data[pe:pe + 4] != b"PE\0\0" or struct.unpack_from("<H", data, pe + 4)[0] != MACHINES[bitness]:
        fail(f"{path} is not a {bitness} DLL")
    at = data.find(FIXED_INFO)
    if at < 0:
        fail(f"{path} has no version resource")
    ms, ls = struct.unpack_from("<II", data, at + len(FIXED_INFO) + 4)   # dwFileVersionMS, LS
    return f"{ms >> 16}.{ms & 0xFFFF}.{ls >> 16}"


def windows_lines(text):
    return re.sub(r"\r?\n", "\r\n", text)


# --- the documentation as HTML pages ----------------------------------------------------

def slug(text, taken):
    """The anchor a heading gets on the project's Git host, so that the pages' links to
    headings (#dialog-keys-dialogkeys-setasdefault-setascancel) keep working."""
    base = re.sub(r"[^\w\- ]", "", text.lower()).replace(" ", "-")
    name, n = base, 0
    while name in taken:
        n += 1
        name = f"{base}-{n}"
    taken.add(name)
    return name


def add_heading_ids(body):
    raw_ids = set(re.findall(r'\bid="([^"]*)"', body))
    taken = set()

    def heading(m):
        text = html.unescape(re.sub(r"<[^>]*>", "", m.group(2)))
        name = slug(text, taken)
        if name in raw_ids:   # the page names this place itself already
            return m.group(0)
        return f'<h{m.group(1)} id="{name}">{m.group(2)}</h{m.group(1)}>'

    return re.sub(r"<h([1-6])>(.*?)</h\1>", heading, body)


def html_links(body):
    """Links between the Markdown pages point at their HTML pages."""
    return re.sub(r'href="(?![a-z]+:)([^"#]*)\.md(#[^"]*)?"',
                  lambda m: f'href="{m.group(1)}.html{m.group(2) or ""}"', body)


def render_pages(root, version):
    """Every docs/*.md as docs/NAME.html, and the release notes (CHANGES.md) as
    docs/changes.html, each with a bar of links to the start page and all of them; then
    the start page index.html. Returns name in the zip -> text."""
    docs = root / "docs"
    template = (root / "package" / "page.html").read_text(encoding="utf-8")
    sources = [(md.stem, md) for md in sorted(docs.glob("*.md"))] + [("changes", root / "CHANGES.md")]
    pages = []
    for name, md in sources:
        try:
            out = subprocess.run(["cmark-gfm", "--unsafe", "-e", "table", "-e", "autolink",
                                  "-e", "strikethrough", str(md)],
                                 check=True, capture_output=True, text=True, encoding="utf-8").stdout
        except FileNotFoundError:
            fail("cmark-gfm is missing (tools/install-deps.sh installs it)")
        title = re.search(r"<h1>(.*?)</h1>", out)
        title = html.unescape(re.sub(r"<[^>]*>", "", title.group(1))) if title else name
        pages.append((name, title, add_heading_ids(html_links(out))))
    # The reference first: it is the entry point of the documentation; the notes last.
    pages.sort(key=lambda page: (page[0] != "reference", page[0] == "changes", page[0]))

    def page(title, nav, body):
        return (template.replace("@TITLE@", html.escape(title)).replace("@VERSION@", version)
                .replace("@NAV@", nav).replace("@BODY@", body))

    def links(folder, current=None):
        start = "<strong>Start</strong>" if current == "index" else f'<a href="{"" if folder else "../"}index.html">Start</a>'
        return " · ".join([start] + [f'<a href="{folder}{other}.html">{html.escape(other_title)}</a>' if other != current
                                     else f"<strong>{html.escape(other_title)}</strong>"
                                     for other, other_title, _ in pages])

    files = {f"docs/{name}.html": page(title, links("", name), body) for name, title, body in pages}
    files["index.html"] = page("Start", links("docs/", "index"), start_page(root, version, pages))
    return files


def start_page(root, version, pages):
    """The body of index.html: what Morvane is, and links to the reference, the guides,
    the release notes, the examples, the installation and the licence."""
    def item(href, text, what=""):
        return f'<li><a href="{href}">{html.escape(text)}</a>{": " + html.escape(what) if what else ""}</li>'

    docs = [item(f"docs/{name}.html", title) for name, title, _ in pages]
    examples = []
    for script in sorted((root / "examples").glob("*.js")):
        lines = []
        for line in script.read_text(encoding="utf-8").splitlines():
            text = line.lstrip("/").strip()
            if not line.startswith("//") or not text or text.startswith("cscript"):
                break
            lines.append(text)
        vbs = script.with_suffix(".vbs")
        names = f'<a href="examples/{script.name}">{script.name}</a>' + (
            f' · <a href="examples/{vbs.name}">{vbs.name}</a>' if vbs.exists() else "")
        examples.append(f"<li>{names}: {html.escape(' '.join(lines))}</li>")
    return "\n".join([
        f"<h1>Morvane {version}</h1>",
        "<p>Morvane lets Windows scripts show real windows: forms with controls, the system's "
        "message boxes and file dialogs, and file operations through the shell. Scripts in "
        "JScript, VBScript, PowerShell, Python or VBA create it as <code>Morvane.Desktop</code>.</p>",
        "<h2>Installing</h2>",
        '<p>An organisation deploys <code>morvane-' + version + '-x64.msi</code>; without it, the '
        'scripts of this folder install Morvane. <a href="README.txt">README.txt</a> says how, '
        'and <a href="docs/hosts-and-registration.html">32-bit and 64-bit hosts</a> says where '
        'everything goes.</p>',
        "<h2>Documentation</h2>", "<ul>", *docs, "</ul>",
        "<h2>Examples</h2>",
        "<p>Each runs with <code>cscript //nologo examples\\NAME</code> once Morvane is installed.</p>",
        "<ul>", *examples, "</ul>",
        "<h2>Licence</h2>",
        '<p>Morvane is released under the MIT License: <a href="LICENSE.txt">LICENSE.txt</a>.</p>',
    ]) + "\n"


# --- the zip --------------------------------------------------------------------------

def collect(root, dlls, version):
    """Every file of the release: name in the zip -> bytes."""
    package = root / "package"
    entries = {f"{bitness}/morvane.dll": path.read_bytes() for bitness, path in dlls.items()}
    texts = {}
    fills = registration.setup_values(registration.read(root))
    for script in sorted(package.rglob("*.cmd")):
        text = script.read_text(encoding="ascii")
        for placeholder, value in fills.items():
            text = text.replace(placeholder, value)
        texts[script.relative_to(package).as_posix()] = text
    texts["README.txt"] = (package / "README.txt").read_text(encoding="utf-8").replace("@VERSION@", version)
    licence = root / "LICENSE"
    if not licence.is_file():
        fail(f"{licence} is missing: the release carries the licence")
    texts["LICENSE.txt"] = licence.read_text(encoding="utf-8")
    texts.update(render_pages(root, version))
    for example in sorted((root / "examples").iterdir()):
        if example.suffix in TEXT_SUFFIXES:
            texts[f"examples/{example.name}"] = example.read_text(encoding="utf-8")
        elif example.is_file():
            entries[f"examples/{example.name}"] = example.read_bytes()
    for image in sorted((root / "docs" / "images").iterdir()):
        entries[f"docs/images/{image.name}"] = image.read_bytes()
    for name, text in texts.items():
        entries[name] = windows_lines(text).encode("utf-8")
    sums = "".join(f"{hashlib.sha256(data).hexdigest()}  {name}\n" for name, data in sorted(entries.items()))
    entries["SHA256SUMS"] = windows_lines(sums).encode("ascii")
    return entries


def commit_time(root):
    """The time of the last commit: the same commit packs with the same time."""
    try:
        out = subprocess.run(["git", "-C", str(root), "log", "-1", "--format=%ct"],
                             check=True, capture_output=True, text=True).stdout.strip()
        return int(out)
    except (OSError, subprocess.CalledProcessError, ValueError):
        return 315532800   # 1980-01-01, the first time a zip can hold


def write_zip(path, entries, when):
    stamp = time.gmtime(max(when, 315532800))[:6]
    tmp = path.with_suffix(".tmp")
    with zipfile.ZipFile(tmp, "w") as zf:
        for name in sorted(entries):
            info = zipfile.ZipInfo(name, date_time=stamp)
            info.create_system = 0            # as written on Windows: no Unix modes
            info.external_attr = 0x20         # FILE_ATTRIBUTE_ARCHIVE
            info.compress_type = zipfile.ZIP_DEFLATED
            zf.writestr(info, entries[name], compresslevel=9)
    tmp.replace(path)


def release_arguments(description, extra=()):
    """The arguments of the release's writers (this one and msi.py): --root, --x86, --x64,
    --out and the EXTRA options (name, help). Returns them, the DLLs by bitness, and the
    DLLs' one version."""
    parser = argparse.ArgumentParser(description=description)
    for name in ("--root", "--x86", "--x64", "--out"):
        parser.add_argument(name, type=Path, required=True)
    for name, text in extra:
        parser.add_argument(name, help=text)
    args = parser.parse_args()
    dlls = {"x86": args.x86, "x64": args.x64}
    versions = {bitness: dll_version(path, bitness) for bitness, path in dlls.items()}
    if versions["x86"] != versions["x64"]:
        fail(f"the DLLs' versions differ: {versions}")
    return args, dlls, versions["x86"]


def main():
    args, dlls, version = release_arguments(__doc__.splitlines()[0])
    args.out.mkdir(parents=True, exist_ok=True)
    target = args.out / f"morvane-{version}.zip"
    write_zip(target, collect(args.root.resolve(), dlls, version), commit_time(args.root))
    print(target)


if __name__ == "__main__":
    main()
