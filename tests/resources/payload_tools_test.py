"""The payload builder and checker, on small archives made here (no Wine).

With PAYLOAD and PRODUCT_NAME set in the environment, the archive that the
build embeds is also checked for the shipped shape.
"""
import io
import os
import struct
import subprocess
import sys
import tempfile
import unittest
import zipfile

TOOLS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools", "payload")
sys.path.insert(0, TOOLS)
import build_payload  # noqa: E402

PRODUCT = "产品 Seven"  # a GBK name, so that the encoding is tested too
EXE = PRODUCT + ".exe"


def central_records(data):
    """Offsets of the central directory records, walked from the end record."""
    end = data.rindex(b"PK\x05\x06")
    count, _, position = struct.unpack_from("<HII", data, end + 10)
    offsets = []
    for _ in range(count):
        offsets.append(position)
        name, extra, comment = struct.unpack_from("<HHH", data, position + 28)
        position += 46 + name + extra + comment
    return offsets


def patch(data, offset, fmt, value):
    data = bytearray(data)
    struct.pack_into(fmt, data, offset, value)
    return bytes(data)


def local_of(data, index):
    return struct.unpack_from("<I", data, central_records(data)[index] + 42)[0]


def central_of(data, index):
    return central_records(data)[index]


# Mutations of a built archive: the field, both headers or one.
def set_flags(index, value):
    def mutate(data):
        data = patch(data, central_of(data, index) + 8, "<H", value)
        return patch(data, local_of(data, index) + 6, "<H", value)
    return mutate


def set_method(index, value, local_only=False):
    def mutate(data):
        if not local_only:
            data = patch(data, central_of(data, index) + 10, "<H", value)
        return patch(data, local_of(data, index) + 8, "<H", value)
    return mutate


def set_attributes(index, value):
    return lambda data: patch(data, central_of(data, index) + 38, "<I", value)


def set_end_field(offset, value):
    return lambda data: patch(data, data.rindex(b"PK\x05\x06") + offset, "<H", value)


def rename_local(index):
    def mutate(data):
        offset = local_of(data, index) + 30
        return data[:offset] + b"X" + data[offset + 1:]
    return mutate


