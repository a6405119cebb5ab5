#include "list.h"

#include <cerrno>
#include <cstring>

#include "failure.h"
#include "ordered_pipeline.h"

namespace brenmor::cli {
namespace {

using lists::CsvWriter;
using lists::ListSession;
using lists::RecordBatch;

struct Slot {
  RecordBatch batch;
  CsvWriter out;
  lists::RowCounts counts;
};

bool WriteAll(std::FILE* output, std::string_view text) {
  return std::fwrite(text.data(), 1, text.size(), output) == text.size();
}

}  // namespace

lists::ByteSource FileSource(std::FILE* input) {
  return [input](char* into, std::size_t size) {
    const std::size_t count = std::fread(into, 1, size, input);
    return lists::BytesRead{count, count < size && std::ferror(input) != 0 ? errno : 0};
  };
}

std::string CannotSizeMessage(const lists::ListProblem& problem) {
  std::string said = Message(problem);
  if (problem.kind == lists::ListProblemKind::NoColumn) {
    const std::string letter(Info(*problem.field).letter);
    said += "; add one, or give " + letter + "=VALUE for every row";
  }
  return said;
}

std::string CommaDecimalsMessage(std::uint64_t rows, Spelling spelling) {
  return std::to_string(rows) + " rows have a number with a decimal comma; give " +
         OptionName("decimal-comma", spelling) + " to read them";
}

ListResult SizeList(std::FILE* input, std::FILE* output, const ListOptions& options,
                    Progress& progress) {
  ListSession session(FileSource(input), options);
  if (session.Problem()) throw Failure(options.inputName, CannotSizeMessage(session.Problem()));
  lists::CsvReader& reader = session.Reader();
  const lists::RowSizer& sizer = session.Sizer();

  int writeError = WriteAll(output, session.Header()) ? 0 : errno;
  ListResult result;
  OrderedPipeline<Slot> pipeline(options.threads, 2 * std::size_t{options.threads} + 2,
                                 Slot{{}, session.RowWriter(), {}});
  pipeline.Run(
      [&](Slot& slot) {
        return writeError == 0 &&
               reader.Next(slot.batch, options.rowsPerBatch, ListSession::kBatchBytes);
      },
      [&](Slot& slot) {
        slot.out.Clear();
        slot.counts = {};
        for (const lists::Record& record : slot.batch.records) {
          slot.counts.Add(sizer.SizeRow(slot.batch, record, slot.out));
        }
      },
      [&](Slot& slot) {
        if (writeError == 0 && !WriteAll(output, slot.out.Text())) writeError = errno;
        result.rows += slot.counts.rows;
        result.sized += slot.counts.sized;
        result.commaDecimals += slot.counts.commaDecimals;
        progress.Update(result.rows, slot.batch.bytesRead);
        return writeError == 0;
      });
  progress.Finish();
  if (writeError == 0 && std::fflush(output) != 0) writeError = errno;
  if (writeError != 0) throw Failure(options.outputName, std::strerror(writeError));
  if (reader.ReadError() != 0) throw Failure(options.inputName, std::strerror(reader.ReadError()));
  return result;
}

}  // namespace brenmor::cli
