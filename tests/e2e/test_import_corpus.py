"""End-to-end import of one real STEP file (the file name is the argument) in every surface mode
and mesh type. The counts of the different runs must agree with each other as the import rules
say: the command line counts objects, not entities, so the count is the same for every mesh type;
each mesh becomes one polyface mesh (or, past the polyface limit, 3D faces), as many 3D faces as
it has faces, and as many points as it has distinct vertex positions."""

import os
import sys
import unittest

from kestrin_e2e import ImportTestCase, corpus, run_import

MESH_KINDS = ("POLYFACE", "3DFACE")


class CorpusImport(ImportTestCase):
    name = None

    def run_mode(self, *options):
        tag = "-".join(o for o in options if not o.startswith("--"))
        return run_import(corpus(self.name), f"{self.name}-{tag}.dxf", *options,
                          "--warning", "off")

    def test_counts_agree_across_modes(self):
        polyface = self.run_mode("--surfaces", "mesh", "--mesh-type", "polyface")
        drawing = self.assertImported(polyface)
        not_from_meshes = {k: n for k, n in drawing.kinds.items() if k not in MESH_KINDS}
        mesh_count = polyface.count - sum(not_from_meshes.values())
        self.assertGreaterEqual(mesh_count, 0)
        self.assertGreaterEqual(drawing.kinds["POLYFACE"], 0)
        sizes = drawing.polyface_sizes()
        fell_back = drawing.kinds["3DFACE"] > 0
        if not fell_back:
            self.assertEqual(len(sizes), mesh_count)

        faces = self.run_mode("--surfaces", "mesh", "--mesh-type", "faces")
        faces_drawing = self.assertImported(faces)
        self.assertEqual(faces.count, polyface.count)
        self.assertEqual(faces_drawing.kinds["3DFACE"],
                         drawing.kinds["3DFACE"] + sum(f for _, f in sizes))
        self.assertEqual(faces_drawing.kinds["POLYFACE"], 0)

        points = self.run_mode("--surfaces", "mesh", "--mesh-type", "points")
        points_drawing = self.assertImported(points)
        self.assertEqual(points.count, polyface.count)
        if not fell_back:
            mesh_points = sum(len(drawing.distinct_polyface_positions(m))
                              for m in drawing.of_kind("POLYFACE"))
            self.assertEqual(points_drawing.kinds["POINT"],
                             not_from_meshes.get("POINT", 0) + mesh_points)

        lines = self.run_mode("--surfaces", "mesh", "--mesh-type", "lines")
        self.assertEqual(self.assertImported(lines).kinds["3DFACE"], 0)
        self.assertEqual(lines.count, polyface.count)

    def test_edge_curves_make_one_entity_per_curve(self):
        edges = self.run_mode("--surfaces", "edges", "--mesh-type", "polyface")
        drawing = self.assertImported(edges)
        if drawing.kinds["3DFACE"] == 0:
            self.assertEqual(len(drawing.entities), edges.count)


if __name__ == "__main__":
    CorpusImport.name = sys.argv[1]
    unittest.main(argv=sys.argv[:1], verbosity=2)
