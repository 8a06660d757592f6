// Checks every layout against what is known about it independently of its table: brick totals,
// how many bricks of each kind, which rows and columns are empty, symmetries, and for the levels
// whose shape can be put as a rule, the whole grid rebuilt from that rule.
#include "levels/layout_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <functional>
#include <map>

using namespace glim;

namespace {

brick_grid_t filled(int v) {
    brick_grid_t g;
    for (auto& column : g) column.fill(v);
    return g;
}

brick_grid_t level(int n, int prefill = 0) {
    brick_grid_t g = filled(prefill);
    EXPECT_TRUE(build_level(n, g)) << n;
    return g;
}

int at(const brick_grid_t& g, int c, int r) {
    return g[static_cast<std::size_t>(c)][static_cast<std::size_t>(r)];
}

int bricks(const brick_grid_t& g) {
    int n = 0;
    for (int c = 0; c < grid_columns; ++c)
        for (int r = 0; r < grid_rows; ++r) n += at(g, c, r) != 0;
    return n;
}

std::map<int, int> kinds(const brick_grid_t& g) {
    std::map<int, int> count;
    for (int c = 0; c < grid_columns; ++c)
        for (int r = 0; r < grid_rows; ++r)
            if (at(g, c, r) != 0) ++count[at(g, c, r)];
    return count;
}

bool row_empty(const brick_grid_t& g, int r) {
    for (int c = 0; c < grid_columns; ++c)
        if (at(g, c, r) != 0) return false;
    return true;
}

bool column_empty(const brick_grid_t& g, int c) {
    for (int r = 0; r < grid_rows; ++r)
        if (at(g, c, r) != 0) return false;
    return true;
}

bool mirrored(const brick_grid_t& g) {
    for (int c = 0; c < grid_columns; ++c)
        for (int r = 0; r < grid_rows; ++r)
            if (at(g, c, r) != at(g, grid_columns - 1 - c, r)) return false;
    return true;
}

// A grid made from a rule that gives each cell's kind.
brick_grid_t from_rule(const std::function<int(int c, int r)>& kind_at) {
    brick_grid_t g{};
    for (int c = 0; c < grid_columns; ++c)
        for (int r = 0; r < grid_rows; ++r)
            g[static_cast<std::size_t>(c)][static_cast<std::size_t>(r)] = kind_at(c, r);
    return g;
}

bool in(int v, int lo, int hi) {
    return v >= lo && v <= hi;
}

}  // namespace

TEST(Layouts, EveryLayoutWritesAllCellsWhateverTheGridHeld) {
    for (int n = 1; n <= 20; ++n) {
        const brick_grid_t clean = level(n);
        EXPECT_EQ(level(n, 1), clean) << "level " << n;  // bricks left standing as 1s
        EXPECT_EQ(level(n, -7), clean) << "level " << n;
        brick_grid_t g = level(n % 20 + 1);  // the next level's kinds
        build_level(n, g);
        EXPECT_EQ(g, clean) << "level " << n;
        build_level(n, g);  // and the same layout again
        EXPECT_EQ(g, clean) << "level " << n;
    }
}

TEST(Layouts, BuildLevelTakesOnlyOneToTwenty) {
    for (int n : {0, -1, 21, 100, INT_MIN, INT_MAX}) {
        brick_grid_t g = filled(-7);
        EXPECT_FALSE(build_level(n, g)) << n;
        EXPECT_EQ(g, filled(-7)) << n;
    }
    void (*const layouts[])(brick_grid_t&) = {
        level1,  level2,  level3,  level4,  level5,  level6,  level7,  level8,  level9,  level10,
        level11, level12, level13, level14, level15, level16, level17, level18, level19, level20};
    for (int n = 1; n <= 20; ++n) {
        brick_grid_t g = filled(3);
        layouts[n - 1](g);
        EXPECT_EQ(level(n, 3), g) << "build_level(" << n << ") calls another layout";
    }
}

