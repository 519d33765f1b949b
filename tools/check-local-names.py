#!/usr/bin/env python3
"""Fails when two files of one folder each define one file-local name.

The build compiles each folder's .cpp files in batches, one translation unit
per batch. Functions, types and constants in an anonymous namespace, and
static functions and constants, are then shared by every file of the batch:
two files that each define their own `FormatRow` compile today and break
the day a new file moves them into one batch, or silently pick the other
file's overload. So file-local names must differ within a folder. Two files
with the same body under one name break the batch just as well (a name
defined twice in one translation unit): they want one shared helper.

The scan is textual (comments and literals are blanked, braces counted); it
looks at the .cpp files of every library folder and of every test folder.

Usage: tools/check-local-names.py [source root]   (default: the folder above tools/)
"""

import os
import re
import sys
from collections import defaultdict

# Clashes main has today, as (folder, name). They compile only because the
# two files land in different batches; each entry is a debt to pay by giving
# one side a name of its own (or, for the sheet loops, by the drivers sharing
# one runner), after which the check asks for the entry to go.
ALLOWED_CLASHES = set()

SKIP_FOLDERS = {"build", ".git", "bench", "fuzz", "cmake", "tools"}
TYPE_HEAD = re.compile(r"^(?:template\s*<.*>\s*)?(?:struct|class|union|enum(?:\s+class|\s+struct)?)\s+"
                       r"(?:alignas\s*\([^)]*\)\s*)?([A-Za-z_]\w*)\b")
IDENT_BEFORE_PAREN = re.compile(r"([A-Za-z_]\w*|operator\s*\S+?)\s*$")
VARIABLE_NAME = re.compile(r"([A-Za-z_]\w*)\s*(?:\[[^\]]*\]\s*)*$")
NOT_NAMES = {"if", "for", "while", "switch", "return", "sizeof", "decltype", "alignof", "static_assert",
             "Q_DECLARE_METATYPE", "Q_DECLARE_FLAGS", "Q_DECLARE_OPERATORS_FOR_FLAGS"}


def blank_comments_and_literals(text):
    """Replaces comments and the insides of string and character literals with
    spaces, keeping line breaks, so that braces in them are not counted."""
    out = []
    i, n = 0, len(text)
    while i < n:
        c = text[i]
        if text.startswith("//", i):
            j = text.find("\n", i)
            j = n if j < 0 else j
            out.append(" " * (j - i))
            i = j
        elif text.startswith("/*", i):
            j = text.find("*/", i + 2)
            j = n if j < 0 else j + 2
            out.append(re.sub(r"[^\n]", " ", text[i:j]))
            i = j
        elif c == "R" and text.startswith('R"', i) and (i == 0 or not (text[i - 1].isalnum() or text[i - 1] == "_")):
            k = text.find("(", i + 2)
            delim = text[i + 2:k]
            j = text.find(")" + delim + '"', k)
            j = n if j < 0 else j + len(delim) + 2
            out.append('R"' + re.sub(r"[^\n]", " ", text[i + 2:j - 1]) + '"')
            i = j
        elif c in "\"'":
            # A quote right after a digit is a digit separator (1'000).
            if c == "'" and i > 0 and text[i - 1].isalnum():
                out.append(c)
                i += 1
                continue
            j = i + 1
            while j < n and text[j] != c and text[j] != "\n":
                j += 2 if text[j] == "\\" else 1
            literal = text[i + 1:min(j, n)]
            out.append(c + literal + c)  # the text stays: it is part of a body
            i = j + 1
        elif c == "#" and (i == 0 or text[i - 1] == "\n" or text[:i].rstrip(" \t").endswith("\n")):
            # A preprocessor line, continuations included.
            j = i
            while True:
                j = text.find("\n", j)
                if j < 0:
                    j = n
                    break
                if text[j - 1] != "\\":
                    break
                j += 1
            out.append(re.sub(r"[^\n]", " ", text[i:j]))
            i = j
        else:
            out.append(c)
            i += 1
    return "".join(out)


def strip_literals(text):
    """Blanks the contents of string literals, for brace counting only."""
    return re.sub(r'"(?:\\.|[^"\\\n])*"', lambda m: '"' + " " * (len(m.group(0)) - 2) + '"', text)


def outside_parentheses(head):
    """The head with everything inside (...) dropped: default arguments then
    no longer look like an initialiser."""
    out, depth = [], 0
    for ch in head:
        if ch == "(":
            depth += 1
            out.append(ch) if depth == 1 else None
        elif ch == ")":
            depth -= 1
            out.append(ch) if depth == 0 else None
        elif depth == 0:
            out.append(ch)
    return "".join(out)


def is_macro(name):
    """TEST_F, Q_DECLARE_METATYPE and kin: upper case and underscores only."""
    return name.isupper() and len(name) > 1


def normalised(body):
    return " ".join(body.split())


def function_name(head):
    depth = 0
    for k, ch in enumerate(head):
        if ch in "<[":
            depth += 1
        elif ch in ">]":
            depth -= 1
        elif ch == "(" and depth <= 0:
            m = IDENT_BEFORE_PAREN.search(head[:k])
            return m.group(1) if m else None
    return None


def variable_name(head):
    """The name of `const T name = ...`, `constexpr T name[] {...}` and kin."""
    for stop in ("=", "{"):
        if stop in head:
            head = head.split(stop, 1)[0]
    m = VARIABLE_NAME.search(head.strip())
    return m.group(1) if m else None


