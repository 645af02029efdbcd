#!/usr/bin/env python3
"""The release zip as a downloader gets it: packed twice from the same DLLs and sources
it is the same bytes; it holds what README.txt promises; SHA256SUMS is right for every
file; text files end their lines the Windows way; and the HTML pages read offline: every
link leads to a file of the zip (to a place on the page when it names one) and every
picture is there. Prints "ok: ..." per check, "FAIL: ..." per failure, PASS when all held.
    check_zip.py ROOT DLL32 DLL64 WORK
"""
import hashlib
import posixpath
import re
import shutil
import subprocess
import sys
import time
import zipfile
from html.parser import HTMLParser
from pathlib import Path

failures = 0


def check(what, good, detail=""):
    global failures
    print(f"ok: {what}" if good else f"FAIL: {what}: {detail}")
    failures += 0 if good else 1


def pack(root, dll32, dll64, out):
    """The zip and the MSI package.sh writes into OUT."""
    subprocess.run([str(root / "tools" / "package.sh"), "--dlls", dll32, dll64, "--out", str(out)],
                   check=True, stdout=subprocess.DEVNULL)
    zips, msis = sorted(out.glob("morvane-*[0-9].zip")), sorted(out.glob("morvane-*-x64.msi"))
    assert len(zips) == 1 and len(msis) == 1, (zips, msis)
    return zips[0], msis[0]


class Page(HTMLParser):
    """The places a page names (id and name attributes) and the links and pictures it has."""

    def __init__(self, text):
        super().__init__()
        self.ids, self.links, self.pictures = set(), [], []
        self.feed(text)

    def handle_starttag(self, tag, attrs):
        attrs = dict(attrs)
        self.ids.update(v for k, v in attrs.items() if k in ("id", "name") and v)
        if tag == "a" and attrs.get("href"):
            self.links.append(attrs["href"])
        if tag == "img":
            self.pictures.append(attrs.get("src", ""))


def broken_links(files):
    """Each link or picture of the pages that leads nowhere in the zip, with its page."""
    pages = {name: Page(data.decode("utf-8")) for name, data in files.items() if name.endswith(".html")}
    broken = []
    for name, page in pages.items():
        for link in page.links + page.pictures:
            if re.match(r"[a-z]+:", link):   # http:, mailto: ...: not a file of the zip
                continue
            path, _, place = link.partition("#")
            target = posixpath.normpath(posixpath.join(posixpath.dirname(name), path)) if path else name
            if target not in files:
                broken.append(f"{name} -> {link}")
            elif place and target in pages and place not in pages[target].ids:
                broken.append(f"{name} -> {link} (no such place on the page)")
    for name, page in pages.items():
        for picture in page.pictures:
            if not re.search(r"\.(png|gif|jpe?g)$", picture):
                broken.append(f"{name} shows {picture}, not a picture file")
    return broken, sum(len(p.links) for p in pages.values()), sum(len(p.pictures) for p in pages.values())


