/*
 * Quorvix: analysis of one doweled transverse joint of a concrete slab.
 *
 * One entry point, CALCLTE, reads a DowelJointInput and fills a DowelJointResult.
 * Both records cross the library boundary by address, so their byte layout is a
 * wire format; the asserts at the end of this header hold it in place.
 *
 * Units: inches, pounds, psi, and psi per inch for moduli of support.
 * Flags: 16-bit integers, true when bit 0 is set (callers write -1 for true).
 */
#ifndef QUORVIX_DOWEL_JOINT_H
#define QUORVIX_DOWEL_JOINT_H

#include <stddef.h>
#include <stdint.h>

#if defined(_WIN32)
#define QUORVIX_CALL __stdcall
#if defined(QUORVIX_BUILDING)
#define QUORVIX_API __declspec(dllexport)
#else
#define QUORVIX_API __declspec(dllimport)
#endif
#else
#define QUORVIX_CALL
#define QUORVIX_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* dowelShape value of a round bar; any other value describes an elliptical bar. */
#define QUORVIX_ROUND_DOWEL 1

typedef struct DowelJointInput {
    int16_t includeDowels;         /* flag: dowel stiffness counts in the joint */
    int16_t gap0;                  /* never read */
    int32_t dowelShape;            /* 1 round, anything else elliptical */
    int16_t includeAggregate;      /* flag: aggregate interlock counts in the joint */
    int16_t gap1;                  /* never read */
    float dowelDiameter;           /* in, round bars only */
    float dowelWidth;              /* in, horizontal axis of an elliptical bar */
    float dowelHeight;             /* in, vertical axis of an elliptical bar */
    float dowelPoisson;            /* - */
    float dowelModulus;            /* psi */
    float dowelSpacing;            /* in */
    float dowelSupportModulus;     /* psi/in, K */
    float jointOpening;            /* in, z */
    float concreteModulus;         /* psi, E */
    float concretePoisson;         /* - */
    float slabThickness;           /* in, h */
    float interlockDepthDeduction; /* in, subtracted from h for the interlock fit */
    float wheelLoad;               /* lb, P */
    float tirePressure;            /* psi, p */
    float subgradeModulus;         /* psi/in, k */
    float interlockDecayCount;     /* N, decays the interlock by exp(-N/70000) */
} DowelJointInput;

typedef struct DowelJointResult {
    float deflectionLte;           /* dU / dL */
    float stressLte;               /* sU / sL */
    float deflectionTransferRatio; /* 2 dU / (dL + dU) */
    float effectiveness;           /* 1 / ((dL - dU) / dFree + 2) */
    float loadedDeflection;        /* in, dL */
    float unloadedDeflection;      /* in, dU */
    float freeEdgeDeflection;      /* in, dFree */
    float loadedStress;            /* psi, sL */
    float unloadedStress;          /* psi, sU */
    float freeEdgeStress;          /* psi, sFree */
    float dowelStiffness;          /* psi, D */
    float aggregateStiffness;      /* psi, AGG */
    float jointStiffness;          /* psi, what the flags select */
    float edgeBearingStress;       /* psi */
    float cornerBearingStress;     /* psi */
} DowelJointResult;

/*
 * Analyses one joint. Reads *input, writes *result (never reads it) and keeps no
 * pointer to either. Always returns 0. With both flags false, effectiveness and
 * the two bearing stresses are left as the caller had them.
 * On 32-bit Windows this is stdcall, exported undecorated as "CALCLTE".
 */
QUORVIX_API int32_t QUORVIX_CALL CALCLTE(const DowelJointInput* input, DowelJointResult* result);

/* The type to bind the entry to when the library is loaded at run time. */
typedef int32_t(QUORVIX_CALL* CalclteFunction)(const DowelJointInput*, DowelJointResult*);

#ifdef __cplusplus
}
#endif

/* The wire format, proved at compile time. */
#ifdef __cplusplus
#define QUORVIX_LAYOUT(cond, what) static_assert(cond, what)
#else
#define QUORVIX_LAYOUT(cond, what) _Static_assert(cond, what)
#endif

