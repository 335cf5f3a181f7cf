#!/usr/bin/python3
# Kestrin toolkit tests: reads a DXF file with ezdxf (an independent reader) and compares it with
# what the database held, given as JSON: usage check_dxf.py FILE.dxf EXPECTED.json.
# The audit must find no error and make no fix; every entity must come back in model-space
# order with its coordinates (world), angles, knots and weights within 1e-9 relative, and splines
# must evaluate to the given sample points within 1e-9 of the curve's size. The header's extents
# must be those of the entities read back within 1e-9 relative, and the *Active viewport must show
# them whole in top view.
import json
import math
import sys

import ezdxf
from ezdxf import bbox
from ezdxf.math import BoundingBox, arc_angle_span_deg

REL_TOL = 1e-9
ABS_TOL = 1e-12  # for values that are exactly 0 in the database
FAILURES = []


def fail(where, text):
    FAILURES.append(f"{where}: {text}")


def close(a, b, scale=1.0):
    return abs(a - b) <= max(REL_TOL * max(abs(a), abs(b), scale), ABS_TOL)


def expect_num(where, actual, expected, scale=1.0):
    if not close(actual, expected, scale):
        fail(where, f"{actual!r} != {expected!r}")


def expect_vec(where, actual, expected, scale=1.0):
    actual = tuple(actual)
    if len(actual) != len(expected):
        fail(where, f"{actual!r} != {expected!r}")
        return
    for i, (a, e) in enumerate(zip(actual, expected)):
        expect_num(f"{where}[{i}]", a, e, scale)


def expect_eq(where, actual, expected):
    if actual != expected:
        fail(where, f"{actual!r} != {expected!r}")


def arbitrary_x_axis(n):
    # The arbitrary axis rule, written here independently of the writer.
    t = 1.0 / 64.0
    if abs(n[0]) < t and abs(n[1]) < t:
        a = (n[2], 0.0, -n[0])  # (0,1,0) x N
    else:
        a = (-n[1], n[0], 0.0)  # (0,0,1) x N
    length = math.sqrt(sum(c * c for c in a))
    return tuple(c / length for c in a)


def unit(v):
    length = math.sqrt(sum(c * c for c in v))
    return tuple(c / length for c in v)


def cross(a, b):
    return (a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0])


def reduced_degrees(radians):
    return math.degrees(radians) % 360.0


def check_circle_part(where, entity, expected):
    n = unit(expected["normal"])
    expect_vec(f"{where} extrusion", entity.dxf.extrusion, n)
    center = entity.ocs().to_wcs(entity.dxf.center)
    scale = max(abs(c) for c in expected["center"]) + expected["radius"]
    expect_vec(f"{where} centre", center, expected["center"], scale)
    expect_num(f"{where} radius", entity.dxf.radius, expected["radius"])
    return n, scale


def check_arc(where, entity, expected):
    n, scale = check_circle_part(where, entity, expected)
    for key, dxf_name in (("start_angle", "start_angle"), ("end_angle", "end_angle")):
        actual = entity.dxf.get(dxf_name)
        want = reduced_degrees(expected[key])
        if not close(actual, want, 360.0) and not close(abs(actual - want), 360.0, 360.0):
            fail(f"{where} {key}", f"{actual!r} != {want!r}")
    x_axis = arbitrary_x_axis(n)
    y_axis = cross(n, x_axis)
    c, r = expected["center"], expected["radius"]
    for key, point in (("start_angle", entity.start_point), ("end_angle", entity.end_point)):
        a = expected[key]
        want = tuple(c[i] + r * (math.cos(a) * x_axis[i] + math.sin(a) * y_axis[i])
                     for i in range(3))
        expect_vec(f"{where} {key} point", point, want, scale)
    if "start_point" in expected:  # worked by hand in the test
        expect_vec(f"{where} start point", entity.start_point, expected["start_point"], scale)


def check_spline(where, entity, expected):
    expect_eq(f"{where} degree", entity.dxf.degree, expected["degree"])
    expect_eq(f"{where} rational", bool(entity.dxf.flags & 4), expected["rational"])
    expect_eq(f"{where} closed", bool(entity.dxf.flags & 1), expected["closed"])
    expect_eq(f"{where} periodic", bool(entity.dxf.flags & 2), expected["periodic"])
    points = list(entity.control_points)
    expect_eq(f"{where} control point count", len(points), len(expected["control_points"]))
    for i, (a, e) in enumerate(zip(points, expected["control_points"])):
        expect_vec(f"{where} control point {i}", a, e, expected["size"])
    knots = list(entity.knots)
    expect_eq(f"{where} knot count", len(knots), len(expected["knots"]))
    for i, (a, e) in enumerate(zip(knots, expected["knots"])):
        expect_num(f"{where} knot {i}", a, e)
    weights = list(entity.weights)
    if expected["rational"]:
        expect_eq(f"{where} weight count", len(weights), len(expected["weights"]))
        for i, (a, e) in enumerate(zip(weights, expected["weights"])):
            expect_num(f"{where} weight {i}", a, e)
    else:
        expect_eq(f"{where} weights", weights, [])
    curve = entity.construction_tool()
    for t, *point in expected.get("samples", []):
        expect_vec(f"{where} point at {t}", curve.point(t), point, expected["size"])


