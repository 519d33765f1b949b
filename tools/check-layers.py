#!/usr/bin/env python3
"""Fails when a source file includes a header of a higher or sideways layer.

Every library has the source root on its include path, so an include that
points upwards ("core/ui/..." from core/print, or one page folder from
another) compiles; this check is what keeps the layers apart.

The layers come from the ringpad_library() lines of CMakeLists.txt: a folder
may include its own files and those of the libraries it links to, directly or
through them. app/, tests/, bench/ and fuzz/ sit on top and are not checked.

The same lines say which Qt modules a library reaches (Qt6::PrintSupport
brings Widgets, Widgets brings Gui, Gui brings Core): a folder whose library
reaches no Qt6::Widgets includes no QtWidgets header (QWidget, QDialog,
QMessageBox, QApplication, ...), and one that reaches no Qt6::PrintSupport no
QtPrintSupport header (QPrinter, ...). The model libraries stay free of windows
that way; the compiler would say so too, but only for the header it meets
first, and only once it gets there.

Usage: tools/check-layers.py [source root]   (default: the folder above tools/)
"""

import glob
import os
import re
import subprocess
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


# The Qt modules each module brings with it.
QT_MODULE_BRINGS = {
    "PrintSupport": {"Widgets"},
    "Widgets": {"Gui"},
    "Gui": {"Core"},
}
# The modules whose headers a library may include only when it reaches them.
WINDOW_MODULES = ("Widgets", "PrintSupport")
# Used only where no Qt headers are installed to list the modules' headers.
FALLBACK_MODULE_HEADERS = {
    "Widgets": {"QWidget", "QApplication", "QDialog", "QMessageBox", "QFileDialog", "QMainWindow",
                "QMdiArea", "QMdiSubWindow", "QAbstractItemDelegate", "QStyledItemDelegate",
                "QPushButton", "QLabel", "QLineEdit", "QComboBox", "QCheckBox", "QLayout",
                "QVBoxLayout", "QHBoxLayout", "QGridLayout", "QListWidget", "QTableWidget",
                "QTreeWidget", "QScrollArea", "QMenu", "QMenuBar", "QAction", "QToolTip"},
    "PrintSupport": {"QPrinter", "QPrinterInfo", "QPrintDialog", "QPrintPreviewDialog",
                     "QPrintPreviewWidget", "QPageSetupDialog", "QAbstractPrintDialog"},
}


def read_libraries(root):
    """Returns {name: (folder, project libraries it links, Qt modules it links)}."""
    with open(os.path.join(root, "CMakeLists.txt"), encoding="utf-8") as f:
        text = f.read()
    libraries = {}
    for name, folder, deps in LIBRARY_LINE.findall(text):
        deps = deps.split()
        libraries[name] = (folder,
                           [d for d in deps if not d.startswith("Qt6::")],
                           {d[len("Qt6::"):] for d in deps if d.startswith("Qt6::")})
    if not libraries:
        sys.exit("check-layers: no ringpad_library() lines found in CMakeLists.txt")
    return libraries


def linked_libraries(libraries, name, seen=None):
    seen = set() if seen is None else seen
    for dep in libraries[name][1]:
        if dep in libraries and dep not in seen:
            seen.add(dep)
            linked_libraries(libraries, dep, seen)
    return seen


def read_layers(root):
    """Returns {folder: set of folders it may include}, from CMakeLists.txt."""
    libraries = read_libraries(root)
    return {folder: {folder} | {libraries[d][0] for d in linked_libraries(libraries, name)}
            for name, (folder, _, _) in libraries.items()}


def read_qt_modules(root):
    """Returns {folder: set of Qt modules its library reaches}."""
    libraries = read_libraries(root)
    reached = {}
    for name, (folder, _, _) in libraries.items():
        modules = set(libraries[name][2])
        for dep in linked_libraries(libraries, name):
            modules |= libraries[dep][2]
        todo = list(modules)
        while todo:
            for brought in QT_MODULE_BRINGS.get(todo.pop(), ()):
                if brought not in modules:
                    modules.add(brought)
                    todo.append(brought)
        reached[folder] = modules
    return reached


def qt_header_folders():
    """The folders that hold Qt's module header folders (QtWidgets/, ...)."""
    folders = []
    try:
        out = subprocess.run(["qtpaths6", "--query", "QT_INSTALL_HEADERS"], capture_output=True, text=True,
                             timeout=10)
        if out.returncode == 0 and out.stdout.strip():
            folders.append(out.stdout.strip())
    except (OSError, subprocess.SubprocessError):
        pass
    folders += glob.glob("/usr/include/*/qt6") + glob.glob("/usr/include/qt6")
    return [f for f in folders if os.path.isdir(os.path.join(f, "QtWidgets"))]


def module_headers():
    """{module: header names a source may include for it} for the window modules."""
    found = qt_header_folders()
    headers = {}
    for module in WINDOW_MODULES:
        names = set()
        if found:
            for entry in os.listdir(os.path.join(found[0], "Qt" + module)):
                names.add(entry)
        else:
            names |= FALLBACK_MODULE_HEADERS[module]
        # The module header itself and every "QtWidgets/..." form.
        names.add("Qt" + module)
        headers[module] = names
    return headers


def window_module_of(included, headers):
    """The window module a header of an #include belongs to, or None."""
    for module in WINDOW_MODULES:
        if included.startswith("Qt" + module + "/") or included in headers[module]:
            return module
    return None


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
    qt_modules = read_qt_modules(root)
    headers = module_headers()
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
                module = None if quoted else window_module_of(match.group(2), headers)
                if module and module not in qt_modules[folder]:
                    line = text.count("\n", 0, match.start()) + 1
                    violations.append(f"{source}:{line}: includes <{match.group(2)}> of Qt{module}, "
                                      f"which {folder} does not link (it reaches "
                                      f"{', '.join(sorted(qt_modules[folder])) or 'no Qt'})")
                    continue
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
        print("check-layers: includes that cross the layers the wrong way or reach for windows:", file=sys.stderr)
        for v in violations:
            print("  " + v, file=sys.stderr)
        return 1
    without_windows = sorted(f for f, m in qt_modules.items() if "Widgets" not in m)
    print(f"check-layers: {len(layers)} library folders, every include points down; "
          f"no window headers in {', '.join(without_windows) or 'none'}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
