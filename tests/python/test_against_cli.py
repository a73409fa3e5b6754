"""The package gives what the program gives: every field tavrel-cli --all-fields
prints, for the eight bars of random designs."""
from conftest import DESIGN_FIELDS, WINDOW_FIXED, bar_inputs, random_designs, single

# Printed in full (shortest text that reads back as the single): equal exactly.
EXACT = {"deflection_transfer_ratio": "deflectionTransferRatio",
         "loaded_deflection_in": "loadedDeflection",
         "unloaded_deflection_in": "unloadedDeflection",
         "free_edge_deflection_in": "freeEdgeDeflection",
         "loaded_stress_psi": "loadedStress", "unloaded_stress_psi": "unloadedStress",
         "free_edge_stress_psi": "freeEdgeStress", "dowel_stiffness_psi": "dowelStiffness",
         "aggregate_stiffness_psi": "aggregateStiffness", "joint_stiffness_psi": "jointStiffness"}
# The five the window shows, printed rounded: (field, scale, half of the last digit).
SHOWN = {"deflection_lte_pct": ("deflectionLte", 100, 0.05),
         "stress_lte_pct": ("stressLte", 100, 0.05),
         "effectiveness_pct": ("effectiveness", 100, 0.05),
         "edge_bearing_psi": ("edgeBearingStress", 1, 0.5),
         "corner_bearing_psi": ("cornerBearingStress", 1, 0.5)}


def test_random_designs_agree_with_the_command_line(engine, cli_cases):
    compared = 0
    for design in random_designs(count=30, seed=15):
        inputs = dict(WINDOW_FIXED, **{DESIGN_FIELDS[o]: v for o, v in design.items()})
        for column, case in enumerate(cli_cases(design)):
            ours = engine.calclte(**inputs, **bar_inputs(column, case["dowel"]))
            where = f"{design}, bar {case['dowel']}"
            for printed, field in EXACT.items():
                assert single(case[printed]) == ours[field], f"{field} at {where}"
            for printed, (field, scale, half) in SHOWN.items():
                assert abs(ours[field] * scale - case[printed]) <= half * 1.001, \
                    f"{field} at {where}"
            compared += 1
    assert compared == 30 * 8