def main():
    root, dll32, dll64, work = Path(sys.argv[1]), sys.argv[2], sys.argv[3], Path(sys.argv[4]) / "zip"
    shutil.rmtree(work, ignore_errors=True)
    first, msi = pack(root, dll32, dll64, work / "first")
    time.sleep(2.1)   # a zip records times in steps of two seconds
    second, msi_again = pack(root, dll32, dll64, work / "second")
    check("packed twice, the same bytes", first.read_bytes() == second.read_bytes(),
          "the two zips differ")
    check("the MSI made twice, the same bytes", msi.read_bytes() == msi_again.read_bytes(),
          "the two MSIs differ")
    published = (work / "first" / "SHA256SUMS").read_text(encoding="ascii").splitlines()
    check("dist/SHA256SUMS has the zip's and the MSI's checksums",
          sorted(published) == sorted(f"{hashlib.sha256(f.read_bytes()).hexdigest()}  {f.name}" for f in (first, msi)),
          published)

    with zipfile.ZipFile(first) as zf:
        files = {info.filename: zf.read(info) for info in zf.infolist()}
    version = re.fullmatch(r"morvane-(\d+\.\d+\.\d+)\.zip", first.name)
    check("named for the version", version is not None, first.name)
    readme = files.get("README.txt", b"").decode("utf-8")
    check("README.txt names the version", bool(version) and f"Morvane {version.group(1)}" in readme)

    wanted = ["x86/morvane.dll", "x64/morvane.dll", "install-for-me.cmd", "install-for-everyone.cmd",
              "uninstall.cmd", "setup/morvane-setup.cmd", "README.txt", "LICENSE.txt", "SHA256SUMS",
              "docs/reference.html", "docs/changes.html", "index.html", "examples/copy_progress.js", "examples/copy_progress.vbs"]
    check("holds what README.txt lists", all(w in files for w in wanted),
          [w for w in wanted if w not in files])
    for folder in ("docs/", "examples/", "x86/", "x64/"):
        check(f"README.txt tells about {folder}", folder.rstrip("/").replace("/", "\\") in readme)
    for bitness, machine in (("x86", 0x14C), ("x64", 0x8664)):
        dll = files.get(f"{bitness}/morvane.dll", b"")
        pe = int.from_bytes(dll[0x3C:0x40], "little") if len(dll) > 0x40 else 0
        check(f"{bitness}/morvane.dll is a DLL of that bitness",
              int.from_bytes(dll[pe + 4:pe + 6], "little") == machine)
        built = Path(dll32 if bitness == "x86" else dll64).read_bytes()
        check(f"{bitness}/morvane.dll has no debug sections ({len(dll)} bytes, built {len(built)})",
              b".debug_" in built and b".debug_" not in dll and len(dll) < len(built))
    check("LICENSE.txt is the MIT License",
          files.get("LICENSE.txt", b"").startswith(b"MIT License") and b"the Morvane developers" in files["LICENSE.txt"])
    check("the scripts know Morvane's keys",
          all(b"@" not in files[n].replace(b"@echo", b"") for n in files if n.endswith(".cmd")))

    sums = {}
    for line in files.get("SHA256SUMS", b"").decode("ascii").splitlines():
        digest, _, name = line.partition("  ")
        sums[name] = digest
    listed = set(sums) == set(files) - {"SHA256SUMS"}
    check("SHA256SUMS lists every other file", listed, set(files) ^ set(sums) ^ {"SHA256SUMS"})
    wrong = [n for n, d in sums.items() if n in files and hashlib.sha256(files[n]).hexdigest() != d]
    check("SHA256SUMS has each file's checksum", not wrong, wrong)

    text = [n for n in files if re.search(r"\.(cmd|txt|html|js|vbs)$", n) or n == "SHA256SUMS"]
    unix = [n for n in text if re.search(rb"(?<!\r)\n", files[n])]
    check(f"{len(text)} text files end their lines with CR LF", not unix, unix)
    scripts = [n for n in files if n.endswith(".cmd")]
    check("the scripts are plain ASCII, as cmd reads them", all(files[n].isascii() for n in scripts))

    pages = [n for n in files if n.startswith("docs/") and n.endswith(".html")]
    sources = sorted([p.stem for p in (root / "docs").glob("*.md")] + ["changes"])
    check("a page for each guide, the reference and the release notes",
          sorted(posixpath.basename(n)[:-5] for n in pages) == sources, pages)
    start = Page(files.get("index.html", b"").decode("utf-8"))
    wanted = set(pages) | {n for n in files if n.startswith("examples/") and n.endswith((".js", ".vbs"))}
    check("the start page links every page and example", wanted <= set(start.links), wanted - set(start.links))
    broken, links, pictures = broken_links(files)
    check(f"{links} links and {pictures} pictures of {len(pages)} pages all lead into the zip",
          not broken and links > 0 and pictures > 0, "\n    ".join([""] + broken))
    if failures == 0:
        print("PASS")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
