"""The spreadsheet module, read as text since no spreadsheet runs here: its
records against the engine's header, its declarations, its worksheet
functions, and the record they fill against the window's."""
import re

import pytest

import quorvix
from conftest import (C_WIDTHS, DESIGN_FIELDS, SOURCE, WINDOW_FIXED, bar_inputs,
                      header_records, random_designs)
from quorvix._engine import input_record

MODULE = SOURCE / "examples" / "excel" / "Quorvix.bas"
VBA_TYPES = {"Integer": "int16_t", "Long": "int32_t", "Single": "float"}
# The worksheet functions' parameters, in the window's order, then the bar.
PARAMETERS = ["spacing", "opening", "k", "load", "ec", "thickness", "tirePressure", "diameter",
              "supportModulus"]
SHOWN = {"deflectionLte", "stressLte", "effectiveness", "edgeBearingStress",
         "cornerBearingStress"}


@pytest.fixture(scope="module")
def code():
    """The module's lines with comments dropped and continued lines joined."""
    text = MODULE.read_text(encoding="ascii").replace(" _\r\n", " ").replace(" _\n", " ")
    return [re.sub(r"'.*", "", line).rstrip() for line in text.splitlines()]


def vba_types(code):
    types, current = {}, None
    for line in code:
        if m := re.match(r"Public Type (\w+)$", line):
            current = types.setdefault(m[1], [])
        elif line.strip() == "End Type":
            current = None
        elif current is not None and line.strip():
            name, kind = re.fullmatch(r"\s*(\w+) As (\w+)", line).groups()
            current.append((name, kind))
    return types


@pytest.mark.parametrize("record", ["DowelJointInput", "DowelJointResult"])
def test_types_match_the_header_byte_for_byte(code, record):
    size, header_fields = header_records()[record]
    fields = vba_types(code)[record]
    assert [name for name, _ in fields] == [name for name, _, _ in header_fields]
    # VBA aligns a field to its own size in memory and packs it on disk: with
    # no hole between fields the two agree, and so must the header.
    offset = 0
    for (name, kind), (_, ctype, header_offset) in zip(fields, header_fields):
        assert VBA_TYPES[kind] == ctype, name
        assert offset == header_offset and offset % C_WIDTHS[ctype] == 0, name
        offset += C_WIDTHS[ctype]
    assert offset == size


def test_the_entry_is_declared_for_both_bitnesses(code):
    text = "\n".join(code)
    block = re.search(r"^#If VBA7 Then\n(.*?)^#Else\n(.*?)^#End If", text, re.S | re.M)
    assert block, "no #If VBA7 ... #Else ... #End If"
    entry = (r'Private Declare {}Function CALCLTE Lib "Quorvix\.dll" '
             r"\(ByRef \w+ As DowelJointInput, ByRef \w+ As DowelJointResult\) As Long$")
    assert re.search(entry.format("PtrSafe "), block[1], re.M)
    assert re.search(entry.format(""), block[2], re.M)
    assert "PtrSafe" not in block[2]


def test_worksheet_functions_give_the_five_shown_results(code):
    text = "\n".join(code)
    functions = re.findall(r"^Public Function (\w+)\((.*?)\) As Variant$(.*?)^End Function",
                           text, re.S | re.M)
    assert "DOWELBEARING" in [name for name, _, _ in functions]
    returned = []
    for name, parameters, body in functions:
        assert re.findall(r"ByVal (\w+) As Double", parameters) == PARAMETERS, name
        (field,) = re.findall(rf"^\s*{name} = CDbl\(res\.(\w+)\)$", body, re.M)
        returned.append(field)
    assert sorted(returned) == sorted(SHOWN)


def filled_record(code, arguments):
    """The input record the module's Analyse fills for `arguments`, by its assignments."""
    text = "\n".join(code)
    body = re.search(r"^Private Function Analyse\(.*?$(.*?)^End Function", text, re.S | re.M)[1]
    record = {}
    for field, value in re.findall(r"^\s*inp\.(\w+) = (\S+)$", body, re.M):
        if value in arguments:
            record[field] = arguments[value]
        else:
            record[field] = int(value) if re.fullmatch(r"-?\d+", value) else float(value)
    # VBA starts a record at zero; the fields it leaves are the gaps.
    unset = set(quorvix.INPUT_FIELDS) - set(record)
    assert unset == set() or unset <= {"dowelWidth", "dowelHeight"}, unset
    return record


def test_the_filled_record_is_the_windows(code):
    # The window's record for a design is the one the command line's figures
    # come from (test_against_cli); the module must fill the very same bytes.
    for design in random_designs(count=5, seed=1515):
        for column, diameter in enumerate([1.0, 1.25, 1.5, 1.75, 2.0]):
            bar = bar_inputs(column, repr(diameter))
            arguments = dict(zip(PARAMETERS, [design[o] for o in DESIGN_FIELDS]),
                             diameter=diameter, supportModulus=bar["dowelSupportModulus"])
            window = input_record(dict(WINDOW_FIXED, **bar,
                                       **{DESIGN_FIELDS[o]: v for o, v in design.items()}))
            filled = quorvix.DowelJointInput(**filled_record(code, arguments))
            assert bytes(filled) == bytes(window), (design, diameter)
