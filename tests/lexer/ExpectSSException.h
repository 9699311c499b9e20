// messageOf: runs an action that must raise SSException with a given code, and
// answers the exception's message (a test failure when nothing or the wrong code
// is raised). Shared by the engine tests.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "lexer/SSException.h"

namespace morvane {

inline std::string messageOf(const std::function<void()>& action, int expectedCode) {
  try {
    action();
  } catch (const SSException& e) {
    EXPECT_EQ(e.code(), expectedCode) << e.what();
    return e.what();
  }
  ADD_FAILURE() << "no SSException";
  return {};
}

}  // namespace morvane
