// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "aboutdlg.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QPushButton>
#include <QVBoxLayout>

#include "data/enums.h"
#include "dialoglayout.h"

namespace alacrity {

namespace {

QColor ToColor(StimulusColor color) {
  const Rgb rgb = StimulusColorRgb(Code(color));
  return {rgb.red, rgb.green, rgb.blue};
}

}  // namespace

QString AboutVersionText() {
  return CAboutDlg::tr("alacrity Version %1").arg(QStringLiteral(ALACRITY_VERSION));
}

QPixmap DrawAboutPicture(int size) {
  QPixmap picture(size, size);
  picture.fill(Qt::white);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);

  // Four cells, one shape each, in the colours of the built-in configuration.
  const qreal cell = size / 2.0;
  const qreal margin = cell * 0.15;
  auto area = [&](int column, int row) {
    return QRectF(column * cell + margin, row * cell + margin, cell - 2 * margin, cell - 2 * margin);
  };

  painter.setBrush(ToColor(StimulusColor::Green));
  painter.drawEllipse(area(0, 0));

  const QRectF crossArea = area(1, 0);
  const qreal bar = crossArea.width() / 3;
  painter.setBrush(ToColor(StimulusColor::Yellow));
  painter.drawRect(QRectF(crossArea.left() + bar, crossArea.top(), bar, crossArea.height()));
  painter.drawRect(QRectF(crossArea.left(), crossArea.top() + bar, crossArea.width(), bar));

  painter.setBrush(ToColor(StimulusColor::Red));
  painter.drawRect(area(0, 1));

  const QRectF triangleArea = area(1, 1);
  painter.setBrush(ToColor(StimulusColor::Blue));
  painter.drawPolygon(QPolygonF({QPointF(triangleArea.center().x(), triangleArea.top()),
                                 triangleArea.bottomRight(), triangleArea.bottomLeft()}));

  // Yellow on white needs an edge to be seen.
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(Qt::darkGray, 1));
  painter.drawRect(QRectF(0.5, 0.5, size - 1.0, size - 1.0));
  return picture;
}

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("About alacrity"));

  auto* picture = new QLabel(this);
  picture->setObjectName(QStringLiteral("picture"));
  picture->setPixmap(DrawAboutPicture(64));
  picture->setAlignment(Qt::AlignTop);

  auto* version = new QLabel(AboutVersionText(), this);
  version->setObjectName(QStringLiteral("version"));
  auto* purpose = new QLabel(tr("Reaction-time measurement"), this);
  auto* method = new QLabel(tr("Visual stimuli, four-button response box"), this);
  auto* licence = new QLabel(tr("License %1").arg(QStringLiteral(ALACRITY_LICENSE)), this);
  licence->setObjectName(QStringLiteral("licence"));

  auto* texts = new QVBoxLayout;
  texts->addWidget(version);
  texts->addWidget(purpose);
  texts->addWidget(method);
  texts->addWidget(licence);
  texts->addStretch();

  auto* top = new QHBoxLayout;
  top->addWidget(picture);
  top->addSpacing(12);
  top->addLayout(texts);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
  ok->setText(DialogText(QT_TRANSLATE_NOOP("Dialog", "OK")));
  ok->setObjectName(QStringLiteral("1"));
  ok->setDefault(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace alacrity
