// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "serversettings.h"

#include <QCoreApplication>
#include <QUrl>
#include <QUrlQuery>

namespace prsrg {

namespace {

QString Quoted(QString value) {
  value.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
  value.replace(QLatin1Char('\''), QLatin1String("\\'"));
  return QLatin1Char('\'') + value + QLatin1Char('\'');
}

// Applies one keyword; false when the value is unusable.
bool Apply(ServerSettings& s, const QString& key, const QString& value, QString& error) {
  if (key == QLatin1String("host") || key == QLatin1String("hostaddr")) {
    s.host = value;
  } else if (key == QLatin1String("port")) {
    bool ok = false;
    const int port = value.toInt(&ok);
    if (!ok || port <= 0 || port > 65535) {
      error =
          QCoreApplication::translate("Register", "the port \"%1\" is no port number").arg(value);
      return false;
    }
    s.port = port;
  } else if (key == QLatin1String("dbname")) {
    s.databaseName = value;
  } else if (key == QLatin1String("user")) {
    s.userName = value;
  } else if (key == QLatin1String("password")) {
    s.password = value;
  } else {
    // The driver joins its options with ';' and turns every ';' into a
    // space, so a value holding one could never reach libpq intact.
    if (value.contains(QLatin1Char(';'))) {
      error = QCoreApplication::translate("Register", "the value of \"%1\" may not contain ';'")
                  .arg(key);
      return false;
    }
    s.options << key + QLatin1Char('=') + Quoted(value);
  }
  return true;
}

Result<ServerSettings> ParseUri(const QString& text) {
  const QUrl url(text, QUrl::StrictMode);
  if (!url.isValid()) {
    return Result<ServerSettings>::Failure(
        QCoreApplication::translate("Register", "it is not a valid address"));
  }
  ServerSettings s;
  QString error;
  s.host = url.host(QUrl::FullyDecoded);
  s.port = url.port(-1);
  s.userName = url.userName(QUrl::FullyDecoded);
  s.password = url.password(QUrl::FullyDecoded);
  QString path = url.path(QUrl::FullyDecoded);
  if (path.startsWith(QLatin1Char('/'))) path.remove(0, 1);
  s.databaseName = path;
  const QUrlQuery query(url);
  for (const auto& [key, value] : query.queryItems(QUrl::FullyDecoded)) {
    if (!Apply(s, key, value, error)) return Result<ServerSettings>::Failure(error);
  }
  return Result<ServerSettings>::Of(s);
}

// keyword=value pairs separated by white space; a value may be quoted with
// single quotes, inside which \' and \\ stand for ' and \.
Result<ServerSettings> ParsePairs(const QString& text) {
  ServerSettings s;
  QString error;
  qsizetype i = 0;
  const qsizetype n = text.size();
  auto skipSpace = [&] {
    while (i < n && text[i].isSpace()) ++i;
  };
  skipSpace();
  while (i < n) {
    const qsizetype keyStart = i;
    while (i < n && text[i] != QLatin1Char('=') && !text[i].isSpace()) ++i;
    const QString key = text.mid(keyStart, i - keyStart);
    skipSpace();
    if (key.isEmpty() || i >= n || text[i] != QLatin1Char('=')) {
      return Result<ServerSettings>::Failure(
          QStringLiteral("\"%1\" is not of the form keyword=value").arg(key));
    }
    ++i;
    skipSpace();
    QString value;
    if (i < n && text[i] == QLatin1Char('\'')) {
      ++i;
      bool closed = false;
      while (i < n) {
        const QChar c = text[i++];
        if (c == QLatin1Char('\\') && i < n) {
          value += text[i++];
        } else if (c == QLatin1Char('\'')) {
          closed = true;
          break;
        } else {
          value += c;
        }
      }
      if (!closed) {
        return Result<ServerSettings>::Failure(
            QCoreApplication::translate("Register", "the value of \"%1\" lacks its closing quote")
                .arg(key));
      }
    } else {
      while (i < n && !text[i].isSpace()) value += text[i++];
    }
    if (!Apply(s, key, value, error)) return Result<ServerSettings>::Failure(error);
    skipSpace();
  }
  return Result<ServerSettings>::Of(s);
}

}  // namespace

QString ServerSettings::Describe() const {
  QStringList parts;
  if (!host.isEmpty()) parts << QStringLiteral("host=") + host;
  if (port > 0) parts << QStringLiteral("port=") + QString::number(port);
  if (!databaseName.isEmpty()) parts << QStringLiteral("dbname=") + databaseName;
  if (!userName.isEmpty()) parts << QStringLiteral("user=") + userName;
  return parts.isEmpty() ? QCoreApplication::translate("Register", "the default server")
                         : parts.join(QLatin1Char(' '));
}

Result<ServerSettings> ParseServerSettings(const QString& text) {
  const QString trimmed = text.trimmed();
  Result<ServerSettings> parsed;
  if (trimmed.isEmpty()) {
    parsed =
        Result<ServerSettings>::Failure(QCoreApplication::translate("Register", "it is empty"));
  } else if (trimmed.startsWith(QLatin1String("postgresql://")) ||
             trimmed.startsWith(QLatin1String("postgres://"))) {
    parsed = ParseUri(trimmed);
  } else if (trimmed.contains(QLatin1String("://"))) {
    parsed = Result<ServerSettings>::Failure(
        QCoreApplication::translate("Register", "only postgresql:// addresses are understood"));
  } else {
    parsed = ParsePairs(trimmed);
  }
  if (!parsed.Ok()) {
    // The text itself may hold a password: it stays out of the message.
    parsed.message =
        QCoreApplication::translate(
            "Register", "The subject register's database connection cannot be used: %1.")
            .arg(parsed.message);
  }
  return parsed;
}

}  // namespace prsrg
