// SPDX-License-Identifier: GPL-3.0-or-later
// The message catalogue and its lookup.
#include "core/text/messages.h"
#include "core/text/translationfile.h"
#include "support/fakeplatform.h"

#include <QTest>

using namespace quillon;

class TestMessages : public QObject {
    Q_OBJECT

    const TranslationFile noTranslationFile;

private slots:
    void lookup_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("message");
        QTest::addColumn<QString>("text");
        QTest::newRow("fr 49 has no accent") << 1 << 49 << QStringLiteral("Parametres");
        QTest::newRow("fr 40 blank after apostrophe") << 1 << 40 << QStringLiteral("Type d' impression");
        QTest::newRow("fr 76 blank before question mark")
            << 1 << 76 << QStringLiteral("Continuer quand même ?");
        QTest::newRow("en 76") << 2 << 76 << QStringLiteral("Continue");
        QTest::newRow("en 105") << 2 << 105 << QStringLiteral("Continue ?");
        QTest::newRow("en 21") << 2 << 21 << QStringLiteral("Quit");
        QTest::newRow("pt 112") << 3 << 112 << QStringLiteral("Linguagem");
        QTest::newRow("pt 21 empty") << 3 << 21 << QString();
        QTest::newRow("none 21") << 4 << 21 << QString();
        QTest::newRow("none 112") << 4 << 112 << QString();
        QTest::newRow("it 115") << 5 << 115 << QStringLiteral("Stampante");
        QTest::newRow("hr 32") << 6 << 32 << QStringLiteral("Pomoć");
        QTest::newRow("hr 2") << 6 << 2 << QStringLiteral("Printati listiće");
        QTest::newRow("hr 82") << 6 << 82 << QStringLiteral("Greška kod čitanja dadoteke");
        QTest::newRow("hr 64 empty") << 6 << 64 << QString();
        QTest::newRow("code 7") << 7 << 21 << QString();
        QTest::newRow("code 0") << 0 << 21 << QString();
        QTest::newRow("code -3") << -3 << 21 << QString();
        QTest::newRow("unused number") << 1 << 3 << QString();
        QTest::newRow("number out of range") << 1 << 500 << QString();
    }
    void lookup()
    {
        QFETCH(int, language);
        QFETCH(int, message);
        QFETCH(QString, text);
        test::FakePlatform fakes;
        QCOMPARE(Texts(&noTranslationFile, Language(language))(Msg(message)), text);
        QVERIFY(fakes.prompts.calls.isEmpty());
    }

    void everyUsedMessageHasFrenchAndEnglish()
    {
        const int used[] = { 1, 2, 21, 22, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 41, 42, 43, 44, 45,
            46, 47, 48, 49, 50, 53, 55, 56, 57, 58, 59, 60, 61, 62, 63, 64, 65, 66, 67, 68, 69, 70, 71, 72,
            73, 74, 75, 76, 77, 78, 79, 80, 81, 82, 83, 85, 86, 87, 88, 104, 105, 106, 107, 108, 109, 112,
            113, 114, 115 };
        for (int n : used) {
            QVERIFY2(!catalogueText(n, Language::French).isEmpty(), qPrintable(QString::number(n)));
            QVERIFY2(!catalogueText(n, Language::English).isEmpty(), qPrintable(QString::number(n)));
        }
    }

    void lookupWithoutManagerShowsTheErrorBox()
    {
        test::FakePlatform fakes;
        QCOMPARE(Texts(nullptr, Language::French)(Msg::Quit), QString());
        const auto calls = fakes.prompts.messages();
        QCOMPARE(calls.size(), 1);
        QCOMPARE(calls[0].text, QStringLiteral("Erreur"));
        QCOMPARE(calls[0].caption, QStringLiteral("Erreur dans pgloretlibmessage"));
        QCOMPARE(calls[0].buttons, Prompts::Buttons::Ok);
    }
};

QTEST_GUILESS_MAIN(TestMessages)
#include "test_messages.moc"
