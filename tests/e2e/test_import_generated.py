"""End-to-end imports of STEP files generated with known content: the entity kinds and counts that
the import rules give for each surface mode and mesh type, the count on the command line, units,
and the exit status of failed imports."""

import math
import os
import shutil
import sys
import unittest

from kestrin_e2e import ImportTestCase, fixture, run_import, work_dir


class BoxImport(ImportTestCase):
    """A 10 x 20 x 30 box: 6 faces, 12 edges, 8 corners."""

    def test_edge_curves_give_twelve_lines(self):
        result = run_import(fixture("box.step"), "box-edges.dxf", "--surfaces", "edges")
        drawing = self.assertImported(result)
        self.assertEqual(result.count, 12)
        self.assertEqual(drawing.kinds, {"LINE": 12})
        lengths = sorted(round(math.dist(e.dxf.start, e.dxf.end), 9)
                         for e in drawing.of_kind("LINE"))
        self.assertEqual(lengths, [10.0] * 4 + [20.0] * 4 + [30.0] * 4)

    def test_polyface_mesh_is_one_closed_body(self):
        result = run_import(fixture("box.step"), "box-polyface.dxf", "--surfaces", "mesh",
                            "--mesh-type", "polyface")
        drawing = self.assertImported(result)
        self.assertEqual(result.count, 1)
        self.assertEqual(drawing.kinds, {"POLYFACE": 1})
        (mesh,) = drawing.of_kind("POLYFACE")
        self.assertEqual(drawing.polyface_sizes()[0][1], 12)
        self.assertEqual(len(drawing.distinct_polyface_positions(mesh)), 8)

    def test_every_mesh_type_counts_the_mesh_once(self):
        expected = {"faces": {"3DFACE": 12}, "lines": {"LINE": 18}, "points": {"POINT": 8}}
        for mesh_type, kinds in expected.items():
            with self.subTest(mesh_type=mesh_type):
                result = run_import(fixture("box.step"), f"box-{mesh_type}.dxf",
                                    "--surfaces", "mesh", "--mesh-type", mesh_type)
                drawing = self.assertImported(result)
                self.assertEqual(result.count, 1)
                self.assertEqual(drawing.kinds, kinds)


class LatinOneFileName(ImportTestCase):
    """File names go byte for byte from the command line to the worker and to the saved file. A
    Latin-1 name is not UTF-8; the import of such a file once failed as if it did not exist."""

    def test_latin1_named_file_imports_into_latin1_named_drawing(self):
        work = work_dir()
        # "br\udce4cket" is the bytes b"br\xe4cket" (Latin-1 "bräcket") as Python holds them.
        step = os.path.join(work, "br\udce4cket.step")
        shutil.copyfile(fixture("box.step"), step)
        result = run_import(step, "br\udce4cket.dxf", "--surfaces", "edges", work=work)
        drawing = self.assertImported(result)
        self.assertEqual(drawing.kinds, {"LINE": 12})
        self.assertIn(b"br\xe4cket.dxf", os.listdir(os.fsencode(work)))


class CurvedEdges(ImportTestCase):
    def test_cylinder_gives_two_circles_and_its_seam(self):
        result = run_import(fixture("cylinder.step"), "cylinder.dxf", "--surfaces", "edges")
        drawing = self.assertImported(result)
        self.assertEqual(result.count, 3)
        self.assertEqual(drawing.kinds, {"CIRCLE": 2, "LINE": 1})
        for circle in drawing.of_kind("CIRCLE"):
            self.assertAlmostEqual(circle.dxf.radius, 5.0, places=9)

    def test_torus_gives_two_circles(self):
        result = run_import(fixture("torus.step"), "torus.dxf", "--surfaces", "edges")
        drawing = self.assertImported(result)
        self.assertEqual(drawing.kinds, {"CIRCLE": 2})
        radii = sorted(c.dxf.radius for c in drawing.of_kind("CIRCLE"))
        self.assertAlmostEqual(radii[0], 5.0, places=9)
        self.assertAlmostEqual(radii[1], 25.0, places=9)


