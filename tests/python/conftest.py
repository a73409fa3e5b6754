"""What the package and spreadsheet tests share: the engine's header read as the
authority on the record layout, the engine built alongside, and tavrel-cli."""
import json
import os
import re
import struct
import subprocess
from pathlib import Path

import pytest

SOURCE = Path(__file__).resolve().parents[2]
HEADER = SOURCE / "engine" / "include" / "quorvix" / "dowel_joint.h"

# Width in bytes of each field type the records use.
C_WIDTHS = {"int16_t": 2, "int32_t": 4, "float": 4}


def header_records():
    """{record: (size, [(field, C type, offset)])} from the header: the fields in
    declaration order and the offsets and sizes its compile-time asserts prove."""
    text = HEADER.read_text()
    sizes = {name: int(size) for name, size in re.findall(
        r"QUORVIX_LAYOUT\(sizeof\((\w+)\) == (\d+)", text)}
    offsets = {(record, field): int(offset) for record, field, offset in re.findall(
        r"QUORVIX_LAYOUT\(offsetof\((\w+), (\w+)\) == (\d+)", text)}
    records = {}
    for name, body in re.findall(r"typedef struct (\w+) \{(.*?)\} \1;", text, re.S):
        declarations = [line for line in body.splitlines() if ";" in line]
        fields = re.findall(r"^\s*(\w+)\s+(\w+);", body, re.M)
        assert len(fields) == len(declarations), f"{name}: a declaration this test cannot read"
        for ctype, field in fields:
            assert ctype in C_WIDTHS, f"{name}.{field}: type {ctype} unknown to this test"
            assert (name, field) in offsets, f"{name}.{field}: the header asserts no offset"
        records[name] = (sizes[name], [(f, t, offsets[(name, f)]) for t, f in fields])
    assert set(records) == {"DowelJointInput", "DowelJointResult"}
    return records


def single(value):
    """`value` rounded to single precision, as the records hold it."""
    return struct.unpack("f", struct.pack("f", value))[0]


@pytest.fixture(scope="session")
def engine():
    import quorvix

    return quorvix.Engine(os.environ["QUORVIX_LIBRARY"])


@pytest.fixture(scope="session")
def cli_cases():
    """Runs tavrel-cli on one design ({option: value}); its eight cases, in column order."""
    program = os.environ["TAVREL_CLI"]

    def run(design):
        args = [program, "--all-fields", "--format", "json"]
        for option, value in design.items():
            args += [f"--{option}", repr(value)]
        out = subprocess.run(args, check=True, capture_output=True, text=True).stdout
        (only,) = json.loads(out)["designs"]
        return only["cases"]

    return run


# The window's fixed inputs: steel dowels only across the joint, normal concrete.
WINDOW_FIXED = dict(includeDowels=True, includeAggregate=False, dowelModulus=29e6,
                    dowelPoisson=0.3, concretePoisson=0.15)
# tavrel-cli's options and the input fields they set.
DESIGN_FIELDS = {"spacing": "dowelSpacing", "opening": "jointOpening", "k": "subgradeModulus",
                 "load": "wheelLoad", "ec": "concreteModulus", "thickness": "slabThickness",
                 "tire-pressure": "tirePressure"}
# The modulus of dowel support of the eight bars, in column order: the one bar
# property tavrel-cli does not print (their dimensions are in its labels).
SUPPORT_MODULI = [2500000, 2250000, 2000000, 1750000, 1500000, 2500000, 1500000, 1300000]


def bar_inputs(column, label):
    """The shape, dimensions and K of the bar in `column`, labelled "1.25" or "1.41x0.88"."""
    if "x" in label:
        width, height = label.split("x")
        bar = dict(dowelShape=2, dowelWidth=float(width), dowelHeight=float(height))
    else:
        bar = dict(dowelShape=1, dowelDiameter=float(label))
    return dict(bar, dowelSupportModulus=SUPPORT_MODULI[column])


def random_designs(count, seed):
    """Designs inside the window's limits, each value exact in binary so that the
    command line and the engine here hold the very same single."""
    import random

    rng = random.Random(seed)
    for _ in range(count):
        yield {"spacing": rng.randint(12, 72) / 2, "opening": rng.randint(1, 96) / 64,
               "k": rng.randint(50, 2000), "load": rng.randint(1, 50) * 1000,
               "ec": rng.randint(5, 100) * 100000, "thickness": rng.randint(20, 120) / 4,
               "tire-pressure": rng.randint(40, 1000) / 2}
