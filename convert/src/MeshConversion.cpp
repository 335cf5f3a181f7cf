// Kestrin entity conversion.
// Meshes to a polyface mesh, 3D faces, edge lines or vertex points. Each form makes one pass over
// the mesh; the edge and vertex forms use the mesh topology, which the geometry library builds
// once per mesh and keeps in it. A polyface mesh is complete before it reaches the database: it
// is appended once, or, when building it fails, released so that nothing of it remains.
//
// Vertex numbers in faces are checked before any vertex is read. The translator supplies valid
// meshes, but a face naming a vertex outside the mesh would otherwise read outside the vertex
// array, or, narrowed to a face record's 16-bit number, silently name another vertex. A polyface
// mesh is one entity, so such a face rejects the whole polyface mesh; 3D faces are independent
// entities, so there only the bad face is left out.
#include "KestrinConvert/MeshConversion.h"

#include "ConversionFailure.h"
#include "KestrinConvert/CurveConversion.h"
#include "KestrinConvert/EntityCreation.h"
#include "OpenNurbsToToolkit.h"

#include <afxwin.h>

#include <algorithm>

namespace {

constexpr int kFaceCornerCount = 4;

// The warning shown before an oversized mesh becomes 3D faces; %d: vertex count, face count.
const wchar_t* const kPolyFaceLimitWarning =
    L"The mesh contains %d vertices and %d faces.\n\nA PolyFace Mesh cannot contain more than "
    L"32,767 vertices and/or faces. Due to this limitation the mesh will be created as a set of "
    L"3D Faces and not a single PolyFace Mesh.";

// Face record number of the absent fourth corner of a triangle.
constexpr OdInt16 kNoCorner = 0;

bool IsTriangle(const ON_MeshFace& face) {
    return face.vi[2] == face.vi[3];
}

// Index of the first corner of face that names no vertex below vertexLimit, or -1.
int FirstCornerOutside(const ON_MeshFace& face, int vertexLimit) {
    for (int k = 0; k < kFaceCornerCount; ++k) {
        if (face.vi[k] < 0 || face.vi[k] >= vertexLimit) {
            return k;
        }
    }
    return -1;
}

void RecordFaceOutside(int faceIndex, int vertexIndex, int vertexLimit) {
    OdString text;
    text.format(L"Face %d of the mesh refers to vertex %d, outside the %d vertices it can use",
                faceIndex, vertexIndex, vertexLimit);
    RecordConversionFailure(text);
}

// Tells whether every face names vertices below vertexLimit; records the first one that does not.
bool AllFacesInside(const ON_Mesh& mesh, int vertexLimit) {
    for (int f = 0; f < mesh.m_F.Count(); ++f) {
        const int corner = FirstCornerOutside(mesh.m_F[f], vertexLimit);
        if (corner >= 0) {
            RecordFaceOutside(f, mesh.m_F[f].vi[corner], vertexLimit);
            return false;
        }
    }
    return true;
}

// Face record number of a mesh vertex index checked to lie below kPolyFaceMeshMaxCount.
OdInt16 FaceRecordVertexNumber(int vertexIndex) {
    return static_cast<OdInt16>(vertexIndex + 1);
}

void ShowPolyFaceLimitWarning(int vertexCount, int faceCount) {
    CString message;
    message.Format(kPolyFaceLimitWarning, vertexCount, faceCount);
    AfxMessageBox(message, MB_OK, 0);
}

} // namespace

bool AddPolyFaceMesh(const ON_Mesh& mesh, OdDbDatabasePtr pDatabase, bool showLimitWarning) {
    const int vertexCount = mesh.m_V.Count();
    const int faceCount = mesh.m_F.Count();
    if (vertexCount > kPolyFaceMeshMaxCount || faceCount > kPolyFaceMeshMaxCount) {
        // Nothing has been created yet; the box only informs, the fall-back happens regardless.
        if (showLimitWarning) {
            ShowPolyFaceLimitWarning(vertexCount, faceCount);
        }
        return AddMeshAs3dFaces(mesh, pDatabase);
    }
    try {
        OdDbPolyFaceMeshPtr pMesh = CreateEntity<OdDbPolyFaceMesh>();
        if (!BuildPolyFaceMesh(mesh, pMesh)) {
            // Releasing the unappended entity destroys it; there is no fall-back to 3D faces.
            return false;
        }
        return AppendToModelSpace(pDatabase, OdDbEntityPtr(pMesh));
    } catch (const OdError& error) {
        RecordConversionFailure(error);
        return false;
    }
}

