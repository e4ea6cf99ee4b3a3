#include "canvas/DragLine.h"

#include <algorithm>
#include <cmath>

DragLine::DragLine(std::int16_t fromX, std::int16_t fromY, float toX, float toY)
    : m_fromX(fromX), m_fromY(fromY)
{
    float dx = toX - static_cast<float>(fromX);
    float dy = toY - static_cast<float>(fromY);
    const float n = std::fabs(dy) > std::fabs(dx) ? std::fabs(dy) : std::fabs(dx);
    if (n != 0.0f) {
        dx /= n;
        dy /= n;
    }
    m_stepX = dx;
    m_stepY = dy;
    m_steps = n;
}

namespace {

// Narrows [lo, hi] to the steps whose centre from + round(step * d) can lie
// within [low, high]; the margin of one pixel covers the rounding.
void narrow(double& lo, double& hi, int from, float d, int low, int high)
{
    const double a = static_cast<double>(low) - from - 1.0;
    const double b = static_cast<double>(high) - from + 1.0;
    if (d == 0.0f) {
        if (from < low || from > high) hi = lo - 1.0;
        return;
    }
    const double first = (d > 0.0f ? a : b) / d;
    const double last = (d > 0.0f ? b : a) / d;
    lo = std::max(lo, std::ceil(first));
    hi = std::min(hi, std::floor(last));
}

}  // namespace

DragLine::Range DragLine::stepsTouching(int reach, int width, int height) const
{
    // Also refuses a NaN or infinite end point, whose steps mean nothing.
    if (!(m_steps >= 1.0f) || !std::isfinite(m_steps) || !std::isfinite(m_stepX) || !std::isfinite(m_stepY))
        return {1, 0};
    double lo = 1.0;
    double hi = std::floor(static_cast<double>(m_steps));
    narrow(lo, hi, m_fromX, m_stepX, -reach, width - 1 + reach);
    narrow(lo, hi, m_fromY, m_stepY, -reach, height - 1 + reach);
    if (lo > hi) return {1, 0};
    // The longer axis advances by exactly 1, so the range is short by now.
    return {static_cast<int>(lo), static_cast<int>(std::min(hi, lo + 1e6))};
}
