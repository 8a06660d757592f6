// A game on the headless platform for the game-step tests, with helpers that set up the ball,
// the paddle and the bricks the way a case needs them.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>

#include "engine/frame_driver.h"
#include "engine/game.h"
#include "engine/game_steps.h"
#include "engine/sprites.h"
#include "platform/headless/headless_program.h"

namespace glim::testing {

struct game_fixture {
    headless_program h;
    program& p = h.p;
    sprite_table& s = h.p.sprites;
    game_state& g = h.p.game;

    explicit game_fixture(std::int32_t screen_w = 1024, std::int32_t screen_h = 768)
        : h(screen_w, screen_h) {
        p.rnd.seed(12345);
        init_game(p);
        h.sound.clear();
    }

    // Ends the opening pause at once: the ball is in play at (x, y) with speed (dx, dy).
    void ball(double x, double y, double dx, double dy) {
        g.pause_timer = 0;
        s.sprite_active[ball_slot] = 1;
        s.sprite_image[ball_slot] = 5;
        s.sprite_x[ball_slot] = x;
        s.sprite_y[ball_slot] = y;
        s.sprite_dx[ball_slot] = dx;
        s.sprite_dy[ball_slot] = dy;
    }
    double& bx() { return s.sprite_x[ball_slot]; }
    double& by() { return s.sprite_y[ball_slot]; }
    double& bdx() { return s.sprite_dx[ball_slot]; }
    double& bdy() { return s.sprite_dy[ball_slot]; }
    double& px() { return s.sprite_x[paddle_slot]; }

    // An empty field with bricks only where a case puts them.
    void empty_field() {
        for (auto& column : g.brick_grid) column.fill(0);
        g.bricks_total = 1000;
        g.bricks_hit = 0;
    }
    void brick(std::int32_t column, std::int32_t row) {
        g.brick_grid[static_cast<std::size_t>(column)][static_cast<std::size_t>(row)] = 1;
    }
    std::int32_t cell(std::int32_t column, std::int32_t row) const {
        return g.brick_grid[static_cast<std::size_t>(column)][static_cast<std::size_t>(row)];
    }

    // Takes the player's game over between frames, as the seventh mouse movement does.
    void player() {
        take_over(p);
        h.sound.clear();
    }
    void frames(int n) {
        for (int i = 0; i < n; ++i) run_frame(p);
    }
    // A new-ball pause with n frames left: the ball stays off until its last frame places it at
    // (313, 192), the middle of the field.
    void expect_new_ball_after(int n) {
        frames(n - 1);
        EXPECT_EQ(s.sprite_active[ball_slot], 0);
        frames(1);
        EXPECT_EQ(s.sprite_active[ball_slot], 1);
        EXPECT_EQ(bx(), 313);
        EXPECT_EQ(by(), 192);
    }
};

}  // namespace glim::testing
