// SPDX-License-Identifier: GPL-3.0-or-later
// Benchmark of the exhaustive check over every table in src/core/wheels/tables (not a CTest test).
// Run: build/bench_wheels            (all tables, then one row per table)

#include "core/wheels/catalogue.h"
#include "core/wheels/wheelcheck.h"

#include <QDir>
#include <QFile>
#include <QObject>
#include <QTest>
#include <vector>

namespace {

struct Table {
    int system;
    QByteArrayList boards;
};

std::vector<Table> loadTables()
{
    std::vector<Table> tables;
    const QDir dir(QStringLiteral(QUILLON_WHEELS_DIR));
    for (const QString &name : dir.entryList({ QStringLiteral("???.txt") }, QDir::Files, QDir::Name)) {
        QFile f(dir.filePath(name));
        if (!f.open(QIODevice::ReadOnly))
            continue;
        Table t { name.left(3).toInt(), {} };
        QString error;
        quillon::splitWheelText(f.readAll(), t.boards, error);
        tables.push_back(std::move(t));
    }
    return tables;
}

bool check(const Table &t)
{
    const quillon::SystemDescriptor &d = quillon::systemDescriptor(t.system);
    return quillon::checkWheel(d.guarantee, d.condition, d.poolSize, d.boardCount, t.boards).ok;
}

} // namespace

class BenchWheels : public QObject {
    Q_OBJECT

    std::vector<Table> tables_;

private slots:
    void initTestCase()
    {
        tables_ = loadTables();
        QVERIFY(!tables_.empty());
        qInfo("%zu tables in %s", tables_.size(), QUILLON_WHEELS_DIR);
    }

    void checkAllTables()
    {
        QBENCHMARK
        {
            for (const Table &t : tables_)
                QVERIFY(check(t));
        }
    }

    void checkOneTable_data()
    {
        QTest::addColumn<int>("row");
        for (std::size_t i = 0; i < tables_.size(); ++i)
            QTest::addRow("system %d", tables_[i].system) << static_cast<int>(i);
    }

    void checkOneTable()
    {
        QFETCH(int, row);
        QBENCHMARK
        {
            QVERIFY(check(tables_[static_cast<std::size_t>(row)]));
        }
    }
};

QTEST_GUILESS_MAIN(BenchWheels)
#include "bench_wheels.moc"
