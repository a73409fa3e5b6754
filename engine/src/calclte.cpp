/*
 * CALCLTE: response of one doweled transverse joint of a slab on a dense-liquid
 * foundation, loaded by one wheel at the joint edge.
 *
 * Method, in the order of the steps below:
 *  1. radius of the loaded area a and radius of relative stiffness l;
 *  2-3. one dowel as a beam with shear deformation spanning the opening z and
 *     bedded in concrete (modulus K) on both sides: face deflection f0, face
 *     rotation term fr and span term fz per unit force, hence the dowel joint
 *     stiffness D = 1 / (2 f0 + 2 fr + fz) / s;
 *  4. aggregate-interlock stiffness AGG from empirical fits in the face height;
 *  5. the joint stiffness the flags select and its dimensionless form J;
 *  6. free-edge deflection and stress (no load transfer);
 *  7. with nothing across the joint, stop there;
 *  8-10. unloaded-side deflection and stress from regression fits in J, the
 *     loaded side by difference, and the load transfer ratios;
 *  11. the force F in the critical dowel whose differential deflection across
 *     the joint equals the deflection difference, by a step-halving search;
 *  12. bearing stresses from the face deflection y0 = F f0.
 *
 * Precision: inputs and results are single. Quantities the method fixes as single
 * are formed in double and rounded once with single(); all else is double. The
 * constants are single-precision values, written as float literals and widened.
 * Operands combine left to right as the formulas read: do not reassociate, and
 * never build this file with fast-math (step 11 and the cancellations in steps
 * 8-10 depend on it).
 *
 * Two departures from the method as first written, both so that a call can
 * neither hang nor depend on earlier calls:
 *  - when the unloaded side deflects more than the loaded one (delta < 0) the
 *    dowel carries the force the other way: the search runs on |delta|, and it
 *    gives up after kMaxSearchIterations whatever the input (NaN, infinities);
 *  - when |delta| is within the tolerance the search is not needed: F comes
 *    straight from |delta| / (2 f0 + 2 fr + fz) instead of a value left over
 *    from an earlier call. The engine keeps no state at all.
 */
#include <cmath>

#include "quorvix/dowel_joint.h"

