// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/wheels/catalogue.h"

#include "core/wheels/wheeltables.h"

#include <QStringList>
#include <algorithm>
#include <array>
#include <cstring>

namespace quillon {

namespace {

// G, M, board size, key numbers, N, K — by catalogue index.
constexpr std::array<SystemDescriptor, kSystemCount> kCatalogue = { {
    { 6, 12, 7, 0, 5, 7 }, // 1
    { 10, 13, 7, 0, 5, 7 }, // 2
    { 4, 9, 7, 0, 6, 7 }, // 3
    { 16, 9, 7, 0, 6, 6 }, // 4
    { 36, 9, 7, 0, 7, 7 }, // 5
    { 78, 13, 7, 0, 5, 5 }, // 6
    { 138, 14, 7, 0, 5, 5 }, // 7
    { 45, 10, 7, 0, 6, 6 }, // 8
    { 26, 15, 7, 0, 5, 7 }, // 9
    { 76, 16, 7, 0, 4, 4 }, // 10
    { 100, 17, 7, 0, 4, 4 }, // 11
    { 131, 18, 7, 0, 4, 4 }, // 12
    { 10, 10, 7, 0, 6, 7 }, // 13
    { 24, 11, 7, 0, 6, 7 }, // 14
    { 52, 12, 7, 0, 6, 7 }, // 15
    { 112, 13, 7, 0, 6, 7 }, // 16
    { 192, 14, 7, 0, 6, 7 }, // 17
    { 46, 16, 7, 0, 5, 7 }, // 18
    { 89, 17, 7, 0, 5, 7 }, // 19
    { 128, 18, 7, 0, 5, 7 }, // 20
    { 7, 8, 7, 0, 6, 6 }, // 21
    { 90, 11, 7, 0, 6, 6 }, // 22
    { 5, 10, 7, 0, 5, 6 }, // 23
    { 10, 11, 7, 0, 5, 6 }, // 24
    { 17, 12, 7, 0, 5, 6 }, // 25
    { 27, 13, 7, 0, 5, 6 }, // 26
    { 41, 14, 7, 0, 5, 6 }, // 27
    { 65, 15, 7, 0, 5, 6 }, // 28
    { 2, 14, 7, 0, 4, 7 }, // 29
    { 5, 15, 7, 0, 4, 7 }, // 30
    { 7, 16, 7, 0, 4, 7 }, // 31
    { 9, 17, 7, 0, 4, 7 }, // 32
    { 12, 18, 7, 0, 4, 7 }, // 33
    { 17, 19, 7, 0, 4, 7 }, // 34
    { 24, 20, 7, 0, 4, 7 }, // 35
    { 6, 8, 7, 0, 5, 5 }, // 36
    { 9, 9, 7, 0, 5, 5 }, // 37
    { 22, 10, 7, 0, 5, 5 }, // 38
    { 37, 11, 7, 0, 5, 5 }, // 39
    { 65, 12, 7, 0, 5, 5 }, // 40
    { 243, 15, 7, 0, 5, 5 }, // 41
    { 9, 24, 7, 0, 3, 7 }, // 42
    { 8, 23, 7, 0, 3, 7 }, // 43
    { 6, 22, 7, 0, 3, 7 }, // 44
    { 3, 21, 7, 0, 3, 7 }, // 45
    { 4, 12, 7, 0, 4, 6 }, // 46
    { 5, 13, 7, 0, 4, 6 }, // 47
    { 7, 14, 7, 0, 4, 6 }, // 48
    { 11, 15, 7, 0, 4, 6 }, // 49
    { 14, 16, 7, 0, 4, 6 }, // 50
    { 20, 17, 7, 0, 4, 6 }, // 51
    { 26, 18, 7, 0, 4, 6 }, // 52
    { 34, 19, 7, 0, 4, 6 }, // 53
    { 44, 20, 7, 0, 4, 6 }, // 54
    { 57, 21, 7, 0, 4, 6 }, // 55
    { 69, 22, 7, 0, 4, 6 }, // 56
    { 3, 10, 7, 0, 4, 5 }, // 57
    { 5, 11, 7, 0, 4, 5 }, // 58
    { 8, 12, 7, 0, 4, 5 }, // 59
    { 10, 13, 7, 0, 4, 5 }, // 60
    { 15, 14, 7, 0, 4, 5 }, // 61
    { 23, 15, 7, 0, 4, 5 }, // 62
    { 32, 16, 7, 0, 4, 5 }, // 63
    { 43, 17, 7, 0, 4, 5 }, // 64
    { 54, 18, 7, 0, 4, 5 }, // 65
    { 71, 19, 7, 0, 4, 5 }, // 66
    { 87, 20, 7, 0, 4, 5 }, // 67
    { 109, 21, 7, 0, 4, 5 }, // 68
    { 136, 22, 7, 0, 4, 5 }, // 69
    { 5, 8, 7, 0, 4, 4 }, // 70
    { 6, 9, 7, 0, 4, 4 }, // 71
    { 11, 10, 7, 0, 4, 4 }, // 72
    { 17, 11, 7, 0, 4, 4 }, // 73
    { 25, 12, 7, 0, 4, 4 }, // 74
    { 31, 13, 7, 0, 4, 4 }, // 75
    { 50, 14, 7, 0, 4, 4 }, // 76
    { 70, 15, 7, 0, 4, 4 }, // 77
    { 120, 10, 7, 0, 7, 7 }, // 78
    { 330, 11, 7, 0, 7, 7 }, // 79
    { 12, 25, 7, 0, 3, 7 }, // 80
    { 30, 30, 7, 0, 3, 7 }, // 81
    { 199, 19, 7, 0, 4, 4 }, // 82
    { 253, 20, 7, 0, 4, 4 }, // 83
    { 81, 23, 7, 0, 4, 6 }, // 84
    { 99, 24, 7, 0, 4, 6 }, // 85
    { 111, 19, 7, 0, 5, 7 }, // 86
    { 154, 20, 7, 0, 5, 7 }, // 87
    { 207, 21, 7, 0, 5, 7 }, // 88
    { 101, 16, 7, 0, 5, 6 }, // 89
    { 140, 17, 7, 0, 5, 6 }, // 90
    { 101, 29, 7, 0, 4, 7 }, // 91
    { 54, 25, 7, 0, 4, 7 }, // 92
    { 452, 24, 7, 0, 5, 7 }, // 93
    { 350, 23, 7, 0, 5, 7 }, // 94
    { 272, 22, 7, 0, 5, 7 }, // 95
    { 225, 15, 7, 0, 6, 7 }, // 96
    { 372, 16, 7, 0, 6, 7 }, // 97
    { 143, 26, 7, 0, 4, 6 }, // 98
    { 169, 27, 7, 0, 4, 6 }, // 99
    { 198, 28, 7, 0, 4, 6 }, // 100
    { 116, 25, 7, 0, 4, 6 }, // 101
    { 276, 30, 7, 0, 4, 6 }, // 102
    { 197, 18, 7, 0, 5, 6 }, // 103
    { 275, 19, 7, 0, 5, 6 }, // 104
    { 372, 20, 7, 0, 5, 6 }, // 105
    { 192, 12, 7, 0, 6, 6 }, // 106
    { 345, 13, 7, 0, 6, 6 }, // 107
    { 592, 14, 7, 0, 6, 6 }, // 108
    { 587, 17, 7, 0, 6, 7 }, // 109
    { 899, 18, 7, 0, 6, 7 }, // 110
    { 792, 12, 7, 0, 7, 7 }, // 111
    { 1072, 24, 7, 0, 5, 6 }, // 112
    { 1951, 20, 7, 0, 6, 7 }, // 113
    { 1362, 25, 7, 0, 5, 6 }, // 114
    { 1703, 26, 7, 0, 5, 6 }, // 115
    { 584, 25, 7, 0, 5, 7 }, // 116
    { 724, 26, 7, 0, 5, 7 }, // 117
    { 1329, 19, 7, 0, 6, 7 }, // 118
    { 2784, 21, 7, 0, 6, 7 }, // 119
    { 1716, 13, 7, 0, 7, 7 }, // 120
    { 977, 15, 7, 0, 6, 6 }, // 121
    { 1534, 16, 7, 0, 6, 6 }, // 122
    { 355, 16, 7, 0, 5, 5 }, // 123
    { 684, 18, 7, 0, 5, 5 }, // 124
} };

// Wheel tables by catalogue index; null where a system has none.
const std::array<const char *, kSystemCount + 1> &tableByIndex()
{
    static const std::array<const char *, kSystemCount + 1> tables = [] {
        std::array<const char *, kSystemCount + 1> t {};
        for (const WheelTableData &d : wheelTableData()) {
            if (d.index >= 1 && d.index <= kSystemCount
                && std::strlen(d.boards) == size_t(7 * kCatalogue[d.index - 1].boardCount))
                t[d.index] = d.boards;
        }
        return t;
    }();
    return tables;
}

// The smallest tables found, by catalogue index; null where none has fewer boards than
// the catalogue's.
const std::array<std::string_view, kSystemCount + 1> &smallestTableByIndex()
{
    static const std::array<std::string_view, kSystemCount + 1> tables = [] {
        std::array<std::string_view, kSystemCount + 1> t {};
        for (const WheelTableData &d : smallestWheelTableData()) {
            const std::string_view boards(d.boards);
            if (d.index >= 1 && d.index <= kSystemCount && !boards.empty() && boards.size() % 7 == 0
                && boards.size() < size_t(7 * kCatalogue[d.index - 1].boardCount))
                t[d.index] = boards;
        }
        return t;
    }();
    return tables;
}

} // namespace

const SystemDescriptor &systemDescriptor(int index)
{
    Q_ASSERT(index >= 1 && index <= kSystemCount);
    return kCatalogue[index - 1];
}

bool hasWheelTable(int index)
{
    return index >= 1 && index <= kSystemCount && tableByIndex()[index] != nullptr;
}

std::string_view wheelTable(int index)
{
    if (!hasWheelTable(index))
        return {};
    return std::string_view(tableByIndex()[index], size_t(7 * kCatalogue[index - 1].boardCount));
}

} // namespace quillon

namespace quillon {

std::string_view smallestWheelTable(int index)
{
    if (index < 1 || index > kSystemCount)
        return {};
    return smallestTableByIndex()[index];
}

} // namespace quillon
