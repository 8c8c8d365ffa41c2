// SPDX-License-Identifier: GPL-3.0-or-later
// How long the translation file takes to load and its texts to decode, and how long
// the settings and game files take to read. Built, not run by CTest:
//   build/bench_storage
#include "core/files/gamefile.h"
#include "core/files/settingsfile.h"
#include "core/text/translationfile.h"
#include "core/wheels/selection.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace quillon;

class BenchStorage : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString languagePath;

private slots:
    void initTestCase()
    {
        languagePath = dir.filePath(QStringLiteral("quillon.lg"));
        QFile file(languagePath);
        QVERIFY(file.open(QIODevice::WriteOnly));
        for (int i = 1; i <= 10; ++i)
            file.write("header\n");
        for (int n = 1; n <= 300; ++n)
            file.write("Référence du message " + QByteArray::number(n) + ";Prijevod poruke \xe8\x9a "
                + QByteArray::number(n) + "\n");
    }

    void loadFullTranslationFile()
    {
        TranslationFile manager;
        manager.setFileName(languagePath);
        QBENCHMARK
        {
            manager.load();
        }
        QVERIFY(manager.loaded());
    }

    // What one window's caption routine costs: about thirty lookups.
    void decodeThirtyTexts()
    {
        TranslationFile manager;
        manager.setFileName(languagePath);
        QVERIFY(manager.load());
        QBENCHMARK
        {
            for (int n = 1; n <= 30; ++n)
                (void)manager.decodedText(n, Language::Croatian);
        }
    }

    void readSettingsAndGame()
    {
        const QString settingsPath = dir.filePath(QStringLiteral("QUILLON.PAR"));
        QVERIFY(writeSettingsFile(defaultSettings(), settingsPath));
        const QString gamePath = dir.filePath(QStringLiteral("game.qz"));
        GameRecord record;
        Selection picked;
        fillGameRecord(record, picked, 1, QStringList(40, QStringLiteral("5")));
        QVERIFY(writeGameFile(gamePath, record));
        QBENCHMARK
        {
            (void)readSettingsFile(settingsPath);
            readGameFile(gamePath, record);
        }
    }
};

QTEST_GUILESS_MAIN(BenchStorage)
#include "bench_storage.moc"
