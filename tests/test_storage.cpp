// The text reader, the translation file, the settings file and the game file.
#include "app/messages.h"
#include "app/programfolder.h"
#include "engine/catalogue.h"
#include "engine/selection.h"
#include "fakes/fakeplatform.h"
#include "i18n/gerelanguage.h"
#include "i18n/language.h"
#include "storage/gamefile.h"
#include "storage/settingsfile.h"
#include "storage/textfile.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <ios>

using namespace quillon;

namespace {

QByteArray int32(qint32 v)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian<qint32>(v, bytes.data());
    return bytes;
}

// A translation file: ten header lines, then the given message lines.
QByteArray languageFile(const QList<QByteArray> &messages)
{
    QByteArray file;
    for (int i = 1; i <= 10; ++i)
        file += "header " + QByteArray::number(i) + "\n";
    for (const QByteArray &line : messages)
        file += line + "\n";
    return file;
}

// Message lines 1 … count reading "French n;English n".
QList<QByteArray> numberedMessages(int count)
{
    QList<QByteArray> lines;
    for (int n = 1; n <= count; ++n)
        lines.append("fr" + QByteArray::number(n) + ";en" + QByteArray::number(n));
    return lines;
}

QByteArray gameFile(qint32 system, const QList<qint32> &numbers)
{
    QByteArray bytes(kGameRecordSize, '\0');
    bytes[0] = 2;
    bytes[1] = 'Q';
    bytes[2] = 'L';
    bytes.replace(8, 4, int32(system));
    for (int k = 0; k < numbers.size(); ++k)
        bytes.replace(28 + 4 * k, 4, int32(numbers[k]));
    return bytes;
}

} // namespace

