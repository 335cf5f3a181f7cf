// Kestrin resources.
// The ids of the module's resources: the "Kestrin Options" dialog template and the controls on it
// that code addresses. Labels and the etched line carry IDC_STATIC.
#pragma once

/// The "Kestrin Options" dialog template.
#define IDD_KESTRIN_OPTIONS 21000

/// First radio button of the surface group: "Mesh" (index 0).
#define IDC_SURFACES_AS_MESH 8000
/// Second radio button of the surface group: "Edge curves" (index 1).
#define IDC_SURFACES_AS_EDGE_CURVES 8001
/// Drop-down list of the mesh types, filled with the four entries in mesh-type order.
#define IDC_MESH_TYPE 200
/// Check box "Display polyface mesh limit warning".
#define IDC_POLYFACE_WARNING 201
