// Kestrin conversion tests: points, lines, circles, arcs, polylines and NURBS curves to drawing
// entities, the closure and arbitrary-axis rules, the spline data handed over, and containment
// of toolkit failures in each add and build operation.
#include "ConvertTestSupport.h"

#include "KestrinConvert/CurveConversion.h"

#include <cmath>
#include <iterator>
#include <limits>
#include <vector>

using convert_test::ConvertTest;
using convert_test::ExpectPointEq;
using convert_test::ExpectPointNear;
using convert_test::ExpectVectorEq;

namespace {

const double kPi = std::acos(-1.0);
// Rounding of arc angles and of centres found by the shape test.
const double kAngleTol = 1e-12;

ON_Polyline Polyline(const std::vector<ON_3dPoint>& points) {
    ON_Polyline polyline;
    for (const ON_3dPoint& point : points) {
        polyline.Append(point);
    }
    return polyline;
}

// A 3D NURBS curve from its openNURBS knots (order + CVCount - 2 of them) and Euclidean control
// points; rational when weights are given.
ON_NurbsCurve Nurbs(int degree, const std::vector<ON_3dPoint>& points,
                    const std::vector<double>& knots, const std::vector<double>& weights = {}) {
    const bool bRational = !weights.empty();
    ON_NurbsCurve curve(3, bRational, degree + 1, static_cast<int>(points.size()));
    for (size_t i = 0; i < points.size(); ++i) {
        const int index = static_cast<int>(i);
        if (bRational) {
            const double w = weights[i];
            curve.SetCV(index, ON_4dPoint(points[i].x * w, points[i].y * w, points[i].z * w, w));
        } else {
            curve.SetCV(index, points[i]);
        }
    }
    for (size_t i = 0; i < knots.size(); ++i) {
        curve.SetKnot(static_cast<int>(i), knots[i]);
    }
    return curve;
}

// An arc in a plane with the given axes, starting on the x axis of that plane.
ON_Arc ArcWithAxes(const ON_3dVector& xAxis, const ON_3dVector& yAxis, double sweep) {
    return ON_Arc(ON_Plane(ON_3dPoint(0, 0, 0), xAxis, yAxis), 2.0, sweep);
}

} // namespace

TEST_F(ConvertTest, AddPointPlacesPointExactly) {
    EXPECT_TRUE(AddPoint(ON_3dPoint(0.1, -2.5e7, 3.0), m_pDb));
    ExpectPointEq(OnlyEntity<OdDbPoint>()->position(), OdGePoint3d(0.1, -2.5e7, 3.0));
}

TEST_F(ConvertTest, AddPointWhosePositionFailsAppendsNothing) {
    OdToolkitTestHooks::failSetterOnCall(OdToolkitSetter::PointSetPosition, 1);
    EXPECT_FALSE(AddPoint(ON_3dPoint(1, 2, 3), m_pDb));
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_FALSE(AddPoint(ON_3dPoint(nan, 0, 0), m_pDb));
    EXPECT_TRUE(Entities().empty());
    EXPECT_NE(FailureText(), "");
}

TEST_F(ConvertTest, AddLineSetsBothEnds) {
    EXPECT_TRUE(AddLine(ON_Line(ON_3dPoint(1, 2, 3), ON_3dPoint(4, 5, 6)), m_pDb));
    OdDbLinePtr pLine = OnlyEntity<OdDbLine>();
    ExpectPointEq(pLine->startPoint(), OdGePoint3d(1, 2, 3));
    ExpectPointEq(pLine->endPoint(), OdGePoint3d(4, 5, 6));
}

TEST_F(ConvertTest, LineWhoseEndPointFailsIsAppendedWithStartPointOnly) {
    OdToolkitTestHooks::failSetterOnCall(OdToolkitSetter::LineSetEndPoint, 1);
    EXPECT_TRUE(AddLine(ON_Line(ON_3dPoint(1, 2, 3), ON_3dPoint(4, 5, 6)), m_pDb));
    OdDbLinePtr pLine = OnlyEntity<OdDbLine>();
    ExpectPointEq(pLine->startPoint(), OdGePoint3d(1, 2, 3));
    ExpectPointEq(pLine->endPoint(), OdGePoint3d(0, 0, 0));
    EXPECT_NE(FailureText(), "");
}

