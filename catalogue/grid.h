#pragma once

namespace velmora {

// A place in the 4 x 6 grid of picture buttons: column 0 at the left, row 0 at the top.
struct GridCell {
  int column;
  int row;
  friend bool operator==(const GridCell&, const GridCell&) = default;
};

constexpr int kGridColumns = 4;
constexpr int kGridRows = 6;

}  // namespace velmora
