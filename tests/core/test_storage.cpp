// SPDX-License-Identifier: GPL-3.0-or-later
// The text reader, the translation file, the settings file and the game file.
#include "core/files/gamefile.h"
#include "core/files/replacefile.h"
#include "core/files/settingsfile.h"
#include "core/files/textfilereader.h"
#include "core/text/messages.h"
#include "core/text/translationfile.h"
#include "core/wheels/selection.h"
#include "support/storagefiles.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <limits>
#include <memory>
#include <unistd.h>

using namespace quillon;
using namespace quillon::test;

class TestStorage : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString file(const QString &name) const { return dir.filePath(name); }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void readerSkipsBlankLines_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QList<QByteArray>>("lines");
        QTest::addColumn<int>("firstLineCount");
        using L = QList<QByteArray>;
        QTest::newRow("blank lead-in")
            << QByteArray("\n  \t\n\nalpha\n \nbeta\n") << L { "alpha", "beta" } << 4;
        QTest::newRow("empty file") << QByteArray() << L {} << 0;
        QTest::newRow("CR LF and lone CR")
            << QByteArray("one\r\n\r\ntwo\rthree") << L { "one", "two", "three" } << 1;
        QTest::newRow("bytes kept") << QByteArray(" x ;\t\xe8\n") << L { " x ;\t\xe8" } << 1;
    }
    void readerSkipsBlankLines()
    {
        QFETCH(QByteArray, content);
        TextFileReader reader;
        reader.setFileName(writeFile(file("lines.txt"), content));
        QTEST(int(reader.lineCount()), "firstLineCount");
        QList<QByteArray> lines;
        while (!reader.endOfFile()) {
            lines.append(reader.line());
            reader.nextLine();
        }
        QTEST(lines, "lines");
        QVERIFY(!reader.nextLine());
        QVERIFY(reader.line().isEmpty());
    }

    void sameNameDoesNotRewindAndErrorsNameTheFile()
    {
        const QString path = writeFile(file("rewind.txt"), "one\ntwo\n");
        TextFileReader reader;
        reader.setFileName(path);
        reader.nextLine();
        reader.setFileName(path);
        QCOMPARE(reader.line(), QByteArray("two"));
        // Only regular files are opened: a named pipe would wait for a writer forever.
        for (const QString &other : { dir.path(), namedPipe(file("pipe.txt")) }) {
            try {
                reader.setFileName(other);
                QFAIL("not a file, yet opened");
            } catch (const TextFileError &e) {
                QCOMPARE(e.text(), QStringLiteral("Could not open the file \"%1\" for reading").arg(other));
            }
        }
        QVERIFY(!reader.isOpen());
        QVERIFY_THROWS_EXCEPTION(TextFileError, reader.nextLine());
    }

    void translationFile_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("message");
        QTest::addColumn<QString>("text");
        QByteArray spaced = languageFile(40);
        spaced.replace("\n", "\n \n\t\n");
        QTest::newRow("translation") << languageFile(40, "Quitter;Quit") << 21 << "Quit";
        QTest::newRow("blank translation") << languageFile(40, "Quitter;   ") << 21 << "Quitter";
        QTest::newRow("third field ignored") << languageFile(40, "Quitter; Quit ;Izlaz") << 21 << " Quit ";
        QTest::newRow("blank lines do not shift") << spaced << 21 << "en21";
        QTest::newRow("last line without break") << languageFile(40).chopped(1) << 40 << "en40";
        QTest::newRow("88 empty after 40 lines") << languageFile(40) << 88 << "";
        QTest::newRow("header only") << languageFile(0) << 1 << "";
        QTest::newRow("300th kept") << languageFile(320) << 300 << "en300";
        QTest::newRow("beyond 300 ignored") << languageFile(320) << 301 << "";
        QTest::newRow("cut to 255 bytes")
            << languageFile(40, "Quitter;" + QByteArray(300, 'q')) << 21 << QString(255, u'q');
    }
    void translationFile()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, message);
        auto manager = std::make_unique<TranslationFile>();
        manager->setFileName(writeFile(file("quillon.lg"), content));
        QVERIFY(manager->load());
        for (qint32 language : { 1, 2, 3, 4, 5, 6, 0, 99 })
            QTEST(Texts(manager.get(), Language(language))(Msg(message)), "text");
    }

    void translationDecodedWithTheLanguageCodePage()
    {
        auto manager = std::make_unique<TranslationFile>();
        manager->setFileName(writeFile(file("quillon.lg"), languageFile(40, "Aide;Pomo\xe8 \x80")));
        QVERIFY(manager->load());
        QCOMPARE(manager->decodedText(21, Language::French), QStringLiteral("Pomoè €"));
        QCOMPARE(manager->decodedText(21, Language::Croatian), QStringLiteral("Pomoč €"));
        manager->setFileName(dir.path()); // a folder: not loaded, the catalogue speaks
        QVERIFY(!manager->load());
    }

    void readingSettings_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("horizontal");
        QTest::addColumn<bool>("kept");
        QByteArray record = encodeSettings(defaultSettings());
        record.replace(8, 4, int32(-3));
        QTest::newRow("missing: defaults") << QByteArray("<none>") << 0 << false;
        QTest::newRow("32 bytes") << record << -3 << true;
        QTest::newRow("40 bytes: first 32 used") << record + QByteArray(8, '\x7f') << -3 << true;
        QTest::newRow("31 bytes: deleted") << record.left(31) << 0 << false;
        QTest::newRow("named pipe: deleted") << QByteArray("<pipe>") << 0 << false;
    }
    void readingSettings()
    {
        QFETCH(QByteArray, content);
        const QString path = file("QUILLON.PAR");
        QFile::remove(path);
        if (content == "<pipe>")
            namedPipe(path);
        else if (content != "<none>")
            writeFile(path, content);
        const SettingsRecord read = readSettingsFile(path);
        QTEST(int(read.horizontalOffset), "horizontal");
        QCOMPARE(read.languageCode, 1);
        QTEST(QFile::exists(path), "kept");
    }

    // Offsets beyond what the dialog's five characters can give fall back to 0.
    void offsetsFromTheFileStayInTheDialogsRange_data()
    {
        QTest::addColumn<qint32>("horizontal");
        QTest::addColumn<qint32>("vertical");
        QTest::addColumn<qint32>("horizontalRead");
        QTest::addColumn<qint32>("verticalRead");
        QTest::newRow("the dialog's extremes") << 99999 << -9999 << 99999 << -9999;
        QTest::newRow("one beyond") << -10000 << 100000 << 0 << 0;
        QTest::newRow("32-bit extremes")
            << std::numeric_limits<qint32>::max() << std::numeric_limits<qint32>::min() << 0 << 0;
        QTest::newRow("one bad, one good") << 12 << (1 << 30) << 12 << 0;
    }
    void offsetsFromTheFileStayInTheDialogsRange()
    {
        QFETCH(qint32, horizontal);
        QFETCH(qint32, vertical);
        QByteArray record = encodeSettings(defaultSettings());
        record.replace(4, 4, int32(2));
        record.replace(8, 4, int32(horizontal));
        record.replace(12, 4, int32(vertical));
        const SettingsRecord read = readSettingsFile(writeFile(file("QUILLON.PAR"), record));
        QTEST(read.horizontalOffset, "horizontalRead");
        QTEST(read.verticalOffset, "verticalRead");
        QCOMPARE(read.languageCode, 2);
    }

    void settingsWrittenWholeWhereTheyCanBe()
    {
        QTemporaryDir program;
        SettingsRecord settings = defaultSettings();
        settings.verticalOffset = 12;
        QVERIFY(writeSettingsFile(settings, settingsFilePath(program.path())));
        QCOMPARE(readFile(program.filePath(QStringLiteral("QUILLON.PAR"))).mid(12, 4), int32(12));
        QCOMPARE(QDir(program.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
        // No file can be made under /proc, whoever runs the test: the user's folder is used.
        const QString config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
        QCOMPARE(
            settingsFilePath(QStringLiteral("/proc")), QDir(config).filePath(QStringLiteral("QUILLON.PAR")));
        QVERIFY(writeSettingsFile(settings, settingsFilePath(QStringLiteral("/proc"))));
        // Back in a writable program folder, the user's file is read until one is
        // written next to the program.
        QTemporaryDir empty;
        QCOMPARE(settingsFileToRead(empty.path()), QDir(config).filePath(QStringLiteral("QUILLON.PAR")));
        QCOMPARE(settingsFileToRead(program.path()), program.filePath(QStringLiteral("QUILLON.PAR")));
        QVERIFY(QFile::remove(QDir(config).filePath(QStringLiteral("QUILLON.PAR"))));
        // A writable folder of another owner is not the player's copy either.
        if (::geteuid() == 0) {
            QTemporaryDir foreign;
            QCOMPARE(::chown(QFile::encodeName(foreign.path()).constData(), 65534, 65534), 0);
            QCOMPARE(settingsFilePath(foreign.path()), QDir(config).filePath(QStringLiteral("QUILLON.PAR")));
        }
    }

    void programFolderOfTheSystem_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<uint>("owner");
        QTest::addColumn<uint>("user");
        QTest::addColumn<bool>("system");
        QTest::newRow("installed, run by root") << "/usr/lib/quillon" << 0u << 0u << true;
        QTest::newRow("installed under /usr/local") << "/usr/local/lib/quillon" << 0u << 1000u << true;
        QTest::newRow("/usr itself") << "/usr" << 0u << 0u << true;
        QTest::newRow("a name only starting like /usr") << "/usrdata/quillon" << 1000u << 1000u << false;
        QTest::newRow("/usr left through ..") << "/usr/../home/ana/quillon" << 1000u << 1000u << false;
        QTest::newRow("another owner's folder") << "/opt/quillon" << 0u << 1000u << true;
        QTest::newRow("the user's portable copy") << "/home/ana/quillon" << 1000u << 1000u << false;
        QTest::newRow("root's portable copy") << "/root/build" << 0u << 0u << false;
    }
    void programFolderOfTheSystem()
    {
        QFETCH(QString, folder);
        QFETCH(uint, owner);
        QFETCH(uint, user);
        QTEST(programFolderBelongsToSystem(folder, owner, user), "system");
    }

    // A link named like the settings file is replaced by the file; whatever it points
    // to stays as it was, and no file appears at its far end.
    void settingsReplaceALinkRatherThanWriteThroughIt_data()
    {
        QTest::addColumn<bool>("targetExists");
        QTest::newRow("link to a file of the user's") << true;
        QTest::newRow("link to no file") << false;
    }
    void settingsReplaceALinkRatherThanWriteThroughIt()
    {
        QFETCH(bool, targetExists);
        QTemporaryDir program;
        QTemporaryDir elsewhere;
        const QString target = elsewhere.filePath(QStringLiteral("notes.txt"));
        const QByteArray notes(64, 'n');
        if (targetExists)
            writeFile(target, notes);
        const QString link = program.filePath(QStringLiteral("QUILLON.PAR"));
        QVERIFY(QFile::link(target, link));
        SettingsRecord settings = defaultSettings();
        settings.horizontalOffset = 7;
        QVERIFY(writeSettingsFile(settings, link));
        QVERIFY(!QFileInfo(link).isSymLink());
        QCOMPARE(readFile(link), encodeSettings(settings));
        QCOMPARE(readFile(target), targetExists ? notes : QByteArray("<missing>"));
        QCOMPARE(QDir(program.path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
            QStringList { QStringLiteral("QUILLON.PAR") });
    }

    // Files put in place all or nothing: a file the system will not let grow, or a
    // folder where a file goes, leaves every old file byte for byte and nothing new
    // beside them, and the failure names the file.
    void replacingFilesAllOrNothing_data()
    {
        QTest::addColumn<qint64>("sizeLimit"); // -1: none
        QTest::addColumn<bool>("folderInTheWay");
        QTest::addColumn<QString>("failure"); // empty: all went well
        QTest::newRow("all written") << -1LL << false << QString();
        QTest::newRow("third file too large") << 3000LL << false << "set-3.pdf: File too large";
        QTest::newRow("a folder where the second goes") << -1LL << true << "set-2.pdf: ";
    }
    void replacingFilesAllOrNothing()
    {
        QFETCH(qint64, sizeLimit);
        QFETCH(bool, folderInTheWay);
        QFETCH(QString, failure);
        QTemporaryDir folder;
        const auto path = [&](int n) { return folder.filePath(QStringLiteral("set-%1.pdf").arg(n)); };
        writeFile(path(1), "old one");
        if (folderInTheWay)
            QVERIFY(QDir().mkdir(path(2)));
        else
            writeFile(path(2), "old two");
        writeFile(path(4), "old four, left by a longer run");
        const QStringList before
            = QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        const QList<FileContents> files { { path(1), QByteArray(1000, '1') },
            { path(2), QByteArray(1000, '2') }, { path(3), QByteArray(5000, '3') } };

        QString result;
        QString single;
        {
            const std::unique_ptr<FileSizeLimit> limit(
                sizeLimit < 0 ? nullptr : new FileSizeLimit(sizeLimit));
            result = replaceFiles(files, { path(4) });
            // One file alone, through the same checks.
            if (limit)
                single = replaceFile(path(1), files[2].bytes);
        }

        if (failure.isEmpty()) {
            QVERIFY2(result.isEmpty(), qPrintable(result));
            for (int n = 1; n <= 3; ++n)
                QCOMPARE(readFile(path(n)), files[n - 1].bytes);
            QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                (QStringList { "set-1.pdf", "set-2.pdf", "set-3.pdf" }));
            return;
        }
        QVERIFY2(result.startsWith(QDir::toNativeSeparators(folder.path()) + QLatin1Char('/') + failure),
            qPrintable(result));
        QCOMPARE(readFile(path(1)), QByteArray("old one"));
        QCOMPARE(QFileInfo(path(2)).isDir(), folderInTheWay);
        if (!folderInTheWay)
            QCOMPARE(readFile(path(2)), QByteArray("old two"));
        QCOMPARE(readFile(path(4)), QByteArray("old four, left by a longer run"));
        QCOMPARE(
            QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), before);
        if (sizeLimit >= 0)
            QCOMPARE(single, QStringLiteral("File too large"));
    }

    void offsetConversion_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");
        QTest::newRow("negative") << "-5" << -5;
        QTest::newRow("plus sign") << "+7" << 7;
        QTest::newRow("leading blanks") << "  42" << 42;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("lone minus") << "-" << 0;
        QTest::newRow("sign inside") << "12-3" << 12;
        QTest::newRow("sign after") << "-1-" << 1;
        QTest::newRow("two signs") << "--5" << 0;
        QTest::newRow("beyond 32 bits") << "99999999999" << 2147483647;
    }
    void offsetConversion()
    {
        QFETCH(QString, text);
        QTEST(int(offsetFromText(text)), "value");
    }

    void emptyBoxShiftsTheFollowingNumbers()
    {
        Selection picked;
        picked.numbers[40] = 33; // left by an earlier reading
        QStringList boxes;
        for (int k = 1; k <= kBoxCount; ++k)
            boxes.append(QString::number(k + 5));
        boxes[4].clear();
        GameRecord record;
        fillGameRecord(record, picked, 1, boxes);
        QCOMPARE(QByteArray(record.bytes.data(), 8), QByteArray("\x02QL\0\x01\0\0\0", 8));
        QCOMPARE(record.number(4), 9);
        QCOMPARE(record.number(5), 11);
        QCOMPARE(record.number(40), 33);
    }

    void loadingGameFiles_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<GameLoadResult>("result");
        QByteArray valid(kGameRecordSize, '\xa5');
        valid.replace(0, 3, "\x02QL");
        QTest::newRow("any other bytes") << valid << GameLoadResult::Loaded;
        QTest::newRow("227 bytes") << valid.left(227) << GameLoadResult::ReadFailed;
        QTest::newRow("lower case") << QByteArray(valid).replace(1, 2, "ql") << GameLoadResult::NotAGameFile;
        QTest::newRow("missing") << QByteArray("<none>") << GameLoadResult::Missing;
        QTest::newRow("folder") << QByteArray("<folder>") << GameLoadResult::ReadFailed;
        QTest::newRow("named pipe") << QByteArray("<pipe>") << GameLoadResult::ReadFailed;
    }
    void loadingGameFiles()
    {
        QFETCH(QByteArray, content);
        const QString path = file("game.qz");
        QFile::remove(path);
        QDir(path).removeRecursively();
        if (content == "<folder>")
            QDir().mkpath(path);
        else if (content == "<pipe>")
            namedPipe(path);
        else if (content != "<none>")
            writeFile(path, content);
        GameRecord record;
        record.bytes.fill('\x11');
        const GameRecord before = record;
        const GameLoadResult result = readGameFile(path, record);
        QTEST(result, "result");
        const QByteArray now(record.bytes.data(), kGameRecordSize);
        QCOMPARE(now,
            result == GameLoadResult::Loaded ? content.left(kGameRecordSize)
                                             : QByteArray(before.bytes.data(), kGameRecordSize));
    }

    void reservedBytesSurviveLoadAndSave()
    {
        QByteArray loaded(kGameRecordSize, 'r');
        loaded.replace(0, 3, "\x02QL");
        GameRecord record;
        QCOMPARE(readGameFile(writeFile(file("in.qz"), loaded), record), GameLoadResult::Loaded);
        Selection picked;
        fillGameRecord(record, picked, 3, QStringList(kBoxCount, QStringLiteral("9")));
        QVERIFY(writeGameFile(file("out.qz"), record));
        const QByteArray saved = readFile(file("out.qz"));
        QCOMPARE(saved.size(), kGameRecordSize);
        // Signature, reserved byte, format 1, system 3, reserved, its pool size 9,
        // no key numbers, reserved.
        QCOMPARE(saved.left(28), "\x02QLr" + int32(1) + int32(3) + "rrrr" + int32(9) + int32(0) + "rrrr");
        QCOMPARE(saved.mid(188), QByteArray(40, 'r'));
        QCOMPARE(saved.mid(28, 4), int32(9));
    }
    // Offset 24 says which table the game plays: 1 the smallest, anything else the
    // catalogue's, and a byte read there that is not 1 goes out again unchanged.
    void tableInPlayAtOffset24_data()
    {
        QTest::addColumn<char>("loaded");
        QTest::addColumn<bool>("smallest");
        QTest::addColumn<char>("saved");
        QTest::newRow("catalogue, never loaded") << char(0) << false << char(0);
        QTest::newRow("smallest") << char(0) << true << char(1);
        QTest::newRow("catalogue after a smallest game") << char(1) << false << char(0);
        QTest::newRow("catalogue, other byte kept") << 'r' << false << 'r';
        QTest::newRow("smallest over another byte") << 'r' << true << char(1);
    }
    void tableInPlayAtOffset24()
    {
        QFETCH(char, loaded);
        QFETCH(bool, smallest);
        GameRecord record;
        record.bytes[24] = loaded;
        QCOMPARE(record.usesSmallestTable(), loaded == 1);
        record.setSmallestTable(smallest);
        QTEST(record.bytes[24], "saved");
        QCOMPARE(record.usesSmallestTable(), smallest);
    }
};

QTEST_GUILESS_MAIN(TestStorage)
#include "test_storage.moc"
