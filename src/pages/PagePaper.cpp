#include "pages/PageConversion.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <utility>
#include <vector>

namespace {

// Cells wider than the page's outlines, so most hold some bare paper, and
// narrow enough to follow the fall of a lamp's light across a sheet.
constexpr int kCell = 16;
// Paper this even is lit evenly enough for one threshold, and is left alone.
constexpr int kEvenPaper = 24;
// Light falls off smoothly; a step larger than this between neighbouring
// cells is a drawn edge (a photo, a black shape), not lighting.
constexpr int kLightingStep = 16;

struct CellGrid {
    int columns = 0;
    int rows = 0;
    std::vector<int> level;

    int& at(int column, int row) { return level[static_cast<std::size_t>(row) * columns + column]; }
    int at(int column, int row) const { return level[static_cast<std::size_t>(row) * columns + column]; }
};

// The tone a tenth of each cell is brighter than: its paper, past the noise.
CellGrid cellPaper(const std::vector<std::uint8_t>& luminance, PixelSize size)
{
    CellGrid grid{(size.width + kCell - 1) / kCell, (size.height + kCell - 1) / kCell, {}};
    grid.level.resize(static_cast<std::size_t>(grid.columns) * grid.rows);
    std::vector<std::uint8_t> cell;
    for (int row = 0; row < grid.rows; ++row)
        for (int column = 0; column < grid.columns; ++column) {
            cell.clear();
            for (int y = row * kCell; y < std::min(size.height, (row + 1) * kCell); ++y)
                for (int x = column * kCell; x < std::min(size.width, (column + 1) * kCell); ++x)
                    cell.push_back(luminance[static_cast<std::size_t>(y) * size.width + x]);
            const auto tenth = cell.begin() + static_cast<std::ptrdiff_t>(cell.size() * 9 / 10);
            std::nth_element(cell.begin(), tenth, cell.end());
            grid.at(column, row) = *tenth;
        }
    return grid;
}

// Each cell takes the best of itself and its neighbours (paper seen past
// a cell an outline fills), or their mean (the estimate smoothed).
CellGrid spread(const CellGrid& grid, bool brightest)
{
    CellGrid out = grid;
    for (int row = 0; row < grid.rows; ++row)
        for (int column = 0; column < grid.columns; ++column) {
            int best = 0, sum = 0, count = 0;
            for (int r = std::max(0, row - 1); r <= std::min(grid.rows - 1, row + 1); ++r)
                for (int c = std::max(0, column - 1); c <= std::min(grid.columns - 1, column + 1); ++c) {
                    best = std::max(best, grid.at(c, r));
                    sum += grid.at(c, r);
                    ++count;
                }
            out.at(column, row) = brightest ? best : (sum + count / 2) / count;
        }
    return out;
}

bool litLikeASheet(const CellGrid& grid)
{
    const auto [darkest, brightest] = std::minmax_element(grid.level.begin(), grid.level.end());
    if (*brightest - *darkest < kEvenPaper || *darkest == 0) return false;
    for (int row = 0; row < grid.rows; ++row)
        for (int column = 0; column < grid.columns; ++column) {
            const int level = grid.at(column, row);
            if (column + 1 < grid.columns && std::abs(level - grid.at(column + 1, row)) > kLightingStep) return false;
            if (row + 1 < grid.rows && std::abs(level - grid.at(column, row + 1)) > kLightingStep) return false;
        }
    return true;
}

// The cells' levels between their centres, at one pixel.
int paperAt(const CellGrid& grid, int x, int y)
{
    const auto axis = [](int at, int cells) {
        const int twice = std::clamp(2 * at + 1 - kCell, 0, 2 * kCell * (cells - 1));
        return std::pair<int, int>{twice / (2 * kCell), twice % (2 * kCell)};
    };
    const auto [column, across] = axis(x, grid.columns);
    const auto [row, down] = axis(y, grid.rows);
    const int right = std::min(column + 1, grid.columns - 1);
    const int below = std::min(row + 1, grid.rows - 1);
    const int span = 2 * kCell;
    const int top = grid.at(column, row) * (span - across) + grid.at(right, row) * across;
    const int bottom = grid.at(column, below) * (span - across) + grid.at(right, below) * across;
    return (top * (span - down) + bottom * down + span * span / 2) / (span * span);
}

}  // namespace

