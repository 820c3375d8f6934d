// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A BIDS dataset of behavioural files, for labs that keep EEG or MRI beside
// the reaction times: dataset_description.json, README, participants.tsv and
// .json, and per subject sub-<label>_scans.tsv and
// beh/sub-<label>_task-choicert_run-<n>_beh.tsv with a JSON sidecar each. A
// subject's runs are numbered from 1 in the order of their test times.

#include <string_view>
#include <vector>

#include "results/dataset.h"

namespace alacrity {

std::vector<DatasetFile> MakeBidsDataset(const std::vector<DatasetTest>& tests,
                                         std::string_view programVersion);

}  // namespace alacrity
