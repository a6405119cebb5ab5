"""The notebook in docs runs from top to bottom, and shows its charts."""
from pathlib import Path

import nbclient
import nbformat

NOTEBOOK = Path(__file__).resolve().parents[2] / "docs" / "brenmor.ipynb"


def test_the_notebook_runs_and_shows_the_chart():
    notebook = nbformat.read(NOTEBOOK, as_version=4)
    nbclient.NotebookClient(notebook, timeout=120, kernel_name="python3").execute()
    outputs = [output for cell in notebook.cells if cell.cell_type == "code"
               for output in cell.outputs]
    assert not [output for output in outputs if output.output_type == "error"]
    html = [output.data["text/html"] for output in outputs if "text/html" in output.get("data", {})]
    assert any("<svg" in page and "D = 1850 mm" in page for page in html), "the design's chart"
    # As HTML, which an exported notebook keeps whole, unlike an image/svg+xml output.
    assert any("<svg" in page and "least at 1701 mm" in page for page in html), "the weight plot"
    assert any("V-120" in page for page in html), "the sized list"