TEST_F(ConvertTest, AddOperationWithoutClassOrAppendAppendsNothing) {
    const ON_Line line(ON_3dPoint(0, 0, 0), ON_3dPoint(1, 0, 0));
    OdToolkitTestHooks::setClassMissing(OdDbLine::rxClassObject(), true);
    EXPECT_FALSE(AddLine(line, m_pDb));
    OdToolkitTestHooks::setClassMissing(OdDbLine::rxClassObject(), false);

    OdToolkitTestHooks::failAppendOnCall(1);
    EXPECT_FALSE(AddLine(line, m_pDb));
    EXPECT_TRUE(Entities().empty());
    ExpectModelSpaceClosed();
    // Not appended, so destroyed: the next line gets the drawing's next handle in order.
    EXPECT_TRUE(AddLine(line, m_pDb));
    EXPECT_EQ(Entities().size(), 1u);
}

TEST_F(ConvertTest, CircleKeepsItsNormalAsGiven) {
    ON_Circle circle(ON_Plane(ON_3dPoint(1, 2, 3), ON_3dVector(0, 0, 1)), 4.5);
    circle.plane.zaxis = ON_3dVector(0, 0, 2);
    EXPECT_TRUE(AddCircle(circle, m_pDb));
    OdDbCirclePtr pCircle = OnlyEntity<OdDbCircle>();
    ExpectPointEq(pCircle->center(), OdGePoint3d(1, 2, 3));
    EXPECT_EQ(pCircle->radius(), 4.5);
    ExpectVectorEq(pCircle->normal(), OdGeVector3d(0, 0, 2));
}

TEST_F(ConvertTest, CircleWhoseRadiusFailsKeepsItsCentreOnly) {
    OdToolkitTestHooks::failSetterOnCall(OdToolkitSetter::CircleSetRadius, 1);
    EXPECT_TRUE(
        AddCircle(ON_Circle(ON_Plane(ON_3dPoint(1, 2, 3), ON_3dVector(1, 0, 0)), 4), m_pDb));
    OdDbCirclePtr pCircle = OnlyEntity<OdDbCircle>();
    ExpectPointEq(pCircle->center(), OdGePoint3d(1, 2, 3));
    EXPECT_EQ(pCircle->radius(), 0.0);
    ExpectVectorEq(pCircle->normal(), OdGeVector3d(0, 0, 1));
}

TEST_F(ConvertTest, ArcAnglesAreMeasuredFromTheArbitraryAxis) {
    // Normal (0,0,1): reference axis (1,0,0); the arc starts on it.
    EXPECT_TRUE(AddArc(ArcWithAxes(ON_3dVector(1, 0, 0), ON_3dVector(0, 1, 0), kPi / 2), m_pDb));
    // Normal (0,0,-1): reference axis (-1,0,0), so a start on +x is half a turn round.
    EXPECT_TRUE(AddArc(ArcWithAxes(ON_3dVector(1, 0, 0), ON_3dVector(0, -1, 0), kPi / 2), m_pDb));
    // Normal (1,0,0): reference axis (0,1,0), so a start on +z is a quarter turn round.
    EXPECT_TRUE(AddArc(ArcWithAxes(ON_3dVector(0, 0, 1), ON_3dVector(0, -1, 0), kPi / 2), m_pDb));

    const std::vector<OdDbEntityPtr> entities = Entities();
    ASSERT_EQ(entities.size(), 3u);
    const double expectedStart[] = {0.0, kPi, kPi / 2};
    const OdGeVector3d expectedNormal[] = {OdGeVector3d(0, 0, 1), OdGeVector3d(0, 0, -1),
                                           OdGeVector3d(1, 0, 0)};
    for (int i = 0; i < 3; ++i) {
        OdDbArcPtr pArc = entities[i];
        EXPECT_NEAR(pArc->startAngle(), expectedStart[i], kAngleTol) << "arc " << i;
        EXPECT_NEAR(pArc->endAngle(), expectedStart[i] + kPi / 2, kAngleTol) << "arc " << i;
        ExpectVectorEq(pArc->normal(), expectedNormal[i]);
        EXPECT_EQ(pArc->radius(), 2.0);
    }
}

TEST_F(ConvertTest, ArbitraryAxisThresholdIsStrict) {
    // |N.x| exactly 1/64 takes the world-z branch: reference axis (0,1,0) exactly, on which the
    // arc starts, so its start angle is 0 (the world-y branch would give a quarter turn).
    const double nx = 1.0 / 64.0;
    const ON_3dVector normal(nx, 0, std::sqrt(1 - nx * nx));
    const ON_3dVector xAxis(0, 1, 0);
    EXPECT_TRUE(AddArc(ArcWithAxes(xAxis, ON_CrossProduct(normal, xAxis), 1.0), m_pDb));
    OdDbArcPtr pArc = OnlyEntity<OdDbArc>();
    ASSERT_EQ(pArc->normal().x, nx) << "the case needs the threshold exactly";
    EXPECT_NEAR(pArc->startAngle(), 0.0, kAngleTol);
}

