"""brenmor.size against brenmor-size --json, and what it refuses."""
import json
import math
import random

import pint
import pytest

import brenmor
from conftest import brenmor_size_json, run_brenmor_size

UNITS = {"P": ["", " psi", " bar", " atm", " psig", " barg", " kPa", " MPa"],
         "C": ["", " in", " mm"], "S": ["", " psi", " bar", " MPa"], "E": [""],
         "V": ["", " ft3", " m3", " m^3", " ft^3"]}
RANGES = {"P": (-20, 900), "C": (-0.05, 0.6), "S": (-100, 30000), "E": (0.2, 1.1),
          "V": (-5, 9000)}
OPTIONS = {"head": ["ellipsoidal", "hemispherical", "torispherical"],
           "plate_step": ["1/16in", "1mm"], "orientation": ["vertical", "horizontal"],
           "density": [7850, 8000, "7900"], "cost_index": [567, 800.5, "600"],
           "material_factor": [1, 2.1]}


def random_design(rng):
    """Keywords for size() and the same design as brenmor-size's arguments:
    numbers in base units, strings with units, values left out, options."""
    keywords, args = {}, []
    for letter, (low, high) in RANGES.items():
        kind = rng.random()
        if kind < 0.1:
            continue
        value = round(rng.uniform(low, high), rng.randrange(5))
        if kind < 0.5:
            keywords[letter] = value
            args.append(f"{letter}={value!r}")
        else:
            text = f"{value}{rng.choice(UNITS[letter])}"
            keywords[letter] = text
            args.append(f"{letter}={text}")
    for name, choices in OPTIONS.items():
        if rng.random() < 0.5:
            choice = rng.choice(choices)
            keywords[name] = choice
            args += ["--" + name.replace("_", "-"), str(choice)]
    return keywords, args


def test_random_designs_are_brenmor_sizes_json():
    rng = random.Random(20261210)
    statuses = set()
    for number in range(1000):
        keywords, args = random_design(rng)
        expected = brenmor_size_json(args)
        got = brenmor.size(**keywords).to_dict()
        assert got == expected, f"design {number}: {args}"
        statuses.add(got["status"])
    assert statuses == {"sized", "refused"}


def test_figures_are_attributes_and_record_is_explains():
    design = brenmor.size(P="10 barg", C="3 mm", S=20000, E=0.85, V="20 m3")
    expected = brenmor_size_json(["P=10 barg", "C=3 mm", "S=20000", "E=0.85", "V=20 m3",
                                  "--explain"])
    assert design.record() == expected.pop("record")
    for name, value in expected.items():
        assert getattr(design, name) == value, name
    with pytest.raises(AttributeError):
        design.diameter
    assert str(design) == run_brenmor_size("P=10 barg", "C=3 mm", "S=20000", "E=0.85",
                                           "V=20 m3").stdout


def test_pictures_and_html_show_the_design():
    design = brenmor.size(P=300, C=0.125, S=17000, E=1, V=1500)
    for svg in (design.chart_svg(), design.weight_plot_svg(), design.cost_plot_svg()):
        assert svg.startswith("<svg") and svg.rstrip().endswith("</svg>")
    assert f"D = {design.D_mm} mm" in design.chart_svg()
    html = design._repr_html_()
    for value, unit in [(design.D_mm, "mm"), (design.weight_empty_kg, "kg"),
                        (design.cost_usd, "USD"), (design.mawp_psi, "psi")]:
        assert f">{value}</td><td style=\"text-align:left\">{unit}<" in html
    assert "<svg" in html


def test_refused_design_is_a_design_with_its_message():
    design = brenmor.size(E=1.5)
    assert (design.status, design.message) == ("refused", "E must be less than 1")
    assert design.D_mm is None and design.cost_usd is None
    assert "E must be less than 1" in design._repr_html_()


@pytest.mark.parametrize("keywords, message", [
    ({"P": "abc"}, 'P "abc" is not a number'),
    ({"P": "10 psia"}, 'P "10 psia": the method takes gauge pressure (psig, barg), not psia'),
    ({"C": "3 kg"}, None),
    ({"V": "1,5"}, None),
    ({"P": math.inf}, None),
    ({"head": "flat"}, "head flat is not ellipsoidal, hemispherical or torispherical"),
    ({"density": 0}, 'density "0": The density must be a number above 0'),
    ({"cost_index": "-3"}, None),
])
def test_unreadable_values_are_value_errors_in_brenmor_sizes_words(keywords, message):
    args = []
    for name, value in keywords.items():
        args += ([f"{name}={value!r}" if not isinstance(value, str) else f"{name}={value}"]
                 if len(name) == 1 else ["--" + name.replace("_", "-"), str(value)])
    said = run_brenmor_size(*args).stderr.strip().removeprefix("brenmor-size: ")
    with pytest.raises(ValueError) as raised:
        brenmor.size(**keywords)
    # The words are brenmor-size's, its flag spelt as the keyword is.
    assert str(raised.value) == said.replace("--", "").replace("decimal-comma", "decimal_comma") \
        .replace("cost-index", "cost_index")
    if message:
        assert str(raised.value) == message


@pytest.mark.parametrize("keywords", [
    {"P": [10]}, {"P": True}, {"C": {"mm": 3}}, {"head": 1}, {"density": None, "V": object()},
    {"cost_index": [1]},
])
def test_wrong_types_are_type_errors(keywords):
    with pytest.raises(TypeError):
        brenmor.size(**keywords)


UNITS_REGISTRY = pint.UnitRegistry()
Q = UNITS_REGISTRY.Quantity


@pytest.mark.parametrize("quantities, numbers", [
    ({"P": Q(10, "bar")}, {"P": Q(10, "bar").to("psi").magnitude}),
    ({"C": Q(3, "mm"), "V": Q(20, "m**3")},
     {"C": Q(3, "mm").to("inch").magnitude, "V": Q(20, "m**3").to("ft**3").magnitude}),
    ({"S": Q(138, "MPa"), "E": Q(0.85, "")},
     {"S": Q(138, "MPa").to("psi").magnitude, "E": 0.85}),
])
def test_pint_quantities_are_taken_in_base_units(quantities, numbers):
    assert brenmor.size(**quantities).to_dict() == brenmor.size(**numbers).to_dict()


def test_a_pint_quantity_of_the_wrong_kind_is_a_type_error():
    with pytest.raises(TypeError):
        brenmor.size(P=Q(3, "mm"))


def test_defaults_are_the_windows():
    assert brenmor.size().to_dict() == brenmor_size_json([])
    assert json.loads(json.dumps(brenmor.size().to_dict())) == brenmor.size().to_dict()
