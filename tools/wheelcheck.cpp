// SPDX-License-Identifier: GPL-3.0-or-later
// wheelcheck: proves wheel tables exhaustively against the catalogue.
//
// Each table file is named NNN.txt after its catalogue index; the check takes N-K-M-G from the
// catalogue and examines every K-subset of 1 ... M (quillon::checkWheel).

#include "core/wheels/wheelcheck.h"

#include "catalogue_source.h"
#include "cli.h"
#include "core/analysis/chances.h"

#include <QFile>
#include <algorithm>
#include <bit>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct Mode {
    bool fewer = false; // a table may hold fewer than G boards
    bool direct = false; // check the guarantee again, K-set by K-set against every board
};

// The guarantee checked the plain way, independently of the marking in quillon::checkWheel: every
// K-subset of 1 ... M in turn (next one by Gosper's step) is compared with every board. Returns the
// first K-set no board holds N of, or 0 when there is none. The boards are already known to be valid.
std::uint32_t firstUncovered(int n, int k, int m, const QByteArrayList &lines)
{
    std::vector<std::uint32_t> boards;
    for (const QByteArray &line : lines) {
        std::uint32_t b = 0;
        for (char ch : line)
            b |= 1u << (ch - 'A');
        boards.push_back(b);
    }
    const std::uint32_t end = 1u << m;
    for (std::uint32_t s = (1u << k) - 1; s < end;) {
        if (std::none_of(
                boards.begin(), boards.end(), [&](std::uint32_t b) { return std::popcount(b & s) >= n; }))
            return s;
        const std::uint32_t low = s & (~s + 1), ripple = s + low;
        s = ripple | (((s ^ ripple) >> 2) / low);
    }
    return 0;
}

bool systemFromName(const fs::path &p, int &system)
{
    const std::string stem = p.stem().string();
    if (p.extension() != ".txt" || stem.size() != 3
        || stem.find_first_not_of("0123456789") != std::string::npos)
        return false;
    system = std::stoi(stem);
    return true;
}

// Checks one file; prints one line and returns true when it passes.
bool checkFile(const fs::path &path, int system, const Mode &mode)
{
    const std::string name = path.filename().string();
    int n, k, m, g;
    if (system == 0 && !systemFromName(path, system)) {
        std::printf("%s: FAIL: name is not NNN.txt with a catalogue index\n", name.c_str());
        return false;
    }
    if (!catalogueEntry(system, n, k, m, g)) {
        std::printf("%s: FAIL: no system %d in the catalogue\n", name.c_str(), system);
        return false;
    }
    QFile in(QString::fromStdString(path.string()));
    if (!in.open(QIODevice::ReadOnly)) {
        std::printf("%s: FAIL: cannot read\n", name.c_str());
        return false;
    }
    QByteArrayList lines;
    QString error;
    if (!quillon::splitWheelText(in.readAll(), lines, error)) {
        std::printf("%s: FAIL: %s\n", name.c_str(), qPrintable(error));
        return false;
    }
    const int boards = static_cast<int>(lines.size());
    const bool fewer = mode.fewer && boards >= 1 && boards < g;
    quillon::WheelCheckResult r = quillon::checkWheel(n, k, m, fewer ? boards : g, lines);
    if (r.ok && mode.direct)
        if (const std::uint32_t s = firstUncovered(n, k, m, lines)) {
            r.ok = false;
            r.reason = QStringLiteral("the direct check finds no board holding %1 of %2")
                           .arg(n)
                           .arg(QLatin1String(quillon::wheelLetters(s)));
        }
    std::printf("%s: system %d, %d if %d among %d in %d boards%s: %s%s\n", name.c_str(), system, n, k, m,
        fewer ? boards : g, fewer ? (" (G = " + std::to_string(g) + ")").c_str() : "",
        r.ok ? "proven" : "FAIL: ", qPrintable(r.reason));
    return r.ok;
}

} // namespace

