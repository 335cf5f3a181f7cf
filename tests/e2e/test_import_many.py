"""End-to-end runs over many STEP files: several files into one drawing (the entity counts add up,
each result line names its file), one drawing per file in an output folder (a damaged file among
good ones, colliding names, folders as input mirrored with --recursive, a run that imports nothing,
-j 1 and -j 2 giving the same files as single runs) and interrupted runs that leave only complete
drawings behind and name every file not imported."""

import collections
import filecmp
import os
import re
import shutil
import signal
import subprocess
import sys
import unittest

from kestrin_e2e import (IMPORT_TIMEOUT_S, Drawing, ImportTestCase, fixture, host_env,
                         run_import, work_dir)

GOOD_PARTS = ["box.step", "cylinder.step", "torus.step", "wire.step", "points.step"]


def run_kestrin(*args, work):
    return subprocess.run([os.environ["KESTRIN"], *args], capture_output=True, text=True,
                          timeout=IMPORT_TIMEOUT_S, stdin=subprocess.DEVNULL, env=host_env(work))


def fresh_dir(*parts):
    path = os.path.join(*parts)
    shutil.rmtree(path, ignore_errors=True)
    os.makedirs(path)
    return path


def library(work, names):
    """A folder with copies of the named fixtures."""
    folder = fresh_dir(work, "library")
    for name in names:
        shutil.copy(fixture(name), folder)
    return folder


def summary_line(stdout):
    lines = re.findall(r"(?m)^(?:Interrupted: )?\d+ (?:of \d+ )?files? imported.*$", stdout)
    return lines[-1] if lines else None


def not_imported(stdout):
    """The files the summary names as not imported, one per line after it."""
    return re.findall(r"(?m)^  (.+?): ", stdout.split(summary_line(stdout), 1)[1])


def interrupted_run(args, work, after):
    """A run sent Ctrl+C once a line of its standard output holds after."""
    proc = subprocess.Popen([os.environ["KESTRIN"], "import", *args], stdout=subprocess.PIPE,
                            stderr=subprocess.PIPE, text=True, stdin=subprocess.DEVNULL,
                            env=host_env(work))
    seen = []
    for line in proc.stdout:
        seen.append(line)
        if after in line:
            proc.send_signal(signal.SIGINT)
            break
    stdout, stderr = proc.communicate(timeout=IMPORT_TIMEOUT_S)
    return proc.returncode, "".join(seen) + stdout, stderr


class OneDrawing(ImportTestCase):
    def test_entity_counts_of_the_files_add_up_in_the_order_given(self):
        work = work_dir()
        files = [fixture(name) for name in ("box.step", "cylinder.step", "points.step")]
        expected = collections.Counter()
        kinds_in_order = []
        for i, path in enumerate(files):
            drawing = self.assertImported(run_import(path, f"single-{i}.dxf", "--surfaces", "edges",
                                                     work=work))
            expected += drawing.kinds
            kinds_in_order += [Drawing.kind(e) for e in drawing.entities]
        out = os.path.join(work, "all.dxf")
        proc = run_kestrin("import", *files, "-o", out, "--surfaces", "edges", work=work)
        self.assertEqual(proc.returncode, 0, proc.stdout + proc.stderr)
        for path in files:  # each result line names its file
            self.assertEqual(len(re.findall(rf"(?m)^{re.escape(path)}: Successfully imported",
                                            proc.stdout)), 1, proc.stdout)
        self.assertEqual(summary_line(proc.stdout), f"3 files imported into {out}")
        drawing = Drawing(out)
        self.assertEqual(drawing.audit_errors, [])
        self.assertEqual(drawing.kinds, expected)
        self.assertEqual([Drawing.kind(e) for e in drawing.entities], kinds_in_order)

    def test_a_failed_file_is_named_and_the_others_are_still_saved(self):
        work = work_dir()
        folder = library(work, ["box.step", "cylinder.step", "damaged-box.step"])
        out = os.path.join(work, "partial.dxf")
        proc = run_kestrin("import", folder, "-o", out, "--surfaces", "edges", work=work)
        self.assertEqual(proc.returncode, 1, proc.stdout + proc.stderr)
        damaged = os.path.join(folder, "damaged-box.step")
        self.assertIn(f"kestrin: {damaged} was not imported: Failure [", proc.stderr)
        self.assertEqual(summary_line(proc.stdout), f"2 of 3 files imported into {out}; 1 failed:")
        self.assertEqual(not_imported(proc.stdout), [damaged])
        self.assertEqual(Drawing(out).kinds, {"LINE": 13, "CIRCLE": 2})


