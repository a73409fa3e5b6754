"""The package as a user meets it: finding the library, the keyword call, and pip."""
import math
import os
import re
import shutil
import subprocess
import sys
from pathlib import Path

import pytest

import quorvix
from conftest import SOURCE

DEFAULT = dict(includeDowels=True, includeAggregate=False, dowelShape=quorvix.ROUND_DOWEL,
               dowelDiameter=1.25, dowelSupportModulus=2250000, dowelModulus=29e6,
               dowelPoisson=0.3, dowelSpacing=12, jointOpening=0.25, concreteModulus=4e6,
               concretePoisson=0.15, slabThickness=12, wheelLoad=9000, tirePressure=90,
               subgradeModulus=300)
LIBRARY = Path(os.environ["QUORVIX_LIBRARY"])


class TestFindingTheLibrary:
    def test_a_given_path_comes_first_and_may_name_the_folder(self, monkeypatch, tmp_path):
        monkeypatch.setenv(quorvix.LIBRARY_VARIABLE, str(tmp_path / "elsewhere.so"))
        assert quorvix.find_library(LIBRARY.parent) == LIBRARY.resolve()

    def test_the_variable_comes_next(self, monkeypatch):
        monkeypatch.setenv(quorvix.LIBRARY_VARIABLE, str(LIBRARY))
        assert quorvix.find_library() == LIBRARY.resolve()

    def test_a_library_asked_for_by_name_is_not_swapped_for_another(self, monkeypatch, tmp_path):
        monkeypatch.setattr("quorvix._engine.INSTALLED_FOLDER", LIBRARY.parent)
        monkeypatch.setenv(quorvix.LIBRARY_VARIABLE, str(tmp_path))
        with pytest.raises(quorvix.EngineNotFound, match=re.escape(str(tmp_path))):
            quorvix.find_library()

    def test_nothing_found_names_every_place_looked_at(self, monkeypatch, tmp_path):
        monkeypatch.delenv(quorvix.LIBRARY_VARIABLE, raising=False)
        monkeypatch.setattr("quorvix._engine.INSTALLED_FOLDER", tmp_path)
        with pytest.raises(quorvix.EngineNotFound) as error:
            quorvix.Engine()
        message = str(error.value)
        for _, place in quorvix.library_candidates():
            assert str(place) in message
        assert str(tmp_path / quorvix.LIBRARY_NAME) in message
        assert quorvix.LIBRARY_VARIABLE in message

    def test_a_file_that_is_not_the_engine_is_refused_clearly(self, tmp_path):
        impostor = tmp_path / quorvix.LIBRARY_NAME
        impostor.write_text("not a library")
        with pytest.raises(OSError, match="could not be loaded"):
            quorvix.Engine(impostor)


class TestKeywordCall:
    def test_flags_take_booleans_or_the_record_integers(self, engine):
        expected = engine.calclte(**DEFAULT)
        assert engine.calclte(**dict(DEFAULT, includeDowels=-1)) == expected
        assert engine.calclte(**dict(DEFAULT, includeDowels=1)) == expected
        assert set(expected) == set(quorvix.RESULT_FIELDS)

    def test_the_other_shape_dimensions_and_neutral_interlock_terms_may_be_left_out(self, engine):
        with_them = dict(DEFAULT, dowelWidth=5, dowelHeight=5, interlockDepthDeduction=0,
                         interlockDecayCount=0)
        assert engine.calclte(**with_them) == engine.calclte(**DEFAULT)

    def test_names_are_checked(self, engine):
        with pytest.raises(TypeError, match="unknown input slabThicknes"):
            engine.calclte(**DEFAULT, slabThicknes=10)
        short = {k: v for k, v in DEFAULT.items() if k not in ("wheelLoad", "dowelDiameter")}
        with pytest.raises(TypeError, match="missing input dowelDiameter, .*wheelLoad"):
            engine.calclte(**short)
        with pytest.raises(TypeError, match="dowelSpacing"):
            engine.calclte(**dict(DEFAULT, dowelSpacing="12"))

    def test_fields_the_engine_leaves_unwritten_are_nan(self, engine):
        free = engine.calclte(**dict(DEFAULT, includeDowels=False))
        for name in ("effectiveness", "edgeBearingStress", "cornerBearingStress"):
            assert math.isnan(free[name]), name
        assert free["loadedDeflection"] == free["freeEdgeDeflection"] > 0
        assert free["jointStiffness"] == 0 and free["dowelStiffness"] > 0


def test_pip_installs_the_package_with_the_library_beside_it(tmp_path):
    package = tmp_path / "source"
    shutil.copytree(SOURCE / "python", package)
    shutil.copy(LIBRARY, package / "quorvix" / quorvix.LIBRARY_NAME)
    site = tmp_path / "site"
    subprocess.run([sys.executable, "-m", "pip", "install", "--quiet", "--no-index",
                    "--no-build-isolation", "--no-deps", "--target", str(site), str(package)],
                   check=True, cwd=tmp_path)
    environment = {k: v for k, v in os.environ.items() if k != quorvix.LIBRARY_VARIABLE}
    environment["PYTHONPATH"] = str(site)
    shown = subprocess.run(
        [sys.executable, "-c", "import quorvix; print(quorvix.find_library()); "
         f"print(quorvix.calclte(**{DEFAULT!r})['edgeBearingStress'])"],
        check=True, capture_output=True, text=True, env=environment, cwd=tmp_path).stdout
    found, bearing = shown.split()
    assert Path(found) == (site / "quorvix" / quorvix.LIBRARY_NAME).resolve()
    assert abs(float(bearing) - 1060.0) < 0.05


def test_the_package_carries_the_project_version():
    pyproject = (SOURCE / "python" / "pyproject.toml").read_text()
    assert re.search(r'^version = "([^"]+)"', pyproject, re.M)[1] == os.environ["TAVREL_VERSION"]


def test_the_call_refuses_what_the_engine_cannot_describe_and_the_record_stays_raw(engine):
    refused = [("slabThickness", -12), ("slabThickness", 0), ("slabThickness", math.nan),
               ("wheelLoad", -9000), ("subgradeModulus", 0), ("slabThickness", math.inf),
               ("slabThickness", 1e300), ("slabThickness", 1e-50), ("concretePoisson", 0.5),
               ("includeDowels", 2), ("includeDowels", 131071), ("dowelShape", 2**32 + 1),
               ("dowelShape", 3), ("dowelShape", "square"), ("interlockDecayCount", -1)]
    for name, value in refused:
        with pytest.raises(ValueError, match=f"^{name}: "):
            engine.calclte(**dict(DEFAULT, **{name: value}))
    expected = engine.calclte(**DEFAULT)
    assert engine.calclte(**dict(DEFAULT, dowelShape="round", includeDowels=1)) == expected
    elliptical = dict(DEFAULT, dowelShape=quorvix.DowelShape.ELLIPTICAL, dowelWidth=1.41,
                      dowelHeight=0.88)
    assert engine.calclte(**dict(elliptical, dowelShape="elliptical")) == engine.calclte(
        **elliptical)
    # Callers who want the engine as it is still have the record.
    record = quorvix.DowelJointInput(**dict(DEFAULT, includeDowels=-1, slabThickness=-12))
    assert math.isnan(engine.call(record).edgeBearingStress)