namespace {

double single(double x) {
    return static_cast<float>(x);
}

constexpr double kPi = 3.1415927f;
constexpr double kPiOver64 = 0.049087387f;
constexpr double kPiOver4 = 0.7853982f;
constexpr double kShearFormFactor = 1.1111112f;  // 10/9 for a solid section

// The search for the force in the critical dowel (step 11). It starts at
// 10000 lb, the order of the wheel loads the inputs allow (1000 to 50000 lb),
// and moves F by a share of itself: 20 % at first, halved each time the
// residual changes sign, so any force in the range is reached in a few dozen
// moves. The residual is a deflection difference in inches; within 1e-6 in
// (1/5000 of the smallest joint opening the inputs allow, 0.005 in) the force
// is taken as found. The cap only ends a search that never meets the tolerance;
// typical designs need 16 to 24 moves.
constexpr double kSearchStart = 10000;       // lb
constexpr double kSearchStep = 0.2f;         // share of F per move, before halving
constexpr double kSearchTolerance = 1e-06f;  // in
constexpr int kMaxSearchIterations = 10000;

bool isTrue(int16_t flag) {
    return (flag & 1) != 0;
}

// The input fields under the method's symbols, widened to double once.
struct Symbols {
    double P, p, h, E, mu, k, hd, N;  // load, slab and foundation
    double d, b, t, nu, Es, s, K, z;  // dowel and joint
    bool round;
};

Symbols symbolsOf(const DowelJointInput& in) {
    Symbols x;
    x.P = in.wheelLoad;
    x.p = in.tirePressure;
    x.h = in.slabThickness;
    x.E = in.concreteModulus;
    x.mu = in.concretePoisson;
    x.k = in.subgradeModulus;
    x.hd = in.interlockDepthDeduction;
    x.N = in.interlockDecayCount;
    x.d = in.dowelDiameter;
    x.b = in.dowelWidth;
    x.t = in.dowelHeight;
    x.nu = in.dowelPoisson;
    x.Es = in.dowelModulus;
    x.s = in.dowelSpacing;
    x.K = in.dowelSupportModulus;
    x.z = in.jointOpening;
    x.round = in.dowelShape == QUORVIX_ROUND_DOWEL;
    return x;
}

// Step 1: slab and load geometry.
struct Slab {
    double a, h2, q, l, alpha;
};

Slab slabAndLoad(const Symbols& x) {
    Slab g;
    g.a = single(std::sqrt(x.P / kPi / x.p));
    g.h2 = single(x.h * x.h);
    g.q = single(1 - x.mu * x.mu);
    g.l = single(std::pow(x.h * g.h2 * x.E / 12 / g.q / x.k, 0.25));
    g.alpha = single(g.a / g.l);
    return g;
}

// Steps 2 and 3: the dowel bar, its flexibilities and the dowel joint stiffness.
struct Dowel {
    double I, w, f0, fr, fz, D;
};

Dowel dowelAcrossJoint(const Symbols& x) {
    Dowel dw;
    double A;
    if (x.round) {
        dw.I = single(x.d * x.d * x.d * x.d * kPiOver64);
        A = x.d * x.d * kPiOver4;
        dw.w = x.d;
    } else {
        dw.I = single(x.t * x.t * x.t * kPiOver64 * x.b);
        A = x.b * kPiOver4 * x.t;
        dw.w = x.b;
    }
    const double As = A / kShearFormFactor;
    const double G = x.Es * 0.5 / (x.nu + 1);
    const double z2 = single(x.z * x.z);
    const double phi = single(12 * x.Es * dw.I / G / As / z2);

    const double beta = std::pow(x.K * dw.w * 0.25 / x.Es / dw.I, 0.25);
    dw.f0 = single((beta * x.z + 2) * 0.25 / (beta * beta * beta) / x.Es / dw.I);
    dw.fr = single(x.z * 0.5 * (beta * x.z + 1) * 0.5 / (beta * beta) / x.Es / dw.I);
    dw.fz = single(x.z * z2 * (phi + 1) / 12 / x.Es / dw.I);
    dw.D = single(1 / (2 * dw.f0 + 2 * dw.fr + dw.fz) / x.s);
    return dw;
}

// Step 4: aggregate-interlock stiffness, an empirical fit.
//
// What it fits: the stiffness with which the rough faces of a cracked joint pass
// shear across it, as the dimensionless A = AGG / (k l), in terms of the height of
// the interlocking faces hf = h - hd and the joint opening z:
//   A0   = c1(hf) exp(-38 z)           the term that load repetitions wear away
//   Ainf = c2(hf) exp(1 / (7 z))       the term left after many repetitions
//   AN   = A0 exp(-N / 70000) + Ainf   after N repetitions
//   AGG  = min(AN, A0) k l             never more than A0
// with c1 and c2 in two pieces of hf (inches):
//   hf < 7:  c1 = 0.1267 hf^3.5309    c2 = 1.935e-08 hf^6.9814    (power fits)
//   hf >= 7: c1 = 61.59 hf - 309      c2 = 0.01533 hf - 0.092     (linear fits)
// The pieces nearly meet at hf = 7 (c1 122.105 and 122.13, c2 0.015369 and 0.01531).
// Constants: 7 in, where the pieces change; 0.1267, 3.5309 and 1.935e-08, 6.9814,
// coefficients and exponents of the power fits; 61.59, 309 and 0.01533, 0.092, slopes
// and intercepts of the linear fits; 38 and 7, how fast the two terms change with z
// (per inch); 70000, the repetitions that reduce A0's share by a factor e.
// Range: the hf and z the fits were made over are not recorded. The window writes
// hd = 0, so there hf = h, 5 to 30 in, and z runs from 0.005 to 3 in.
// Below hf = 0 the power fits are not a number; AGG is then 0. A NaN face height
// takes the linear fits (the comparison hf < 7 is false).
double aggregateInterlock(const Symbols& x, const Slab& g) {
    const double hf = single(x.h - x.hd);
    if (!(hf > 0)) return 0;  // the power fits are meaningless (NaN) below zero
    double c1, c2;
    if (hf < 7) {
        c1 = single(0.1267f * std::pow(hf, 3.5309f));
        c2 = single(1.935e-08f * std::pow(hf, 6.9814f));
    } else {
        c1 = single(61.59f * hf - 309);
        c2 = single(0.01533f * hf - 0.092f);
    }
    const double A0 = single(std::exp(-38 * x.z) * c1);
    const double Ainf = single(std::exp(1 / (7 * x.z)) * c2);
    const double AN = std::exp(-x.N / 70000) * A0 + Ainf;
    return (AN <= A0 ? AN : A0) * x.k * g.l;
}

// Step 5: the joint stiffness the flags select, and J = stiffness / k / l.
struct Joint {
    double stiffness, J;
};

Joint selectedJoint(bool dowels, bool aggregate, double D, double AGG, const Symbols& x,
                    const Slab& g) {
    if (dowels && aggregate) return {AGG + D, single(D / x.k / g.l + AGG / x.k / g.l)};
    if (dowels) return {D, single(D / x.k / g.l)};
    if (aggregate) return {AGG, single(AGG / x.k / g.l)};
    return {0, 0};
}

// Step 6: free-edge deflection and stress.
struct FreeEdge {
    double alpha2, l2, dFree, sFree;
};

// Deflection, closed form in alpha = a / l for the load P spread over a circle of
// radius a at the edge:
//   dFree = Cd (1 - u alpha + u^2 alpha^2 / 4) P / (k l^2),
//   Cd = sqrt(2 + 1.2 mu) / sqrt(12 (1 - mu^2)),   u = 0.76 + 0.4 mu.
// Cd P / (k l^2) equals sqrt(2 + 1.2 mu) P / sqrt(E h^3 k), the classical
// (Westergaard) edge deflection under a point load; the bracket, (1 - u alpha / 2)^2,
// lowers it for the load's spread.
//
// Stress, a fitted relation in alpha: the logarithmic edge-stress solution (T1) with a
// fitted term in alpha,
//   sFree = Cs (T1 + (2.98398 alpha^2 + 1.30259) T2) P / h^2,
//   Cs = 12 (1 + mu) / (pi (3 + mu)),
//   T1 = 0.1159 - ln(alpha) + (1 - mu) / 8,     formed as (1 - mu) * 0.25 * 0.5,
//   T2 = (3 - mu) / 4 - 0.9544 + 0.3822 alpha.
// Constants: 0.1159, the constant of the logarithmic part; 2.98398 and 1.30259, the
// fitted term's weight, quadratic in alpha; 0.9544 and 0.3822, intercept and slope
// of T2 in alpha.
// Range: the alpha the fit was made over is not recorded. Within the window's input
// limits alpha runs from about 0.005 to 5.
FreeEdge freeEdge(const Symbols& x, const Slab& g) {
    FreeEdge fe;
    const double r12 = single(std::sqrt(12 * g.q));
    const double Cd = std::sqrt(1.2f * x.mu + 2) / r12;
    const double u = 0.4f * x.mu + 0.76f;
    fe.alpha2 = single(g.alpha * g.alpha);
    fe.l2 = single(g.l * g.l);
    const double bracket = Cd - u * Cd * g.alpha + (u * Cd) * (u * Cd) / Cd * 0.5 * 0.5 * fe.alpha2;
    fe.dFree = single(bracket * x.P / x.k / fe.l2);

    const double Cs = 12 * (x.mu + 1) / kPi / (x.mu + 3);
    const double T1 = 0.1159f - std::log(g.alpha) + single((1 - x.mu) * 0.25 * 0.5);
    const double T2 = (3 - x.mu) * 0.25 - 0.9544f + 0.3822f * g.alpha;
    fe.sFree = single(Cs * (T1 + (2.98398f * fe.alpha2 + 1.30259f) * T2) * x.P / g.h2);
    return fe;
}

// Step 8: unloaded-side deflection, a regression fit in the dimensionless joint
// stiffness J = (joint stiffness) / (k l) and alpha = a / l.
//
// What it fits: the edge deflection of the slab across the joint from the load, in
// units of P / (k l^2):
//   dU = m P / (k l^2),   m = F1 - F2 alpha + (log10 J + 1) g,   where
//   Q1 = 4.6516 J + 1.821
//   L1 = log10(J + 1)                                  (shared with step 9)
//   F1 = (J - 0.6367 L1) / Q1                          the point-load part
//   F2 = (0.0441 L1 + 0.6984 - 0.00655 J^0.24) F1      its reduction for the spread a
//   g  = 0.008 alpha^2                                 a second-order spread term
// F1 is 0 at J = 0, where nothing crosses the joint, and tends to 1 / 4.6516 = 0.215
// as J grows: about half the free-edge coefficient Cd of step 6 (0.431 at mu = 0.15),
// a rigid joint sharing the deflection equally.
// Constants: 4.6516 and 1.821, slope and intercept of Q1; 0.6367, the weight of L1 in
// F1; 0.0441, 0.6984, 0.00655 and the exponent 0.24, F2's factor; 0.008, g's weight.
// Range: the J and h the fit was made over are not recorded. Within the window's
// input limits and bars, J (dowels only) runs from about 0.01 to 320 and h from 5 to
// 30 in. For J <= 0, where log10 J is undefined, m = 0. A negative dU is taken as 0.
double unloadedDeflection(double J, double L1, const Symbols& x, const Slab& g,
                          const FreeEdge& fe) {
    const double Q1 = single(4.6516f * J + 1.821f);
    const double F1 = single((J - 0.6367f * L1) / Q1);
    const double F2 = single((0.0441f * L1 + 0.6984f - 0.00655f * std::pow(J, 0.24f)) * F1);
    double m = 0;
    if (J > 0) {
        const double g8 = single(0.008f * fe.alpha2);
        m = F1 - F2 * g.alpha + (std::log10(J) + 1) * g8;
    }
    const double dU = single(m * x.P / x.k / fe.l2);
    return dU < 0 ? 0 : dU;
}

// Step 9: unloaded-side stress, a regression fit in J and alpha as in step 8.
//
// What it fits: the edge stress of the slab across the joint from the load, in units
// of 24 (1 - mu^2) / pi * P / h^2:
//   sU = 24 (1 - mu^2) / pi * n * P / h^2,   n = 0.5 E3 alpha^2 + S1 - F3 alpha,   where
//   S1 = 0.07205 L1 + 0.03316 + (0.00773 sqrt(J) - 0.0336) / (J + 1)   the point-load part
//   F3 = S1 (0.08281 J + 0.479 - 0.000149 / J)^(1 / 4.209)           the linear spread term
//   E3 = exp(2.2805 lambda - 5.0908 - 0.1577 lambda^2)                the quadratic one
// with lambda = log10 J and L1 = log10(J + 1) as in step 8. S1 is about 0 at J = 0
// (0.03316 - 0.0336) and grows with J.
// Constants: 0.07205 and 0.03316, slope in L1 and intercept of S1; 0.00773 and
// 0.0336, its part that fades as J grows; 0.08281, 0.479 and 0.000149, the base of
// F3's factor, and 0.23758613 = 1 / 4.209 its exponent; 2.2805, 5.0908 and 0.1577,
// the quadratic in lambda whose exponential is E3; 24, with (1 - mu^2) / pi, the unit.
// Range: the J and h the fit was made over are not recorded (step 8 gives the span the
// window reaches). F3 is taken as 0 for J <= 0.001 (the base of its power turns
// negative below J of about 0.0003), E3 as 0 for J <= 0. A negative sU is taken as 0.
double unloadedStress(double J, double L1, const Symbols& x, const Slab& g, const FreeEdge& fe) {
    const double S1 =
        single(0.07205f * L1 + 0.03316f + (0.00773f * std::sqrt(J) - 0.0336f) / (J + 1));
    double F3 = 0;
    if (J > 0.001f) F3 = single(S1 * std::pow(0.08281f * J + 0.479f - 0.000149f / J, 0.23758613f));
    double E3 = 0;
    if (J > 0) {
        const double lambda = std::log10(J);
        E3 = std::exp(2.2805f * lambda - 5.0908f - 0.1577f * lambda * lambda);
    }
    const double n = 0.5 * E3 * fe.alpha2 + S1 - F3 * g.alpha;
    const double sU = 24 * g.q / kPi * n * x.P / g.h2;
    return sU < 0 ? 0 : sU;
}

// Step 11: force F in the critical dowel and its face deflection y0.
struct DowelForce {
    double F, y0;
};

DowelForce criticalDowelForce(double delta, const Dowel& dw) {
    // A negative difference means the dowel carries the force the other way;
    // the bearing stress depends only on its size.
    const double target = std::fabs(delta);
    if (!(target > kSearchTolerance)) {
        const double F = target / (2 * dw.f0 + 2 * dw.fr + dw.fz);
        return {F, single(F * dw.f0)};
    }
    double F = kSearchStart;
    double step = kSearchStep;
    bool lastMoveDown = true;
    double y0 = 0;
    for (int i = 0; i < kMaxSearchIterations; ++i) {
        y0 = single(F * dw.f0);
        const double r = 2 * F * dw.fr + F * dw.fz + 2 * y0 - target;
        if (r > kSearchTolerance) {
            if (!lastMoveDown) step = step / 2;
            lastMoveDown = true;
            F = F * (1 - step);
        } else if (r < -kSearchTolerance) {
            if (lastMoveDown) step = step / 2;
            lastMoveDown = false;
            F = F * (1 + step);
        } else {
            break;  // within tolerance, or r is not a number
        }
    }
    return {F, y0};
}

}  // namespace