class OutputFolder(ImportTestCase):
    def test_damaged_file_among_good_ones(self):
        work = work_dir()
        folder = library(work, GOOD_PARTS + ["damaged-box.step"])
        out = os.path.join(work, "drawings")
        proc = run_kestrin("import", folder, "--output-dir", out, "-j", "2", work=work)
        self.assertEqual(proc.returncode, 1, proc.stdout + proc.stderr)
        for name in GOOD_PARTS:
            stem = os.path.splitext(name)[0]
            self.assertEqual(Drawing(os.path.join(out, stem + ".dxf")).audit_errors, [])
            # Every line of a file's process names its file.
            self.assertIn(f"{os.path.join(folder, name)}: Successfully imported", proc.stdout)
        self.assertEqual(sorted(os.listdir(out)),
                         sorted(os.path.splitext(n)[0] + ".dxf" for n in GOOD_PARTS))
        damaged = os.path.join(folder, "damaged-box.step")
        self.assertEqual(summary_line(proc.stdout), f"5 of 6 files imported into {out}; 1 failed:")
        self.assertRegex(proc.stdout, rf"(?m)^  {re.escape(damaged)}: Failure \[.+\]$")
        for line in proc.stdout.splitlines()[:-2] + proc.stderr.splitlines():
            self.assertRegex(line, rf"^{re.escape(folder)}/[\w.-]+\.step: \S")
        # The failure names its file once, in front, as every line of its process does.
        self.assertRegex(proc.stderr, rf"(?m)^{re.escape(damaged)}: not imported: Failure \[")
        self.assertNotIn("kestrin:", proc.stderr)

    def test_a_file_whose_process_fails_before_its_import_is_failed_with_the_reason(self):
        work = work_dir()
        folder = library(work, ["box.step"])
        out = os.path.join(work, "drawings")
        proc = run_kestrin("--module", "/no-such-module.drx", "import", folder,
                           "--output-dir", out, work=work)
        self.assertEqual(proc.returncode, 1, proc.stdout + proc.stderr)
        self.assertRegex(proc.stdout, rf"(?m)^  {re.escape(os.path.join(folder, 'box.step'))}: "
                                      r"The module file /no-such-module\.drx was not found\.$")

    def test_colliding_names_are_refused_before_anything_runs(self):
        work = work_dir()
        first = library(work, ["box.step"])
        second = fresh_dir(work, "other")
        shutil.copy(fixture("cylinder.step"), os.path.join(second, "box.stp"))
        out = os.path.join(work, "never-made")
        shutil.rmtree(out, ignore_errors=True)
        proc = run_kestrin("import", first, os.path.join(second, "box.stp"), "--output-dir", out,
                           work=work)
        self.assertEqual(proc.returncode, 2, proc.stdout + proc.stderr)
        self.assertIn(f"{first}/box.step and {second}/box.stp would be saved under the one name "
                      f"{out}/box.dxf", proc.stderr)
        self.assertNotIn("Successfully", proc.stdout)
        self.assertFalse(os.path.exists(out))

    def test_folder_means_its_step_files_and_recursive_its_subfolders_too(self):
        work = work_dir()
        folder = library(work, ["box.step"])
        shutil.copy(fixture("cylinder.step"), os.path.join(folder, "PART.STP"))
        with open(os.path.join(folder, "notes.txt"), "w") as f:
            f.write("not a part\n")
        os.makedirs(os.path.join(folder, "sub"))
        shutil.copy(fixture("torus.step"), os.path.join(folder, "sub"))
        # The subfolder's drawing goes to the same subfolder of the output, and a file given
        # again (by another name) beside its folder is imported once, not taken for a clash.
        again = os.path.join(folder, ".", "box.step")
        for recursive, expected in (([], ["PART.dxf", "box.dxf"]),
                                    (["--recursive"], ["PART.dxf", "box.dxf", "sub/torus.dxf"])):
            with self.subTest(recursive=recursive):
                out = fresh_dir(work, "folder-out")
                proc = run_kestrin("import", folder, again, "--output-dir", out, *recursive,
                                   work=work)
                self.assertEqual(proc.returncode, 0, proc.stdout + proc.stderr)
                made = [os.path.relpath(os.path.join(d, f), out)
                        for d, _, names in os.walk(out) for f in names]
                self.assertEqual(sorted(made), expected)
                self.assertEqual(summary_line(proc.stdout),
                                 f"{len(expected)} files imported into {out}")

    def test_a_run_that_imports_nothing_leaves_nothing_behind(self):
        work = work_dir()
        out = os.path.join(work, "never-kept", "drawings")
        shutil.rmtree(os.path.dirname(out), ignore_errors=True)
        missing = os.path.join(work, "no-such-folder") + "/"
        proc = run_kestrin("import", missing, "--output-dir", out, work=work)
        self.assertEqual(proc.returncode, 2, proc.stdout + proc.stderr)
        self.assertEqual(proc.stderr, f"kestrin: the folder {missing} does not exist\n")
        folder = library(work, ["damaged-box.step"])
        proc = run_kestrin("import", folder, "--recursive", "--output-dir", out, work=work)
        self.assertEqual(proc.returncode, 1, proc.stdout + proc.stderr)
        self.assertEqual(summary_line(proc.stdout), "0 of 1 file imported; 1 failed:")
        self.assertFalse(os.path.exists(os.path.dirname(out)))

    def test_one_and_two_at_once_give_the_files_of_single_runs(self):
        work = work_dir()
        folder = library(work, GOOD_PARTS + ["bracket.step", "assembly.step"])
        options = ["--surfaces", "mesh", "--mesh-type", "faces"]
        outputs = {}
        for jobs in ("1", "2"):
            out = fresh_dir(work, f"jobs-{jobs}")
            proc = run_kestrin("import", folder, "--output-dir", out, "-j", jobs, *options,
                               work=work)
            self.assertEqual(proc.returncode, 0, proc.stdout + proc.stderr)
            outputs[jobs] = out
        names = sorted(os.listdir(outputs["1"]))
        self.assertEqual(len(names), 7)
        self.assertEqual(names, sorted(os.listdir(outputs["2"])))
        single = fresh_dir(work, "single")
        for name in names:
            step = os.path.join(folder, os.path.splitext(name)[0] + ".step")
            self.assertImported(run_import(step, name, *options, work=single))
            for jobs, out in outputs.items():
                self.assertTrue(filecmp.cmp(os.path.join(out, name), os.path.join(single, name),
                                            shallow=False), f"{name} differs with -j {jobs}")


