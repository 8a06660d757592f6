#include "dialogs/rules/normalize_keys.h"

#include "platform/headless/fake_keyboard.h"
#include "shell/ansi_text.h"

#include <gtest/gtest.h>

using namespace glim;

TEST(NormalizeKeys, EachCharacterBecomesItsUnshiftedKey) {
    fake_keyboard kb;
    EXPECT_EQ(normalize_keys("abcXYZ", kb), "ABCXYZ");
    EXPECT_EQ(normalize_keys("!@#$%^&*()", kb), "1234567890");
    EXPECT_EQ(normalize_keys("0123456789", kb), "0123456789");
    EXPECT_EQ(normalize_keys("a b;:'\"<>?~", kb), "A B;;'',./`");
    EXPECT_EQ(normalize_keys("", kb), "");
}

TEST(NormalizeKeys, EveryCharacterAsksTheLayoutOnceEach) {
    fake_keyboard kb;
    normalize_keys("a!", kb);
    EXPECT_EQ(kb.calls, (std::vector<std::string>{"vk_key_scan(97)", "map_virtual_key(65,2)",
                                                  "vk_key_scan(33)", "map_virtual_key(49,2)"}));
}

TEST(NormalizeKeys, CharactersNoKeyTypesAreKeptNotCutShort) {
    fake_keyboard kb;
    // e acute (0xE9) and a control character: no key of the layout types them.
    std::string out = normalize_keys("pa\xE9s\x01s!", kb);
    EXPECT_EQ(out, "PA\xC9S\x01S1");
    EXPECT_EQ(out.find('\0'), std::string::npos);
}

TEST(NormalizeKeys, DeadKeysKeepTheirCharacter) {
    fake_keyboard kb;
    kb.add_dead_key(0xB4, 0xDE);  // an acute accent on a dead key
    kb.add_dead_key('^', 0xDC);
    EXPECT_EQ(normalize_keys("a\xB4^b", kb), "A\xB4^B");
}

TEST(NewPasswordCheck, MismatchBeforeLength) {
    EXPECT_EQ(check_new_password("", ""), new_password_check::accept);
    EXPECT_EQ(check_new_password("ABC", "ABD"), new_password_check::mismatch);
    EXPECT_EQ(check_new_password("ABC", "ABC "), new_password_check::mismatch);
    EXPECT_EQ(check_new_password(std::string(30, 'A'), std::string(30, 'A')),
              new_password_check::accept);
    EXPECT_EQ(check_new_password(std::string(31, 'A'), std::string(31, 'A')),
              new_password_check::too_long);
    EXPECT_EQ(check_new_password(std::string(31, 'A'), std::string(32, 'A')),
              new_password_check::mismatch);
    EXPECT_EQ(check_new_password(std::string(35, 'A'), std::string(35, 'B')),
              new_password_check::mismatch);
}

TEST(NewPasswordCheck, EntriesDifferingInCaseOrShiftAreEqualOnceNormalised) {
    fake_keyboard kb;
    std::string a = normalize_keys("Secret!1", kb);
    std::string b = normalize_keys("sECRET11", kb);
    EXPECT_EQ(check_new_password(a, b), new_password_check::accept);
    EXPECT_EQ(a, "SECRET11");
}

TEST(PasswordPrompt, ComparesUpperCasedTexts) {
    fake_keyboard kb;
    EXPECT_TRUE(password_matches("SECRET", "secret", kb));
    EXPECT_TRUE(password_matches("SECRET", "SeCrEt", kb));
    EXPECT_TRUE(password_matches("secret", "SECRET", kb));  // a password never normalised
    EXPECT_FALSE(password_matches("SECRET", "SECRET ", kb));
    EXPECT_FALSE(password_matches("SECRET", "SECRE", kb));
    EXPECT_TRUE(password_matches("", "", kb));
    EXPECT_FALSE(password_matches("", "a", kb));
    EXPECT_FALSE(password_matches("A", "", kb));
}

TEST(PasswordPrompt, ShiftedTypingMatchesAPasswordSetWithTheSameKeys) {
    fake_keyboard kb;
    std::string stored = normalize_keys("Go!", kb);  // as the change-password dialog keeps it
    EXPECT_TRUE(password_matches(stored, "Go!", kb));
    EXPECT_TRUE(password_matches(stored, "go1", kb));
    EXPECT_FALSE(password_matches(stored, "go2", kb));
}

TEST(PasswordPrompt, AStoredShiftedCharacterMatchesAsTyped) {
    fake_keyboard kb;
    // Stored under another layout, or by an older version: never normalised.
    EXPECT_TRUE(password_matches("A#", "a#", kb));
    EXPECT_FALSE(password_matches("A#", "a3", kb));
}

TEST(AnsiUpper, LettersOfTheWesternCodePage) {
    EXPECT_EQ(ansi_upper("az{`@AZ09"), "AZ{`@AZ09");
    EXPECT_EQ(ansi_upper("\xE0\xE9\xFE\xF7\xDF"),
              "\xC0\xC9\xDE\xF7\xDF");  // division sign, sharp s stay
    EXPECT_EQ(ansi_upper("\x9A\x9C\x9E\xFF"), "\x8A\x8C\x8E\x9F");
    EXPECT_EQ(ansi_upper("\xC0\x8A"), "\xC0\x8A");
}