TEST_F(ConvertTest, ArcNormalIsNormalizedAndEndAngleNotReduced) {
    // Start at 3pi/2 about (0,0,1) with a sweep of 3pi/2 ends at 3pi, not at pi.
    const ON_Plane plane(ON_3dPoint(5, 5, 0), ON_3dVector(1, 0, 0), ON_3dVector(0, 1, 0));
    ON_Arc arc(ON_Circle(plane, 1.0), ON_Interval(1.5 * kPi, 3 * kPi));
    arc.plane.zaxis = ON_3dVector(0, 0, 4);
    EXPECT_TRUE(AddArc(arc, m_pDb));
    OdDbArcPtr pArc = OnlyEntity<OdDbArc>();
    EXPECT_NEAR(pArc->startAngle(), 1.5 * kPi, kAngleTol);
    EXPECT_NEAR(pArc->endAngle(), 3 * kPi, kAngleTol);
    ExpectVectorEq(pArc->normal(), OdGeVector3d(0, 0, 1));
    ExpectPointEq(pArc->center(), OdGePoint3d(5, 5, 0));
}

TEST_F(ConvertTest, ArcWhoseRadiusFailsKeepsCentreAndNormalOnly) {
    OdToolkitTestHooks::failSetterOnCall(OdToolkitSetter::ArcSetRadius, 1);
    EXPECT_TRUE(AddArc(ArcWithAxes(ON_3dVector(0, 1, 0), ON_3dVector(0, 0, 1), 1.0), m_pDb));
    OdDbArcPtr pArc = OnlyEntity<OdDbArc>();
    ExpectVectorEq(pArc->normal(), OdGeVector3d(1, 0, 0));
    EXPECT_EQ(pArc->radius(), 0.0);
    EXPECT_EQ(pArc->startAngle(), 0.0);
    EXPECT_EQ(pArc->endAngle(), 0.0);
}

TEST_F(ConvertTest, PolylineClosesOnlyWhenFirstPointIsRepeatedExactly) {
    const ON_3dPoint o(0, 0, 0);
    const ON_3dPoint tiny(std::numeric_limits<double>::denorm_min(), 0, 0);
    struct Case {
        std::vector<ON_3dPoint> points;
        unsigned int vertices;
        bool bClosed;
    };
    const Case cases[] = {
        {{o, ON_3dPoint(1, 0, 0), ON_3dPoint(1, 1, 0), o}, 3, true},
        {{o, ON_3dPoint(1, 0, 0), o}, 3, false},                         // too few points
        {{o, ON_3dPoint(1, 0, 0), ON_3dPoint(1, 1, 0), tiny}, 4, false}, // ends differ
        {{o, o, o, o}, 4, false},                                        // nothing between
        {{}, 0, false},                                                  // still appended
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(AddPolyline(Polyline(c.points), m_pDb));
    }
    const std::vector<OdDbEntityPtr> entities = Entities();
    ASSERT_EQ(entities.size(), std::size(cases));
    for (size_t i = 0; i < entities.size(); ++i) {
        OdDb3dPolylinePtr pPolyline = entities[i];
        EXPECT_EQ(pPolyline->numVertices(), cases[i].vertices) << "case " << i;
        EXPECT_EQ(pPolyline->isClosed(), cases[i].bClosed) << "case " << i;
    }
    OdDb3dPolylinePtr pSquare = entities[0];
    ExpectPointEq(pSquare->vertexAt(2)->position(), OdGePoint3d(1, 1, 0));
}

TEST_F(ConvertTest, PolylineWhoseFourthVertexFailsKeepsThreeAndStaysOpen) {
    const ON_Polyline square =
        Polyline({ON_3dPoint(0, 0, 0), ON_3dPoint(1, 0, 0), ON_3dPoint(1, 1, 0),
                  ON_3dPoint(0, 1, 0), ON_3dPoint(0, 0, 0)});
    OdToolkitTestHooks::failSetterOnCall(OdToolkitSetter::PolylineVertexSetPosition, 4);
    EXPECT_TRUE(AddPolyline(square, m_pDb));
    OdDb3dPolylinePtr pPolyline = OnlyEntity<OdDb3dPolyline>();
    EXPECT_EQ(pPolyline->numVertices(), 3u);
    EXPECT_FALSE(pPolyline->isClosed());
}

