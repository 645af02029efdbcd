#!/usr/bin/env python3
"""Writes the MSI an organisation deploys: per machine, the 64-bit DLL into
%ProgramFiles%\\Morvane and the 32-bit one into %ProgramFiles(x86)%\\Morvane, with the
registration in the package's own Registry table for both registry views (no
self-registration), so that repair restores it and uninstall removes exactly it.

    msi.py --root SOURCE-TREE --x86 DLL --x64 DLL --out FOLDER [--version X.Y.Z]

The package is FOLDER/morvane-VERSION-x64.msi; the version is the DLLs' own (--version
overrides it, for the tests' upgrades). The registration is read from morvane.idl, as
the library's own DllRegisterServer writes it (tools/registration.py). The same inputs
give the same bytes: the product and package codes are derived from the version and the
DLLs, the files and the package carry the last commit's time. Needs wixl and msibuild (msitools) and faketime.
tools/package.sh runs this.
"""
import hashlib
import re
import shutil
import subprocess
import sys
import tempfile
import uuid
from pathlib import Path
from xml.sax.saxutils import quoteattr

sys.dont_write_bytecode = True   # no __pycache__ in the checkout
sys.path.insert(0, str(Path(__file__).resolve().parent))
import registration                                                    # noqa: E402
from package import commit_time, fail, release_arguments, windows_lines   # noqa: E402

# The name the product, package and component codes are derived from.
NAMESPACE = uuid.UUID("6d6f7276-616e-6500-0000-00000000a151")
VIEWS = {"x64": {"folder": "ProgramFiles64Folder", "win64": "yes"},
         "x86": {"folder": "ProgramFilesFolder", "win64": "no"}}


def derived(*parts):
    return registration.guid(str(uuid.uuid5(NAMESPACE, "/".join(parts))))


def product_names(root):
    """The product, its makers and the copyright, as the version resource has them."""
    text = (root / "src" / "version.h").read_text(encoding="utf-8")
    names = dict(re.findall(r'#define MORVANE_(PRODUCT_NAME|COMPANY_NAME|COPYRIGHT) "([^"]*)"', text))
    if len(names) != 3:
        fail("src/version.h names no product, company or copyright")
    return names


def registry_xml(values):
    out = []
    for key in dict.fromkeys(k for k, _, _ in values):   # in order, each key once
        out.append(f'          <RegistryKey Root="HKCR" Key={quoteattr(key)}>')
        for _, name, value in (v for v in values if v[0] == key):
            named = f" Name={quoteattr(name)}" if name else ""
            out.append(f'            <RegistryValue Type="string"{named} Value={quoteattr(value)}/>')
        out.append("          </RegistryKey>")
    return out


def own_file(bitness):
    """How a component's registry rows name a DLL: its own file as [#file], the other
    bitness's by its folder (Windows Installer's ICE69: a [#file] of another component's
    file is an error, and the type library's key, written with the 64-bit values, names
    both DLLs)."""
    return lambda b: f"[#dll_{b}]" if b == bitness else f"[dir_{b}]morvane.dll"


