// Random damage to the three files the program reads: the settings file, the game
// file and the translation file. A seeded mutation loop, bounded so that it also
// runs under the sanitizers; every reader must give its documented answer.
#include "fakes/fakeplatform.h"
#include "i18n/gerelanguage.h"
#include "storage/gamefile.h"
#include "storage/settingsfile.h"
#include "storage/textfile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <random>

using namespace quillon;

namespace {

constexpr int kRounds = 2000;

class Mutator {
public:
    explicit Mutator(quint32 seed) : m_random(seed) {}

    int below(int n) { return n <= 0 ? 0 : int(m_random() % quint32(n)); }

    QByteArray mutate(QByteArray bytes)
    {
        static const char kSpecial[] = {'\n', '\r', ';', ' ', '\t', '\0', '\x1a', '\xff', 'Q', 'L', '\x02'};
        const int steps = 1 + below(6);
        for (int i = 0; i < steps; ++i) {
            switch (below(7)) {
            case 0: // flip a byte
                if (!bytes.isEmpty())
                    bytes[below(int(bytes.size()))] = char(below(256));
                break;
            case 1: // truncate
                bytes.truncate(below(int(bytes.size()) + 1));
                break;
            case 2: // append random bytes
                for (int n = below(64); n > 0; --n)
                    bytes.append(char(below(256)));
                break;
            case 3: // insert a byte that matters to the readers
                bytes.insert(below(int(bytes.size()) + 1), kSpecial[below(int(sizeof kSpecial))]);
                break;
            case 4: // duplicate a chunk
                if (!bytes.isEmpty()) {
                    const int from = below(int(bytes.size()));
                    bytes.insert(below(int(bytes.size()) + 1), bytes.mid(from, below(40)));
                }
                break;
            case 5: // remove a chunk
                if (!bytes.isEmpty())
                    bytes.remove(below(int(bytes.size())), below(20));
                break;
            default: // set a little-endian integer to an extreme
                if (bytes.size() >= 4) {
                    const qint32 extremes[] = {0, -1, 1, 50, 51, 124, 125, INT32_MIN, INT32_MAX};
                    const qint32 v = extremes[below(9)];
                    const int at = below(int(bytes.size()) - 3);
                    for (int b = 0; b < 4; ++b)
                        bytes[at + b] = char((quint32(v) >> (8 * b)) & 0xff);
                }
                break;
            }
        }
        return bytes;
    }

private:
    std::mt19937 m_random;
};

// The lines a reader must present: the file split at LF, CR LF or CR, blank ones left out.
QList<QByteArray> expectedLines(const QByteArray &bytes)
{
    QList<QByteArray> lines;
    QByteArray line;
    auto flush = [&] {
        bool blank = true;
        for (char c : line)
            blank = blank && (c == ' ' || c == '\t');
        if (!blank)
            lines.append(line);
        line.clear();
    };
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c == '\n' || c == '\r') {
            if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
                ++i;
            flush();
        } else {
            line.append(c);
        }
    }
    flush();
    return lines;
}

QByteArray expectedField(const QByteArray &line, char separator, int index)
{
    QList<QByteArray> parts;
    if (separator != 0) {
        parts = line.split(separator);
    } else {
        QByteArray word;
        for (char c : line + ' ') {
            if (c == ' ' || c == '\t') {
                if (!word.isEmpty())
                    parts.append(word);
                word.clear();
            } else {
                word.append(c);
            }
        }
    }
    return index >= 1 && index <= parts.size() ? parts[index - 1] : QByteArray();
}

} // namespace

class TestFuzzReaders : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    QString write(const QString &name, const QByteArray &bytes)
    {
        const QString path = dir.filePath(name);
        // A fresh file each time: rewriting one in place makes some file systems
        // flush it to disk at every close.
        QFile::remove(path);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            qFatal("cannot write %s", qPrintable(path));
        file.write(bytes);
        return path;
    }

