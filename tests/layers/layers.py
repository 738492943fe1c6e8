#!/usr/bin/env python3
"""Checks that every include of the program runs down its layers.

Each folder includes its own headers and those of the folders below it,
as docs/architecture.md draws them; res/resource.h may be included
anywhere. Prints every include that runs up and fails when there is one.
    layers.py SOURCE_DIR
"""
import os
import re
import sys

root = sys.argv[1]
below = {"base": [], "platform": ["base"], "settings": ["base", "platform"]}
for feature in ("face", "mail", "events"):
    below[feature] = ["base", "platform", "settings"]
below["skins"] = below["face"] + ["face"]
below["shell"] = ["base", "platform", "settings", "face", "skins", "mail", "events"]

wrong = 0
for folder, lower in below.items():
    for base, _, names in os.walk(os.path.join(root, folder)):
        for name in names:
            path = os.path.join(base, name)
            text = open(path, encoding="utf-8").read()
            for included in re.findall(r'^#include "([^"/]+)/', text, re.M):
                if included not in lower + [folder, "res"]:
                    print(f"{os.path.relpath(path, root)} includes from {included}/")
                    wrong += 1
print(f"{wrong} includes run up the layers")
sys.exit(1 if wrong else 0)
