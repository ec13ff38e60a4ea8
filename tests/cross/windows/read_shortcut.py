#!/usr/bin/env python3
"""Prints what a Windows shortcut (.lnk) starts and its icon: the target's local path on one
line, the icon location and index as "PATH,INDEX" on the next.
Usage: read_shortcut.py FILE.lnk"""
import struct
import sys

HAS_ID_LIST, HAS_LINK_INFO, HAS_ICON_LOCATION = 0x1, 0x2, 0x40
STRINGS = (0x4, 0x8, 0x10, 0x20, 0x40)  # name, relative path, folder, arguments, icon


def main(path):
    data = open(path, "rb").read()
    flags, = struct.unpack_from("<I", data, 0x14)
    icon_index, = struct.unpack_from("<i", data, 0x38)
    at = 0x4C
    if flags & HAS_ID_LIST:
        at += 2 + struct.unpack_from("<H", data, at)[0]
    target = ""
    if flags & HAS_LINK_INFO:
        size, _, _, _, base_path = struct.unpack_from("<5I", data, at)
        start = at + base_path
        target = data[start:data.index(b"\0", start)].decode("cp1252")
        at += size
    strings = {}
    for flag in STRINGS:
        if flags & flag:
            length, = struct.unpack_from("<H", data, at)
            strings[flag] = data[at + 2:at + 2 + 2 * length].decode("utf-16-le").rstrip("\0")
            at += 2 + 2 * length
    print(target)
    print(f"{strings.get(HAS_ICON_LOCATION, '')},{icon_index}")


if __name__ == "__main__":
    main(sys.argv[1])
