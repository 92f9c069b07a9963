#!/usr/bin/env python3
"""Mutation runner: puts one deliberate fault at a time into src/ and tells
whether the tests of that fault's layer catch it.

Each mutant in mutants.toml names a file under src/, a snippet of it that
must occur exactly once, the snippet's replacement, its layer and why it is
a fault worth catching. For each mutant the runner

  1. checks that the snippet occurs exactly once (else: invalid),
  2. writes the changed file (a copy of the original waits in the build
     folder, so even a killed run is mended by the next one),
  3. builds only what the layer's tests need in a non-sanitized Debug build
     folder (build/mutants, kept between runs),
  4. runs the layer's tests, stopping at the first failing binary:
       core: core_tests, then cli_tests
       cli:  cli_tests
       gui:  the GUI test binaries (offscreen), the ones named after the
             mutated file first
  5. records caught / missed / no-build, and
  6. puts the original file back, always: also on Ctrl+C, a signal or an
     error of the runner itself.

A test binary that fails, crashes or runs past the timeout catches the
mutant. The results file is rewritten after every mutant, so an
interrupted run leaves the part it finished.
"""

import argparse
import datetime
import fnmatch
import json
import os
import re
import resource
import shutil
import signal
import subprocess
import sys
import time
import tomllib
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
DATA = ROOT / "scripts" / "mutants" / "mutants.toml"
LAYERS = ("core", "gui", "cli")

# GUI test binaries to try first for a mutant in a file, by the file's stem.
GUI_FIRST = {
    "ScheduleDlg": ["dialogs_test"],
    "LogoDlg": ["dialogs_test"],
    "CommentDlg": ["dialogs_test", "sitemapeditor_test"],
    "SitemapDlg": ["sitemapeditor_test"],
    "SitemapDlgControls": ["sitemapeditor_test", "dialog_tour_test"],
    "SitemapTreeView": ["sitemapeditor_test"],
    "SitemapModel": ["sitemapeditor_test"],
    "ChannelDlg": ["mainform_test", "app_test"],
    "ChannelDlgFiles": ["mainform_test", "app_test"],
    "AboutDlg": ["app_test", "mainform_test"],
    "DataExchange": ["framework_test", "dialogs_test"],
    "Dialog": ["framework_test"],
    "DialogUnits": ["framework_test", "app_test", "dialog_tour_test"],
    "EnterKey": ["framework_test", "dialogs_test", "mainform_test"],
    "DesktopPlatform": ["framework_test", "app_test"],
}


def no_core_dumps():
    # A mutant that crashes a test with a large heap (a deep site map) would
    # otherwise spend minutes writing its core file.
    resource.setrlimit(resource.RLIMIT_CORE, (0, 0))


class Interrupted(Exception):
    pass


def on_signal(signum, _frame):
    raise Interrupted(signal.Signals(signum).name)


class Mutant:
    def __init__(self, entry, index):
        missing = [k for k in ("id", "file", "layer", "why", "from", "to") if k not in entry]
        if missing:
            sys.exit(f"mutants.toml: entry {index} lacks {', '.join(missing)}")
        self.id = entry["id"]
        self.file = entry["file"]
        self.layer = entry["layer"]
        self.why = entry["why"]
        self.old = entry["from"]
        self.new = entry["to"]
        if self.layer not in LAYERS:
            sys.exit(f"mutants.toml: {self.id}: layer must be one of {', '.join(LAYERS)}")
        if not self.file.startswith("src/"):
            sys.exit(f"mutants.toml: {self.id}: the file must lie under src/")
        if self.old == self.new:
            sys.exit(f"mutants.toml: {self.id}: the replacement equals the original")

    @property
    def path(self):
        return ROOT / self.file

    def occurrences(self):
        if not self.path.is_file():
            return -1
        return self.path.read_bytes().count(self.old.encode("utf-8"))


def load_mutants():
    with open(DATA, "rb") as f:
        data = tomllib.load(f)
    mutants = [Mutant(e, i) for i, e in enumerate(data.get("mutant", []))]
    seen = set()
    for m in mutants:
        if m.id in seen:
            sys.exit(f"mutants.toml: the id {m.id} is used twice")
        seen.add(m.id)
    return mutants


