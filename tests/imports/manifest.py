#!/usr/bin/env python3
"""Fails unless each executable carries the application manifest (resource
type 24, id 1) with the entries the program relies on, and no
activeCodePage, which would move it off code page 932.
    manifest.py EXE..."""
import struct
import sys

WANTED = [
    'level="asInvoker"',
    'name="Microsoft.Windows.Common-Controls" version="6.0.0.0"',
    '{e2011457-1546-43c5-a5fe-008deee3d3f0}',  # Vista
    '{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}',  # 10 and 11
    '>true/pm</dpiAware>',
    '>PerMonitorV2, PerMonitor</dpiAwareness>',
]


def manifest_text(data):
    pe = struct.unpack_from('<I', data, 0x3C)[0]
    sections, optional_size = struct.unpack_from('<H12xH', data, pe + 6)
    optional = pe + 24
    magic = struct.unpack_from('<H', data, optional)[0]
    directories = optional + (96 if magic == 0x10B else 112)
    rsrc_rva = struct.unpack_from('<I', data, directories + 2 * 8)[0]
    table = optional + optional_size
    for i in range(sections):
        _, size, rva, raw_size, raw = struct.unpack_from('<8sIIII', data, table + 40 * i)
        if rva <= rsrc_rva < rva + max(size, raw_size):
            base = raw + rsrc_rva - rva
            to_file = raw - rva
            break
    else:
        return None

    def entry(directory, wanted):
        named, ids = struct.unpack_from('<HH', data, base + directory + 12)
        for k in range(named + ids):
            name, target = struct.unpack_from('<II', data, base + directory + 16 + 8 * k)
            if wanted is None or name == wanted:
                return target & 0x7FFFFFFF
        return None

    level = 0
    for wanted in (24, 1, None):
        level = entry(level, wanted)
        if level is None:
            return None
    data_rva, data_size = struct.unpack_from('<II', data, base + level)
    return data[data_rva + to_file:data_rva + to_file + data_size].decode('utf-8')


status = 0
for path in sys.argv[1:]:
    try:
        with open(path, 'rb') as f:
            text = manifest_text(f.read())
    except OSError as e:
        print(f'{path}: {e}')
        status = 1
        continue
    if text is None:
        print(f'{path}: no manifest')
        status = 1
        continue
    missing = [w for w in WANTED if w not in text]
    if 'activeCodePage' in text:
        missing.append('no activeCodePage')
    for w in missing:
        print(f'{path}: manifest lacks {w}')
    status |= bool(missing)
    print(f'{path}: manifest of {len(text)} bytes')
sys.exit(status)
