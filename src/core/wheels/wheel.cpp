// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/wheels/wheel.h"

#include "core/wheels/catalogue.h"

#include <QCoreApplication>

namespace quillon {

Wheel::Wheel(qint32 guarantee, qint32 condition, qint32 poolSize, QByteArray boards)
    : m_guarantee(guarantee)
    , m_condition(condition)
    , m_poolSize(poolSize)
    , m_boards(std::move(boards))
{
}

Wheel Wheel::fromCatalogue(int index, Table table)
{
    const SystemDescriptor &d = systemDescriptor(index);
    const std::string_view smallest
        = table == Table::Smallest ? smallestWheelTable(index) : std::string_view();
    const std::string_view boards = smallest.empty() ? wheelTable(index) : smallest;
    Wheel wheel(d.guarantee, d.condition, d.poolSize,
        QByteArray::fromRawData(boards.data(), qsizetype(boards.size())));
    wheel.m_catalogueIndex = index;
    wheel.m_smallestTable = !smallest.empty();
    return wheel;
}

Wheel readWheelTable(
    qint32 guarantee, qint32 condition, qint32 poolSize, const QByteArray &text, QString *error)
{
    const auto fail = [error](qsizetype line, const QString &what) {
        if (error)
            *error = QCoreApplication::translate("quillon", "line %1: %2").arg(line).arg(what);
        return Wheel();
    };
    if (!text.isEmpty() && !text.endsWith('\n'))
        return fail(text.count('\n') + 1, QCoreApplication::translate("quillon", "no end of line"));
    QByteArray boards;
    boards.reserve(text.size());
    const QList<QByteArray> lines = text.split('\n');
    for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
        const QByteArray &line = lines.at(i);
        if (line.size() != Wheel::kBoardSize)
            return fail(
                i + 1, QCoreApplication::translate("quillon", "not %1 letters").arg(Wheel::kBoardSize));
        for (qsizetype k = 0; k < line.size(); ++k) {
            const int position = static_cast<unsigned char>(line.at(k)) - 64;
            if (position < 1 || position > poolSize)
                return fail(i + 1,
                    QCoreApplication::translate("quillon", "a letter outside positions 1 to %1")
                        .arg(poolSize));
            if (k > 0 && line.at(k) <= line.at(k - 1))
                return fail(i + 1, QCoreApplication::translate("quillon", "letters not in ascending order"));
        }
        boards += line;
    }
    if (boards.isEmpty())
        return fail(1, QCoreApplication::translate("quillon", "no board"));
    return Wheel(guarantee, condition, poolSize, boards);
}

} // namespace quillon