class Runner:
    def __init__(self, args):
        self.args = args
        self.build = Path(args.build_dir).resolve()
        self.pristine = self.build / "mutant-originals"
        self.logs = self.build / "mutant-logs"
        self.timings_file = self.build / "mutant-baseline.json"
        self.timings = {}
        if self.timings_file.is_file():
            self.timings = json.loads(self.timings_file.read_text())
        self.gui_tests = sorted(p.stem for p in (ROOT / "tests" / "gui").glob("*_test.cpp"))
        self.env = dict(os.environ)
        self.env.update({
            "QT_QPA_PLATFORM": "offscreen",
            "LANG": "C.UTF-8",
            "XDG_CONFIG_HOME": str(self.build / "test-config"),
        })
        self.env.pop("FEEDWRIGHT_TRACE", None)

    # --- the build folder -------------------------------------------------

    def restore_leftovers(self):
        """Puts back originals that a killed run left changed."""
        if not self.pristine.is_dir():
            return
        for saved in sorted(p for p in self.pristine.rglob("*") if p.is_file()):
            rel = saved.relative_to(self.pristine)
            print(f"restoring {rel}, left changed by an interrupted run", flush=True)
            shutil.copyfile(saved, ROOT / rel)
            saved.unlink()

    def configure(self):
        if (self.build / "build.ninja").is_file():
            return
        cmd = ["cmake", "-S", str(ROOT), "-B", str(self.build), "-G", "Ninja", "-DCMAKE_BUILD_TYPE=Debug",
               "-DFEEDWRIGHT_SANITIZE=OFF", "-DFEEDWRIGHT_BUILD_TESTS=ON"]
        if shutil.which("ld.lld"):
            cmd.append("-DCMAKE_EXE_LINKER_FLAGS=-fuse-ld=lld")  # links the many test binaries faster
        print("configuring", self.build, flush=True)
        subprocess.run(cmd, check=True, stdout=subprocess.DEVNULL)

    def build_targets(self, targets, log):
        cmd = ["cmake", "--build", str(self.build), "-j", str(self.args.jobs), "--target", *targets]
        return self.call(cmd, log, timeout=3600) == 0

    def binary(self, name):
        if name == "core_tests":
            return self.build / "tests" / "core_tests"
        if name == "cli_tests":
            return self.build / "tests" / "cli" / "cli_tests"
        return self.build / "tests" / "gui" / name

    # --- processes --------------------------------------------------------

    def call(self, cmd, log, timeout, cwd=None):
        """Runs cmd with its output appended to log; the exit status, or
        'timeout'. The whole process group goes on a timeout or interrupt."""
        with open(log, "ab") as out:
            out.write(("$ " + " ".join(map(str, cmd)) + "\n").encode())
            out.flush()
            proc = subprocess.Popen(cmd, stdout=out, stderr=subprocess.STDOUT, cwd=cwd, env=self.env,
                                    start_new_session=True, preexec_fn=no_core_dumps)
            try:
                return proc.wait(timeout=timeout)
            except subprocess.TimeoutExpired:
                os.killpg(proc.pid, signal.SIGKILL)
                proc.wait()
                return "timeout"
            except BaseException:
                try:
                    os.killpg(proc.pid, signal.SIGKILL)
                except ProcessLookupError:
                    pass
                proc.wait()
                raise

    def run_test(self, name, log, baseline=False):
        """(passed, detail) for one test binary. A GoogleTest binary runs its
        quick tests first and the slow ones (as the baseline timed them) only
        when the quick ones pass: the same tests, but a fault that a quick test
        catches costs no wait for the slow ones."""
        path = self.binary(name)
        limit = self.args.timeout
        if limit is None:
            base = self.timings.get(name)
            limit = 300 if base is None else max(60, int(5 * base) + 30)
        passes = [[]]
        if name in ("core_tests", "cli_tests"):
            if baseline:
                passes = [["--gtest_fail_fast"]]
            else:
                slow = ":".join(self.timings.get("slow tests", {}).get(name, []))
                flags = ["--gtest_fail_fast", "--gtest_brief=1"]
                passes = [flags + [f"--gtest_filter=-{slow}"], flags + [f"--gtest_filter={slow}"]] if slow else [flags]
        for extra in passes:
            size = log.stat().st_size
            status = self.call([str(path)] + extra, log, timeout=limit, cwd=path.parent)
            if baseline and status == 0 and extra:
                self.note_slow_tests(name, log, size)
            if status == "timeout":
                return False, f"{name} ran past {limit} s"
            if isinstance(status, int) and status < 0:
                return False, f"{name} died of {signal.Signals(-status).name}"
            if status != 0:
                return False, f"{name} failed"
        return True, ""

    def note_slow_tests(self, name, log, offset):
        """Remembers the tests of a GoogleTest run that took 300 ms or more."""
        with open(log, "rb") as f:
            f.seek(offset)
            text = f.read().decode("utf-8", "replace")
        slow = [m.group(1) for m in re.finditer(r"^\[       OK \] (\S+) \((\d+) ms\)", text, re.M)
                if int(m.group(2)) >= 300]
        self.timings.setdefault("slow tests", {})[name] = slow

    # --- which tests a layer runs -----------------------------------------

    def gui_order(self, mutant):
        first = GUI_FIRST.get(Path(mutant.file).stem, [])
        rest = [t for t in self.gui_tests if t not in first]
        rest.sort(key=lambda t: self.timings.get(t, 0.0) if isinstance(self.timings.get(t), float) else 0.0)
        return [t for t in first if t in self.gui_tests] + rest

    def suites(self, layer):
        if layer == "core":
            return ["core_tests", "cli_tests"]
        if layer == "cli":
            return ["cli_tests"]
        return list(self.gui_tests)

    # --- baseline ---------------------------------------------------------

    def baseline(self, layers):
        """Builds every test binary the chosen layers need and, unless told
        not to, runs them on the unchanged code: a failing test would make
        every mutant look caught."""
        names = []
        for layer in LAYERS:
            if layer in layers:
                names += [n for n in self.suites(layer) if n not in names]
        log = self.logs / "baseline.log"
        log.write_text("")
        print(f"building {len(names)} test binaries in {self.build} (log: {log})", flush=True)
        if not self.build_targets(names, log):
            sys.exit(f"the unchanged code does not build; see {log}")
        if self.args.no_baseline:
            return
        for name in names:
            started = time.monotonic()
            ok, detail = self.run_test(name, log, baseline=True)
            if not ok:
                sys.exit(f"baseline: {detail} on the unchanged code; see {log}")
            self.timings[name] = round(time.monotonic() - started, 2)
            print(f"  baseline {name}: {self.timings[name]} s", flush=True)
        self.timings_file.write_text(json.dumps(self.timings, indent=1, sort_keys=True))

    # --- one mutant -------------------------------------------------------

    def apply_and_test(self, mutant):
        count = mutant.occurrences()
        if count != 1:
            where = "the file is missing" if count < 0 else f"the snippet occurs {count} times"
            return "invalid", where
        original = mutant.path.read_bytes()
        saved = self.pristine / mutant.file
        saved.parent.mkdir(parents=True, exist_ok=True)
        saved.write_bytes(original)
        log = self.logs / f"{mutant.id}.log"
        log.write_text(f"{mutant.id}: {mutant.file}\n{mutant.why}\n")
        try:
            mutant.path.write_bytes(original.replace(mutant.old.encode("utf-8"), mutant.new.encode("utf-8"), 1))
            return self.test_mutant(mutant, log)
        finally:
            # No signal may cut the restore short.
            blocked = {signal.SIGINT, signal.SIGTERM, signal.SIGHUP}
            signal.pthread_sigmask(signal.SIG_BLOCK, blocked)
            try:
                mutant.path.write_bytes(original)
                saved.unlink()
            finally:
                signal.pthread_sigmask(signal.SIG_UNBLOCK, blocked)

    def test_mutant(self, mutant, log):
        if mutant.layer == "gui":
            # Compile the library once; then link and run one binary at a
            # time, so that a caught mutant links one binary only.
            if not self.build_targets(["feedwright_gui"], log):
                return "no-build", "does not compile"
            for name in self.gui_order(mutant):
                if not self.build_targets([name], log):
                    return "no-build", f"{name} does not build"
                ok, detail = self.run_test(name, log)
                if not ok:
                    return "caught", detail
            return "missed", ""
        names = self.suites(mutant.layer)
        if not self.build_targets(names, log):
            return "no-build", "does not compile"
        for name in names:
            ok, detail = self.run_test(name, log)
            if not ok:
                return "caught", detail
        return "missed", ""


