// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The boxes that set how the stimuli look and how answers are taken, shown
// alike by the custom and the protocol setup: the colour of each shape, the
// background, the false-response rule and the voice signal. Each dialog keeps
// its own control ids and order of shapes in a table, and builds the colours
// and the other three boxes where its layout and Tab order want them.

#include <QString>

#include <array>
#include <cstddef>

#include "data/enums.h"
#include "data/records.h"
#include "dialogs/dataexchange.h"
#include "dialogs/dialoglayout.h"

class QButtonGroup;
class QGroupBox;
class QLineEdit;
class QWidget;

namespace alacrity {

struct LookBoxIds {
  struct ColorBox {
    ObjectKind shape;
    std::array<const char*, 4> ids;  // StimulusColor order
  };
  std::array<ColorBox, 4> colors;            // left to right
  std::array<const char*, 4> background;     // BackgroundColor order
  std::array<const char*, 2> falseResponse;  // FalseResponseMode order
  std::array<const char*, 2> voice;          // VoiceSignal order: YES, NO
};

struct ColorBoxes {
  QGroupBox* frame = nullptr;              // the shapes' boxes side by side
  std::array<QButtonGroup*, 4> byShape{};  // by ObjectKind
};

struct SettingBoxes {
  RadioBox background;
  RadioBox falseResponse;
  RadioBox voice;
  QLineEdit* voiceLead = nullptr;  // 1059
};

// `title` and `falseResponseTitle` come translated in the dialog's own
// context, where each has its own keyboard accelerator.
ColorBoxes MakeColorBoxes(QWidget* owner, const QString& title, const LookBoxIds& ids);
// Background, false response and voice, made in this order.
SettingBoxes MakeSettingBoxes(QWidget* owner, const QString& falseResponseTitle,
                              const LookBoxIds& ids);

// The boxes' values to or from `settings`, a TestConfiguration or a
// ProtocolHeader, and the voice. A radio button is never refused, so of these
// only the voice lead can stop the reading; the dialogs exchange their own
// numbers first, and their messages come first.
template <typename Settings>
void ExchangeLook(DataExchange& dx, const ColorBoxes& colors, const SettingBoxes& boxes,
                  Settings& settings, VoiceSettings& voice) {
  const auto color = [&colors](ObjectKind shape) {
    return colors.byShape[static_cast<std::size_t>(Code(shape))];
  };
  dx.Radio(boxes.background.group, settings.background);
  dx.Radio(boxes.falseResponse.group, settings.falseResponse);
  dx.Radio(color(ObjectKind::Circle), settings.circleColor);
  dx.Radio(color(ObjectKind::Cross), settings.crossColor);
  dx.Radio(color(ObjectKind::Square), settings.squareColor);
  dx.Radio(color(ObjectKind::Triangle), settings.triangleColor);
  dx.Int(boxes.voiceLead, voice.voiceLeadMs, 0, 5000);
  dx.Radio(boxes.voice.group, voice.voiceSignal);
}

}  // namespace alacrity
