"""Support for the end-to-end tests: runs the real host program on a STEP file and reads the DXF it
saved with ezdxf, an independent reader, so that what the tests check is what another CAD program
would see. Paths come from the environment that CTest sets: KESTRIN (the host program),
KESTRIN_FIXTURES (generated STEP files), KESTRIN_CORPUS (real STEP files) and KESTRIN_WORK (a
scratch folder of the test's own)."""

import collections
import os
import re
import subprocess
import tempfile
import unittest

import ezdxf

SUCCESS = re.compile(r"^Successfully imported (\d+) objects$", re.MULTILINE)
# A failed import is said once, on standard error.
FAILURE = re.compile(r"^kestrin: .* was not imported: Failure \[(.*)\]$", re.MULTILINE)
POLYFACE_LIMIT_WARNING = re.compile(r"The mesh contains (\d+) vertices and (\d+) faces\.")

# A generous bound for one import of a test file; a run that needs more has hung.
IMPORT_TIMEOUT_S = 300


class Import:
    """The outcome of one `kestrin import` run."""

    def __init__(self, proc, dxf_path):
        self.exit_code = proc.returncode
        self.stdout = proc.stdout
        self.stderr = proc.stderr
        self.dxf_path = dxf_path
        match = SUCCESS.search(proc.stdout)
        self.count = int(match.group(1)) if match else None
        failure = FAILURE.search(proc.stderr)
        self.failure = failure.group(1) if failure else None
        # (vertex count, face count) of each polyface-limit warning shown, in order.
        self.warnings = [(int(v), int(f)) for v, f in POLYFACE_LIMIT_WARNING.findall(proc.stderr)]


def work_dir():
    path = os.environ.get("KESTRIN_WORK") or tempfile.mkdtemp(prefix="kestrin-e2e-")
    os.makedirs(path, exist_ok=True)
    return path


def fixture(name):
    return os.path.join(os.environ["KESTRIN_FIXTURES"], name)


def corpus(name):
    return os.path.join(os.environ["KESTRIN_CORPUS"], name)


def host_env(work):
    """The environment of one host run: its own settings store, so that runs do not see the
    developer's stored options or each other's unless a test wants them to."""
    env = dict(os.environ)
    env["KESTRIN_REGISTRY_FILE"] = os.path.join(work, "settings.ini")
    return env


def run_import(step_file, out_name, *options, work=None):
    work = work or work_dir()
    dxf_path = os.path.join(work, out_name)
    if os.path.exists(dxf_path):
        os.remove(dxf_path)
    proc = subprocess.run(
        [os.environ["KESTRIN"], "import", step_file, "-o", dxf_path, *options],
        capture_output=True, text=True, errors="surrogateescape", timeout=IMPORT_TIMEOUT_S,
        stdin=subprocess.DEVNULL, env=host_env(work))
    return Import(proc, dxf_path)


class Drawing:
    """What ezdxf reads back from a saved drawing: model-space entities by kind, and the details
    of polyface meshes and 3D polylines that the import rules speak of."""

    def __init__(self, path):
        self.doc = ezdxf.readfile(path)
        auditor = self.doc.audit()
        self.audit_errors = [str(e.message) for e in auditor.errors]
        self.entities = list(self.doc.modelspace())
        self.kinds = collections.Counter(self.kind(e) for e in self.entities)

    @staticmethod
    def kind(entity):
        if entity.dxftype() == "POLYLINE":
            return "POLYFACE" if entity.is_poly_face_mesh else "POLYLINE"
        return entity.dxftype()

    def of_kind(self, kind):
        return [e for e in self.entities if self.kind(e) == kind]

    def polyface_sizes(self):
        """(vertex count, face count) of every polyface mesh, in model-space order."""
        sizes = []
        for mesh in self.of_kind("POLYFACE"):
            vertices = [v for v in mesh.vertices if v.is_poly_face_mesh_vertex]
            faces = [v for v in mesh.vertices if v.is_face_record]
            sizes.append((len(vertices), len(faces)))
        return sizes

    def distinct_polyface_positions(self, mesh):
        return {tuple(v.dxf.location) for v in mesh.vertices if v.is_poly_face_mesh_vertex}


class ImportTestCase(unittest.TestCase):
    """Assertions shared by the import tests."""

    def assertImported(self, result):
        self.assertEqual(result.exit_code, 0, result.stdout + result.stderr)
        self.assertIsNotNone(result.count, result.stdout)
        self.assertTrue(os.path.exists(result.dxf_path), "no drawing saved")
        drawing = Drawing(result.dxf_path)
        self.assertEqual(drawing.audit_errors, [])
        return drawing

    def assertFailed(self, result):
        self.assertNotEqual(result.exit_code, 0, result.stdout)
        self.assertIsNone(result.count, result.stdout)
        self.assertIsNotNone(result.failure, result.stdout)
        return result.failure
