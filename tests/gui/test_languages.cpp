// Every text the program shows is in the player's language. The program is started in
// French, English and Croatian; every window is opened and the messages it can show are
// brought up through the recording prompts. Two checks then run over all they showed:
// - no text holds another language's wording of a text the program has in several
//   (the message catalogue, the Qt Linguist sources in translations/);
// - every word is one of the language's own texts, or a name: a text written straight
//   into the code, outside the catalogue and the translations, shows up there.
#include "core/text/language.h"
#include "core/text/messages.h"
#include "core/tickets/tickettypes.h"
#include "core/wheels/boardlist.h"
#include "gui/application.h"
#include "gui/mainwindow.h"
#include "gui/ticketprintdialog.h"
#include "gui/ticketpreviewwindow.h"
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

const Language kLanguages[] = { Language::French, Language::English, Language::Croatian };

// A translated text in the three languages, from the Qt Linguist sources.
struct Translated {
    QString en, fr, hr;
    QString in(Language language) const
    {
        return language == Language::French ? fr : language == Language::Croatian ? hr : en;
    }
};

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

QList<Translated> translatedTexts()
{
    const QDir sources(qEnvironmentVariable("QUILLON_SOURCE_DIR") + QStringLiteral("/translations"));
    const auto fr = readTranslations(sources.filePath(QStringLiteral("quillon_fr.ts")));
    const auto hr = readTranslations(sources.filePath(QStringLiteral("quillon_hr.ts")));
    QList<Translated> texts;
    for (auto it = fr.begin(); it != fr.end(); ++it)
        texts.append({ it.key(), it.value(), hr.value(it.key()) });
    for (int n = 1; n <= kMessageCount; ++n) {
        texts.append({ catalogueText(n, Language::English), catalogueText(n, Language::French),
            catalogueText(n, Language::Croatian) });
    }
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

// Where a text, its %1 … filled with anything, stands in a longer one as whole words.
QRegularExpression wording(const QString &text)
{
    QString pattern = QRegularExpression::escape(text);
    pattern.replace(QRegularExpression(QStringLiteral("%\\d")), QStringLiteral(".+?"));
    return QRegularExpression(QStringLiteral("(?<!\\w)") + pattern + QStringLiteral("(?!\\w)"),
        QRegularExpression::UseUnicodePropertiesOption);
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
        generate(4, session->boards);
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

        // No other language's wording of a text this one has in its own words.
        const QList<Translated> translated = translatedTexts();
        QSet<QString> own;
        for (const Translated &text : translated)
            own.insert(text.in(language));
        for (const Translated &text : translated) {
            for (Language other : kLanguages) {
                const QString foreign = text.in(other);
                if (other == language || own.contains(foreign))
                    continue;
                if (!QString(foreign)
                         .remove(QRegularExpression(QStringLiteral("%\\d")))
                         .contains(QRegularExpression(QStringLiteral("\\p{L}{3}"))))
                    continue; // too short to be told from a name or a number
                const QRegularExpression pattern = wording(foreign);
                for (const QString &text : shown)
                    QVERIFY2(!pattern.match(text).hasMatch(),
                        qPrintable(QStringLiteral("\"%1\" holds \"%2\"").arg(text, foreign)));
            }
        }

        // Every word is the language's own, or a name: the program's, the lotteries',
        // the languages' own names, the fake printer's, the units. "A propos" titles the
        // about box, and "text (*.txt)" names the export files, in every language.
        QSet<QString> words;
        for (const QString &text : own) {
            for (const QString &word : wordsOf(text))
                words.insert(word);
        }
        QStringList names = ticketTypeNames();
        names << QStringLiteral("Quillon PDF OK mm Français English Hrvatski Langue Language Jezik A propos text txt qz")
              << kRecordingPrinter;
        for (const QString &word : wordsOf(names.join(QLatin1Char(' '))))
            words.insert(word);
        for (const QString &text : shown) {
            for (const QString &word : wordsOf(text))
                QVERIFY2(
                    words.contains(word), qPrintable(QStringLiteral("\"%1\" in \"%2\"").arg(word, text)));
        }
    }
};

QTEST_MAIN(TestLanguages)
#include "test_languages.moc"
