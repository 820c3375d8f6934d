// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/lookboxes.h"

#include <QGroupBox>
#include <QHBoxLayout>

namespace alacrity {

namespace {

// By ObjectKind.
constexpr std::array<const char*, 4> ShapeTitles = {
    QT_TRANSLATE_NOOP("Dialog", "&Circle"), QT_TRANSLATE_NOOP("Dialog", "Cr&oss"),
    QT_TRANSLATE_NOOP("Dialog", "S&quare"), QT_TRANSLATE_NOOP("Dialog", "&Triangel")};

}  // namespace

ColorBoxes MakeColorBoxes(QWidget* owner, const QString& title, const LookBoxIds& ids) {
  ColorBoxes made;
  made.frame = new QGroupBox(title, owner);
  auto* layout = new QHBoxLayout(made.frame);
  for (const LookBoxIds::ColorBox& shape : ids.colors) {
    const auto index = static_cast<std::size_t>(Code(shape.shape));
    const RadioBox box = MakeRadioBox(made.frame, DialogText(ShapeTitles[index]),
                                      {{shape.ids[0], QT_TRANSLATE_NOOP("Dialog", "Red")},
                                       {shape.ids[1], QT_TRANSLATE_NOOP("Dialog", "Green")},
                                       {shape.ids[2], QT_TRANSLATE_NOOP("Dialog", "Blue")},
                                       {shape.ids[3], QT_TRANSLATE_NOOP("Dialog", "Yellow")}});
    made.byShape[index] = box.group;
    layout->addWidget(box.box);
  }
  return made;
}

SettingBoxes MakeSettingBoxes(QWidget* owner, const QString& falseResponseTitle,
                              const LookBoxIds& ids) {
  SettingBoxes made;
  made.background =
      MakeRadioBox(owner, DialogText(QT_TRANSLATE_NOOP("Dialog", "Bac&kground color")),
                   {{ids.background[0], QT_TRANSLATE_NOOP("Dialog", "White")},
                    {ids.background[1], QT_TRANSLATE_NOOP("Dialog", "Blue")},
                    {ids.background[2], QT_TRANSLATE_NOOP("Dialog", "Green")},
                    {ids.background[3], QT_TRANSLATE_NOOP("Dialog", "Black")}});
  made.falseResponse =
      MakeRadioBox(owner, falseResponseTitle,
                   {{ids.falseResponse[0], QT_TRANSLATE_NOOP("Dialog", "Accepted")},
                    {ids.falseResponse[1], QT_TRANSLATE_NOOP("Dialog", "Not Accepted")}});
  made.voice = MakeVoiceBox(owner, ids.voice[0], ids.voice[1], made.voiceLead);
  return made;
}

}  // namespace alacrity
