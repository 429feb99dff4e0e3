#pragma once
// Whether a copied region spans two backgrounds, which Lumo's capture cannot keep apart:
// it takes the region's most frequent colour as the one background, so a second field of
// another colour comes out as a solid black block, with whatever text is on it.
#include <optional>
#include <string>

#include "capture/colour_region.h"

namespace lumo {

struct SecondBackground {
  ColourPixel background = 0;  // what Lumo takes as the background
  ColourPixel other = 0;       // the colour that turns into a black block
  int background_percent = 0;  // of the region's pixels
  int other_flat_percent = 0;  // the other colour's flat pixels, of the region's pixels
  int distance = 0;            // ColourDistance of the two
};

// The measure: a colour that Lumo's rule makes ink (at least kInkDistance from the
// background) and whose flat pixels, those whose eight neighbours all share its colour,
// cover a fifth of the region or more. A flat area of ink is no text: strokes are a few
// pixels wide and anti-aliased at their edges, so even bold digits boxed tightly have few
// flat pixels, while a field or panel is flat almost everywhere.
std::optional<SecondBackground> FindSecondBackground(const ColourRegion& region);

// The warning, to follow the region's name; its lines after the first indented by four.
std::string SecondBackgroundWarning(const SecondBackground& found);

}  // namespace lumo
