// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the Psych-DS and BIDS datasets share: the tests they are made of, the
// files they consist of (built in memory, written by the caller in one go),
// and the subject labels used in their file names.

#include <string>
#include <string_view>
#include <vector>

#include "data/document_data.h"
#include "data/folder_io.h"
#include "data/run_timing.h"

namespace alacrity {

// One loaded test data file and the label (its path) it was named by, with
// its timing record when one belongs to it.
struct DatasetTest {
  std::string label;
  const DocumentData* data = nullptr;
  const RunTiming* timing = nullptr;
};

// A file of the dataset: its path inside the dataset's folder and its bytes.
using DatasetFile = FolderFile;

// The subject name as a file name keyword: ASCII letters and digits only
// (accented Latin letters lose their accents), "unnamed" when nothing is left.
std::string SubjectKeyword(std::string_view name);

// One keyword per test, in the order given: the same name gives the same
// keyword; different names that come out alike are told apart by a number
// ("JoDoe", "JoDoe2"), so two people never share one.
std::vector<std::string> SubjectKeywords(const std::vector<DatasetTest>& tests);

// A JSON string literal of UTF-8 text, quotes included.
std::string JsonString(std::string_view utf8);

}  // namespace alacrity
