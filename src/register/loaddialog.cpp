// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "loaddialog.h"

#include <QCommandLinkButton>
#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "prsrg.h"

namespace prsrg {

namespace {

constexpr int MaxPathCharacters = 90;

}  // namespace

LoadDialog::LoadDialog(const QString& subjectName, const QString& subjectDirectory, QWidget* parent)
    : QDialog(parent) {
  setObjectName(QStringLiteral("loadDialog"));
  setWindowTitle(tr("Open test data"));

  auto* question = new QLabel(tr("Where is the test data file?"), this);

  const bool haveSubject = !subjectName.isEmpty();
  // A path does not wrap: the dialog grows to show it whole, up to a width
  // beyond which its middle is left out.
  const int widest = fontMetrics().averageCharWidth() * MaxPathCharacters;
  const QString path =
      fontMetrics().elidedText(QDir::toNativeSeparators(subjectDirectory), Qt::ElideMiddle, widest);
  m_subjectDirectory =
      new QCommandLinkButton(tr("In the subject's directory"),
                             !haveSubject                 ? tr("No subject is chosen.")
                             : subjectDirectory.isEmpty() ? subjectName
                                                          : tr("%1\n%2").arg(subjectName, path),
                             this);
  m_subjectDirectory->setObjectName(QStringLiteral("subjectDirectoryButton"));
  m_subjectDirectory->setEnabled(haveSubject);

  m_dataDirectory =
      new QCommandLinkButton(tr("In the data directory"), tr("Files of any subject"), this);
  m_dataDirectory->setObjectName(QStringLiteral("dataDirectoryButton"));

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancelButton"));

  connect(m_subjectDirectory, &QCommandLinkButton::clicked, this,
          [this] { done(PrsrgLoadFromSubjectDirectory); });
  connect(m_dataDirectory, &QCommandLinkButton::clicked, this,
          [this] { done(PrsrgLoadFromDataDirectory); });
  connect(buttons, &QDialogButtonBox::rejected, this, [this] { done(PrsrgLoadCancelled); });

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(question);
  layout->addWidget(m_subjectDirectory);
  layout->addWidget(m_dataDirectory);
  layout->addWidget(buttons);
  // Room for the icon and the button's margins beside the path.
  const int pathWidth = fontMetrics().horizontalAdvance(path) + 8 * fontMetrics().height();
  setMinimumWidth(std::max(fontMetrics().averageCharWidth() * 56, pathWidth));

  (haveSubject ? m_subjectDirectory : m_dataDirectory)->setDefault(true);
}

}  // namespace prsrg