TEST(Layouts, ValuesAndRowsStayWithinWhatTheFieldDraws) {
    for (int n = 1; n <= 20; ++n) {
        const brick_grid_t g = level(n);
        for (int c = 0; c < grid_columns; ++c)
            for (int r = 0; r < grid_rows; ++r) EXPECT_TRUE(in(at(g, c, r), 0, 18)) << n;
        // Row 0 carries the score and the balls left; the rows near the paddle stay open.
        EXPECT_TRUE(row_empty(g, 0)) << "level " << n;
        for (int r = 10; r < grid_rows; ++r) EXPECT_TRUE(row_empty(g, r)) << n << " row " << r;
    }
}

TEST(Layouts, BrickTotalsAndKindsPerLevel) {
    const int totals[] = {54, 62, 54,  68, 68, 84, 45, 66,  38, 60,
                          80, 72, 110, 62, 78, 60, 72, 102, 52, 172};
    const std::map<int, int> kind_counts[] = {
        {{5, 27}, {7, 27}},
        {{3, 14}, {8, 14}, {10, 22}, {13, 8}, {14, 4}},
        {{1, 2}, {2, 8}, {8, 4}, {9, 40}},
        {{12, 20}, {15, 48}},
        {{16, 68}},
        {{17, 84}},
        {{14, 5}, {18, 40}},
        {{6, 66}},
        {{5, 38}},
        {{11, 60}},
        {{14, 80}},
        {{16, 72}},
        {{10, 108}, {14, 2}},
        {{9, 36}, {5, 12}, {7, 14}},
        {{3, 78}},
        {{7, 30}, {8, 30}},
        {{5, 24}, {10, 24}, {14, 24}},
        {{5, 54}, {3, 32}, {7, 16}},
        {{2, 44}, {3, 8}},
        {{9, 62},
         {5, 28},
         {16, 20},
         {14, 18},
         {7, 12},
         {10, 12},
         {8, 8},
         {13, 6},
         {12, 4},
         {15, 2}},
    };
    for (int n = 1; n <= 20; ++n) {
        const brick_grid_t g = level(n);
        EXPECT_EQ(bricks(g), totals[n - 1]) << "level " << n;
        EXPECT_EQ(kinds(g), kind_counts[n - 1]) << "level " << n;
    }
}

TEST(Layouts, FirstTenLevelsRowsAndSideColumns) {
    for (int n = 1; n <= 10; ++n) {
        const brick_grid_t g = level(n);
        EXPECT_EQ(kinds(g).count(4), 0u) << "level " << n;
        EXPECT_TRUE(row_empty(g, 9)) << "level " << n;
        // Only levels 6 and 7 reach down to row 8.
        EXPECT_EQ(row_empty(g, 8), n != 6 && n != 7) << "level " << n;
        // Only levels 4, 5, 8 and 9 reach the side walls, and then on both sides.
        const bool at_walls = n == 4 || n == 5 || n == 8 || n == 9;
        EXPECT_EQ(column_empty(g, 0), !at_walls) << "level " << n;
        EXPECT_EQ(column_empty(g, 19), !at_walls) << "level " << n;
    }
}

