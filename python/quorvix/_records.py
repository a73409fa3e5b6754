"""The engine's two records, laid out byte for byte as its C header declares them.

Both cross the library boundary by address, so every field, width and gap
matters; the package's tests hold this layout against the header.
"""
from ctypes import Structure, c_float, c_int16, c_int32
from enum import IntEnum


class DowelShape(IntEnum):
    """A bar's cross-section, as ``dowelShape`` holds it (the engine reads any
    value but 1 as elliptical; the checked call takes only these two)."""

    ROUND = 1
    ELLIPTICAL = 2


#: ``dowelShape`` of a round bar, as a plain integer.
ROUND_DOWEL = int(DowelShape.ROUND)


class DowelJointInput(Structure):
    """The 76-byte input record: slab, foundation, wheel load, dowel bar and joint."""

    _fields_ = [
        ("includeDowels", c_int16),  # flag: dowel stiffness counts in the joint
        ("gap0", c_int16),  # never read
        ("dowelShape", c_int32),  # 1 round, anything else elliptical
        ("includeAggregate", c_int16),  # flag: aggregate interlock counts
        ("gap1", c_int16),  # never read
        ("dowelDiameter", c_float),  # in, round bars only
        ("dowelWidth", c_float),  # in, horizontal axis of an elliptical bar
        ("dowelHeight", c_float),  # in, vertical axis of an elliptical bar
        ("dowelPoisson", c_float),
        ("dowelModulus", c_float),  # psi
        ("dowelSpacing", c_float),  # in
        ("dowelSupportModulus", c_float),  # psi/in, K
        ("jointOpening", c_float),  # in, z
        ("concreteModulus", c_float),  # psi, E
        ("concretePoisson", c_float),
        ("slabThickness", c_float),  # in, h
        ("interlockDepthDeduction", c_float),  # in, subtracted from h for the interlock fit
        ("wheelLoad", c_float),  # lb, P
        ("tirePressure", c_float),  # psi, p
        ("subgradeModulus", c_float),  # psi/in, k
        ("interlockDecayCount", c_float),  # N, decays the interlock by exp(-N/70000)
    ]


class DowelJointResult(Structure):
    """The 60-byte result record: fifteen singles."""

    _fields_ = [
        ("deflectionLte", c_float),  # dU / dL
        ("stressLte", c_float),  # sU / sL
        ("deflectionTransferRatio", c_float),  # 2 dU / (dL + dU)
        ("effectiveness", c_float),  # 1 / ((dL - dU) / dFree + 2)
        ("loadedDeflection", c_float),  # in, dL
        ("unloadedDeflection", c_float),  # in, dU
        ("freeEdgeDeflection", c_float),  # in, dFree
        ("loadedStress", c_float),  # psi, sL
        ("unloadedStress", c_float),  # psi, sU
        ("freeEdgeStress", c_float),  # psi, sFree
        ("dowelStiffness", c_float),  # psi, D
        ("aggregateStiffness", c_float),  # psi, AGG
        ("jointStiffness", c_float),  # psi, what the flags select
        ("edgeBearingStress", c_float),  # psi
        ("cornerBearingStress", c_float),  # psi
    ]


#: The fields a caller sets: every input field but the two gaps.
INPUT_FIELDS = tuple(name for name, _ in DowelJointInput._fields_ if not name.startswith("gap"))
#: The fields ``calclte`` returns, in record order.
RESULT_FIELDS = tuple(name for name, _ in DowelJointResult._fields_)
FLAG_FIELDS = ("includeDowels", "includeAggregate")
