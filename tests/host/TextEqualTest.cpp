#include <gtest/gtest.h>

#include <ostream>

#include "login/TextEqual.h"

namespace {

struct TextPair {
  const char* left;
  const char* right;
  bool equal;
};

void PrintTo(const TextPair& value, std::ostream* os) {
  *os << (value.left ? value.left : "(absent)") << " / "
      << (value.right ? value.right : "(absent)");
}

class TextEqualTest : public testing::TestWithParam<TextPair> {};

TEST_P(TextEqualTest, ComparesBytesInBothOrders) {
  const TextPair& pair = GetParam();
  EXPECT_EQ(TextEqual(pair.left, pair.right), pair.equal);
  EXPECT_EQ(TextEqual(pair.right, pair.left), pair.equal);
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, TextEqualTest,
    testing::Values(
        TextPair{nullptr, nullptr, true},  // absent stands for empty
        TextPair{nullptr, "", true}, TextPair{"", "", true},
        TextPair{nullptr, "a", false}, TextPair{"", "a", false},
        TextPair{"qmot", "qmot", true}, TextPair{"qmot", "QMOT", false},
        TextPair{"qmot", "Qmot", false}, TextPair{" ", "", false},
        TextPair{"qmot", " qmot", false}, TextPair{"qmot", "qmot ", false},
        TextPair{"740286", "7402861", false},  // no prefix match
        TextPair{"740286", "74028", false},
        // "ｑｍｏｔ": full-width letters are other bytes.
        TextPair{"\xA3\xF1\xA3\xED\xA3\xEF\xA3\xF4", "qmot", false},
        // A double-byte character matches only with both of its bytes.
        TextPair{"\xB5\xC7", "\xB5\xC7", true},
        TextPair{"\xB5\xC7", "\xB5\xC8", false},
        TextPair{"\xB5\xC7", "\xB5", false}));

}  // namespace
