// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data_files.h"

#include <sys/stat.h>

#include <algorithm>

#include "data/file_io.h"
#include "results/timing_csv_file.h"
#include "results/timing_report.h"
#include "toolsupport/cli_support.h"

namespace alacrity::cli {

bool SaveTestDataOrReport(const std::filesystem::path& path, DocumentData& data,
                          const RunTiming* timing) {
  const DataFileSave saved = SaveTestDataAndTiming(path, data, timing);
  if (!saved.data.ok) {
    ReportRefusal(path, saved.data.message);
    return false;
  }
  if (!saved.timingFailure.empty()) {
    ReportRefusal(TimingCsvPathFor(path),
                  WithFailure("the timing record could not be written", saved.timingFailure));
    return false;
  }
  return true;
}

std::vector<std::string> EachFileOnce(const std::vector<std::string>& files) {
  struct Taken {
    dev_t device;
    ino_t inode;
    const std::string* name;
  };
  std::vector<Taken> taken;
  std::vector<std::string> distinct;
  for (const std::string& file : files) {
    struct stat info {};
    if (::stat(file.c_str(), &info) == 0) {
      const auto twin = std::find_if(taken.begin(), taken.end(), [&](const Taken& t) {
        return t.device == info.st_dev && t.inode == info.st_ino;
      });
      if (twin != taken.end()) {
        ReportRefusal(file, "is the same file as " + *twin->name + "; taken once");
        continue;
      }
      taken.push_back({info.st_dev, info.st_ino, &file});
    }
    distinct.push_back(file);
  }
  return distinct;
}

}  // namespace alacrity::cli