TEST_F(ConvertTest, PolylineWithoutVertexClassIsAppendedEmpty) {
    OdToolkitTestHooks::setClassMissing(OdDb3dPolylineVertex::rxClassObject(), true);
    EXPECT_TRUE(AddPolyline(Polyline({ON_3dPoint(0, 0, 0), ON_3dPoint(1, 0, 0)}), m_pDb));
    EXPECT_EQ(OnlyEntity<OdDb3dPolyline>()->numVertices(), 0u);
    EXPECT_EQ(FailureText(), odStringToUtf8(OdError(eNotInitializedYet).description()));
}

TEST_F(ConvertTest, CubicBezierBecomesSplineWithFullKnotVector) {
    const ON_NurbsCurve bezier = Nurbs(
        3, {ON_3dPoint(0, 0, 0), ON_3dPoint(1, 2, 0), ON_3dPoint(3, 2, 0), ON_3dPoint(4, 0, 1)},
        {0, 0, 0, 1, 1, 1});
    EXPECT_TRUE(AddCurve(bezier, m_pDb));
    OdDbSplinePtr pSpline = OnlyEntity<OdDbSpline>();
    EXPECT_EQ(pSpline->degree(), 3);
    EXPECT_FALSE(pSpline->isRational());
    EXPECT_FALSE(pSpline->isClosed());
    EXPECT_FALSE(pSpline->isPeriodic());
    const std::vector<double> knots(pSpline->knots().begin(), pSpline->knots().end());
    EXPECT_EQ(knots, (std::vector<double>{0, 0, 0, 0, 1, 1, 1, 1}));
    const std::vector<double> weights(pSpline->weights().begin(), pSpline->weights().end());
    EXPECT_EQ(weights, (std::vector<double>{1, 1, 1, 1}));
    ASSERT_EQ(pSpline->numControlPoints(), 4);
    ExpectPointEq(pSpline->controlPoints()[3], OdGePoint3d(4, 0, 1));
    EXPECT_EQ(pSpline->controlPointTolerance(), 0.0);
    EXPECT_EQ(pSpline->knotTolerance(), 0.0);
}

TEST_F(ConvertTest, RationalSplineGetsEuclideanControlPointsAndWeights) {
    const ON_NurbsCurve curve = Nurbs(
        3, {ON_3dPoint(0, 0, 0), ON_3dPoint(1, 2, 0), ON_3dPoint(3, 2, 0), ON_3dPoint(4, 0, 1)},
        {0, 0, 0, 1, 1, 1}, {1, 2, 4, 1});
    EXPECT_TRUE(AddCurve(curve, m_pDb));
    OdDbSplinePtr pSpline = OnlyEntity<OdDbSpline>();
    EXPECT_TRUE(pSpline->isRational());
    const std::vector<double> weights(pSpline->weights().begin(), pSpline->weights().end());
    EXPECT_EQ(weights, (std::vector<double>{1, 2, 4, 1}));
    ExpectPointEq(pSpline->controlPoints()[1], OdGePoint3d(1, 2, 0));
    ExpectPointEq(pSpline->controlPoints()[2], OdGePoint3d(3, 2, 0));
}

TEST_F(ConvertTest, PeriodicCurveBecomesPeriodicSpline) {
    // Cubic with its last three control points repeating the first three, uniform knots.
    const ON_3dPoint p0(0, 0, 0), p1(2, 0, 0), p2(2, 2, 0), p3(0, 2, 0);
    const ON_NurbsCurve curve = Nurbs(3, {p0, p1, p2, p3, p0, p1, p2}, {0, 1, 2, 3, 4, 5, 6, 7, 8});
    ASSERT_TRUE(curve.IsPeriodic());
    EXPECT_TRUE(AddCurve(curve, m_pDb));
    OdDbSplinePtr pSpline = OnlyEntity<OdDbSpline>();
    EXPECT_TRUE(pSpline->isPeriodic());
    EXPECT_TRUE(pSpline->isClosed());
    EXPECT_EQ(pSpline->numControlPoints(), 7);
    const std::vector<double> knots(pSpline->knots().begin(), pSpline->knots().end());
    EXPECT_EQ(knots, (std::vector<double>{0, 0, 1, 2, 3, 4, 5, 6, 7, 8, 8}));
}

