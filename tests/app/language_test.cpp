// The interface languages: every translation source complete and faithful to
// its English text, the choice of language, the menus in German, the core's
// messages and the report texts looked up, the subject's start prompt per
// language, and --help and a wrong --language on the command line.

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <QXmlStreamReader>

#include "apptestsupport.h"
#include "commandids.h"
#include "dialogs/subjecttexts.h"
#include "language.h"
#include "messagebox.h"
#include "reporttexts.h"

namespace alacrity::test {
namespace {

struct Entry {
  QString context;
  QString source;
  QString translation;
  QString type;  // "unfinished", "obsolete", "vanished" or empty when done
};

QList<Entry> ReadTs(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  QList<Entry> entries;
  QXmlStreamReader xml(&file);
  QString context;
  Entry entry;
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    if (xml.name() == QLatin1String("name")) {
      context = xml.readElementText();
    } else if (xml.name() == QLatin1String("message")) {
      entry = Entry{context, {}, {}, {}};
    } else if (xml.name() == QLatin1String("source")) {
      entry.source = xml.readElementText();
    } else if (xml.name() == QLatin1String("translation")) {
      entry.type = xml.attributes().value(QLatin1String("type")).toString();
      entry.translation = xml.readElementText();
      entries.append(entry);
    }
  }
  return xml.hasError() ? QList<Entry>{} : entries;
}

QStringList Placeholders(const QString& text) {
  QStringList found;
  for (auto match = QRegularExpression(QStringLiteral("%\\d")).globalMatch(text);
       match.hasNext();) {
    found.append(match.next().captured());
  }
  found.sort();
  return found;
}

// The key of a caption's mnemonic, empty without one.
QString Mnemonic(const QString& caption) { return QKeySequence::mnemonic(caption).toString(); }

}  // namespace

class LanguageTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void cleanup() {
    InstallLanguage(*QCoreApplication::instance(), QStringLiteral("en"));
    SetMessageBoxHook({});
  }

  void everyTranslationIsCompleteAndFaithful_data() {
    QTest::addColumn<QString>("code");
    for (const char* code : {"de", "fr", "es"}) QTest::newRow(code) << QString::fromLatin1(code);
  }
  void everyTranslationIsCompleteAndFaithful() {
    QFETCH(QString, code);
    const QList<Entry> entries =
        ReadTs(QStringLiteral(ALACRITY_SOURCE_DIR "/translations/alacrity_%1.ts").arg(code));
    QVERIFY(entries.size() > 200);
    for (const Entry& e : entries) {
      const QByteArray where = (e.context + QLatin1String(": ") + e.source).toUtf8();
      QVERIFY2(e.type.isEmpty(), where.constData());
      QVERIFY2(!e.translation.trimmed().isEmpty(), where.constData());
      // What the code fills in or splits on must survive the translation.
      QVERIFY2(Placeholders(e.translation) == Placeholders(e.source), where.constData());
      QVERIFY2(e.translation.count(QLatin1Char('\n')) == e.source.count(QLatin1Char('\n')),
               where.constData());
      QVERIFY2(
          e.translation.section(QLatin1Char('\t'), 1) == e.source.section(QLatin1Char('\t'), 1),
          where.constData());
      QVERIFY2(Mnemonic(e.translation).isEmpty() == Mnemonic(e.source).isEmpty(),
               where.constData());
    }
    // Built into the program under the same code.
    QVERIFY(AvailableLanguages().contains(code));
  }

  void languageChoice_data() {
    QTest::addColumn<QString>("requested");
    QTest::addColumn<QStringList>("system");
    QTest::addColumn<QString>("expected");
    QTest::newRow("option wins") << "fr" << QStringList{"de-DE"} << "fr";
    QTest::newRow("option with region") << "de_AT" << QStringList{} << "de";
    QTest::newRow("option unknown") << "xx" << QStringList{"de"} << "";
    QTest::newRow("system region") << "" << QStringList{"es-MX", "en-US"} << "es";
    QTest::newRow("first available") << "" << QStringList{"it-IT", "fr-CH"} << "fr";
    QTest::newRow("none available") << "" << QStringList{"it-IT"} << "en";
  }
  void languageChoice() {
    QFETCH(QString, requested);
    QFETCH(QStringList, system);
    QFETCH(QString, expected);
    QCOMPARE(ResolveLanguage(requested, system), expected);
  }

  void languageArgument() {
    const QString p = QStringLiteral("alacrity");
    QCOMPARE(LanguageArgument({p, QStringLiteral("--language"), QStringLiteral("de")}),
             QStringLiteral("de"));
    QCOMPARE(
        LanguageArgument({p, QStringLiteral("--keyboard-box"), QStringLiteral("--language=es")}),
        QStringLiteral("es"));
    QCOMPARE(LanguageArgument({p, QStringLiteral("--"), QStringLiteral("--language=es")}),
             QString());
    QCOMPARE(LanguageArgument({p}), QString());
  }

  void menusInGermanWithOwnMnemonics_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<QStringList>("titles");
    QTest::newRow("de") << "de" << QStringList{"&Datei",   "&Proband",       "Ü&bung",
                                               "&Ansicht", "&Einstellungen", "&Info"};
    QTest::newRow("fr") << "fr" << QStringList{"&Fichier",   "&Sujet",         "&Exercice",
                                               "&Affichage", "&Configuration", "À &propos"};
    QTest::newRow("es") << "es" << QStringList{"&Archivo", "&Sujeto",        "&Ejercicio",
                                               "&Ver",     "&Configuración", "Acerca &de"};
  }
  void menusInGermanWithOwnMnemonics() {
    QFETCH(QString, code);
    QFETCH(QStringList, titles);
    InstallLanguage(*QCoreApplication::instance(), code);
    FrameFixture f;
    const QList<QAction*> menus = f.frame->menuBar()->actions();
    QStringList shown;
    for (const QAction* menu : menus) shown.append(menu->text());
    QCOMPARE(shown, titles);
    // Every menu and item can be reached by its own key in that language.
    const auto checkUnique = [](const QList<QAction*>& actions) {
      QStringList seen;
      for (const QAction* action : actions) {
        if (action->isSeparator()) continue;
        const QString key = Mnemonic(action->text());
        QVERIFY2(!key.isEmpty() && !seen.contains(key), qPrintable(action->text()));
        seen.append(key);
      }
    };
    checkUnique(menus);
    for (const QAction* menu : menus) checkUnique(menu->menu()->actions());
    if (code == QLatin1String("de")) {
      QCOMPARE(f.frame->Action(IdPerform)->text(), QStringLiteral("&Durchführen"));
      QCOMPARE(f.frame->Action(IdFileOpen)->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
    }
  }

  void coreMessagesShownTranslatedLineByLine() {
    InstallLanguage(*QCoreApplication::instance(), QStringLiteral("de"));
    QStringList shown;
    SetMessageBoxHook([&](MessageKind, const QString& text) {
      shown.append(text);
      return false;
    });
    ShowMessageBox(nullptr,
                   QStringLiteral("Error in communication\n/dev/ttyUSB0: Permission denied"));
    ShowMessageBox(nullptr, QStringLiteral("Incompatible data"));
    QCOMPARE(shown, (QStringList{"Fehler in der Kommunikation\n/dev/ttyUSB0: Permission denied",
                                 "Inkompatible Daten"}));
  }

  void designatedDirectoryWarningInEveryLanguage() {
    const char* english = "You are saving the file outside the subject's designated directory.";
    QStringList shown;
    for (const char* code : {"en", "de", "fr", "es"}) {
      InstallLanguage(*QCoreApplication::instance(), QString::fromLatin1(code));
      shown.append(QCoreApplication::translate("alacrity::CMainFrame", english));
    }
    QCOMPARE(shown.first(), QString::fromLatin1(english));
    QCOMPARE(QSet<QString>(shown.begin(), shown.end()).size(), 4);
  }

  void reportTextsLookedUpAroundTheirValues_data() {
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("german");
    QTest::newRow("title") << "DIGITAL REPORT"
                           << "DIGITALER BERICHT";
    QTest::newRow("padded cell") << "   correct"
                                 << "   richtig";
    QTest::newRow("page") << "Page: 2/3"
                          << "Seite: 2/3";
    QTest::newRow("shapes") << "square:  Red                circle:  Green"
                            << "Quadrat:  Rot                Kreis:  Grün";
    // The subject's name is data: never looked up.
    QTest::newRow("name") << "Name: Red Total"
                          << "Name: Red Total";
    QTest::newRow("number") << "  1234"
                            << "  1234";
  }
  void reportTextsLookedUpAroundTheirValues() {
    QFETCH(QString, english);
    QFETCH(QString, german);
    QCOMPARE(LocalizedReportText(english), english);  // no translator: unchanged
    InstallLanguage(*QCoreApplication::instance(), QStringLiteral("de"));
    QCOMPARE(LocalizedReportText(english), german);
  }

  void startPromptPerLanguage() {
    InstallLanguage(*QCoreApplication::instance(), QStringLiteral("de"));
    QCOMPARE(SubjectStartPrompt(), QStringLiteral("Zum Starten eine beliebige Taste drücken"));
    StoreStartPrompt(QStringLiteral("de"), QStringLiteral("  Bitte   die Taste drücken "));
    QCOMPARE(SubjectStartPrompt(), QStringLiteral("Bitte die Taste drücken"));
    InstallLanguage(*QCoreApplication::instance(), QStringLiteral("en"));
    QCOMPARE(SubjectStartPrompt(), QStringLiteral("Press any button to start"));
    // A blank prompt would show the subject nothing: it goes back to the built-in one.
    StoreStartPrompt(QStringLiteral("de"), QStringLiteral("   "));
    QCOMPARE(StoredStartPrompt(QStringLiteral("de")), QString());
  }

  void helpAndWrongLanguageOnTheCommandLine() {
    QProcess help;
    help.start(QStringLiteral(ALACRITY_PROGRAM),
               {QStringLiteral("--language"), QStringLiteral("de"), QStringLiteral("--help")});
    QVERIFY(help.waitForFinished(20000));
    QCOMPARE(help.exitCode(), 0);
    const QString text = QString::fromUtf8(help.readAllStandardOutput());
    QVERIFY2(text.contains(QStringLiteral("Misst Reaktionszeiten")), qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("--language <CODE>")));

    QProcess wrong;
    wrong.start(QStringLiteral(ALACRITY_PROGRAM),
                {QStringLiteral("--language=xx"), QStringLiteral("--help")});
    QVERIFY(wrong.waitForFinished(20000));
    QCOMPARE(wrong.exitCode(), 1);
    QVERIFY(QString::fromUtf8(wrong.readAllStandardError()).contains(QStringLiteral("\"xx\"")));
  }
};

}  // namespace alacrity::test

QTEST_MAIN(alacrity::test::LanguageTest)
#include "language_test.moc"