extern "C" QUORVIX_API int32_t QUORVIX_CALL CALCLTE(const DowelJointInput* input,
                                                    DowelJointResult* result) {
    const Symbols x = symbolsOf(*input);
    const bool dowels = isTrue(input->includeDowels);
    const bool aggregate = isTrue(input->includeAggregate);

    const Slab g = slabAndLoad(x);
    const Dowel dw = dowelAcrossJoint(x);
    result->dowelStiffness = static_cast<float>(dw.D);
    const double AGG = aggregateInterlock(x, g);
    result->aggregateStiffness = static_cast<float>(AGG);
    const Joint joint = selectedJoint(dowels, aggregate, dw.D, AGG, x, g);
    result->jointStiffness = static_cast<float>(joint.stiffness);

    const FreeEdge fe = freeEdge(x, g);
    result->freeEdgeDeflection = static_cast<float>(fe.dFree);
    result->freeEdgeStress = static_cast<float>(fe.sFree);

    // Step 7: nothing carries load across the joint.
    if (!dowels && !aggregate) {
        result->unloadedDeflection = 0;
        result->unloadedStress = 0;
        result->loadedDeflection = static_cast<float>(fe.dFree);
        result->loadedStress = static_cast<float>(fe.sFree);
        result->deflectionTransferRatio = 0;
        result->deflectionLte = 0;
        result->stressLte = 0;
        return 0;
    }

    const double J = joint.J;
    const double L1 = single(std::log10(J + 1));
    const double dU = unloadedDeflection(J, L1, x, g, fe);
    result->unloadedDeflection = static_cast<float>(dU);
    const double sU = unloadedStress(J, L1, x, g, fe);
    result->unloadedStress = static_cast<float>(sU);

    // Step 10: loaded side and ratios.
    const double dL = fe.dFree - dU;
    const double sL = fe.sFree - sU;
    result->loadedDeflection = static_cast<float>(dL);
    result->loadedStress = static_cast<float>(sL);
    result->deflectionTransferRatio = static_cast<float>(2 * dU / (dL + dU));
    result->deflectionLte = static_cast<float>(dU / dL);
    result->stressLte = static_cast<float>(sU / sL);
    const double delta = dL - dU;
    const double R = 1 / (delta / fe.dFree + 2);
    result->effectiveness = static_cast<float>(R);

    // Steps 11 and 12: bearing stresses under edge and corner loading.
    const DowelForce force = criticalDowelForce(delta, dw);
    const double sigmaB = force.y0 * x.K;
    // xr is the critical dowel's force as a share of the load the joint
    // transfers, R P. Under corner loading the edge's bearing stress is scaled
    // by 2 / (1 + xr): equal to the edge's when that dowel carries the whole
    // transferred load (xr = 1), approaching twice it as its share vanishes.
    const double xr = force.F / (R * x.P);
    result->edgeBearingStress = static_cast<float>(sigmaB);
    result->cornerBearingStress = static_cast<float>(2 * sigmaB / (1 + xr));
    return 0;
}
