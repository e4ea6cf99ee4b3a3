#include "pages/VectorPages.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <fstream>

namespace {

// Far enough to pass an XML declaration, comments and a doctype.
constexpr std::size_t kHeadBytes = 4096;

std::string headOf(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::string head(kHeadBytes, '\0');
    in.read(head.data(), static_cast<std::streamsize>(head.size()));
    head.resize(static_cast<std::size_t>(in.gcount()));
    return head;
}

// The value of `name="..."` (or '...') within the root element's tag.
std::string attribute(const std::string& tag, const std::string& name)
{
    for (std::size_t at = tag.find(name); at != std::string::npos; at = tag.find(name, at + 1)) {
        const bool whole = at > 0 && std::isspace(static_cast<unsigned char>(tag[at - 1]));
        std::size_t next = tag.find_first_not_of(" \t\r\n", at + name.size());
        if (!whole || next == std::string::npos || tag[next] != '=') continue;
        next = tag.find_first_not_of(" \t\r\n", next + 1);
        if (next == std::string::npos || (tag[next] != '"' && tag[next] != '\'')) continue;
        const std::size_t end = tag.find(tag[next], next + 1);
        if (end != std::string::npos) return tag.substr(next + 1, end - next - 1);
    }
    return {};
}

// A length in pixels; 0 where it is relative (%, em) or no length.
double pixels(const std::string& length)
{
    char* unit = nullptr;
    const double value = std::strtod(length.c_str(), &unit);
    const std::string u(unit);
    const double scale = u.empty() || u == "px" ? 1.0
        : u == "in"                             ? 96.0
        : u == "cm"                             ? 96.0 / 2.54
        : u == "mm"                             ? 96.0 / 25.4
        : u == "pt"                             ? 96.0 / 72.0
        : u == "pc"                             ? 16.0
                                                : 0.0;
    return unit == length.c_str() || !std::isfinite(value) || value <= 0 ? 0.0 : value * scale;
}

int whole(double v) { return static_cast<int>(std::min(1e6, std::max(1.0, std::round(v)))); }

}  // namespace

VectorKind vectorKind(const std::filesystem::path& file)
{
    const std::string head = headOf(file);
    if (head.compare(0, 5, "%PDF-") == 0) return VectorKind::Pdf;
    if (head.compare(0, 2, "\x1F\x8B") == 0)
        return file.extension() == ".svgz" || file.extension() == ".SVGZ" ? VectorKind::Svg : VectorKind::None;
    const std::size_t start = head.find_first_not_of(" \t\r\n\xEF\xBB\xBF");
    if (start == std::string::npos || head[start] != '<') return VectorKind::None;
    return head.find("<svg", start) != std::string::npos ? VectorKind::Svg : VectorKind::None;
}

PixelSize svgSize(const std::string& text)
{
    const std::size_t open = text.find("<svg");
    const std::string tag = open == std::string::npos ? std::string() : text.substr(open, text.find('>', open) - open);
    const double width = pixels(attribute(tag, "width"));
    const double height = pixels(attribute(tag, "height"));
    if (width > 0 && height > 0) return {whole(width), whole(height)};
    double box[4] = {};
    const std::string viewBox = attribute(tag, "viewBox");
    const char* at = viewBox.c_str();
    for (double& v : box) {
        char* end = nullptr;
        v = std::strtod(at, &end);
        at = end;
        while (*at == ',' || std::isspace(static_cast<unsigned char>(*at))) ++at;
    }
    if (box[2] > 0 && box[3] > 0 && std::isfinite(box[2]) && std::isfinite(box[3])) return {whole(box[2]), whole(box[3])};
    return {300, 150};
}
