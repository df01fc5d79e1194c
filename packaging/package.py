#!/usr/bin/env python3
"""Makes the release from a built Tallyvane.exe: the portable zip, the per-user installer and
SHA256SUMS for both.

Every byte follows from the inputs and the given date (the commit's): the staged files get that
time, the zip lists them in a fixed order with fixed attributes, and makensis packs the staged
files, so one commit gives the same release on every machine.
"""
import argparse
import hashlib
import os
import shutil
import subprocess
import sys
import time
import zipfile

# The zip's order, and what the installer packs (packaging/Tallyvane.nsi names the same files).
STAGED = ("Tallyvane.exe", "README.txt")
ZIP_EARLIEST = 315532800  # 1980-01-01: a zip entry holds no earlier time


def stage(args):
    shutil.rmtree(args.stage, ignore_errors=True)
    os.makedirs(args.stage)
    shutil.copyfile(args.exe, os.path.join(args.stage, "Tallyvane.exe"))
    # The README as plain text a Windows editor shows as it is: CRLF lines, UTF-8 with its mark.
    with open(args.readme, encoding="utf-8") as f:
        text = f.read().replace("\r\n", "\n").replace("\n", "\r\n")
    with open(os.path.join(args.stage, "README.txt"), "w", encoding="utf-8-sig", newline="") as f:
        f.write(text)
    for name in STAGED:
        os.utime(os.path.join(args.stage, name), (args.epoch, args.epoch))


def write_zip(args, path):
    date_time = time.gmtime(max(args.epoch, ZIP_EARLIEST))[:6]
    with zipfile.ZipFile(path + ".part", "w") as archive:
        for name in STAGED:
            info = zipfile.ZipInfo(name, date_time)
            info.create_system = 0  # MS-DOS: no owner or Unix mode from the builder's machine
            info.external_attr = 0x20  # the archive attribute, as Windows sets it
            info.compress_type = zipfile.ZIP_DEFLATED
            with open(os.path.join(args.stage, name), "rb") as f:
                archive.writestr(info, f.read(), compresslevel=9)
    os.replace(path + ".part", path)


def write_installer(args, path):
    subprocess.run([args.makensis, "-V2", "-INPUTCHARSET", "UTF8",
                    "-DVERSION=" + args.version, "-DFILE_VERSION=" + args.file_version,
                    "-DSTAGE=" + os.path.abspath(args.stage), "-DICON=" + os.path.abspath(args.icon),
                    "-DOUTFILE=" + os.path.abspath(path + ".part"), args.nsi], check=True)
    os.replace(path + ".part", path)


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    for option in ("exe", "readme", "icon", "nsi", "makensis", "version", "file_version", "stage", "out"):
        parser.add_argument("--" + option.replace("_", "-"), required=True)
    parser.add_argument("--epoch", type=int, required=True)
    args = parser.parse_args()

    stage(args)
    os.makedirs(args.out, exist_ok=True)
    outputs = ["Tallyvane-%s-win64.zip" % args.version, "Tallyvane-%s-setup.exe" % args.version]
    write_zip(args, os.path.join(args.out, outputs[0]))
    write_installer(args, os.path.join(args.out, outputs[1]))
    with open(os.path.join(args.out, "SHA256SUMS.part"), "w", newline="\n") as sums:
        for name in outputs:
            with open(os.path.join(args.out, name), "rb") as f:
                sums.write("%s  %s\n" % (hashlib.sha256(f.read()).hexdigest(), name))
    os.replace(os.path.join(args.out, "SHA256SUMS.part"), os.path.join(args.out, "SHA256SUMS"))
    return 0


if __name__ == "__main__":
    sys.exit(main())
