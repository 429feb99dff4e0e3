#include "service/caption_match.h"

namespace lumo {

bool CaptionOccurs(std::string_view title, std::string_view caption) {
  return !caption.empty() && title.find(caption) != std::string_view::npos;
}

}  // namespace lumo
