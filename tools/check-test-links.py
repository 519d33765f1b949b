#!/usr/bin/env python3
"""Checks that the test programs of the model libraries carry no widget or
printer library: neither on their link line (the libraries CMake links them
with, through every library they link) nor among the shared libraries they
load (ldd).

    python3 tools/check-test-links.py BUILD_DIR

ctest runs it on its own build folder, for the programs listed below.
"""
import os
import re
import subprocess
import sys

# Programs whose link line must name neither library, and which must not load
# them either.
LINKED_WITHOUT_WIDGETS = [
    "test_platform",
    "test_text",
    "test_settings",
    "test_schedule",  # the schedule model
    "test_lookup",
    "test_address",  # the address model
]
# Programs that must not load them (the linker drops a library that no code
# of the program uses, so this holds before the link line is clean).
LOADED_WITHOUT_WIDGETS = [
]
# Programs to move to LINKED_WITHOUT_WIDGETS as the libraries below them lose
# their widgets: shown, not failed.
PENDING = [
]
FORBIDDEN = re.compile(r"libQt6(Widgets|PrintSupport)\b|Qt6::(Widgets|PrintSupport)\b")


def program_path(build, name):
    path = os.path.join(build, "tests", name)
    return path if os.path.exists(path) else None


def link_line(build, name):
    """The program's link command as the build files hold it (Ninja or Make)."""
    ninja = os.path.join(build, "build.ninja")
    if os.path.exists(ninja):
        with open(ninja, encoding="utf-8", errors="replace") as f:
            text = f.read()
        # "build tests/test_x: CXX_EXECUTABLE_LINKER__... inputs\n  VAR = value\n..."
        m = re.search(r"^build tests/%s: CXX_EXECUTABLE_LINKER\S*(.*?)(?=^\S)" % re.escape(name), text,
                      re.M | re.S)
        return m.group(0) if m else None
    link = os.path.join(build, "tests", "CMakeFiles", name + ".dir", "link.txt")
    if os.path.exists(link):
        with open(link, encoding="utf-8", errors="replace") as f:
            return f.read()
    return None


def loaded_libraries(path):
    out = subprocess.run(["ldd", path], capture_output=True, text=True, check=False)
    return out.stdout


def problems(build, name, check_link_line):
    """What is wrong with one program, [] when nothing."""
    path = program_path(build, name)
    if not path:
        return ["%s: not built in %s" % (name, build)]
    found = []
    if check_link_line:
        line = link_line(build, name)
        if line is None:
            return ["%s: no link line found in the build files" % name]
        linked = sorted({m.group(0) for m in FORBIDDEN.finditer(line)})
        if linked:
            found.append("%s is linked with %s" % (name, ", ".join(linked)))
    loaded = sorted({m.group(0) for m in FORBIDDEN.finditer(loaded_libraries(path))})
    if loaded:
        found.append("%s loads %s" % (name, ", ".join(loaded)))
    return found


def main():
    if len(sys.argv) != 2:
        print(__doc__)
        return 2
    build = sys.argv[1]
    failures = []
    for name in LINKED_WITHOUT_WIDGETS + LOADED_WITHOUT_WIDGETS:
        found = problems(build, name, name in LINKED_WITHOUT_WIDGETS)
        failures += found
        if not found:
            print("ok: %s" % name)
    for name in PENDING:
        found = problems(build, name, True)
        print("pending: %s" % ("; ".join(found) if found else name + " is clean: move it to LINKED_WITHOUT_WIDGETS"))
    for failure in failures:
        print("FAIL: " + failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
