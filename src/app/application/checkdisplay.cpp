// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "application/checkdisplay.h"

#include <QGuiApplication>

#include "display/displaycheck.h"
#include "display/displaychecktexts.h"
#include "program/standard_streams.h"
#include "results/display_check.h"

namespace alacrity {

int CheckDisplayFromCommandLine() {
  const DisplayCheckRun run = RunDisplayCheckOnStimulusScreen(*QGuiApplication::primaryScreen());
  const DisplayCheckVerdict verdict = JudgeDisplayCheck(run.frames, run.facts);
  const QString text = DisplayCheckPlainText(DescribeDisplayCheck(run, verdict));
  if (!WriteStandardOutput(text.toStdString())) return ExitOutputLost;
  return !run.stopped && verdict.trust == DisplayTrust::Trusted ? 0 : 1;
}

}  // namespace alacrity
