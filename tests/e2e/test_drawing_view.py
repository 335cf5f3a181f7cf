"""End-to-end: a saved drawing opens on its model. The header's extents are those of the entities
ezdxf reads back, the *Active viewport shows them whole in top view, and geometry without bounds
never reaches the drawing. The corpus cases (a motor assembly far from the origin, curve sets
with unbounded lines) run with the argument "corpus"."""

import os
import sys
import unittest

from ezdxf import bbox

from kestrin_e2e import ImportTestCase, corpus, fixture, run_import

REL_TOL = 1e-9
# ezdxf measures circles and arcs by their cubic Bezier approximation, which strays from the
# curve by up to 2.7e-4 of the radius.
BEZIER_REL_TOL = 1e-3
# The window aspect ratio the viewport must fit: ezdxf's default for a new viewport.
VIEW_ASPECT = 1.34


class ViewTestCase(ImportTestCase):
    def assertOpensOnModel(self, drawing):
        header = drawing.doc.header
        low, high = tuple(header["$EXTMIN"]), tuple(header["$EXTMAX"])
        self.assertEqual(header.get("$MEASUREMENT"), 1)
        measured = bbox.extents(drawing.entities)
        self.assertTrue(measured.has_data)
        curved = any(e.dxftype() in ("ARC", "CIRCLE") for e in drawing.entities)
        size = max(max(map(abs, low)), max(map(abs, high)), high[0] - low[0], high[1] - low[1])
        tolerance = (BEZIER_REL_TOL if curved else REL_TOL) * size
        for i in range(3):
            self.assertAlmostEqual(low[i], measured.extmin[i], delta=tolerance)
            self.assertAlmostEqual(high[i], measured.extmax[i], delta=tolerance)
        (vport,) = drawing.doc.viewports.get_config("*Active")
        self.assertEqual(tuple(vport.dxf.direction), (0, 0, 1))
        half_height = vport.dxf.height / 2
        for i, half in ((0, half_height * VIEW_ASPECT), (1, half_height)):
            centre = vport.dxf.center[i]
            self.assertLessEqual(centre - half, low[i])
            self.assertGreaterEqual(centre + half, high[i])
        return low, high


class DrawingView(ViewTestCase):
    def test_meshes_and_curves_open_on_the_model(self):
        for name, surfaces in (("bracket.step", "mesh"), ("bracket.step", "edges"),
                               ("assembly.step", "mesh"), ("cylinder.step", "edges")):
            with self.subTest(name=name, surfaces=surfaces):
                result = run_import(fixture(name), f"view-{surfaces}-{name}.dxf",
                                    "--surfaces", surfaces, "--mesh-type", "polyface")
                self.assertOpensOnModel(self.assertImported(result))

    def test_curve_set_imports_within_its_real_size(self):
        # An unbounded line, an unbounded parabola and a hyperbola reaching 2.9e26 mm beside a
        # 10 mm line: the line alone comes back, and the drawing is 10 mm wide.
        for surfaces in ("mesh", "edges"):
            with self.subTest(surfaces=surfaces):
                result = run_import(fixture("unbounded-curves-and-line.step"),
                                    f"unbounded-{surfaces}.dxf", "--surfaces", surfaces)
                drawing = self.assertImported(result)
                self.assertEqual(result.count, 1)
                self.assertEqual(drawing.kinds, {"LINE": 1})
                low, high = self.assertOpensOnModel(drawing)
                self.assertEqual((low, high), ((0, 0, 0), (10, 0, 0)))

    def test_unbounded_curves_alone_are_no_geometry_to_import(self):
        result = run_import(fixture("unbounded-curves.step"), "unbounded-only.dxf")
        reason = self.assertFailed(result)
        self.assertIn("holds no geometry that can be imported (it holds 2 unbounded curves and "
                      "1 curve or mesh beyond 1e15 mm)", reason)
        self.assertFalse(os.path.exists(result.dxf_path), "a failed import saved a drawing")


class CorpusDrawingView(ViewTestCase):
    def test_far_assembly_opens_on_the_model(self):
        result = run_import(corpus("asm-occt75-as1-motor.step"), "motor.dxf",
                            "--surfaces", "mesh", "--mesh-type", "polyface", "--warning", "off")
        low, high = self.assertOpensOnModel(self.assertImported(result))
        self.assertLess(low[0], -1e5)  # parts of the model lie around x = -159,000 mm

    def test_curve_sets_keep_to_their_real_size(self):
        for surfaces in ("mesh", "edges"):
            with self.subTest(surfaces=surfaces):
                result = run_import(corpus("wire-bspline-line-composite.stp"),
                                    f"curve-sets-{surfaces}.dxf", "--surfaces", surfaces)
                low, high = self.assertOpensOnModel(self.assertImported(result))
                self.assertLess(max(map(abs, low + high)), 1e4)  # 3.4 m, not 2e100 mm


if __name__ == "__main__":
    # With the argument "corpus", the corpus cases alone (a layer of their own).
    corpus_layer = sys.argv[1:] == ["corpus"]
    case = CorpusDrawingView if corpus_layer else DrawingView
    suite = unittest.defaultTestLoader.loadTestsFromTestCase(case)
    sys.exit(0 if unittest.TextTestRunner(verbosity=2).run(suite).wasSuccessful() else 1)
