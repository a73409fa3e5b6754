"""Quorvix, Tavrel's joint analysis engine, from Python.

One call analyses one doweled transverse joint of a concrete slab::

    import quorvix
    result = quorvix.calclte(
        includeDowels=True, includeAggregate=False, dowelShape=quorvix.ROUND_DOWEL,
        dowelDiameter=1.25, dowelSupportModulus=2250000, dowelModulus=29e6,
        dowelPoisson=0.3, dowelSpacing=12, jointOpening=0.25, concreteModulus=4e6,
        concretePoisson=0.15, slabThickness=12, wheelLoad=9000, tirePressure=90,
        subgradeModulus=300)
    result["edgeBearingStress"]   # psi

Units are inches, pounds, psi and psi per inch. This is the engine alone: the
grades Tavrel gives a bar come from its program (``tavrel-cli``), not from here.
The library is found as ``find_library`` says; ``Engine(path)`` loads a given one.

``calclte`` checks its inputs and raises ValueError naming a field the engine
cannot describe (not finite, not positive, out of its range). The engine as it
is, unchecked, takes a record: ``Engine().call(DowelJointInput(...))``.
"""
from ._engine import (
    LIBRARY_NAME,
    LIBRARY_VARIABLE,
    Engine,
    EngineNotFound,
    calclte,
    find_library,
    library_candidates,
)
from ._records import (
    INPUT_FIELDS,
    RESULT_FIELDS,
    ROUND_DOWEL,
    DowelJointInput,
    DowelJointResult,
    DowelShape,
)

__all__ = [
    "Engine",
    "EngineNotFound",
    "calclte",
    "find_library",
    "library_candidates",
    "DowelJointInput",
    "DowelJointResult",
    "DowelShape",
    "INPUT_FIELDS",
    "RESULT_FIELDS",
    "ROUND_DOWEL",
    "LIBRARY_NAME",
    "LIBRARY_VARIABLE",
]
