"""Fails when a source file includes a folder its own may not, or two files include each other.

The allowed includes are the architecture table of the README: app drives the others, which
never call back up; shell is the bottom. res/resource.h, and version.h generated from
res/version.h.in, may be included anywhere.
"""
import pathlib
import re
import sys

MAY_INCLUDE = {
    "app": {"app", "view", "paste", "settings", "store", "about", "shell"},
    "view": {"view", "settings", "store", "shell"},
    "paste": {"paste", "shell"},
    "settings": {"settings", "store"},
    "store": {"store"},
    "about": {"about", "shell"},
    "shell": {"shell"},
}

source = pathlib.Path(sys.argv[1])
includes = {}
faults = []
for path in sorted(source.rglob("*.[ch]*")):
    module = path.relative_to(source).with_suffix("").as_posix()
    folder = module.split("/")[0]
    for included in re.findall(r'#include "([^"]+)"', path.read_text(encoding="utf-8")):
        if included in ("resource.h", "version.h"):
            continue
        target = included.rsplit(".", 1)[0]
        if target.split("/")[0] not in MAY_INCLUDE[folder]:
            faults.append(f"{path}: {folder}/ may not include {included}")
        if target != module:
            includes.setdefault(module, set()).add(target)
for module, targets in includes.items():
    for target in targets:
        if module < target and module in includes.get(target, ()):
            faults.append(f"{module} and {target} include each other")
print("\n".join(faults) or "every include follows the layers")
sys.exit(1 if faults else 0)
