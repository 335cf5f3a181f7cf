"""End-to-end import of one real STEP file (the file name is the argument) in every surface mode
and mesh type. The runs must agree with each other as the import rules say: the command line
counts objects, not entities, so the count is the same for every mesh type; every object other
than a mesh makes one entity; a mesh makes one polyface mesh, or, past the polyface limit (the
warning names its vertex and face counts), as many 3D faces as it has faces; as 3D faces, lines or
points it makes one entity per face, per edge between distinct positions, per distinct position."""

import collections
import sys
import unittest

from kestrin_e2e import ImportTestCase, corpus, run_import

MESH_KINDS = ("POLYFACE", "3DFACE")


def position(point):
    return tuple(point)


def mesh_parts(test, drawing, result):
    """The meshes of a drawing saved with the polyface mesh type, in order, each as the list of
    its faces' corner positions and the set of its vertex positions: a polyface mesh from its
    records, a mesh past the limit from the run of 3D faces that its warning counts."""
    fallbacks = list(result.warnings)
    meshes = []
    entities = iter(e for e in drawing.entities if drawing.kind(e) in MESH_KINDS)
    for entity in entities:
        if drawing.kind(entity) == "POLYFACE":
            vertices = [position(v.dxf.location) for v in entity.vertices
                        if v.is_poly_face_mesh_vertex]
            faces = []
            for record in (v for v in entity.vertices if v.is_face_record):
                corners = [abs(record.get_dxf_attrib(f"vtx{k}", 0)) for k in range(4)]
                faces.append([vertices[i - 1] for i in corners if i != 0])
            meshes.append((faces, set(vertices)))
            continue
        test.assertTrue(fallbacks, "3D faces without a polyface-limit warning")
        _, face_count = fallbacks.pop(0)
        run = [entity] + [next(entities) for _ in range(face_count - 1)]
        test.assertEqual({drawing.kind(e) for e in run}, {"3DFACE"})
        faces = [[position(e.dxf.get(f"vtx{k}")) for k in range(4)] for e in run]
        meshes.append((faces, {p for face in faces for p in face}))
    test.assertEqual(fallbacks, [], "a warning without its 3D faces")
    return meshes


def edge_count(faces):
    """The edges between distinct positions that the faces of one mesh share out."""
    edges = set()
    for corners in faces:
        for a, b in zip(corners, corners[1:] + corners[:1]):
            if a != b:
                edges.add(frozenset((a, b)))
    return len(edges)


# The mesh types other than polyface meshes: the kind of entity each makes of a mesh, and how
# many of them one mesh (its faces and its vertex positions) makes.
ENTITIES_PER_MESH = (
    ("faces", "3DFACE", lambda faces, vertices: len(faces)),
    ("lines", "LINE", lambda faces, vertices: edge_count(faces)),
    ("points", "POINT", lambda faces, vertices: len(vertices)),
)


class CorpusImport(ImportTestCase):
    name = None

    def run_mode(self, *options):
        tag = "-".join(o for o in options if not o.startswith("--"))
        return run_import(corpus(self.name), f"{self.name}-{tag}.dxf", *options)

    def not_from_meshes(self, drawing):
        return collections.Counter(drawing.kind(e) for e in drawing.entities
                                   if drawing.kind(e) not in MESH_KINDS)

    def assertOtherKindsUnchanged(self, drawing, expected, kind):
        others = self.not_from_meshes(drawing)
        others.pop(kind, None)
        expected = collections.Counter(expected)
        expected.pop(kind, None)
        self.assertEqual(others, expected)

    def test_mesh_types_agree(self):
        polyface = self.run_mode("--surfaces", "mesh", "--mesh-type", "polyface",
                                 "--warning", "on")
        drawing = self.assertImported(polyface)
        others = self.not_from_meshes(drawing)
        meshes = mesh_parts(self, drawing, polyface)
        self.assertGreater(len(meshes), 0)
        self.assertEqual(len(meshes), polyface.count - sum(others.values()))

        for mesh_type, kind, per_mesh in ENTITIES_PER_MESH:
            with self.subTest(mesh_type=mesh_type):
                result = self.run_mode("--surfaces", "mesh", "--mesh-type", mesh_type,
                                       "--warning", "off")
                other_type = self.assertImported(result)
                self.assertEqual(result.count, polyface.count)
                self.assertEqual(other_type.kinds[kind],
                                 others[kind] + sum(per_mesh(f, v) for f, v in meshes))
                self.assertEqual(other_type.kinds["POLYFACE"], 0)
                self.assertOtherKindsUnchanged(other_type, others, kind)

    def test_edge_curves_make_one_entity_per_curve(self):
        edges = self.run_mode("--surfaces", "edges", "--mesh-type", "polyface", "--warning", "on")
        drawing = self.assertImported(edges)
        self.assertGreater(edges.count, 0)
        others = self.not_from_meshes(drawing)
        meshes = mesh_parts(self, drawing, edges)  # only tessellated geometry stays a mesh
        self.assertEqual(sum(others.values()) + len(meshes), edges.count)


if __name__ == "__main__":
    CorpusImport.name = sys.argv[1]
    unittest.main(argv=sys.argv[:1], verbosity=2)
