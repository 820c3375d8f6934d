// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// CAlacrityView: the analysis views beside the result views. The Statistics
// view shows the robust figures of alacrity-cli summary in a table, the
// Chart view the test's charts; both take their figures from the core and
// fill the view under the header block.

#include <QResizeEvent>

#include "alacritylist.h"
#include "alacrityview.h"
#include "chartpanel.h"
#include "commandids.h"
#include "mainframe.h"
#include "results/chart_figures.h"
#include "statisticstable.h"

namespace alacrity {
namespace {

// Under the header block, to the view's edges less a margin.
QRect AnalysisPlace(const QSize& view) {
  return {10, 70, std::max(0, view.width() - 20), std::max(0, view.height() - 80)};
}

}  // namespace

void CAlacrityView::PlaceAnalysisPanel(QWidget& panel) {
  m_list->setGeometry(0, 0, 0, 0);
  m_list->hide();
  for (QWidget* other : {static_cast<QWidget*>(m_statistics), static_cast<QWidget*>(m_charts)}) {
    if (other != &panel) other->hide();
  }
  panel.setGeometry(AnalysisPlace(size()));
  panel.show();
}

void CAlacrityView::HideAnalysisPanels() {
  m_statistics->hide();
  m_charts->hide();
}

void CAlacrityView::resizeEvent(QResizeEvent* event) {
  // A resized test screen is filled with its background again.
  m_testBackgroundShown = false;
  m_figureAreaBackground.reset();
  QWidget::resizeEvent(event);
  const QRect place = AnalysisPlace(event->size());
  if (m_statistics->isVisible()) m_statistics->setGeometry(place);
  if (m_charts->isVisible()) m_charts->setGeometry(place);
}

void CAlacrityView::OnStatistics() {
  if (Mode() == Statistics) return;
  m_frame.RemoveDialogBar();
  m_frame.ShowDialogBar(StatisticsBarTemplate);
  m_controller.SetMode(Statistics);
  // No list rows stand behind this view: nothing of an earlier view may be
  // printed or copied from here.
  m_list->ResetList();
  m_statistics->Fill(m_context.data.results);
  PlaceAnalysisPanel(*m_statistics);
  Repaint();
}

void CAlacrityView::OnChart() {
  if (Mode() == Chart) return;
  m_frame.RemoveDialogBar();
  m_controller.SetMode(Chart);
  m_list->ResetList();
  m_charts->Show(BuildChartFigures(m_context.data.results, m_context.data.runConfiguration));
  PlaceAnalysisPanel(*m_charts);
  Repaint();
}

}  // namespace alacrity
