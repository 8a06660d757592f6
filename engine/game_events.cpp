#include "engine/game_events.h"

namespace glim {

const char* to_string(pause_kind k) {
    switch (k) {
    case pause_kind::game_start: return "game start";
    case pause_kind::ball_lost: return "ball lost";
    case pause_kind::level_cleared: return "level cleared";
    case pause_kind::new_level: return "new level";
    }
    return "?";
}

}  // namespace glim
