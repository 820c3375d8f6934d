#include "cli_support.h"

#include <cstdio>
#include <iostream>
#include <span>

#include "data/file_io.h"
#include "data/test_data_file.h"

namespace alacrity::cli {

std::unique_ptr<DocumentData> NewDocument() {
  return std::make_unique<DocumentData>();
}

std::unique_ptr<DocumentData> LoadTestDataOrReport(const std::filesystem::path& path) {
  auto document = NewDocument();
  const FileOutcome outcome = LoadTestData(path, *document);
  if (!outcome.ok) {
    ReportRefusal(path, outcome.message);
    return nullptr;
  }
  return document;
}

bool WriteOutput(const std::filesystem::path& path, std::string_view bytes) {
  if (path.empty()) {
    const std::size_t written = std::fwrite(bytes.data(), 1, bytes.size(), stdout);
    return written == bytes.size() && std::fflush(stdout) == 0;
  }
  const auto* data = reinterpret_cast<const uint8_t*>(bytes.data());
  if (!WriteFileAtomically(path, std::span<const uint8_t>(data, bytes.size()))) {
    ReportRefusal(path, "File Save Error");
    return false;
  }
  return true;
}

void ReportRefusal(const std::filesystem::path& path, std::string_view message) {
  std::cerr << path.string() << ": " << message << '\n';
}

}  // namespace alacrity::cli
