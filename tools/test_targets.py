#!/usr/bin/env python3
"""The build targets a test runs, read from what CMake wrote, never guessed from the test's
name: each program a test's command names (CTestTestfile.cmake, whose commands CMake writes
whether or not their programs are built yet) is matched to the target whose artifact it is,
in the Linux build tree or the Windows one (CMake's file API, which the trees were configured
to answer). A test that names no program, such as the package's check, needs its whole tree;
so does one that names a file of the Windows tree that is no target's program, such as the
installer, whatever else it names.

Usage: test_targets.py BUILD WINDOWS_BUILD TEST...
Prints one "build TARGET" or "windows TARGET" line per target needed."""
import glob
import json
import os
import re
import shlex
import sys


def commands(tree):
    """Each test of TREE, mapped to its command and arguments."""
    found = {}
    for folder, _, files in os.walk(tree):
        if "CTestTestfile.cmake" not in files:
            continue
        with open(os.path.join(folder, "CTestTestfile.cmake")) as file:
            for line in file:
                test = re.match(r"add_test\(\[=\[(.+?)\]=\] (.*)\)$", line.rstrip("\n"))
                if test:
                    found[test[1]] = shlex.split(test[2])
    return found


def artifacts(tree):
    """Each executable's real path in TREE, mapped to its target's name."""
    reply = os.path.join(tree, ".cmake", "api", "v1", "reply")
    indexes = sorted(glob.glob(os.path.join(reply, "index-*.json")))
    if not indexes:
        return {}
    with open(indexes[-1]) as index:
        objects = json.load(index)["objects"]
    codemodel = next(o for o in objects if o["kind"] == "codemodel")
    with open(os.path.join(reply, codemodel["jsonFile"])) as file:
        model = json.load(file)
    found = {}
    for configuration in model["configurations"]:
        for target in configuration["targets"]:
            with open(os.path.join(reply, target["jsonFile"])) as file:
                for artifact in json.load(file).get("artifacts", []):
                    path = os.path.join(tree, artifact["path"])
                    found[os.path.realpath(path)] = target["name"]
    return found


def main():
    build, windows_build, wanted = sys.argv[1], sys.argv[2], set(sys.argv[3:])
    trees = {"build": artifacts(build), "windows": artifacts(windows_build)}
    tests = commands(build)
    missing = wanted - tests.keys()
    if missing:
        sys.exit("no such test: " + " ".join(sorted(missing)))
    windows = os.path.realpath(windows_build) + os.sep
    needed = set()
    for name in sorted(wanted):
        arguments = [os.path.realpath(argument) for argument in tests[name]]
        found = {(tree, targets[argument])
                 for argument in arguments
                 for tree, targets in trees.items() if argument in targets}
        inside = [argument for argument in arguments if argument.startswith(windows)]
        if any(argument not in trees["windows"] for argument in inside):
            found.add(("windows", "all"))
        if not found:
            found = {("build", "all")}
        needed |= found
    for tree, target in sorted(needed):
        print(tree, target)


main()
