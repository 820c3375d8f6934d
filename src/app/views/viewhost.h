// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the view asks of the window that holds it: the command bars and their
// notices, full screen, saving the results, the Perform dialog and the
// command states. The main frame implements it; the view knows the frame
// only as this, so the arrow runs one way, from the frame to the view.

#include <QString>

#include <cstdint>
#include <optional>

#include "engine/schedule.h"

class QScreen;

namespace alacrity {

class ViewHost {
 public:
  virtual ~ViewHost() = default;

  // The dialog bar: only one exists; showing another removes it first.
  virtual int ShowDialogBar(int templateId) = 0;  // 0, or -1 for an unknown template
  virtual int ShowStartStopBar() = 0;
  virtual int ShowStopBar() = 0;
  virtual void ShowResponseBar() = 0;
  virtual void ShowSplitSummaryBar() = 0;
  virtual void RemoveDialogBar() = 0;
  virtual void ShowDialogBarVisible(int show) = 0;
  virtual void ShowBarControl(int controlId, int show) = 0;
  virtual int GetBarComboSelection(int controlId) const = 0;
  // A sentence added to the bar's notice (or the status bar's message), and
  // taken out again.
  virtual void AppendBarNotice(const QString& text) = 0;
  virtual void RemoveBarNotice(const QString& text) = 0;

  // The view covering the stimulus screen during a run, and the screen it
  // is shown on now.
  virtual void EnterFullScreen() = 0;
  virtual void LeaveFullScreen() = 0;
  virtual QScreen* ViewScreen() const = 0;

  // File > Save; true when the results were written.
  virtual bool SaveDataCommand() = 0;
  // The data file the results came from or went to; empty for none.
  virtual const QString& CurrentDataFilePath() const = 0;
  // The Perform dialog; nothing on Cancel.
  virtual std::optional<PerformChoice> AskPerform(int32_t presetCount) = 0;
  // Enables what may run now, after a command changed the view's mode, the
  // results or whether a run goes on.
  virtual void UpdateCommandStates() = 0;

 protected:
  ViewHost() = default;
  ViewHost(const ViewHost&) = default;
  ViewHost& operator=(const ViewHost&) = default;
};

}  // namespace alacrity
