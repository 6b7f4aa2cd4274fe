// Shapes, coverage and compositing for the skin generator.
#include "Paint.h"

#include <algorithm>
#include <cmath>

namespace mkskin {

Rgb Hex(uint32_t rgb) {
    return Rgb{float((rgb >> 16) & 0xFF), float((rgb >> 8) & 0xFF), float(rgb & 0xFF)};
}

Rgb Mix(Rgb a, Rgb b, float t) {
    return Rgb{a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

static uint32_t Channel(float v) {
    long n = std::lround(v);
    return uint32_t(std::min(255L, std::max(0L, n)));
}

uint32_t Pack(Rgb c) { return (Channel(c.r) << 16) | (Channel(c.g) << 8) | Channel(c.b); }

Paint Solid(Rgb c) {
    return [c](float, float) { return c; };
}

Paint VGradient(float y0, Rgb top, float y1, Rgb bottom) {
    return [=](float, float y) {
        float t = y1 > y0 ? (y - y0) / (y1 - y0) : 0.0f;
        return Mix(top, bottom, std::min(1.0f, std::max(0.0f, t)));
    };
}

Shape RoundRect(float x0, float y0, float x1, float y1, float radius) {
    float cx = (x0 + x1) / 2, cy = (y0 + y1) / 2, hx = (x1 - x0) / 2, hy = (y1 - y0) / 2;
    radius = std::min(radius, std::min(hx, hy));
    Shape s;
    s.distance = [=](float x, float y) {
        float qx = std::fabs(x - cx) - hx + radius, qy = std::fabs(y - cy) - hy + radius;
        float ox = std::max(qx, 0.0f), oy = std::max(qy, 0.0f);
        return std::sqrt(ox * ox + oy * oy) + std::min(std::max(qx, qy), 0.0f) - radius;
    };
    s.x0 = x0; s.y0 = y0; s.x1 = x1; s.y1 = y1;
    return s;
}

Shape Circle(float cx, float cy, float radius) {
    Shape s;
    s.distance = [=](float x, float y) { return std::hypot(x - cx, y - cy) - radius; };
    s.x0 = cx - radius; s.y0 = cy - radius; s.x1 = cx + radius; s.y1 = cy + radius;
    return s;
}

Shape Capsule(float ax, float ay, float bx, float by, float halfWidth) {
    Shape s;
    s.distance = [=](float x, float y) {
        float px = x - ax, py = y - ay, ex = bx - ax, ey = by - ay;
        float len2 = ex * ex + ey * ey;
        float t = len2 > 0 ? std::min(1.0f, std::max(0.0f, (px * ex + py * ey) / len2)) : 0.0f;
        return std::hypot(px - ex * t, py - ey * t) - halfWidth;
    };
    s.x0 = std::min(ax, bx) - halfWidth; s.x1 = std::max(ax, bx) + halfWidth;
    s.y0 = std::min(ay, by) - halfWidth; s.y1 = std::max(ay, by) + halfWidth;
    return s;
}

Shape Triangle(float ax, float ay, float bx, float by, float cx, float cy) {
    Shape s;
    s.distance = [=](float x, float y) {
        // Distance to the nearest edge, negative when the point is inside.
        const float px[3] = {ax, bx, cx}, py[3] = {ay, by, cy};
        float best = 1e30f, sign = 1.0f;
        float orient = (bx - ax) * (cy - ay) - (by - ay) * (cx - ax);
        bool inside = true;
        for (int i = 0; i < 3; ++i) {
            int j = (i + 1) % 3;
            float ex = px[j] - px[i], ey = py[j] - py[i], vx = x - px[i], vy = y - py[i];
            float t = std::min(1.0f, std::max(0.0f, (vx * ex + vy * ey) / (ex * ex + ey * ey)));
            best = std::min(best, std::hypot(vx - ex * t, vy - ey * t));
            float cross = ex * vy - ey * vx;
            if ((orient > 0 && cross < 0) || (orient < 0 && cross > 0)) inside = false;
        }
        if (inside) sign = -1.0f;
        return sign * best;
    };
    s.x0 = std::min(ax, std::min(bx, cx)); s.x1 = std::max(ax, std::max(bx, cx));
    s.y0 = std::min(ay, std::min(by, cy)); s.y1 = std::max(ay, std::max(by, cy));
    return s;
}

Shape Union(const Shape& a, const Shape& b) {
    Shape s;
    auto da = a.distance, db = b.distance;
    s.distance = [=](float x, float y) { return std::min(da(x, y), db(x, y)); };
    s.x0 = std::min(a.x0, b.x0); s.y0 = std::min(a.y0, b.y0);
    s.x1 = std::max(a.x1, b.x1); s.y1 = std::max(a.y1, b.y1);
    return s;
}

Shape Subtract(const Shape& a, const Shape& b) {
    Shape s = a;
    auto da = a.distance, db = b.distance;
    s.distance = [=](float x, float y) { return std::max(da(x, y), -db(x, y)); };
    return s;
}

Shape Offset(const Shape& a, float d) {
    Shape s = a;
    auto da = a.distance;
    s.distance = [=](float x, float y) { return da(x, y) - d; };
    s.x0 -= d; s.y0 -= d; s.x1 += d; s.y1 += d;
    return s;
}

Shape Ring(const Shape& a, float width) { return Subtract(a, Offset(a, -width)); }

Canvas::Canvas(int width, int height, const Paint& under)
    : m_width(width), m_height(height), m_pixels(size_t(width) * height),
      m_cut(size_t(width) * height, false) {
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) m_pixels[size_t(y) * width + x] = under(x + 0.5f, y + 0.5f);
}

float Canvas::Coverage(const Shape& shape, int x, int y) const {
    int inside = 0;
    for (int j = 0; j < 4; ++j)
        for (int i = 0; i < 4; ++i)
            if (shape.distance(x + (i + 0.5f) / 4, y + (j + 0.5f) / 4) <= 0) ++inside;
    return inside / 16.0f;
}

void Canvas::Fill(const Shape& shape, const Paint& paint, float alpha) {
    int x0 = std::max(0, int(std::floor(shape.x0)) - 1), y0 = std::max(0, int(std::floor(shape.y0)) - 1);
    int x1 = std::min(m_width, int(std::ceil(shape.x1)) + 1), y1 = std::min(m_height, int(std::ceil(shape.y1)) + 1);
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
            float a = Coverage(shape, x, y) * alpha;
            if (a <= 0) continue;
            Rgb& p = m_pixels[size_t(y) * m_width + x];
            p = Mix(p, paint(x + 0.5f, y + 0.5f), a);
        }
}

void Canvas::Cut(const Shape& shape) {
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < m_width; ++x)
            if (Coverage(shape, x, y) <= 0) m_cut[size_t(y) * m_width + x] = true;
}

