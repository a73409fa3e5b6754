/*
 * Loads Quorvix.dll by its bare name, binds CALCLTE by name and calls it on the
 * eight dowel cases of the default design, the way the window program does.
 *
 * Each case is called through the function pointer type of the engine header.
 * The 32-bit build calls it a second time by hand (push, push, call) so the
 * stack pointer can be compared before and after: a stdcall callee removes its
 * 8 argument bytes, a cdecl one would leave them and the pointer would come
 * back 8 lower. 64-bit Windows has a single calling convention, so the 64-bit
 * build (the DLL 64-bit spreadsheets load) checks the figures only.
 *
 * With --records it instead prints every result field's bits for the
 * eight bars on the default design and on each input at either end of its
 * range, with and without the aggregate interlock. Built natively as well
 * (loading libQuorvix.so), it prints the same lines from the library Linux
 * programs load, so the two can be compared byte for byte.
 *
 * Exit status 0 when every figure matches, 1 otherwise.
 */
#include <math.h>
#include <stddef.h>
#include <stdio.h>
#include <string.h>
#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>
#endif

#include "quorvix/dowel_joint.h"

struct DowelCase {
    int32_t shape;
    float diameter, width, height, supportModulus;
    /* Figures to the digits they are known to: ratios 4 decimals, stresses 1. */
    double deflectionLte, stressLte, effectiveness, edge, corner;
};

static const struct DowelCase kCases[8] = {
    {1, 1.0f, 0, 0, 2500000, 0.7165, 0.2607, 0.4619, 1479.2, 2468.6},
    {1, 1.25f, 0, 0, 2250000, 0.7719, 0.3005, 0.4698, 1060.0, 1744.0},
    {1, 1.5f, 0, 0, 2000000, 0.8081, 0.3312, 0.4748, 788.0, 1284.1},
    {1, 1.75f, 0, 0, 1750000, 0.8322, 0.3545, 0.4781, 602.2, 974.6},
    {1, 2.0f, 0, 0, 1500000, 0.8480, 0.3713, 0.4802, 468.6, 754.8},
    {2, 0, 1.41f, 0.88f, 2500000, 0.7534, 0.2864, 0.4672, 1246.2, 2060.2},
    {2, 0, 1.66f, 1.13f, 1500000, 0.7587, 0.2903, 0.4679, 758.4, 1252.1},
    {2, 0, 1.98f, 1.34f, 1300000, 0.7914, 0.3165, 0.4725, 565.4, 925.5},
};

static void defaultDesign(const struct DowelCase* c, DowelJointInput* in) {
    memset(in, 0, sizeof *in);
    in->includeDowels = -1;
    in->includeAggregate = 0;
    in->dowelShape = c->shape;
    in->dowelDiameter = c->diameter;
    in->dowelWidth = c->width;
    in->dowelHeight = c->height;
    in->dowelSupportModulus = c->supportModulus;
    in->dowelPoisson = 0.3f;
    in->dowelModulus = 29000000;
    in->concretePoisson = 0.15f;
    in->dowelSpacing = 12;
    in->jointOpening = 0.25f;
    in->subgradeModulus = 300;
    in->wheelLoad = 9000;
    in->concreteModulus = 4000000;
    in->slabThickness = 12;
    in->tirePressure = 90;
}

#if defined(__i386__)
/* Calls fn(in, out) by hand; returns its result and stores how far the stack
 * pointer moved across the call (0 when the callee cleaned up). */
static int32_t callByHand(CalclteFunction fn, const DowelJointInput* in, DowelJointResult* out,
                          long* stackMoved) {
    int32_t returned;
    long moved;
    __asm__ volatile(
        "movl %%esp, %%esi\n\t"
        "pushl %[out]\n\t"
        "pushl %[in]\n\t"
        "call *%[fn]\n\t"
        "movl %%esp, %%edx\n\t"
        "subl %%esi, %%edx\n\t"
        "movl %%esi, %%esp\n\t" /* whatever happened, carry on with a sound stack */
        : "=a"(returned), "=d"(moved)
        : [fn] "r"(fn), [in] "r"(in), [out] "r"(out)
        : "ecx", "esi", "memory", "cc", "xmm0", "xmm1", "xmm2", "xmm3", "xmm4", "xmm5", "xmm6",
          "xmm7");
    *stackMoved = moved;
    return returned;
}
#endif

/* Each input at either end of the range the window allows. */
struct InputEnd {
    size_t offset;
    float low, high;
};

static const struct InputEnd kInputEnds[7] = {
    {offsetof(DowelJointInput, dowelSpacing), 6, 36},
    {offsetof(DowelJointInput, jointOpening), 0.005f, 3},
    {offsetof(DowelJointInput, subgradeModulus), 50, 5000},
    {offsetof(DowelJointInput, wheelLoad), 1000, 50000},
    {offsetof(DowelJointInput, concreteModulus), 500000, 10000000},
    {offsetof(DowelJointInput, slabThickness), 5, 30},
    {offsetof(DowelJointInput, tirePressure), 20, 500},
};