# --- results ---------------------------------------------------------------

def test_ratio():
    def lines(folder):
        files = subprocess.run(["git", "ls-files", "--", folder], cwd=ROOT, capture_output=True, text=True).stdout
        total = 0
        for name in files.split():
            if name.endswith((".cpp", ".h")):
                with open(ROOT / name, "rb") as f:
                    total += f.read().count(b"\n")
        return total
    code, tests = lines("src"), lines("tests")
    return f"tests/ {tests} lines of C++ against {code} in src/ ({100 * tests // max(code, 1)}%)"


def commit_description():
    sha = subprocess.run(["git", "rev-parse", "--short", "HEAD"], cwd=ROOT, capture_output=True,
                         text=True).stdout.strip()
    dirty = subprocess.run(["git", "status", "--porcelain", "--", "src", "tests"], cwd=ROOT, capture_output=True,
                           text=True).stdout.strip()
    return sha + (" with uncommitted changes in src/ or tests/" if dirty else "")


STATUSES = ("caught", "missed", "no-build", "invalid")


def write_results(path, selected, results, started, finished, total=None):
    rows = []
    for layer in LAYERS + ("all",):
        counts = {s: 0 for s in STATUSES}
        for m in selected:
            if m.id in results and (layer == "all" or m.layer == layer):
                counts[results[m.id][0]] += 1
        valid = counts["caught"] + counts["missed"]
        share = f"{100 * counts['caught'] / valid:.0f}%" if valid else "-"
        rows.append(f"{layer:<5} {counts['caught']:>6} {counts['missed']:>6} {counts['no-build']:>8} "
                    f"{counts['invalid']:>7} {share:>8}")
    done = sum(1 for m in selected if m.id in results)
    lines = [
        f"# Mutation run of {started:%Y-%m-%d %H:%M}, commit {commit_description()}",
        f"# {test_ratio()}",
        f"# {done} of {total or len(selected)} mutants run" + ("" if finished else " (PARTIAL: the run did not finish;"
                                                             " resume it with --update FILE)"),
        "#",
        "# layer caught missed no-build invalid caught/(caught+missed)",
    ]
    lines += ["# " + r for r in rows]
    lines += ["", "# status\tlayer\tid\tdetail"]
    for m in selected:
        if m.id in results:
            status, detail = results[m.id]
            lines.append(f"{status}\t{m.layer}\t{m.id}\t{detail}")
    missed = [m for m in selected if m.id in results and results[m.id][0] != "caught"]
    if missed:
        lines += ["", "# Not caught, with the fault each one puts in:"]
        for m in missed:
            lines.append(f"# {results[m.id][0]:<8} {m.id}  ({m.file}): {m.why}")
    path.parent.mkdir(parents=True, exist_ok=True)
    path.write_text("\n".join(lines) + "\n")
    return rows


