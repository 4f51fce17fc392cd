#!/usr/bin/env python3
"""Checks an archive before it becomes an installer's payload.

Usage: check_payload.py ARCHIVE PRODUCT_NAME [COPY]
PRODUCT_NAME is given in UTF-8; the installer looks for PRODUCT_NAME.exe in GBK
at the archive's root. On success the archive is copied to COPY (when given),
so that only a checked archive is ever embedded. On failure the message names
the broken rule and the entry, and the exit code is 1.
"""
import os
import re
import shutil
import struct
import sys

LOCAL_SIG, CENTRAL_SIG, END_SIG = 0x04034B50, 0x02014B50, 0x06054B50
ZIP64_LOCATOR_SIG = 0x07064B50
ATTR_FOLDER = 0x10
MAX_LENGTH = 2**31 - 1
DEVICE_NAME = re.compile(r"(con|prn|aux|nul|com[1-9]|lpt[1-9]|conin\$|conout\$)(\..*)?", re.I)

RULE_READABLE = "rule 1 (a ZIP archive the installer reads)"
RULE_LENGTH = "rule 2 (length fits a signed 32-bit count)"
RULE_EXECUTABLE = "rule 3 (the product's executable at the root)"
RULE_NAMES = "rule 4 (relative GBK names, each folder's entry before its files)"


class Broken(Exception):
    def __init__(self, rule, detail):
        super().__init__(f"{rule}: {detail}")


def entry_label(index, raw):
    return f"entry {index + 1} \"{raw.decode('gbk', 'replace')}\""


def find_end_record(data):
    # The record is 22 bytes plus a comment of at most 65,535 bytes.
    start = max(0, len(data) - 22 - 0xFFFF)
    position = data.rfind(struct.pack("<I", END_SIG), start)
    while position >= 0:
        comment_length = struct.unpack_from("<H", data, position + 20)[0]
        if position + 22 + comment_length == len(data):
            return position
        position = data.rfind(struct.pack("<I", END_SIG), start, position)
    raise Broken(RULE_READABLE, "no end-of-central-directory record closes the archive")


def read_directory(data):
    """The central directory's entries: (raw name, method, flags, attributes, local offset, extra)."""
    end = find_end_record(data)
    disk, cd_disk, on_disk, total, cd_size, cd_offset = struct.unpack_from("<HHHHII", data, end + 4)
    if disk != 0 or cd_disk != 0 or on_disk != total:
        raise Broken(RULE_READABLE, "the archive spans several disks")
    if (0xFFFF in (on_disk, total) or 0xFFFFFFFF in (cd_size, cd_offset)
            or (end >= 20 and struct.unpack_from("<I", data, end - 20)[0] == ZIP64_LOCATOR_SIG)):
        raise Broken(RULE_READABLE, "the archive uses ZIP64 records")
    if cd_offset + cd_size > end:
        raise Broken(RULE_READABLE, "the central directory lies outside the archive")
    entries, position = [], cd_offset
    for index in range(total):
        if position + 46 > end or struct.unpack_from("<I", data, position)[0] != CENTRAL_SIG:
            raise Broken(RULE_READABLE, f"central directory record {index + 1} is damaged")
        (flags, method, csize, usize, name_length, extra_length, comment_length,
         attributes, offset) = struct.unpack_from("<8xHH8xIIHHH4xII", data, position)
        raw = data[position + 46:position + 46 + name_length]
        extra = data[position + 46 + name_length:position + 46 + name_length + extra_length]
        if 0xFFFFFFFF in (csize, usize, offset) or has_zip64_field(extra):
            raise Broken(RULE_READABLE, f"{entry_label(index, raw)} uses ZIP64 fields")
        entries.append((raw, method, flags, attributes, offset, csize))
        position += 46 + name_length + extra_length + comment_length
    return entries


def has_zip64_field(extra):
    position = 0
    while position + 4 <= len(extra):
        header_id, size = struct.unpack_from("<HH", extra, position)
        if header_id == 0x0001:
            return True
        position += 4 + size
    return False


def check_start(data):
    # The installer's first test: a local header whose name length is at least 1.
    if len(data) < 32 or struct.unpack_from("<I", data, 0)[0] != LOCAL_SIG:
        raise Broken(RULE_READABLE, "the archive does not begin with a local file header")
    if struct.unpack_from("<i", data, 24)[0] < 1:
        raise Broken(RULE_READABLE, "the first member's name is empty")


