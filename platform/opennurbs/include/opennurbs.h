// Kestrin openNURBS-compatible geometry.
// The umbrella header: every public class of the library, in dependency order.
#pragma once

#include "opennurbs_defines.h"
#include "opennurbs_math.h"
#include "opennurbs_textlog.h"

#include "opennurbs_3dpoint.h"
#include "opennurbs_3dvector.h"
#include "opennurbs_3fpoint.h"
#include "opennurbs_4dpoint.h"

#include "opennurbs_3dpointarray.h"
#include "opennurbs_3fpointarray.h"
#include "opennurbs_array.h"

#include "opennurbs_arc.h"
#include "opennurbs_circle.h"
#include "opennurbs_interval.h"
#include "opennurbs_line.h"
#include "opennurbs_plane.h"
#include "opennurbs_planeequation.h"
#include "opennurbs_polyline.h"

#include "opennurbs_curve.h"
#include "opennurbs_nurbscurve.h"

#include "opennurbs_mesh.h"
#include "opennurbs_mesh_face.h"
#include "opennurbs_mesh_topology.h"
