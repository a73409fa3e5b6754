"""Finding, loading and calling the engine library."""
from __future__ import annotations

import ctypes
import math
import numbers
import os
import sys
from pathlib import Path
from typing import Mapping

from ._records import (
    FLAG_FIELDS,
    INPUT_FIELDS,
    RESULT_FIELDS,
    ROUND_DOWEL,
    DowelJointInput,
    DowelJointResult,
    DowelShape,
)

#: Environment variable naming the library file (or its folder).
LIBRARY_VARIABLE = "QUORVIX_LIBRARY"
#: Where the installed program keeps the engine beside itself.
INSTALLED_FOLDER = Path("/usr/lib/tavrel")

if sys.platform == "win32":
    LIBRARY_NAME = "Quorvix.dll"
elif sys.platform == "darwin":
    LIBRARY_NAME = "libQuorvix.dylib"
else:
    LIBRARY_NAME = "libQuorvix.so"

# Inputs that may be left out, and why: the interlock terms are neutral at 0
# (no deduction, no decay), and a bar's other shape's dimensions are not read.
_NEUTRAL_INPUTS = ("interlockDepthDeduction", "interlockDecayCount")
_ROUND_ONLY = ("dowelDiameter",)
_ELLIPTICAL_ONLY = ("dowelWidth", "dowelHeight")
# Sizes, moduli and loads: the engine divides by them or takes their roots, so
# 0 or less gives NaN, or a plausible number that means nothing.
_POSITIVE_INPUTS = ("dowelModulus", "dowelSpacing", "dowelSupportModulus", "jointOpening",
                    "concreteModulus", "slabThickness", "wheelLoad", "tirePressure",
                    "subgradeModulus")
_POISSON_INPUTS = ("dowelPoisson", "concretePoisson")
# The largest single-precision number: anything beyond it is infinite in the record.
_FLOAT_MAX = 3.4028234663852886e38


class EngineNotFound(FileNotFoundError):
    """The engine library is not where it was looked for."""


def _in_folder_or_file(place: Path) -> Path:
    return place / LIBRARY_NAME if place.is_dir() else place


def library_candidates(path: str | os.PathLike | None = None) -> list[tuple[str, Path]]:
    """The places looked at, in order, each with what it is.

    A path the caller gives, then ``QUORVIX_LIBRARY``, are taken alone when
    present: a library asked for by name is never swapped for another one.
    Otherwise the package's own folder, then the installed program's folder.
    Each may name the library file or the folder holding it.
    """
    if path is not None:
        return [("the path given", _in_folder_or_file(Path(path)))]
    variable = os.environ.get(LIBRARY_VARIABLE)
    if variable:
        return [(LIBRARY_VARIABLE, _in_folder_or_file(Path(variable)))]
    places = [("the package's folder", Path(__file__).resolve().parent / LIBRARY_NAME)]
    if sys.platform != "win32":
        places.append(("the installed program's folder", INSTALLED_FOLDER / LIBRARY_NAME))
    return places


def find_library(path: str | os.PathLike | None = None) -> Path:
    """The engine library's file, or EngineNotFound naming every place looked at."""
    candidates = library_candidates(path)
    for _, file in candidates:
        if file.is_file():
            return file.resolve()
    looked = "; ".join(f"{what}: {file}" for what, file in candidates)
    hint = "" if path is not None else f" (give its path, or set {LIBRARY_VARIABLE})"
    raise EngineNotFound(
        f"The Quorvix engine ({LIBRARY_NAME}) was not found{hint}. Looked in {looked}"
    )


class Engine:
    """One loaded engine library; ``calclte`` analyses one joint per call.

    The engine keeps no state between calls, so one Engine serves any number
    of calls, from any thread.
    """

    def __init__(self, path: str | os.PathLike | None = None):
        self.path = find_library(path)
        # 32-bit Windows exports CALCLTE as stdcall; elsewhere there is one convention.
        loader = ctypes.WinDLL if sys.platform == "win32" else ctypes.CDLL
        try:
            self._library = loader(str(self.path))
            entry = self._library.CALCLTE
        except (OSError, AttributeError) as error:
            bits = 8 * ctypes.sizeof(ctypes.c_void_p)
            raise OSError(
                f"The Quorvix engine {self.path} could not be loaded into this {bits}-bit "
                f"Python: {error}"
            ) from error
        entry.argtypes = [ctypes.POINTER(DowelJointInput), ctypes.POINTER(DowelJointResult)]
        entry.restype = ctypes.c_int32
        self._entry = entry

    def call(self, record: DowelJointInput) -> DowelJointResult:
        """The engine's result record for an input record, as the C entry point gives it.

        Fields the engine leaves unwritten (with both flags false: effectiveness
        and the two bearing stresses) are NaN.
        """
        result = DowelJointResult(*([math.nan] * len(RESULT_FIELDS)))
        self._entry(ctypes.byref(record), ctypes.byref(result))
        return result

    def calclte(self, **inputs: float) -> dict[str, float]:
        """Analyses one joint: keyword arguments named as the input record's fields.

        Flags take True or False (or 0 and 1, or the record's own -1 for true);
        ``dowelShape`` takes a ``DowelShape`` or its name, "round" or
        "elliptical". Every field is required except the two interlock terms (0,
        neutral) and the dimensions of the other bar shape. A value that is not
        finite, not positive where the engine needs it (sizes, moduli, loads),
        outside -1 to 0.5 for a Poisson's ratio, or negative for an interlock
        term raises ValueError naming the field. Returns the result record's
        fifteen fields by name, as the engine computed them in single precision.
        ``call`` takes a record as it is, unchecked.
        """
        return as_dict(self.call(input_record(checked_inputs(inputs))))


