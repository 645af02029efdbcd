#!/usr/bin/env python3
"""The release's MSI against the rules of Windows Installer's validation (ICE) that its
exported tables show without Windows (wixl runs no ICE; Orca, MsiVal2 and the packaging
checks of management tools do):

- every [#file], [!file] and [$component] of a Registry row names its own component's
  file or that component itself (ICE69);
- every component has a key path;
- every Registry row's component exists;
- no two components write one key and name in one registry view.

Each rule is first shown to catch a package that breaks it, then the release's package
(made by tools/msi.py from the two DLLs) is read with `msiinfo export`.

    check_msi_tables.py ROOT DLL32 DLL64 WORK
"""
import re
import subprocess
import sys
from pathlib import Path

sys.dont_write_bytecode = True   # no __pycache__ in the checkout

REFERENCE = re.compile(r"\[([#!$])([^\]]+)\]")
COMPONENT_64BIT = 256            # msidbComponentAttributes64bit: the 64-bit registry view
KEY_ACTIONS = {"+", "-", "*"}    # a Name that creates or removes the key, no value
CLASSES = "software\\classes\\"  # HKEY_CLASSES_ROOT (Root 0) of a per-machine package


def read_table(msi, table):
    """The rows of one table as dictionaries by column name (an empty column is "")."""
    text = subprocess.run(["msiinfo", "export", str(msi), table], check=True, capture_output=True,
                          text=True).stdout
    lines = text.replace("\r", "").split("\n")
    columns = lines[0].split("\t")
    return [dict(zip(columns, line.split("\t"))) for line in lines[3:] if line]


def problems(tables):
    """What breaks the rules, one line each; none for a valid package."""
    components = {c["Component"]: c for c in tables["Component"]}
    file_component = {f["File"]: f["Component_"] for f in tables["File"]}
    out = [f"component {c} has no key path" for c, row in components.items() if not row["KeyPath"]]
    written = {}
    for row in tables["Registry"]:
        own = row["Component_"]
        if own not in components:
            out.append(f"registry row {row['Registry']} names component {own}, which does not exist")
            continue
        for column in ("Key", "Name", "Value"):
            for sign, name in REFERENCE.findall(row[column]):
                named = name if sign == "$" else file_component.get(name)
                if named != own:
                    out.append(f"ICE69: registry row {row['Registry']} of {own} names [{sign}{name}] of {named}")
        if row["Name"] in KEY_ACTIONS:
            continue
        root, key = int(row["Root"]), row["Key"].lower()
        if root == 0:
            root, key = 2, CLASSES + key
        view = "64" if int(components[own]["Attributes"] or 0) & COMPONENT_64BIT else "32"
        place = (view, root, key, row["Name"].lower())
        if place in written and written[place] != own:
            out.append(f"{written[place]} and {own} both write {key} {row['Name'] or '(default)'} "
                       f"in the {view}-bit view")
        written.setdefault(place, own)
    return out


def broken_packages():
    """A valid package, and one copy breaking each rule: (why, tables, whether valid)."""
    def package(**change):
        tables = {
            "Component": [{"Component": "a", "Attributes": "256", "KeyPath": "fa"},
                          {"Component": "b", "Attributes": "0", "KeyPath": "fb"}],
            "File": [{"File": "fa", "Component_": "a"}, {"File": "fb", "Component_": "b"}],
            "Registry": [{"Registry": "r1", "Root": "0", "Key": "K", "Name": "", "Value": "[#fa]", "Component_": "a"},
                         {"Registry": "r2", "Root": "0", "Key": "K", "Name": "", "Value": "[$b]", "Component_": "b"},
                         {"Registry": "r3", "Root": "2", "Key": "Software\\Classes\\L", "Name": "",
                          "Value": "[dir]x.dll", "Component_": "a"}],
        }
        for table, (index, column, value) in change.items():
            tables[table][index][column] = value
        return tables
    return [
        ("a valid package", package(), True),
        ("a file of another component", package(Registry=(0, "Value", "x [#fb]")), False),
        ("a file of another component in a key", package(Registry=(0, "Key", "K\\[!fb]")), False),
        ("another component", package(Registry=(1, "Value", "[$a]")), False),
        ("a component without a key path", package(Component=(1, "KeyPath", "")), False),
        ("a row of no component", package(Registry=(2, "Component_", "c")), False),
        ("one key and name from two components in one view", package(Component=(1, "Attributes", "256")), False),
        ("the same through HKEY_CLASSES_ROOT and HKEY_LOCAL_MACHINE",
         package(Registry=(2, "Key", "Software\\Classes\\K"), Component=(1, "Attributes", "256")), False),
    ]


def main():
    root, dll32, dll64, work = (Path(a) for a in sys.argv[1:5])
    failures = 0
    for why, tables, valid in broken_packages():
        if (not problems(tables)) != valid:
            print(f"FAIL: the check {'refuses' if valid else 'lets through'} {why}")
            failures += 1
    made = subprocess.run([sys.executable, str(root / "tools" / "msi.py"), "--root", str(root), "--x86", str(dll32),
                           "--x64", str(dll64), "--out", str(work / "ice")], capture_output=True, text=True)
    if made.returncode:
        sys.exit(f"FAIL: tools/msi.py: {made.stdout}{made.stderr}")
    msi = Path(made.stdout.strip())
    tables = {t: read_table(msi, t) for t in ("Component", "File", "Registry")}
    found = problems(tables)
    for line in found:
        print(f"FAIL: {msi.name}: {line}")
    failures += len(found)
    print(f"{len(tables['Registry'])} registry rows of {len(tables['Component'])} components read")
    if failures:
        sys.exit(1)
    print("PASS")


if __name__ == "__main__":
    main()
