// Kestrin openNURBS-compatible geometry (private).
// Knot vector helpers in the library's convention: order + cv_count - 2 knots, domain
// [knot[order-2], knot[cv_count-1]]. Callers pass valid counts; nothing here allocates.
#pragma once

namespace ON_Knot {

/* Description:
     order + cv_count - 2.
*/
int KnotCount(int order, int cv_count);

/* Description:
     Finds the span that contains t: the index s in order-2 ... cv_count-2 with
     knot[s] <= t < knot[s+1] and knot[s] < knot[s+1].
   Parameters:
     side - [in] < 0 picks the span to the left when t is a knot value.
     hint - [in] a span index to try first, or -1.
   Remarks:
     Parameters outside the domain get the first or last non-empty span (extrapolation).
*/
int SpanIndex(int order, int cv_count, const double* knot, double t, int side, int hint);

/* Description:
     Number of non-empty spans in the domain.
*/
int SpanCount(int order, int cv_count, const double* knot);

/* Description:
     Tells whether the knots are non-decreasing with no value repeated more than
     order - 1 times, and the domain is not empty.
*/
bool IsValidKnotVector(int order, int cv_count, const double* knot);

/* Description:
     Tells whether the knot spacings at the start repeat at the end as a periodic curve needs.
*/
bool IsPeriodicKnotVector(int order, int cv_count, const double* knot);

/* Description:
     Evaluates the B-spline basis functions and their derivatives on one span.
   Parameters:
     order - [in] degree + 1.
     knot - [in] the knots starting at knot[span - order + 2], i.e. the 2*degree knots that
       shape the span, with the span itself between knot[degree-1] and knot[degree].
     t - [in] the parameter.
     der_count - [in] derivatives wanted, 0 ... degree.
     N - [out] (der_count + 1) * order values: N[k*order + j] is the k-th derivative of the
       j-th basis function that is non-zero on the span.
*/
void EvaluateBasis(int order, const double* knot, double t, int der_count, double* N);

} // namespace ON_Knot