QUORVIX_LAYOUT(sizeof(DowelJointInput) == 76, "DowelJointInput is 76 bytes");
QUORVIX_LAYOUT(offsetof(DowelJointInput, includeDowels) == 0, "includeDowels at 0");
QUORVIX_LAYOUT(offsetof(DowelJointInput, gap0) == 2, "gap at 2");
QUORVIX_LAYOUT(offsetof(DowelJointInput, dowelShape) == 4, "dowelShape at 4");
QUORVIX_LAYOUT(offsetof(DowelJointInput, includeAggregate) == 8, "includeAggregate at 8");
QUORVIX_LAYOUT(offsetof(DowelJointInput, gap1) == 10, "gap at 10");
QUORVIX_LAYOUT(offsetof(DowelJointInput, dowelDiameter) == 12, "dowelDiameter at 12");
QUORVIX_LAYOUT(offsetof(DowelJointInput, dowelWidth) == 16, "dowelWidth at 16");
QUORVIX_LAYOUT(offsetof(DowelJointInput, dowelHeight) == 20, "dowelHeight at 20");
QUORVIX_LAYOUT(offsetof(DowelJointInput, dowelPoisson) == 24, "dowelPoisson at 24");
QUORVIX_LAYOUT(offsetof(DowelJointInput, dowelModulus) == 28, "dowelModulus at 28");
QUORVIX_LAYOUT(offsetof(DowelJointInput, dowelSpacing) == 32, "dowelSpacing at 32");
QUORVIX_LAYOUT(offsetof(DowelJointInput, dowelSupportModulus) == 36, "dowelSupportModulus at 36");
QUORVIX_LAYOUT(offsetof(DowelJointInput, jointOpening) == 40, "jointOpening at 40");
QUORVIX_LAYOUT(offsetof(DowelJointInput, concreteModulus) == 44, "concreteModulus at 44");
QUORVIX_LAYOUT(offsetof(DowelJointInput, concretePoisson) == 48, "concretePoisson at 48");
QUORVIX_LAYOUT(offsetof(DowelJointInput, slabThickness) == 52, "slabThickness at 52");
QUORVIX_LAYOUT(offsetof(DowelJointInput, interlockDepthDeduction) == 56,
               "interlockDepthDeduction at 56");
QUORVIX_LAYOUT(offsetof(DowelJointInput, wheelLoad) == 60, "wheelLoad at 60");
QUORVIX_LAYOUT(offsetof(DowelJointInput, tirePressure) == 64, "tirePressure at 64");
QUORVIX_LAYOUT(offsetof(DowelJointInput, subgradeModulus) == 68, "subgradeModulus at 68");
QUORVIX_LAYOUT(offsetof(DowelJointInput, interlockDecayCount) == 72, "interlockDecayCount at 72");

QUORVIX_LAYOUT(sizeof(DowelJointResult) == 60, "DowelJointResult is 60 bytes");
QUORVIX_LAYOUT(offsetof(DowelJointResult, deflectionLte) == 0, "deflectionLte at 0");
QUORVIX_LAYOUT(offsetof(DowelJointResult, stressLte) == 4, "stressLte at 4");
QUORVIX_LAYOUT(offsetof(DowelJointResult, deflectionTransferRatio) == 8,
               "deflectionTransferRatio at 8");
QUORVIX_LAYOUT(offsetof(DowelJointResult, effectiveness) == 12, "effectiveness at 12");
QUORVIX_LAYOUT(offsetof(DowelJointResult, loadedDeflection) == 16, "loadedDeflection at 16");
QUORVIX_LAYOUT(offsetof(DowelJointResult, unloadedDeflection) == 20, "unloadedDeflection at 20");
QUORVIX_LAYOUT(offsetof(DowelJointResult, freeEdgeDeflection) == 24, "freeEdgeDeflection at 24");
QUORVIX_LAYOUT(offsetof(DowelJointResult, loadedStress) == 28, "loadedStress at 28");
QUORVIX_LAYOUT(offsetof(DowelJointResult, unloadedStress) == 32, "unloadedStress at 32");
QUORVIX_LAYOUT(offsetof(DowelJointResult, freeEdgeStress) == 36, "freeEdgeStress at 36");
QUORVIX_LAYOUT(offsetof(DowelJointResult, dowelStiffness) == 40, "dowelStiffness at 40");
QUORVIX_LAYOUT(offsetof(DowelJointResult, aggregateStiffness) == 44, "aggregateStiffness at 44");
QUORVIX_LAYOUT(offsetof(DowelJointResult, jointStiffness) == 48, "jointStiffness at 48");
QUORVIX_LAYOUT(offsetof(DowelJointResult, edgeBearingStress) == 52, "edgeBearingStress at 52");
QUORVIX_LAYOUT(offsetof(DowelJointResult, cornerBearingStress) == 56, "cornerBearingStress at 56");

#undef QUORVIX_LAYOUT

#endif /* QUORVIX_DOWEL_JOINT_H */
