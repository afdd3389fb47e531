#!/usr/bin/env python3
"""Runs two tolvex binaries on the same inputs and reports every difference.

Each input runs in a fresh temporary directory per binary, laid out the same
way and named by relative paths, so the messages of the two runs are
comparable byte for byte. Compared: standard output, standard error, exit
status and every file left in the directory afterwards (output file,
dependency file, anything else written). A run that times out differs from one
that does not; two that time out are counted apart.

    compare.py REF NEW [--count N] [--seed S] [--jobs J] [--lit] [--fuzz-corpora]

Without --lit or --fuzz-corpora it compares N generated programs (gen.py,
seeds S .. S+N-1); with either it runs those inputs instead, and --count then
adds generated programs only when given. Differing cases are written to
--out (default difftest-out) and the exit status is 1.
"""

import argparse
import multiprocessing
import os
import shutil
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
sys.path.insert(0, HERE)
import gen  # noqa: E402

CONFIG = {}   # binaries, output directory and timeout, set in each worker


# --------------------------------------------------------------------------
# Inputs: (case name, {relative path: bytes}, [arguments])

def split_file(data):
    """The files of a lit test that uses split-file: each "//--- NAME" line
    starts a file that runs to the next such line."""
    files = {}
    name = None
    for line in data.splitlines(keepends=True):
        if line.startswith(b"//--- "):
            name = line[6:].strip().decode("utf-8", "surrogateescape")
            files[name] = b""
        elif name is not None:
            files[name] += line
    return files


def lit_cases(test_root):
    variants = ([], ["-line"], ["-md", "d.d", "t.o"])
    for dirpath, dirs, names in os.walk(test_root):
        dirs[:] = sorted(d for d in dirs if d != "Inputs")
        for n in sorted(names):
            if not n.endswith((".asm", ".test")):
                continue
            path = os.path.join(dirpath, n)
            rel = os.path.relpath(path, test_root)
            with open(path, "rb") as f:
                data = f.read()
            if b"split-file %s" in data:
                files = split_file(data)
                mains = (["main.asm"] if "main.asm" in files else
                         sorted(f for f in files if f.endswith(".asm")))
            else:
                files = {n: data}
                inputs = os.path.join(dirpath, "Inputs")
                if os.path.isdir(inputs):
                    files.update(tree_files(inputs, "Inputs"))
                mains = [n]
            inc = ["-i", "inc"] if any(f.startswith("inc/") for f in files) \
                else []
            for m in mains:
                for i, v in enumerate(variants):
                    yield ("lit-%s-%s-%d" % (rel.replace("/", "_"), m.replace(
                        "/", "_"), i), files, v + inc + [m])


def tree_files(top, prefix):
    out = {}
    for dirpath, _, names in os.walk(top):
        for n in names:
            p = os.path.join(dirpath, n)
            with open(p, "rb") as f:
                out[os.path.join(prefix, os.path.relpath(p, top))] = f.read()
    return out


FUZZ_FALLBACK = ("a.inc", "b.inc", "inc/c.inc")


def plain_name(name):
    if not name or len(name) > 32 or name[0] == "." or name in ("inc",
                                                                  "deps.d"):
        return False
    return all(c.isalnum() and c.isascii() or c in "_.-" for c in name)


