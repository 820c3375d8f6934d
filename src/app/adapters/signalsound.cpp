// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "adapters/signalsound.h"

#include <QFile>
#include <QSoundEffect>
#include <QUrl>

namespace alacrity {

SignalSound::SignalSound() = default;
SignalSound::~SignalSound() = default;

bool SignalSound::Load(const QString& url) {
  const QUrl source(url);
  const QString file =
      source.scheme() == QLatin1String("qrc") ? QLatin1Char(':') + source.path() : source.toLocalFile();
  if (!QFile::exists(file)) {
    m_effect.reset();
    return false;
  }
  m_effect = std::make_unique<QSoundEffect>();
  m_effect->setSource(source);
  return true;
}

bool SignalSound::IsLoaded() const { return m_effect != nullptr; }

bool SignalSound::Play() {
  if (!m_effect || m_effect->status() == QSoundEffect::Error) return false;
  // QSoundEffect restarts a sound that is still playing, as a new signal
  // should: the next stimulus is what matters.
  m_effect->play();
  return true;
}

}  // namespace alacrity
