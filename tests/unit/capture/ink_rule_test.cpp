#include "capture/ink_rule.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>

namespace lumo {
namespace {

// A small region drawn as text, one character per pixel from the palette and "/" between
// rows, and the pixels that must come out as ink: '#' ink, '.' not.
struct Case {
  const char* name;
  std::map<char, ColourPixel> palette;
  std::string pixels;
  std::string ink;
};

TEST(InkRule, InkIsWhatStandsOutFromTheRegionsMostFrequentColour) {
  const Case cases[] = {
      // Fringes 8 and 7 from the field: the first is ink, the second is not.
      {"dark on light, grey fringes",
       {{'w', 0xFFFFFF}, {'k', 0x000000}, {'8', 0xF7F7F7}, {'7', 0xF8F8F8}, {'g', 0x808080}},
       "wwwwww/w8kk7w/wwgwww",
       "....../.###../..#..."},
      // Green digits on black; a fringe counts whichever channel it differs in.
      {"light on dark",
       {{'k', 0x000000}, {'G', 0x40FF40}, {'r', 0x080000}, {'b', 0x000008}, {'n', 0x070707}},
       "kkkkk/kGrGk/kbnkk",
       "...../.###./.#..."},
      // A panel darker than mid-grey: darker and lighter pixels alike stand out.
      {"dark on mid-grey",
       {{'m', 0x707070}, {'d', 0x101010}, {'8', 0x686868}, {'7', 0x696969}, {'l', 0x787878}},
       "mmmmmm/md8d7m/mmlmmm",
       "....../.###../..#..."},
      {"a single colour", {{'s', 0x3366CC}}, "ssssss", "......"},
      // Equal counts go to the brighter colour, whichever comes first.
      {"two colours in equal count", {{'b', 0x0000FF}, {'g', 0x00FF00}}, "bbgggbbg", "##...##."},
      {"three colours in equal count",
       {{'b', 0x0000FF}, {'g', 0x00FF00}, {'r', 0xFF0000}},
       "bgrrgb",
       "#.##.#"},
  };
  BackgroundCounter counter;  // one for all: nothing of a region may stay for the next
  for (const Case& c : cases) {
    std::string pixels = c.pixels;
    std::erase(pixels, '/');
    const std::size_t width = std::min(c.pixels.find('/'), c.pixels.size());
    ColourRegion region;
    region.ResetWhite(static_cast<int>(width), static_cast<int>(pixels.size() / width));
    std::transform(pixels.begin(), pixels.end(), region.pixels.begin(),
                   [&](char pixel) { return c.palette.at(pixel); });
    const InkRule rule{counter.MostFrequent(region)};
    std::string ink = c.pixels;
    for (char& pixel : ink) {
      pixel = pixel == '/' ? '/' : rule(c.palette.at(pixel)) ? '#' : '.';
    }
    EXPECT_EQ(ink, c.ink) << c.name;
  }
}

}  // namespace
}  // namespace lumo
