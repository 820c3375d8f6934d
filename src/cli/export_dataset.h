// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// export --format psych-ds|bids: the test data files as a dataset folder.

#include <string>
#include <vector>

namespace alacrity::cli {

// Nothing is written unless every file was accepted; an existing folder that
// holds files is replaced only with `force`, and only when it is an earlier
// dataset of this program.
int ExportDataset(const std::string& format, const std::vector<std::string>& files,
                  const std::string& folder, bool force);

}  // namespace alacrity::cli