def check_polyline(where, entity, expected):
    expect_eq(f"{where} is 3D polyline", entity.is_3d_polyline, True)
    expect_eq(f"{where} closed", entity.is_closed, expected["closed"])
    points = list(entity.points())
    expect_eq(f"{where} vertex count", len(points), len(expected["vertices"]))
    for i, (a, e) in enumerate(zip(points, expected["vertices"])):
        expect_vec(f"{where} vertex {i}", a, e)


def check_polyface(where, entity, expected):
    expect_eq(f"{where} is polyface", entity.is_poly_face_mesh, True)
    expect_eq(f"{where} group 71", entity.dxf.m_count, len(expected["vertices"]))
    expect_eq(f"{where} group 72", entity.dxf.n_count, len(expected["faces"]))
    positions = [v for v in entity.vertices if v.dxf.flags == 192]
    faces = [v for v in entity.vertices if v.dxf.flags == 128]
    expect_eq(f"{where} vertex count", len(positions), len(expected["vertices"]))
    for i, (v, e) in enumerate(zip(positions, expected["vertices"])):
        expect_vec(f"{where} vertex {i}", v.dxf.location, e)
    expect_eq(f"{where} face count", len(faces), len(expected["faces"]))
    for i, (f, e) in enumerate(zip(faces, expected["faces"])):
        got = [f.dxf.get(name, 0) for name in ("vtx0", "vtx1", "vtx2", "vtx3")]
        expect_eq(f"{where} face {i}", got, e)
    order = [v.dxf.flags for v in entity.vertices]
    expect_eq(f"{where} vertices before faces", order, sorted(order, reverse=True))


def check_entity(where, entity, expected):
    kind = expected["type"]
    if kind in ("POINT",):
        expect_vec(f"{where} location", entity.dxf.location, expected["position"])
    elif kind == "LINE":
        expect_vec(f"{where} start", entity.dxf.start, expected["start"])
        expect_vec(f"{where} end", entity.dxf.end, expected["end"])
    elif kind == "CIRCLE":
        check_circle_part(where, entity, expected)
    elif kind == "ARC":
        check_arc(where, entity, expected)
    elif kind == "SPLINE":
        check_spline(where, entity, expected)
    elif kind == "POLYLINE3D":
        check_polyline(where, entity, expected)
    elif kind == "POLYFACE":
        check_polyface(where, entity, expected)
    elif kind == "3DFACE":
        for i in range(4):
            expect_vec(f"{where} corner {i}", entity.dxf.get(f"vtx{i}"), expected["corners"][i])
    else:
        fail(where, f"unknown expected type {kind}")


# ezdxf's own extents of circles and arcs come from their cubic Bezier approximation, which
# strays from the curve by up to 2.7e-4 of the radius: the exact extents computed below must lie
# within this fraction of the radius of ezdxf's.
BEZIER_REL_TOL = 1e-3
# The aspect ratio of the window the viewport must fit (ezdxf's default for a new VPORT), and the
# largest margin the fit may add around the extents.
VIEW_ASPECT = 1.34
VIEW_MAX_MARGIN = 1.5
EMPTY_EXTENTS = ((1e20, 1e20, 1e20), (-1e20, -1e20, -1e20))


def circle_extents(entity):
    """The exact box of a CIRCLE or ARC as ezdxf reads it: world coordinate i on the circle is
    c_i + r (ux_i cos t + uy_i sin t), largest at t = atan2(uy_i, ux_i) and smallest half a turn
    on; an arc reaches those within its span and otherwise ends at its end points."""
    ocs = entity.ocs()
    c = ocs.to_wcs(entity.dxf.center)
    r = entity.dxf.radius
    if entity.dxftype() == "ARC":
        start = entity.dxf.start_angle
        span = arc_angle_span_deg(start, entity.dxf.end_angle)
        ends = [entity.start_point, entity.end_point]
    else:
        start, span, ends = 0.0, 360.0, []
    low = [min((p[i] for p in ends), default=math.inf) for i in range(3)]
    high = [max((p[i] for p in ends), default=-math.inf) for i in range(3)]
    for i in range(3):
        reach = r * math.hypot(ocs.ux[i], ocs.uy[i])
        top = math.degrees(math.atan2(ocs.uy[i], ocs.ux[i]))
        if (top - start) % 360.0 <= span:
            high[i] = c[i] + reach
        if (top + 180.0 - start) % 360.0 <= span:
            low[i] = c[i] - reach
    return BoundingBox([low, high])


