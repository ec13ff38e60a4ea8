#!/usr/bin/env python3
"""Writes the third-party notices of the Windows executable: which parts of others' work the
link took in (read from the linker's map), each with its copyright and licence as Debian's
machine-readable copyright files of the same sources state them. Fails when the link took a
bundled library or a third-party object this table does not know, so none goes unnoticed.
Usage: notices.py LINK.map QT_PREFIX OUTPUT.txt QTBASE_COPYRIGHT QTSVG_COPYRIGHT MINGW_COPYRIGHT"""
import os
import re
import sys

# name, what in the link shows it (archive, member pattern), which copyright file, its Files.
# Qt compiles some of its third-party sources into its own files: the hashes into
# qcryptographichash, the easing curves into qeasingcurve, TinyCBOR into the CBOR stream
# classes, md4c into the Markdown reader.
COMPONENTS = [
    ("FreeType", r"libQt6BundledFreetype\.a", r".", "qtbase", "src/3rdparty/freetype/*"),
    ("HarfBuzz", r"libQt6BundledHarfbuzz\.a", r".", "qtbase", "src/3rdparty/harfbuzz-ng/*"),
    ("libpng", r"libQt6BundledLibpng\.a", r".", "qtbase", "src/3rdparty/libpng/*.c"),
    ("PCRE2", r"libQt6BundledPcre2\.a", r".", "qtbase", "src/3rdparty/pcre2/src/*"),
    ("PCRE2 SLJIT", r"libQt6BundledPcre2\.a", r"sljit|pcre2_jit", "qtbase",
     "src/3rdparty/pcre2/src/sljit/*"),
    ("zlib", r"libQt6BundledZLIB\.a", r".", "qtbase", "src/3rdparty/zlib/src/*"),
    ("double-conversion", r"libQt6Core\.a", r"\.cc\.obj$", "qtbase",
     "src/3rdparty/double-conversion/*"),
    ("Easing equations by Robert Penner", r"libQt6Core\.a", r"^qeasingcurve\.", "qtbase",
     "src/3rdparty/easing/*"),
    ("SHA-1", r"libQt6Core\.a", r"^qcryptographichash\.", "qtbase", "src/3rdparty/sha1/sha1.cpp"),
    ("SHA-2 (RFC 6234)", r"libQt6Core\.a", r"^qcryptographichash\.", "qtbase",
     "src/3rdparty/rfc6234/*"),
    ("SHA-3 (Keccak)", r"libQt6Core\.a", r"^qcryptographichash\.", "qtbase", "src/3rdparty/sha3/*"),
    ("SHA-3 byte order", r"libQt6Core\.a", r"^qcryptographichash\.", "qtbase",
     "src/3rdparty/sha3/brg_endian.h"),
    ("MD4 and MD5", r"libQt6Core\.a", r"^qcryptographichash\.", "qtbase", "src/3rdparty/md4/*"),
    ("TinyCBOR", r"libQt6Core\.a", r"^qcborstream(reader|writer)\.", "qtbase",
     "src/3rdparty/tinycbor/*"),
    ("md4c", r"libQt6Gui\.a", r"^md4c\.c\.", "qtbase", "src/3rdparty/md4c/*"),
    # Debian's file lists no paragraph of its own for this one: its entry comes from the SBOM
    # that the Qt build wrote (Gui_Attribution_d3d12memoryallocator).
    ("D3D12 Memory Allocator", r"libQt6Gui\.a", r"^D3D12MemAlloc\.", "qt-sbom",
     "src/3rdparty/D3D12MemoryAllocator/*|Gui_Attribution_d3d12memoryallocator"),
    ("mingw-w64 runtime", r"lib(mingwex|mingw32|msvcrt|uuid|dxguid)\.a", r".", "mingw", "*"),
    ("winpthreads", r"lib(win)?pthread\.a", r".", "mingw", "mingw-w64-libraries/winpthreads/*"),
]
# Archives of the static Qt that hold only third-party code, and the names of Qt's own
# objects that are not named after a Qt class (the widgets' accessibility among them).
BUNDLED = re.compile(r"libQt6Bundled\w+\.a")
QT_OWN = re.compile(r"^(q|mocs_compilation|removed_api|archdetect|complexwidgets|itemviews|"
                    r"rangecontrols|simplewidgets|main\.cpp)")


def link_members(map_path, qt_prefix):
    """(archive, member, from Qt) for each object the linker took from an archive."""
    members = set()
    with open(map_path, encoding="utf-8", errors="replace") as lines:
        for line in lines:
            found = re.match(r"^(\S*?)([^/\s]+\.a)\(([^)]+)\)", line)
            if found:
                folder = os.path.realpath(found.group(1) or ".")
                members.add((found.group(2), found.group(3), folder.startswith(qt_prefix)))
    return members


