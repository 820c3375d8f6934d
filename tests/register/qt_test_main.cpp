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
#ifdef PRSRG_TEST_WIDGETS
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
#else
  QCoreApplication app(argc, argv);
#endif
  return RUN_ALL_TESTS();
}
