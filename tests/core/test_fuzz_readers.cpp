// SPDX-License-Identifier: GPL-3.0-or-later
// Random damage to the three files the program reads. A seeded mutation loop,
// bounded so that it also runs under the sanitizers; every reader must give its
// documented answer, checked against a plain model of the file.
#include "core/files/gamefile.h"
#include "core/files/settingsfile.h"
#include "core/files/textfilereader.h"
#include "core/text/translationfile.h"
#include "support/storagefiles.h"

#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <random>

using namespace quillon;
using namespace quillon::test;

namespace {

constexpr int kRounds = 2000;

QByteArray mutate(std::mt19937 &random, QByteArray bytes)
{
    static const char kMeaningful[] = "\n\r; \t\x02QL\xff";
    auto below = [&](qsizetype n) { return n <= 0 ? 0 : qsizetype(random() % quint32(n)); };
    for (int step = 1 + int(below(6)); step > 0; --step) {
        const qsizetype at = below(bytes.size() + 1);
        switch (below(5)) {
        case 0:
            if (at < bytes.size())
                bytes[at] = char(below(256));
            break;
        case 1:
            bytes.truncate(at);
            break;
        case 2:
            bytes.insert(at, kMeaningful[below(sizeof kMeaningful - 1)]);
            break;
        case 3:
            bytes.insert(at, bytes.mid(below(bytes.size()), below(40)));
            break;
        default:
            bytes.remove(at, below(20));
            break;
        }
    }
    return bytes;
}

// The file's non-blank lines, split at LF, CR LF or CR.
QList<QByteArray> modelLines(QByteArray bytes)
{
    bytes.replace("\r\n", "\n").replace('\r', '\n');
    QList<QByteArray> lines;
    for (const QByteArray &line : bytes.split('\n')) {
        if (!QByteArray(line).replace(' ', "").replace('\t', "").isEmpty())
            lines.append(line);
    }
    return lines;
}

QByteArray modelField(const QByteArray &line, char separator, int index)
{
    QList<QByteArray> parts = line.split(separator ? separator : ' ');
    if (!separator) {
        parts = QByteArray(line).replace('\t', ' ').split(' ');
        parts.removeAll(QByteArray());
    }
    return index <= parts.size() ? parts[index - 1] : QByteArray();
}

} // namespace

class TestFuzzReaders : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    std::mt19937 random { 20261207 };

private slots:
    void textAndTranslationFiles()
    {
        QByteArray seed = "h1\nh2;x\n\n  \t\n3\r\n4\r5\n6\n7\n8\n9\n10\n";
        for (int n = 1; n <= 40; ++n)
            seed += "fr\xe9" + QByteArray::number(n) + ";  tr\x8a" + QByteArray::number(n) + " ;x\n";
        for (int round = 0; round < kRounds; ++round) {
            const QByteArray bytes = mutate(random, round % 100 == 0 ? seed.repeated(8) : seed);
            const QString path = writeFile(dir.filePath(QStringLiteral("quillon.lg")), bytes);
            const QList<QByteArray> lines = modelLines(bytes);

            TextFileReader reader;
            reader.setSeparator(round % 3 == 0 ? '\0' : ';');
            reader.setFileName(path);
            for (const QByteArray &line : lines) {
                QCOMPARE(reader.line(), line);
                const int index = 1 + round % 4;
                QCOMPARE(reader.field(quint8(index)), modelField(line, reader.separator(), index));
                reader.nextLine();
            }
            QVERIFY(reader.endOfFile());

            TranslationFile manager;
            manager.setFileName(path);
            QVERIFY(manager.load());
            for (int n = 1; n <= TranslationFile::kTextCount; ++n) {
                const QByteArray line = lines.value(9 + n);
                const QByteArray translation = modelField(line, ';', 2);
                const bool visible = std::any_of(
                    translation.begin(), translation.end(), [](char c) { return quint8(c) > 32; });
                QCOMPARE(manager.text(n), visible ? translation : modelField(line, ';', 1));
            }
            (void)manager.decodedText(1 + round % 300, Language(round % 8 - 1));
        }
    }

    void settingsFile()
    {
        const QByteArray seed = encodeSettings(defaultSettings());
        for (int round = 0; round < kRounds; ++round) {
            const QByteArray bytes = mutate(random, seed);
            const QString path = writeFile(dir.filePath(QStringLiteral("QUILLON.PAR")), bytes);
            const SettingsRecord read = readSettingsFile(path);
            const bool whole = bytes.size() >= kSettingsRecordSize;
            QByteArray expected = whole ? bytes.left(kSettingsRecordSize) : seed;
            // Offsets that five typed characters cannot give are read as 0.
            for (int at : { 8, 12 }) {
                const qint32 offset = qFromLittleEndian<qint32>(expected.constData() + at);
                if (offset < -9999 || offset > 99999)
                    expected.replace(at, 4, int32(0));
            }
            QCOMPARE(encodeSettings(read), expected);
            QCOMPARE(QFile::exists(path), whole);
        }
    }

    void gameFile()
    {
        QByteArray seed(kGameRecordSize, '\x07');
        seed.replace(0, 3, "\x02QL");
        for (int round = 0; round < kRounds; ++round) {
            const QByteArray bytes = mutate(random, seed);
            GameRecord record;
            const GameLoadResult result
                = readGameFile(writeFile(dir.filePath(QStringLiteral("g.qz")), bytes), record);
            if (bytes.size() < kGameRecordSize)
                QCOMPARE(result, GameLoadResult::ReadFailed);
            else if (!bytes.startsWith("\x02QL"))
                QCOMPARE(result, GameLoadResult::NotAGameFile);
            else
                QCOMPARE(QByteArray(record.bytes.data(), kGameRecordSize), bytes.left(kGameRecordSize));
        }
    }
};

QTEST_GUILESS_MAIN(TestFuzzReaders)
#include "test_fuzz_readers.moc"