static void printRecord(CalclteFunction calclte, const DowelJointInput* in) {
    DowelJointResult out;
    memset(&out, 0, sizeof out);
    const int32_t returned = calclte(in, &out);
    /* The fields' bits, which print alike whatever the C library. */
    uint32_t bits[sizeof out / sizeof(uint32_t)];
    memcpy(bits, &out, sizeof out);
    printf("%ld", (long)returned);
    for (size_t f = 0; f < sizeof bits / sizeof bits[0]; ++f)
        printf(" %08lx", (unsigned long)bits[f]);
    printf("\n");
}

/* Every case of the wider comparison, one line each. */
static void printRecords(CalclteFunction calclte) {
    for (int c = 0; c < 8; ++c) {
        for (int aggregate = 0; aggregate < 2; ++aggregate) {
            DowelJointInput in;
            defaultDesign(&kCases[c], &in);
            in.includeAggregate = aggregate ? -1 : 0;
            printRecord(calclte, &in);
            for (int i = 0; i < 7; ++i) {
                for (int end = 0; end < 2; ++end) {
                    DowelJointInput varied = in;
                    float* field = (float*)((char*)&varied + kInputEnds[i].offset);
                    *field = end ? kInputEnds[i].high : kInputEnds[i].low;
                    printRecord(calclte, &varied);
                }
            }
        }
    }
}

static int failures = 0;

/* value matches `printed`, shown with `decimals` digits after the point. */
static void expectPrinted(int c, const char* what, double value, double printed, int decimals) {
    const double halfUnit = 0.5 * pow(10.0, -decimals) * 1.0001;
    if (!(fabs(value - printed) <= halfUnit)) {
        printf("case %d: %s is %.*f, expected %.*f\n", c + 1, what, decimals + 2, value, decimals,
               printed);
        ++failures;
    }
}

static CalclteFunction bindEngine(void) {
#ifdef _WIN32
    HMODULE library = LoadLibraryA("Quorvix.dll");
    if (library == NULL) {
        printf("Quorvix.dll could not be loaded (error %lu)\n", (unsigned long)GetLastError());
        return NULL;
    }
    FARPROC entry = GetProcAddress(library, "CALCLTE");
    if (entry == NULL) {
        printf("Quorvix.dll has no entry named CALCLTE\n");
        return NULL;
    }
    /* Through a plain function type: FARPROC returns a different integer width
       on each bitness, which the compiler rightly warns about. */
    return (CalclteFunction)(void (*)(void))entry;
#else
    void* library = dlopen("./libQuorvix.so", RTLD_NOW);
    if (library == NULL) {
        printf("libQuorvix.so could not be loaded: %s\n", dlerror());
        return NULL;
    }
    CalclteFunction calclte;
    *(void**)&calclte = dlsym(library, "CALCLTE");
    if (calclte == NULL) printf("libQuorvix.so has no entry named CALCLTE\n");
    return calclte;
#endif
}

int main(int argc, char** argv) {
    CalclteFunction calclte = bindEngine();
    if (calclte == NULL) return 1;
    if (argc > 1 && strcmp(argv[1], "--records") == 0) {
        printRecords(calclte);
        return 0;
    }

    for (int c = 0; c < 8; ++c) {
        DowelJointInput in;
        defaultDesign(&kCases[c], &in);

        DowelJointResult typed;
        memset(&typed, 0, sizeof typed);
        const int32_t returned = calclte(&in, &typed);
        if (returned != 0) {
            printf("case %d: CALCLTE returned %ld\n", c + 1, (long)returned);
            ++failures;
        }
        expectPrinted(c, "deflectionLte", typed.deflectionLte, kCases[c].deflectionLte, 4);
        expectPrinted(c, "stressLte", typed.stressLte, kCases[c].stressLte, 4);
        expectPrinted(c, "effectiveness", typed.effectiveness, kCases[c].effectiveness, 4);
        expectPrinted(c, "edgeBearingStress", typed.edgeBearingStress, kCases[c].edge, 1);
        expectPrinted(c, "cornerBearingStress", typed.cornerBearingStress, kCases[c].corner, 1);

#if defined(__i386__)
        DowelJointResult byHand;
        memset(&byHand, 0xA5, sizeof byHand);
        long stackMoved = 0;
        const int32_t returnedByHand = callByHand(calclte, &in, &byHand, &stackMoved);
        if (stackMoved != 0) {
            printf("case %d: the stack pointer moved by %ld bytes across the call\n", c + 1,
                   stackMoved);
            ++failures;
        }
        if (returnedByHand != 0 || memcmp(&byHand, &typed, sizeof typed) != 0) {
            printf("case %d: the two calls disagree\n", c + 1);
            ++failures;
        }
        printf("case %d: edge %.1f psi, corner %.1f psi, stack moved %ld\n", c + 1,
               typed.edgeBearingStress, typed.cornerBearingStress, stackMoved);
#else
        printf("case %d: edge %.1f psi, corner %.1f psi\n", c + 1, typed.edgeBearingStress,
               typed.cornerBearingStress);
#endif
    }
    if (failures != 0) {
        printf("%d mismatches\n", failures);
        return 1;
    }
    printf("all eight cases match\n");
    return 0;
}
