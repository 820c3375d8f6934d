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

// Colour groups list their buttons in StimulusColor order.
RadioBox ColorBox(QWidget* owner, const char* title, std::initializer_list<RadioChoice> ids) {
  return MakeRadioBox(owner, DialogText(title), ids);
}

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
  auto* colors = new QGroupBox(tr("Color Assigment"), this);
  const RadioBox square = ColorBox(colors, QT_TRANSLATE_NOOP("Dialog", "S&quare"),
                                   {{"1055", QT_TRANSLATE_NOOP("Dialog", "Red")},
                                    {"1014", QT_TRANSLATE_NOOP("Dialog", "Green")},
                                    {"1015", QT_TRANSLATE_NOOP("Dialog", "Blue")},
                                    {"1016", QT_TRANSLATE_NOOP("Dialog", "Yellow")}});
  const RadioBox circle = ColorBox(colors, QT_TRANSLATE_NOOP("Dialog", "&Circle"),
                                   {{"1056", QT_TRANSLATE_NOOP("Dialog", "Red")},
                                    {"1022", QT_TRANSLATE_NOOP("Dialog", "Green")},
                                    {"1023", QT_TRANSLATE_NOOP("Dialog", "Blue")},
                                    {"1024", QT_TRANSLATE_NOOP("Dialog", "Yellow")}});
  const RadioBox triangle = ColorBox(colors, QT_TRANSLATE_NOOP("Dialog", "&Triangel"),
                                     {{"1029", QT_TRANSLATE_NOOP("Dialog", "Red")},
                                      {"1030", QT_TRANSLATE_NOOP("Dialog", "Green")},
                                      {"1035", QT_TRANSLATE_NOOP("Dialog", "Blue")},
                                      {"1036", QT_TRANSLATE_NOOP("Dialog", "Yellow")}});
  const RadioBox cross = ColorBox(colors, QT_TRANSLATE_NOOP("Dialog", "Cr&oss"),
                                  {{"1037", QT_TRANSLATE_NOOP("Dialog", "Red")},
                                   {"1038", QT_TRANSLATE_NOOP("Dialog", "Green")},
                                   {"1039", QT_TRANSLATE_NOOP("Dialog", "Blue")},
                                   {"1040", QT_TRANSLATE_NOOP("Dialog", "Yellow")}});
  m_squareColor = square.group;
  m_circleColor = circle.group;
  m_triangleColor = triangle.group;
  m_crossColor = cross.group;
  auto* colorsLayout = new QHBoxLayout(colors);
  for (const RadioBox& shape : {square, circle, triangle, cross}) colorsLayout->addWidget(shape.box);

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

  const RadioBox background =
      MakeRadioBox(this, DialogText(QT_TRANSLATE_NOOP("Dialog", "Bac&kground color")),
                   {{"1017", QT_TRANSLATE_NOOP("Dialog", "White")},
                    {"1018", QT_TRANSLATE_NOOP("Dialog", "Blue")},
                    {"1019", QT_TRANSLATE_NOOP("Dialog", "Green")},
                    {"1020", QT_TRANSLATE_NOOP("Dialog", "Black")}});
  m_background = background.group;
  const RadioBox falseResponse =
      MakeRadioBox(this, tr("Fal&se Response"),
                   {{"1054", QT_TRANSLATE_NOOP("Dialog", "Accepted")},
                    {"1009", QT_TRANSLATE_NOOP("Dialog", "Not Accepted")}});
  m_falseResponse = falseResponse.group;

  const RadioBox voice = MakeVoiceBox(this, "1061", "1011", m_voiceLead);
  m_voiceSignal = voice.group;

  auto* settingsRow = new QHBoxLayout;
  for (QGroupBox* box : {objects, background.box, falseResponse.box, voice.box}) {
    settingsRow->addWidget(box);
  }

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(countRow);
  layout->addLayout(timingRow);
  layout->addWidget(colors);
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
  dx.Radio(m_background, m_configuration.background);
  for (std::size_t object = 0; object < m_objectBoxes.size(); ++object) {
    dx.Check(m_objectBoxes[object], m_generateObject[object]);
  }
  dx.Radio(m_falseResponse, m_configuration.falseResponse);
  dx.Radio(m_circleColor, m_configuration.circleColor);
  dx.Radio(m_crossColor, m_configuration.crossColor);
  dx.Radio(m_squareColor, m_configuration.squareColor);
  dx.Radio(m_triangleColor, m_configuration.triangleColor);
  dx.Int(m_voiceLead, m_voice.voiceLeadMs, 0, 5000);
  dx.Radio(m_voiceSignal, m_voice.voiceSignal);
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
