#include "engine/brick_field.h"

#include <gtest/gtest.h>

#include "engine/drawing.h"
#include "platform/headless/headless_program.h"

using namespace glim;

namespace {

// True when the 32 x 32 cell (column, row) of a field picture holds the sheet square at (sx, sy).
bool cell_shows(const surface& field, std::int32_t ox, std::int32_t oy, std::int32_t column,
                std::int32_t row, const surface& sheet, std::int32_t sx, std::int32_t sy) {
    for (std::int32_t y = 0; y < 32; ++y)
        for (std::int32_t x = 0; x < 32; ++x)
            if (field.at(ox + 32 * column + x, oy + 32 * row + y) != sheet.at(sx + x, sy + y))
                return false;
    return true;
}

std::int32_t bricks_in(const brick_grid_t& g) {
    std::int32_t n = 0;
    for (const auto& column : g)
        for (std::int32_t v : column) n += v != 0;
    return n;
}

}  // namespace

TEST(BrickField, EveryLevelIsCountedDrawnWithItsTilesAndTurnedIntoOnes) {
    const std::int32_t totals[21] = {0,  54, 62,  54, 68, 68, 84, 45,  66, 38, 60,
                                     80, 72, 110, 62, 78, 60, 72, 102, 52, 172};
    headless_program h;  // field at (192, 144)
    for (std::int32_t level = 1; level <= 20; ++level) {
        brick_grid_t layout{};
        ASSERT_TRUE(build_level(level, layout));
        // Whatever the grid held before, a layout writes every cell.
        for (auto& column : h.p.game.brick_grid) column.fill(1);
        h.p.game.bricks_hit = 17;
        h.p.game.level = level;
        setup_gamefield(h.p);
        EXPECT_EQ(h.p.game.bricks_total, totals[level]) << "level " << level;
        EXPECT_EQ(h.p.game.bricks_total, bricks_in(layout)) << "level " << level;
        EXPECT_EQ(h.p.game.bricks_hit, 0);
        for (std::int32_t c = 0; c < 20; ++c)
            for (std::int32_t r = 0; r < 15; ++r) {
                std::int32_t kind = layout[c][r];
                EXPECT_EQ(h.p.game.brick_grid[c][r], kind != 0 ? 1 : 0);
                std::int32_t sx = kind != 0 ? 32 * (kind - 1) : 384, sy = kind != 0 ? 128 : 0;
                ASSERT_TRUE(cell_shows(h.p.background_copy, 0, 0, c, r, h.p.sprite, sx, sy))
                    << "level " << level << " cell " << c << "," << r;
                ASSERT_TRUE(cell_shows(h.p.background_work, 0, 0, c, r, h.p.sprite, sx, sy));
                ASSERT_TRUE(cell_shows(h.window.screen, 192, 144, c, r, h.p.sprite, sx, sy));
            }
    }
}

TEST(BrickField, CellsAreDrawnRowByRowToWindowCopyAndWork) {
    headless_program h(1023, 767);  // field at (191.5, 143.5)
    h.window.record_copies = true;
    h.p.game.level = 1;
    setup_gamefield(h.p);
    ASSERT_EQ(h.window.copies.size(), 300u);
    // Cells 0 and 1 of row 0 at field x 0 and 32: 191.5 -> 192 and 223.5 -> 224.
    EXPECT_EQ(h.window.copies[0].x, 192);
    EXPECT_EQ(h.window.copies[0].y, 144);
    EXPECT_EQ(h.window.copies[1].x, 224);
    EXPECT_EQ(h.window.copies[20].y, 176) << "row 1 follows the twenty cells of row 0";
}

TEST(BrickField, AnotherLevelRedrawsThePreviousGridWithTileZero) {
    headless_program h;
    h.p.game.level = 3;
    setup_gamefield(h.p);
    brick_grid_t before = h.p.game.brick_grid;
    std::int32_t total = h.p.game.bricks_total;
    clear_char(h.p, 5, 3);  // a hole the redraw must keep
    for (std::int32_t level : {0, 21, -4}) {
        h.p.game.level = level;
        setup_gamefield(h.p);
        before[5][3] = 0;
        EXPECT_EQ(h.p.game.brick_grid, before);
        EXPECT_EQ(h.p.game.bricks_total, total - (before[5][3] == 0 ? 1 : 0));
        for (std::int32_t c = 0; c < 20; ++c)
            for (std::int32_t r = 0; r < 15; ++r)
                if (before[c][r] != 0) {
                    ASSERT_TRUE(cell_shows(h.p.background_copy, 0, 0, c, r, h.p.sprite, 0, 128));
                }
    }
}

