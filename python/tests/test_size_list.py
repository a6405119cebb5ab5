"""brenmor.size_list against brenmor-size --csv: a file, a DataFrame, and
what makes a whole list unreadable."""
import io
import random
import warnings

import pandas as pd
import pytest

import brenmor
from conftest import assert_frame_is_rows, brenmor_size_rows, run_brenmor_size

GOOD = ["100", "10 bar", "145.038 psig", "250", "0.5 MPa"]


def row_of_kind(rng, kind, number):
    tag = f"V-{number}"
    p, c, s, e, v = rng.choice(GOOD), "0.125", "16000", str(rng.choice([0.8, 0.85, 1])), \
        str(rng.randrange(10, 5000))
    head, orientation = rng.choice(["", "hemispherical", "torispherical"]), \
        rng.choice(["", "horizontal"])
    cells = [tag, p, c, s, e, v, head, orientation]
    match kind:
        case "empty value": cells[1] = ""
        case "not a number": cells[3] = "sixteen thousand"
        case "decimal comma": cells[2] = "0,125"
        case "absolute pressure": cells[1] = "10 psia"
        case "wrong unit": cells[2] = "3 kg"
        case "refused E": cells[4] = "1.5"
        case "beyond the correlation": cells[1] = "9000"
        case "no such head": cells[6] = "flat"
        case "no such orientation": cells[7] = "lying"
        case "too few cells": cells = cells[:4]
        case "too many cells": cells = cells + ["extra"]
        case "text after a quote": cells[0] = f'"{tag}"x'
        case "quoted delimiter and line": cells[0] = f'"{tag}, hot\nservice"'
        case "blank line": return ""
    return ",".join(cells) + "\n"


KINDS = ["good"] * 8 + ["empty value", "not a number", "decimal comma", "absolute pressure",
                        "wrong unit", "refused E", "beyond the correlation", "no such head",
                        "no such orientation", "too few cells", "too many cells",
                        "text after a quote", "quoted delimiter and line", "blank line"]


def test_ten_thousand_rows_of_every_kind_are_brenmor_sizes(tmp_csv):
    rng = random.Random(20261210)
    text = "Tag,P,C,S,E,V,Head,Orientation\n" + "".join(
        row_of_kind(rng, rng.choice(KINDS), n) for n in range(10_000)) + 'V-end,"100,0.125'
    path = tmp_csv(text)
    options = ["--cost-index", "600", "--plate-step", "1mm"]
    header, rows, _ = brenmor_size_rows([path, *options])
    frame = brenmor.size_list(path, cost_index=600, plate_step="1mm")
    assert_frame_is_rows(frame, header, rows)
    assert set(frame["status"]) == {"sized", "refused", "error"}


def test_a_dataframe_is_sized_as_its_csv_export(tmp_csv):
    rng = random.Random(7)
    table = pd.DataFrame({
        "Tag": [f"V-{n}" for n in range(300)],
        "P": [rng.choice([100, "10 bar", None, "abc", 9000.5]) for _ in range(300)],
        "C": [rng.choice([0.125, 0.0625, float("nan")]) for _ in range(300)],
        "S": [rng.randrange(12000, 20000) for _ in range(300)],
        "E": [rng.choice([0.8, 1.0, 1.2]) for _ in range(300)],
        "V [m3]": [rng.uniform(0.5, 200) for _ in range(300)],
    })
    # A cell over two lines, and a row with no cell at all, which a list skips.
    table.loc[5, "Tag"] = 'V-5\n"hot", wet'
    table.loc[9] = [None] * 6
    header, rows, _ = brenmor_size_rows([tmp_csv(table.to_csv(index=False)), "--head",
                                         "hemispherical"])
    assert len(rows) == len(table) - 1
    frame = brenmor.size_list(table, head="hemispherical")
    assert_frame_is_rows(frame, header, rows)
    assert frame["S"].dtype == "float64" and frame["P"].dtype == object


def test_libreoffice_export_with_decimal_comma(tmp_csv):
    text = ("Tag;Service;P [bar];C [mm];S [MPa];E;V [m3]\r\n"
            "V-101;Flash drum;10,5;3;137,9;0,85;20\r\n"
            "V-102;\"KO drum; wet\";6;1,5;137,9;1;4,25\r\n"
            "V-103;Reflux;4.5;3;137,9;0,85;12\r\n")
    path = tmp_csv(text)
    header, rows, said = brenmor_size_rows([path, "--decimal-comma"])
    with warnings.catch_warnings():
        warnings.simplefilter("error")  # brenmor-size said nothing either
        frame = brenmor.size_list(path, decimal_comma=True)
    assert said == ""
    assert_frame_is_rows(frame, header, rows, decimal_comma=True)
    assert list(frame["status"]) == ["sized", "sized", "error"]