// The regular drawings among the first ten, each put as a rule.
TEST(Layouts, FirstTenLevelsFollowTheirDrawings) {
    EXPECT_EQ(level(1), from_rule([](int c, int r) {
                  if ((r != 1 && r != 3 && r != 5) || !in(c, 1, 18)) return 0;
                  return (c + (r - 1) / 2) % 2 == 1 ? 5 : 7;  // row 1 starts blue, row 3 cane
              }));
    EXPECT_EQ(level(4), from_rule([](int c, int r) {
                  if (r == 2) return 12;
                  return in(r, 4, 7) && in(std::min(c, 19 - c), 1, 6) ? 15 : 0;
              }));
    // Greeting-card rings of four by four cells: three above, two below, Santa in five.
    EXPECT_EQ(level(7), from_rule([](int c, int r) {
                  const int rings[][2] = {{2, 1}, {8, 1}, {14, 1}, {5, 5}, {11, 5}};
                  for (const auto& ring : rings) {
                      const int dc = c - ring[0], dr = r - ring[1];
                      if (!in(dc, 0, 3) || !in(dr, 0, 3)) continue;
                      const bool edge = (dr == 0 || dr == 3) ? in(dc, 1, 2) : dc == 0 || dc == 3;
                      if (edge) return 18;
                      if (dr == 2 && dc == 2) return 14;
                  }
                  return 0;
              }));
    EXPECT_EQ(level(8), from_rule([](int c, int r) {
                  const int m = std::min(c, 19 - c);
                  if (r == 1 || r == 5) return m <= 7 ? 6 : 0;
                  if (r == 3) return in(m, 1, 8) ? 6 : 0;
                  return r == 7 && m <= 8 ? 6 : 0;
              }));
    EXPECT_EQ(level(9), from_rule([](int c, int r) {
                  if (r != 1 && r != 3 && r != 5 && r != 7) return 0;
                  if (r == 7 && in(c, 8, 12)) return 0;
                  return c % 2 == (r - 1) / 2 % 2 ? 5 : 0;
              }));
    EXPECT_EQ(level(10), from_rule([](int c, int r) {
                  if (r == 7)
                      return in(std::min(c, 19 - c), 1, 4) || in(std::min(c, 19 - c), 6, 7) ? 11
                                                                                            : 0;
                  return (r == 1 || r == 2 || r == 4 || r == 5) && c >= 2 && c % 3 != 1 ? 11 : 0;
              }));
    for (int n = 1; n <= 10; ++n) {
        const bool symmetric = n != 1 && n != 7 && n != 9 && n != 10;
        EXPECT_EQ(mirrored(level(n)), symmetric) << "level " << n;
    }
}

TEST(Layouts, LevelsElevenToFifteenFollowTheirShapes) {
    for (int n = 11; n <= 15; ++n)
        for (int r = 8; r < grid_rows; ++r) EXPECT_TRUE(row_empty(level(n), r)) << n << " " << r;

    EXPECT_EQ(level(11), from_rule([](int, int r) { return r == 1 || in(r, 3, 5) ? 14 : 0; }));

    // Edges stepping in from six cells to one, a wedge from six to two, and two pyramids
    // centred on columns 5 and 13 (so not mirror images of each other).
    EXPECT_EQ(level(12), from_rule([](int c, int r) {
                  const int m = std::min(c, 19 - c);
                  const bool edge = in(r, 1, 6) && m <= 6 - r;
                  const bool wedge = in(r, 1, 3) && in(c, 6 + r, 13 - r);
                  const bool pyramid =
                      in(r, 4, 6) && (std::abs(c - 5) <= r - 4 || std::abs(c - 13) <= r - 4);
                  return edge || wedge || pyramid ? 16 : 0;
              }));
    EXPECT_FALSE(mirrored(level(12)));

    EXPECT_EQ(level(13), from_rule([](int c, int r) {
                  if (!in(r, 1, 7) || in(c, 9, 10)) return 0;
                  const int x = c < 9 ? c : c - 11;  // column within its block
                  if (in(x, 3, 5) && in(r, 3, 5)) return x == 4 && r == 4 ? 14 : 0;
                  return 10;
              }));

    EXPECT_EQ(level(14), from_rule([](int c, int r) {
                  if (c == 0 || c == 19) return in(r, 1, 7) ? 7 : 0;
                  for (int left : {3, 8, 13}) {
                      if (in(c, left, left + 3) && in(r, 2, 5))
                          return in(c, left + 1, left + 2) && in(r, 3, 4) ? 5 : 9;
                  }
                  return 0;
              }));

    EXPECT_EQ(level(15), from_rule([](int c, int r) {
                  const bool frame =
                      r == 1 || ((c == 0 || c == 19) && in(r, 1, 7)) || (r == 7 && !in(c, 9, 10));
                  const bool box = in(r, 3, 5) && (in(c, 2, 6) || in(c, 13, 17)) &&
                                   (r != 4 || c == 2 || c == 6 || c == 13 || c == 17);
                  const bool bar = (r == 5 && in(c, 8, 11)) || (r == 6 && (c == 8 || c == 11));
                  return frame || box || bar ? 3 : 0;
              }));
}

