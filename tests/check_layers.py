"""Fails when the program's objects break the layers: calls go one way, app drives the others,
which never call back up, and shell is the bottom.

It reads what the compiler and the linker see in a build folder, however the source spells it:
- every header an object really included, from the compiler's dependency records
  (`ninja -t deps`), must lie in a folder its own folder may use;
- every symbol an object leaves undefined (`nm`) must be defined in a folder its own folder may
  use, or come from outside the program (the C++ and Windows libraries).
It also fails on two source files that include each other.

MAY_USE is the one table of the layers; the README's architecture table describes it.
res/resource.h and version.h (made from res/version.h.in) may be included anywhere.

usage: check_layers.py PROJECT_SOURCE_DIR BUILD_DIR NINJA NM
"""
import collections
import os
import pathlib
import re
import subprocess
import sys

MAY_USE = {
    "app": {"app", "view", "paste", "settings", "store", "about", "shell"},
    "view": {"view", "settings", "store", "shell"},
    "paste": {"paste", "shell"},
    "settings": {"settings", "store"},
    "store": {"store"},
    "about": {"about", "shell"},
    "shell": {"shell"},
}

project, build, ninja, nm = (pathlib.Path(sys.argv[1]).resolve(), pathlib.Path(sys.argv[2]),
                             sys.argv[3], sys.argv[4])
source = project / "src"
tool_env = dict(os.environ, LC_ALL="C")
faults = []


def in_project(path):
    """A path the build names, relative to the project where it lies inside it."""
    resolved = pathlib.Path(os.path.normpath(build / path))
    return resolved.relative_to(project) if resolved.is_relative_to(project) else resolved


def folder_of(path):
    """The folder under src/ that a file belongs to, or None for a file outside src/."""
    parts = in_project(path).parts
    return parts[1] if len(parts) > 2 and parts[0] == "src" else None


def source_of(obj):
    """The source of an object, from CMake's names: DIR/CMakeFiles/TARGET.dir/PATH.o was compiled
    from DIR/PATH, "__" standing for "..". (The compiler may have read a rewritten copy.)"""
    if "/CMakeFiles/" not in obj:
        return None
    folder, inside = obj.split("/CMakeFiles/", 1)
    path = [".." if part == "__" else part for part in inside.split("/")[1:]]
    return project / folder / "/".join(path).rsplit(".", 1)[0]


def compiled_objects():
    """Each object compiled from a source under src/, with its source and the headers it read."""
    records = subprocess.run([ninja, "-C", str(build), "-t", "deps"], env=tool_env,
                             capture_output=True, text=True, check=True).stdout
    objects = {}
    for record in records.split("\n\n"):
        lines = record.strip().splitlines()
        if len(lines) < 2 or "#deps" not in lines[0]:
            continue
        obj = lines[0].split(":")[0]
        source_file = source_of(obj)
        if source_file and folder_of(source_file) is not None and (build / obj).is_file():
            objects[obj] = (source_file, [line.strip() for line in lines[1:]])
    return objects


def check_headers(objects):
    for source_file, headers in objects.values():
        folder = folder_of(source_file)
        if folder not in MAY_USE:
            faults.append(f"{in_project(source_file)}: src/{folder} has no row in MAY_USE")
            continue
        for header in headers:
            used = folder_of(header)
            if used is not None and used not in MAY_USE[folder]:
                faults.append(f"{in_project(source_file)}: {folder}/ may not include"
                              f" {in_project(header)}")


def check_symbols(objects):
    listing = subprocess.run([nm, "-P", "-A", *objects], cwd=build, env=tool_env,
                             capture_output=True, text=True, check=True).stdout
    defined_in = collections.defaultdict(set)
    undefined = []
    for line in listing.splitlines():
        obj, symbol = line.split(": ", 1)
        name, kind = symbol.split()[:2]
        folder = folder_of(objects[obj][0])
        if kind == "U":
            undefined.append((obj, folder, name))
        # Weak definitions (inline functions, templates) and section symbols belong to no layer.
        elif kind.isupper() and kind not in "WV" and not name.startswith("."):
            defined_in[name].add(folder)
    for obj, folder, name in undefined:
        owners = defined_in.get(name)
        if owners and not owners & MAY_USE.get(folder, set()):
            faults.append(f"{in_project(objects[obj][0])}: {folder}/ may not use {name},"
                          f" defined in {', '.join(sorted(owners))}/")
    return len(undefined)


def check_include_cycles():
    includes = {}
    for path in sorted(source.rglob("*.[ch]*")):
        module = path.relative_to(source).with_suffix("").as_posix()
        for included in re.findall(r'#\s*include\s*[<"]([^">]+)[">]', path.read_text("utf-8")):
            target = included.rsplit(".", 1)[0]
            if target != module and (source / included).is_file():
                includes.setdefault(module, set()).add(target)
    for module, targets in includes.items():
        for target in targets:
            if module < target and module in includes.get(target, ()):
                faults.append(f"{module} and {target} include each other")


objects = compiled_objects()
if not objects:
    sys.exit(f"no compiled objects of src/ in {build}: build it first")
check_headers(objects)
symbols = check_symbols(objects)
check_include_cycles()
print("\n".join(faults) or
      f"{len(objects)} objects: every header they include and every one of their {symbols}"
      " undefined symbols follows the layers")
sys.exit(1 if faults else 0)
