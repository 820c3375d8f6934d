// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "application/alacrityapp.h"
#include "application/commandline.h"

int main(int argc, char** argv) {
  alacrity::AnswerInformationOptions(argc, argv);
  alacrity::CAlacrityApp app(argc, argv);
  if (!app.InitInstance()) return 1;
  const int exitCode = QApplication::exec();
  return app.ExitInstance(exitCode);
}
