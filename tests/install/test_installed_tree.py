"""The installed product, moved: `cmake --install` into a temporary prefix, the tree moved to
another folder, and there the host program run in each mode with a clean environment (only PATH
and a HOME of the test's own) from an unrelated current folder. It must find its module, libraries,
worker and help file from where it lies; the drawings are read back with ezdxf."""

import os
import shutil
import subprocess
import unittest

from kestrin_e2e import Drawing, SUCCESS
from installed_layout import ELF_FILES, FILES, MODULE_FILE, PRIVATE_DIR, build_dir, work_dir

EXAMPLE = os.path.join(os.environ["KESTRIN_SOURCE_DIR"], "examples", "bracket.step")
RUN_TIMEOUT_S = 300
# The opener that KestrinHelp runs, put first on PATH: it keeps the file it was asked to show.
FAKE_OPENER = '#!/bin/sh\ncp "$1" "$HOME/shown-help"\n'


def files_under(root):
    found = set()
    for folder, _, names in os.walk(root):
        found.update(os.path.relpath(os.path.join(folder, name), root) for name in names)
    return found


class MovedInstallation(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        work = work_dir()
        first, cls.root = os.path.join(work, "first"), os.path.join(work, "moved")
        for path in (first, cls.root):
            shutil.rmtree(path, ignore_errors=True)
        subprocess.run(["cmake", "--install", build_dir(), "--prefix", first], check=True,
                       stdout=subprocess.DEVNULL)
        os.rename(first, cls.root)
        cls.home = os.path.join(work, "home")
        cls.elsewhere = os.path.join(work, "elsewhere")
        bin_dir = os.path.join(work, "fake-bin")
        for path in (cls.home, cls.elsewhere, bin_dir):
            shutil.rmtree(path, ignore_errors=True)
            os.makedirs(path)
        opener = os.path.join(bin_dir, "xdg-open")
        with open(opener, "w") as f:
            f.write(FAKE_OPENER)
        os.chmod(opener, 0o755)
        cls.env = {"HOME": cls.home, "PATH": f"{bin_dir}:/usr/bin:/bin"}
        # Sanitized builds: their run-time's settings, if any.
        cls.env.update({k: v for k, v in os.environ.items() if k.endswith("SAN_OPTIONS")})

    def run_kestrin(self, *args, stdin_text=None):
        proc = subprocess.run([os.path.join(self.root, "bin", "kestrin"), *args],
                              input=stdin_text or "", capture_output=True, text=True,
                              cwd=self.elsewhere, env=self.env, timeout=RUN_TIMEOUT_S)
        self.assertEqual(proc.returncode, 0, proc.stdout + proc.stderr)
        return proc

    def test_layout_holds_the_product_and_nothing_else(self):
        self.assertEqual(files_under(self.root), FILES)

    def test_run_time_paths_are_relative_to_origin(self):
        for name in sorted(ELF_FILES):
            with self.subTest(file=name):
                dynamic = subprocess.run(["readelf", "-d", os.path.join(self.root, name)],
                                         capture_output=True, text=True, check=True).stdout
                paths = [line.split("[", 1)[1].rstrip("]")
                         for line in dynamic.splitlines() if "RUNPATH" in line or "RPATH" in line]
                for entry in ":".join(paths).split(":") if paths else []:
                    self.assertTrue(entry.startswith("$ORIGIN"), f"{name}: {entry}")

    def test_version_names_the_module(self):
        lines = self.run_kestrin("--version").stdout.splitlines()
        self.assertEqual(len(lines), 2, lines)
        self.assertTrue(lines[0].startswith("kestrin "), lines)
        self.assertTrue(lines[1].startswith(MODULE_FILE + ": "), lines)

    def test_import_writes_the_bracket_as_edge_curves(self):
        out = os.path.join(self.elsewhere, "bracket.dxf")
        self.run_kestrin("import", EXAMPLE, "-o", out, "--surfaces", "edges")
        drawing = Drawing(out)
        self.assertEqual(drawing.audit_errors, [])
        self.assertEqual(drawing.kinds, {"LINE": 32, "CIRCLE": 4, "ARC": 4})

    def test_import_into_a_folder_runs_a_host_process_per_file(self):
        out_dir = os.path.join(self.elsewhere, "drawings")
        self.run_kestrin("import", EXAMPLE, "--output-dir", out_dir, "-j", "2")
        self.assertEqual(Drawing(os.path.join(out_dir, "bracket.dxf")).kinds, {"POLYFACE": 1})

    def test_session_on_standard_input_imports_saves_and_shows_help(self):
        saved = os.path.join(self.elsewhere, "session.dxf")
        script = (f"Kestrin\nfile: {EXAMPLE}\noptions: surfaces=mesh mesh-type=faces ok\n"
                  f"SAVEAS {saved}\nKestrinHelp\nQUIT\n")
        proc = self.run_kestrin(stdin_text=script)
        self.assertRegex(proc.stdout, SUCCESS)
        kinds = Drawing(saved).kinds
        self.assertEqual(set(kinds), {"3DFACE"})
        with open(os.path.join(self.home, "shown-help"), "rb") as shown, \
                open(os.path.join(self.root, PRIVATE_DIR, "Kestrin_Bricscad.chm"), "rb") as help_file:
            self.assertEqual(shown.read(), help_file.read())

    def test_script_file_shows_the_about_box(self):
        script = os.path.join(self.elsewhere, "about.scr")
        with open(script, "w") as f:
            f.write("KestrinAbout\nabout: ok\nQUIT\n")
        self.assertIn("Kestrin", self.run_kestrin("--script", script).stdout)


if __name__ == "__main__":
    unittest.main(verbosity=2)
