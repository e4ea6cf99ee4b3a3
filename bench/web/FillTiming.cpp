// The whole-canvas fill, timed alike in WebAssembly and natively: a white
// canvas filled red and back, the median of several rounds, in microseconds
// a fill, after a second of the same work to warm up (a WebAssembly engine
// compiles a hot function anew, optimised, while it runs). Plain C++, so the
// same source builds with g++ and em++.
#include "raster/CanvasImage.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

int main()
{
    constexpr int kRounds = 15;
    constexpr int kFills = 40;
    CanvasImage canvas;
    std::vector<double> perFill;
    bool red = false;
    const auto fillOnce = [&] {
        canvas.setFillColour(red ? kWhite : 0x000000FF);
        canvas.floodFillSurface(CanvasImage::kWidth / 2, CanvasImage::kHeight / 2, red ? 0x000000FF : kWhite);
        red = !red;
    };
    const auto warm = std::chrono::steady_clock::now();
    while (std::chrono::steady_clock::now() - warm < std::chrono::seconds(1)) fillOnce();
    for (int round = 0; round < kRounds; ++round) {
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < kFills; ++i) fillOnce();
        const std::chrono::duration<double, std::micro> took = std::chrono::steady_clock::now() - start;
        perFill.push_back(took.count() / kFills);
    }
    std::nth_element(perFill.begin(), perFill.begin() + kRounds / 2, perFill.end());
    std::printf("%.1f\n", perFill[kRounds / 2]);
    return canvas.pixel(0, 0) == (red ? 0x000000FF : kWhite) ? 0 : 1;
}
