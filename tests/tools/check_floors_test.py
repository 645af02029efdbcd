#!/usr/bin/env python3
"""The floor check on small trees: it passes one that runs one way and refuses an include
that climbs a floor, two modules of a floor that include each other, and a longer cycle."""
import pathlib
import subprocess
import sys
import tempfile

CHECK = pathlib.Path(__file__).resolve().parents[2] / "tools" / "check_floors.py"

CASES = [
    # (name, {file: [included headers]}, passes, words the refusal names)
    ("one way", {"core/a.h": [], "control/b.h": ["core/a.h"], "control/b.cpp": ["control/b.h", "control/c.h"],
                 "control/c.h": ["core/a.h"]}, True, []),
    ("climbs", {"core/a.h": ["control/b.h"], "control/b.h": []}, False, ["core/a.h", "not below core/"]),
    ("side by side", {"window/w.h": ["com/c.h"], "com/c.h": []}, False, ["window/w.h", "not below window/"]),
    ("pair", {"control/b.h": [], "control/b.cpp": ["control/c.h"], "control/c.h": [],
              "control/c.cpp": ["control/b.h"]}, False, ["control/b, control/c include each other"]),
    ("ring", {"form/x.h": ["form/y.h"], "form/y.h": ["form/z.h"], "form/z.cpp": ["form/x.h"]}, False,
     ["form/x, form/y, form/z include each other"]),
]


def run(files):
    with tempfile.TemporaryDirectory() as root:
        for name, includes in files.items():
            path = pathlib.Path(root) / name
            path.parent.mkdir(parents=True, exist_ok=True)
            path.write_text("".join(f'#include "{h}"\n' for h in includes))
        done = subprocess.run([sys.executable, str(CHECK), root], capture_output=True, text=True)
        return done.returncode, done.stderr


def main():
    failures = 0
    for name, files, passes, words in CASES:
        code, said = run(files)
        ok = (code == 0) == passes and all(w in said for w in words)
        if not ok:
            failures += 1
            print(f"FAIL {name}: exit {code}, said {said!r}")
    print("PASS" if failures == 0 else f"{failures} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
