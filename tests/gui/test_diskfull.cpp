// SPDX-License-Identifier: GPL-3.0-or-later
// Saving where the ground gives way: a small filesystem filled to the brim, a folder
// that takes no new file, a read-only program folder. The test mounts its own tmpfs,
// so it runs as root (as CI does) and reports itself skipped (exit code 77) elsewhere.
#include "core/files/export.h"
#include "core/files/settingsfile.h"
#include "core/wheels/boardlist.h"
#include "gui/application.h"
#include "gui/mainwindow.h"
#include "gui/ticketprintdialog.h"
#include "support/children.h"
#include "support/fakeplatform.h"
#include "support/program.h"
#include "support/storagefiles.h"

#include <QApplication>
#include <QBuffer>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

using namespace quillon;
using test::child;
using test::numberBox;
using namespace quillon::test;

namespace {

// A 128 KiB tmpfs mounted on a fresh folder for the life of the object; its root
// folder is writable by root only.
class SmallFilesystem {
public:
    SmallFilesystem()
    {
        m_mounted = m_dir.isValid()
            && ::mount(
                   "tmpfs", QFile::encodeName(m_dir.path()).constData(), "tmpfs", 0, "size=128k,mode=0755")
                == 0;
    }
    ~SmallFilesystem()
    {
        if (m_mounted)
            ::umount2(QFile::encodeName(m_dir.path()).constData(), MNT_DETACH);
    }
    SmallFilesystem(const SmallFilesystem &) = delete;
    SmallFilesystem &operator=(const SmallFilesystem &) = delete;

    bool isMounted() const { return m_mounted; }
    QString path() const { return m_dir.path(); }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }

    // Fills the filesystem with a filler file until only leaveFree bytes (a multiple
    // of the page size) are left.
    bool fill(qint64 leaveFree) const
    {
        struct statvfs fs { };
        if (::statvfs(QFile::encodeName(path()).constData(), &fs) != 0)
            return false;
        qint64 toWrite = qint64(fs.f_bavail) * qint64(fs.f_frsize) - leaveFree;
        QFile filler(filePath(QStringLiteral("filler")));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return false;
        const QByteArray block(4096, 'f');
        for (; toWrite > 0; toWrite -= block.size()) {
            if (filler.write(block) != block.size())
                return false;
        }
        return true;
    }

    bool makeReadOnly() const
    {
        return ::mount(
                   "tmpfs", QFile::encodeName(path()).constData(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr)
            == 0;
    }

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
};

// Runs file access as an ordinary user for the life of the object: permission bits
// do not stop the superuser.
class AsOrdinaryUser {
public:
    explicit AsOrdinaryUser(bool wanted)
        : m_active(wanted && ::seteuid(65534) == 0)
    {
    }
    ~AsOrdinaryUser()
    {
        if (m_active && ::seteuid(0) != 0)
            qFatal("cannot get root back");
    }
    AsOrdinaryUser(const AsOrdinaryUser &) = delete;
    AsOrdinaryUser &operator=(const AsOrdinaryUser &) = delete;
    bool active() const { return m_active; }

private:
    bool m_active;
};

constexpr qint64 kAllButTheLastPage = -1;

} // namespace

class TestDiskFull : public QObject, ProgramFixture {
    Q_OBJECT

    void start(const QString &programFolder) { QVERIFY(startIn(programFolder)); }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void cleanup() { stopProgram(); }

