// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The short tone that announces a stimulus. Loaded once at start and kept;
// playing never waits for the audio system, and a machine without a sound
// device simply stays silent.

#include <QString>

#include <memory>

class QSoundEffect;

namespace alacrity {

inline constexpr const char* SignalSoundUrl = "qrc:/sound/signal.wav";

class SignalSound {
 public:
  SignalSound();
  ~SignalSound();
  SignalSound(const SignalSound&) = delete;
  SignalSound& operator=(const SignalSound&) = delete;

  // Starts loading the sound (asynchronously); false when the resource is
  // missing from the program.
  bool Load(const QString& url = QString::fromLatin1(SignalSoundUrl));
  bool IsLoaded() const;

  // Starts the sound, replacing one still playing; false when nothing was
  // loaded or the sound failed to load.
  bool Play();

 private:
  std::unique_ptr<QSoundEffect> m_effect;
};

}  // namespace alacrity
