// Runs brenmor-size as a user would, on in-memory streams: its exit status
// and what it wrote to standard output and standard error.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "app.h"

struct Ran {
  int status;
  std::string out;
  std::string err;
};

inline std::string Drain(std::FILE* file) {
  std::string text;
  std::rewind(file);
  for (int c = std::fgetc(file); c != EOF; c = std::fgetc(file)) text += static_cast<char>(c);
  std::fclose(file);
  return text;
}

// `input` is what standard input holds, for "--csv -".
inline Ran RunBrenmorSize(const std::vector<std::string>& args, std::string_view input = {}) {
  std::FILE* in = std::tmpfile();
  if (!input.empty()) std::fwrite(input.data(), 1, input.size(), in);
  std::rewind(in);
  brenmor::cli::Streams streams{in, std::tmpfile(), std::tmpfile(), nullptr};
  const int status = brenmor::cli::Run(args, streams);
  std::fclose(in);
  return {status, Drain(streams.output), Drain(streams.errors)};
}
