// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the help page: the hand-written page with, in each language's section, the
// table of the systems a player chooses from, made from the catalogue at build time so
// that it can never disagree with the program.
//   helppage <page template> <page to write>
// The template marks each table's place with <!-- systems:fr -->, <!-- systems:en -->
// and <!-- systems:hr -->.
#include "core/wheels/catalogue.h"
#include "core/wheels/wheel.h"

#include <QFile>
#include <QList>
#include <QSaveFile>
#include <QString>
#include <algorithm>
#include <cstdio>
#include <tuple>

using namespace quillon;

namespace {

struct Words {
    const char *marker;
    const char *guaranteeHeader;
    const char *numbersHeader;
    const char *boardsHeader;
    const char *guarantee; // %1 N, %2 K, %3 M, %4 the Croatian word for hits after N
    const char *checked; // how the tables were checked
};

const Words kWords[] = {
    { "<!-- systems:fr -->", "Garantie", "Numéros joués", "Grilles",
        "%1 numéros si %2 de vos %3 numéros sont tirés",
        "Chaque table de grilles livrée avec Quillon est vérifiée contre tous les tirages possibles : "
        "pour chaque système, chacune des façons de tirer K numéros parmi vos M est essayée, et une grille "
        "au moins doit en contenir N." },
    { "<!-- systems:en -->", "Guarantee", "Numbers played", "Boards", "%1 numbers if %2 of your %3 are drawn",
        "Every table of boards shipped with Quillon is checked against every possible draw: for each "
        "system, every way of drawing K of your M numbers is tried, and at least one board must hold N of "
        "them." },
    { "<!-- systems:hr -->", "Jamstvo", "Odigrani brojevi", "Kombinacije",
        "%1 %4 ako se izvuče %2 od vaših %3 brojeva",
        "Svaka tablica kombinacija koja dolazi s Quillonom provjerena je za sva moguća izvlačenja: za svaki "
        "sistem isprobava se svaki način izvlačenja K od vaših M brojeva, i barem jedna kombinacija mora "
        "sadržavati N od njih." },
};

// Croatian counts 2, 3 and 4 with the paucal form, 5 and more with the genitive plural.
QString hitsWord(int n)
{
    return n >= 2 && n <= 4 ? QStringLiteral("pogotka") : QStringLiteral("pogodaka");
}

// The systems of the program's list, in its order: by N, then K, then M, then G.
QList<Wheel> listedSystems()
{
    QList<Wheel> systems;
    for (int index = 1; index <= kSystemCount; ++index) {
        if (hasWheelTable(index))
            systems.append(Wheel::fromCatalogue(index));
    }
    std::stable_sort(systems.begin(), systems.end(), [](const Wheel &x, const Wheel &y) {
        return std::tuple(x.guarantee(), x.condition(), x.poolSize(), x.boardCount())
            < std::tuple(y.guarantee(), y.condition(), y.poolSize(), y.boardCount());
    });
    return systems;
}

QString table(const Words &words)
{
    QString html = QStringLiteral("<table class=\"systems\">\n<tr><th>%1</th><th>%2</th><th>%3</th></tr>\n")
                       .arg(QString::fromUtf8(words.guaranteeHeader), QString::fromUtf8(words.numbersHeader),
                           QString::fromUtf8(words.boardsHeader));
    for (const Wheel &wheel : listedSystems()) {
        // Only the Croatian sentence names the hits (%4): it is filled in first, so that
        // no language's sentence is given more arguments than it has places.
        const QString guarantee = QString::fromUtf8(words.guarantee)
                                      .replace(QLatin1String("%4"), hitsWord(wheel.guarantee()))
                                      .arg(wheel.guarantee())
                                      .arg(wheel.condition())
                                      .arg(wheel.poolSize());
        html += QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td></tr>\n")
                    .arg(guarantee, QString::number(wheel.poolSize()), QString::number(wheel.boardCount()));
    }
    html += QStringLiteral("</table>\n<p>%1</p>").arg(QString::fromUtf8(words.checked));
    return html;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: helppage <page template> <page to write>\n");
        return 2;
    }
    QFile in(QString::fromLocal8Bit(argv[1]));
    if (!in.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "helppage: %s: %s\n", argv[1], qPrintable(in.errorString()));
        return 1;
    }
    QString page = QString::fromUtf8(in.readAll());
    for (const Words &words : kWords) {
        const QString marker = QString::fromLatin1(words.marker);
        if (page.count(marker) != 1) {
            std::fprintf(stderr, "helppage: %s must hold %s once\n", argv[1], words.marker);
            return 1;
        }
        page.replace(marker, table(words));
    }
    QSaveFile out(QString::fromLocal8Bit(argv[2]));
    if (!out.open(QIODevice::WriteOnly) || out.write(page.toUtf8()) < 0 || !out.commit()) {
        std::fprintf(stderr, "helppage: %s: %s\n", argv[2], qPrintable(out.errorString()));
        return 1;
    }
    return 0;
}
