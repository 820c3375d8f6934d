// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/customdlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "data/document_data.h"
#include "dialogs/dialoglayout.h"

namespace alacrity {

namespace {

// The look boxes' control ids, the shapes in the order their colours stand.
constexpr LookBoxIds LookIds{
    .colors = {{{ObjectKind::Square, {"1055", "1014", "1015", "1016"}},
                {ObjectKind::Circle, {"1056", "1022", "1023", "1024"}},
                {ObjectKind::Triangle, {"1029", "1030", "1035", "1036"}},
                {ObjectKind::Cross, {"1037", "1038", "1039", "1040"}}}},
    .background = {"1017", "1018", "1019", "1020"},
    .falseResponse = {"1054", "1009"},
    .voice = {"1061", "1011"},
};

}  // namespace

CCustomDlg::CCustomDlg(DocumentData& document, QWidget* parent) : QDialog(parent), m_data(document) {
  setWindowTitle(tr("Custom setup"));
  BuildControls();

  m_configuration = m_data.customConfiguration;
  for (std::size_t object = 0; object < m_generateObject.size(); ++object) {
    m_generateObject[object] = m_data.customConfiguration.generateObject[object];
  }
  m_voice = m_data.customVoice;
  Exchange(DataExchange::Direction::ToControls);
}

TestConfiguration CCustomDlg::UnsetConfiguration() {
  TestConfiguration unset;
  unset.timingMode = -1;
  unset.squareColor = -1;
  unset.circleColor = -1;
  unset.triangleColor = -1;
  unset.crossColor = -1;
  unset.background = -1;
  unset.falseResponse = -1;
  return unset;
}

void CCustomDlg::BuildControls() {
  // Top: the count and how the waiting time is chosen.
  m_stimulusCount = MakeNumberEdit(this, "1025", 4);
  auto* countRow = new QHBoxLayout;
  auto* countLabel = new QLabel(tr("&No of Test stimuli:"), this);
  countLabel->setBuddy(m_stimulusCount);
  countRow->addWidget(countLabel);
  countRow->addWidget(m_stimulusCount);
  countRow->addStretch();

  const RadioBox timing = MakeRadioBox(this, tr("&Generation of Test stimuli after:"),
                                       {{"1005", QT_TRANSLATE_NOOP("Dialog", "Random Time")},
                                        {"1006", QT_TRANSLATE_NOOP("Dialog", "Fixed Time")}});
  m_timingMode = timing.group;

  auto* limits = new QGroupBox(tr("Random Time &Limits (100 - 5000 ms)"), this);
  m_randomLower = MakeNumberEdit(limits, "1026", 5);
  m_randomUpper = MakeNumberEdit(limits, "1027", 5);
  MakeDigitsOnly(m_randomLower);
  MakeDigitsOnly(m_randomUpper);
  auto* limitsLayout = new QFormLayout(limits);
  limitsLayout->addRow(tr("Lo&wer:"), m_randomLower);
  limitsLayout->addRow(tr("&Upper:"), m_randomUpper);

  auto* fixed = new QGroupBox(tr("&Fixed Time (100 - 5000 ms)"), this);
  m_fixedTime = MakeNumberEdit(fixed, "1028", 5);
  auto* fixedLayout = new QVBoxLayout(fixed);
  fixedLayout->addWidget(m_fixedTime);
  fixedLayout->addStretch();

  auto* timingRow = new QHBoxLayout;
  timingRow->addWidget(timing.box);
  timingRow->addWidget(limits);
  timingRow->addWidget(fixed);

  // Middle: the colour of each shape, side by side.
  m_colorBoxes = MakeColorBoxes(this, tr("Color Assigment"), LookIds);

  // Bottom: the objects, the background, the false-response rule, the voice.
  auto* objects = new QGroupBox(tr("Ob&ject to be generated"), this);
  auto* objectsLayout = new QVBoxLayout(objects);
  const std::array<RadioChoice, 4> objectChoices{
      {{"1031", QT_TRANSLATE_NOOP("Dialog", "Circle")},
       {"1032", QT_TRANSLATE_NOOP("Dialog", "Cross")},
       {"1033", QT_TRANSLATE_NOOP("Dialog", "Square")},
       {"1034", QT_TRANSLATE_NOOP("Dialog", "Triangel")}}};
  for (std::size_t object = 0; object < objectChoices.size(); ++object) {
    auto* box = new QCheckBox(DialogText(objectChoices[object].text), objects);
    box->setObjectName(QString::fromLatin1(objectChoices[object].id));
    m_objectBoxes[object] = box;
    objectsLayout->addWidget(box);
  }
  objectsLayout->addStretch();

  m_settingBoxes = MakeSettingBoxes(this, tr("Fal&se Response"), LookIds);

  auto* settingsRow = new QHBoxLayout;
  for (QGroupBox* box : {objects, m_settingBoxes.background.box,
                         m_settingBoxes.falseResponse.box, m_settingBoxes.voice.box}) {
    settingsRow->addWidget(box);
  }

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(countRow);
  layout->addLayout(timingRow);
  layout->addWidget(m_colorBoxes.frame);
  layout->addLayout(settingsRow);
  layout->addWidget(MakeOkCancel(this));
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

bool CCustomDlg::Exchange(DataExchange::Direction direction) {
  DataExchange dx(this, direction);
  // The same bound as Perform and the file readers: a count Perform stored
  // must never lock the dialog.
  dx.Int(m_stimulusCount, m_configuration.stimulusCount, 1, MaxStimulusCount);
  dx.Int(m_randomLower, m_configuration.randomLowerMs, 100, 5000);
  dx.Int(m_randomUpper, m_configuration.randomUpperMs, 100, 5000);
  dx.Int(m_fixedTime, m_configuration.fixedTimeMs, 100, 5000);
  dx.Radio(m_timingMode, m_configuration.timingMode);
  for (std::size_t object = 0; object < m_objectBoxes.size(); ++object) {
    dx.Check(m_objectBoxes[object], m_generateObject[object]);
  }
  ExchangeLook(dx, m_colorBoxes, m_settingBoxes, m_configuration, m_voice);
  return dx.Ok();
}

void CCustomDlg::accept() {
  if (!Exchange(DataExchange::Direction::FromControls)) return;
  TestConfiguration stored = m_configuration;
  for (std::size_t object = 0; object < m_generateObject.size(); ++object) {
    stored.generateObject[object] = static_cast<uint8_t>(m_generateObject[object] & 0xFF);
  }
  m_data.customConfiguration = stored;
  m_data.customVoice = m_voice;
  QDialog::accept();
}

}  // namespace alacrity
