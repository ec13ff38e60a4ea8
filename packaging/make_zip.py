#!/usr/bin/env python3
"""Packs a folder into a zip that is the same bytes wherever it is made: members in name
order under one top folder, each dated by the source's commit time (tools/source_date_epoch.sh),
with no owner and fixed permissions.
Usage: make_zip.py OUTPUT.zip TOP_FOLDER STAGE_FOLDER SOURCE_FOLDER"""
import os
import subprocess
import sys
import time
import zipfile


def build_epoch(source):
    commit_time = subprocess.run(["bash", os.path.join(source, "tools", "source_date_epoch.sh")],
                                 capture_output=True, text=True, check=False).stdout.strip()
    return int(commit_time) if commit_time else 315532800  # 1980-01-01, the zip format's first day


def main(output, top, stage, source):
    date_time = time.gmtime(build_epoch(source))[:6]
    paths = sorted(os.path.relpath(os.path.join(folder, name), stage)
                   for folder, _, names in os.walk(stage) for name in names)
    with zipfile.ZipFile(output + ".new", "w") as archive:
        for path in paths:
            member = zipfile.ZipInfo(f"{top}/{path}", date_time)
            member.create_system = 0
            member.external_attr = 0o644 << 16
            member.compress_type = zipfile.ZIP_DEFLATED
            with open(os.path.join(stage, path), "rb") as data:
                archive.writestr(member, data.read(), compresslevel=9)
    os.replace(output + ".new", output)


if __name__ == "__main__":
    main(*sys.argv[1:])