TEST_F(ConvertTest, LinearCurveBecomesLineBetweenItsDomainEnds) {
    // Four collinear control points, degree 3, an unusual domain [2, 5].
    const ON_NurbsCurve curve = Nurbs(
        3, {ON_3dPoint(1, 1, 1), ON_3dPoint(2, 2, 2), ON_3dPoint(3, 3, 3), ON_3dPoint(7, 7, 7)},
        {2, 2, 2, 5, 5, 5});
    EXPECT_TRUE(AddCurve(curve, m_pDb));
    OdDbLinePtr pLine = OnlyEntity<OdDbLine>();
    ExpectPointEq(pLine->startPoint(), OdGePoint3d(1, 1, 1));
    ExpectPointEq(pLine->endPoint(), OdGePoint3d(7, 7, 7));
}

TEST_F(ConvertTest, ArcShapedCurvesBecomeArcsAndCircles) {
    const double w = std::sqrt(0.5);
    // Rational quadratic quarter circle of radius 3 about the origin, counterclockwise from +x.
    const ON_NurbsCurve quarter =
        Nurbs(2, {ON_3dPoint(3, 0, 0), ON_3dPoint(3, 3, 0), ON_3dPoint(0, 3, 0)}, {0, 0, 1, 1},
              {1, w, 1});
    // The standard nine-point rational circle of radius 1 about (1, 2, 0).
    std::vector<ON_3dPoint> ring;
    const double corner[9][2] = {{1, 0},   {1, 1},  {0, 1},  {-1, 1}, {-1, 0},
                                 {-1, -1}, {0, -1}, {1, -1}, {1, 0}};
    for (const auto& c : corner) {
        ring.emplace_back(1 + c[0], 2 + c[1], 0);
    }
    const ON_NurbsCurve circle =
        Nurbs(2, ring, {0, 0, 1, 1, 2, 2, 3, 3, 4, 4}, {1, w, 1, w, 1, w, 1, w, 1});
    EXPECT_TRUE(AddCurve(quarter, m_pDb));
    EXPECT_TRUE(AddCurve(circle, m_pDb));

    const std::vector<OdDbEntityPtr> entities = Entities();
    ASSERT_EQ(entities.size(), 2u);
    OdDbArcPtr pArc = entities[0];
    ExpectPointNear(pArc->center(), OdGePoint3d(0, 0, 0), kAngleTol);
    EXPECT_NEAR(pArc->radius(), 3.0, kAngleTol);
    // The start lies on the reference axis; by rounding, angleTo may put it at 2pi instead of 0.
    EXPECT_NEAR(std::remainder(pArc->startAngle(), 2 * kPi), 0.0, kAngleTol);
    EXPECT_NEAR(pArc->endAngle() - pArc->startAngle(), kPi / 2, kAngleTol);
    OdDbCirclePtr pCircle = entities[1];
    ExpectPointNear(pCircle->center(), OdGePoint3d(1, 2, 0), kAngleTol);
    EXPECT_NEAR(pCircle->radius(), 1.0, kAngleTol);
}

TEST_F(ConvertTest, ControlPointOfWeightZeroLeavesSplineEmpty) {
    const ON_NurbsCurve curve = Nurbs(
        3, {ON_3dPoint(0, 0, 0), ON_3dPoint(1, 2, 0), ON_3dPoint(3, 2, 0), ON_3dPoint(4, 0, 1)},
        {0, 0, 0, 1, 1, 1}, {1, 0, 1, 1});
    EXPECT_TRUE(AddCurve(curve, m_pDb));
    EXPECT_EQ(OnlyEntity<OdDbSpline>()->numControlPoints(), 0);
    EXPECT_EQ(FailureText(), "Control point 1 of the curve has weight 0 and no position");
}

TEST_F(ConvertTest, SplineWhoseDataFailsIsAppendedWithoutData) {
    OdToolkitTestHooks::failSetterOnCall(OdToolkitSetter::SplineSetNurbsData, 1);
    const ON_NurbsCurve bezier = Nurbs(
        3, {ON_3dPoint(0, 0, 0), ON_3dPoint(1, 2, 0), ON_3dPoint(3, 2, 0), ON_3dPoint(4, 0, 1)},
        {0, 0, 0, 1, 1, 1});
    EXPECT_TRUE(AddCurve(bezier, m_pDb));
    EXPECT_EQ(OnlyEntity<OdDbSpline>()->numControlPoints(), 0);
    EXPECT_NE(FailureText(), "");
}
