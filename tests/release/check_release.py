#!/usr/bin/env python3
"""Checks a release zip.

    check_release.py contents ZIP WIN_BUILD ARCH
        Zentick/ holds the program of that architecture (200 KB at most), readme.txt and
        exactly the data files the build made; SHA256SUMS beside the zip
        names it; repacking its files, whatever their dates, gives the
        same bytes.
    check_release.py readme ZIP
        readme.txt is code page 932 text with CRLF line ends only that
        reads back as docs/readme.ja.txt, has no line wider than 72
        columns and names the version in the zip's name.
"""
import hashlib
import os
import re
import struct
import subprocess
import sys
import tempfile
import zipfile

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")
PE_MACHINE = {"i686": 0x14C, "x86_64": 0x8664}
PROGRAM_MOST_BYTES = 200 * 1024
failures = []


def expect(ok, message):
    if not ok:
        failures.append(message)


def machine_of(exe):
    pe = struct.unpack_from("<I", exe, 0x3C)[0]
    expect(exe[pe:pe + 4] == b"PE\0\0", "Zentick.exe has no PE header")
    return struct.unpack_from("<H", exe, pe + 4)[0]


def check_contents(zip_path, win_build, arch):
    data_dir = os.path.join(win_build, "data")
    made = sorted(f for f in os.listdir(data_dir) if f == "ZENTICK.rgn" or f.endswith(".qkb"))
    expect(len(made) > 1, "the build made no data files: " + data_dir)
    wanted = {"Zentick/Zentick.exe": os.path.join(win_build, "Zentick.exe")}
    wanted.update({"Zentick/data/" + f: os.path.join(data_dir, f) for f in made})
    with zipfile.ZipFile(zip_path) as z:
        names = set(z.namelist())
        files = {n for n in names if not n.endswith("/")}
        expect(files == set(wanted) | {"Zentick/readme.txt"},
               "zip holds %s, wanted %s" % (sorted(files), sorted(wanted)))
        for name, path in wanted.items():
            if name in names:
                with open(path, "rb") as f:
                    expect(z.read(name) == f.read(), name + " differs from " + path)
        if "Zentick/Zentick.exe" in names:
            exe = z.read("Zentick/Zentick.exe")
            machine = machine_of(exe)
            expect(machine == PE_MACHINE[arch], "Zentick.exe is for machine 0x%x" % machine)
            expect(len(exe) <= PROGRAM_MOST_BYTES,
                   "Zentick.exe has %d bytes, more than %d" % (len(exe), PROGRAM_MOST_BYTES))

    with open(zip_path, "rb") as f:
        digest = hashlib.sha256(f.read()).hexdigest()
    sums = os.path.join(os.path.dirname(zip_path), "SHA256SUMS")
    with open(sums) as f:
        expect("%s  %s\n" % (digest, os.path.basename(zip_path)) in f.read(),
               "SHA256SUMS does not name %s with its digest" % zip_path)

    with tempfile.TemporaryDirectory() as work:
        unpacked = os.path.join(work, "files")
        with zipfile.ZipFile(zip_path) as z:
            z.extractall(unpacked)
        for i, (here, _, found) in enumerate(os.walk(unpacked)):
            for j, name in enumerate(found):
                os.utime(os.path.join(here, name), (1e9 + i, 1e9 + j))
                os.chmod(os.path.join(here, name), 0o600 + 0o55 * (j % 2))
        again = os.path.join(work, "again.zip")
        subprocess.run([sys.executable, os.path.join(ROOT, "tools", "release_zip.py"),
                        unpacked, again], check=True)
        with open(again, "rb") as a, open(zip_path, "rb") as b:
            expect(a.read() == b.read(), "repacking the same files gives other bytes")


def check_readme(zip_path):
    with zipfile.ZipFile(zip_path) as z:
        raw = z.read("Zentick/readme.txt")
    try:
        text = raw.decode("cp932")
    except UnicodeDecodeError as e:
        failures.append("readme.txt is not code page 932: %s" % e)
        return
    expect(re.search(rb"\r(?!\n)|(?<!\r)\n", raw) is None, "readme.txt has a bare CR or LF")
    expect(raw.endswith(b"\r\n"), "readme.txt does not end with CRLF")
    expect(any(ord(c) > 0x7F for c in text), "readme.txt has no Japanese text")
    # A character without its own place in the code page comes back as
    # another one (a wave dash as a full-width tilde).
    with open(os.path.join(ROOT, "docs", "readme.ja.txt"), encoding="utf-8", newline="") as f:
        expect(text == f.read().replace("\n", "\r\n"),
               "readme.txt does not read back as docs/readme.ja.txt")
    # A double-byte character takes two columns, a single byte one.
    for number, line in enumerate(raw.split(b"\r\n"), 1):
        expect(len(line) <= 72, "readme.txt line %d is wider than 72 columns" % number)
    version = re.search(r"Zentick-(\d+\.\d+\.\d+)-", os.path.basename(zip_path)).group(1)
    expect(version in text, "readme.txt does not mention version " + version)


def main():
    if len(sys.argv) < 3 or not os.path.exists(sys.argv[2]):
        sys.exit(__doc__ + "\nNo zip: run tools/release.sh first.")
    if sys.argv[1] == "contents" and len(sys.argv) == 5:
        check_contents(*sys.argv[2:])
    elif sys.argv[1] == "readme" and len(sys.argv) == 3:
        check_readme(sys.argv[2])
    else:
        sys.exit(__doc__)
    for f in failures:
        print("FAIL:", f)
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
