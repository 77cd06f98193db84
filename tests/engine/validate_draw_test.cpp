#include <gtest/gtest.h>

#include <string>

#include "engine/engine.h"

namespace {

TEST(ValidateDraw, AcceptsSignedAndHexForms) {
  const char* const accepted[] = {"1234", "0000", "9999", "-123", "+123", " 123", " -12",
                                  "  12", "$1AF", "x1AF", "X1af", "0x1F", "0XaB", "$fff"};
  for (const char* text : accepted) {
    EXPECT_FALSE(engine::ValidateDraw(text).has_value()) << '"' << text << '"';
  }
}

TEST(ValidateDraw, RejectsWrongLengthOrNonIntegerWithTheOneMessage) {
  const char* const rejected[] = {
      "",         "123",  "12345", "12a4",  "123 ",  "12.5", "-$1F",  "+0x1",
      "00x1",     "    ", "1 23",  "12\t4", "123\t", "-+12", "--12",  "$",
      "0x",       "   -", "x   ",  "$12g",  "0x1G",  "1e10", "\t123",
      "中文",      // two Chinese characters measure 4
      "１２",      // two full-width digits measure 4 and are no ASCII digits
      "中12",      // measures 4
      "\xff\xfe",  // malformed bytes measure 2 each
  };
  for (const char* text : rejected) {
    const std::optional<std::string> rejection = engine::ValidateDraw(text);
    ASSERT_TRUE(rejection.has_value()) << '"' << text << '"';
    EXPECT_EQ(*rejection, "请输入四位数上期开奖号码");
  }
}

}  // namespace