void Canvas::Silhouette(const Shape& shape, Rgb inside) {
    for (size_t i = 0; i < m_pixels.size(); ++i) m_pixels[i] = inside;
    Cut(shape);
}

std::vector<uint32_t> Canvas::Pixels() const {
    std::vector<uint32_t> out(m_pixels.size());
    for (size_t i = 0; i < m_pixels.size(); ++i) {
        if (m_cut[i]) { out[i] = kKeyColor; continue; }
        uint32_t c = Pack(m_pixels[i]);
        // A kept pixel must never read as the key colour, or the outline
        // would lose it.
        if (c == kKeyColor) c = 0xFE00FE;
        out[i] = c;
    }
    return out;
}

static void Put16(std::string& s, uint32_t v) {
    s += char(v & 0xFF);
    s += char((v >> 8) & 0xFF);
}

static void Put32(std::string& s, uint32_t v) {
    Put16(s, v & 0xFFFF);
    Put16(s, v >> 16);
}

std::string Bmp24(int width, int height, const std::vector<uint32_t>& pixels) {
    uint32_t stride = (uint32_t(width) * 3 + 3) & ~3u;
    uint32_t dataSize = stride * uint32_t(height);
    std::string s;
    s += "BM";
    Put32(s, 14 + 40 + dataSize);
    Put32(s, 0);
    Put32(s, 14 + 40);
    Put32(s, 40);              // BITMAPINFOHEADER
    Put32(s, uint32_t(width));
    Put32(s, uint32_t(height)); // positive: rows bottom-up
    Put16(s, 1);
    Put16(s, 24);
    Put32(s, 0);               // uncompressed
    Put32(s, dataSize);
    Put32(s, 2835);            // 72 dpi
    Put32(s, 2835);
    Put32(s, 0);
    Put32(s, 0);
    for (int y = height - 1; y >= 0; --y) {
        size_t rowStart = s.size();
        for (int x = 0; x < width; ++x) {
            uint32_t c = pixels[size_t(y) * width + x];
            s += char(c & 0xFF);
            s += char((c >> 8) & 0xFF);
            s += char((c >> 16) & 0xFF);
        }
        while (s.size() - rowStart < stride) s += char(0);
    }
    return s;
}

}  // namespace mkskin
