#pragma once
// The message of the error that a call raises, so that one expectation checks both that it
// failed and how.
#include <string>

namespace lumo::test {

template <typename Error, typename Run>
std::string MessageOf(Run run) {
  try {
    run();
  } catch (const Error& error) {
    return error.what();
  }
  return "no error";
}

}  // namespace lumo::test
