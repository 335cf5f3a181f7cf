"""The manual page and the bash completion against the program itself: every flag that
`kestrin --help` and `kestrin import --help` list, the words each of --surfaces, --mesh-type
and --warning takes, and every command that HELP lists must be in the manual page, and the
completion must offer exactly those
flags and words. The completion's file names are checked in a folder of the test's own."""

import os
import re
import shutil
import subprocess
import unittest

from installed_layout import work_dir

SOURCE = os.environ["KESTRIN_SOURCE_DIR"]
MAN_PAGE = os.path.join(SOURCE, "packaging", "kestrin.1")
COMPLETION = os.path.join(SOURCE, "packaging", "kestrin.bash-completion")
# A table row of CLI11's help: "  -o,--output OUT.dxf  ..." or "  --surfaces TEXT:{mesh,edges} ...".
OPTION_ROW = re.compile(r"^\s+(-[\w-]+(?:,-[\w-]+)*)(?:\s+\S*?(?:\{([^}]*)\}))?", re.MULTILINE)


def help_of(*args):
    proc = subprocess.run([os.environ["KESTRIN"], *args, "--help"], capture_output=True, text=True,
                          timeout=60, stdin=subprocess.DEVNULL)
    return proc.stdout


def options_of(help_text):
    """{flag: [words it takes]} of one help text."""
    options = {}
    for names, words in OPTION_ROW.findall(help_text):
        for name in names.split(","):
            options[name] = words.split(",") if words else []
    return options


def completions(*words):
    """What the completion offers for the words typed, the last one being completed."""
    script = ('source "$1"; shift; COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); _kestrin; '
              'printf "%s\\n" "${COMPREPLY[@]}"')
    proc = subprocess.run(["bash", "-c", script, "bash", COMPLETION, "kestrin", *words],
                          capture_output=True, text=True, check=True, cwd=Folder.path)
    return sorted(line for line in proc.stdout.splitlines() if line)


class Folder:
    path = None


def roff(flag):
    """A flag as the manual page writes it, not part of a longer flag."""
    return re.compile(r"(?<!\\-)" + re.escape(flag.replace("-", "\\-")) + r"(?![\w\\])")


class Documentation(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.program = options_of(help_of())
        cls.imports = options_of(help_of("import"))
        with open(MAN_PAGE) as f:
            cls.man = f.read()
        Folder.path = os.path.join(work_dir(), "files")
        shutil.rmtree(Folder.path, ignore_errors=True)
        os.makedirs(os.path.join(Folder.path, "parts"))
        for name in ("a.step", "b.STP", "notes.txt", "old.dxf", "run.scr"):
            open(os.path.join(Folder.path, name), "w").close()

    def test_help_lists_the_flags_this_test_reads(self):
        self.assertIn("--module", self.program)
        self.assertEqual(self.imports.get("--mesh-type"), ["polyface", "faces", "lines", "points"])

    def test_manual_page_tells_every_flag_and_its_words(self):
        for flag, words in {**self.program, **self.imports}.items():
            with self.subTest(flag=flag):
                rows = [line for line in self.man.splitlines() if roff(flag).search(line)]
                self.assertTrue(rows, f"{flag} is not in the manual page")
                for word in words:
                    self.assertTrue(any(re.search(rf"\b{word}\b", row) for row in rows),
                                    f"{flag} {word} is not in the manual page")

    def test_manual_page_tells_every_command(self):
        proc = subprocess.run([os.environ["KESTRIN"]], input="HELP\n", capture_output=True,
                              text=True, timeout=60)
        commands = re.findall(r"^  (\w+)  ", proc.stdout, re.MULTILINE)
        self.assertIn("STATUS", commands)
        for command in commands:
            with self.subTest(command=command):
                self.assertTrue(re.search(rf"^\.BR? .*\b{command}\b", self.man, re.MULTILINE),
                                f"{command} is not in the manual page")

    def test_completion_offers_every_flag(self):
        self.assertEqual(completions("-"), sorted(self.program))
        self.assertEqual(completions("import", "-"), sorted(self.imports))
        self.assertEqual(completions(""), ["import"])

    def test_completion_offers_the_words_of_each_option(self):
        for flag, words in self.imports.items():
            if words:
                with self.subTest(flag=flag):
                    self.assertEqual(completions("import", "a.step", flag, ""), sorted(words))
                    self.assertEqual(completions("import", flag, "=", ""), sorted(words))

    def test_completion_offers_step_files_and_folders_or_drawings_after_output(self):
        self.assertEqual(completions("import", ""), ["a.step", "b.STP", "parts"])
        self.assertEqual(completions("import", "a.step", "-o", ""), ["-", "old.dxf", "parts"])
        self.assertEqual(completions("--script", ""), ["parts", "run.scr"])


if __name__ == "__main__":
    unittest.main(verbosity=2)
