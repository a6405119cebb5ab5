#include "csv_reader.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "brenmor/numbers/number_text.h"

namespace brenmor::lists {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::size_t kBlockSize = std::size_t{1} << 16;
constexpr std::size_t kNoPosition = std::string::npos;

bool IsLineEnd(char c) { return c == '\n' || c == '\r'; }

std::string_view LineEndOf(std::string_view data) {
  const std::size_t end = data.find_first_of("\r\n");
  if (end == std::string_view::npos || data[end] == '\n') return "\n";
  return data.substr(end + 1).starts_with('\n') ? "\r\n" : "\r";
}

}  // namespace

// One record read from the unread input into a batch. When the input in
// hand ends before the record does, the batch is left as it was, to be
// parsed again once more input is in.
class CsvReader::Parse {
 public:
  Parse(CsvReader& reader, RecordBatch& batch)
      : reader_(reader),
        batch_(batch),
        in_(reader.buffer_),
        at_(reader.pos_),
        line_(reader.line_),
        textMark_(batch.text.size()) {
    record_.line = line_;
    record_.firstCell = batch.cellEnds.size();
  }

  Outcome Run() {
    if (at_ == in_.size()) return reader_.atEnd_ ? Outcome::End : Outcome::NeedMore;
    for (;;) {
      if (at_ == in_.size() && !reader_.atEnd_) return Undo();
      const Step step = at_ < in_.size() && in_[at_] == '"' ? QuotedCell() : PlainCell();
      if (step == Step::NeedMore) return Undo();
      if (step == Step::Fault) return Outcome::Read;
      batch_.cellEnds.push_back(batch_.text.size());
      ++record_.cellCount;
      if (at_ == in_.size()) return reader_.atEnd_ ? Finish() : Undo();
      if (in_[at_] == reader_.delimiter_) {
        ++at_;
        continue;
      }
      if (!LineEnd()) return Undo();
      return Finish();
    }
  }

 private:
  enum class Step { Cell, NeedMore, Fault };

  bool More() const { return !reader_.atEnd_; }
  bool PastBound() const { return at_ - reader_.pos_ > kMaxRecordBytes; }

  Step PlainCell() {
    std::size_t end = at_;
    while (end < in_.size() && in_[end] != reader_.delimiter_ && !IsLineEnd(in_[end])) ++end;
    batch_.text.append(in_, at_, end - at_);
    at_ = end;
    if (PastBound()) return Fault(RecordFault::LineTooLong, line_, kNoPosition);
    return at_ == in_.size() && More() ? Step::NeedMore : Step::Cell;
  }

  Step QuotedCell() {
    const std::uint64_t quoteLine = line_;
    std::size_t nextLine = kNoPosition;  // where the line after the quote's begins
    ++at_;
    for (;;) {
      if (PastBound()) return Fault(RecordFault::QuotedTooLong, quoteLine, nextLine);
      if (at_ == in_.size()) {
        return More() ? Step::NeedMore : Fault(RecordFault::UnclosedQuote, quoteLine, nextLine);
      }
      const char c = in_[at_];
      if (c == '"') {
        if (at_ + 1 == in_.size() && More()) return Step::NeedMore;
        if (at_ + 1 == in_.size() || in_[at_ + 1] != '"') break;
        batch_.text += '"';
        at_ += 2;
      } else if (IsLineEnd(c)) {
        const std::size_t from = at_;
        if (!LineEnd()) return Step::NeedMore;
        batch_.text.append(in_, from, at_ - from);
        if (nextLine == kNoPosition) nextLine = at_;
      } else {
        const std::size_t end = std::min(in_.find_first_of("\"\r\n", at_), in_.size());
        batch_.text.append(in_, at_, end - at_);
        at_ = end;
      }
    }
    ++at_;  // the closing quote
    // Text after it means the quote did not close what it opened: the lines
    // the cell ran over are read again as rows.
    if (at_ < in_.size() && in_[at_] != reader_.delimiter_ && !IsLineEnd(in_[at_])) {
      return Fault(RecordFault::TextAfterQuote, quoteLine, nextLine);
    }
    return Step::Cell;
  }

  // Passes a line end, a CR and an LF after it being one. False when the
  // input in hand ends on a CR that an LF may follow.
  bool LineEnd() {
    if (in_[at_] == '\r' && at_ + 1 == in_.size() && More()) return false;
    at_ += in_[at_] == '\r' && at_ + 1 < in_.size() && in_[at_ + 1] == '\n' ? 2 : 1;
    ++line_;
    return true;
  }

