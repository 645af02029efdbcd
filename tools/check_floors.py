#!/usr/bin/env python3
"""Fails (exit 1) when an include climbs a floor of src/, or when modules of one floor (a
.h with its .cpp) include each other, directly or round a longer cycle.

The folders are floors, each including only from those below it: core; com, shell and
window (side by side: none includes another); control; form; desktop. Within a folder the
modules run one way too: what two modules both need is split into a lower one.

    tools/check_floors.py SRC_DIR [STAMP]   (the build writes STAMP when all is well)
"""
import pathlib
import re
import sys

FLOORS = {"core": 0, "com": 1, "shell": 1, "window": 1, "control": 2, "form": 3, "desktop": 4}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([a-z_]+)/([A-Za-z0-9_]+)\.h"', re.M)


def cycles(uses):
    """The strongly connected groups of more than one module (Tarjan), each sorted."""
    index, low, stack, on_stack, found = {}, {}, [], set(), []

    def visit(node):
        index[node] = low[node] = len(index)
        stack.append(node)
        on_stack.add(node)
        for other in sorted(uses.get(node, ())):
            if other not in index:
                visit(other)
                low[node] = min(low[node], low[other])
            elif other in on_stack:
                low[node] = min(low[node], index[other])
        if low[node] == index[node]:
            group = []
            while True:
                member = stack.pop()
                on_stack.discard(member)
                group.append(member)
                if member == node:
                    break
            if len(group) > 1:
                found.append(sorted(group))

    for node in sorted(uses):
        if node not in index:
            visit(node)
    return sorted(found)


def main(src, stamp=None):
    src = pathlib.Path(src)
    faults = []
    uses = {}  # "folder/module" -> modules of the same folder it includes
    for path in sorted(src.glob("*/*")):
        if path.suffix not in (".h", ".cpp") or path.parent.name not in FLOORS:
            continue
        folder, module = path.parent.name, path.stem
        for to_folder, to_module in INCLUDE.findall(path.read_text(encoding="utf-8")):
            if to_folder not in FLOORS:
                continue
            where = f"{path.relative_to(src)}: includes {to_folder}/{to_module}.h"
            if to_folder == folder:
                if to_module != module:
                    uses.setdefault(f"{folder}/{module}", set()).add(f"{folder}/{to_module}")
            elif FLOORS[to_folder] >= FLOORS[folder]:
                faults.append(f"{where}, which is not below {folder}/")
    for group in cycles(uses):
        faults.append(f"{', '.join(group)} include each other (a module cycle)")
    for fault in faults:
        print(f"check_floors: {fault}", file=sys.stderr)
    if faults:
        return 1
    if stamp:
        pathlib.Path(stamp).write_text("floors hold\n")
    return 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
