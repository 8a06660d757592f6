#include "shell/password.h"

#include <gtest/gtest.h>

#include <string>

using namespace glim;

namespace {
std::string scrambled(const std::string& password) {
    config_settings c;
    c.password = password;
    scramble_password(c);
    return c.misc;
}
std::string unscrambled(const std::string& misc) {
    config_settings c;
    c.misc = misc;
    unscramble_password(c);
    return c.password;
}
}  // namespace

TEST(Password, EmptyStaysEmptyBothWays) {
    EXPECT_EQ(scrambled(""), "");
    EXPECT_EQ(unscrambled(""), "");
    config_settings c;
    c.misc = "stale";
    scramble_password(c);  // an empty password must clear an old misc
    EXPECT_EQ(c.misc, "");
}

TEST(Password, KeyLettersAreUsedFromTheSecondOnward) {
    // A character equal to the key letter it meets gives "za"; the key runs e, H, V, n, q, e...
    EXPECT_EQ(scrambled("eHVnqe"), "zazazazazaza");
    // 'A' (65) xor 'e' (101) = 36: high half 2 -> 'x', low half 4 -> 'e'.
    EXPECT_EQ(scrambled("A"), "xe");
    EXPECT_EQ(unscrambled("xe"), "A");
}

TEST(Password, EveryCodeAtEveryKeyPositionRoundTripsWithLettersInRange) {
    for (int pos = 0; pos < 5; ++pos) {
        for (int code = 0; code < 256; ++code) {
            std::string p(pos, 'x');
            p.push_back(static_cast<char>(code));
            std::string m = scrambled(p);
            ASSERT_EQ(m.size(), 2 * p.size());
            for (std::size_t i = 0; i < m.size(); i += 2) {
                EXPECT_TRUE(m[i] >= 'k' && m[i] <= 'z') << m;
                EXPECT_TRUE(m[i + 1] >= 'a' && m[i + 1] <= 'p') << m;
            }
            EXPECT_EQ(unscrambled(m), p) << "code " << code << " at " << pos + 1;
        }
    }
}

TEST(Password, PositionsFiveApartShareTheirKeyLetter) {
    std::string a = scrambled("abcdefgh");
    std::string b = scrambled("abcdeXgh");
    ASSERT_EQ(a.size(), b.size());
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (i == 10 || i == 11) continue;
        EXPECT_EQ(a[i], b[i]) << i;
    }
    EXPECT_NE(a.substr(10, 2), b.substr(10, 2));
    // Same character at positions 1 and 6 gives the same pair.
    std::string c = scrambled("QwertQ");
    EXPECT_EQ(c.substr(0, 2), c.substr(10, 2));
}

TEST(Password, DamagedStoredTextsStillGiveAPassword) {
    // A trailing unpaired letter is ignored, unless it is the only one: then it is a pair cut
    // short, read with "a" for its missing letter ("xa" gives 'E'), never no password at all.
    EXPECT_EQ(unscrambled("xeq"), "A");
    EXPECT_EQ(unscrambled("x"), "E");
    EXPECT_EQ(unscrambled("4"), unscrambled("4a"));
    EXPECT_EQ(unscrambled("4").size(), 1u);
    // A pair that decodes outside 0..255 still gives one character, so the password is kept.
    std::string p = unscrambled("!!xe"
                                "AZ");
    ASSERT_EQ(p.size(), 3u);
    EXPECT_EQ(p[1], ('A' ^ 'e') ^ 'H');  // "xe" holds 36; pair 2 meets key letter 'H'
    // Whatever it decoded to, scrambling it again gives a well-formed text.
    EXPECT_EQ(unscrambled(scrambled(p)), p);
}
