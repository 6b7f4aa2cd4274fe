// Drawing primitives of the skin generator: shapes as signed distance
// functions, coverage by 4x4 supersampling, and a float colour canvas that
// composites layers over the colour the image will sit on.
#ifndef MKSKIN_PAINT_H
#define MKSKIN_PAINT_H

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace mkskin {

struct Rgb {
    float r, g, b;
};

// 0xRRGGBB -> colour.
Rgb Hex(uint32_t rgb);
Rgb Mix(Rgb a, Rgb b, float t);   // a at t=0, b at t=1
uint32_t Pack(Rgb c);             // -> 0xRRGGBB, rounded and clamped

// A colour per point (x, y in image pixels).
typedef std::function<Rgb(float x, float y)> Paint;
Paint Solid(Rgb c);
// Vertical gradient from `top` at y0 to `bottom` at y1, clamped outside.
Paint VGradient(float y0, Rgb top, float y1, Rgb bottom);

// A shape: negative (or zero) distance inside, positive outside. The box
// bounds where it can be inside, so fills skip the rest of the image.
struct Shape {
    std::function<float(float, float)> distance;
    float x0, y0, x1, y1;
};

Shape RoundRect(float x0, float y0, float x1, float y1, float radius);
Shape Circle(float cx, float cy, float radius);
// A thick line with round caps.
Shape Capsule(float ax, float ay, float bx, float by, float halfWidth);
Shape Triangle(float ax, float ay, float bx, float by, float cx, float cy);
Shape Union(const Shape& a, const Shape& b);
// Points of `a` not in `b`.
Shape Subtract(const Shape& a, const Shape& b);
// Grows (d > 0) or shrinks (d < 0) a shape by d pixels.
Shape Offset(const Shape& a, float d);
// The band of `a` that lies within `width` pixels of its outline.
Shape Ring(const Shape& a, float width);

// The colour the image will be shown over, per pixel: partly covered edge
// pixels blend against it, so outlines stay smooth on their background.
class Canvas {
public:
    Canvas(int width, int height, const Paint& under);

    int Width() const { return m_width; }
    int Height() const { return m_height; }

    // Composites `paint` over the canvas inside `shape`, weighted by the
    // shape's coverage of each pixel and by `alpha`.
    void Fill(const Shape& shape, const Paint& paint, float alpha = 1.0f);

    // Fixes the outline: every pixel that `shape` does not touch at all
    // becomes the transparent key colour; every other pixel keeps its colour
    // and is kept away from the key colour.
    void Cut(const Shape& shape);

    // Every pixel the shape touches becomes `inside`; the rest the key colour.
    // This is the silhouette used as a region frame.
    void Silhouette(const Shape& shape, Rgb inside);

    // 0xRRGGBB pixels, rows top-down.
    std::vector<uint32_t> Pixels() const;

private:
    float Coverage(const Shape& shape, int x, int y) const;

    int m_width, m_height;
    std::vector<Rgb> m_pixels;
    std::vector<bool> m_cut;
};

const uint32_t kKeyColor = 0xFF00FF;

// A complete 24-bit bottom-up BMP file of 0xRRGGBB top-down pixels.
std::string Bmp24(int width, int height, const std::vector<uint32_t>& pixels);

}  // namespace mkskin

#endif
