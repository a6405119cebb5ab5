"""brenmor-size, the reference every test compares the module with."""
import csv
import io
import json
import math
import os
import subprocess

import pytest

BRENMOR_SIZE = os.environ.get("BRENMOR_SIZE", "brenmor-size")


def run_brenmor_size(*args, stdin=None):
    return subprocess.run([BRENMOR_SIZE, *args], input=stdin, capture_output=True, text=True,
                          check=False)


def brenmor_size_json(args):
    ran = run_brenmor_size("--json", *args)
    assert ran.returncode in (0, 1), ran.stderr
    return json.loads(ran.stdout)


def brenmor_size_rows(args, stdin=None):
    """The header and rows of brenmor-size --csv, each cell as written."""
    ran = run_brenmor_size("--csv", *args, stdin=stdin)
    assert ran.returncode in (0, 1), ran.stderr
    delimiter = ";" if "--decimal-comma" in args else ","
    if "--delimiter" in args:
        delimiter = args[args.index("--delimiter") + 1]
    rows = list(csv.reader(io.StringIO(ran.stdout.removeprefix("\ufeff")), delimiter=delimiter))
    return rows[0], rows[1:], ran.stderr


def assert_frame_is_rows(frame, header, rows, decimal_comma=False):
    """Every column as brenmor-size wrote it: a float64 column holds each
    cell read as a number (NaN where empty), a text column the cells."""
    assert list(frame.columns) == header
    assert len(frame) == len(rows)
    for index, name in enumerate(header):
        column = frame.iloc[:, index]
        cells = [row[index] for row in rows]
        if column.dtype == "float64":
            for line, (value, cell) in enumerate(zip(column, cells), start=2):
                number = cell.replace(",", ".") if decimal_comma else cell
                expected = math.nan if cell == "" else float(number)
                assert (math.isnan(value) and math.isnan(expected)) or value == expected, \
                    f"{name}, row {line}: {value!r} for the cell {cell!r}"
        else:
            assert column.dtype == object, name
            assert all(isinstance(value, str) for value in column), name
            assert list(column) == cells, name


@pytest.fixture
def tmp_csv(tmp_path):
    def write(text, name="list.csv", encoding="utf-8"):
        path = tmp_path / name
        path.write_text(text, encoding=encoding, newline="")
        return str(path)
    return write