TEST(BrickField, ClearCharEmptiesTheCellOnAllThreeSurfaces) {
    headless_program h;
    h.p.game.level = 2;
    setup_gamefield(h.p);
    std::int32_t c = -1, r = -1;
    for (std::int32_t i = 0; i < 300 && c < 0; ++i)
        if (h.p.game.brick_grid[i % 20][i / 20] != 0) c = i % 20, r = i / 20;
    ASSERT_GE(c, 0);
    for (int twice = 0; twice < 2; ++twice) {  // a second clear draws the empty tile again
        clear_char(h.p, c, r, 0);
        EXPECT_EQ(h.p.game.brick_grid[c][r], 0);
        EXPECT_TRUE(cell_shows(h.p.background_copy, 0, 0, c, r, h.p.sprite, 384, 0));
        EXPECT_TRUE(cell_shows(h.p.background_work, 0, 0, c, r, h.p.sprite, 384, 0));
        EXPECT_TRUE(cell_shows(h.window.screen, 192, 144, c, r, h.p.sprite, 384, 0));
    }
    // Cells outside the grid are no cells: nothing is drawn or written.
    brick_grid_t g = h.p.game.brick_grid;
    surface copy = h.p.background_copy;
    clear_char(h.p, 20, 0);
    clear_char(h.p, 0, -1);
    plot_char(h.p, 3, 15, 2);
    EXPECT_EQ(h.p.game.brick_grid, g);
    EXPECT_EQ(h.p.background_copy, copy);
}

TEST(BrickField, CharBitmapTakesTheCellOfTheProbeX) {
    headless_program h;
    char_bitmap(h.p, 63.75, 400);
    EXPECT_EQ(h.p.game.cell_left, 32);
    EXPECT_EQ(h.p.game.cell_right, 63);
    char_bitmap(h.p, 64, 0);
    EXPECT_EQ(h.p.game.cell_left, 64);
    EXPECT_EQ(h.p.game.cell_right, 95);
    char_bitmap(h.p, -0.25, 0);
    EXPECT_EQ(h.p.game.cell_left, -32);
}

TEST(BrickField, PlotCharDrawsTileKAndStoresKindKPlusOne) {
    headless_program h;
    plot_char(h.p, 19, 14, 19);
    EXPECT_EQ(h.p.game.brick_grid[19][14], 20);
    EXPECT_TRUE(cell_shows(h.window.screen, 192, 144, 19, 14, h.p.sprite, 608, 128));
    EXPECT_TRUE(cell_shows(h.p.background_work, 0, 0, 19, 14, h.p.sprite, 608, 128));
}

// Row 0 is empty in every layout, so every set-up paints it over: the score digits come back at
// once in a player's game, the balls-left icons stay gone until someone shows them again, and the
// demonstration's row 0 stays empty.
TEST(BrickField, SetUpRepaintsRowZeroAndBringsOnlyTheScoreBack) {
    for (std::int32_t player : {1, 0}) {
        headless_program h;
        program& p = h.p;
        p.run.player_game = player;
        p.game.score = 4096;
        p.game.balls_left = 3;
        // Whatever the display held before, in all three places.
        for (std::int32_t x = 0; x < 640; x += 16)
            draw_static(p, x, 0, 16, 14, 370, 0);  // the ball picture all along row 0
        p.game.level = 7;
        setup_gamefield(p);

        const char* digits = "04096";
        for (std::int32_t i = 0; i < 5; ++i) {
            for (std::int32_t y = 0; y < 14; ++y)
                for (std::int32_t x = 0; x < 16; ++x) {
                    pixel want = player ? p.sprite.at(370 + 16 * (digits[i] - '0') + x, 61 + y)
                                        : p.sprite.at(384 + (16 * i + x) % 32, y);
                    ASSERT_EQ(p.background_copy.at(16 * i + x, y), want)
                        << "player " << player << " digit " << i << " at " << x << "," << y;
                    ASSERT_EQ(p.background_work.at(16 * i + x, y), want);
                    ASSERT_EQ(h.window.screen.at(192 + 16 * i + x, 144 + y), want);
                }
        }
        // Beyond the digits, including where the balls-left icons were, only empty cells.
        for (std::int32_t c = 3; c < 20; ++c) {
            ASSERT_TRUE(cell_shows(p.background_copy, 0, 0, c, 0, p.sprite, 384, 0)) << c;
            ASSERT_TRUE(cell_shows(h.window.screen, 192, 144, c, 0, p.sprite, 384, 0)) << c;
        }
        EXPECT_EQ(p.game.score, 4096) << "set-up adds no points";
    }
}
