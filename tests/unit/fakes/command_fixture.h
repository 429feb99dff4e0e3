#pragma once
// A register window of plain data and a recording announcer, reachable through a command
// context with the register attached or without it.
#include <gtest/gtest.h>

#include <string>

#include "announcer/command_context.h"
#include "common/errors.h"
#include "fakes/fake_window_texts.h"
#include "fakes/recording_announcer.h"
#include "support/error_message.h"

namespace lumo::test {

constexpr WindowHandle kRegister = 0x100;

class CommandFixture : public ::testing::Test {
 protected:
  CommandContext Attached() { return {kRegister, texts, announcer, announcer}; }
  CommandContext Detached() { return {0, texts, announcer, announcer}; }

  FakeWindowTexts texts;
  RecordingAnnouncer announcer;
};

template <typename Run>
std::string ConversionMessage(Run run) {
  return MessageOf<ConversionError>(run);
}

}  // namespace lumo::test
