"""Builds the bench archives (once) and times the three extractors on them."""
import argparse
import os
import random
import shutil
import statistics
import subprocess
import time
import zipfile
import zlib

# The shipped payload: sizes of its 8 entries, None for the folder entry.
SHIPPED = [
    ("support1.dll", 77824), ("helper.exe", 872448), ("settings.ini", 265), ("support2.dll", 102400),
    ("config/", None), ("config/app.cfg", 65643), ("support3.dll", 225792), ("Lunetra Product I.exe", 3780608),
]


def payload_like(size, rng):
    """Bytes that deflate to about half their size, as the shipped binaries do."""
    words = [rng.randbytes(rng.randint(2, 12)) for _ in range(4096)]
    out = bytearray()
    while len(out) < size:
        out += rng.choice(words) if rng.random() < 0.8 else rng.randbytes(8)
    return bytes(out[:size])


def dos_entry(name, is_folder):
    info = zipfile.ZipInfo(name, date_time=(2024, 5, 17, 10, 30, 0))
    info.create_system = 0
    info.external_attr = 0x10 if is_folder else 0x20
    info.compress_type = zipfile.ZIP_STORED if is_folder else zipfile.ZIP_DEFLATED
    return info


def make_shipped(path):
    rng = random.Random(1)
    with zipfile.ZipFile(path, "w") as z:
        for name, size in SHIPPED:
            z.writestr(dos_entry(name, size is None), b"" if size is None else payload_like(size, rng))


def make_big(path, size=256 << 20):
    line = b"%08d lorem ipsum dolor sit amet, consectetur adipiscing elit\n"
    block = b"".join(line % i for i in range(100000))
    info = dos_entry("big.log", False)
    with zipfile.ZipFile(path, "w") as z, z.open(info, "w", force_zip64=False) as member:
        written = 0
        while written < size:
            chunk = block[: size - written]
            member.write(chunk)
            written += len(chunk)


def make_small_files(path, count, per_folder=100):
    rng = random.Random(count)
    with zipfile.ZipFile(path, "w") as z:
        for i in range(count):
            folder = "f%03d/" % (i // per_folder)
            if i % per_folder == 0:
                z.writestr(dos_entry(folder, True), b"")
            z.writestr(dos_entry("%sfile%05d.txt" % (folder, i), False), payload_like(rng.randint(100, 2000), rng))


def winpath(path):
    return "Z:" + path.replace("/", "\\")


def timed(commands, target, runs, must_succeed=True):
    """Median wall time of each command; the commands take turns run by run,
    so that a change in the machine's load falls on all of them alike."""
    times = [[] for _ in commands]
    for _ in range(runs):
        for command, samples in zip(commands, times):
            shutil.rmtree(target, ignore_errors=True)
            os.makedirs(target)
            start = time.perf_counter()
            result = subprocess.run(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            samples.append(time.perf_counter() - start)
            if must_succeed and result.returncode != 0:
                raise SystemExit("%s failed with %d" % (command[:2], result.returncode))
    shutil.rmtree(target, ignore_errors=True)
    return [statistics.median(samples) for samples in times]


def main():
    parser = argparse.ArgumentParser()
    for name in ("--extract", "--miniunz", "--work", "--out"):
        parser.add_argument(name, required=True)
    args = parser.parse_args()
    archives = os.path.join(args.work, "archives")
    os.makedirs(archives, exist_ok=True)
    workloads = [
        ("(a) shipped shape, 8 entries, 5,124,980 bytes", "shipped.zip", make_shipped, 15),
        ("(b) one 256 MB compressible file", "big.zip", make_big, 3),
        ("(c) 5,000 small files, 50 folders", "small5k.zip", lambda p: make_small_files(p, 5000), 3),
        ("(c) 10,000 small files, 100 folders", "small10k.zip", lambda p: make_small_files(p, 10000), 3),
        ("(c) 20,000 small files, 200 folders", "small20k.zip", lambda p: make_small_files(p, 20000), 3),
    ]
    target = os.path.join(args.work, "out")
    rows = []
    for title, file_name, make, runs in workloads:
        archive = os.path.join(archives, file_name)
        if not os.path.exists(archive):
            make(archive + ".part")
            os.replace(archive + ".part", archive)
        with zipfile.ZipFile(archive) as z:
            entries = len(z.infolist())
            unpacked = sum(i.file_size for i in z.infolist())
        extract, miniunz, unzip = timed([
            ["wine", args.extract, winpath(archive), winpath(target)],
            ["wine", args.miniunz, "-x", "-o", winpath(archive), "-d", winpath(target)],
            ["unzip", "-q", "-o", archive, "-d", target],
        ], target, runs)
        rows.append((title, entries, unpacked, extract, miniunz, unzip))
        print(rows[-1], flush=True)

    # Each program's own start and end, timed on an archive that does not exist.
    missing = winpath(os.path.join(archives, "missing.zip"))
    extract_start, miniunz_start = timed(
        [["wine", args.extract, missing, winpath(target)], ["wine", args.miniunz, "-x", missing]], target, 9,
        must_succeed=False)
    with open(args.out, "w") as out:
        out.write("# extract.exe against miniunz.exe and Info-ZIP unzip\n\n")
        out.write(
            "Median wall time in seconds of several runs (the programs taking turns) into an empty folder "
            "on the same disk. Both .exe "
            "are i686, -O2, static, from the same minizip and zlib sources, and run under the same Wine "
            "(prefix warm, wineserver running); Info-ZIP unzip runs natively on Linux. The times include "
            "each program's start under Wine, measured on an archive that does not exist: extract.exe "
            "%.3f s (it creates the component's window, which starts Wine's window system), miniunz.exe "
            "%.3f s. \"net\" subtracts these.\n\n" % (extract_start, miniunz_start))
        out.write("| workload | entries | unpacked bytes | extract.exe | miniunz.exe | extract / miniunz "
                  "| net extract / net miniunz | unzip (native) | net extract ms per entry |\n"
                  "|---|---:|---:|---:|---:|---:|---:|---:|---:|\n")
        for title, entries, unpacked, extract, miniunz, unzip in rows:
            net_extract, net_miniunz = extract - extract_start, miniunz - miniunz_start
            out.write("| %s | %d | %s | %.3f | %.3f | %.2f | %.2f | %.3f | %.3f |\n" % (
                title, entries, format(unpacked, ","), extract, miniunz, extract / miniunz,
                net_extract / net_miniunz, unzip, 1000 * net_extract / entries))


if __name__ == "__main__":
    main()