def fuzz_split(data):
    """The files and -D options fuzz/FuzzPreprocess.cpp makes of an input."""
    marker = b"//--- "
    sections = []
    rest = data
    name = "main.asm"
    fallback = 0
    while True:
        at = -1
        if len(sections) + 1 < 5:
            at = 0 if rest[:len(marker)] == marker else rest.find(
                b"\n//--- ")
            if at > 0:
                at += 1
        if at < 0:
            sections.append((name, rest))
            break
        sections.append((name, rest[:at]))
        rest = rest[at + len(marker):]
        eol = rest.find(b"\n")
        sec = rest[:eol] if eol >= 0 else rest
        rest = rest[eol + 1:] if eol >= 0 else b""
        sec = sec.decode("latin-1")
        if sec == "defines":
            name = ""
        elif plain_name(sec) or (sec[:4] == "inc/" and plain_name(sec[4:])):
            name = sec
        else:
            name = FUZZ_FALLBACK[fallback]
            fallback = (fallback + 1) % len(FUZZ_FALLBACK)
    files, defines = {}, []
    for name, text in sections:
        if name:
            files[name] = text   # a later section of the same name wins
            continue
        while text and len(defines) < 4:
            eol = text.find(b"\n")
            line = (text if eol < 0 else text[:eol])[:80].replace(b"\0", b"")
            text = b"" if eol < 0 else text[eol + 1:]
            defines.append(os.fsdecode(b"-D" + line))
    return files, defines


def fuzz_cases(fuzz_root):
    dirs = sorted(d for d in os.listdir(fuzz_root)
                  if d.startswith("corpus") or d == "regressions")
    for d in dirs:
        top = os.path.join(fuzz_root, d)
        for dirpath, _, names in os.walk(top):
            for n in sorted(names):
                p = os.path.join(dirpath, n)
                with open(p, "rb") as f:
                    data = f.read()
                rel = os.path.relpath(p, fuzz_root).replace("/", "_")
                yield ("fuzz-%s-plain" % rel, {"main.asm": data},
                       ["main.asm"])
                if os.path.basename(p).startswith("fuzz_scanner"):
                    continue
                files, defines = fuzz_split(data)
                yield ("fuzz-%s-split" % rel, files,
                       ["-line", "-oout.s", "-md", "deps.d", "main.o", "-i",
                        "inc"] + defines + ["main.asm"])


# --------------------------------------------------------------------------
# Running

def lay_out(d, files):
    os.makedirs(os.path.join(d, "inc"), exist_ok=True)
    for rel, data in files.items():
        p = os.path.join(d, rel)
        os.makedirs(os.path.dirname(p), exist_ok=True)
        with open(p, "wb") as f:
            f.write(data)


def snapshot(d):
    out = {}
    for dirpath, dirs, names in os.walk(d):
        dirs.sort()
        for n in sorted(names):
            p = os.path.join(dirpath, n)
            rel = os.path.relpath(p, d)
            try:
                with open(p, "rb") as f:
                    out[rel] = f.read()
            except OSError as e:
                out[rel] = ("<unreadable: %s>" % e).encode()
    return out


def run_one(binary, d, args):
    try:
        p = subprocess.run([binary] + args, cwd=d, stdin=subprocess.DEVNULL,
                           stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                           timeout=CONFIG["timeout"])
        return {"status": str(p.returncode), "stdout": p.stdout,
                "stderr": p.stderr, "files": snapshot(d)}
    except subprocess.TimeoutExpired as e:
        return {"status": "timeout", "stdout": e.stdout or b"",
                "stderr": e.stderr or b"", "files": snapshot(d)}


def differences(a, b):
    diffs = [k for k in ("status", "stdout", "stderr") if a[k] != b[k]]
    for rel in sorted(set(a["files"]) | set(b["files"])):
        if a["files"].get(rel) != b["files"].get(rel):
            diffs.append("file " + rel)
    return diffs


def run_both(tmp, files, args):
    res = {}
    for side in ("ref", "new"):
        d = os.path.join(tmp, side)
        shutil.rmtree(d, ignore_errors=True)
        lay_out(d, files)
        res[side] = run_one(CONFIG[side], d, args)
    return res