  // The record ends at the fault, with the cells before it. Reading goes on
  // at `resume` (the line after an unclosed quote's) or else after the line
  // the fault is on.
  Step Fault(RecordFault fault, std::uint64_t faultLine, std::size_t resume) {
    batch_.text.resize(batch_.cellEnds.empty() || batch_.cellEnds.size() == record_.firstCell
                           ? textMark_
                           : batch_.cellEnds.back());
    record_.fault = fault;
    record_.faultLine = faultLine;
    batch_.records.push_back(record_);
    if (resume != kNoPosition) {
      reader_.Resume(resume, faultLine + 1);
    } else {
      reader_.Resume(at_, line_);
      reader_.SkipLine();
    }
    return Step::Fault;
  }

  // A record of blank cells is a blank line, as a spreadsheet writes one.
  Outcome Finish() {
    const std::string_view text = std::string_view(batch_.text).substr(textMark_);
    reader_.Resume(at_, line_);
    if (TrimBlanks(text).empty()) {
      batch_.cellEnds.resize(record_.firstCell);
      batch_.text.resize(textMark_);
    } else {
      batch_.records.push_back(record_);
    }
    return Outcome::Read;
  }

  Outcome Undo() {
    batch_.text.resize(textMark_);
    batch_.cellEnds.resize(record_.firstCell);
    return Outcome::NeedMore;
  }

  CsvReader& reader_;
  RecordBatch& batch_;
  const std::string& in_;
  std::size_t at_;
  std::uint64_t line_;
  std::size_t textMark_;
  Record record_;
};

bool CsvReader::Next(RecordBatch& batch, std::size_t records, std::size_t bytes) {
  batch.text.clear();
  batch.cellEnds.clear();
  batch.records.clear();
  while (batch.records.size() < records && batch.text.size() < bytes && failure_ == 0) {
    const Outcome outcome = ParseRecord(batch);
    if (outcome == Outcome::End) break;
    // A record longer than the input in hand: read as much again.
    if (outcome == Outcome::NeedMore && !Refill(buffer_.size() - pos_)) break;
  }
  batch.bytesRead = bytesRead_;
  return !batch.records.empty();
}

CsvReader::Outcome CsvReader::ParseRecord(RecordBatch& batch) { return Parse(*this, batch).Run(); }

void CsvReader::Resume(std::size_t at, std::uint64_t line) {
  pos_ = at;
  line_ = line;
}

// Passes what is left of the line at `pos_` and its line end, reading on
// without holding what it passes.
bool CsvReader::SkipLine() {
  for (;;) {
    const std::size_t end = buffer_.find_first_of("\r\n", pos_);
    if (end != std::string::npos &&
        !(buffer_[end] == '\r' && end + 1 == buffer_.size() && !atEnd_)) {
      const bool crlf =
          buffer_[end] == '\r' && end + 1 < buffer_.size() && buffer_[end + 1] == '\n';
      Resume(end + (crlf ? 2 : 1), line_ + 1);
      return true;
    }
    if (end == std::string::npos) pos_ = buffer_.size();
    if (atEnd_) return true;
    if (!Refill(0)) return false;
  }
}

bool CsvReader::Refill(std::size_t atLeast) {
  if (readError_ != 0) {
    failure_ = readError_;
    return false;
  }
  buffer_.erase(0, pos_);
  pos_ = 0;
  const std::size_t kept = buffer_.size();
  const std::size_t wanted = std::max(kBlockSize, atLeast);
  buffer_.resize(kept + wanted);
  const BytesRead read = input_(buffer_.data() + kept, wanted);
  const std::size_t got = read.count;
  buffer_.resize(kept + got);
  if (got < wanted) {
    // What came before an error is read first; the error ends the next read.
    if (read.error != 0) {
      readError_ = read.error;
      if (got == 0) return Refill(0);
    } else {
      atEnd_ = true;
    }
  }
  if (bytesRead_ == 0 && got > 0) {
    if (std::string_view(buffer_).starts_with(kByteOrderMark)) {
      byteOrderMark_ = true;
      pos_ = kByteOrderMark.size();
    }
    firstLineEnd_ = LineEndOf(std::string_view(buffer_).substr(pos_));
  }
  bytesRead_ += got;
  return true;
}

ByteSource TextSource(std::string_view text) {
  return [text, at = std::size_t{0}](char* into, std::size_t size) mutable {
    const std::string_view part = text.substr(at, size);
    std::copy(part.begin(), part.end(), into);
    at += part.size();
    return BytesRead{part.size(), 0};
  };
}

}  // namespace brenmor::lists