class Units(ImportTestCase):
    def test_inch_file_comes_back_in_millimetres(self):
        result = run_import(fixture("inch-box.step"), "inch-box.dxf", "--surfaces", "edges")
        drawing = self.assertImported(result)
        lengths = sorted({round(math.dist(e.dxf.start, e.dxf.end), 6)
                          for e in drawing.of_kind("LINE")})
        self.assertEqual(lengths, [25.4, 50.8, 76.2])


class FreeGeometry(ImportTestCase):
    def test_points_come_back_in_both_surface_modes(self):
        for surfaces in ("mesh", "edges"):
            with self.subTest(surfaces=surfaces):
                result = run_import(fixture("points.step"), f"points-{surfaces}.dxf",
                                    "--surfaces", surfaces)
                drawing = self.assertImported(result)
                self.assertGreater(result.count, 0)
                self.assertEqual(set(drawing.kinds), {"POINT"})
                self.assertEqual(len(drawing.entities), result.count)


class SevenKinds(ImportTestCase):
    def test_entities_come_kind_by_kind_in_the_fixed_order(self):
        # The file holds its free geometry and the box in an order of its own.
        result = run_import(fixture("seven-kinds.step"), "seven-kinds.dxf", "--surfaces", "mesh",
                            "--mesh-type", "polyface")
        drawing = self.assertImported(result)
        self.assertEqual(result.count, 8)
        self.assertEqual([drawing.kind(e) for e in drawing.entities],
                         ["POINT", "POINT", "LINE", "POLYLINE", "CIRCLE", "ARC", "SPLINE",
                          "POLYFACE"])


class PolyfaceLimit(ImportTestCase):
    """A mesh of 32,769 corners, two past what a polyface mesh holds, then a 10 mm cube."""

    WARNING = ("The mesh contains 32769 vertices and 10923 faces.\n\nA PolyFace Mesh cannot "
               "contain more than 32,767 vertices and/or faces.")

    def test_oversized_mesh_becomes_faces_and_warns_only_when_asked(self):
        for warning in ("on", "off"):
            with self.subTest(warning=warning):
                result = run_import(fixture("oversized-mesh.step"), f"oversized-{warning}.dxf",
                                    "--surfaces", "mesh", "--mesh-type", "polyface",
                                    "--warning", warning)
                drawing = self.assertImported(result)
                self.assertEqual(result.count, 2)
                self.assertEqual(drawing.kinds, {"3DFACE": 10923, "POLYFACE": 1})
                self.assertEqual(drawing.polyface_sizes(), [(8, 12)])
                # The module's box is a message for people: on standard error.
                self.assertEqual(result.stderr.count("The mesh contains"),
                                 1 if warning == "on" else 0, result.stderr)
                self.assertNotIn("The mesh contains", result.stdout)
                if warning == "on":
                    self.assertIn(self.WARNING, result.stderr)


class FailedImports(ImportTestCase):
    def test_missing_file_is_a_failure_naming_it(self):
        missing = os.path.join(work_dir(), "no-such-part.step")
        result = run_import(missing, "missing.dxf")
        reason = self.assertFailed(result)
        self.assertIn("no-such-part.step", reason)

    def test_file_that_is_not_step_is_a_failure(self):
        junk = os.path.join(work_dir(), "junk.stp")
        with open(junk, "wb") as f:
            f.write(bytes(range(256)) * 64)
        self.assertFailed(run_import(junk, "junk.dxf"))

    def test_damaged_file_is_refused_with_its_reason(self):
        # A box file with bytes that are no STEP in place of some of its data: the translator
        # refuses it rather than import whatever part of it could be recovered.
        result = run_import(fixture("damaged-box.step"), "damaged.dxf")
        reason = self.assertFailed(result)
        self.assertIn("damaged-box.step is damaged", reason)
        self.assertFalse(os.path.exists(result.dxf_path), "a failed import saved a drawing")


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)