int main(int argc, char **argv)
{
    QCommandLineParser p;
    p.setApplicationDescription(QStringLiteral(
        "Checks wheel tables: exactly G lines (at most G with --fewer) of 7 ascending positions in 1 ... M, "
        "no repeated board,\n"
        "every position used, and every K-subset of 1 ... M met by some board in N positions.\n"
        "The system is read from the file name NNN.txt unless --system is given."));
    p.addPositionalArgument(
        QStringLiteral("FILE"), QStringLiteral("table files to check"), QStringLiteral("[FILE ...]"));
    p.addOptions({
        { { QStringLiteral("h"), QStringLiteral("help") }, QStringLiteral("Show this help.") },
        { QStringLiteral("system"),
            QStringLiteral("Check every FILE as catalogue system S instead of the one its name gives."),
            QStringLiteral("S") },
        { QStringLiteral("dir"), QStringLiteral("Check every *.txt file in DIR."), QStringLiteral("DIR") },
        { QStringLiteral("expect-all"),
            QStringLiteral("With --dir: also fail when a catalogue system has no table.") },
        { QStringLiteral("expect-as"),
            QStringLiteral("With --dir: also fail when a system with a table in FOLDER has none here."),
            QStringLiteral("FOLDER") },
        { QStringLiteral("fewer"),
            QStringLiteral("Accept a table with fewer than G boards (a smallest table).") },
        { QStringLiteral("direct"),
            QStringLiteral("Also compare every K-subset with every board, a second and slower check.") },
        { QStringLiteral("analyse"),
            QStringLiteral("Print the figures of catalogue system S as CSV instead of checking tables."),
            QStringLiteral("S") },
        { QStringLiteral("smallest"), QStringLiteral("With --analyse: the system's smallest table.") },
        { QStringLiteral("analyse-file"),
            QStringLiteral("Print the figures of the boards in F (7 numbers a line) as CSV."),
            QStringLiteral("F") },
        { QStringLiteral("guarantee"),
            QStringLiteral("With --analyse-file: the guarantee N numbers if K, as N-K."),
            QStringLiteral("N-K") },
        { QStringLiteral("pool"),
            QStringLiteral("With --analyse or --analyse-file: a lottery drawing 7 of P (repeatable; "
                           "the five lotteries of the tickets when absent)."),
            QStringLiteral("P") },
    });
    const char *footer = "\nExit status 0 when every table passes, 1 otherwise, 2 on bad usage.\n";
    if (!p.parse(cli::arguments(argc, argv))) {
        std::fprintf(
            stderr, "wheelcheck: %s (wheelcheck --help lists the options)\n", qPrintable(p.errorText()));
        return 2;
    }
    if (p.isSet(QStringLiteral("help"))) {
        cli::printHelp(p, "wheelcheck", footer);
        return 0;
    }
    int system = 0;
    cli::Numbers num(p);
    num.integer("system", system, 1, quillon::kSystemCount);
    if (!num.ok()) {
        std::fprintf(stderr, "wheelcheck: %s\n", num.error().c_str());
        return 2;
    }
    if (p.isSet(QStringLiteral("analyse")) || p.isSet(QStringLiteral("analyse-file"))) {
        QList<int> pools;
        for (const QString &pool : p.values(QStringLiteral("pool"))) {
            bool ok = false;
            pools << pool.toInt(&ok);
            if (!ok) {
                std::fprintf(stderr, "wheelcheck: --pool %s is not a whole number\n", qPrintable(pool));
                return 2;
            }
        }
        int analysed = 0;
        num.integer("analyse", analysed, 1, quillon::kSystemCount);
        const QStringList nk = p.value(QStringLiteral("guarantee")).split(QLatin1Char('-'));
        const int n = nk.size() == 2 ? nk[0].toInt() : 0, k = nk.size() == 2 ? nk[1].toInt() : 0;
        if (!num.ok() || (p.isSet(QStringLiteral("analyse-file")) && (n < 1 || n > k || k > 7))) {
            std::fprintf(stderr, "wheelcheck: %s\n",
                num.ok() ? "--guarantee N-K with 1 <= N <= K <= 7" : num.error().c_str());
            return 2;
        }
        QString error;
        QByteArray csv;
        if (p.isSet(QStringLiteral("analyse-file"))) {
            QFile file(p.value(QStringLiteral("analyse-file")));
            if (!file.open(QIODevice::ReadOnly)) {
                std::fprintf(stderr, "wheelcheck: %s: %s\n", qPrintable(file.fileName()),
                    qPrintable(file.errorString()));
                return 1;
            }
            csv = quillon::boardFileAnalysisCsv(file.readAll(), n, k, pools, &error);
        } else {
            csv = quillon::catalogueAnalysisCsv(analysed, p.isSet(QStringLiteral("smallest")), pools, &error);
        }
        if (csv.isEmpty()) {
            std::fprintf(stderr, "wheelcheck: %s\n", qPrintable(error));
            return 1;
        }
        std::fwrite(csv.constData(), 1, size_t(csv.size()), stdout);
        return 0;
    }
    const std::string dir = p.value(QStringLiteral("dir")).toLocal8Bit().toStdString();
    const bool expectAll = p.isSet(QStringLiteral("expect-all"));
    const std::string expectAs = p.value(QStringLiteral("expect-as")).toLocal8Bit().toStdString();
    if (!expectAs.empty() && !fs::is_directory(expectAs)) {
        std::fprintf(stderr, "wheelcheck: %s is not a folder\n", expectAs.c_str());
        return 2;
    }
    const Mode mode { p.isSet(QStringLiteral("fewer")), p.isSet(QStringLiteral("direct")) };
    std::vector<fs::path> files;
    for (const QString &f : p.positionalArguments())
        files.emplace_back(f.toLocal8Bit().toStdString());
    if (!dir.empty()) {
        if (!fs::is_directory(dir)) {
            std::fprintf(stderr, "wheelcheck: %s is not a folder\n", dir.c_str());
            return 2;
        }
        for (const auto &e : fs::directory_iterator(dir))
            if (e.path().extension() == ".txt")
                files.push_back(e.path());
        std::sort(files.begin(), files.end());
    }
    if (files.empty()) {
        std::fprintf(stderr,
            "wheelcheck: no table to check: give FILE ... or --dir DIR (wheelcheck --help lists the "
            "options)\n");
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    int failed = 0;
    std::vector<bool> seen(quillon::kSystemCount + 1, false);
    for (const fs::path &f : files) {
        int s = system;
        if (s == 0)
            systemFromName(f, s);
        if (s >= 1 && s <= quillon::kSystemCount)
            seen[s] = true;
        if (!checkFile(f, system, mode))
            ++failed;
    }
    for (int s = 1; s <= quillon::kSystemCount; ++s) {
        char name[8];
        std::snprintf(name, sizeof name, "%03d.txt", s);
        if (!seen[s] && (expectAll || (!expectAs.empty() && fs::exists(fs::path(expectAs) / name)))) {
            std::printf("%s: FAIL: missing\n", name);
            ++failed;
        }
    }
    const double ms
        = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    std::printf("%zu tables checked in %.1f ms, %d failed\n", files.size(), ms, failed);
    return failed ? 1 : 0;
}