def test_worded_headers_with_units_say_the_columns_taken(tmp_csv):
    text = ("Tag,Service,Design pressure (barg),Corrosion allowance (mm),Stress (psi),"
            "Joint efficiency,Volume (m3)\n"
            "V-101,Flash drum,10,3,16000,0.85,20\n"
            "V-102,Flash drum,1 MPa,3,16000 psi,0.85,20 m3\n"
            "V-103,KO drum,10 bara,3,16000,0.85,20\n")
    path = tmp_csv(text)
    header, rows, said = brenmor_size_rows([path])
    with pytest.warns(UserWarning) as warned:
        frame = brenmor.size_list(path)
    assert_frame_is_rows(frame, header, rows)
    assert [str(w.message) for w in warned] == [said.strip().split(": ", 2)[2]]


def test_comma_decimals_read_with_a_point_are_warned_of(tmp_csv):
    path = tmp_csv("P,C,S,E,V\n100,\"0,125\",16000,0.8,1000\n100,0.125,16000,0.8,1000\n")
    _, _, said = brenmor_size_rows([path])
    with pytest.warns(UserWarning, match="decimal_comma") as warned:
        brenmor.size_list(path)
    assert str(warned[0].message) == said.strip().split(": ", 2)[2].replace(
        "--decimal-comma", "decimal_comma")


@pytest.mark.parametrize("text, keywords", [
    ("P,C,S,V\n100,0.125,16000,1000\n", {}),
    ("P,Pressure (psi),C,S,E,V\n1,1,1,1,1,1\n", {}),
    ("P [kg],C,S,E,V\n1,1,1,1,1\n", {}),
    ("P,C,S,E,V\n1,1,1,1,1\n", {"E": 0.8}),
    ("", {}),
    ("P,C,S,E,V,Head,head\n1,1,1,1,1,,\n", {}),
])
def test_a_list_that_cannot_be_sized_is_a_value_error(tmp_csv, text, keywords):
    path = tmp_csv(text)
    ran = run_brenmor_size("--csv", path, *[f"{k}={v}" for k, v in keywords.items()])
    assert ran.returncode == 2
    with pytest.raises(ValueError) as raised:
        brenmor.size_list(path, **keywords)
    assert str(raised.value) == ran.stderr.strip().removeprefix(f"brenmor-size: {path}: ")


@pytest.mark.parametrize("table, keywords, error", [
    (3, {}, TypeError),
    (pd.DataFrame({"P": [1]}), {"decimal_comma": "yes"}, TypeError),
    (pd.DataFrame({"P": [1]}), {"delimiter": 5}, TypeError),
    (pd.DataFrame({"P": [[1]], "C": 1, "S": 1, "E": 1, "V": 1}), {}, TypeError),
    (pd.DataFrame({"P": [1]}), {"delimiter": "ab"}, ValueError),
    (pd.DataFrame({"P": [1]}), {"decimal_comma": True, "delimiter": ","}, ValueError),
])
def test_wrong_tables_and_options(table, keywords, error):
    with pytest.raises(error):
        brenmor.size_list(table, **keywords)


def test_a_missing_file_is_an_os_error(tmp_path):
    with pytest.raises(FileNotFoundError):
        brenmor.size_list(str(tmp_path / "none.csv"))


def test_the_result_is_an_ordinary_dataframe_that_owns_its_cells():
    table = pd.DataFrame({"Tag": ["A", "B"], "P": [100, 200], "C": [0.125, 0.125],
                          "S": [16000, 16000], "E": [0.8, 0.85], "V": [1000, 500]})
    frame = brenmor.size_list(table)
    del table
    expected = frame.to_dict("list")
    for made in (frame.copy(), pd.concat([frame, frame]).iloc[:2], frame.sort_values("Tag"),
                 pd.read_csv(io.StringIO(frame.to_csv(index=False)), keep_default_na=False)):
        assert made.to_dict("list").keys() == expected.keys()
        assert made["D_mm"].tolist() == expected["D_mm"]
        assert made["status"].tolist() == ["sized", "sized"]
    frame.loc[0, "D_mm"] = 0  # its blocks are its own to write
    assert frame["D_mm"].tolist()[0] == 0
