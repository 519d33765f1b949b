#!/usr/bin/env python3
"""Fails when a source file includes a header of a higher or sideways layer.

Every library has the source root on its include path, so an include that
points upwards ("core/ui/..." from core/print, or one page folder from
another) compiles; this check is what keeps the layers apart.

The layers come from the ringpad_library() lines of CMakeLists.txt: a folder
may include its own files and those of the libraries it links to, directly or
through them. app/, tests/, bench/ and fuzz/ sit on top and are not checked.

Usage: tools/check-layers.py [source root]   (default: the folder above tools/)
"""

import os
import re
import sys

# Includes that cross the layers and are tolerated until their files move,
# one entry each, paths relative to the source root, with the reason:
#   "core/print/Example.cpp -> core/ui/Example.h": "why it stays for now",
# Keep this empty: an entry is a debt, not a permission. (Empty since the
# check came in: no folder includes upwards.)
ALLOWED_UPWARD = {
}

LIBRARY_LINE = re.compile(r"^\s*ringpad_library\(\s*(\S+)\s+(\S+)((?:\s+[^)\s]+)*)\s*\)", re.M)
INCLUDE_LINE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.M)
SOURCE_SUFFIXES = (".cpp", ".h")


def read_layers(root):
    """Returns {folder: set of folders it may include}, from CMakeLists.txt."""
    with open(os.path.join(root, "CMakeLists.txt"), encoding="utf-8") as f:
        text = f.read()
    folder_of = {}
    links = {}
    for name, folder, deps in LIBRARY_LINE.findall(text):
        folder_of[name] = folder
        links[name] = [d for d in deps.split() if not d.startswith("Qt6::")]
    if not folder_of:
        sys.exit("check-layers: no ringpad_library() lines found in CMakeLists.txt")

    def reachable(name, seen):
        for dep in links.get(name, []):
            if dep in folder_of and dep not in seen:
                seen.add(dep)
                reachable(dep, seen)
        return seen

    return {folder: {folder} | {folder_of[d] for d in reachable(name, set())}
            for name, folder in folder_of.items()}


def resolve(root, including_dir, included, quoted, search_folders):
    """The path, relative to root, that the compiler would open, or None."""
    candidates = []
    if quoted:
        candidates.append(os.path.join(including_dir, included))
    candidates.append(included)
    candidates.extend(os.path.join(folder, included) for folder in search_folders)
    for candidate in candidates:
        path = os.path.normpath(candidate)
        if not path.startswith("..") and os.path.isfile(os.path.join(root, path)):
            return path
    return None


def main():
    root = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else
                           os.path.join(os.path.dirname(__file__), ".."))
    layers = read_layers(root)
    library_folders = set(layers)
    violations = []
    used_allowances = set()
    for folder, allowed in sorted(layers.items()):
        directory = os.path.join(root, folder)
        if not os.path.isdir(directory):
            continue
        # The including library's own include path: its folder, then those of
        # the libraries it links to (their include folders are PUBLIC).
        search = sorted(allowed)
        for entry in sorted(os.listdir(directory)):
            if not entry.endswith(SOURCE_SUFFIXES):
                continue
            source = os.path.join(folder, entry)
            with open(os.path.join(root, source), encoding="utf-8", errors="replace") as f:
                text = f.read()
            for match in INCLUDE_LINE.finditer(text):
                quoted = match.group(1) == '"'
                target = resolve(root, folder, match.group(2), quoted, search)
                if target is None:
                    continue  # a system, Qt or generated header
                target_folder = os.path.dirname(target)
                if target_folder in allowed:
                    continue
                key = f"{source} -> {target}"
                if key in ALLOWED_UPWARD:
                    used_allowances.add(key)
                    continue
                line = text.count("\n", 0, match.start()) + 1
                where = ("a layer it does not build on" if target_folder in library_folders
                         else "outside the libraries")
                violations.append(f"{source}:{line}: includes {target}, from {where} "
                                  f"({folder} may use: {', '.join(sorted(allowed - {folder})) or 'nothing'})")
    for key in sorted(set(ALLOWED_UPWARD) - used_allowances):
        print(f"check-layers: {key} is gone: remove it from ALLOWED_UPWARD")
    if violations:
        print("check-layers: includes that cross the layers the wrong way:", file=sys.stderr)
        for v in violations:
            print("  " + v, file=sys.stderr)
        return 1
    print(f"check-layers: {len(layers)} library folders, every include points down")
    return 0


if __name__ == "__main__":
    sys.exit(main())