class Interrupt(ImportTestCase):
    def test_interrupt_stops_the_run_and_leaves_only_complete_drawings(self):
        work = work_dir()
        folder = fresh_dir(work, "many")
        for i in range(12):
            shutil.copy(fixture("bracket.step"), os.path.join(folder, f"part{i:02}.step"))
        out = fresh_dir(work, "interrupted")
        listed = os.path.join(work, "left.txt")
        status, stdout, stderr = interrupted_run(
            [folder, "--output-dir", out, "-j", "1", "--failed-list", listed], work,
            "Drawing saved to")
        self.assertEqual(status, 130, stdout + stderr)
        self.assertRegex(summary_line(stdout), r"^Interrupted: \d+ of 12 files imported into ")
        left = sorted(os.listdir(out))
        self.assertGreaterEqual(len(left), 1)
        self.assertLess(len(left), 12)
        for name in left:
            self.assertRegex(name, r"^part\d\d\.dxf$")  # no temporary file of a save left behind
            self.assertEqual(Drawing(os.path.join(out, name)).audit_errors, [])
        # Every file without a drawing is named, in the summary and in the list, for a rerun.
        rest = [os.path.join(folder, f"part{i:02}.step") for i in range(12)
                if f"part{i:02}.dxf" not in left]
        self.assertEqual(not_imported(stdout), rest)
        with open(listed) as f:
            self.assertEqual(f.read().splitlines(), rest)

    def test_interrupt_into_one_drawing_saves_what_was_imported_and_names_the_rest(self):
        work = work_dir()
        folder = fresh_dir(work, "into-one")
        files = [os.path.join(folder, f"part{i:02}.step") for i in range(12)]
        for path in files:
            shutil.copy(fixture("bracket.step"), path)
        out = os.path.join(work, "interrupted.dxf")
        status, stdout, stderr = interrupted_run([folder, "-o", out], work, "Successfully")
        self.assertEqual(status, 130, stdout + stderr)
        summary = summary_line(stdout)
        self.assertRegex(summary, rf"^Interrupted: \d+ of 12 files imported into {re.escape(out)}; ")
        imported = int(summary.split()[1])
        self.assertGreaterEqual(imported, 1)
        self.assertEqual(not_imported(stdout), files[imported:])
        self.assertEqual(Drawing(out).audit_errors, [])


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)