private slots:
    void textReaderMatchesASimpleSplitter()
    {
        Mutator m(20261207);
        const QByteArray seed = "h1\nh2;x\n\n  \t\nQuitter;Quit\r\na;;b\r;x\n  alpha   beta\nlast";
        for (int round = 0; round < kRounds; ++round) {
            const QByteArray bytes = m.mutate(seed);
            const QString path = write(QStringLiteral("text.txt"), bytes);
            const char separator = round % 3 == 0 ? '\0' : ';';
            TTextFile reader;
            reader.Separator = separator;
            reader.setFileName(path);
            QList<QByteArray> lines;
            while (!reader.EndOfFile()) {
                lines.append(reader.Line());
                const int index = 1 + m.below(5);
                QCOMPARE(reader.Field(quint8(index)), expectedField(reader.Line(), separator, index));
                reader.NextLine();
            }
            QCOMPARE(lines, expectedLines(bytes));
        }
    }

    void translationFile()
    {
        Mutator m(7);
        QByteArray seed;
        for (int i = 1; i <= 10; ++i)
            seed += "header;" + QByteArray::number(i) + "\n";
        for (int n = 1; n <= 40; ++n)
            seed += "fr\xe9" + QByteArray::number(n) + ";tr\x8a" + QByteArray::number(n) + ";x\n";
        for (int round = 0; round < kRounds; ++round) {
            const QByteArray bytes = m.mutate(round % 50 == 0 ? seed.repeated(9) : seed);
            Tgerelanguage manager;
            manager.fileName = write(QStringLiteral("quillon.lg"), bytes);
            QVERIFY(manager.Load());
            const QList<QByteArray> lines = expectedLines(bytes);
            for (int n = 1; n <= Tgerelanguage::kTextCount; ++n) {
                const qsizetype line = 10 + n - 1;
                if (line >= lines.size()) {
                    QVERIFY(manager.text(n).isEmpty());
                } else {
                    const QByteArray translation = expectedField(lines[line], ';', 2);
                    const bool visible = std::any_of(translation.begin(), translation.end(),
                                                     [](char c) { return quint8(c) > 32; });
                    QCOMPARE(manager.text(n), visible ? translation : expectedField(lines[line], ';', 1));
                }
                if (n % 29 == round % 29) {
                    for (int language : {-1, 1, 6, 7})
                        (void)manager.decodedText(n, language);
                }
            }
            QVERIFY(manager.text(0).isEmpty());
            QVERIFY(manager.text(Tgerelanguage::kTextCount + 1).isEmpty());
        }
    }

    void settingsFile()
    {
        Mutator m(32);
        SettingsRecord seedRecord = defaultSettings();
        seedRecord.horizontalOffset = -5;
        seedRecord.verticalOffset = 12;
        const QByteArray seed = encodeSettings(seedRecord);
        for (int round = 0; round < kRounds; ++round) {
            const QByteArray bytes = m.mutate(seed);
            const QString path = write(QStringLiteral("QUILLON.PAR"), bytes);
            readSettingsFile(path);
            if (bytes.size() >= kSettingsRecordSize) {
                QCOMPARE(encodeSettings(settings()), bytes.left(kSettingsRecordSize));
                QVERIFY(QFile::exists(path));
            } else {
                QCOMPARE(encodeSettings(settings()), encodeSettings(defaultSettings()));
                QVERIFY(!QFile::exists(path));
            }
        }
    }

    void gameFile()
    {
        Mutator m(228);
        QByteArray seed(kGameRecordSize, '\0');
        seed.replace(0, 3, "\x02QL");
        seed[4] = 1;
        seed[8] = 7;
        for (int k = 0; k < 40; ++k)
            seed[28 + 4 * k] = char(k + 1);
        for (int round = 0; round < kRounds; ++round) {
            const QByteArray bytes = m.mutate(seed);
            GameRecord record;
            const GameLoadResult result = readGameFile(write(QStringLiteral("game.qz"), bytes), record);
            if (bytes.size() < kGameRecordSize) {
                QCOMPARE(result, GameLoadResult::ReadFailed);
            } else if (!bytes.startsWith("\x02QL")) {
                QCOMPARE(result, GameLoadResult::NotAGameFile);
            } else {
                QCOMPARE(result, GameLoadResult::Loaded);
                QCOMPARE(QByteArray(record.bytes.data(), kGameRecordSize), bytes.left(kGameRecordSize));
                for (int k = 0; k <= 41; ++k)
                    (void)record.number(k);
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestFuzzReaders)
#include "test_fuzz_readers.moc"
