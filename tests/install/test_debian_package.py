"""The Debian package, made with `cpack -G DEB` from the build tree into a folder of the test's
own: its name, its file list against the installed layout under /usr, its control fields, and its
Depends as dpkg-shlibdeps computed them from what the binaries link: run-time packages only (no
-dev package), Open CASCADE's and readline's named, and the sanitizer run-times exactly when the
build is sanitized (such a package is for testing, never a release). A package without conffiles,
whose maintainer scripts only run ldconfig, leaves no file behind when it is removed."""

import glob
import os
import re
import shutil
import subprocess
import unittest

from installed_layout import FILES, build_dir, work_dir

OCCT_RUN_TIMES = ["libocct-foundation-", "libocct-modeling-data-", "libocct-modeling-algorithms-",
                  "libocct-data-exchange-"]
SANITIZER_RUN_TIMES = ("libasan", "libubsan")


def dpkg_deb(*args):
    return subprocess.run(["dpkg-deb", *args], capture_output=True, text=True, check=True).stdout


class DebianPackage(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        out = os.path.join(work_dir(), "deb")
        shutil.rmtree(out, ignore_errors=True)
        subprocess.run(["cpack", "-G", "DEB", "-B", out,
                        "--config", os.path.join(build_dir(), "CPackConfig.cmake")],
                       check=True, stdout=subprocess.DEVNULL)
        (cls.deb,) = glob.glob(os.path.join(out, "*.deb"))

    def field(self, name):
        return dpkg_deb("-f", self.deb, name).strip()

    def depends(self):
        """The package names of Depends, alternatives included."""
        return [re.split(r"[\s(]", part.strip())[0]
                for part in re.split(r"[,|]", self.field("Depends"))]

    def test_file_is_named_for_package_version_and_architecture(self):
        self.assertEqual(os.path.basename(self.deb),
                         f"kestrin_{self.field('Version')}_{self.field('Architecture')}.deb")

    def test_file_list_is_the_installed_layout_under_usr(self):
        listed = set()
        for line in dpkg_deb("-c", self.deb).splitlines():
            mode, path = line.split()[0], line.split()[-1]
            if not mode.startswith("d"):
                listed.add(path.removeprefix("./usr/"))
        self.assertEqual(listed, FILES)

    def test_control_fields_are_filled_in(self):
        self.assertEqual(self.field("Package"), "kestrin")
        self.assertEqual(self.field("Section"), "graphics")
        self.assertRegex(self.field("Maintainer"), r"^[^<>]+ <[^<>@]+@[^<>@]+>$")
        summary, *extended = self.field("Description").splitlines()
        self.assertTrue(summary and extended, self.field("Description"))

    def test_depends_names_run_time_libraries_only(self):
        depends = self.depends()
        self.assertEqual([name for name in depends if name.endswith("-dev")], [])
        for prefix in OCCT_RUN_TIMES + ["libreadline", "libfmt", "libstdc++6"]:
            self.assertTrue(any(name.startswith(prefix) for name in depends), (prefix, depends))
        sanitized = os.environ.get("KESTRIN_SANITIZED", "OFF").upper() in ("ON", "1", "TRUE")
        self.assertEqual(any(name.startswith(SANITIZER_RUN_TIMES) for name in depends), sanitized,
                         depends)

    def test_removal_leaves_nothing_behind(self):
        control = os.path.join(work_dir(), "control")
        shutil.rmtree(control, ignore_errors=True)
        dpkg_deb("--control", self.deb, control)
        scripts = set(os.listdir(control)) - {"control", "md5sums"}
        self.assertLessEqual(scripts, {"postinst", "postrm"}) # no conffiles, no other scripts
        for name in scripts:
            with open(os.path.join(control, name)) as f:
                commands = [line.strip() for line in f if line.strip()]
            self.assertEqual([c for c in commands if not re.match(r"#!|set -e|if |fi$", c)],
                             ["ldconfig"], name)

if __name__ == "__main__":
    unittest.main(verbosity=2)
