#include <gtest/gtest.h>

#include "platform/errors.h"
#include "shared/line_encoder.h"

TEST(LineEncoder, KeyZeroLeavesTextUnchanged) {
  EXPECT_EQ("Axial", EncodeStr("Axial", 0));
  EXPECT_EQ("Axial", DecodeStr("Axial", 0));
  EXPECT_EQ("", EncodeStr("", 7));
  EXPECT_EQ("", DecodeStr("", 7));
}

TEST(LineEncoder, ShiftsEveryCodeAndDecodingUndoesIt) {
  EXPECT_EQ("Byjbm", EncodeStr("Axial", 1));
  EXPECT_EQ("Axial", DecodeStr("Byjbm", 1));
  std::string all;
  for (int c = 0; c < 250; ++c) all.push_back(static_cast<char>(c));
  EXPECT_EQ(all, DecodeStr(EncodeStr(all, 5), 5));
  EXPECT_EQ(all.substr(9), EncodeStr(DecodeStr(all.substr(9), 9), 9));
  // A key given as text counts by its number.
  EXPECT_EQ("Byjbm", EncodeStr("Axial", vb::Value("1")));
}

TEST(LineEncoder, CodeLeavingTheCharacterSetIsAnError) {
  const std::string top(1, static_cast<char>(255));
  EXPECT_EQ(top, EncodeStr(top, 0));
  try {
    EncodeStr("ab" + top, 1);
    FAIL() << "no error";
  } catch (const vb::RuntimeError& e) {
    EXPECT_EQ(5, e.Number());
  }
  EXPECT_THROW(DecodeStr(std::string(1, '\0'), 1), vb::RuntimeError);
  EXPECT_THROW(EncodeStr("A", -66), vb::RuntimeError);
}