def reference_extents(where, entity):
    kind = entity.dxftype()
    if kind in ("CIRCLE", "ARC"):
        exact, approximate = circle_extents(entity), bbox.extents([entity])
        for i in range(3):
            for a, b in ((exact.extmin[i], approximate.extmin[i]),
                         (exact.extmax[i], approximate.extmax[i])):
                if abs(a - b) > BEZIER_REL_TOL * entity.dxf.radius:
                    fail(f"{where} extents[{i}]", f"{a!r} far from ezdxf's {b!r}")
        return exact
    if kind == "SPLINE":  # by the control points, which hold the curve
        return BoundingBox(entity.control_points)
    if kind == "POLYLINE" and entity.is_poly_face_mesh:  # every position, used by a face or not
        return BoundingBox(v.dxf.location for v in entity.vertices if v.is_poly_face_mesh_vertex)
    return bbox.extents([entity])  # exact for points, lines, polylines and faces


def check_extents_and_view(doc, entities):
    header_min = tuple(doc.header["$EXTMIN"])
    header_max = tuple(doc.header["$EXTMAX"])
    expect_eq("$INSUNITS", doc.header.get("$INSUNITS"), 4)
    expect_eq("$MEASUREMENT", doc.header.get("$MEASUREMENT"), 1)
    (vport,) = doc.viewports.get_config("*Active")
    expect_vec("viewport direction", vport.dxf.direction, (0, 0, 1))
    expect_vec("viewport target", vport.dxf.target, (0, 0, 0))
    exact = BoundingBox()
    for i, entity in enumerate(entities):
        exact.extend(reference_extents(f"entity {i} ({entity.dxftype()})", entity))
    if not exact.has_data:
        expect_eq("empty extents", (header_min, header_max), EMPTY_EXTENTS)
        return
    size = max(max(abs(c) for c in exact.extmin), max(abs(c) for c in exact.extmax))
    expect_vec("$EXTMIN", header_min, exact.extmin, size)
    expect_vec("$EXTMAX", header_max, exact.extmax, size)
    half_height = vport.dxf.height / 2
    half_width = half_height * VIEW_ASPECT
    cx, cy = vport.dxf.center[0], vport.dxf.center[1]
    for i, (centre, half) in enumerate(((cx, half_width), (cy, half_height))):
        if not (centre - half <= header_min[i] and header_max[i] <= centre + half):
            fail(f"viewport axis {i}", f"{centre!r} +- {half!r} does not hold "
                                       f"{header_min[i]!r} .. {header_max[i]!r}")
    needed = max(header_max[1] - header_min[1], (header_max[0] - header_min[0]) / VIEW_ASPECT)
    if needed > 0 and vport.dxf.height > VIEW_MAX_MARGIN * needed:
        fail("viewport height", f"{vport.dxf.height!r} for extents {needed!r} high")


def main():
    path, expected_path = sys.argv[1], sys.argv[2]
    with open(expected_path, encoding="utf-8") as f:
        expected = json.load(f)
    doc = ezdxf.readfile(path)
    expect_eq("version", doc.dxfversion, "AC1015")
    auditor = doc.audit()
    for error in auditor.errors:
        fail("audit error", str(error))
    for fix in auditor.fixes:
        fail("audit fix", str(fix))
    entities = list(doc.modelspace())
    types = {"POLYLINE3D": "POLYLINE", "POLYFACE": "POLYLINE"}
    expect_eq("entity count", len(entities), len(expected["entities"]))
    handles = set()
    for i, (entity, want) in enumerate(zip(entities, expected["entities"])):
        where = f"entity {i} ({want['type']})"
        expect_eq(f"{where} type", entity.dxftype(), types.get(want["type"], want["type"]))
        expect_eq(f"{where} layer", entity.dxf.layer, "0")
        expect_eq(f"{where} colour", entity.dxf.get("color", 256), 256)
        handles.add(entity.dxf.handle)
        if entity.dxftype() == types.get(want["type"], want["type"]):
            check_entity(where, entity, want)
    expect_eq("unique handles", len(handles), len(entities))
    check_extents_and_view(doc, entities)
    for line in FAILURES:
        print(line)
    return 1 if FAILURES else 0


if __name__ == "__main__":
    sys.exit(main())
