// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "aboutdlg.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QPolygonF>
#include <QPushButton>
#include <QVBoxLayout>

#include "data/enums.h"
#include "dialoglayout.h"
#include "program/legal_notice.h"

namespace alacrity {

namespace {

QColor ToColor(StimulusColor color) {
  const Rgb rgb = StimulusColorRgb(Code(color));
  return {rgb.red, rgb.green, rgb.blue};
}

// The licence's full text, built into the program so that it can be read
// wherever the program was copied to.
QString LicenceText() {
  QFile file(QStringLiteral(":/licenses/GPL-3.0-or-later.txt"));
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// A window of its own beside the About box, closed with it.
void ShowLicence(QWidget* about) {
  auto* window = new QDialog(about);
  window->setObjectName(QStringLiteral("licenceText"));
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->setWindowTitle(CAboutDlg::tr("License"));
  auto* text = new QPlainTextEdit(LicenceText(), window);
  text->setReadOnly(true);
  text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  // Wide enough for the licence's lines of up to 80 characters.
  text->setMinimumWidth(text->fontMetrics().horizontalAdvance(QString(82, QLatin1Char('M'))));
  text->setMinimumHeight(text->fontMetrics().lineSpacing() * 30);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, window);
  QObject::connect(buttons, &QDialogButtonBox::rejected, window, &QDialog::reject);
  auto* layout = new QVBoxLayout(window);
  layout->addWidget(text);
  layout->addWidget(buttons);
  window->show();
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
  // The notice every program prints with --version, in its own words: it is
  // the legal text, and one text for all programs.
  auto* licence = new QLabel(QString::fromUtf8(LegalNotice()), this);
  licence->setObjectName(QStringLiteral("licence"));
  licence->setTextInteractionFlags(Qt::TextSelectableByMouse);

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
  QPushButton* licenceText = buttons->addButton(tr("&License..."), QDialogButtonBox::HelpRole);
  licenceText->setObjectName(QStringLiteral("showLicence"));
  licenceText->setAutoDefault(false);  // Enter stays OK
  connect(licenceText, &QPushButton::clicked, this, [this] { ShowLicence(this); });

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace alacrity
