#include "Xpm.h"

#include <cctype>
#include <map>
#include <sstream>
#include <vector>

namespace {

// The quoted strings of the C source, in order, outside comments.
bool quotedStrings(const std::string& text, std::vector<std::string>& out, std::string& error)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, 2, "/*") == 0) {
            const std::size_t end = text.find("*/", i + 2);
            if (end == std::string::npos) {
                error = "unterminated comment";
                return false;
            }
            i = end + 1;
        } else if (text[i] == '"') {
            const std::size_t end = text.find('"', i + 1);
            if (end == std::string::npos) {
                error = "unterminated string";
                return false;
            }
            out.push_back(text.substr(i + 1, end - i - 1));
            if (out.back().find('\\') != std::string::npos) {
                error = "escapes in strings are not supported";
                return false;
            }
            i = end;
        }
    }
    return true;
}

bool parseColour(const std::string& value, std::uint32_t& colour)
{
    std::string lower;
    for (const char c : value)
        lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (lower == "none") {
        colour = kTransparent;
        return true;
    }
    if (lower.size() != 7 || lower[0] != '#')
        return false;
    for (std::size_t i = 1; i < 7; ++i)
        if (!std::isxdigit(static_cast<unsigned char>(lower[i])))
            return false;
    colour = 0xFF000000u | static_cast<std::uint32_t>(std::stoul(lower.substr(1), nullptr, 16));
    return true;
}

}  // namespace

std::optional<PixelArt> parseXpm(const std::string& text, std::string& error)
{
    if (text.find("/* XPM */") == std::string::npos) {
        error = "no /* XPM */ mark";
        return std::nullopt;
    }
    std::vector<std::string> strings;
    if (!quotedStrings(text, strings, error))
        return std::nullopt;
    if (strings.empty()) {
        error = "no header";
        return std::nullopt;
    }

    PixelArt art;
    int colours = 0;
    int charsPerPixel = 0;
    std::istringstream header(strings[0]);
    std::string extra;
    // Icons are at most 256 pixels on a side; the bounds also keep the sizes below from overflowing.
    if (!(header >> art.width >> art.height >> colours >> charsPerPixel) || (header >> extra) || art.width < 1
        || art.width > 256 || art.height < 1 || art.height > 256 || colours < 1 || colours > 256 || charsPerPixel < 1
        || charsPerPixel > 4) {
        error = "header \"" + strings[0] + "\" is not width and height 1-256, 1-256 colours, 1-4 characters a pixel";
        return std::nullopt;
    }
    if (strings.size() != static_cast<std::size_t>(1 + colours + art.height)) {
        error = "expected " + std::to_string(colours) + " colours and " + std::to_string(art.height) + " rows";
        return std::nullopt;
    }

    std::map<std::string, std::uint32_t> palette;
    for (int i = 1; i <= colours; ++i) {
        const std::string& line = strings[static_cast<std::size_t>(i)];
        std::istringstream rest(line.size() > static_cast<std::size_t>(charsPerPixel) ? line.substr(charsPerPixel) : "");
        std::string key;
        std::string value;
        std::uint32_t colour = 0;
        if (!(rest >> key >> value) || key != "c" || (rest >> extra) || !parseColour(value, colour)) {
            error = "colour \"" + line + "\" is not \"c #RRGGBB\" or \"c None\"";
            return std::nullopt;
        }
        if (!palette.emplace(line.substr(0, charsPerPixel), colour).second) {
            error = "colour \"" + line + "\" repeats a key";
            return std::nullopt;
        }
    }

    for (int y = 0; y < art.height; ++y) {
        const std::string& row = strings[static_cast<std::size_t>(1 + colours + y)];
        if (row.size() != static_cast<std::size_t>(art.width * charsPerPixel)) {
            error = "row " + std::to_string(y) + " is not " + std::to_string(art.width) + " pixels";
            return std::nullopt;
        }
        for (int x = 0; x < art.width; ++x) {
            const auto found = palette.find(row.substr(static_cast<std::size_t>(x * charsPerPixel), charsPerPixel));
            if (found == palette.end()) {
                error = "row " + std::to_string(y) + " uses an undefined colour at column " + std::to_string(x);
                return std::nullopt;
            }
            art.pixels.push_back(found->second);
        }
    }
    return art;
}