class TestStorage : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    QString write(const QString &name, const QByteArray &bytes)
    {
        const QString path = dir.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            qFatal("cannot write %s", qPrintable(path));
        file.write(bytes);
        return path;
    }

    QByteArray readBack(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    QList<QByteArray> readAllLines(TTextFile &reader)
    {
        QList<QByteArray> lines;
        while (!reader.EndOfFile()) {
            lines.append(reader.Line());
            reader.NextLine();
        }
        return lines;
    }

    void loadLanguage(const QByteArray &bytes)
    {
        auto manager = std::make_unique<Tgerelanguage>();
        manager->fileName = write(QStringLiteral("quillon.lg"), bytes);
        QVERIFY(manager->Load());
        setLanguageManager(std::move(manager));
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(dir.isValid());
    }
    void cleanup()
    {
        setLanguageManager(std::make_unique<Tgerelanguage>());
        settings() = defaultSettings();
        setProgramFolder(QString());
    }

    // ---- Text reader ----

    void readerSkipsBlankLines_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QList<QByteArray>>("lines");
        QTest::addColumn<int>("firstLineCount");
        QTest::addColumn<int>("finalLineCount");
        using L = QList<QByteArray>;
        QTest::newRow("blank lead-in") << QByteArray("\n  \t\n\nalpha\nbeta\n") << L{"alpha", "beta"} << 4 << 5;
        QTest::newRow("empty file") << QByteArray() << L{} << 0 << 0;
        QTest::newRow("only blanks") << QByteArray(" \n\t\n\n") << L{} << 3 << 3;
        QTest::newRow("no final break") << QByteArray("one\ntwo") << L{"one", "two"} << 1 << 2;
        QTest::newRow("CR LF") << QByteArray("one\r\n\r\ntwo\r\n") << L{"one", "two"} << 1 << 3;
        QTest::newRow("lone CR") << QByteArray("one\r\rtwo") << L{"one", "two"} << 1 << 3;
        QTest::newRow("blank inside") << QByteArray("a\n \n\t\nb\n\n") << L{"a", "b"} << 1 << 5;
        QTest::newRow("blanks kept inside a line") << QByteArray("  x ;\t\n") << L{"  x ;\t"} << 1 << 1;
        QTest::newRow("8-bit bytes kept") << QByteArray("\xe8\x9a;\x8a\n") << L{"\xe8\x9a;\x8a"} << 1 << 1;
    }
    void readerSkipsBlankLines()
    {
        QFETCH(QByteArray, content);
        QFETCH(QList<QByteArray>, lines);
        TTextFile reader;
        reader.setFileName(write(QStringLiteral("lines.txt"), content));
        QVERIFY(reader.IsOpen());
        QTEST(int(reader.LineCount()), "firstLineCount");
        QCOMPARE(reader.Line(), lines.isEmpty() ? QByteArray() : lines.first());
        QCOMPARE(readAllLines(reader), lines);
        QTEST(int(reader.LineCount()), "finalLineCount");
        QVERIFY(reader.EndOfFile());
        QVERIFY(!reader.NextLine());
        QVERIFY(reader.Line().isEmpty());
    }

    void fields_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<char>("separator");
        QTest::addColumn<int>("index");
        QTest::addColumn<QByteArray>("field");
        QTest::newRow("first") << QByteArray("12;Quitter;Quit") << ';' << 1 << QByteArray("12");
        QTest::newRow("second") << QByteArray("12;Quitter;Quit") << ';' << 2 << QByteArray("Quitter");
        QTest::newRow("third") << QByteArray("12;Quitter;Quit") << ';' << 3 << QByteArray("Quit");
        QTest::newRow("beyond") << QByteArray("12;Quitter;Quit") << ';' << 4 << QByteArray();
        QTest::newRow("empty between") << QByteArray("a;;b") << ';' << 2 << QByteArray();
        QTest::newRow("after empty") << QByteArray("a;;b") << ';' << 3 << QByteArray("b");
        QTest::newRow("leading empty") << QByteArray(";x") << ';' << 1 << QByteArray();
        QTest::newRow("after leading empty") << QByteArray(";x") << ';' << 2 << QByteArray("x");
        QTest::newRow("trailing separator") << QByteArray("a;") << ';' << 2 << QByteArray();
        QTest::newRow("blanks kept") << QByteArray("a; Quit ;c") << ';' << 2 << QByteArray(" Quit ");
        QTest::newRow("index 0") << QByteArray("a;b") << ';' << 0 << QByteArray();
        QTest::newRow("blank runs 1") << QByteArray("  alpha   beta") << '\0' << 1 << QByteArray("alpha");
        QTest::newRow("blank runs 2") << QByteArray("  alpha   beta") << '\0' << 2 << QByteArray("beta");
        QTest::newRow("tabs") << QByteArray("\ta\t \tb ") << '\0' << 2 << QByteArray("b");
        QTest::newRow("blank runs beyond") << QByteArray("a b ") << '\0' << 3 << QByteArray();
        QTest::newRow("index 255") << QByteArray("a;b") << ';' << 255 << QByteArray();
    }
    void fields()
    {
        QFETCH(QByteArray, line);
        QFETCH(char, separator);
        QFETCH(int, index);
        TTextFile reader;
        reader.Separator = separator;
        reader.setFileName(write(QStringLiteral("field.txt"), line + "\n"));
        QTEST(reader.Field(quint8(index)), "field");
    }

    void assigningTheSameNameDoesNotRewind()
    {
        const QString path = write(QStringLiteral("rewind.txt"), "one\ntwo\nthree\n");
        TTextFile reader;
        reader.setFileName(path);
        reader.NextLine();
        reader.setFileName(path);
        QCOMPARE(reader.Line(), QByteArray("two"));
        reader.setFileName(QString());
        QVERIFY(!reader.IsOpen());
        reader.setFileName(path);
        QCOMPARE(reader.Line(), QByteArray("one"));
    }

    void readerErrors_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("isFolder");
        QTest::newRow("missing") << QStringLiteral("missing.txt") << false;
        QTest::newRow("folder") << QStringLiteral("a folder") << true;
    }
    void readerErrors()
    {
        QFETCH(QString, name);
        QFETCH(bool, isFolder);
        const QString path = dir.filePath(name);
        if (isFolder)
            QVERIFY(QDir().mkpath(path));
        TTextFile reader;
        try {
            reader.setFileName(path);
            QFAIL("no error raised");
        } catch (const ETextFileError &e) {
            QCOMPARE(e.text(), QStringLiteral("Could not open the file \"%1\" for reading").arg(path));
        }
        QVERIFY(!reader.IsOpen());
        try {
            reader.NextLine();
            QFAIL("no error raised");
        } catch (const ETextFileError &e) {
            QCOMPARE(e.text(), QStringLiteral("No valid file selected"));
        }
        QVERIFY_THROWS_EXCEPTION(std::ios_base::failure, reader.EndOfFile());
    }

    // ---- Translation file ----

    void message21FromTheFile_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("text");
        QTest::newRow("translation") << QByteArray("Quitter;Quit") << QStringLiteral("Quit");
        QTest::newRow("blank translation") << QByteArray("Quitter;   ") << QStringLiteral("Quitter");
        QTest::newRow("control characters only") << QByteArray("Quitter;\x01\x1f") << QStringLiteral("Quitter");
        QTest::newRow("blanks kept, third field ignored")
            << QByteArray("Quitter; Quit ;Izlaz") << QStringLiteral(" Quit ");
        QTest::newRow("no translation field") << QByteArray(" Quitter") << QStringLiteral(" Quitter");
    }
    void message21FromTheFile()
    {
        QFETCH(QByteArray, line);
        QFETCH(QString, text);
        QList<QByteArray> lines = numberedMessages(40);
        lines[20] = line;
        loadLanguage(languageFile(lines));
        for (qint32 language : {1, 2, 3, 4, 5, 6}) {
            setCurrentLanguage(language);
            QCOMPARE(pgloretlibmessage(21), text);
        }
    }

    void fileNumbering_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("message");
        QTest::addColumn<QString>("text");
        const QByteArray forty = languageFile(numberedMessages(40));
        QByteArray spaced = forty;
        spaced.replace("\n", "\n \n\t\n\n");
        QByteArray noFinalBreak = forty;
        noFinalBreak.chop(1);
        QTest::newRow("message 1") << forty << 1 << QStringLiteral("en1");
        QTest::newRow("message 40") << forty << 40 << QStringLiteral("en40");
        QTest::newRow("41 empty") << forty << 41 << QString();
        QTest::newRow("88 empty though catalogued") << forty << 88 << QString();
        QTest::newRow("blank lines do not shift") << spaced << 21 << QStringLiteral("en21");
        QTest::newRow("blank lines, last") << spaced << 40 << QStringLiteral("en40");
        QTest::newRow("last line without break") << noFinalBreak << 40 << QStringLiteral("en40");
        QTest::newRow("header only") << languageFile({}) << 21 << QString();
        QTest::newRow("shorter than the header") << QByteArray("a;b\nc;d\n") << 1 << QString();
        const QByteArray many = languageFile(numberedMessages(320));
        QTest::newRow("300th kept") << many << 300 << QStringLiteral("en300");
        QTest::newRow("beyond 300 ignored") << many << 301 << QString();
    }
    void fileNumbering()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, message);
        loadLanguage(content);
        QTEST(pgloretlibmessage(message), "text");
    }

    void fileTextsDecodeWithTheLanguageCodePage_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("text");
        QTest::newRow("French: Windows-1252") << 1 << QStringLiteral("Pomoè €");
        QTest::newRow("English: Windows-1252") << 2 << QStringLiteral("Pomoè €");
        QTest::newRow("Croatian: Windows-1250") << 6 << QStringLiteral("Pomoč €");
        QTest::newRow("unknown code: the file still speaks") << 9 << QStringLiteral("Pomoè €");
    }
    void fileTextsDecodeWithTheLanguageCodePage()
    {
        QFETCH(int, language);
        QList<QByteArray> lines = numberedMessages(40);
        lines[31] = "Aide;Pomo\xe8 \x80";
        loadLanguage(languageFile(lines));
        setCurrentLanguage(language);
        QTEST(pgloretlibmessage(32), "text");
    }

    void unusableTranslationFileLeavesTheCatalogue_data()
    {
        QTest::addColumn<bool>("isFolder");
        QTest::newRow("missing") << false;
        QTest::newRow("folder") << true;
    }
    void unusableTranslationFileLeavesTheCatalogue()
    {
        QFETCH(bool, isFolder);
        QTemporaryDir folder;
        if (isFolder)
            QVERIFY(QDir().mkpath(folder.filePath(QStringLiteral("quillon.lg"))));
        auto manager = std::make_unique<Tgerelanguage>();
        manager->fileName = folder.filePath(QStringLiteral("quillon.lg"));
        QVERIFY(!manager->Load());
        setLanguageManager(std::move(manager));
        setCurrentLanguage(English);
        QCOMPARE(pgloretlibmessage(21), QStringLiteral("Quit"));
    }

    // ---- Settings file ----

    void settingsRecordBytes()
    {
        const QByteArray bytes = encodeSettings(defaultSettings());
        QByteArray expected(32, '\0');
        expected[4] = 1;
        expected[16] = 1;
        QCOMPARE(bytes, expected);

        SettingsRecord record;
        record.reserved0 = 0x11223344;
        record.languageCode = 6;
        record.horizontalOffset = -5;
        record.verticalOffset = 12;
        record.reserved16 = -7;
        record.reserved20.fill('z');
        const QByteArray encoded = encodeSettings(record);
        QCOMPARE(encoded.mid(8, 4), QByteArray("\xfb\xff\xff\xff", 4));
        SettingsRecord back;
        QVERIFY(decodeSettings(encoded, back));
        QCOMPARE(encodeSettings(back), encoded);
    }

    void readingSettings_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("exists");
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("horizontal");
        QTest::addColumn<bool>("kept");
        QByteArray english = encodeSettings(defaultSettings());
        english.replace(4, 4, int32(2));
        english.replace(8, 4, int32(-3));
        QTest::newRow("missing: defaults") << QByteArray() << false << 1 << 0 << false;
        QTest::newRow("32 bytes") << english << true << 2 << -3 << true;
        QTest::newRow("40 bytes: first 32 used") << english + QByteArray(8, '\x7f') << true << 2 << -3 << true;
        QTest::newRow("31 bytes: deleted") << english.left(31) << true << 1 << 0 << false;
        QTest::newRow("empty: deleted") << QByteArray() << true << 1 << 0 << false;
        QByteArray odd = english;
        odd.replace(4, 4, int32(-99));
        QTest::newRow("any language code kept") << odd << true << -99 << -3 << true;
    }
    void readingSettings()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, exists);
        QFETCH(bool, kept);
        const QString path = dir.filePath(QStringLiteral("QUILLON.PAR"));
        QFile::remove(path);
        if (exists)
            write(QStringLiteral("QUILLON.PAR"), content);
        settings().languageCode = 4;
        settings().horizontalOffset = 77;
        readSettingsFile(path);
        QTEST(int(settings().languageCode), "language");
        QTEST(int(settings().horizontalOffset), "horizontal");
        QCOMPARE(QFile::exists(path), kept);
        if (!kept)
            QCOMPARE(settings().reserved16, 1);
    }

    void settingsFileThatIsAFolderGivesDefaults()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("QUILLON.PAR"));
        QVERIFY(QDir().mkpath(path));
        settings().languageCode = 3;
        readSettingsFile(path);
        QCOMPARE(settings().languageCode, 1);
        QVERIFY(!writeSettingsFile(path));
    }

    void writingSettings()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("QUILLON.PAR"));
        settings().horizontalOffset = -5;
        settings().verticalOffset = 12;
        QVERIFY(writeSettingsFile(path));
        QByteArray expected = encodeSettings(defaultSettings());
        expected.replace(8, 4, int32(-5));
        expected.replace(12, 4, int32(12));
        QCOMPARE(readBack(path), expected);
        // A folder that cannot exist: the write fails and says so.
        write(QStringLiteral("plain"), "x");
        QVERIFY(!writeSettingsFile(dir.filePath(QStringLiteral("plain/QUILLON.PAR"))));
    }

    void writeToAFullDeviceFails()
    {
        QFile full(QStringLiteral("/dev/full"));
        if (!full.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            QSKIP("no /dev/full here");
        QVERIFY(!writeAll(full, QByteArray(32, 'x')));
    }

    void settingsFileLocation()
    {
        QTemporaryDir folder;
        setProgramFolder(folder.path());
        QCOMPARE(settingsFilePath(), folder.filePath(QStringLiteral("QUILLON.PAR")));
        QVERIFY(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
        // No file can be made under /proc, whoever runs the test.
        setProgramFolder(QStringLiteral("/proc/"));
        const QString config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
        QCOMPARE(settingsFilePath(), QDir(config).filePath(QStringLiteral("QUILLON.PAR")));
    }

    void offsetConversion_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");
        QTest::newRow("negative") << "-5" << -5;
        QTest::newRow("positive") << "12" << 12;
        QTest::newRow("plus sign") << "+7" << 7;
        QTest::newRow("leading blanks") << "  42" << 42;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("lone minus") << "-" << 0;
        QTest::newRow("lone plus") << "+" << 0;
        QTest::newRow("sign inside") << "12-3" << 12;
        QTest::newRow("sign after") << "-1-" << 1;
        QTest::newRow("two signs") << "--5" << 0;
        QTest::newRow("seven characters") << "-123456" << -123456;
        QTest::newRow("beyond 32 bits") << "99999999999" << 2147483647;
    }
    void offsetConversion()
    {
        QFETCH(QString, text);
        QTEST(int(offsetFromText(text)), "value");
    }

    void offsetShownCutToSevenCharacters()
    {
        QCOMPARE(offsetToText(-5), QStringLiteral("-5"));
        QCOMPARE(offsetToText(-2147483647 - 1), QStringLiteral("-214748"));
    }

    // ---- Game file ----

    void gameRecordLayout()
    {
        const int system = sortedSystemListItems().isEmpty() ? 1 : indexFromListItemText(sortedSystemListItems()[0]);
        QStringList boxes;
        for (int k = 1; k <= kBoxCount; ++k)
            boxes.append(QString::number(k));
        GameRecord record;
        fillGameRecord(record, system, boxes);
        const QByteArray bytes(record.bytes.data(), kGameRecordSize);
        QCOMPARE(bytes.left(3), QByteArray("\x02QL"));
        QCOMPARE(bytes.mid(4, 4), int32(1));
        QCOMPARE(bytes.mid(8, 4), int32(system));
        QCOMPARE(bytes.mid(16, 4), int32(systemDescriptor(system).poolSize));
        QCOMPARE(bytes.mid(20, 4), int32(0));
        QCOMPARE(bytes.mid(28, 4), int32(1));
        QCOMPARE(bytes.mid(28 + 39 * 4, 4), int32(40));
        QCOMPARE(bytes.mid(188), QByteArray(40, '\0'));
    }

    void emptyBoxShiftsTheFollowingNumbers()
    {
        selection().numbers[40] = 33; // left by an earlier reading
        QStringList boxes;
        for (int k = 1; k <= kBoxCount; ++k)
            boxes.append(QString::number(k + 5));
        boxes[4].clear();
        GameRecord record;
        fillGameRecord(record, 1, boxes);
        QCOMPARE(record.number(4), 9);
        QCOMPARE(record.number(5), 11);
        QCOMPARE(record.number(39), 45);
        QCOMPARE(record.number(40), 33);
    }

    void loadingGameFiles_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("result");
        const QByteArray valid = gameFile(7, {4, 0, 50, 51, -2});
        QByteArray anyOtherBytes(kGameRecordSize, '\xa5');
        anyOtherBytes.replace(0, 3, "\x02QL");
        QTest::newRow("valid") << valid << int(GameLoadResult::Loaded);
        QTest::newRow("229 bytes") << valid + "x" << int(GameLoadResult::Loaded);
        QTest::newRow("any other bytes") << anyOtherBytes << int(GameLoadResult::Loaded);
        QTest::newRow("227 bytes") << valid.left(227) << int(GameLoadResult::ReadFailed);
        QTest::newRow("empty") << QByteArray() << int(GameLoadResult::ReadFailed);
        QTest::newRow("length 3") << QByteArray(valid).replace(0, 1, "\x03") << int(GameLoadResult::NotAGameFile);
        QTest::newRow("lower case") << QByteArray(valid).replace(1, 2, "ql") << int(GameLoadResult::NotAGameFile);
        QTest::newRow("text file") << QByteArray(300, 'a') << int(GameLoadResult::NotAGameFile);
    }
    void loadingGameFiles()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, result);
        GameRecord record;
        record.bytes.fill('\x11');
        const GameRecord before = record;
        QCOMPARE(int(readGameFile(write(QStringLiteral("game.qz"), content), record)), result);
        if (result == int(GameLoadResult::Loaded))
            QCOMPARE(QByteArray(record.bytes.data(), kGameRecordSize), content.left(kGameRecordSize));
        else
            QVERIFY(record.bytes == before.bytes);
    }

    void loadingMissingOrFolderGameFile()
    {
        GameRecord record;
        QCOMPARE(readGameFile(dir.filePath(QStringLiteral("none.qz")), record), GameLoadResult::Missing);
        QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("folder.qz"))));
        QCOMPARE(readGameFile(dir.filePath(QStringLiteral("folder.qz")), record), GameLoadResult::ReadFailed);
        QVERIFY(!writeGameFile(dir.filePath(QStringLiteral("folder.qz")), record));
    }

    void reservedBytesSurviveLoadAndSave()
    {
        QByteArray loaded = gameFile(3, {});
        loaded[3] = 'r';
        loaded.replace(12, 4, "keep");
        loaded.replace(200, 4, "tail");
        GameRecord record;
        QCOMPARE(readGameFile(write(QStringLiteral("reserved.qz"), loaded), record), GameLoadResult::Loaded);
        fillGameRecord(record, 3, QStringList(kBoxCount, QStringLiteral("9")));
        const QString saved = dir.filePath(QStringLiteral("saved.qz"));
        QVERIFY(writeGameFile(saved, record));
        const QByteArray bytes = readBack(saved);
        QCOMPARE(bytes.size(), kGameRecordSize);
        QCOMPARE(bytes[3], 'r');
        QCOMPARE(bytes.mid(12, 4), QByteArray("keep"));
        QCOMPARE(bytes.mid(200, 4), QByteArray("tail"));
        QCOMPARE(bytes.mid(28, 4), int32(9));
    }
};

QTEST_GUILESS_MAIN(TestStorage)
#include "test_storage.moc"
