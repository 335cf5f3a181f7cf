"""The installed layout that the install and packaging tests hold the product to, relative to the
prefix, with the private and worker folders that the build configured (KESTRIN_PRIVATE_DIR,
KESTRIN_WORKER_DIR: lib/kestrin and libexec/kestrin by default). Paths of the build come from the
environment that CTest sets: KESTRIN_BUILD_DIR, KESTRIN_SOURCE_DIR, KESTRIN_WORK."""

import os

PRIVATE_DIR = os.environ.get("KESTRIN_PRIVATE_DIR", "lib/kestrin")
WORKER_DIR = os.environ.get("KESTRIN_WORKER_DIR", "libexec/kestrin")
MODULE_FILE = "Kestrin_Bricscad_2.05_8.drx"
STAND_IN_LIBRARIES = [f"lib{name}.so" for name in
                      ("opennurbs", "toolkit", "win32", "mfc", "LKVGUI80U", "sds", "Quarnel80U")]

PROGRAMS = {"bin/kestrin", f"{WORKER_DIR}/quarnel-worker"}
FILES = PROGRAMS | {
    f"{PRIVATE_DIR}/{MODULE_FILE}",
    f"{PRIVATE_DIR}/Kestrin.mnu",
    f"{PRIVATE_DIR}/Kestrin_Bricscad.chm",
    *(f"{PRIVATE_DIR}/{name}" for name in STAND_IN_LIBRARIES),
    "share/man/man1/kestrin.1",
    "share/bash-completion/completions/kestrin",
    "share/doc/kestrin/README.md",
    "share/doc/kestrin/LICENSE",
    "share/doc/kestrin/copyright",
}
# The files that hold machine code, and so a RUNPATH.
ELF_FILES = PROGRAMS | {f"{PRIVATE_DIR}/{name}" for name in [MODULE_FILE, *STAND_IN_LIBRARIES]}


def build_dir():
    return os.environ["KESTRIN_BUILD_DIR"]


def work_dir():
    path = os.environ["KESTRIN_WORK"]
    os.makedirs(path, exist_ok=True)
    return path