def wxs(names, version, package_code, idl):
    product = names["PRODUCT_NAME"]
    comment = f"Windows for host scripts. {names['COPYRIGHT']}: LICENSE.txt in its folder of Program Files."
    out = ['<?xml version="1.0" encoding="utf-8"?>',
           '<Wix xmlns="http://schemas.microsoft.com/wix/2006/wi">',
           f'  <Product Id="{derived("product", version)}" Name="{product}" Language="1033" Version="{version}"'
           f' Manufacturer={quoteattr(names["COMPANY_NAME"])} UpgradeCode="{registration.UPGRADE_CODE}">',
           f'    <Package Id="{package_code}" InstallerVersion="500" Compressed="yes" InstallScope="perMachine"'
           f' Description="{product} {version}" Comments={quoteattr(comment)} Manufacturer={quoteattr(names["COMPANY_NAME"])}/>',
           f'    <MajorUpgrade DowngradeErrorMessage="A newer version of {product} is already installed. To install'
           f' this older one, uninstall the newer one first (Apps and features, or msiexec /x)."/>',
           '    <Media Id="1" Cabinet="morvane.cab" EmbedCab="yes"/>',
           # An x64 package never starts on 32-bit Windows: the installer itself refuses it
           # (1633, "not supported by this processor type"). This says what to do instead.
           f'    <Condition Message="{product} installs its 64-bit and its 32-bit DLL and needs 64-bit Windows.'
           f' On 32-bit Windows, run install-for-everyone.cmd of the release zip instead.">VersionNT64</Condition>',
           f'    <Property Id="ARPCOMMENTS" Value={quoteattr(comment)}/>',
           '    <Property Id="ARPNOMODIFY" Value="1"/>',
           '    <Directory Id="TARGETDIR" Name="SourceDir">']
    for bitness, view in VIEWS.items():
        out += [f'      <Directory Id="{view["folder"]}">',
                f'        <Directory Id="dir_{bitness}" Name="{product}">',
                f'        <Component Id="dll_{bitness}" Guid="{derived("component", bitness)}" Win64="{view["win64"]}">',
                f'          <File Id="dll_{bitness}" Name="morvane.dll" Source="{bitness}/morvane.dll" KeyPath="yes"/>']
        out += registry_xml(registration.values(idl, bitness, own_file(bitness), "[dir_x64]"))
        out.append("        </Component>")
        if bitness == "x64":
            out += [f'        <Component Id="licence" Guid="{derived("component", "licence")}" Win64="yes">',
                    '          <File Id="licence" Name="LICENSE.txt" Source="LICENSE.txt" KeyPath="yes"/>',
                    "        </Component>"]
        out += ["        </Directory>", "      </Directory>"]
    out += ['    </Directory>', '    <Feature Id="Complete" Level="1">',
            '      <ComponentRef Id="dll_x64"/>', '      <ComponentRef Id="dll_x86"/>',
            '      <ComponentRef Id="licence"/>', "    </Feature>", "  </Product>", "</Wix>"]
    return "\n".join(out) + "\n"


def build(root, dlls, version, out):
    names = product_names(root)
    idl = registration.read(root)
    digest = hashlib.sha256(version.encode())
    for path in dlls.values():
        digest.update(path.read_bytes())
    package_code = derived("package", digest.hexdigest())
    when = commit_time(root)
    clock = subprocess.run(["date", "-u", "-d", f"@{when}", "+%Y-%m-%d %H:%M:%S"],
                           check=True, capture_output=True, text=True).stdout.strip()
    target = out / f"morvane-{version}-x64.msi"
    with tempfile.TemporaryDirectory() as tmp:
        stage = Path(tmp)
        for bitness, path in dlls.items():
            (stage / bitness).mkdir()
            shutil.copyfile(path, stage / bitness / "morvane.dll")
        (stage / "LICENSE.txt").write_bytes(windows_lines((root / "LICENSE").read_text(encoding="utf-8")).encode())
        for f in stage.rglob("*"):
            if f.is_file():
                subprocess.run(["touch", "-d", f"@{when}", str(f)], check=True)
        (stage / "morvane.wxs").write_text(wxs(names, version, package_code, idl), encoding="utf-8")
        try:
            # wixl stamps the time of its run and a random revision into the summary:
            # one fixed time, and the package code msibuild writes over the revision.
            subprocess.run(["faketime", "-f", f"@{clock}", "wixl", "-a", "x64", "-o", "package.msi", "morvane.wxs"],
                           cwd=stage, check=True, env={"TZ": "UTC", "PATH": "/usr/bin:/bin"})
            subprocess.run(["msibuild", "package.msi", "-s", f"{names['PRODUCT_NAME']} {version}",
                            names["COMPANY_NAME"], "x64;1033", package_code], cwd=stage, check=True)
        except FileNotFoundError as e:
            fail(f"{e.filename} is missing (tools/install-deps.sh installs it)")
        except subprocess.CalledProcessError as e:
            fail(f"{e.cmd[0]} failed ({e.returncode})")
        out.mkdir(parents=True, exist_ok=True)
        shutil.copyfile(stage / "package.msi", target)
    return target


def main():
    args, dlls, version = release_arguments(__doc__.splitlines()[0],
                                            [("--version", "another version than the DLLs' own")])
    print(build(args.root.resolve(), dlls, args.version or version, args.out))


if __name__ == "__main__":
    main()
