// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/stimulusscreendlg.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>
#include <QSpinBox>
#include <QVBoxLayout>

#include <optional>

#include "dialogs/dialoglayout.h"
#include "dialogs/lightsensor.h"
#include "dialogs/messagebox.h"
#include "dialogs/stimulusscreen.h"
#include "dialogs/subjecttexts.h"
#include "report/displaynumbers.h"

namespace alacrity {
namespace {

struct PanelLagEntry {
  bool valid = false;
  std::optional<double> lagMs;  // none: not measured
};

// Milliseconds with either decimal sign; empty is not measured.
PanelLagEntry ParsePanelLag(QString text) {
  text = text.trimmed();
  if (text.isEmpty()) return {true, std::nullopt};
  bool ok = false;
  const double lagMs = text.replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
  if (!ok || !(lagMs >= 0.0 && lagMs <= MaxPanelLagMs)) return {};
  return {true, lagMs};
}

}  // namespace

CStimulusScreenDlg::CStimulusScreenDlg(QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("Stimulus Screen"));

  auto* label = new QLabel(tr("&Tests and device checks are shown in full screen on:"), this);
  m_list = new QListWidget(this);
  m_list->setObjectName(QStringLiteral("screenList"));
  label->setBuddy(m_list);

  const QString stored = StoredStimulusScreen();
  auto* mainWindow = new QListWidgetItem(tr("The main window's screen"), m_list);
  mainWindow->setData(Qt::UserRole, QString());
  m_list->setCurrentItem(mainWindow);
  for (const QScreen* screen : QGuiApplication::screens()) {
    auto* item = new QListWidgetItem(DescribeScreen(*screen), m_list);
    item->setData(Qt::UserRole, screen->name());
    if (screen->name() == stored) m_list->setCurrentItem(item);
  }
  // A chosen screen that is not connected now stays chosen until the
  // operator picks another: it may be switched off only for the moment.
  if (!stored.isEmpty() && FindScreen(stored) == nullptr) {
    auto* item = new QListWidgetItem(tr("%1 - not connected").arg(stored), m_list);
    item->setData(Qt::UserRole, stored);
    m_list->setCurrentItem(item);
  }
  m_list->setMinimumWidth(m_list->sizeHintForColumn(0) + 32);
  connect(m_list, &QListWidget::itemDoubleClicked, this, &CStimulusScreenDlg::accept);

  // Each interface language keeps its own prompt, so a lab that tests in
  // two languages words both.
  auto* promptLabel =
      new QLabel(tr("Start &prompt the subject reads (%1):").arg(InterfaceLanguage()), this);
  m_prompt = new QLineEdit(StoredStartPrompt(InterfaceLanguage()), this);
  m_prompt->setObjectName(QStringLiteral("startPrompt"));
  m_prompt->setPlaceholderText(DefaultStartPrompt());
  promptLabel->setBuddy(m_prompt);

  // What the display's presented times cannot hold: the panel's own lag,
  // added to them in the timing record.
  auto* lagLabel = new QLabel(tr("Panel &lag measured with a light sensor (ms):"), this);
  m_panelLag = new QLineEdit(this);
  m_panelLag->setObjectName(QStringLiteral("panelLag"));
  m_panelLag->setPlaceholderText(tr("not measured"));
  if (const std::optional<double> lagMs = StoredPanelLagMs()) {
    m_panelLag->setText(DisplayFigure(QString::number(*lagMs, 'g', 6)));
  }
  lagLabel->setBuddy(m_panelLag);

  // Where a box's light sensor is taped: the marker turns white with each
  // stimulus and black with the background.
  const LightMarker marker = StoredLightMarker();
  auto* cornerLabel = new QLabel(tr("Light sensor's marker, &corner:"), this);
  m_markerCorner = new QComboBox(this);
  m_markerCorner->setObjectName(QStringLiteral("markerCorner"));
  for (int i = 0; i < MarkerCornerCount; ++i) {
    m_markerCorner->addItem(MarkerCornerText(static_cast<MarkerCorner>(i)), i);
  }
  m_markerCorner->setCurrentIndex(static_cast<int>(marker.corner));
  cornerLabel->setBuddy(m_markerCorner);
  auto* sizeLabel = new QLabel(tr("Light sensor's marker, si&ze (pixels):"), this);
  m_markerSize = new QSpinBox(this);
  m_markerSize->setObjectName(QStringLiteral("markerSize"));
  m_markerSize->setRange(MinMarkerSizePx, MaxMarkerSizePx);
  m_markerSize->setValue(marker.sizePx);
  sizeLabel->setBuddy(m_markerSize);
  auto* markerLayout = new QGridLayout;
  markerLayout->addWidget(cornerLabel, 0, 0);
  markerLayout->addWidget(m_markerCorner, 0, 1);
  markerLayout->addWidget(sizeLabel, 1, 0);
  markerLayout->addWidget(m_markerSize, 1, 1);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label);
  layout->addWidget(m_list);
  layout->addWidget(promptLabel);
  layout->addWidget(m_prompt);
  layout->addWidget(lagLabel);
  layout->addWidget(m_panelLag);
  layout->addLayout(markerLayout);
  layout->addWidget(MakeOkCancel(this));
}

QString CStimulusScreenDlg::Chosen() const {
  const QListWidgetItem* item = m_list->currentItem();
  return item != nullptr ? item->data(Qt::UserRole).toString() : QString();
}

void CStimulusScreenDlg::accept() {
  const PanelLagEntry entry = ParsePanelLag(m_panelLag->text());
  if (!entry.valid) {
    ShowMessageBox(this, tr("Enter the panel's lag in milliseconds, from 0 to %1, or leave it "
                            "empty while it is not measured.")
                             .arg(MaxPanelLagMs));
    m_panelLag->setFocus();
    m_panelLag->selectAll();
    return;
  }
  StorePanelLagMs(entry.lagMs);
  StoreLightMarker({static_cast<MarkerCorner>(m_markerCorner->currentData().toInt()),
                    m_markerSize->value()});
  StoreStimulusScreen(Chosen());
  StoreStartPrompt(InterfaceLanguage(), m_prompt->text());
  QDialog::accept();
}

}  // namespace alacrity