bool BuildPolyFaceMesh(const ON_Mesh& mesh, OdDbPolyFaceMeshPtr pMesh) {
    const int vertexCount = mesh.m_V.Count();
    if (!AllFacesInside(mesh, std::min(vertexCount, kPolyFaceMeshMaxCount))) {
        return false;
    }
    try {
        for (int i = 0; i < vertexCount; ++i) {
            OdDbPolyFaceMeshVertexPtr pVertex = CreateEntity<OdDbPolyFaceMeshVertex>();
            pVertex->setPosition(ToGePoint(mesh.m_V[i]));
            pMesh->appendVertex(pVertex);
        }
        for (int f = 0; f < mesh.m_F.Count(); ++f) {
            const ON_MeshFace& face = mesh.m_F[f];
            OdDbFaceRecordPtr pFaceRecord = CreateEntity<OdDbFaceRecord>();
            pFaceRecord->setVertexAt(0, FaceRecordVertexNumber(face.vi[0]));
            pFaceRecord->setVertexAt(1, FaceRecordVertexNumber(face.vi[1]));
            pFaceRecord->setVertexAt(2, FaceRecordVertexNumber(face.vi[2]));
            pFaceRecord->setVertexAt(3, IsTriangle(face) ? kNoCorner
                                                         : FaceRecordVertexNumber(face.vi[3]));
            pMesh->appendFaceRecord(pFaceRecord);
        }
        return true;
    } catch (const OdError& error) {
        RecordConversionFailure(error);
        return false;
    }
}

bool AddMeshAs3dFaces(const ON_Mesh& mesh, OdDbDatabasePtr pDatabase) {
    const int vertexCount = mesh.m_V.Count();
    bool bAllFaces = true;
    try {
        for (int f = 0; f < mesh.m_F.Count(); ++f) {
            const ON_MeshFace& face = mesh.m_F[f];
            const int corner = FirstCornerOutside(face, vertexCount);
            if (corner >= 0) {
                RecordFaceOutside(f, face.vi[corner], vertexCount);
                bAllFaces = false;
                continue;
            }
            OdDbFacePtr pFace = CreateEntity<OdDbFace>();
            for (int k = 0; k < kFaceCornerCount; ++k) {
                pFace->setVertexAt(static_cast<OdUInt16>(k), ToGePoint(mesh.m_V[face.vi[k]]));
            }
            // A face the append rejects is lost; the rest of the mesh still converts.
            AppendToModelSpace(pDatabase, OdDbEntityPtr(pFace));
        }
        return bAllFaces;
    } catch (const OdError& error) {
        RecordConversionFailure(error);
        return false;
    }
}

// AddLine and AddPoint contain every toolkit failure of their entity, so nothing can escape the
// two loops below: a failed line or point is lost and the loop goes on.

bool AddMeshEdges(const ON_Mesh& mesh, OdDbDatabasePtr pDatabase) {
    const ON_MeshTopology& topology = mesh.Topology();
    for (int e = 0; e < topology.m_tope.Count(); ++e) {
        const ON_MeshTopologyEdge& edge = topology.m_tope[e];
        // A topology vertex is located at its first mesh vertex.
        const ON_Line line(ON_3dPoint(topology.TopVertexPoint(edge.m_topvi[0])),
                           ON_3dPoint(topology.TopVertexPoint(edge.m_topvi[1])));
        AddLine(line, pDatabase);
    }
    return true;
}

bool AddMeshVertices(const ON_Mesh& mesh, OdDbDatabasePtr pDatabase) {
    const ON_MeshTopology& topology = mesh.Topology();
    for (int t = 0; t < topology.TopVertexCount(); ++t) {
        AddPoint(ON_3dPoint(topology.TopVertexPoint(t)), pDatabase);
    }
    return true;
}
