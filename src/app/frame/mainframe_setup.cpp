// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// CMainFrame: the setup commands, the subject command and the About box.
// Each dialog is built, run modally and discarded; the dialogs store their
// values themselves on OK.

#include "adapters/registerfront.h"
#include "dialogs/aboutdlg.h"
#include "dialogs/commdlg.h"
#include "dialogs/customdlg.h"
#include "dialogs/filecommands.h"
#include "dialogs/performdlg.h"
#include "dialogs/protocoldlg.h"
#include "dialogs/subjectdlg.h"
#include "frame/mainframe.h"
#include "views/alacrityview.h"

namespace alacrity {

void CMainFrame::CustomConfigurationCommand() {
  CCustomDlg dialog(m_context.data, this);
  dialog.exec();
}

void CMainFrame::CreateProtocolCommand() {
  CProtocolDlg dialog(m_context.data, m_context.paths.programDirectory, this);
  dialog.exec();
}

void CMainFrame::CommPortCommand() {
  CCommDlg dialog(m_context.data, this);
  dialog.exec();
}

void CMainFrame::AboutCommand() {
  CAboutDlg dialog(this);
  dialog.exec();
}

void CMainFrame::OnOpenConfiguration() {
  OpenConfigurationCommand(this, m_context.paths.programDirectory, m_context.data);
}

void CMainFrame::OnSaveConfiguration() {
  SaveConfigurationCommand(this, m_context.paths.programDirectory, m_context.data);
}

void CMainFrame::OnOpenProtocol() {
  OpenProtocolCommand(this, m_context.paths.programDirectory, m_context.data);
}

void CMainFrame::OnSaveProtocol() {
  SaveProtocolCommand(this, m_context.paths.programDirectory, m_context.data);
}

void CMainFrame::SubjectInfoCommand() {
  // Without an open register the record in memory is edited here, so that
  // files saved meanwhile still name the right subject.
  if (RegisterIsOpen()) {
    if (RegisterChooseSubject()) RegisterFillSubject(m_context.data.subject);
  } else {
    CSubjectDlg dialog(m_context.data, this);
    dialog.exec();
  }
  // The header block shows the subject's name.
  m_view->repaint();
}

std::optional<PerformChoice> CMainFrame::AskPerform(int32_t presetCount) {
  // The dialog remembers the mode it last confirmed for the life of the
  // program; the number offered is always the configuration's.
  m_performChoice.stimuliToFollow = presetCount;
  CPerformDlg dialog(m_context.data, m_context.paths.programDirectory, m_performChoice, this);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  m_performChoice = dialog.Choice();
  return m_performChoice;
}

}  // namespace alacrity