class Fixture(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.TemporaryDirectory()
        self.addCleanup(self.folder.cleanup)
        self.source = self.path("content.bin")
        with open(self.source, "wb") as out:
            out.write(b"Lunetra test content\r\n" * 200)

    def path(self, name):
        return os.path.join(self.folder.name, name)

    def build(self, names):
        specs = [name if name.endswith("/") else f"{name}={self.source}" for name in names]
        return build_payload.build(specs)

    def run_checker(self, data, product=PRODUCT, copy=None):
        archive = self.path("payload.zip")
        with open(archive, "wb") as out:
            out.write(data)
        args = [sys.executable, os.path.join(TOOLS, "check_payload.py"), archive, product]
        return subprocess.run(args + ([copy] if copy else []), capture_output=True, text=True)


GOOD = ["readme.txt", "docs/", "docs/guide.txt", "说明/", "说明/手册.txt", EXE]


class CheckerRefuses(Fixture):
    CASES = [
        # (what, names, mutation, product, rule, named entry)
        ("executable missing", ["readme.txt"], None, PRODUCT, "rule 3", EXE),
        ("executable only in a folder", ["docs/", "docs/" + EXE], None, PRODUCT, "rule 3", EXE),
        ("executable of another product", GOOD, None, "产品 Eight", "rule 3", "产品 Eight.exe"),
        ("file before its folder", ["docs/guide.txt", "docs/", EXE], None, PRODUCT, "rule 4", "docs/guide.txt"),
        ("file without a folder entry", ["说明/手册.txt", EXE], None, PRODUCT, "rule 4", "说明/手册.txt"),
        ("nested folder missing", ["docs/", "docs/a/b.txt", EXE], None, PRODUCT, "rule 4", "docs/a/b.txt"),
        ("parent step", ["../evil.txt", EXE], None, PRODUCT, "rule 4", "../evil.txt"),
        ("parent step inside", ["docs/", "docs/../../evil.txt", EXE], None, PRODUCT, "rule 4", "docs/../../evil.txt"),
        ("leading slash", ["/evil.txt", EXE], None, PRODUCT, "rule 4", "/evil.txt"),
        ("leading backslash", ["\\evil.txt", EXE], None, PRODUCT, "rule 4", "\\evil.txt"),
        ("drive letter", ["C:/evil.txt", EXE], None, PRODUCT, "rule 4", "C:/evil.txt"),
        ("colon", ["readme.txt:stream", EXE], None, PRODUCT, "rule 4", "readme.txt:stream"),
        ("device name", ["CON.txt", EXE], None, PRODUCT, "rule 4", "CON.txt"),
        ("device folder", ["nul/", EXE], None, PRODUCT, "rule 4", "nul/"),
        ("backslash separator", ["docs/", "docs\\guide.txt", EXE], None, PRODUCT, "rule 4", "docs\\guide.txt"),
        ("UTF-8 flag", GOOD, set_flags(0, 0x800), PRODUCT, "rule 4", "readme.txt"),
        ("slash name without folder attribute", GOOD, set_attributes(1, 0x20), PRODUCT, "rule 4", "docs/"),
        ("encrypted member", GOOD, set_flags(2, 0x1), PRODUCT, "encrypted", "docs/guide.txt"),
        ("method 12", GOOD, set_method(5, 12), PRODUCT, "method 12", EXE),
        ("local and central methods differ", GOOD, set_method(0, 0, local_only=True), PRODUCT,
         "method 0 in its local header but 8", "readme.txt"),
        ("local name differs", GOOD, rename_local(4), PRODUCT, "another name", "说明/手册.txt"),
        ("multi-disk", GOOD, set_end_field(4, 1), PRODUCT, "several disks", ""),
        ("ZIP64 count", GOOD, lambda d: set_end_field(10, 0xFFFF)(set_end_field(8, 0xFFFF)(d)), PRODUCT,
         "ZIP64", ""),
        ("first name empty", GOOD, lambda d: patch(d, 26, "<H", 0), PRODUCT, "name is empty", ""),
        ("not starting with a local header", GOOD, lambda d: b"MZ" + b"\0" * 62 + d, PRODUCT,
         "does not begin with a local file header", ""),
        ("no end record", GOOD, lambda d: d[:-22], PRODUCT, "no end-of-central-directory", ""),
    ]

    def test_each_broken_rule_is_named_with_its_entry(self):
        for what, names, mutate, product, rule, entry in self.CASES:
            with self.subTest(what):
                data = self.build(names)
                if mutate:
                    data = mutate(data)
                copy = self.path("checked.zip")
                result = self.run_checker(data, product, copy)
                self.assertEqual(result.returncode, 1, result.stderr)
                self.assertIn(rule, result.stderr)
                self.assertIn(entry, result.stderr)
                self.assertFalse(os.path.exists(copy), "a refused archive is never passed on")

    def test_length_beyond_a_signed_32_bit_count(self):
        archive = self.path("huge.zip")
        with open(archive, "wb") as out:
            out.write(self.build(GOOD))
            out.truncate(2**31)  # sparse: nothing is written
        result = subprocess.run([sys.executable, os.path.join(TOOLS, "check_payload.py"), archive, PRODUCT],
                                capture_output=True, text=True)
        self.assertEqual(result.returncode, 1)
        self.assertIn("rule 2", result.stderr)


class CheckerAccepts(Fixture):
    def test_sound_archive_is_copied_unchanged(self):
        data = self.build(GOOD)
        copy = self.path("checked.zip")
        result = self.run_checker(data, copy=copy)
        self.assertEqual(result.returncode, 0, result.stderr)
        with open(copy, "rb") as checked:
            self.assertEqual(checked.read(), data)

    def test_archive_of_another_tool(self):
        # Python's zipfile as a vendor's archiver: ASCII names, a folder entry marked 0x10.
        buffer = io.BytesIO()
        with zipfile.ZipFile(buffer, "w", zipfile.ZIP_DEFLATED) as archive:
            folder = zipfile.ZipInfo("bin/")
            folder.external_attr = 0x10
            archive.writestr(folder, b"")
            archive.writestr("bin/tool.dll", b"library" * 100)
            archive.writestr("Vendor App.exe", b"MZ" + b"\0" * 100)
        result = self.run_checker(buffer.getvalue(), "Vendor App")
        self.assertEqual(result.returncode, 0, result.stderr)


class Builder(Fixture):
    def test_same_inputs_give_same_bytes_whatever_the_file_times(self):
        first = self.build(GOOD)
        os.utime(self.source, (0, 1_000_000_000))
        self.assertEqual(self.build(GOOD), first)

    def test_gbk_names_without_utf8_flag_and_content_that_reads_back(self):
        data = self.build(GOOD)
        with zipfile.ZipFile(io.BytesIO(data)) as archive:
            self.assertIsNone(archive.testzip())
            names = [info.orig_filename.encode("cp437") for info in archive.infolist()]
            self.assertEqual(names, [name.encode("gbk") for name in GOOD])
            with open(self.source, "rb") as source:
                self.assertEqual(archive.read(archive.infolist()[-1]), source.read())

    def test_refuses_a_name_outside_gbk(self):
        with self.assertRaises(UnicodeError):
            self.build(["café™😀.txt"])


@unittest.skipUnless(os.environ.get("PAYLOAD"), "PAYLOAD names the built archive")
class EmbeddedPayload(unittest.TestCase):
    def test_has_the_shipped_shape(self):
        with open(os.environ["PAYLOAD"], "rb") as archive_file:
            data = archive_file.read()
        executable = os.environ["PRODUCT_NAME"].encode("gbk") + b".exe"
        with zipfile.ZipFile(io.BytesIO(data)) as archive:
            infos = archive.infolist()
            self.assertIsNone(archive.testzip())
        self.assertEqual(len(infos), 8)
        folders = [i for i, info in enumerate(infos) if info.external_attr == 0x10]
        self.assertEqual(folders, [4], "one folder entry, the fifth")
        self.assertTrue(infos[5].orig_filename.startswith(infos[4].orig_filename))
        self.assertNotIn("/", "".join(infos[i].orig_filename for i in (0, 1, 2, 3, 6, 7)))
        self.assertEqual(infos[7].orig_filename.encode("cp437"), executable)
        for index, info in enumerate(infos):
            with self.subTest(info.orig_filename):
                is_folder = index == 4
                self.assertEqual(info.compress_type, 0 if is_folder else 8)
                self.assertEqual(info.external_attr, 0x10 if is_folder else 0x20)
                self.assertEqual(info.create_system, 0)
                self.assertEqual(info.flag_bits & 0x809, 0, "no descriptor, encryption or UTF-8 flag")
                self.assertEqual(info.date_time, (2025, 6, 1, 10, 0, 0))


if __name__ == "__main__":
    unittest.main()
