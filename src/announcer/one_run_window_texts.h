#pragma once
#include "announcer/window_texts.h"

namespace lumo {

// The register window's texts for one command run. Once a read has timed out, the rest of
// the run treats the window as hung: its texts are empty and nothing waits again, so a hung
// register costs one timeout per run, not one per reference. The next run asks again.
class OneRunWindowTexts : public ForwardingWindowTexts {
 public:
  using ForwardingWindowTexts::ForwardingWindowTexts;
  std::optional<std::string> AnsweredText(WindowHandle window, std::size_t buffer_size) override;

 private:
  bool hung_ = false;
};

}  // namespace lumo
