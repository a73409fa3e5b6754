"""The published JSON Schema of design files describes what Tavrel writes.

Designs saved by the window, the web page and tavrel-cli validate; files Tavrel
refuses (a newer version, a text where a number belongs) do not.
"""

import json
import os
import pathlib
import subprocess

import jsonschema
import pytest

ROOT = pathlib.Path(__file__).resolve().parents[2]
SCHEMA = json.loads((ROOT / "schema" / "design.schema.json").read_text(encoding="utf-8"))
VALIDATOR = jsonschema.Draft202012Validator(SCHEMA)


def test_the_schema_is_a_valid_schema():
    jsonschema.Draft202012Validator.check_schema(SCHEMA)


@pytest.mark.parametrize("maker", ["window", "web", "cli"])
def test_saved_designs_validate(maker):
    VALIDATOR.validate(json.loads((ROOT / "tests" / "designs" / f"{maker}.tavrel").read_text("utf-8")))


def test_a_design_saved_in_si_with_every_detail_validates(tmp_path):
    target = tmp_path / "si.tavrel"
    subprocess.run([os.environ["TAVREL_CLI"], "--units", "si", "--load", "50", "--notes", "x" * 1000,
                    "--save-design", str(target)], check=True)
    VALIDATOR.validate(json.loads(target.read_text("utf-8")))


@pytest.mark.parametrize("change", [
    {"version": 2},
    {"inputs": {"spacing": 12}},
    {"units": "metric"},
    {"spacing-page": {"dowel-selection": 6}},
    {"project": {"notes": "x" * 1001}},
])
def test_files_tavrel_refuses_do_not_validate(change):
    design = json.loads((ROOT / "tests" / "designs" / "cli.tavrel").read_text("utf-8"))
    design.update(change)
    assert not VALIDATOR.is_valid(design)
