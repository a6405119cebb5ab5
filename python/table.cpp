#include "table.h"

#include <cerrno>
#include <cstdio>
#include <memory>

#include "arguments.h"
#include "column_sink.h"
#include "failure.h"
#include "frame_source.h"
#include "list.h"
#include "list_session.h"

namespace brenmor::python {
namespace {

using Kind = ColumnSink::Kind;

// The rows' options from the keywords, each read as brenmor-size reads it.
struct ListArguments {
  ValueArguments values;
  OptionArguments options;
  py::object decimalComma;
  py::object delimiter;

  lists::RowOptions Read() const {
    if (!PyBool_Check(decimalComma.ptr())) {
      throw py::type_error("decimal_comma takes True or False");
    }
    lists::RowOptions rows;
    rows.mark = decimalComma.cast<bool>() ? DecimalMark::Comma : DecimalMark::Point;
    rows.delimiter = cli::ReadDelimiter(OptionText("delimiter", delimiter, false), rows.mark,
                                        cli::Spelling::Keyword);
    rows.given = values.Read(rows.mark);
    rows.design = cli::ReadDesignOptions(options.Texts(), cli::Spelling::Keyword);
    return rows;
  }
};

// The kinds of the output's columns: the input's, then those the list adds.
std::vector<Kind> KindsOf(std::vector<Kind> input) {
  for (const ResultColumn& column : ResultColumns()) {
    input.push_back(column.kind == ColumnKind::Figure ? Kind::Number : Kind::Text);
  }
  return input;
}

// What brenmor-size says on standard error beside its rows.
void Warn(const std::string& said) {
  if (PyErr_WarnEx(PyExc_UserWarning, said.c_str(), 2) != 0) throw py::error_already_set();
}

// Sizes every row of the session into columns, without the GIL; the list's
// own problem, and a failure to read it, are a ValueError and an OSError.
py::object SizeRows(lists::ListSession& session, std::vector<Kind> inputKinds,
                    const lists::RowOptions& options, const FrameSource* frame,
                    const std::string& name, const std::string& columnsTaken) {
  if (session.Problem()) throw cli::Failure(cli::CannotSizeMessage(session.Problem()));
  if (!columnsTaken.empty()) Warn(columnsTaken);
  lists::CellList header;
  session.WriteHeader(header);
  const std::size_t inputColumns = header.cells.size() - ResultColumns().size();
  inputKinds.resize(inputColumns, Kind::Inferred);
  ColumnSink sink(KindsOf(std::move(inputKinds)), options.mark,
                  frame == nullptr ? 0 : frame->Rows(), frame, inputColumns);
  lists::CellSink& out = sink;  // the writer the sizer was built for
  lists::RowCounts counts;
  {
    py::gil_scoped_release unlocked;
    lists::RecordBatch batch;
    while (session.Reader().Next(batch, 4096, lists::ListSession::kBatchBytes)) {
      for (const lists::Record& record : batch.records) {
        sink.StartRow(record.line, record.fault == lists::RecordFault::None);
        counts.Add(session.Sizer().SizeRow(batch, record, out));
      }
    }
  }
  if (const int error = session.Reader().ReadError()) {
    errno = error;
    PyErr_SetFromErrnoWithFilename(PyExc_OSError, name.c_str());
    throw py::error_already_set();
  }
  if (counts.commaDecimals > 0) {
    Warn(cli::CommaDecimalsMessage(counts.commaDecimals, cli::Spelling::Keyword));
  }
  return sink.Frame(header.cells);
}

// The options, with the columns taken by their words noted in `taken`.
lists::RowOptions Noting(lists::RowOptions options, std::string& taken) {
  options.noteColumns = [&taken](const std::string& note) { taken = note; };
  return options;
}

py::object SizeFile(const std::string& path, const lists::RowOptions& options) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) {
    PyErr_SetFromErrnoWithFilename(PyExc_OSError, path.c_str());
    throw py::error_already_set();
  }
  const std::unique_ptr<std::FILE, int (*)(std::FILE*)> closer(file, &std::fclose);
  std::string taken;
  lists::ListSession session(cli::FileSource(file), Noting(options, taken));
  return SizeRows(session, {}, options, nullptr, path, taken);
}

py::object SizeFrame(const py::object& frame, const lists::RowOptions& options) {
  FrameSource source(frame, options.delimiter, options.mark);
  std::string taken;
  lists::ListSession session(source.Bytes(), Noting(options, taken));
  std::vector<Kind> kinds;
  for (const bool numeric : source.NumberColumns())
    kinds.push_back(numeric ? Kind::Number : Kind::Text);
  return SizeRows(session, std::move(kinds), options, &source, "DataFrame", taken);
}

py::object SizeList(const py::object& table, const ListArguments& arguments) {
  const lists::RowOptions options = arguments.Read();
  const py::object pandas = py::module_::import("pandas");
  if (py::isinstance(table, pandas.attr("DataFrame"))) return SizeFrame(table, options);
  const py::object os = py::module_::import("os");
  if (py::isinstance<py::str>(table) || py::isinstance(table, os.attr("PathLike"))) {
    return SizeFile(os.attr("fsdecode")(table).cast<std::string>(), options);
  }
  throw py::type_error("table takes a pandas DataFrame or the path of a CSV file, not " +
                       py::str(py::type::of(table).attr("__name__")).cast<std::string>());
}

}  // namespace

void BindTable(py::module_& module) {
  const OptionKeywords o = DefaultOptionKeywords();
  module.def(
      "size_list",
      [](const py::object& table, const py::object& P, const py::object& C, const py::object& S,
         const py::object& E, const py::object& V, const py::object& decimalComma,
         const py::object& delimiter, const py::object& head, const py::object& plateStep,
         const py::object& density, const py::object& orientation, const py::object& costIndex,
         const py::object& materialFactor) {
        return SizeList(table, {{P, C, S, E, V},
                                {head, plateStep, density, orientation, costIndex, materialFactor},
                                decimalComma,
                                delimiter});
      },
      "Sizes every row of a list: a pandas DataFrame, or the path of a CSV file, whose "
      "columns are named as brenmor-size reads a list's header. Returns a DataFrame with "
      "the columns of brenmor-size --csv. P, C, S, E and V give a value for every row, for "
      "a field the list has no column for.",
      py::arg("table"), py::kw_only(), py::arg("P") = py::none(), py::arg("C") = py::none(),
      py::arg("S") = py::none(), py::arg("E") = py::none(), py::arg("V") = py::none(),
      py::arg("decimal_comma") = false, py::arg("delimiter") = py::none(), o.head, o.plateStep,
      o.density, o.orientation, o.costIndex, o.materialFactor);
}

}  // namespace brenmor::python
