#!/usr/bin/env python3
"""Builds the product archive that the installer carries.

Usage: build_payload.py OUT ENTRY...
An ENTRY is NAME=FILE for a file or NAME/ for a folder, in archive order. Names
are given in UTF-8 and stored in GBK, the installer's code page, without the
UTF-8 flag. Everything that could vary between runs is fixed (times, attributes,
order, compression), so the same inputs give the same bytes.
"""
import struct
import sys
import zlib

# 2025-06-01 10:00:00 as MS-DOS date and time.
DOS_TIME = (10 << 11) | (0 << 5) | 0
DOS_DATE = ((2025 - 1980) << 9) | (6 << 5) | 1
MADE_BY = 20  # MS-DOS, format version 2.0
NEEDED = 20
FLAG_MAXIMUM = 0x2  # compression level hint of a deflated entry
ATTR_FILE, ATTR_FOLDER = 0x20, 0x10
STORED, DEFLATED = 0, 8


def deflate(data):
    compressor = zlib.compressobj(9, zlib.DEFLATED, -15, 9)
    return compressor.compress(data) + compressor.flush()


def entry_record(argument):
    """(name bytes, method, flags, data, crc, size, external attributes) of one ENTRY."""
    if argument.endswith("/"):
        return argument.encode("gbk"), STORED, 0, b"", 0, 0, ATTR_FOLDER
    name, sep, path = argument.partition("=")
    if not sep or not name or not path:
        raise ValueError(f"an entry is NAME=FILE or NAME/, not {argument!r}")
    with open(path, "rb") as source:
        content = source.read()
    return (name.encode("gbk"), DEFLATED, FLAG_MAXIMUM, deflate(content),
            zlib.crc32(content), len(content), ATTR_FILE)


def build(arguments):
    local, central = bytearray(), bytearray()
    for argument in arguments:
        name, method, flags, data, crc, size, attributes = entry_record(argument)
        offset = len(local)
        fields = (NEEDED, flags, method, DOS_TIME, DOS_DATE, crc, len(data), size, len(name))
        local += struct.pack("<IHHHHHIIIHH", 0x04034B50, *fields, 0) + name + data
        central += struct.pack("<IHHHHHHIIIHHHHHII", 0x02014B50, MADE_BY, *fields,
                               0, 0, 0, 0, attributes, offset) + name
    end = struct.pack("<IHHHHIIH", 0x06054B50, 0, 0, len(arguments), len(arguments),
                      len(central), len(local), 0)
    return bytes(local + central + end)


def main(argv):
    if len(argv) < 3:
        print(__doc__, file=sys.stderr)
        return 2
    try:
        archive = build(argv[2:])
    except (OSError, ValueError, UnicodeError) as error:
        print(f"build_payload: {error}", file=sys.stderr)
        return 1
    with open(argv[1], "wb") as out:
        out.write(archive)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