def paragraphs(path):
    with open(path, encoding="utf-8") as text:
        return [block.strip("\n") for block in re.split(r"\n\s*\n", text.read()) if block.strip()]


def field(paragraph, name):
    found = re.search(rf"^{name}:(.*(?:\n[ \t].*)*)", paragraph, re.M)
    return found.group(1) if found else None


def files_paragraph(copyright_paragraphs, pattern):
    for paragraph in copyright_paragraphs:
        files = field(paragraph, "Files")
        if files and pattern in files.split():
            return paragraph
    raise SystemExit(f"no 'Files: {pattern}' in the copyright file")


# SPDX names as Debian's copyright files spell them.
DEBIAN_LICENCE_NAMES = {"MIT": "Expat"}


def sbom_paragraph(qt_prefix, pattern):
    """A copyright paragraph for FILES|PACKAGE from the SBOM the Qt build wrote of itself."""
    files, package = pattern.split("|")
    for sbom in sorted(os.listdir(os.path.join(qt_prefix, "sbom"))):
        with open(os.path.join(qt_prefix, "sbom", sbom), encoding="utf-8") as text:
            for entry in text.read().split("\n\n"):
                if re.search(rf"^PackageName: {re.escape(package)}$", entry, re.M):
                    holder = re.search(r"^PackageCopyrightText: <text>(?:Copyright \(c\) )?(.*?)"
                                       r"(?: All rights reserved\.)?</text>", entry, re.M).group(1)
                    licence = re.search(r"^PackageLicenseConcluded: (.*)$", entry, re.M).group(1)
                    return (f"Files: {files}\nCopyright: {holder}\n"
                            f"License: {DEBIAN_LICENCE_NAMES.get(licence, licence)}\n"
                            f"Comment: from Qt's software bill of materials, sbom/{sbom}")
    raise SystemExit(f"no package {package} in the Qt build's SBOM")


def licence_texts(copyright_paragraphs, names):
    texts = {}
    for paragraph in copyright_paragraphs:
        if field(paragraph, "Files") is None and paragraph.startswith("License:"):
            name = paragraph.split("\n", 1)[0].split(":", 1)[1].strip()
            if name in names:
                texts[name] = paragraph
    return texts


def main(map_path, qt_prefix, output, qtbase, qtsvg, mingw):
    members = link_members(map_path, os.path.realpath(qt_prefix) + "/")
    copyrights = {"qtbase": paragraphs(qtbase), "qtsvg": paragraphs(qtsvg),
                  "mingw": paragraphs(mingw)}
    covered = set()
    found = []
    for name, archive, member, source, pattern in COMPONENTS:
        taken = {(a, m, qt) for a, m, qt in members
                 if re.fullmatch(archive, a) and re.search(member, m)}
        if taken:
            found.append((name, sorted(f"{a}({m})" for a, m, _ in taken), source, pattern))
            covered |= taken
    unknown = sorted(f"{a}({m})" for a, m, qt in members - covered
                     if BUNDLED.fullmatch(a) or (qt and not QT_OWN.match(m)))
    if unknown:
        raise SystemExit("third-party code in the link without a notice:\n  "
                         + "\n  ".join(unknown))

    out = ["Third-party code in quorvex.exe",
           "===============================",
           "",
           "Qt (Qt Base and Qt Svg) is linked into quorvex.exe statically and is used under the",
           "GNU LGPL version 3 (licences/LGPL-3.0-only.txt). Qt itself carries code of others; the",
           "parts below are those the link took in, each with the evidence from the linker's map,",
           "its copyright and its licence. The compiler's runtime (libstdc++, libgcc) is under the",
           "GPL version 3 with the GCC Runtime Library Exception, which asks for no notice.",
           ""]
    licences = {}
    for name, evidence, source, pattern in found:
        if source == "qt-sbom":
            paragraph, source = sbom_paragraph(qt_prefix, pattern), "qtbase"
        else:
            paragraph = files_paragraph(copyrights[source], pattern)
        out += [name, "-" * len(name), "In the link: " + ", ".join(evidence[:3])
                + (f" and {len(evidence) - 3} more" if len(evidence) > 3 else ""), paragraph, ""]
        licence = field(paragraph, "License").split("\n")[0].strip()
        names = re.split(r"\s+(?:or|and)\s+|,\s*", licence)
        licences.setdefault(source, set()).update(names)
    out += ["Licence texts", "============="]
    for source, names in sorted(licences.items()):
        for name, text in sorted(licence_texts(copyrights[source], names).items()):
            out += ["", text]
    with open(output, "w", encoding="utf-8", newline="\r\n") as notices:
        notices.write("\n".join(out) + "\n")


if __name__ == "__main__":
    main(*sys.argv[1:])