    // The player's file stays byte for byte as it was, nothing is left beside it, and
    // the failure is reported: message 81 for a game, the fixed settings message, and
    // for an export the system's reason.
    void aFailedSaveKeepsTheOldFile_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<qint64>("leaveFree");
        QTest::addColumn<bool>("folderTakesNoNewFile");
        QTest::addColumn<bool>("beep");
        QTest::addColumn<QString>("message");
        // The program runs in French, and so does Qt's wording of the system's reason.
        const QString noSpace = QStringLiteral("Aucun espace disponible sur le disque");
        QTest::newRow("game, disk full") << "game" << 0LL << false << true << "Erreur lors de l'écriture";
        QTest::newRow("settings, disk full") << "settings" << 0LL << false << true << "Il y a eu un problème";
        QTest::newRow("export, disk full") << "export" << 0LL << false << false << noSpace;
        // Room for all of the export but its last page: only the final flush fails.
        QTest::newRow("export, nearly full") << "export" << kAllButTheLastPage << false << false << noSpace;
        QTest::newRow("export, folder takes no new file")
            << "export" << 65536LL << true << false << "impossible de créer un fichier temporaire";
    }
    void aFailedSaveKeepsTheOldFile()
    {
        QFETCH(QString, command);
        QFETCH(qint64, leaveFree);
        QFETCH(bool, folderTakesNoNewFile);
        SmallFilesystem disk;
        QVERIFY(disk.isMounted());
        const QString name = command == QLatin1String("game") ? QStringLiteral("old.qz")
            : command == QLatin1String("export")              ? QStringLiteral("old.txt")
                                                              : QStringLiteral("QUILLON.PAR");
        const QByteArray old = command == QLatin1String("settings") ? settingsBytes(2, 4, -2)
                                                                    : QByteArray("precious\r\nbytes\0!", 17);
        const QString path = writeFile(disk.filePath(name), old);
        QCOMPARE(::chmod(QFile::encodeName(path).constData(), 0666), 0); // writable by anyone
        start(disk.path());
        w->selectSystemByIndex(119);
        w->applySelectionBoxRule();
        if (leaveFree == kAllButTheLastPage) {
            w->readBoxes();
            BoardList boards;
            generate(session->wheel, boards);
            QBuffer exported;
            exported.open(QIODevice::WriteOnly);
            generateExport(boards, session->selection, exported);
            leaveFree = exported.size() / 4096 * 4096;
            QVERIFY(leaveFree > 16384); // more than one buffer of writes goes through first
        }
        QVERIFY(disk.fill(leaveFree));

        {
            AsOrdinaryUser user(folderTakesNoNewFile);
            QCOMPARE(user.active(), folderTakesNoNewFile);
            fakes->prompts.fileNames.enqueue(path);
            if (command == QLatin1String("game"))
                child<QPushButton>(w, "brengjeu")->click();
            else if (command == QLatin1String("export"))
                child<QPushButton>(w, "bgenerefichier")->click();
            else
                child<QPushButton>(w, "bquit")->click();
        }

        QCOMPARE(readFile(path), old);
        QCOMPARE(QDir(disk.path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
            QStringList({ QStringLiteral("filler"), name }));
        const auto messages = fakes->prompts.messages();
        QVERIFY(!messages.isEmpty());
        QFETCH(QString, message);
        QVERIFY2(messages.last().text.contains(message), qPrintable(messages.last().text));
        QVERIFY2(!messages.last().text.contains(QStringLiteral("Unknown error")),
            qPrintable(messages.last().text));
        bool beeped = false;
        for (const auto &call : fakes->prompts.calls)
            beeped = beeped || call.kind == QLatin1String("beep");
        QTEST(beeped, "beep");
    }

    // PDF files instead of a printer, on a disk with little room: the player agrees to
    // replace the older complete files, yet every one of them stays byte for byte,
    // nothing new is left, and the failure names a file and the system's reason.
    void pdfFilesOnAFullDiskKeepTheOldOnes_data()
    {
        QTest::addColumn<bool>("tickets"); // one file a ticket, or the one calibration sheet
        QTest::addColumn<qint64>("leaveFree");
        QTest::newRow("tickets, 12 KiB free") << true << 12288LL;
        QTest::newRow("calibration sheet, disk full") << false << 0LL;
    }
    void pdfFilesOnAFullDiskKeepTheOldOnes()
    {
        QFETCH(bool, tickets);
        QFETCH(qint64, leaveFree);
        QTemporaryDir program;
        SmallFilesystem disk;
        QVERIFY(disk.isMounted());
        QStringList old;
        for (int n = 1; n <= (tickets ? 8 : 1); ++n) {
            const QString name
                = tickets ? QStringLiteral("tickets-%1.pdf").arg(n) : QStringLiteral("sheet.pdf");
            writeFile(disk.filePath(name), "%PDF-1.4 complete file " + QByteArray::number(n) + "\n%%EOF\n");
            old.append(name);
        }
        start(program.path());
        fakes->printLog->installed = false;
        // HRVATSKA, ten boards a ticket: the system's boards make several tickets.
        generate(Wheel::fromCatalogue(119), session->boards);
        auto *dialog = test::dialog<TicketPrintDialog>(w);
        QVERIFY(test::showActive(dialog));
        child<QComboBox>(dialog, "ComboBox1")->setCurrentIndex(2);
        QVERIFY(disk.fill(leaveFree));
        fakes->prompts.fileNames.enqueue(
            disk.filePath(tickets ? QStringLiteral("tickets.pdf") : QStringLiteral("sheet.pdf")));
        child<QPushButton>(dialog, tickets ? "boutlancer" : "bcalage")->click();

        for (int n = 1; n <= old.size(); ++n)
            QCOMPARE(readFile(disk.filePath(old[n - 1])),
                "%PDF-1.4 complete file " + QByteArray::number(n) + "\n%%EOF\n");
        QCOMPARE(QDir(disk.path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
            QStringList { QStringLiteral("filler") } + old);
        const auto messages = fakes->prompts.messages();
        QVERIFY(messages.size() >= 2);
        // The question before replacing, when asked, then the failure; never "saved".
        const QString failure = messages.last().text;
        QVERIFY2(failure.contains(QDir::toNativeSeparators(disk.path()))
                && failure.contains(QStringLiteral(".pdf: Aucun espace disponible sur le disque")),
            qPrintable(failure));
        QCOMPARE(messages.last().icon, Prompts::Icon::Warning);
        QVERIFY(dialog->isVisible());
    }

    // A settings file in a program folder that takes no new file is read all the
    // same; "Quitter" then writes the settings to the user's configuration folder.
    void readOnlyProgramFolderStillGivesItsSettings()
    {
        SmallFilesystem program;
        QVERIFY(program.isMounted());
        const QByteArray english = settingsBytes(2, 4, -2);
        writeFile(program.filePath(QStringLiteral("QUILLON.PAR")), english);
        QVERIFY(program.makeReadOnly());
        const QString config = QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation))
                                   .filePath(QStringLiteral("QUILLON.PAR"));
        QFile::remove(config);

        start(program.path());
        QCOMPARE(child<QPushButton>(w, "bquit")->text(), QStringLiteral("Quit"));
        QCOMPARE(session->settings.horizontalOffset, 4);
        QCOMPARE(session->settings.verticalOffset, -2);
        child<QPushButton>(w, "bquit")->click();
        QVERIFY(fakes->prompts.calls.isEmpty());
        QCOMPARE(readFile(config), english);
        QVERIFY(QFile::remove(config));
    }
};

// Skips (exit code 77) where no filesystem can be mounted, except on CI, which runs
// as root so that these cases are really tried.
int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (::geteuid() != 0 || !SmallFilesystem().isMounted()) {
        if (::geteuid() == 0 && qEnvironmentVariableIsSet("CI")) {
            std::puts("FAIL: running as root on CI, yet no tmpfs could be mounted");
            return 1;
        }
        std::puts("SKIP: mounting a small filesystem needs root");
        return 77;
    }
    TestDiskFull test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "test_diskfull.moc"
