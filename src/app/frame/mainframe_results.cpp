// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// CMainFrame: the commands of the result views, copy and export, deletion
// and printing. The view does the work; the frame only routes, and hands
// the dialog bars' list choices to it.

#include <QAction>

#include "commandids.h"
#include "frame/mainframe.h"
#include "views/alacrityview.h"

namespace alacrity {

void CMainFrame::ConnectResultCommands() {
  const auto route = [this](int id, auto handler) {
    if (QAction* action = Action(id)) {
      connect(action, &QAction::triggered, this, [this, handler] {
        handler(*m_view);
        // Deleting lines can leave no results, and the View commands need some.
        UpdateCommandStates();
      });
    }
  };
  route(IdResponseByResponse, [](CAlacrityView& view) { view.OnResponseByResponse(); });
  route(IdSplitSummary, [](CAlacrityView& view) { view.OnSplitSummary(); });
  route(IdResult, [](CAlacrityView& view) { view.OnResult(); });
  route(IdStatistics, [](CAlacrityView& view) { view.OnStatistics(); });
  route(IdChart, [](CAlacrityView& view) { view.OnChart(); });
  route(IdDelete, [](CAlacrityView& view) { view.OnDeleteLines(); });
  route(IdCopy, [](CAlacrityView& view) { view.OnCopy(); });
  route(IdCopyAll, [](CAlacrityView& view) { view.OnCopyAll(); });
  route(IdExportCsv, [](CAlacrityView& view) { view.OnExportCsv(); });
  route(IdFilePrint, [](CAlacrityView& view) { view.OnFilePrint(); });
  route(IdFilePrintPreview, [](CAlacrityView& view) { view.OnFilePrintPreview(); });
  route(IdFilePrintSetup, [](CAlacrityView& view) { view.OnFilePrintSetup(); });
}

void CMainFrame::OnBarSelectionChange(int controlId) {
  if (controlId == IdSplitSizeList) {
    m_view->OnSplitSizeChange();
  } else if (controlId == IdObjectFilterList) {
    m_view->OnObjectFilterChange();
  }
}

}  // namespace alacrity
