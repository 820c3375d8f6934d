#include "messagebox.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>

namespace alacrity {
namespace {

MessageBoxHook& Hook() {
  static MessageBoxHook hook;
  return hook;
}

// The core's messages are English; each line is shown in the interface
// language where the catalogue has it. A line that is not there (a device
// path, a text already translated) stays as it is.
QString Localized(const QString& text) {
  QStringList lines = text.split(QLatin1Char('\n'));
  for (QString& line : lines) {
    const QByteArray source = line.toUtf8();
    const QString whole = QCoreApplication::translate("Message", source.constData());
    if (whole != line) {
      line = whole;
      continue;
    }
    // A fixed text ending in ": " and followed by a reason (a system error,
    // a path) is looked up without what follows it.
    const qsizetype colon = line.indexOf(QLatin1String(": "));
    if (colon < 0) continue;
    const QString lead = line.left(colon + 2);
    const QByteArray leadSource = lead.toUtf8();
    const QString translated = QCoreApplication::translate("Message", leadSource.constData());
    if (translated != lead) line = translated + line.mid(colon + 2);
  }
  return lines.join(QLatin1Char('\n'));
}

void Label(QMessageBox& box, QMessageBox::StandardButton which, const char* text) {
  if (QAbstractButton* button = box.button(which))
    button->setText(QCoreApplication::translate("Message", text));
}

}  // namespace

void SetMessageBoxHook(MessageBoxHook hook) { Hook() = std::move(hook); }

void ShowMessageBox(QWidget* parent, const QString& english) {
  const QString text = Localized(english);
  if (Hook()) {
    Hook()(MessageKind::Message, text);
    return;
  }
  QMessageBox box(QMessageBox::Warning, QString::fromLatin1(MessageCaption), text, QMessageBox::Ok,
                  parent);
  Label(box, QMessageBox::Ok, QT_TRANSLATE_NOOP("Message", "OK"));
  box.exec();
}

bool AskQuestion(QWidget* parent, const QString& english) {
  const QString text = Localized(english);
  if (Hook()) return Hook()(MessageKind::Question, text);
  QMessageBox box(QMessageBox::Question, QString::fromLatin1(MessageCaption), text,
                  QMessageBox::Yes | QMessageBox::No, parent);
  Label(box, QMessageBox::Yes, QT_TRANSLATE_NOOP("Message", "&Yes"));
  Label(box, QMessageBox::No, QT_TRANSLATE_NOOP("Message", "&No"));
  return box.exec() == QMessageBox::Yes;
}

}  // namespace alacrity
