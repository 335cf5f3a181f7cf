// Kestrin toolkit tests: a drawing with every entity kind the toolkit has, built together with
// the JSON description of what it holds, for the independent reader to compare against.
#pragma once

#include "Db3dPolyline.h"
#include "DbArc.h"
#include "DbCircle.h"
#include "DbFace.h"
#include "DbLine.h"
#include "DbPoint.h"
#include "DbPolyFaceMesh.h"
#include "DbSpline.h"
#include "ToolkitTestSupport.h"

#include <fmt/format.h>
#include <string>
#include <vector>

namespace toolkit_test {

/* Appends entities to a database and records each one as a JSON object. */
class DxfTestDrawing {
public:
    DxfTestDrawing() : m_pDb(NewDatabase()) {}

    OdDbDatabase* database() const { return m_pDb.get(); }

    /* Returns {"entities": [...]} with one object per appended entity, in order. */
    std::string json() const { return "{\"entities\": [\n" + join(m_entities, ",\n") + "\n]}\n"; }

    void addPoint(const OdGePoint3d& p) {
        OdDbPointPtr pPoint = OdDbPoint::createObject();
        pPoint->setPosition(p);
        append(pPoint, fmt::format(R"("type": "POINT", "position": {})", Json(p)));
    }

    void addLine(const OdGePoint3d& a, const OdGePoint3d& b) {
        OdDbLinePtr pLine = OdDbLine::createObject();
        pLine->setStartPoint(a);
        pLine->setEndPoint(b);
        append(pLine, fmt::format(R"("type": "LINE", "start": {}, "end": {})", Json(a), Json(b)));
    }

    void addCircle(const OdGePoint3d& center, double radius, const OdGeVector3d& normal) {
        OdDbCirclePtr pCircle = OdDbCircle::createObject();
        pCircle->setCenter(center);
        pCircle->setRadius(radius);
        pCircle->setNormal(normal);
        append(pCircle, fmt::format(R"("type": "CIRCLE", "center": {}, "radius": {}, "normal": {})",
                                    Json(center), radius, Json(normal)));
    }

    /* startPoint: the world start point worked out by hand, or empty to leave it out. */
    void addArc(const OdGePoint3d& center, double radius, const OdGeVector3d& normal,
                double startAngle, double endAngle, const std::string& startPoint = "") {
        OdDbArcPtr pArc = OdDbArc::createObject();
        pArc->setCenter(center);
        pArc->setNormal(normal);
        pArc->setRadius(radius);
        pArc->setStartAngle(startAngle);
        pArc->setEndAngle(endAngle);
        std::string text =
            fmt::format(R"("type": "ARC", "center": {}, "radius": {}, "normal": {}, )"
                        R"("start_angle": {}, "end_angle": {})",
                        Json(center), radius, Json(normal), startAngle, endAngle);
        if (!startPoint.empty()) {
            text += R"(, "start_point": )" + startPoint;
        }
        append(pArc, text);
    }

    void addPolyline(const std::vector<OdGePoint3d>& points, bool bClosed) {
        OdDb3dPolylinePtr pPolyline = OdDb3dPolyline::createObject();
        std::vector<std::string> vertices;
        for (const OdGePoint3d& p : points) {
            OdDb3dPolylineVertexPtr pVertex = OdDb3dPolylineVertex::createObject();
            pVertex->setPosition(p);
            pPolyline->appendVertex(pVertex);
            vertices.push_back(Json(p));
        }
        if (bClosed) {
            pPolyline->makeClosed();
        }
        append(pPolyline, fmt::format(R"("type": "POLYLINE3D", "closed": {}, "vertices": [{}])",
                                      bClosed, join(vertices, ", ")));
    }

    /* faces: 1-based indices, 0 in the fourth place for a triangle, negative hides an edge. */
    void addPolyface(const std::vector<OdGePoint3d>& points,
                     const std::vector<std::vector<OdInt16>>& faces) {
        OdDbPolyFaceMeshPtr pMesh = OdDbPolyFaceMesh::createObject();
        std::vector<std::string> vertices;
        for (const OdGePoint3d& p : points) {
            OdDbPolyFaceMeshVertexPtr pVertex = OdDbPolyFaceMeshVertex::createObject();
            pVertex->setPosition(p);
            pMesh->appendVertex(pVertex);
            vertices.push_back(Json(p));
        }
        std::vector<std::string> records;
        for (const std::vector<OdInt16>& face : faces) {
            OdDbFaceRecordPtr pRecord = OdDbFaceRecord::createObject();
            for (OdUInt16 corner = 0; corner < 4; ++corner) {
                pRecord->setVertexAt(corner, face[corner]);
            }
            pMesh->appendFaceRecord(pRecord);
            records.push_back(fmt::format("[{}]", fmt::join(face, ", ")));
        }
        append(pMesh, fmt::format(R"("type": "POLYFACE", "vertices": [{}], "faces": [{}])",
                                  join(vertices, ", "), join(records, ", ")));
    }

    void addFace(const OdGePoint3d& a, const OdGePoint3d& b, const OdGePoint3d& c,
                 const OdGePoint3d& d) {
        OdDbFacePtr pFace = OdDbFace::createObject();
        const OdGePoint3d corners[] = {a, b, c, d};
        for (OdUInt16 i = 0; i < 4; ++i) {
            pFace->setVertexAt(i, corners[i]);
        }
        append(pFace, fmt::format(R"("type": "3DFACE", "corners": [{}, {}, {}, {}])", Json(a),
                                  Json(b), Json(c), Json(d)));
    }

    /* samples: (t, x, y, z) points of the source curve; size: the curve's extent. */
    void addSpline(int degree, bool bRational, bool bClosed, bool bPeriodic,
                   const OdGePoint3dArray& points, const OdGeDoubleArray& knots,
                   const OdGeDoubleArray& weights, double size,
                   const std::vector<std::vector<double>>& samples) {
        OdDbSplinePtr pSpline = OdDbSpline::createObject();
        pSpline->setNurbsData(degree, bRational, bClosed, bPeriodic, points, knots, weights, 0.0,
                              0.0);
        std::vector<std::string> cvs;
        for (const OdGePoint3d& p : points) {
            cvs.push_back(Json(p));
        }
        std::vector<std::string> sampleTexts;
        for (const std::vector<double>& sample : samples) {
            sampleTexts.push_back(fmt::format("[{}]", fmt::join(sample, ", ")));
        }
        append(pSpline,
               fmt::format(R"("type": "SPLINE", "degree": {}, "rational": {}, "closed": {}, )"
                           R"("periodic": {}, "control_points": [{}], "knots": [{}], )"
                           R"("weights": [{}], "size": {}, "samples": [{}])",
                           degree, bRational, bClosed, bPeriodic, join(cvs, ", "),
                           fmt::join(knots, ", "), fmt::join(weights, ", "), size,
                           join(sampleTexts, ", ")));
    }

    static std::string Json(const OdGePoint3d& p) {
        return fmt::format("[{}, {}, {}]", p.x, p.y, p.z);
    }
    static std::string Json(const OdGeVector3d& v) {
        return fmt::format("[{}, {}, {}]", v.x, v.y, v.z);
    }

private:
    static std::string join(const std::vector<std::string>& parts, const char* separator) {
        return fmt::format("{}", fmt::join(parts, separator));
    }

    void append(OdDbEntity* pEntity, const std::string& fields) {
        AppendToModelSpace(m_pDb, pEntity);
        m_entities.push_back("{" + fields + "}");
    }

    OdDbDatabasePtr m_pDb;
    std::vector<std::string> m_entities;
};

} // namespace toolkit_test
