#include "capture/display_picture.h"

#include <cstring>

namespace lumo {

bool SameImage(const DisplayPicture& a, const DisplayPicture& b) {
  for (int y = 0; y < kDisplayHeight; ++y) {
    if (std::memcmp(a.Row(y), b.Row(y), kDisplayRowBytes) != 0) {
      return false;
    }
  }
  return true;
}

}  // namespace lumo
