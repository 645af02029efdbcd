#!/usr/bin/env python3
"""What registering Morvane writes below the classes, read from morvane.idl, as the
library's own DllRegisterServer writes it: the creatable classes with their ProgIDs, the
type library, and every interface of it (the dual one, the dispatch interfaces and the
event interfaces). tools/msi.py writes the MSI's Registry table from it, tools/package.py
the keys that the release's uninstall removes by their ids.

    registration.py morvane.idl     prints the keys, shared ones first
"""
import sys
from pathlib import Path

sys.dont_write_bytecode = True   # no __pycache__ in the checkout
sys.path.insert(0, str(Path(__file__).resolve().parent))
from idl_members import read_idl   # noqa: E402

PS_AUTOMATION = "{00020424-0000-0000-C000-000000000046}"   # dual interfaces
PS_DISPATCH = "{00020420-0000-0000-C000-000000000046}"     # dispinterfaces
SYSKIND = {"x64": "win64", "x86": "win32"}
# The type library's flags as RegisterTypeLib writes them: its attributes, and
# LIBFLAG_FHASDISKIMAGE, which every library loaded from a file has.
LIBFLAGS = {"restricted": 1, "control": 2, "hidden": 4}
HAS_DISK_IMAGE = 8
# The MSI's upgrade code: the same for every version, so that each finds and replaces the
# one installed before it.
UPGRADE_CODE = "{6D6F7276-616E-6500-0000-0000000000C0}"


def guid(text):
    return "{" + text.upper() + "}"


def values(idl, bitness, dll, folder):
    """Every value of that bitness's registration: (key, name or None, value). DLL and
    FOLDER are the texts written for the DLL's path and the folder of the 64-bit DLL
    (DLL is a function of the bitness it names the DLL of). The ProgID and the type library are one key
    for both registry views; they come with the 64-bit values."""
    (lib_name, lib_uuid, lib_attrs), interfaces, classes = idl
    lib = guid(lib_uuid)
    out = []
    for name, class_uuid, attrs in classes:
        if "noncreatable" in attrs:
            continue
        key, progid = f"CLSID\\{guid(class_uuid)}", f"{lib_name}.{name}"
        out += [(key, None, name), (key + "\\InprocServer32", None, dll(bitness)),
                (key + "\\InprocServer32", "ThreadingModel", "Apartment"),
                (key + "\\ProgID", None, progid), (key + "\\TypeLib", None, lib)]
        if bitness == "x64":
            out += [(progid, None, name), (progid + "\\CLSID", None, guid(class_uuid))]
    version = lib_attrs["version"][0]
    for i in interfaces:
        key, proxy = f"Interface\\{guid(i.uuid)}", PS_AUTOMATION if i.dual else PS_DISPATCH
        out += [(key, None, i.name), (key + "\\ProxyStubClsid", None, proxy),
                (key + "\\ProxyStubClsid32", None, proxy), (key + "\\TypeLib", None, lib),
                (key + "\\TypeLib", "Version", version)]
    if bitness == "x64":
        key, lcid = f"TypeLib\\{lib}\\{version}", "%x" % int(lib_attrs["lcid"][0], 0)
        flags = HAS_DISK_IMAGE | sum(bit for name, bit in LIBFLAGS.items() if name in lib_attrs)
        out += [(key, None, lib_attrs["helpstring"][0].strip('"')), (key + "\\FLAGS", None, str(flags)),
                (key + "\\HELPDIR", None, folder)]
        out += [(f"{key}\\{lcid}\\{syskind}", None, dll(b)) for b, syskind in SYSKIND.items()]
    return out


def top_keys(idl):
    """The keys that hold the whole registration: (shared, per view), each a list of
    keys below the classes."""
    (lib_name, lib_uuid, _), interfaces, classes = idl
    creatable = [(name, guid(u)) for name, u, attrs in classes if "noncreatable" not in attrs]
    shared = [f"{lib_name}.{name}" for name, _ in creatable] + [f"TypeLib\\{guid(lib_uuid)}"]
    per_view = [f"CLSID\\{clsid}" for _, clsid in creatable] + [f"Interface\\{guid(i.uuid)}" for i in interfaces]
    return shared, per_view


def packed(code):
    """A GUID as Windows Installer writes it into key names (Installer\\UpgradeCodes):
    the first three fields' digits reversed, and each byte of the rest with its digits
    swapped."""
    parts = code.strip("{}").split("-")
    rest = "".join(parts[3:])
    return "".join(p[::-1] for p in parts[:3]) + "".join(rest[i + 1] + rest[i] for i in range(0, len(rest), 2))


def setup_values(idl):
    """What the release's setup script is filled in with: its placeholders' texts."""
    shared, per_view = top_keys(idl)
    (_, _, _), _, classes = idl
    clsid = [guid(u) for _, u, attrs in classes if "noncreatable" not in attrs][0]
    quoted = lambda keys: " ".join(f'"{k}"' for k in keys)   # noqa: E731
    return {"@CLSID@": clsid, "@SHARED_KEYS@": quoted(shared), "@PER_VIEW_KEYS@": quoted(per_view),
            "@MSI_UPGRADE_KEY@": packed(UPGRADE_CODE)}


def read(root):
    return read_idl(Path(root) / "src" / "com" / "morvane.idl")


if __name__ == "__main__":
    shared, per_view = top_keys(read_idl(sys.argv[1]))
    print("\n".join(shared + per_view))