TEST(Layouts, LevelsSixteenToTwentyFollowTheirShapes) {
    EXPECT_EQ(level(16), from_rule([](int c, int r) {
                  if (r != 2 && r != 4 && r != 6) return 0;
                  return (c + (r == 4)) % 2 == 0 ? 7 : 8;
              }));
    EXPECT_EQ(at(level(16), 0, 2), 7);
    EXPECT_EQ(at(level(16), 0, 4), 8);

    // Diamonds measured in half cells from their centres between rows 3 and 4.
    EXPECT_EQ(level(17), from_rule([](int c, int r) {
                  const int m = std::min(c, 19 - c);
                  const int d = std::abs(2 * m - 5) + std::abs(2 * r - 7);
                  if (m <= 5 && in(r, 1, 6) && d <= 6) return d == 6 ? 10 : 14;
                  if ((in(r, 3, 4) && in(c, 6, 13)) || ((r == 2 || r == 5) && in(c, 8, 11)))
                      return 5;
                  return 0;
              }));

    // Wreaths of rows 2 to 7 centred between columns 3 and 4: holly, canes, holly centre;
    // the odd rows filled out with baubles but for the gap at columns 9 and 10 of row 7.
    EXPECT_EQ(level(18), from_rule([](int c, int r) {
                  if (r == 1) return 5;
                  const int m = std::min(c, 19 - c);
                  const int d = std::abs(2 * m - 7) + std::abs(2 * r - 9);
                  if (in(r, 2, 7) && d <= 6) return d == 4 ? 7 : 3;
                  if (r == 7 && in(c, 9, 10)) return 0;
                  return r == 3 || r == 5 || r == 7 ? 5 : 0;
              }));

    EXPECT_EQ(level(19), from_rule([](int c, int r) {
                  if (!in(r, 1, 7)) return 0;
                  const int m = std::min(c, 19 - c);
                  if (m == 4 + (r - 2) && in(r, 2, 5)) return 3;
                  if (m < r && (m + r) % 2 == 1) return 2;
                  if (m >= 6 + r) return 2;  // the wedge: 7-12, 8-11, 9-10
                  return 0;
              }));

    const brick_grid_t g20 = level(20);
    for (int r = 1; r <= 9; ++r) {
        for (int c = 0; c < grid_columns; ++c) {
            const bool gap = in(c, 9, 10) && in(r, 6, 9);
            const bool frame = r == 1 || r == 9 || c == 0 || c == 19;
            const bool bar = (r == 5 && in(c, 8, 11)) || (in(r, 5, 9) && (c == 8 || c == 11));
            if (gap)
                EXPECT_EQ(at(g20, c, r), 0) << c << "," << r;
            else if (frame || bar)
                EXPECT_EQ(at(g20, c, r), 9) << c << "," << r;
            else
                EXPECT_TRUE(at(g20, c, r) != 0 && at(g20, c, r) != 9) << c << "," << r;
        }
    }

    for (int n : {17, 18, 19, 20}) EXPECT_TRUE(mirrored(level(n))) << "level " << n;
    EXPECT_FALSE(mirrored(level(16)));
    // Of these five only level 20 reaches rows 8 and 9.
    for (int n = 16; n <= 19; ++n) {
        EXPECT_TRUE(row_empty(level(n), 8) && row_empty(level(n), 9)) << "level " << n;
    }
}