def read_results(path):
    """{id: (status, detail)} of a results file."""
    out = {}
    for line in Path(path).read_text().splitlines():
        if line.startswith("#") or not line.strip():
            continue
        parts = line.split("\t")
        if len(parts) >= 3:
            out[parts[2]] = (parts[0], parts[3] if len(parts) > 3 else "")
    return out


def compare(old_path, new_path):
    old = {i: r[0] for i, r in read_results(old_path).items()}
    new = {i: r[0] for i, r in read_results(new_path).items()}
    lost = sorted(i for i, s in old.items() if s == "caught" and new.get(i) not in (None, "caught"))
    gained = sorted(i for i, s in new.items() if s == "caught" and old.get(i) not in (None, "caught"))
    absent = sorted(i for i in old if i not in new)
    for title, ids in (("caught before, not now", lost), ("caught now, not before", gained),
                       ("not in the newer run", absent)):
        print(f"{title}: {len(ids)}")
        for i in ids:
            print("  " + i)
    caught_old = sum(1 for s in old.values() if s == "caught")
    caught_new = sum(1 for s in new.values() if s == "caught")
    print(f"caught: {caught_old} before, {caught_new} now")
    return 1 if lost else 0


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--only", nargs="+", metavar="ID",
                        help="run only these mutants (shell-style patterns allowed, e.g. 'core.writer.*')")
    parser.add_argument("--layer", choices=LAYERS, action="append", help="run only this layer's mutants")
    parser.add_argument("--list", action="store_true", help="list the mutants and check their snippets")
    parser.add_argument("--out", help="results file (default: BUILD_DIR/results.txt)")
    parser.add_argument("--update", metavar="FILE",
                        help="put the results into FILE, keeping those of other mutants; without --only, run only "
                             "the mutants FILE has no result for (resumes an interrupted run)")
    parser.add_argument("--build-dir", default=str(ROOT / "build" / "mutants"))
    parser.add_argument("--jobs", type=int, default=2, help="build jobs (default 2)")
    parser.add_argument("--timeout", type=int, help="seconds per test binary (default: from the baseline run)")
    parser.add_argument("--no-baseline", action="store_true",
                        help="do not run the tests on the unchanged code first (always skipped with --only)")
    parser.add_argument("--compare", nargs=2, metavar=("OLD", "NEW"),
                        help="compare two results files: which mutants one catches and the other does not")
    args = parser.parse_args()

    if args.compare:
        sys.exit(compare(*args.compare))

    mutants = load_mutants()
    selected = mutants
    if args.only:
        selected = [m for m in selected if any(fnmatch.fnmatchcase(m.id, p) for p in args.only)]
        unknown = [p for p in args.only if not any(fnmatch.fnmatchcase(m.id, p) for m in mutants)]
        if unknown:
            sys.exit("no mutant matches: " + " ".join(unknown))
        args.no_baseline = True
    if args.layer:
        selected = [m for m in selected if m.layer in args.layer]

    if args.list:
        bad = 0
        for m in selected:
            count = m.occurrences()
            mark = "" if count == 1 else f"  << snippet occurs {count} times"
            bad += count != 1
            print(f"{m.layer:<5} {m.id:<44} {m.file}{mark}")
        per_layer = {l: sum(1 for m in selected if m.layer == l) for l in LAYERS}
        print(f"{len(selected)} mutants: " + ", ".join(f"{n} {l}" for l, n in per_layer.items()))
        sys.exit(1 if bad else 0)

    for signum in (signal.SIGINT, signal.SIGTERM, signal.SIGHUP):
        signal.signal(signum, on_signal)

    runner = Runner(args)
    out = Path(args.out).resolve() if args.out else runner.build / "results.txt"
    results = {}
    run = selected
    if args.update:
        out = Path(args.update).resolve()
        known = {m.id for m in mutants}
        results = {i: r for i, r in read_results(out).items() if i in known} if out.is_file() else {}
        if not args.only:
            run = [m for m in run if m.id not in results]  # resume: only what the file lacks
        for m in run:
            results.pop(m.id, None)
        # The report covers every mutant the file had and the ones run now.
        selected = [m for m in mutants if m.id in results or m in run]
    started = datetime.datetime.now()
    try:
        runner.build.mkdir(parents=True, exist_ok=True)
        runner.logs.mkdir(parents=True, exist_ok=True)
        runner.restore_leftovers()
        runner.configure()
        runner.baseline({m.layer for m in run})
        for index, m in enumerate(run, 1):
            t0 = time.monotonic()
            status, detail = runner.apply_and_test(m)
            results[m.id] = (status, detail)
            print(f"[{index}/{len(run)}] {status:<8} {m.id}  {detail}  ({time.monotonic() - t0:.0f} s)",
                  flush=True)
            write_results(out, selected, results, started, finished=False, total=len(mutants) if args.update else None)
    except Interrupted as stop:
        print(f"\nstopped by {stop}; the files are restored", file=sys.stderr)
        write_results(out, selected, results, started, finished=False, total=len(mutants) if args.update else None)
        print(f"partial results: {out}")
        sys.exit(130)
    complete = len(selected) == len(mutants) or not args.update
    rows = write_results(out, selected, results, started, finished=complete, total=len(mutants) if args.update else None)
    print("\nlayer caught missed no-build invalid caught/(caught+missed)")
    for r in rows:
        print(r)
    print(f"results: {out}")


if __name__ == "__main__":
    main()
