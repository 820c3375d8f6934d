// CMainFrame: the commands of the result views, copy and export, deletion
// and printing. The view does the work; the frame only routes, and hands
// the dialog bars' list choices to it.

#include <QAction>

#include "alacrityview.h"
#include "commandids.h"
#include "mainframe.h"

namespace alacrity {

void CMainFrame::ConnectResultCommands() {
  const auto route = [this](int id, void (CAlacrityView::*handler)()) {
    if (QAction* action = Action(id)) {
      connect(action, &QAction::triggered, this, [this, handler] {
        (m_view->*handler)();
        // Deleting lines can leave no results, and the View commands need some.
        UpdateCommandStates();
      });
    }
  };
  route(IdResponseByResponse, &CAlacrityView::OnResponseByResponse);
  route(IdSplitSummary, &CAlacrityView::OnSplitSummary);
  route(IdResult, &CAlacrityView::OnResult);
  route(IdDelete, &CAlacrityView::OnDeleteLines);
  route(IdCopy, &CAlacrityView::OnCopy);
  route(IdCopyAll, &CAlacrityView::OnCopyAll);
  route(IdExportCsv, &CAlacrityView::OnExportCsv);
  route(IdFilePrint, &CAlacrityView::OnFilePrint);
  route(IdFilePrintPreview, &CAlacrityView::OnFilePrintPreview);
  route(IdFilePrintSetup, &CAlacrityView::OnFilePrintSetup);
}

void CMainFrame::OnBarSelectionChange(int controlId) {
  if (controlId == IdSplitSizeList) {
    m_view->OnSplitSizeChange();
  } else if (controlId == IdObjectFilterList) {
    m_view->OnObjectFilterChange();
  }
}

}  // namespace alacrity
