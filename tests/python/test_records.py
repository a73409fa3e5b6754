"""The package's records against the engine's header, field by field."""
import ctypes

import pytest

import quorvix
from conftest import header_records

CTYPES_OF = {"int16_t": ctypes.c_int16, "int32_t": ctypes.c_int32, "float": ctypes.c_float}


@pytest.mark.parametrize("record, size", [(quorvix.DowelJointInput, 76),
                                          (quorvix.DowelJointResult, 60)])
def test_record_matches_the_header(record, size):
    header_size, header_fields = header_records()[record.__name__]
    assert ctypes.sizeof(record) == header_size == size
    ours = [(name, kind) for name, kind in record._fields_]
    assert [name for name, _ in ours] == [name for name, _, _ in header_fields]
    for (name, kind), (_, ctype, offset) in zip(ours, header_fields):
        assert kind is CTYPES_OF[ctype], name
        assert getattr(record, name).offset == offset, name
        assert getattr(record, name).size == ctypes.sizeof(CTYPES_OF[ctype]), name
