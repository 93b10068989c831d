#!/usr/bin/env bash
# Compiles every C++ source of a Windows build tree a second time, with clang
# targeting MinGW-w64, syntax only: the program ships for a platform we cannot
# run here, and a second compiler catches what the first lets through.
#   tools/clang-mingw-check.sh BUILD_DIR   (a tree configured with cmake/mingw-w64.cmake)
# Each source gets exactly the defines, include paths and language standard that
# CMake gives it (from BUILD_DIR/compile_commands.json), and the C++ library
# headers of the MinGW g++ that builds it; every warning fails it.
set -euo pipefail

if [ $# -ne 1 ]; then
    echo "usage: $0 BUILD_DIR" >&2
    exit 2
fi
db="$1/compile_commands.json"
if [ ! -f "$db" ]; then
    echo "$db: missing; configure the tree with cmake/mingw-w64.cmake first" >&2
    exit 2
fi

exec python3 - "$db" <<'EOF'
import concurrent.futures
import json
import os
import shlex
import shutil
import subprocess
import sys

# Debian's default clang, 14, rejects C++20 that the sources use (a lambda
# capturing a structured binding); 16 is the first to take it.
kClang = "clang++-19"
kTarget = "x86_64-w64-mingw32"
kJobs = 2  # the machine's two cores are shared
kCxxSuffixes = (".cpp", ".cc", ".cxx")
# What decides how a source parses; the rest (optimisation, output, g++'s own
# switches) clang either does not need or does not know.
kKeptFlags = ("-D", "-I", "-isystem", "-std=")


def expand_response_files(args, directory):
    """CMake hands the include paths over in @files, relative to the entry's directory."""
    out = []
    for arg in args:
        if arg.startswith("@"):
            with open(os.path.join(directory, arg[1:])) as f:
                out += expand_response_files(shlex.split(f.read()), directory)
        else:
            out.append(arg)
    return out


def source_flags(args):
    kept = []
    rest = iter(args)
    for arg in rest:
        if arg in ("-D", "-I", "-isystem"):
            kept += [arg, next(rest)]
        elif arg.startswith(kKeptFlags):
            kept.append(arg)
    return kept


def libstdcxx_dirs(compiler):
    """The g++ finds its C++ library headers by itself, clang for this target does not.
    Only those: g++'s own intrinsic headers would stand in for clang's."""
    run = subprocess.run([compiler, "-E", "-x", "c++", "-", "-v"], stdin=subprocess.DEVNULL,
                         stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True,
                         env={**os.environ, "LC_ALL": "C"})  # the markers below, untranslated
    lines = run.stderr.splitlines()
    try:
        start = lines.index("#include <...> search starts here:") + 1
        end = lines.index("End of search list.", start)
    except ValueError:
        sys.exit(f"{compiler}: no include search list in its -v output")
    dirs = [os.path.normpath(line.strip()) for line in lines[start:end]]
    dirs = [d for d in dirs if "c++" in d.split(os.sep)]
    if not dirs:
        sys.exit(f"{compiler}: no C++ library headers among its include directories")
    return dirs


def clang_command(entry, dirs_by_compiler):
    args = entry.get("arguments") or shlex.split(entry["command"])
    compiler = args[0]
    if compiler not in dirs_by_compiler:
        dirs_by_compiler[compiler] = libstdcxx_dirs(compiler)
    cmd = [kClang, f"--target={kTarget}", "-fsyntax-only"]
    cmd += source_flags(expand_response_files(args[1:], entry["directory"]))
    for d in dirs_by_compiler[compiler]:
        cmd += ["-isystem", d]
    return cmd + ["-Wall", "-Wextra", "-Werror", entry["file"]]


def run_clang(cmd, directory):
    run = subprocess.run(cmd, cwd=directory, stdin=subprocess.DEVNULL, stdout=subprocess.PIPE,
                         stderr=subprocess.STDOUT, text=True)
    return run.returncode, run.stdout


def main():
    with open(sys.argv[1]) as f:
        entries = [e for e in json.load(f) if e["file"].endswith(kCxxSuffixes)]
    if not entries:
        sys.exit(f"{sys.argv[1]}: no C++ sources to check")
    if not shutil.which(kClang):
        sys.exit(f"{kClang} not found: run tools/install-deps.sh")
    dirs_by_compiler = {}
    commands = [clang_command(e, dirs_by_compiler) for e in entries]

    failed = 0
    with concurrent.futures.ThreadPoolExecutor(max_workers=kJobs) as pool:
        runs = pool.map(run_clang, commands, [e["directory"] for e in entries])
        for entry, (status, output) in zip(entries, runs):
            if status != 0:
                failed += 1
                print(f"FAILED {entry['file']}\n{output.rstrip()}", flush=True)

    verdict = f"{failed} failed" if failed else "all clean"
    print(f"clang ({kTarget}): {len(entries)} sources, {verdict}")
    return 1 if failed else 0


sys.exit(main())
EOF
