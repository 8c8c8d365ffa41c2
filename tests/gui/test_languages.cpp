// SPDX-License-Identifier: GPL-3.0-or-later
// Every text the program shows is in the player's language. The program is started in
// French, English and Croatian; every window is opened and the messages it can show are
// brought up through the recording prompts. Every word shown must then be a word of the
// language's own texts (its column of the message catalogue, its Qt Linguist translations
// in translations/, the English sources for English) or a name: a text left in another
// language, a missing translation, or a text written straight into the code fails.
#include "core/text/language.h"
#include "core/text/messages.h"
#include "core/tickets/tickettypes.h"
#include "core/wheels/boardlist.h"
#include "gui/errorhandler.h"
#include "gui/mainwindow.h"
#include "gui/ticketpreviewwindow.h"
#include "gui/ticketprintdialog.h"
#include "support/children.h"
#include "support/program.h"
#include "support/storagefiles.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QXmlStreamReader>
#include <stdexcept>

using namespace quillon;
using namespace quillon::test;

namespace {

QMap<QString, QString> readTranslations(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    QMap<QString, QString> translations;
    QXmlStreamReader xml(&file);
    QString source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("source"))
            source = xml.readElementText();
        else if (xml.name() == QLatin1String("translation"))
            translations.insert(source, xml.readElementText());
    }
    return translations;
}

// The texts the program has in the language.
QStringList ownTexts(Language language)
{
    const QDir sources(qEnvironmentVariable("QUILLON_SOURCE_DIR") + QStringLiteral("/translations"));
    const QString suffix = language == Language::Croatian ? QStringLiteral("hr") : QStringLiteral("fr");
    const auto translations = readTranslations(sources.filePath(QStringLiteral("quillon_%1.ts").arg(suffix)));
    QStringList texts = language == Language::English ? translations.keys() : translations.values();
    for (int n = 1; n <= kMessageCount; ++n)
        texts.append(catalogueText(n, language));
    return texts;
}

// Words of two letters or more.
QStringList wordsOf(const QString &text)
{
    static const QRegularExpression word(QStringLiteral("\\p{L}{2,}"));
    QStringList words;
    for (auto it = word.globalMatch(text); it.hasNext();)
        words.append(it.next().captured().toLower());
    return words;
}

// Every text a window shows: title, labels, buttons, group titles, list items, hints.
// The windows it owns are gathered when they are shown.
void gather(const QWidget *window, QStringList &shown)
{
    shown.append(window->windowTitle());
    for (const QWidget *widget : window->findChildren<QWidget *>()) {
        if (widget->window() != window)
            continue;
        shown << widget->toolTip() << widget->property("hint").toString() << widget->accessibleName()
              << widget->accessibleDescription();
        if (auto *label = qobject_cast<const QLabel *>(widget))
            shown.append(label->text());
        else if (auto *button = qobject_cast<const QAbstractButton *>(widget))
            shown.append(button->text());
        else if (auto *group = qobject_cast<const QGroupBox *>(widget))
            shown.append(group->title());
        else if (auto *list = qobject_cast<const QComboBox *>(widget)) {
            for (int i = 0; i < list->count(); ++i)
                shown.append(list->itemText(i));
        }
    }
}

} // namespace

class TestLanguages : public QObject, ProgramFixture {
    Q_OBJECT

private slots:
    void cleanup() { stopProgram(); }

    void everyTextIsInThePlayersLanguage_data()
    {
        QTest::addColumn<int>("code");
        QTest::newRow("French") << int(Language::French);
        QTest::newRow("English") << int(Language::English);
        QTest::newRow("Croatian") << int(Language::Croatian);
    }
    void everyTextIsInThePlayersLanguage()
    {
        QFETCH(int, code);
        const Language language = Language(code);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        writeFile(folder.filePath(QStringLiteral("QUILLON.PAR")), settingsBytes(code, 0, 0));
        QVERIFY(startIn(folder.path()));
        QStringList shown;
        gather(w, shown);

        w->readBoxes();
        generate(Wheel::fromCatalogue(4), session->boards);
        for (QDialog *window : w->findChildren<QDialog *>(QString(), Qt::FindDirectChildrenOnly)) {
            QVERIFY(showActive(window));
            gather(window, shown);
            window->reject();
        }

        // Tickets one at a time, the printer gone while the second goes in.
        auto *tickets = test::dialog<TicketPrintDialog>(w);
        QVERIFY(showActive(tickets));
        child<QRadioButton>(tickets, "bimpunbull")->setChecked(true);
        fakes->printLog->goneAfter = 1;
        child<QAbstractButton>(tickets, "boutlancer")->click();
        fakes->printLog->goneAfter = -1;
        // The preview window, and its note when it has no printer to take figures from.
        QTimer::singleShot(0, tickets, [&shown] {
            if (auto *preview = qobject_cast<TicketPreviewWindow *>(QApplication::activeModalWidget())) {
                gather(preview, shown);
                preview->close();
            }
        });
        child<QAbstractButton>(tickets, "bapercu")->click();
        // No printer at all: the calibration sheet is saved as a PDF file.
        fakes->printLog->installed = false;
        const QString sheet = folder.filePath(QStringLiteral("sheet.pdf"));
        fakes->prompts.fileNames.enqueue(sheet);
        child<QAbstractButton>(tickets, "bcalage")->click();
        QVERIFY(QFile::exists(sheet));
        tickets->reject();

        // An export into a folder that does not exist; the system's reason is Qt's own
        // wording, from Qt's translations, and is left out.
        const QString missing = folder.filePath(QStringLiteral("missing/boards.txt"));
        fakes->prompts.fileNames.enqueue(missing);
        child<QAbstractButton>(w, "bgenerefichier")->click();
        QSaveFile probe(missing);
        QVERIFY(!probe.open(QIODevice::WriteOnly));
        const QString systemReason = probe.errorString();
        // An error that no command foresaw.
        runGuarded([] { throw std::runtime_error("42"); });

        QCOMPARE(fakes->prompts.messages().size(), 6);
        for (const FakePrompts::Call &call : fakes->prompts.calls)
            shown << call.text << call.caption << call.dialog.title << call.dialog.filterName;
        // The files' names are the player's, not the program's words.
        for (QString &text : shown) {
            for (const QString &path : { sheet, missing, folder.path() })
                text.remove(QDir::toNativeSeparators(path));
            if (!systemReason.isEmpty())
                text.remove(systemReason);
        }
        shown.removeAll(QString());

        // Every word is the language's own, or a name: the program's, the lotteries',
        // the languages' own names, the fake printer's, the units. "A propos" titles the
        // about box, and "text (*.txt)" names the export files, in every language.
        QStringList known = ownTexts(language) + ticketTypeNames();
        known << QStringLiteral("Quillon PDF OK mm Français English Hrvatski Langue Language Jezik A propos")
              << QStringLiteral("text txt qz") << kRecordingPrinter;
        const QStringList knownWords = wordsOf(known.join(QLatin1Char(' ')));
        const QSet<QString> words(knownWords.begin(), knownWords.end());
        for (const QString &text : shown) {
            for (const QString &word : wordsOf(text))
                QVERIFY2(
                    words.contains(word), qPrintable(QStringLiteral("\"%1\" in \"%2\"").arg(word, text)));
        }
    }
};

QTEST_MAIN(TestLanguages)
#include "test_languages.moc"
