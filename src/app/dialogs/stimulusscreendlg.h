#pragma once

// "Stimulus Screen": the monitor that shows tests and device checks, listed
// by name, size and refresh rate; the first entry is the main window's
// screen, wherever that is. OK stores the choice in the program's settings.

#include <QDialog>
#include <QString>

class QListWidget;

namespace alacrity {

class CStimulusScreenDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CStimulusScreenDlg(QWidget* parent = nullptr);

  void accept() override;

  // The screen name chosen in the list; empty for the main window's screen.
  QString Chosen() const;

 private:
  QListWidget* m_list = nullptr;  // "screenList"
};

}  // namespace alacrity
