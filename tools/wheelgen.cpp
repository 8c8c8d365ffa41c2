// SPDX-License-Identifier: GPL-3.0-or-later
// wheelgen: searches a wheel table for one catalogue system.
//
// A table of system N-K-M-G is G boards of 7 positions out of 1 ... M such that every K-subset of
// positions meets some board in at least N positions. The search itself is quillon::searchCovering
// (core/wheels/wheelsearch.h); this tool reads the command line and the start file, prints progress,
// proves the table it gets with the exhaustive check and writes it in the table format.

#include "catalogue_source.h"
#include "cli.h"
#include "core/wheels/wheelcheck.h"
#include "core/wheels/wheelsearch.h"

#include <algorithm>
#include <bit>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <string>
#include <vector>

namespace {

using Mask = quillon::BoardMask;
constexpr int kBoardSize = 7;
constexpr int kMaxPool = 30;

double cpuSeconds()
{
    return static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

double now()
{
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

struct Options {
    int system = 0;
    std::uint64_t seed = 1;
    double seconds = 60;
    double t0 = 0.6; // start temperature of each annealing cycle
    double tmin = 0.02; // a cycle ends (and reheats) below this temperature
    double cool = 0.999; // temperature factor applied every `steps` moves
    double tscale = 1; // multiplies t0 and tmin: swaps that move thousands of K-sets need a hotter schedule
    long steps = 100; // moves per temperature step
    long restart = 0; // restart from a fresh greedy table after this many moves without progress (0: never)
    bool exhaustiveMoves = false; // evaluate every swap for the chosen K-set and take the best
    double walk = 0; // share of moves that swap a random board toward S instead of a near one
    int boards = 0; // search with this many boards (default G)
    std::string resume; // start from this saved state
    std::string state; // save the best state here when the search stops unsolved
    std::string out; // write the proven table here
    std::vector<int> groups; // start from the union of N-if-N coverings of consecutive groups of these sizes
    int orbit = 0; // order q of the cyclic group whose orbits make the start (0: no orbit start)
    int cycles = -1; // cycles of q points the group turns (default: as many as fit)
    int fixed = -1; // points the group leaves fixed (default: M - cycles x q)
    int base = 0; // base boards of the orbit start
    long orbitMoves = 200000; // moves of the orbit search (a move count, so that a seed gives one result)
    double orbitT0 = 30; // the orbit search's start temperature: one move changes q boards
    double orbitTmin = 3;
    double orbitCool = 0.999; // applied every move
    long minimiseMoves = 0; // after covering, drop boards one at a time while this many moves re-cover
    int downTo = 1; // minimising stops at this many boards
    bool weighted = false; // clause-weighting search instead of annealing
    long tabu = 1; // steps a point just added to a board must stay there (weighted search)
    long smooth = 0; // weighted search: weights above 1 go down by one every this many stalls (0: never)
    bool quiet = false;
};

std::string letters(Mask b)
{
    return quillon::wheelLetters(b).toStdString();
}

Mask parseBoard(const std::string &line)
{
    Mask b = 0;
    for (char ch : line)
        if (ch >= 'A' && ch <= 'A' + kMaxPool - 1)
            b |= 1u << (ch - 'A');
    return b;
}

bool readBoards(const std::string &path, std::vector<Mask> &boards)
{
    std::ifstream in(path);
    if (!in)
        return false;
    std::string line;
    while (std::getline(in, line))
        if (!line.empty() && line[0] != '#') {
            const Mask b = parseBoard(line);
            if (std::popcount(b) == kBoardSize)
                boards.push_back(b);
        }
    return true;
}

bool writeBoards(const std::string &path, const std::vector<Mask> &boards)
{
    std::ofstream out(path, std::ios::binary);
    for (Mask b : boards)
        out << letters(b) << '\n';
    return static_cast<bool>(out);
}

// Reads the command line into o; returns -1 to go on, otherwise the exit status (0 after --help, 2 on bad
// usage).
int parseArguments(int argc, char **argv, Options &o)
{
    QCommandLineParser p;
    p.setApplicationDescription(QStringLiteral(
        "Searches a table for catalogue system SYSTEM (1 ... 124) with at most G boards, pads it to\n"
        "exactly G distinct boards, proves it and writes it."));
    p.addPositionalArgument(QStringLiteral("SYSTEM"), QStringLiteral("catalogue index of the system"));
    p.addOptions({
        { { QStringLiteral("h"), QStringLiteral("help") }, QStringLiteral("Show this help.") },
        { QStringLiteral("seed"),
            QStringLiteral("Random seed (default 1); same seed and options give the same table."),
            QStringLiteral("S") },
        { QStringLiteral("seconds"), QStringLiteral("Stop after T seconds (default 60)."),
            QStringLiteral("T") },
        { QStringLiteral("out"), QStringLiteral("Write the proven table to FILE (default: print it)."),
            QStringLiteral("FILE") },
        { QStringLiteral("state"),
            QStringLiteral("Save the best state reached here when the time runs out; with --orbit, "
                           "the orbit start also goes to FILE.orbit."),
            QStringLiteral("FILE") },
        { QStringLiteral("resume"),
            QStringLiteral("Start from a saved state (or any table) instead of a greedy start."),
            QStringLiteral("FILE") },
        { QStringLiteral("boards"), QStringLiteral("Search with B boards instead of G, and write B boards."),
            QStringLiteral("B") },
        { QStringLiteral("t0"), QStringLiteral("Start temperature of each annealing cycle (default 0.6)."),
            QStringLiteral("X") },
        { QStringLiteral("tmin"),
            QStringLiteral("A cycle ends and reheats below this temperature (default 0.02)."),
            QStringLiteral("X") },
        { QStringLiteral("cool"),
            QStringLiteral("Temperature factor applied every --steps moves (default 0.999)."),
            QStringLiteral("X") },
        { QStringLiteral("steps"), QStringLiteral("Moves per temperature step (default 100)."),
            QStringLiteral("N") },
        { QStringLiteral("tscale"),
            QStringLiteral("Multiply t0 and tmin by X (for systems whose swaps move many K-sets)."),
            QStringLiteral("X") },
        { QStringLiteral("restart"),
            QStringLiteral("Fresh greedy start after N moves without progress (default never)."),
            QStringLiteral("N") },
        { QStringLiteral("exhaustive"),
            QStringLiteral("Try every swap for the chosen K-set and take the best.") },
        { QStringLiteral("walk"),
            QStringLiteral("Share P of moves swap a random board toward S (default 0)."),
            QStringLiteral("P") },
        { QStringLiteral("groups"),
            QStringLiteral("Start from the union of N-if-N coverings of consecutive groups of sizes "
                           "A, B, ... (sum M); valid when K > (N-1) x number of groups."),
            QStringLiteral("A,B,...") },
        { QStringLiteral("orbit"),
            QStringLiteral("Start from the orbits of base boards under the cyclic group Z_Q, which turns "
                           "cycles of Q positions and fixes the rest (M = cycles x Q + fixed)."),
            QStringLiteral("Q") },
        { QStringLiteral("cycles"),
            QStringLiteral("Cycles of the group (default: derived from --fixed, or as many as fit)."),
            QStringLiteral("C") },
        { QStringLiteral("fixed"), QStringLiteral("Fixed points of the group (default: M - cycles x Q)."),
            QStringLiteral("F") },
        { QStringLiteral("base"), QStringLiteral("Base boards of the orbit start (B x Q boards at most)."),
            QStringLiteral("B") },
        { QStringLiteral("orbit-moves"),
            QStringLiteral("Moves of the orbit search (default 200000); it stops earlier when covered."),
            QStringLiteral("N") },
        { QStringLiteral("orbit-t0"), QStringLiteral("Start temperature of the orbit search (default 30)."),
            QStringLiteral("X") },
        { QStringLiteral("orbit-tmin"), QStringLiteral("Lowest temperature of the orbit search (default 3)."),
            QStringLiteral("X") },
        { QStringLiteral("orbit-cool"),
            QStringLiteral("Temperature factor of the orbit search, applied every move (default 0.999)."),
            QStringLiteral("X") },
        { QStringLiteral("minimise"),
            QStringLiteral("After covering, drop a board and re-cover within N moves, again and again; "
                           "writes the fewest boards reached, not padded to G."),
            QStringLiteral("N") },
        { QStringLiteral("down-to"), QStringLiteral("With --minimise: stop once B boards cover (default 1)."),
            QStringLiteral("B") },
        { QStringLiteral("weighted"),
            QStringLiteral("Search by K-set weights and tabu instead of annealing: the best swap toward a "
                           "random uncovered K-set, and heavier uncovered K-sets when no swap gains.") },
        { QStringLiteral("tabu"),
            QStringLiteral("Weighted search: steps a point just added to a board stays there (default 1)."),
            QStringLiteral("N") },
        { QStringLiteral("smooth"),
            QStringLiteral(
                "Weighted search: every N stalls, weights above 1 go down by one (default 0: never)."),
            QStringLiteral("N") },
        { QStringLiteral("quiet"),
            QStringLiteral("No progress lines (otherwise one line every 5 s on stderr).") },
    });
    const char *footer = "\nWith --help added, a command line is only checked, not run.\n"
                         "Exit status: 0 solved and proven, 1 unsolved when the time ran out, 2 bad usage.\n";
    // With --help the rest of the line is still read and checked, so that appending --help to a command
    // tests it without running a search.
    const bool parsed = p.parse(cli::arguments(argc, argv));
    const bool help = parsed && p.isSet(QStringLiteral("help"));
    std::string error = parsed ? std::string() : p.errorText().toStdString();
    const QStringList positional = p.positionalArguments();
    if (parsed && positional.size() != 1 && !(help && positional.isEmpty()))
        error = "give exactly one SYSTEM";
    cli::Numbers num(p);
    if (error.empty()) {
        bool ok = true;
        if (!positional.isEmpty())
            o.system = positional.constFirst().toInt(&ok);
        if (!ok || (!positional.isEmpty() && o.system < 1))
            error = "SYSTEM " + positional.constFirst().toStdString() + ": expected a catalogue index";
        num.integer("seed", o.seed);
        num.real("seconds", o.seconds);
        num.integer("boards", o.boards);
        num.real("t0", o.t0);
        num.real("tmin", o.tmin);
        num.real("cool", o.cool);
        num.integer("steps", o.steps, 1L);
        num.real("tscale", o.tscale);
        num.integer("restart", o.restart);
        num.real("walk", o.walk);
        num.integerList("groups", o.groups, 1);
        num.integer("orbit", o.orbit);
        num.integer("cycles", o.cycles);
        num.integer("fixed", o.fixed);
        num.integer("base", o.base);
        num.integer("orbit-moves", o.orbitMoves);
        num.real("orbit-t0", o.orbitT0);
        num.real("orbit-tmin", o.orbitTmin);
        num.real("orbit-cool", o.orbitCool);
        num.integer("minimise", o.minimiseMoves);
        num.integer("down-to", o.downTo, 1);
        num.integer("tabu", o.tabu);
        num.integer("smooth", o.smooth);
        if (error.empty())
            error = num.error();
    }
    if (!error.empty()) {
        std::fprintf(stderr, "wheelgen: %s (wheelgen --help lists the options)\n", error.c_str());
        return 2;
    }
    if (help) {
        cli::printHelp(p, "wheelgen", footer);
        return 0;
    }
    o.out = p.value(QStringLiteral("out")).toLocal8Bit().toStdString();
    o.state = p.value(QStringLiteral("state")).toLocal8Bit().toStdString();
    o.resume = p.value(QStringLiteral("resume")).toLocal8Bit().toStdString();
    o.exhaustiveMoves = p.isSet(QStringLiteral("exhaustive"));
    o.weighted = p.isSet(QStringLiteral("weighted"));
    o.quiet = p.isSet(QStringLiteral("quiet"));
    return -1;
}

} // namespace

int main(int argc, char **argv)
{
    Options o;
    if (const int status = parseArguments(argc, argv, o); status >= 0)
        return status;
    int n, k, m, g;
    if (!catalogueEntry(o.system, n, k, m, g)) {
        std::fprintf(stderr, "wheelgen: no system %d in the catalogue\n", o.system);
        return 2;
    }
    const int target = o.boards > 0 ? o.boards : g;
    if (o.orbit > 0) {
        if (o.cycles < 0)
            o.cycles = (m - std::max(o.fixed, 0)) / o.orbit;
        if (o.fixed < 0)
            o.fixed = m - o.cycles * o.orbit;
        if (o.orbit < 2 || o.cycles < 1 || o.cycles * o.orbit + o.fixed != m || o.base < 1) {
            std::fprintf(
                stderr, "wheelgen: --orbit Q needs --base B >= 1 and cycles x Q + fixed = M (%d)\n", m);
            return 2;
        }
    }
    quillon::SearchRequest r;
    r.guarantee = n, r.condition = k, r.poolSize = m, r.boards = target;
    // With --boards the table keeps that many boards (a covering for a construction, not a catalogue
    // table); a minimised table keeps the boards it reached.
    r.padTo = o.boards > 0 ? o.boards : (o.minimiseMoves > 0 ? 0 : g);
    r.seed = o.seed;
    r.groups = QList<int>(o.groups.cbegin(), o.groups.cend());
    r.orbit = o.orbit, r.orbitCycles = o.cycles, r.orbitBase = o.base, r.orbitMoves = o.orbitMoves;
    r.orbitT0 = o.orbitT0, r.orbitTmin = o.orbitTmin, r.orbitCool = o.orbitCool;
    r.t0 = o.t0 * o.tscale, r.tmin = o.tmin * o.tscale, r.cool = o.cool, r.walk = o.walk;
    r.steps = o.steps, r.restart = o.restart, r.exhaustive = o.exhaustiveMoves;
    r.weighted = o.weighted, r.tabu = o.tabu, r.smooth = o.smooth;
    r.minimiseMoves = o.minimiseMoves, r.downTo = o.downTo;
    if (!o.resume.empty()) {
        std::vector<Mask> boards;
        if (!readBoards(o.resume, boards)) {
            std::fprintf(stderr, "wheelgen: cannot read %s\n", o.resume.c_str());
            return 2;
        }
        std::fprintf(
            stderr, "system %d: resuming from %zu boards of %s\n", o.system, boards.size(), o.resume.c_str());
        r.startBoards = QList<Mask>(boards.cbegin(), boards.cend());
    }

    const double start = now();
    const double deadline = start + o.seconds;
    double nextReport = start + 2;
    const auto progress = [&](const quillon::SearchProgress &p) {
        using Stage = quillon::SearchProgress::Stage;
        if (p.stage == Stage::Start) {
            if (!r.groups.isEmpty())
                std::fprintf(stderr, "system %d: group start gives %lld boards\n", o.system,
                    static_cast<long long>(p.boards));
            else
                std::fprintf(stderr,
                    "system %d: orbit start: %d base boards give %lld boards, %lld uncovered\n", o.system,
                    o.base, static_cast<long long>(p.boards), static_cast<long long>(p.uncovered));
            return;
        }
        if (o.quiet)
            return;
        const double t = now();
        if (p.stage == Stage::Covered) {
            std::fprintf(stderr, "system %d: covered with %lld boards, %.0f s\n", o.system,
                static_cast<long long>(p.boards), t - start);
            return;
        }
        if (t < nextReport)
            return;
        nextReport = t + 5;
        if (p.stage == Stage::OrbitSearch)
            std::fprintf(stderr,
                "system %d: orbit search: %lld uncovered (best %lld), %lld base boards, %.0f s, %lld of %ld "
                "moves, T %.2f\n",
                o.system, static_cast<long long>(p.uncovered), static_cast<long long>(p.best),
                static_cast<long long>(p.boards), t - start, static_cast<long long>(p.moves), o.orbitMoves,
                p.temperature);
        else if (o.weighted)
            std::fprintf(stderr,
                "system %d: %lld uncovered (best %lld), %lld boards, %.0f s, %lld steps, %lld stalls\n",
                o.system, static_cast<long long>(p.uncovered), static_cast<long long>(p.best),
                static_cast<long long>(p.boards), t - start, static_cast<long long>(p.moves),
                static_cast<long long>(p.stalls));
        else
            std::fprintf(stderr,
                "system %d: %lld uncovered (best %lld), %lld boards, %.0f s, %lld moves, T %.3f, restarts "
                "%lld\n",
                o.system, static_cast<long long>(p.uncovered), static_cast<long long>(p.best),
                static_cast<long long>(p.boards), t - start, static_cast<long long>(p.moves), p.temperature,
                static_cast<long long>(p.restarts));
    };
    const quillon::WheelSearchResult result = quillon::searchCovering(
        r, [&] { return now() > deadline; }, progress);
    const std::vector<Mask> boards(result.boards.cbegin(), result.boards.cend());
    if (!o.state.empty() && !result.orbitStart.isEmpty())
        writeBoards(
            o.state + ".orbit", std::vector<Mask>(result.orbitStart.cbegin(), result.orbitStart.cend()));
    const long moves = static_cast<long>(result.moves);
    if (!result.covered) {
        std::fprintf(stderr,
            "system %d (%d-%d-%d-%d): unsolved, best %lld uncovered with %zu boards after %.1f s, %ld "
            "moves\n",
            o.system, n, k, m, g, static_cast<long long>(result.uncovered), boards.size(), now() - start,
            moves);
        if (!o.state.empty())
            writeBoards(o.state, boards);
        std::printf("UNSOLVED system %d uncovered %lld seconds %.1f cpu %.1f moves %ld\n", o.system,
            static_cast<long long>(result.uncovered), now() - start, cpuSeconds(), moves);
        return 1;
    }
    if (o.minimiseMoves > 0)
        std::fprintf(stderr, "system %d: fewest boards %d\n", o.system, result.reached);
    if (o.boards > 0)
        g = o.boards;
    else if (o.minimiseMoves > 0)
        g = result.reached;
    QByteArrayList lines;
    for (Mask b : boards)
        lines.append(quillon::wheelLetters(b));
    const quillon::WheelCheckResult check = quillon::checkWheel(n, k, m, g, lines);
    if (!check.ok) {
        std::fprintf(
            stderr, "wheelgen: system %d: result fails the check: %s\n", o.system, qPrintable(check.reason));
        return 3;
    }
    const double elapsed = now() - start;
    if (o.out.empty()) {
        for (const QByteArray &l : lines)
            std::printf("%s\n", l.constData());
    } else if (!writeBoards(o.out, boards)) {
        std::fprintf(stderr, "wheelgen: cannot write %s\n", o.out.c_str());
        return 2;
    }
    std::fprintf(stderr,
        "SOLVED system %d (%d-%d-%d-%d): reached %d boards, padded to %d, %.2f s, %ld moves, seed %llu, cpu "
        "%.2f s\n",
        o.system, n, k, m, g, result.reached, g, elapsed, moves, static_cast<unsigned long long>(o.seed),
        cpuSeconds());
    return 0;
}
