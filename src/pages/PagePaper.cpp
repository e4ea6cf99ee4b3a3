#include "pages/PageConversion.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <optional>
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

// Calls visit(x, y) for each place within one step of (x, y) on a
// width by height grid, (x, y) itself included.
template <typename Visit>
void eachNear(int width, int height, int x, int y, Visit visit)
{
    for (int ny = std::max(0, y - 1); ny <= std::min(height - 1, y + 1); ++ny)
        for (int nx = std::max(0, x - 1); nx <= std::min(width - 1, x + 1); ++nx) visit(nx, ny);
}

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
            eachNear(grid.columns, grid.rows, column, row, [&](int c, int r) {
                best = std::max(best, grid.at(c, r));
                sum += grid.at(c, r);
                ++count;
            });
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

// Each ink pixel's group, 8-connected, and each group's size.
struct InkGroups {
    std::vector<int> of;  // -1 for paper
    std::vector<int> size;
};

InkGroups inkGroups(const InkMask& mask)
{
    const int w = mask.size.width;
    const int h = mask.size.height;
    InkGroups groups{std::vector<int>(mask.ink.size(), -1), {}};
    std::vector<int> todo;
    for (int start = 0; start < w * h; ++start) {
        if (!mask.ink[static_cast<std::size_t>(start)] || groups.of[static_cast<std::size_t>(start)] >= 0) continue;
        const int id = static_cast<int>(groups.size.size());
        groups.size.push_back(0);
        groups.of[static_cast<std::size_t>(start)] = id;
        todo.push_back(start);
        while (!todo.empty()) {
            const int at = todo.back();
            todo.pop_back();
            ++groups.size.back();
            eachNear(w, h, at % w, at / w, [&](int nx, int ny) {
                const std::size_t n = static_cast<std::size_t>(ny) * w + nx;
                if (mask.ink[n] && groups.of[n] < 0) {
                    groups.of[n] = id;
                    todo.push_back(static_cast<int>(n));
                }
            });
        }
    }
    return groups;
}

// Groups of fewer than 12 pixels go, unless the page's line work is itself
// made of such small groups (dots, dashes): the line work's size is that of
// the group holding the middle ink pixel, counting from the largest.
void removeSpecksAmongLines(InkMask& mask, const InkGroups& groups)
{
    constexpr int kSpeck = 12;
    std::vector<int> sizes = groups.size;
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
    for (std::size_t i = 0; i < mask.ink.size(); ++i)
        if (groups.of[i] >= 0 && groups.size[static_cast<std::size_t>(groups.of[i])] < fewest) mask.ink[i] = 0;
}

}  // namespace

std::optional<InkMask> photographedInk(const std::vector<std::uint8_t>& luminance, PixelSize size)
{
    if (size.width < 2 * kCell || size.height < 2 * kCell) return std::nullopt;
    const CellGrid paper = spread(cellPaper(luminance, size), true);
    if (!litLikeASheet(paper)) return std::nullopt;
    const CellGrid smooth = spread(paper, false);
    const int w = size.width;
    std::vector<std::uint8_t> even(luminance.size());
    for (int y = 0; y < size.height; ++y)
        for (int x = 0; x < w; ++x) {
            const std::size_t at = static_cast<std::size_t>(y) * w + x;
            const int level = std::max(1, paperAt(smooth, x, y));
            even[at] = static_cast<std::uint8_t>(std::min(255, (luminance[at] * 255 + level / 2) / level));
        }
    // Dividing by dim paper magnifies the sensor's noise as much. Averaged
    // with its neighbours the noise fades, but the lines would thicken: the
    // sheet's own ink is kept where the averaged sheet has ink beside it.
    std::vector<std::uint8_t> soft(even.size());
    for (int y = 0; y < size.height; ++y)
        for (int x = 0; x < w; ++x) {
            int sum = 0, count = 0;
            eachNear(w, size.height, x, y, [&](int nx, int ny) {
                sum += even[static_cast<std::size_t>(ny) * w + nx];
                ++count;
            });
            soft[static_cast<std::size_t>(y) * w + x] = static_cast<std::uint8_t>((sum + count / 2) / count);
        }
    InkMask ink = inkOf(even, size);
    const InkMask confirmed = inkOf(soft, size);
    for (int y = 0; y < size.height; ++y)
        for (int x = 0; x < w; ++x) {
            bool beside = false;
            eachNear(w, size.height, x, y, [&](int nx, int ny) { beside = beside || confirmed.at(nx, ny); });
            if (!beside) ink.ink[static_cast<std::size_t>(y) * w + x] = 0;
        }
    removeSpecksAmongLines(ink, inkGroups(ink));
    return ink;
}
