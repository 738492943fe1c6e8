#!/usr/bin/env python3
"""Finds files of the program that call or include each other in a circle.

A file calls another when it calls a function the other defines (not a
static one) and a header it includes, or one those include, declares it;
a file includes another by its #include lines. A circle is any set of files that reach one another
that way, two or more. Prints each circle and fails when there is one.
    circles.py SOURCE_DIR
"""
import os
import re
import sys

root = sys.argv[1]
folders = re.search(r"foreach\(sub ([^)]*)\)",
                    open(os.path.join(root, "CMakeLists.txt")).read()).group(1).split()


def code_of(text):
    """The text without comments, string and character literals."""
    return re.sub(r'//[^\n]*|/\*.*?\*/|"(?:\\.|[^"\\\n])*"|\'(?:\\.|[^\'\\\n])*\'',
                  lambda m: "\n" * m.group(0).count("\n") if m.group(0)[0] == "/" else '""',
                  text, flags=re.S)


files, raw = {}, {}
for folder in folders:
    for base, _, names in os.walk(os.path.join(root, folder)):
        for name in names:
            if name.endswith((".cpp", ".h")):
                path = os.path.join(base, name)
                f = os.path.relpath(path, root)
                raw[f] = open(path, encoding="utf-8").read()
                files[f] = code_of(raw[f])

includes = {f: set(i for i in re.findall(r'^#include "([^"]+)"', raw[f], re.M) if i in files)
            for f in files}

# Definitions start a line: a type, a name (maybe Class::name), "(", and no
# ";" before the body.
definition = re.compile(r"^(?!static\b|#|\s)[\w:<>*&, ]*?\b(?:\w+::)?(~?\w+)\s*\([^;{]*\)\s*"
                        r"(?:const\s*)?\{", re.M)
defines = {}
for f, text in files.items():
    if f.endswith(".cpp"):
        for name in definition.findall(text):
            defines.setdefault(name, set()).add(f)


def seen_headers(f):
    """The headers f includes, and those they include in turn."""
    seen, todo = set(), [f]
    while todo:
        for h in includes[todo.pop()]:
            if h not in seen:
                seen.add(h)
                todo.append(h)
    return seen


def reaches(f):
    """The files f includes, and those that define what f calls through them."""
    out = set(includes[f])
    if f.endswith(".cpp"):
        headers = seen_headers(f)
        for name in set(re.findall(r"\b(~?\w+)\s*\(", files[f])):
            # A name f defines itself is taken as its own.
            if f in defines.get(name, ()):
                continue
            if any(re.search(r"\b" + name + r"\s*\(", files[h]) for h in headers):
                out |= defines.get(name, set())
    return out


edges = {f: reaches(f) for f in files}

# Strongly connected parts (Tarjan), each of more than one file a circle.
index, low, stack, on, circles = {}, {}, [], set(), []


def visit(v):
    index[v] = low[v] = len(index)
    stack.append(v)
    on.add(v)
    for w in edges[v]:
        if w not in index:
            visit(w)
            low[v] = min(low[v], low[w])
        elif w in on:
            low[v] = min(low[v], index[w])
    if low[v] == index[v]:
        part = []
        while True:
            w = stack.pop()
            on.discard(w)
            part.append(w)
            if w == v:
                break
        if len(part) > 1:
            circles.append(sorted(part))


sys.setrecursionlimit(10000)
for f in sorted(files):
    if f not in index:
        visit(f)
for part in circles:
    print("circle: " + " <-> ".join(part))
print(f"{len(files)} files, {sum(len(e) for e in edges.values())} calls and includes, "
      f"{len(circles)} circles")
sys.exit(1 if circles else 0)