def input_record(inputs: Mapping[str, float]) -> DowelJointInput:
    """The input record for keyword inputs, after checking their names."""
    unknown = sorted(set(inputs) - set(INPUT_FIELDS))
    if unknown:
        raise TypeError(
            f"unknown input {', '.join(unknown)}; the inputs are {', '.join(INPUT_FIELDS)}"
        )
    shape = inputs.get("dowelShape")
    optional = set(_NEUTRAL_INPUTS)
    if shape is not None:
        optional.update(_ELLIPTICAL_ONLY if shape == ROUND_DOWEL else _ROUND_ONLY)
    missing = [name for name in INPUT_FIELDS if name not in inputs and name not in optional]
    if missing:
        raise TypeError(f"missing input {', '.join(missing)}")

    record = DowelJointInput()
    for name, value in inputs.items():
        if name in FLAG_FIELDS and isinstance(value, bool):
            value = -1 if value else 0  # what the record holds for true
        try:
            setattr(record, name, value)
        except TypeError as error:
            raise TypeError(f"{name}: {error}") from None
    return record


def _flag(name: str, value) -> bool:
    if isinstance(value, bool):
        return value
    if isinstance(value, numbers.Integral) and value in (0, 1, -1):
        return value != 0
    raise ValueError(f"{name}: {value!r} is not a flag (True or False, 0 or 1)")


def _shape(value) -> DowelShape:
    if isinstance(value, str):
        try:
            return DowelShape[value.upper()]
        except KeyError:
            pass
    elif isinstance(value, numbers.Integral) and not isinstance(value, bool):
        if value in iter(DowelShape):
            return DowelShape(int(value))
    raise ValueError(f"dowelShape: {value!r} is not a shape ('round' or 'elliptical')")


def _number(name: str, value, read: bool) -> float:
    if isinstance(value, bool) or not isinstance(value, numbers.Real):
        raise TypeError(f"{name}: {value!r} is not a number")
    number = float(value)
    if not math.isfinite(number) or abs(number) > _FLOAT_MAX:
        raise ValueError(f"{name}: {value!r} is not a finite single-precision number")
    if not read:
        return number
    single = ctypes.c_float(number).value  # what the engine will see
    if name in _POSITIVE_INPUTS + _ROUND_ONLY + _ELLIPTICAL_ONLY and not single > 0:
        raise ValueError(f"{name}: {value!r} is not positive in single precision")
    if name in _POISSON_INPUTS and not -1 < single < 0.5:
        raise ValueError(f"{name}: {value!r} is not a Poisson's ratio (-1 to 0.5)")
    if name in _NEUTRAL_INPUTS and single < 0:
        raise ValueError(f"{name}: {value!r} is negative")
    return number


def checked_inputs(inputs: Mapping[str, object]) -> dict[str, object]:
    """The keyword inputs made plain for the record, or ValueError naming the
    first field the engine cannot describe (see ``Engine.calclte``)."""
    plain = dict(inputs)
    shape = None
    if "dowelShape" in inputs:
        shape = plain["dowelShape"] = _shape(inputs["dowelShape"])
    unread = _ELLIPTICAL_ONLY if shape == DowelShape.ROUND else _ROUND_ONLY
    for name, value in inputs.items():
        if name in FLAG_FIELDS:
            plain[name] = _flag(name, value)
        elif name in INPUT_FIELDS and name != "dowelShape":
            plain[name] = _number(name, value, read=name not in unread)
    return plain


def as_dict(result: DowelJointResult) -> dict[str, float]:
    return {name: getattr(result, name) for name in RESULT_FIELDS}


_default_engine: Engine | None = None


def default_engine() -> Engine:
    """The engine found without a path, loaded on first use."""
    global _default_engine
    if _default_engine is None:
        _default_engine = Engine()
    return _default_engine


def calclte(**inputs: float) -> dict[str, float]:
    """``Engine.calclte`` on the engine found without a path (see ``find_library``)."""
    return default_engine().calclte(**inputs)
