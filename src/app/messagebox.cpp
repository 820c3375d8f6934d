#include "messagebox.h"

#include <QMessageBox>

namespace alacrity {
namespace {

MessageBoxHook& Hook() {
  static MessageBoxHook hook;
  return hook;
}

}  // namespace

void SetMessageBoxHook(MessageBoxHook hook) { Hook() = std::move(hook); }

void ShowMessageBox(QWidget* parent, const QString& text) {
  if (Hook()) {
    Hook()(MessageKind::Message, text);
    return;
  }
  QMessageBox box(QMessageBox::Warning, QString::fromLatin1(MessageCaption), text, QMessageBox::Ok,
                  parent);
  box.exec();
}

bool AskQuestion(QWidget* parent, const QString& text) {
  if (Hook()) return Hook()(MessageKind::Question, text);
  QMessageBox box(QMessageBox::Question, QString::fromLatin1(MessageCaption), text,
                  QMessageBox::Yes | QMessageBox::No, parent);
  return box.exec() == QMessageBox::Yes;
}

}  // namespace alacrity
