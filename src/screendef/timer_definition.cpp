#include "screendef/timer_definition.h"

#include <cstdint>
#include <optional>
#include <string>

#include "screendef/definition_keys.h"
#include "screendef/load_failure.h"
#include "screendef/profile_values.h"
#include "screendef/rectangle_value.h"

namespace lumo {

namespace {

// Reads action section, "RECT" included; nothing when its rectangle is not four numbers,
// with the reason in failure.
std::optional<CaptureAction> ReadAction(const ProfileReader& file, const std::string& section,
                                        std::string* failure) {
  CaptureAction action;
  action.Prompt = ReadString(file, section, sdf::kPrompt, "");
  action.PromptX = ReadInteger(file, section, sdf::kPromptX, 0);
  action.PromptY = ReadInteger(file, section, sdf::kPromptY, 0);
  action.ImageX = ReadInteger(file, section, sdf::kImageX, 0);
  action.ImageY = ReadInteger(file, section, sdf::kImageY, 0);
  // The "RECT" key is the plain decimal number: a missing "BMP_RECT" names entry 0.
  const std::int32_t number = ReadInteger(file, section, sdf::kRectangleNumber, 0);
  const std::string key = std::to_string(number);
  const std::string text = ReadString(file, sdf::kRectSection, key, "0,0,0,0");
  const std::optional<CaptureRectangle> rect = ParseRectangle(text);
  if (!rect) {
    Failed(failure, "[RECT] " + key + "=" + text + " (named by [" + section +
                        "] BMP_RECT) is not four numbers Left,Top,Right,Bottom");
    return std::nullopt;
  }
  action.CaptureRect = *rect;
  return action;
}

}  // namespace

bool LoadTimerDefinition(ScreenDefinition& model, CaptureTimer& timer, const ProfileReader& file,
                         std::string* failure) {
  try {
    model.TimerActions.clear();
    timer.SetEnabled(ReadBool(file, sdf::kTimerSection, sdf::kEnable, false));
    // A negative number in the file stands for its unsigned 32-bit pattern.
    const auto interval =
        static_cast<std::uint32_t>(ReadInteger(file, sdf::kTimerSection, sdf::kInterval, 1000));
    timer.SetInterval(interval);

    const std::int32_t show_lasting =
        ReadInteger(file, sdf::kTimerSection, sdf::kShowLasting, 30000);
    if (interval == 0) {
      return Failed(failure, "[TIMER] Interval is 0: the capture timer needs a period");
    }
    // Signed by unsigned in 64 bits, truncated toward zero: -30000 over 1000 is -30, and
    // any value over an interval beyond the signed range is 0.
    const std::int64_t ticks =
        static_cast<std::int64_t>(show_lasting) / static_cast<std::int64_t>(interval);
    model.ShowLastingTicks = static_cast<std::int32_t>(ticks);

    const std::int32_t count = ReadInteger(file, sdf::kTimerSection, sdf::kActions, 0);
    if (count > kMaxTimerActions) {
      return Failed(failure, "[TIMER] Actions=" + std::to_string(count) + " is over the limit of " +
                                 std::to_string(kMaxTimerActions) +
                                 ": the 240 x 36 display holds no more 16-pixel-high places "
                                 "without one covering another");
    }
    for (std::int32_t n = 1; n <= count; ++n) {
      std::optional<CaptureAction> action =
          ReadAction(file, sdf::kActionSectionPrefix + std::to_string(n), failure);
      if (!action) {
        return false;
      }
      model.TimerActions.push_back(std::move(*action));
    }
    return true;
  } catch (const std::exception& error) {
    return Failed(failure, error.what());
  } catch (...) {
    return Failed(failure, "Loading [TIMER] failed");
  }
}

}  // namespace lumo
