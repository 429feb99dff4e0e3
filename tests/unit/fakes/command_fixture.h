#pragma once
// The register window and the announcer, reached through a command context with the
// register attached or without it.
#include <gtest/gtest.h>

#include <string>

#include "announcer/command_context.h"
#include "common/errors.h"
#include "fakes/machine.h"
#include "support/error_message.h"

namespace lumo::test {

class CommandFixture : public ::testing::Test {
 protected:
  CommandContext Attached() { return {kRegister, texts, announcer, announcer}; }
  CommandContext Detached() { return {0, texts, announcer, announcer}; }

  FakeWindowTexts texts;
  RecordingAnnouncer announcer;
};

// What run returns, or the message of the ConversionError it throws as "error: ...".
template <typename Run>
std::string ResultOrError(Run run) {
  try {
    return run();
  } catch (const ConversionError& error) {
    return std::string("error: ") + error.what();
  }
}

}  // namespace lumo::test