def check_member(data, index, entry):
    raw, method, flags, _, offset, csize = entry
    label = entry_label(index, raw)
    if method not in (0, 8):
        raise Broken(RULE_READABLE, f"{label} uses method {method}; only 0 (stored) and 8 (deflated) are read")
    if flags & 0x1:
        raise Broken(RULE_READABLE, f"{label} is encrypted")
    if offset + 30 > len(data) or struct.unpack_from("<I", data, offset)[0] != LOCAL_SIG:
        raise Broken(RULE_READABLE, f"{label} has no local header at offset {offset}")
    local_flags, local_method = struct.unpack_from("<HH", data, offset + 6)
    name_length, extra_length = struct.unpack_from("<HH", data, offset + 26)
    if local_flags & 0x1:
        raise Broken(RULE_READABLE, f"{label} is encrypted")
    if local_method != method:
        raise Broken(RULE_READABLE, f"{label} has method {local_method} in its local header "
                                    f"but {method} in the central directory")
    if data[offset + 30:offset + 30 + name_length] != raw:
        raise Broken(RULE_READABLE, f"{label} has another name in its local header")
    if offset + 30 + name_length + extra_length + csize > len(data):
        raise Broken(RULE_READABLE, f"{label} has data beyond the end of the archive")


def check_name(index, entry, folders_seen):
    raw, _, flags, attributes, _, _ = entry
    label = entry_label(index, raw)
    is_folder = bool(attributes & ATTR_FOLDER)
    if flags & 0x800:
        raise Broken(RULE_NAMES, f"{label} is marked as a UTF-8 name (flag bit 11); names are read as GBK")
    try:
        name = raw.decode("gbk")
    except UnicodeDecodeError:
        raise Broken(RULE_NAMES, f"{label} is not a GBK name") from None
    if not is_folder and name.endswith("/"):
        raise Broken(RULE_NAMES, f"{label} ends in \"/\" but lacks the folder attribute")
    path = name[:-1] if is_folder and name.endswith("/") else name
    parts = path.replace("\\", "/").split("/")
    if not path or name.startswith(("/", "\\")) or "" in parts:
        raise Broken(RULE_NAMES, f"{label} is not a relative path of named parts")
    for part in parts:
        if part in (".", "..") or ":" in part or DEVICE_NAME.fullmatch(part.rstrip(" .")):
            raise Broken(RULE_NAMES, f"{label} escapes the install folder or names a device ({part!r})")
        if any(ord(c) < 32 or c in '<>"|?*' for c in part):
            raise Broken(RULE_NAMES, f"{label} holds a character Windows refuses in names")
    if "\\" in name:
        raise Broken(RULE_NAMES, f"{label} separates folders with \"\\\" instead of \"/\"")
    folder = name.rpartition("/")[0]
    if not is_folder and folder and folder.lower() not in folders_seen:
        raise Broken(RULE_NAMES, f"{label} comes before the entry of its folder \"{folder}/\"")
    if is_folder:
        folders_seen.add(path.lower())


def check(data, product_name):
    check_start(data)
    entries = read_directory(data)
    folders_seen = set()
    for index, entry in enumerate(entries):
        check_member(data, index, entry)
        check_name(index, entry, folders_seen)
    executable = product_name.encode("gbk") + b".exe"
    if not any(raw == executable and not attributes & ATTR_FOLDER
               for raw, _, _, attributes, _, _ in entries):
        raise Broken(RULE_EXECUTABLE, f"no file entry named \"{product_name}.exe\" at the root")


def main(argv):
    if len(argv) not in (3, 4):
        print(__doc__, file=sys.stderr)
        return 2
    try:
        length = os.path.getsize(argv[1])
        if length > MAX_LENGTH:  # before reading: such a file need not fit in memory
            raise Broken(RULE_LENGTH, f"the archive is {length} bytes long")
        with open(argv[1], "rb") as archive:
            data = archive.read()
        check(data, argv[2])
    except (OSError, UnicodeError, Broken) as error:
        print(f"payload check failed: {argv[1]}: {error}", file=sys.stderr)
        return 1
    if len(argv) == 4:
        shutil.copyfile(argv[1], argv[3])
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
