/* SPDX-License-Identifier: GPL-3.0-or-later */
/* The plain way to count a wheel's coverage, as a yardstick for bench_analysis: every
 * j-subset (j = 1 … 7) of the M positions as a 32-bit mask, met against every board
 * with one popcount, tallying the best board and the boards with each hit count.
 * Run: build/tests/coverage_reference src/core/wheels/tables/115.txt 26
 * Prints the seconds taken and a checksum of the tallies. */
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <time.h>

static uint32_t boards[1 << 16];
static int boardCount;
static uint64_t best[8][8];
static uint64_t boardHits[8][8];

static void visit(uint32_t subset)
{
    uint64_t counts[8] = { 0 };
    int top = 0;
    for (int b = 0; b < boardCount; ++b) {
        const int h = __builtin_popcount(boards[b] & subset);
        ++counts[h];
        if (h > top)
            top = h;
    }
    const int j = __builtin_popcount(subset);
    ++best[j][top];
    for (int h = 0; h <= j; ++h)
        boardHits[j][h] += counts[h];
}

/* Every r-subset of positions first … m - 1, added to base. */
static void subsets(int first, int m, int r, uint32_t base)
{
    if (r == 0) {
        visit(base);
        return;
    }
    for (int p = first; p <= m - r; ++p)
        subsets(p + 1, m, r - 1, base | (1u << p));
}

int main(int argc, char **argv)
{
    if (argc != 3) {
        fprintf(stderr, "usage: %s TABLE M\n", argv[0]);
        return 2;
    }
    FILE *f = fopen(argv[1], "r");
    if (!f)
        return 1;
    char line[64];
    while (fgets(line, sizeof line, f) && boardCount < (1 << 16)) {
        uint32_t mask = 0;
        for (int k = 0; k < 7; ++k)
            mask |= 1u << (line[k] - 'A');
        boards[boardCount++] = mask;
    }
    fclose(f);
    const int m = atoi(argv[2]);
    struct timespec start, end;
    clock_gettime(CLOCK_MONOTONIC, &start);
    for (int j = 1; j <= 7 && j <= m; ++j)
        subsets(0, m, j, 0);
    clock_gettime(CLOCK_MONOTONIC, &end);
    uint64_t sum = 0;
    for (int j = 0; j < 8; ++j)
        for (int h = 0; h < 8; ++h)
            sum = sum * 31 + best[j][h] + 7 * boardHits[j][h];
    printf("%.3f s, checksum %llu\n",
        (double)(end.tv_sec - start.tv_sec) + (end.tv_nsec - start.tv_nsec) / 1e9, (unsigned long long)sum);
    return 0;
}
