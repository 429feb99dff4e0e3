#pragma once
// A register window of plain data and a recording announcer, reachable through a command
// context with the register attached or without it.
#include <gtest/gtest.h>

#include <string>

#include "announcer/command_context.h"
#include "common/errors.h"
#include "fakes/fake_window_texts.h"
#include "fakes/recording_announcer.h"

namespace lumo::test {

constexpr WindowHandle kRegister = 0x100;

class CommandFixture : public ::testing::Test {
 protected:
  CommandContext Attached() { return {kRegister, texts, announcer, announcer}; }
  CommandContext Detached() { return {0, texts, announcer, announcer}; }

  FakeWindowTexts texts;
  RecordingAnnouncer announcer;
};

// The message of the conversion error that run raises, or "" when none.
template <typename Run>
std::string ConversionMessage(Run run) {
  try {
    run();
  } catch (const ConversionError& error) {
    return error.what();
  }
  return "";
}

}  // namespace lumo::test
