// SSException formatting and SSStack growth and failures.
#include <gtest/gtest.h>

#include <string>

#include "lexer/SSException.h"
#include "lexer/SSStack.h"

namespace morvane {
namespace {

TEST(SSExceptionTest, FillsPlaceholdersInOrder) {
  struct Case {
    SSException error;
    std::uint8_t code;
    const char* message;
  };
  const Case cases[] = {
      {SSException(sscode::kNoTop, ssmsg::kNoTop), 7, "SSLifo0002e: No top, stack empty"},
      {SSException(sscode::kInvalidLexTable, ssmsg::kInvalidLexTable, "c.dfa"), 4,
       "SSLex0104e: Invalid table, c.dfa"},
      {SSException(sscode::kInvalidListIndex, ssmsg::kInvalidListIndex, -1), 6,
       "SSLex0106e: Invalid expression list index, -1"},
      {SSException(sscode::kInvalidToken, ssmsg::kInvalidToken, 12, 0, "abc", 3), 9,
       "SSLex0105e: Invalid token, Line 12, Offset 0, abc"},
      // Only `length` characters of the text, even when it goes on.
      {SSException(sscode::kInvalidToken, ssmsg::kInvalidToken, 1, 1, "xyz", 1), 9,
       "SSLex0105e: Invalid token, Line 1, Offset 1, x"},
      {SSException(sscode::kInvalidToken, ssmsg::kInvalidToken, 1, 1, "", 0), 9,
       "SSLex0105e: Invalid token, Line 1, Offset 1, "},
      {SSException(sscode::kInvalidToken, ssmsg::kInvalidToken, -2147483647 - 1, 2147483647, "q", 1), 9,
       "SSLex0105e: Invalid token, Line -2147483648, Offset 2147483647, q"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.error.code(), c.code);
    EXPECT_STREQ(c.error.what(), c.message);
  }
}

TEST(SSExceptionTest, CutsMessagesAt255Characters) {
  const std::string longName(400, 'n');
  const SSException fromName(sscode::kInvalidLexTable, ssmsg::kInvalidLexTable, longName.c_str());
  const std::string expected = std::string("SSLex0104e: Invalid table, ") + longName;
  EXPECT_EQ(fromName.what(), expected.substr(0, 255));

  const std::string longText(1000, 't');
  const SSException fromToken(sscode::kInvalidToken, ssmsg::kInvalidToken, 3, 4, longText.c_str(), 1000);
  EXPECT_EQ(std::string(fromToken.what()).size(), 255u);
  EXPECT_EQ(std::string(fromToken.what()).rfind("SSLex0105e: Invalid token, Line 3, Offset 4, ttt", 0), 0u);

  const SSException plain(sscode::kParseFailed, std::string(300, 'p'));
  EXPECT_EQ(std::string(plain.what()), std::string(255, 'p'));
}

TEST(SSStackTest, GrowsBy32AndKeepsOrder) {
  for (const auto& [pushes, capacity] : {std::pair{32, 32}, {33, 64}, {64, 64}, {65, 96}}) {
    SSStack<int> stack;
    EXPECT_EQ(stack.capacity(), 32);
    for (int i = 0; i < pushes; ++i) stack.push(i * 7);
    EXPECT_EQ(stack.capacity(), capacity);
    ASSERT_EQ(stack.count(), pushes);
    for (int i = 0; i < pushes; ++i) EXPECT_EQ(stack[i], i * 7);
    EXPECT_EQ(stack.top(), (pushes - 1) * 7);
  }
}

TEST(SSStackTest, PopAndTopOnEmptyRaiseAndLeaveTheStackUnchanged) {
  SSStack<int> stack;
  for (int i = 0; i < 40; ++i) stack.push(i);
  for (int i = 0; i < 40; ++i) stack.pop();
  try {
    stack.pop();
    FAIL() << "pop on an empty stack";
  } catch (const SSException& e) {
    EXPECT_EQ(e.code(), 8);
    EXPECT_STREQ(e.what(), "SSLifo0004e: Cannot pop empty stack");
  }
  try {
    stack.top();
    FAIL() << "top on an empty stack";
  } catch (const SSException& e) {
    EXPECT_EQ(e.code(), 7);
    EXPECT_STREQ(e.what(), "SSLifo0002e: No top, stack empty");
  }
  EXPECT_EQ(stack.count(), 0);
  // The grown array is reused, never shrunk.
  EXPECT_EQ(stack.capacity(), 64);
  stack.push(5);
  EXPECT_EQ(stack.capacity(), 64);
  EXPECT_EQ(stack.top(), 5);
}

}  // namespace
}  // namespace morvane