def local_definitions(path):
    """Yields (name, kind, body) for every file-local definition of a .cpp file."""
    with open(path, encoding="utf-8", errors="replace") as f:
        text = blank_comments_and_literals(f.read())
    counted = strip_literals(text)
    # Each open scope: (kind, anonymous) where kind is "namespace" or "other".
    scopes = [("namespace", False)]
    statement_start = 0
    i, n = 0, len(counted)
    while i < n:
        c = counted[i]
        if c not in "{};":
            i += 1
            continue
        at_namespace_scope = scopes[-1][0] == "namespace"
        in_anonymous = any(anon for _, anon in scopes)
        head = normalised(text[statement_start:i])
        if c == "}":
            scopes.pop() if len(scopes) > 1 else None
            statement_start = i + 1
            i += 1
            continue
        if not at_namespace_scope:
            if c == "{":
                scopes.append(("other", False))
            statement_start = i + 1
            i += 1
            continue
        if c == "{" and re.fullmatch(r"(?:inline\s+)?namespace(?:\s+[\w:]+)?", head):
            scopes.append(("namespace", head.split()[-1] == "namespace"))
            statement_start = i + 1
            i += 1
            continue
        if head.startswith('extern "') and c == "{":
            scopes.append(("namespace", False))
            statement_start = i + 1
            i += 1
            continue
        # The end of this definition: a matching brace, then for types and
        # brace initialisers the closing semicolon.
        end = i + 1
        if c == "{":
            depth = 0
            j = i
            while j < n:
                if counted[j] == "{":
                    depth += 1
                elif counted[j] == "}":
                    depth -= 1
                    if depth == 0:
                        break
                j += 1
            end = j + 1
            rest = counted[end:]
            m = re.match(r"\s*[\w\s,*&\[\]]*;", rest)
            if m and (TYPE_HEAD.match(head) or "=" in outside_parentheses(head) or not function_name(head)):
                end += m.end()
        body = normalised(text[statement_start:end])
        is_static = re.match(r"(?:template\s*<.*?>\s*)?(?:\[\[[^\]]*\]\]\s*)?(?:inline\s+)?static\b", head)
        local = in_anonymous or is_static
        if local and head and not head.startswith(("using namespace", "friend ", "extern ")):
            name, kind = None, None
            type_match = TYPE_HEAD.match(re.sub(r"^(?:static|const|constexpr)\s+", "", head))
            if type_match and (c == "{" or head.count("(") == 0):
                name, kind = type_match.group(1), "type"
                if c == ";" and "{" not in head:
                    name = None  # a forward declaration
            elif head.startswith("using ") and "=" in head:
                name, kind = head[6:].split("=", 1)[0].strip(), "alias"
            elif head.startswith("typedef "):
                m = re.search(r"(\w+)\s*;?$", head)
                name, kind = (m.group(1) if m else None), "alias"
            else:
                initialised = "=" in outside_parentheses(head)
                before_value = head.split("=", 1)[0] if initialised else head
                fname = function_name(before_value)
                if fname and c == "{" and not initialised:
                    name, kind = fname, "function"
                elif fname and c == ";" and not initialised and not re.search(r"\)\s*[:{]", head):
                    # A declaration or a variable built by a constructor call.
                    if re.search(r"\b(?:const|constexpr)\b", before_value.split("(")[0]):
                        name, kind = fname, "constant"
                else:
                    vname = variable_name(head)
                    if vname:
                        name, kind = vname, "constant" if re.search(r"\b(?:const|constexpr)\b", head) else "variable"
            if name and name not in NOT_NAMES and not is_macro(name):
                yield name, kind, body
        statement_start = end
        i = end
    return


def folders_to_scan(root):
    for dirpath, dirnames, filenames in os.walk(root):
        rel = os.path.relpath(dirpath, root)
        dirnames[:] = sorted(d for d in dirnames
                             if d not in SKIP_FOLDERS and not d.startswith(".") and d != "fixtures"
                             and not (rel == "." and d in SKIP_FOLDERS))
        sources = sorted(f for f in filenames if f.endswith(".cpp"))
        if rel != "." and len(sources) > 1:
            yield rel, sources


def main():
    root = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else
                           os.path.join(os.path.dirname(__file__), ".."))
    clashes = []
    allowed_seen = set()
    files_seen = 0
    for folder, sources in folders_to_scan(root):
        by_name = defaultdict(list)
        for source in sources:
            files_seen += 1
            for name, kind, body in local_definitions(os.path.join(root, folder, source)):
                by_name[name].append((source, kind, body))
        for name, places in sorted(by_name.items()):
            files = {source for source, _, _ in places}
            bodies = {body for _, _, body in places}
            if len(files) > 1:
                if (folder, name) in ALLOWED_CLASHES:
                    allowed_seen.add((folder, name))
                    continue
                where = ", ".join(sorted(f"{source} ({kind})" for source, kind in {(s, k) for s, k, _ in places}))
                what = "different bodies" if len(bodies) > 1 else "one body twice (share one helper)"
                clashes.append(f"{folder}: '{name}' has {what} in {where}")
    for folder, name in sorted(ALLOWED_CLASHES - allowed_seen):
        print(f"check-local-names: '{name}' in {folder} clashes no more: remove it from ALLOWED_CLASHES")
    if clashes:
        print("check-local-names: file-local names defined by two files of one folder "
              "(give each a distinctive name, or share one):", file=sys.stderr)
        for clash in clashes:
            print("  " + clash, file=sys.stderr)
        return 1
    print(f"check-local-names: {files_seen} files, no new clash of file-local names "
          f"({len(allowed_seen)} known ones listed in ALLOWED_CLASHES)")
    return 0


if __name__ == "__main__":
    sys.exit(main())
