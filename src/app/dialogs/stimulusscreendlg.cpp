#include "stimulusscreendlg.h"

#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QScreen>
#include <QVBoxLayout>

#include "dialoglayout.h"
#include "stimulusscreen.h"

namespace alacrity {

CStimulusScreenDlg::CStimulusScreenDlg(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Stimulus Screen"));

  auto* label = new QLabel(QStringLiteral("Tests and device checks are shown in full screen on:"), this);
  m_list = new QListWidget(this);
  m_list->setObjectName(QStringLiteral("screenList"));
  label->setBuddy(m_list);

  const QString stored = StoredStimulusScreen();
  auto* mainWindow = new QListWidgetItem(QStringLiteral("The main window's screen"), m_list);
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
    auto* item = new QListWidgetItem(QStringLiteral("%1 - not connected").arg(stored), m_list);
    item->setData(Qt::UserRole, stored);
    m_list->setCurrentItem(item);
  }
  m_list->setMinimumWidth(m_list->sizeHintForColumn(0) + 32);
  connect(m_list, &QListWidget::itemDoubleClicked, this, &CStimulusScreenDlg::accept);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label);
  layout->addWidget(m_list);
  layout->addWidget(MakeOkCancel(this));
}

QString CStimulusScreenDlg::Chosen() const {
  const QListWidgetItem* item = m_list->currentItem();
  return item != nullptr ? item->data(Qt::UserRole).toString() : QString();
}

void CStimulusScreenDlg::accept() {
  StoreStimulusScreen(Chosen());
  QDialog::accept();
}

}  // namespace alacrity
