#!/usr/bin/env python3
"""Fails (exit 1) when an include climbs a floor of src/, or when two modules of com/ (a .h
with its .cpp) include each other's headers.

The folders are floors, each including only from those below it:
core; com and shell; window; control; form; desktop. In com/, the floor every object and
event rests on, a module may include another one's header, but never both ways.

    tools/check_floors.py SRC_DIR [STAMP]   (the build writes STAMP when all is well)
"""
import pathlib
import re
import sys

FLOORS = {"core": 0, "com": 1, "shell": 1, "window": 2, "control": 3, "form": 4, "desktop": 5}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([a-z_]+)/([A-Za-z0-9_]+)\.h"', re.M)


def main(src, stamp=None):
    src = pathlib.Path(src)
    faults = []
    uses = {}  # (folder, module) -> modules of the same folder it includes
    for path in sorted(src.glob("*/*")):
        if path.suffix not in (".h", ".cpp") or path.parent.name not in FLOORS:
            continue
        folder, module = path.parent.name, path.stem
        for to_folder, to_module in INCLUDE.findall(path.read_text(encoding="utf-8")):
            if to_folder not in FLOORS:
                continue
            where = f"{path.relative_to(src)}: includes {to_folder}/{to_module}.h"
            if to_folder == folder:
                if folder == "com" and to_module != module:
                    uses.setdefault((folder, module), set()).add(to_module)
            elif FLOORS[to_folder] >= FLOORS[folder]:
                faults.append(f"{where}, which is not below {folder}/")
    for (folder, module), others in sorted(uses.items()):
        for other in sorted(others):
            if module < other and module in uses.get((folder, other), ()):
                faults.append(f"{folder}/{module} and {folder}/{other} include each other")
    for fault in faults:
        print(f"check_floors: {fault}", file=sys.stderr)
    if faults:
        return 1
    if stamp:
        pathlib.Path(stamp).write_text("floors hold\n")
    return 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
