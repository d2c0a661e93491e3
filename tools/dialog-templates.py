#!/usr/bin/env python3
# Writes the dialog templates (RT_DIALOG resources) of built modules, as the loader hands them
# out, one file each: <outdir>/<module>-<id>. windres reads the modules' resource sections into
# the .res layout, which is walked here.
# Usage: dialog-templates.py <outdir> <module.dll|.exe>...
import os
import struct
import subprocess
import sys
import tempfile

RT_DIALOG = 5


def name_or_id(data, pos):
    """An ordinal (0xFFFF and a word) or a zero-terminated UTF-16 name; returns it and the next position."""
    (first,) = struct.unpack_from("<H", data, pos)
    if first == 0xFFFF:
        return struct.unpack_from("<H", data, pos + 2)[0], pos + 4
    end = pos
    while struct.unpack_from("<H", data, end)[0] != 0:
        end += 2
    return data[pos:end].decode("utf-16-le"), end + 2


def dialogs(res):
    """(name, bytes) of each dialog template in a .res file."""
    pos = 0
    while pos + 8 <= len(res):
        size, header = struct.unpack_from("<II", res, pos)
        kind, at = name_or_id(res, pos + 8)
        name, _ = name_or_id(res, at)
        if kind == RT_DIALOG:
            yield name, res[pos + header:pos + header + size]
        pos = (pos + header + size + 3) & ~3


def main():
    outdir, modules = sys.argv[1], sys.argv[2:]
    os.makedirs(outdir, exist_ok=True)
    for module in modules:
        with tempfile.NamedTemporaryFile(suffix=".res") as res:
            subprocess.run(["x86_64-w64-mingw32-windres", "-i", module, "-J", "coff", "-O", "res", "-o", res.name],
                           check=True)
            data = open(res.name, "rb").read()
        stem = os.path.splitext(os.path.basename(module))[0]
        for name, template in dialogs(data):
            with open(os.path.join(outdir, "%s-%s" % (stem, name)), "wb") as out:
                out.write(template)


if __name__ == "__main__":
    main()
