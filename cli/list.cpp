#include "list.h"

#include <cerrno>
#include <cstring>

#include "failure.h"
#include "ordered_pipeline.h"

namespace brenmor::cli {
namespace {

using lists::CsvReader;
using lists::CsvWriter;
using lists::Record;
using lists::RecordBatch;
using lists::RowSizer;

// The list's bytes from a file or stream; an error keeps the errno it had.
lists::ByteSource FileSource(std::FILE* input) {
  return [input](char* into, std::size_t size) {
    const std::size_t count = std::fread(into, 1, size, input);
    return lists::BytesRead{count, count < size && std::ferror(input) != 0 ? errno : 0};
  };
}

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
// A batch also ends at this much text, so that long cells cannot make a
// ring of batches large.
constexpr std::size_t kBatchBytes = std::size_t{1} << 20;

struct Slot {
  RecordBatch batch;
  CsvWriter out;
  ListResult counts;
};

bool WriteAll(std::FILE* output, std::string_view text) {
  return std::fwrite(text.data(), 1, text.size(), output) == text.size();
}

}  // namespace

ListResult SizeList(std::FILE* input, std::FILE* output, const ListOptions& options,
                    Progress& progress) {
  CsvReader reader(FileSource(input), options.delimiter);
  RecordBatch first;
  if (!reader.Next(first, 1, kBatchBytes)) {
    if (!reader.Failure().empty()) throw Failure(options.inputName, reader.Failure());
    throw Failure(options.inputName, "the list has no header line");
  }
  const RowSizer sizer(first, first.records.front(), options);
  if (!sizer.Problem().empty()) throw Failure(options.inputName, sizer.Problem());
  CsvWriter header(options.delimiter, reader.FirstLineEnd());
  if (reader.ByteOrderMark()) header.Text() = kByteOrderMark;
  sizer.WriteHeader(first, first.records.front(), header);

  int writeError = WriteAll(output, header.Text()) ? 0 : errno;
  ListResult result;
  OrderedPipeline<Slot> pipeline(options.threads, 2 * std::size_t{options.threads} + 2,
                                 Slot{{}, header, {}});
  pipeline.Run(
      [&](Slot& slot) {
        return writeError == 0 && reader.Next(slot.batch, options.rowsPerBatch, kBatchBytes);
      },
      [&](Slot& slot) {
        slot.out.Text().clear();
        slot.counts = {slot.batch.records.size(), 0};
        for (const Record& record : slot.batch.records) {
          slot.counts.sized += sizer.SizeRow(slot.batch, record, slot.out) ? 1 : 0;
        }
      },
      [&](Slot& slot) {
        if (writeError == 0 && !WriteAll(output, slot.out.Text())) writeError = errno;
        result.rows += slot.counts.rows;
        result.sized += slot.counts.sized;
        progress.Update(result.rows, slot.batch.bytesRead);
        return writeError == 0;
      });
  progress.Finish();
  if (writeError == 0 && std::fflush(output) != 0) writeError = errno;
  if (writeError != 0) throw Failure(options.outputName, std::strerror(writeError));
  if (!reader.Failure().empty()) throw Failure(options.inputName, reader.Failure());
  return result;
}

}  // namespace brenmor::cli
