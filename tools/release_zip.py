#!/usr/bin/env python3
"""Zips a folder so that the same files always give the same bytes: entries
sorted by path, one fixed date, MS-DOS attributes, fixed compression.
The zip is written beside OUT first and then moved into place.

    release_zip.py FOLDER OUT.zip
"""
import os
import sys
import zipfile

DATE = (2026, 1, 1, 0, 0, 0)
DOS_DIRECTORY, DOS_ARCHIVE = 0x10, 0x20


def entries(folder):
    """(name in the zip, path or None for a folder), sorted by name."""
    found = []
    for here, dirs, files in os.walk(folder):
        rel = os.path.relpath(here, folder)
        prefix = "" if rel == "." else rel.replace(os.sep, "/") + "/"
        if prefix:
            found.append((prefix, None))
        found += [(prefix + f, os.path.join(here, f)) for f in files]
    return sorted(found)


def add(archive, name, path):
    info = zipfile.ZipInfo(name, DATE)
    info.create_system = 0
    if path is None:
        info.external_attr = DOS_DIRECTORY
        archive.writestr(info, b"")
        return
    info.external_attr = DOS_ARCHIVE
    info.compress_type = zipfile.ZIP_DEFLATED
    with open(path, "rb") as f:
        archive.writestr(info, f.read(), compresslevel=9)


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    folder, out = sys.argv[1], sys.argv[2]
    partial = out + ".part"
    with zipfile.ZipFile(partial, "w") as archive:
        for name, path in entries(folder):
            add(archive, name, path)
    os.replace(partial, out)


if __name__ == "__main__":
    main()
