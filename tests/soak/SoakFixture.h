#pragma once

#include "SoakPictures.h"
#include "support/CanvasColours.h"
#include "support/FormFixture.h"
#include "support/TempDir.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace soak {

constexpr Colour kPalette[9] = {0x000080FF, 0x0000FFFF, 0x00FFFF00, 0x0000FF00, 0x00FF00FF,
                                0x000000FF, 0x00FF0000, 0x00101010, 0x00FFFFFF};
constexpr int kCollapsed = -1;  // the frame marks no swatch
constexpr std::size_t kPixels = std::size_t{CanvasImage::kWidth} * CanvasImage::kHeight;

// A positive whole number from the environment, or the fallback.
inline long fromEnvironment(const char* name, long fallback)
{
    const char* text = std::getenv(name);
    if (text == nullptr || *text == '\0') return fallback;
    char* end = nullptr;
    const long value = std::strtol(text, &end, 10);
    return (*end == '\0' && value > 0) ? value : fallback;
}

inline int pixelOf(float v) { return static_cast<int>(std::nearbyint(v)); }  // halves to even

// What the window must show: the test's own account of every choice made.
struct Model {
    std::int16_t tool = 1;
    std::int16_t size = 0;
    Colour colour = kPalette[6];
    int frame = 6;
    std::int16_t loaded = 0;
    std::int16_t drawing = 0;
};

// What one event may do.
struct Event {
    const char* name = "";
    bool mayPaint = false;
    std::optional<std::pair<int, int>> erasedPixel;  // an eraser press: the one outline pixel it may whiten
    const std::vector<Colour>* opened = nullptr;     // a successful open: the whole canvas it must give
    std::size_t messages = 0;                        // message boxes it must show
};

// A file offered to the Open dialog, and what opening it must do.
struct Offer {
    std::filesystem::path path;
    const std::vector<Colour>* opens = nullptr;  // nullptr: refused
    bool recreateEmpty = false;                  // the check deletes it each time
};

// A shown Form1 driven by random events through its handlers: presses,
// drags and releases anywhere, every selection, the Color dialog, opens and
// saves.
class SoakFixture : public FormFixture {
protected:
    void SetUp() override;

    // One random event, with what it may do recorded in `e`.
    void runEvent(Event& e);

    // After each event: empty when all is well, else what went wrong.
    std::string canvasProblem(const Event& e, bool everywhere);
    std::string stateProblem();
    std::string filesProblem();

    CanvasImage& canvas() { return form->Picture1; }
    std::filesystem::path path(const char* name) const { return dir.root() / name; }

    Random random{static_cast<std::uint64_t>(fromEnvironment("PINTARO_SOAK_SEED", 20240229))};
    const Offer* lastOffer = nullptr;  // the file the last event chose to open
    bool savedOnce = false;

private:
    void write(const std::filesystem::path& file, const bmp::Bytes& bytes);
    void writeFiles();

    // A position anywhere from well left of and above the canvas to well
    // past it, often between pixels.
    float coordinate(int low, int high)
    {
        static constexpr float kFractions[] = {0.0f, 0.0f, 0.25f, 0.5f, 0.75f, -0.5f};
        return static_cast<float>(random.between(low, high)) + kFractions[random.below(6)];
    }
    std::pair<float, float> nextPoint();
    std::int16_t button() { return static_cast<std::int16_t>(1 << random.below(3)); }
    std::int16_t shift() { return static_cast<std::int16_t>(random.below(8)); }

    void expectPress(Event& e, float x, float y);
    void expectMove(Event& e);
    void pressDirect(Event& e);
    void moveDirect(Event& e);
    void releaseDirect(Event& e);
    void chooseTool(Event& e);
    void chooseSwatch(Event& e);
    void choosePencil(Event& e);
    void chooseColourInDialog(Event& e);
    void open(Event& e);
    void save(Event& e);

    TempDir dir;
    Model model;
    std::vector<CanvasImage::StoredPixel> shadow;  // the canvas as the last event left it
    int refreshesBefore = 0;                       // the window's, when the event began
    std::vector<std::vector<Colour>> good;
    std::optional<std::vector<Colour>> artwork;
    std::vector<Offer> offers;
};

}  // namespace soak