def check(case):
    """-> (name, list of differences, both timed out)"""
    name, files, args = case
    if files is None:   # a generated program: made here, in the worker
        files, args = gen.generate(args)
    with tempfile.TemporaryDirectory(prefix="difftest.") as tmp:
        res = run_both(tmp, files, args)
        if "timeout" in (res["ref"]["status"], res["new"]["status"]) and \
                res["ref"]["status"] != res["new"]["status"]:
            # A run near the time limit on a busy machine: once more, so
            # that only a lasting difference in speed is reported.
            res = run_both(tmp, files, args)
        both_timed_out = res["ref"]["status"] == res["new"]["status"] == \
            "timeout"
        # What two runs stopped at an arbitrary moment wrote cannot match.
        diffs = [] if both_timed_out else differences(res["ref"], res["new"])
        if diffs:
            save(name, files, args, res, diffs)
        return name, diffs, both_timed_out


def save(name, files, args, res, diffs):
    d = os.path.join(CONFIG["out"], name)
    shutil.rmtree(d, ignore_errors=True)
    lay_out(os.path.join(d, "input"), files)
    with open(os.path.join(d, "args.txt"), "w",
              errors="surrogateescape") as f:
        f.write("\n".join(args) + "\n")
    with open(os.path.join(d, "differences.txt"), "w") as f:
        f.write("\n".join(diffs) + "\n")
    for side, r in res.items():
        sd = os.path.join(d, side)
        os.makedirs(sd, exist_ok=True)
        for k in ("stdout", "stderr"):
            with open(os.path.join(sd, k), "wb") as f:
                f.write(r[k])
        with open(os.path.join(sd, "status"), "w") as f:
            f.write(r["status"] + "\n")
        for rel, data in r["files"].items():
            if files.get(rel) != data:   # written or changed by the run
                lay_out(os.path.join(sd, "files"), {rel: data})


def init_worker(config):
    CONFIG.update(config)


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("ref", help="reference tolvex binary")
    ap.add_argument("new", help="tolvex binary to check")
    ap.add_argument("--count", type=int, default=None,
                    help="generated programs (default 1000 without --lit "
                         "or --fuzz-corpora, else 0)")
    ap.add_argument("--seed", type=int, default=1, help="first seed")
    ap.add_argument("--jobs", type=int, default=2)
    ap.add_argument("--lit", action="store_true",
                    help="also every input under test/")
    ap.add_argument("--fuzz-corpora", action="store_true",
                    help="also every file in fuzz/corpus*/ and "
                         "fuzz/regressions/")
    ap.add_argument("--timeout", type=float, default=20.0,
                    help="seconds per run (default %(default)s)")
    ap.add_argument("--out", default="difftest-out",
                    help="directory for differing cases")
    ap.add_argument("--root", default=ROOT,
                    help="repository holding test/ and fuzz/")
    a = ap.parse_args()
    count = a.count if a.count is not None else (
        0 if a.lit or a.fuzz_corpora else 1000)
    config = {"ref": os.path.abspath(a.ref), "new": os.path.abspath(a.new),
              "out": os.path.abspath(a.out), "timeout": a.timeout}
    for side in ("ref", "new"):
        if not os.access(config[side], os.X_OK):
            ap.error("%s is not an executable file" % config[side])

    cases = []
    if a.lit:
        cases += list(lit_cases(os.path.join(a.root, "test")))
    if a.fuzz_corpora:
        cases += list(fuzz_cases(os.path.join(a.root, "fuzz")))
    gen_cases = (("gen-%d" % s, None, s)
                 for s in range(a.seed, a.seed + count))

    t0 = time.time()
    compared = differing = timeouts = 0
    with multiprocessing.Pool(a.jobs, init_worker, (config,)) as pool:
        for stream in (cases, gen_cases):
            for name, diffs, both_to in pool.imap_unordered(
                    check, stream, chunksize=8):
                compared += 1
                timeouts += both_to
                if diffs:
                    differing += 1
                    print("DIFF %s: %s" % (name, ", ".join(diffs)),
                          flush=True)
    print("compared %d input(s): %d difference(s), %d timed out on both "
          "sides, %.1f s%s" % (compared, differing, timeouts,
                                time.time() - t0,
                                "; cases in %s" % config["out"]
                                if differing else ""))
    return 1 if differing else 0


if __name__ == "__main__":
    sys.exit(main())
