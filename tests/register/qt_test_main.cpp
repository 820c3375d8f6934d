// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// GoogleTest main for the register tests: Qt's SQL drivers and dialogs want
// an application object. With QT_QPA_PLATFORM unset the dialogs run
// offscreen.

#include <gtest/gtest.h>

#include <QCoreApplication>

#ifdef PRSRG_TEST_WIDGETS
#include <QApplication>
#endif

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  // Set here rather than as test properties: CTest flattens a list of
  // variables in the properties of discovered tests, which also cost the
  // tests their label.
  qputenv("TZ", "UTC");
  qputenv("LC_ALL", "C");
  if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) qputenv("XDG_RUNTIME_DIR", PRSRG_TEST_RUNTIME_DIR);
#ifdef PRSRG_TEST_WIDGETS
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
#else
  QCoreApplication app(argc, argv);
#endif
  return RUN_ALL_TESTS();
}