bool evenOutLighting(std::vector<std::uint8_t>& luminance, PixelSize size)
{
    if (size.width < 2 * kCell || size.height < 2 * kCell) return false;
    const CellGrid paper = spread(cellPaper(luminance, size), true);
    if (!litLikeASheet(paper)) return false;
    const CellGrid smooth = spread(paper, false);
    const int w = size.width;
    std::vector<int> even(luminance.size());
    for (int y = 0; y < size.height; ++y)
        for (int x = 0; x < w; ++x) {
            const int level = std::max(1, paperAt(smooth, x, y));
            even[static_cast<std::size_t>(y) * w + x] = std::min(255, (luminance[static_cast<std::size_t>(y) * w + x] * 255 + level / 2) / level);
        }
    // Dividing by dim paper magnifies the sensor's noise as much: each
    // pixel is averaged with its neighbours, finer than any outline.
    for (int y = 0; y < size.height; ++y)
        for (int x = 0; x < w; ++x) {
            int sum = 0, count = 0;
            for (int ny = std::max(0, y - 1); ny <= std::min(size.height - 1, y + 1); ++ny)
                for (int nx = std::max(0, x - 1); nx <= std::min(w - 1, x + 1); ++nx, ++count)
                    sum += even[static_cast<std::size_t>(ny) * w + nx];
            luminance[static_cast<std::size_t>(y) * w + x] = static_cast<std::uint8_t>((sum + count / 2) / count);
        }
    return true;
}

void removeSpecksAmongLines(InkMask& mask)
{
    constexpr int kSpeck = 12;
    const int w = mask.size.width;
    const int h = mask.size.height;
    // Each ink pixel's group, 8-connected, found once.
    std::vector<int> group(mask.ink.size(), -1);
    std::vector<int> groupSize;
    std::vector<int> todo;
    for (int start = 0; start < w * h; ++start) {
        if (!mask.ink[static_cast<std::size_t>(start)] || group[static_cast<std::size_t>(start)] >= 0) continue;
        const int id = static_cast<int>(groupSize.size());
        groupSize.push_back(0);
        group[static_cast<std::size_t>(start)] = id;
        todo.push_back(start);
        while (!todo.empty()) {
            const int at = todo.back();
            todo.pop_back();
            ++groupSize.back();
            const int x = at % w;
            const int y = at / w;
            for (int ny = std::max(0, y - 1); ny <= std::min(h - 1, y + 1); ++ny)
                for (int nx = std::max(0, x - 1); nx <= std::min(w - 1, x + 1); ++nx) {
                    const std::size_t n = static_cast<std::size_t>(ny) * w + nx;
                    if (mask.ink[n] && group[n] < 0) {
                        group[n] = id;
                        todo.push_back(static_cast<int>(n));
                    }
                }
        }
    }
    // The line work's size: that of the group holding the middle ink pixel,
    // counting from the largest. Dots and dashes drawn on purpose stay.
    std::vector<int> sizes = groupSize;
    std::sort(sizes.begin(), sizes.end(), std::greater<>());
    long long ink = 0;
    for (const int s : sizes) ink += s;
    long long seen = 0;
    int lineWork = 0;
    for (const int s : sizes) {
        seen += s;
        lineWork = s;
        if (2 * seen >= ink) break;
    }
    const int fewest = std::min(kSpeck, lineWork / 4);
    for (std::size_t i = 0; i < group.size(); ++i)
        if (group[i] >= 0 && groupSize[static_cast<std::size_t>(group[i])] < fewest) mask.ink[i] = 0;
}
