// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A Psych-DS dataset of many tests: dataset_description.json (schema.org
// Dataset with every column in variableMeasured) and data/ with one CSV file
// per test, named subject-<keyword>_session-<local test time>_data.csv.

#include <string_view>
#include <vector>

#include "results/dataset.h"

namespace alacrity {

std::vector<DatasetFile> MakePsychDsDataset(const std::vector<DatasetTest>& tests,
                                            std::string_view programVersion);

}  // namespace alacrity
