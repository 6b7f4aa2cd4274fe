// mkskin: draws Tessaro's default skin in code and writes
//   OUTDIR/default.tsk     the skin container
//   OUTDIR/DefaultSkin.h   image numbers, sizes, positions and text colours
//   OUTDIR/README.md       the table of images
// and checks the container by decoding every image back.
//
//   mkskin OUTDIR [--sheet FILE.bmp]
//
// The images are one table (kImages below), numbered from 1 in table order.
// Numbers are part of the skin's contract with hosts: append new images at
// the end of the table, never reorder or remove one.
#include "Paint.h"

#include "BmpDecoder.h"
#include "SkinFile.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <deque>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

using namespace mkskin;

namespace {

// ---------------------------------------------------------------- palette --
// One deep slate panel, one blue accent, light text. Every control is drawn
// over the panel's body colour, so its edges blend into the panel.
const uint32_t kDesk = 0x0B0E14;          // what lies behind the panel's own edge
const uint32_t kBody = 0x1A202B;          // panel body: flat, controls blend into it
const uint32_t kHeaderTop = 0x262F41;     // header band fades from this into kBody
const float kHeaderHeight = 92;
const uint32_t kPanelBorder = 0x343D50;
const uint32_t kDivider = 0x2A3243;

const uint32_t kSurfaceTop = 0x2D3647, kSurfaceBottom = 0x252D3C, kSurfaceBorder = 0x3C465A;
const uint32_t kOverTop = 0x36425C, kOverBottom = 0x2E3851;
const uint32_t kPressTop = 0x1C2230, kPressBottom = 0x232A38;
const uint32_t kDisabledFill = 0x212734, kDisabledBorder = 0x2B3242, kDisabledMark = 0x485064;
const uint32_t kField = 0x202735, kFieldBorder = 0x4A5569;

const uint32_t kAccent = 0x4F7CFF;
const uint32_t kAccentTop = 0x6189FF, kAccentBottom = 0x4670F2, kAccentBorder = 0x3C63DA;
const uint32_t kAccentOverTop = 0x7A9DFF, kAccentOverBottom = 0x5A81F8;
const uint32_t kAccentPressTop = 0x3659C9, kAccentPressBottom = 0x4167E2;

const uint32_t kText = 0xE6EAF2;
const uint32_t kTextMuted = 0x8B95A8;
const uint32_t kOnAccent = 0xFFFFFF;
const uint32_t kStatusFill = 0x121720, kStatusBorder = 0x283041;

const uint32_t kPlay = 0x22C55E, kPause = 0xF5A524, kStop = 0xF43F5E;
const uint32_t kGlyphOnColour = 0x11151C;

const uint32_t kWhite = 0xFFFFFF, kBlack = 0x000000;
const uint32_t kRegionInside = 0x808080;   // silhouettes: any colour but the key

// ------------------------------------------------------------ panel layout --
// Where the gallery places the panel's fixed parts. The title badge and the
// subtitle sit on the header band's gradient, so their edges are blended
// against the band at exactly these positions.
const int kPanelW = 640, kPanelH = 380;
const int kTitleX = 24, kTitleY = 18;
const int kSubtitleX = 284, kSubtitleY = 36;

Paint Under(uint32_t c) { return Solid(Hex(c)); }

// The panel's own background at panel coordinates (x, y).
Rgb PanelAt(float, float y) {
    float t = std::min(1.0f, std::max(0.0f, y / kHeaderHeight));
    return Mix(Hex(kHeaderTop), Hex(kBody), t);
}

// The panel background as seen by an image placed at (ox, oy) on it.
Paint PanelUnder(int ox, int oy) {
    return [=](float x, float y) { return PanelAt(x + ox, y + oy); };
}

Shape Rect(float x0, float y0, float x1, float y1) { return RoundRect(x0, y0, x1, y1, 0); }

Shape Intersect(const Shape& a, const Shape& b) {
    return Subtract(a, Subtract(Rect(a.x0 - 2, a.y0 - 2, a.x1 + 2, a.y1 + 2), b));
}

// A soft highlight along the top inside edge of a face.
void TopSheen(Canvas& c, const Shape& face, float strength) {
    Shape inner = Offset(face, -1);
    Shape band = Intersect(inner, Rect(0, 0, float(c.Width()), face.y0 + (face.y1 - face.y0) * 0.5f));
    c.Fill(band, VGradient(face.y0, Hex(kWhite), face.y0 + (face.y1 - face.y0) * 0.5f, Hex(kWhite)),
           strength * 0.5f);
    c.Fill(Intersect(Ring(inner, 1), Rect(0, 0, float(c.Width()), face.y0 + 4)), Under(kWhite), strength);
}

// A shadow along the top inside edge: the face looks pressed in.
void InnerShadow(Canvas& c, const Shape& face, float strength) {
    Shape inner = Offset(face, -1);
    for (int i = 0; i < 3; ++i)
        c.Fill(Intersect(inner, Rect(0, 0, float(c.Width()), face.y0 + 2 + i * 1.5f)), Under(kBlack),
               strength / 3);
}

// ------------------------------------------------------------ the images --
struct Image {
    const char* name;      // DefaultSkin.h: SKIN_<name>
    int width, height;
    const char* purpose;   // README
    std::function<void(Canvas&)> draw;
    Paint under;
};

enum State { kNormal, kDisabled, kOver, kPushed, kSelected };

// ---- panel
void DrawPanel(Canvas& c) {
    Shape outline = RoundRect(0, 0, float(kPanelW), float(kPanelH), 16);
    c.Fill(outline, [](float x, float y) { return PanelAt(x, y); });
    // A faint accent glow in the header's top-left corner, kept to the
    // header: controls below it are drawn against the flat body colour.
    c.Fill(Intersect(Intersect(Offset(outline, -1), Circle(60, -40, 260)), Rect(0, 0, float(kPanelW), kHeaderHeight)),
           [](float x, float y) {
               float d = std::hypot(x - 60, y + 40) / 260;
               return Mix(Hex(kAccent), PanelAt(x, y), std::min(1.0f, d));
           },
           0.10f);
    c.Fill(Rect(24, kHeaderHeight, kPanelW - 24.0f, kHeaderHeight + 1), Under(kDivider));
    c.Fill(Ring(outline, 1), Under(kPanelBorder));
    c.Fill(Intersect(Ring(Offset(outline, -1), 1), Rect(0, 0, float(kPanelW), 10)), Under(kWhite), 0.06f);
    c.Cut(outline);
}

// ---- title badge
Shape TitleShape() { return RoundRect(0, 0, 240, 56, 28); }

void DrawTitle(Canvas& c, bool enabled) {
    Shape face = TitleShape();
    if (enabled) {
        c.Fill(face, VGradient(0, Hex(0x6D93FF), 56, Hex(0x3F63E6)));
        TopSheen(c, face, 0.14f);
        c.Fill(Ring(face, 1), Under(0x5A80F5), 0.6f);
    } else {
        c.Fill(face, VGradient(0, Hex(0x2C3445), 56, Hex(0x242B39)));
        c.Fill(Ring(face, 1), Under(kDisabledBorder));
    }
    // The mark: four tiles of a mosaic.
    uint32_t tile = enabled ? kWhite : kDisabledMark;
    const float x0 = 20, y0 = 16, s = 11, gap = 2.5f;
    for (int i = 0; i < 4; ++i) {
        float x = x0 + (i % 2) * (s + gap), y = y0 + (i / 2) * (s + gap);
        c.Fill(RoundRect(x, y, x + s, y + s, 3), Under(tile), i == 3 ? 0.55f : 0.95f);
    }
    c.Cut(face);
}

// ---- push buttons
Shape ButtonShape() { return RoundRect(0, 0, 120, 36, 9); }

// A push button face of any size: `face` spans the whole image.
void DrawButtonFace(Canvas& c, const Shape& face, State state, bool primary) {
    const float h = float(c.Height());
    switch (state) {
    case kNormal:
        if (primary) {
            c.Fill(face, VGradient(0, Hex(kAccentTop), h, Hex(kAccentBottom)));
            TopSheen(c, face, 0.16f);
            c.Fill(Ring(face, 1), Under(kAccentBorder));
        } else {
            c.Fill(face, VGradient(0, Hex(kSurfaceTop), h, Hex(kSurfaceBottom)));
            TopSheen(c, face, 0.07f);
            c.Fill(Ring(face, 1), Under(kSurfaceBorder));
        }
        break;
    case kOver:
        if (primary) {
            c.Fill(face, VGradient(0, Hex(kAccentOverTop), h, Hex(kAccentOverBottom)));
            TopSheen(c, face, 0.20f);
            c.Fill(Ring(face, 1), Under(0x6A8FFF));
        } else {
            c.Fill(face, VGradient(0, Hex(kOverTop), h, Hex(kOverBottom)));
            TopSheen(c, face, 0.09f);
            c.Fill(Ring(face, 1), Under(kAccent), 0.75f);
        }
        break;
    case kPushed:
        if (primary) {
            c.Fill(face, VGradient(0, Hex(kAccentPressTop), h, Hex(kAccentPressBottom)));
            InnerShadow(c, face, 0.35f);
            c.Fill(Ring(face, 1), Under(0x2F50B8));
        } else {
            c.Fill(face, VGradient(0, Hex(kPressTop), h, Hex(kPressBottom)));
            InnerShadow(c, face, 0.30f);
            c.Fill(Ring(face, 1), Under(kAccent));
        }
        break;
    default:
        c.Fill(face, Under(kDisabledFill));
        c.Fill(Ring(face, 1), Under(kDisabledBorder));
        break;
    }
    c.Cut(face);
}

void DrawButton(Canvas& c, State state, bool primary) { DrawButtonFace(c, ButtonShape(), state, primary); }

// ---- check boxes and radio buttons: a mark at the left of a label row
const int kRowW = 150, kRowH = 28;
Shape RowShape() { return RoundRect(0, 0, float(kRowW), float(kRowH), 6); }

void DrawCheck(Canvas& c, State state, bool radio) {
    Shape box = radio ? Circle(14, 14, 9) : RoundRect(5, 5, 23, 23, 5);
    Shape glow = radio ? Circle(14, 14, 12.5f) : RoundRect(1.5f, 1.5f, 26.5f, 26.5f, 8);
    switch (state) {
    case kNormal:
        c.Fill(box, Under(kField));
        c.Fill(Ring(box, 1.5f), Under(kFieldBorder));
        break;
    case kDisabled:
        c.Fill(box, Under(0x1D2330));
        c.Fill(Ring(box, 1.5f), Under(kDisabledBorder));
        break;
    case kPushed:
        c.Fill(Subtract(glow, box), Under(kAccent), 0.28f);
        c.Fill(box, Under(0x2A3448));
        c.Fill(Ring(box, 1.5f), Under(kAccent));
        break;
    default:   // selected
        c.Fill(box, VGradient(5, Hex(kAccentTop), 23, Hex(kAccentBottom)));
        if (radio) {
            c.Fill(Circle(14, 14, 3.6f), Under(kOnAccent));
        } else {
            Shape tick = Union(Capsule(9.2f, 14.2f, 12.6f, 17.6f, 1.25f), Capsule(12.6f, 17.6f, 18.8f, 10.6f, 1.25f));
            c.Fill(tick, Under(kOnAccent));
        }
        break;
    }
    c.Cut(RowShape());
}

// ---- mode buttons (multi-bitmap button items): round, one colour each
enum Mode { kModePlay, kModePause, kModeStop };
const uint32_t kModeColour[3] = {kPlay, kPause, kStop};
Shape ModeShape() { return Circle(28, 28, 28); }

Shape ModeGlyph(Mode mode) {
    switch (mode) {
    case kModePlay: return Offset(Triangle(24, 19.5f, 24, 36.5f, 38, 28), 1.6f);
    case kModePause: return Union(RoundRect(19.5f, 18, 25.5f, 38, 2), RoundRect(30.5f, 18, 36.5f, 38, 2));
    default: return RoundRect(19.5f, 19.5f, 36.5f, 36.5f, 3.5f);
    }
}

void DrawMode(Canvas& c, Mode mode, State state) {
    Shape face = ModeShape();
    Rgb colour = Hex(kModeColour[mode]);
    switch (state) {
    case kNormal:
        c.Fill(face, VGradient(0, Hex(kSurfaceTop), 56, Hex(kSurfaceBottom)));
        TopSheen(c, face, 0.06f);
        c.Fill(Ring(face, 1.5f), Solid(colour), 0.55f);
        c.Fill(ModeGlyph(mode), Solid(colour));
        break;
    case kOver:
        c.Fill(face, VGradient(0, Hex(kOverTop), 56, Hex(kOverBottom)));
        c.Fill(Ring(Offset(face, -1.5f), 3), Solid(colour), 0.14f);
        TopSheen(c, face, 0.08f);
        c.Fill(Ring(face, 1.5f), Solid(colour));
        c.Fill(ModeGlyph(mode), Solid(Mix(colour, Hex(kWhite), 0.18f)));
        break;
    case kPushed:
        c.Fill(face, VGradient(0, Mix(colour, Hex(kBlack), 0.22f), 56, colour));
        InnerShadow(c, face, 0.35f);
        c.Fill(Ring(face, 1.5f), Solid(Mix(colour, Hex(kBlack), 0.35f)));
        c.Fill(ModeGlyph(mode), Under(kGlyphOnColour));
        break;
    default:
        c.Fill(face, Under(kDisabledFill));
        c.Fill(Ring(face, 1.5f), Under(kDisabledBorder));
        c.Fill(ModeGlyph(mode), Under(kDisabledMark));
        break;
    }
    c.Cut(face);
}

// ---- mode badges (multi-bitmap window items): a tinted pill with a dot
Shape BadgeShape() { return RoundRect(0, 0, 132, 30, 15); }

void DrawBadge(Canvas& c, int mode) {   // mode -1: disabled
    Shape face = BadgeShape();
    Rgb colour = mode < 0 ? Hex(kDisabledMark) : Hex(kModeColour[mode]);
    if (mode < 0) {
        c.Fill(face, Under(kDisabledFill));
        c.Fill(Ring(face, 1), Under(kDisabledBorder));
    } else {
        c.Fill(face, Solid(Mix(Hex(kBody), colour, 0.14f)));
        c.Fill(Ring(face, 1), Solid(Mix(Hex(kBody), colour, 0.45f)));
        c.Fill(Circle(16, 15, 7.5f), Solid(colour), 0.22f);
    }
    c.Fill(Circle(16, 15, 4), Solid(colour));
    c.Cut(face);
}

// ---- status line
const int kStatusW = 592, kStatusH = 30;
Shape StatusShape() { return RoundRect(0, 0, float(kStatusW), float(kStatusH), 8); }

void DrawStatus(Canvas& c, bool enabled) {
    Shape face = StatusShape();
    c.Fill(face, Under(enabled ? kStatusFill : 0x161B24));
    InnerShadow(c, face, 0.25f);
    c.Fill(Ring(face, 1), Under(kStatusBorder));
    c.Fill(Circle(16, 15, 3.5f), Under(enabled ? kPlay : kDisabledMark));
    if (enabled) c.Fill(Circle(16, 15, 6.5f), Under(kPlay), 0.18f);
    c.Cut(face);
}

// ---- labels: text drawn by the host on the flat panel body
void DrawSectionLabel(Canvas& c) {
    c.Fill(RoundRect(0, 4, 3, 16, 1.5f), Under(kAccent));
    c.Cut(Rect(0, 0, float(c.Width()), float(c.Height())));
}

void DrawPlain(Canvas& c) { c.Cut(Rect(0, 0, float(c.Width()), float(c.Height()))); }

std::function<void(Canvas&)> Silhouette(Shape (*shape)()) {
    return [shape](Canvas& c) { c.Silhouette(shape(), Hex(kRegionInside)); };
}

// ============================================================ indicators ==
// Digit displays and their parts, the gallery's page plates and page tabs,
// and small buttons. Displays are dark LCD plates; their parts (digits,
// marks, signs) are rectangles drawn over the plate's flat inside colour, so
// they need no outline of their own.

// ---- the panel as it is drawn, for parts that sit on it away from the body
// colour (the header band, the accent glow): they take its exact pixels.
Paint PanelPixels(int ox, int oy) {
    static std::vector<uint32_t> pixels;
    if (pixels.empty()) {
        Canvas panel(kPanelW, kPanelH, Under(kDesk));
        DrawPanel(panel);
        pixels = panel.Pixels();
    }
    return [=](float x, float y) {
        int px = std::min(kPanelW - 1, std::max(0, int(x) + ox));
        int py = std::min(kPanelH - 1, std::max(0, int(y) + oy));
        return Hex(pixels[size_t(py) * kPanelW + px]);
    };
}

// ---- page plates and page tabs
// A page plate covers the panel's body between the header and the status
// line; each gallery page is one plate holding its controls.
const int kPageX = 16, kPageY = 96, kPageW = 608, kPageH = 222;
// The page tabs sit in a track at the right of the header band.
const int kTabW = 100, kTabH = 28, kTrackPad = 4;
const int kTrackW = 2 * kTabW + 3 * kTrackPad, kTrackH = kTabH + 2 * kTrackPad;
const int kTrackX = kPanelW - 24 - kTrackW, kTrackY = kTitleY + 28 - kTrackH / 2;
const uint32_t kTrackFill = 0x131821, kTrackBorder = 0x2C3445;
// A short note left of the track, where the subtitle was.
const int kNoteX = 284, kNoteY = 28, kNoteW = 116, kNoteH = 36;

Shape TrackShape() { return RoundRect(0, 0, float(kTrackW), float(kTrackH), kTrackH / 2.0f); }
Shape TabShape() { return RoundRect(0, 0, float(kTabW), float(kTabH), kTabH / 2.0f); }

void DrawTrack(Canvas& c) {
    Shape face = TrackShape();
    c.Fill(face, Under(kTrackFill));
    c.Fill(Ring(face, 1), Under(kTrackBorder));
    c.Cut(face);
}

void DrawTab(Canvas& c, State state) {
    Shape face = TabShape();
    switch (state) {
    case kSelected:
        c.Fill(face, VGradient(0, Hex(kAccentTop), float(kTabH), Hex(kAccentBottom)));
        TopSheen(c, face, 0.16f);
        c.Fill(Ring(face, 1), Under(kAccentBorder));
        break;
    case kPushed:
        c.Fill(face, VGradient(0, Hex(kPressTop), float(kTabH), Hex(kPressBottom)));
        InnerShadow(c, face, 0.30f);
        c.Fill(Ring(face, 1), Under(kAccent), 0.8f);
        break;
    default:   // normal and disabled: the track shows through, only the text differs
        break;
    }
    c.Cut(face);
}

// ---- small push buttons (steppers under the displays)
const int kSmallW = 52, kSmallH = 28;
Shape SmallButtonShape() { return RoundRect(0, 0, float(kSmallW), float(kSmallH), 7); }

// ---- LCD plates and the segment style of their digits and letters
const uint32_t kLcdFill = 0x0B0F15, kLcdBorder = 0x2E3748, kLcdLit = 0x5CD8F5;
const float kGhost = 0.09f;   // unlit segments: a faint trace of the lit colour

void DrawLcdPlate(Canvas& c, float radius) {
    Shape face = RoundRect(0, 0, float(c.Width()), float(c.Height()), radius);
    c.Fill(face, Under(kLcdFill));
    c.Fill(Intersect(Ring(Offset(face, -1), 1), Rect(0, float(c.Height()) - 6, float(c.Width()), float(c.Height()))),
           Under(kWhite), 0.05f);
    c.Fill(Ring(face, 1), Under(kLcdBorder));
    c.Cut(face);
}

// A slightly slanted copy of a shape: the lean of an LCD readout.
Shape Lean(const Shape& a, float centreY, float lean) {
    Shape s = a;
    auto da = a.distance;
    s.distance = [=](float x, float y) { return da(x + lean * (y - centreY), y); };
    float spread = std::fabs(lean) * std::max(std::fabs(a.y0 - centreY), std::fabs(a.y1 - centreY));
    s.x0 -= spread; s.x1 += spread;
    return s;
}

// The seven segments a..g of a digit cell, as round-capped strokes.
//  aaa
// f   b
//  ggg
// e   c
//  ddd
Shape Segment(int index, float x0, float y0, float w, float h, float t) {
    float half = t / 2, gap = t * 0.55f;
    float l = x0 + half, r = x0 + w - half, top = y0 + half, mid = y0 + h / 2, bottom = y0 + h - half;
    switch (index) {
    case 0: return Capsule(l + gap, top, r - gap, top, half * 0.92f);
    case 1: return Capsule(r, top + gap, r, mid - gap, half * 0.92f);
    case 2: return Capsule(r, mid + gap, r, bottom - gap, half * 0.92f);
    case 3: return Capsule(l + gap, bottom, r - gap, bottom, half * 0.92f);
    case 4: return Capsule(l, mid + gap, l, bottom - gap, half * 0.92f);
    case 5: return Capsule(l, top + gap, l, mid - gap, half * 0.92f);
    default: return Capsule(l + gap, mid, r - gap, mid, half * 0.92f);
    }
}

// Lit segments of 0..9 (bit 0 = a ... bit 6 = g); 8 lights all.
const int kSegments[10] = {0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07, 0x7F, 0x6F};

// A digit (0..9), or only its unlit trace (digit < 0), filling the image.
void DrawDigit(Canvas& c, int digit, float thickness) {
    float w = float(c.Width()), h = float(c.Height());
    float padX = thickness * 0.55f + 1, padY = 1;
    float lean = 0.07f, cy = h / 2;
    int lit = digit >= 0 ? kSegments[digit] : 0;
    for (int s = 0; s < 7; ++s) {
        Shape seg = Lean(Segment(s, padX, padY, w - 2 * padX, h - 2 * padY, thickness), cy, lean);
        if (lit & (1 << s)) {
            c.Fill(Offset(seg, 1.2f), Under(kLcdLit), 0.12f);   // a soft glow
            c.Fill(seg, Under(kLcdLit));
        } else {
            c.Fill(seg, Under(kLcdLit), kGhost);
        }
    }
}

// Letters in the same stroke style, on a 4 x 6 grid (y down).
struct Stroke { float ax, ay, bx, by; };
std::vector<Stroke> Glyph(char letter) {
    switch (letter) {
    case 'A': return {{0, 6, 0, 0}, {0, 0, 4, 0}, {4, 0, 4, 6}, {0, 3, 4, 3}};
    case 'B': return {{0, 0, 0, 6}, {0, 0, 3, 0}, {3, 0, 3, 3}, {0, 3, 4, 3}, {4, 3, 4, 6}, {4, 6, 0, 6}};
    case 'C': return {{4, 0, 0, 0}, {0, 0, 0, 6}, {0, 6, 4, 6}};
    case 'E': return {{4, 0, 0, 0}, {0, 0, 0, 6}, {0, 6, 4, 6}, {0, 3, 3, 3}};
    case 'L': return {{0, 0, 0, 6}, {0, 6, 4, 6}};
    case 'M': return {{0, 6, 0, 0}, {0, 0, 2, 3}, {2, 3, 4, 0}, {4, 0, 4, 6}};
    case 'P': return {{0, 6, 0, 0}, {0, 0, 4, 0}, {4, 0, 4, 3}, {4, 3, 0, 3}};
    case 'R': return {{0, 6, 0, 0}, {0, 0, 4, 0}, {4, 0, 4, 3}, {4, 3, 0, 3}, {2, 3, 4, 6}};
    case 'X': return {{0, 0, 4, 6}, {4, 0, 0, 6}};
    case 'Y': return {{0, 0, 2, 3}, {4, 0, 2, 3}, {2, 3, 2, 6}};
    case 'd': return {{4, 0, 4, 6}, {4, 6, 0, 6}, {0, 6, 0, 3}, {0, 3, 4, 3}};
    default: return {};
    }
}

// Width of a word of `scale` pixels per grid step, `gap` pixels apart.
float WordWidth(const char* word, float scale, float gap) {
    size_t n = std::strlen(word);
    return n ? n * 4 * scale + (n - 1) * gap : 0;
}

Shape Word(const char* word, float x, float y, float scale, float gap, float half) {
    Shape all = Circle(-100, -100, 0);   // empty start, away from the image
    bool first = true;
    for (size_t i = 0; word[i]; ++i, x += 4 * scale + gap)
        for (const Stroke& s : Glyph(word[i])) {
            Shape line = Capsule(x + s.ax * scale, y + s.ay * scale, x + s.bx * scale, y + s.by * scale, half);
            all = first ? line : Union(all, line);
            first = false;
        }
    return all;
}

// A word centred in the image at height `cy`; lit, or only its trace.
void DrawWord(Canvas& c, const char* word, float x, float cy, float scale, float gap, uint32_t colour, bool lit) {
    Shape w = Lean(Word(word, x, cy - 3 * scale, scale, gap, scale * 0.6f), cy, 0.07f);
    if (lit) {
        c.Fill(Offset(w, 1.0f), Under(colour), 0.12f);
        c.Fill(w, Under(colour));
    } else {
        c.Fill(w, Under(colour), kGhost + 0.03f);
    }
}

// ---- sizes and where the parts go on the plates
const int kBigDigitW = 26, kBigDigitH = 42;
const float kBigThickness = 4.6f;
const int kDigitW = 14, kDigitH = 24, kColonW = 8, kMarkW = 38;
const float kThickness = 2.7f;
// Channel plate: three big digits.
const int kChannelPadX = 14, kChannelDigitY = 11, kChannelStep = kBigDigitW + 4;
const int kChannelW = 2 * kChannelPadX + 2 * kChannelStep + kBigDigitW, kChannelH = 64;
// Time plate: mark, hh:mm:ss.
const int kTimePad = 10, kRowY = 10, kDigitStep = kDigitW + 2;
const int kTimeMarkX = kTimePad, kTimeHourX = kTimeMarkX + kMarkW + 6;
const int kTimeColon1X = kTimeHourX + kDigitStep + kDigitW, kTimeMinuteX = kTimeColon1X + kColonW;
const int kTimeColon2X = kTimeMinuteX + kDigitStep + kDigitW, kTimeSecondX = kTimeColon2X + kColonW;
const int kTimeW = kTimeSecondX + kDigitStep + kDigitW + kTimePad, kTimeH = kRowY * 2 + kDigitH;
// Signal face: antenna, three digits, unit sign.
const int kAntennaW = 34, kSignW = 24;
const int kSensAntennaX = kTimePad, kSensDigitsX = kSensAntennaX + kAntennaW + 8;
const int kSensSignX = kSensDigitsX + 2 * kDigitStep + kDigitW + 3;
const int kSensW = kSensSignX + kSignW + kTimePad, kSensH = kTimeH;
// Input source pills.
const int kSourceW = 112, kSourceH = 28;

void DrawColon(Canvas& c, bool lit) {
    float cx = c.Width() / 2.0f, h = float(c.Height());
    for (int i = 0; i < 2; ++i) {
        Shape dot = Circle(cx - 0.07f * (i ? h * 0.18f : -h * 0.18f), h * (i ? 0.68f : 0.32f), 1.7f);
        if (lit) c.Fill(Offset(dot, 1.0f), Under(kLcdLit), 0.12f);
        c.Fill(dot, Under(kLcdLit), lit ? 1.0f : kGhost + 0.03f);
    }
}

// Mode marks of the time view: a word, REC with a red dot before it.
const uint32_t kRec = 0xFF4D5E;
void DrawMark(Canvas& c, const char* word, uint32_t colour, bool lit) {
    const float scale = 1.5f, gap = 2.2f, cy = c.Height() / 2.0f;
    bool dot = std::strcmp(word, "REC") == 0;
    float width = WordWidth(word, scale, gap) + (dot ? 9 : 0);
    float x = (c.Width() - width) / 2.0f;
    if (dot) {
        if (lit) c.Fill(Circle(x + 3, cy, 4.5f), Under(colour), 0.15f);
        c.Fill(Circle(x + 3, cy, 3), Under(colour), lit ? 1.0f : kGhost + 0.03f);
        x += 9;
    }
    DrawWord(c, word, x, cy, scale, gap, colour, lit);
}

// Antenna: a mast and five bars of rising height; `level` bars lit, the
// rest traced (level < 0: all traced, the mast too).
void DrawAntenna(Canvas& c, int level) {
    const float bottom = c.Height() - 3.0f;
    bool on = level >= 0;
    Shape mast = Union(Capsule(5, 7, 5, bottom, 1.1f),
                       Union(Capsule(1, 3, 5, 8, 1.1f), Capsule(9, 3, 5, 8, 1.1f)));
    c.Fill(mast, Under(kLcdLit), on ? 0.85f : kGhost + 0.03f);
    for (int i = 0; i < 5; ++i) {
        float x = 14 + i * 4.2f, top = bottom - 4 - i * 3.6f;
        Shape bar = RoundRect(x, top, x + 2.8f, bottom + 0.5f, 1.0f);
        if (i < level) {
            c.Fill(Offset(bar, 1.0f), Under(kLcdLit), 0.12f);
            c.Fill(bar, Under(kLcdLit));
        } else {
            c.Fill(bar, Under(kLcdLit), kGhost);
        }
    }
}

// Unit signs sit low, on the digits' base line.
void DrawSign(Canvas& c, bool percent, bool lit) {
    const float base = c.Height() - 2.5f;
    if (!percent) {
        const float scale = 1.6f, gap = 3.4f;
        DrawWord(c, "dB", 1.5f, base - 3 * scale, scale, gap, kLcdLit, lit);
        return;
    }
    Shape sign = Union(Capsule(14, base - 11, 5, base, 0.9f),
                       Union(Ring(Circle(5.5f, base - 9, 2.4f), 1.5f), Ring(Circle(13.5f, base - 2, 2.4f), 1.5f)));
    sign = Lean(sign, base - 5, 0.07f);
    if (lit) c.Fill(Offset(sign, 1.0f), Under(kLcdLit), 0.12f);
    c.Fill(sign, Under(kLcdLit), lit ? 1.0f : kGhost + 0.03f);
}

// ---- input source pills: an icon at the left, the name written by the host
enum Source { kSourceTv, kSourceRadio, kSourceAux };
const uint32_t kSourceColour[3] = {kAccent, kPause, kPlay};
Shape SourceShape() { return RoundRect(0, 0, float(kSourceW), float(kSourceH), kSourceH / 2.0f); }

Shape SourceIcon(int source) {
    const float cx = 18, cy = 14;
    switch (source) {
    case kSourceTv:
        return Union(Ring(RoundRect(cx - 7, cy - 6, cx + 7, cy + 4, 2), 1.6f), Capsule(cx - 3, cy + 6.5f, cx + 3, cy + 6.5f, 0.8f));
    case kSourceRadio:
        return Union(Ring(RoundRect(cx - 7, cy - 4, cx + 7, cy + 6, 2), 1.6f),
                     Union(Circle(cx + 2.5f, cy + 1, 2), Capsule(cx - 5, cy - 4, cx + 3, cy - 8, 0.8f)));
    default:
        return Union(Capsule(cx - 7, cy, cx + 1, cy, 1.6f), Union(RoundRect(cx + 1, cy - 3.5f, cx + 7, cy + 3.5f, 1.5f),
                                                                  Capsule(cx - 7, cy, cx - 7, cy, 2.2f)));
    }
}

void DrawSource(Canvas& c, int source) {   // -1: disabled
    Shape face = SourceShape();
    if (source < 0) {
        c.Fill(face, Under(kDisabledFill));
        c.Fill(Ring(face, 1), Under(kDisabledBorder));
        c.Cut(face);
        return;
    }
    Rgb colour = Hex(kSourceColour[source]);
    c.Fill(face, Solid(Mix(Hex(kBody), colour, 0.14f)));
    c.Fill(Ring(face, 1), Solid(Mix(Hex(kBody), colour, 0.5f)));
    c.Fill(SourceIcon(source), Solid(Mix(colour, Hex(kWhite), 0.15f)));
    c.Cut(face);
}

// Names and purposes made up at run time live as long as the program (the
// table keeps pointers to them; a deque never moves what it holds).
const char* Keep(const std::string& s) {
    static std::deque<std::string> kept;
    kept.push_back(s);
    return kept.back().c_str();
}

void AppendIndicatorImages(std::vector<Image>& t) {
    Paint body = Under(kBody), lcd = Under(kLcdFill), track = Under(kTrackFill);

    // Gallery pages: plate, tab track, tabs, the note left of the track.
    t.push_back({"PAGE", kPageW, kPageH,
                 "Gallery page plate: the panel's body between header and status line, drawn for the panel "
                 "at (16, 96); its own region frame",
                 DrawPlain, PanelPixels(kPageX, kPageY)});
    t.push_back({"PAGE_TRACK", kTrackW, kTrackH,
                 "Page tab track: dark inset pill on the header band holding two page tabs, drawn for the "
                 "panel at its place (SKIN_TRACK_X, SKIN_TRACK_Y); its own region frame",
                 DrawTrack, PanelPixels(kTrackX, kTrackY)});
    t.push_back({"PAGE_TAB_REGION", kTabW, kTabH, "Page tab outline (pill)", Silhouette(TabShape), track});
    t.push_back({"PAGE_TAB_NORMAL", kTabW, kTabH, "Page tab, not selected: the track shows through, text only",
                 [](Canvas& c) { DrawTab(c, kNormal); }, track});
    t.push_back({"PAGE_TAB_DISABLED", kTabW, kTabH, "Page tab, disabled",
                 [](Canvas& c) { DrawTab(c, kDisabled); }, track});
    t.push_back({"PAGE_TAB_SELECTED", kTabW, kTabH, "Page tab, selected: accent pill",
                 [](Canvas& c) { DrawTab(c, kSelected); }, track});
    t.push_back({"PAGE_TAB_PUSHED", kTabW, kTabH, "Page tab, pushed (while the tab is held)",
                 [](Canvas& c) { DrawTab(c, kPushed); }, track});
    t.push_back({"NOTE", kNoteW, kNoteH,
                 "Plain text strip on the header band left of the tab track, drawn for the panel at "
                 "(284, 28); its own region frame",
                 DrawPlain, PanelPixels(kNoteX, kNoteY)});

    // Small slate push buttons.
    t.push_back({"SMALL_BUTTON_REGION", kSmallW, kSmallH, "Small push button outline (rounded r 7)",
                 Silhouette(SmallButtonShape), body});
    const State states[] = {kNormal, kDisabled, kOver, kPushed};
    const char* stateName[] = {"NORMAL", "DISABLED", "OVER", "PUSHED"};
    const char* statePurpose[] = {"normal", "disabled", "mouse over", "pushed"};
    for (int s = 0; s < 4; ++s) {
        State st = states[s];
        t.push_back({Keep(std::string("SMALL_BUTTON_") + stateName[s]), kSmallW, kSmallH,
                     Keep(std::string("Small (slate) push button, ") + statePurpose[s]),
                     [st](Canvas& c) { DrawButtonFace(c, SmallButtonShape(), st, false); }, body});
    }

    // Channel display: plate and big digits.
    t.push_back({"CHANNEL_PLATE", kChannelW, kChannelH,
                 "Channel display plate: dark LCD plate (rounded r 10) for three big digits; its own region frame",
                 [](Canvas& c) { DrawLcdPlate(c, 10); }, body});
    for (int d = 0; d < 10; ++d)
        t.push_back({Keep("DIGIT_L_" + std::to_string(d)), kBigDigitW, kBigDigitH,
                     Keep("Big LCD digit " + std::to_string(d) + " (on the display plates)"),
                     [d](Canvas& c) { DrawDigit(c, d, kBigThickness); }, lcd});
    t.push_back({"DIGIT_L_OFF", kBigDigitW, kBigDigitH, "Big LCD digit, unlit: a faint trace of 8 (disabled frame)",
                 [](Canvas& c) { DrawDigit(c, -1, kBigThickness); }, lcd});

    // Time display: plate, small digits, colon, marks.
    t.push_back({"TIME_PLATE", kTimeW, kTimeH,
                 "Time display plate: room for a mark and hh:mm:ss (rounded r 9); its own region frame",
                 [](Canvas& c) { DrawLcdPlate(c, 9); }, body});
    for (int d = 0; d < 10; ++d)
        t.push_back({Keep("DIGIT_S_" + std::to_string(d)), kDigitW, kDigitH,
                     Keep("Small LCD digit " + std::to_string(d) + " (time and signal displays)"),
                     [d](Canvas& c) { DrawDigit(c, d, kThickness); }, lcd});
    t.push_back({"DIGIT_S_OFF", kDigitW, kDigitH, "Small LCD digit, unlit: a faint trace of 8 (disabled frame)",
                 [](Canvas& c) { DrawDigit(c, -1, kThickness); }, lcd});
    t.push_back({"COLON", kColonW, kDigitH, "Time separator colon, lit", [](Canvas& c) { DrawColon(c, true); }, lcd});
    t.push_back({"COLON_OFF", kColonW, kDigitH, "Time separator colon, unlit (disabled frame)",
                 [](Canvas& c) { DrawColon(c, false); }, lcd});
    struct MarkLook { const char* name; const char* word; uint32_t colour; const char* purpose; };
    const MarkLook marks[5] = {{"PM", "PM", kLcdLit, "afternoon"},
                               {"AM", "AM", kLcdLit, "morning"},
                               {"PLAY", "PLAY", kPlay, "playback (green)"},
                               {"EXP", "EXP", kPause, "expiry (amber)"},
                               {"REC", "REC", kRec, "recording (red dot)"}};
    for (int m = 0; m < 5; ++m)
        for (int lit = 1; lit >= 0; --lit) {
            MarkLook look = marks[m];
            t.push_back({Keep(std::string("MARK_") + look.name + (lit ? "" : "_OFF")), kMarkW, kDigitH,
                         Keep(std::string("Time mark ") + look.word + ", " + look.purpose +
                              (lit ? "" : ", unlit (disabled frame)")),
                         [look, lit](Canvas& c) { DrawMark(c, look.word, look.colour, lit != 0); }, lcd});
        }

    // Signal display: face, antenna levels, unit signs.
    t.push_back({"SENS_FACE", kSensW, kSensH,
                 "Signal display face: room for an antenna, three small digits and a unit sign (rounded r 9); "
                 "its own region frame",
                 [](Canvas& c) { DrawLcdPlate(c, 9); }, body});
    for (int level = 0; level <= 5; ++level)
        t.push_back({Keep("ANTENNA_" + std::to_string(level)), kAntennaW, kDigitH,
                     Keep("Antenna with " + std::to_string(level) + " of 5 bars lit"),
                     [level](Canvas& c) { DrawAntenna(c, level); }, lcd});
    t.push_back({"ANTENNA_OFF", kAntennaW, kDigitH, "Antenna, unlit (disabled frame)",
                 [](Canvas& c) { DrawAntenna(c, -1); }, lcd});
    for (int percent = 0; percent < 2; ++percent)
        for (int lit = 1; lit >= 0; --lit)
            t.push_back({Keep(std::string(percent ? "SIGN_PERCENT" : "SIGN_DB") + (lit ? "" : "_OFF")), kSignW,
                         kDigitH,
                         Keep(std::string("Unit sign ") + (percent ? "%" : "dB") + (lit ? "" : ", unlit (disabled frame)")),
                         [percent, lit](Canvas& c) { DrawSign(c, percent != 0, lit != 0); }, lcd});

    // Input source pills for a tab switcher.
    t.push_back({"SOURCE_REGION", kSourceW, kSourceH, "Input source pill outline", Silhouette(SourceShape), body});
    const char* sourceName[3] = {"TV", "RADIO", "AUX"};
    const char* sourcePurpose[3] = {"screen icon, blue", "radio icon, amber", "plug icon, green"};
    for (int s = 0; s < 3; ++s)
        t.push_back({Keep(std::string("SOURCE_") + sourceName[s]), kSourceW, kSourceH,
                     Keep(std::string("Input source ") + sourceName[s] + ": tinted pill, " + sourcePurpose[s] +
                          " at the left; name written by the host"),
                     [s](Canvas& c) { DrawSource(c, s); }, body});
    t.push_back({"SOURCE_DISABLED", kSourceW, kSourceH, "Input source pill, disabled (any source)",
                 [](Canvas& c) { DrawSource(c, -1); }, body});
}

// ================================================================ sliders ==
// A slider bar is assembled by the control at paint time: a start corner, a
// middle piece tiled along the bar, an end corner. The bar window is as
// thick as the thumb (the thumb is a child of the bar, so it is clipped to
// it); the visible track is a thin groove along the middle of the pieces and
// the rest of each piece is the panel body. Pieces are drawn along u (the
// bar's length) and v (its thickness); a vertical bar's pieces are the same
// drawings turned, u running down the image.
const int kThumbD = 24;                 // thumb diameter, and the bar's thickness
const int kCornerLen = kThumbD / 2;     // start and end corners: half a thumb
const int kTileLen = 16;                // the middle piece
const float kGrooveHalf = 3.0f;         // the groove is 6 px thick
const float kGrooveCap = 7.0f;          // centres of its round ends, from the bar's ends
const float kVirtualLen = 1000.0f;      // a bar long enough that every piece finds its part on it
const uint32_t kGroove = 0x10141C, kGrooveBorder = 0x353E52;
const uint32_t kGrooveOff = 0x1D2330;

enum TrackLook { kTrackPlain, kTrackDisabled, kTrackProgress };
enum TrackPiece { kPieceStart, kPieceMiddle, kPieceEnd };

// A shape given along the bar (u, v), placed on the image: as it is for a
// horizontal bar, turned for a vertical one.
Shape Turn(const Shape& s, bool vertical) {
    if (!vertical) return s;
    Shape t = s;
    auto d = s.distance;
    t.distance = [d](float x, float y) { return d(y, x); };
    t.x0 = s.y0; t.y0 = s.x0; t.x1 = s.y1; t.y1 = s.x1;
    return t;
}

Paint Turn(const Paint& p, bool vertical) {
    if (!vertical) return p;
    return [p](float x, float y) { return p(y, x); };
}

// Where a piece lies on the long virtual bar.
float PieceOffset(TrackPiece piece) {
    return piece == kPieceStart ? 0.0f : piece == kPieceEnd ? kVirtualLen - kCornerLen : kVirtualLen / 2;
}

int PieceLength(TrackPiece piece) { return piece == kPieceMiddle ? kTileLen : kCornerLen; }

// The bar's outline in piece coordinates: a pill as thick as the thumb, so a
// round thumb at either end fits it exactly.
Shape BarOutline(TrackPiece piece) {
    float o = PieceOffset(piece);
    return RoundRect(-o, 0, kVirtualLen - o, float(kThumbD), kThumbD / 2.0f);
}

Shape Groove(TrackPiece piece) {
    float o = PieceOffset(piece), mid = kThumbD / 2.0f;
    return Capsule(kGrooveCap - o, mid, kVirtualLen - kGrooveCap - o, mid, kGrooveHalf);
}

// One piece of a track. The faces are not cut: outside the groove they are
// the panel body, and the outline comes from the region pieces.
void DrawTrackPiece(Canvas& c, TrackPiece piece, TrackLook look, bool vertical) {
    Shape groove = Groove(piece);
    const float v0 = kThumbD / 2.0f - kGrooveHalf, v1 = kThumbD / 2.0f + kGrooveHalf;
    switch (look) {
    case kTrackProgress:
        // The part already played: the accent, with a faint glow around it.
        c.Fill(Turn(Offset(groove, 2.5f), vertical), Under(kAccent), 0.14f);
        c.Fill(Turn(groove, vertical), Turn(VGradient(v0, Hex(kAccentOverTop), v1, Hex(kAccentBottom)), vertical));
        c.Fill(Turn(Ring(groove, 1), vertical), Under(kAccentBorder), 0.45f);
        break;
    case kTrackDisabled:
        c.Fill(Turn(groove, vertical), Under(kGrooveOff));
        c.Fill(Turn(Ring(groove, 1), vertical), Under(kDisabledBorder));
        break;
    default:
        // A dark groove with a lighter rim, slightly shaded at its top.
        c.Fill(Turn(groove, vertical), Under(kGroove));
        c.Fill(Turn(Intersect(groove, Rect(-kVirtualLen, v0, 2 * kVirtualLen, v0 + 2.5f)), vertical),
               Under(kBlack), 0.25f);
        c.Fill(Turn(Ring(groove, 1), vertical), Under(kGrooveBorder));
        break;
    }
}

void DrawTrackRegion(Canvas& c, TrackPiece piece, bool vertical) {
    c.Silhouette(Turn(BarOutline(piece), vertical), Hex(kRegionInside));
}

// ---- the thumb: a light knob with an accent dot
Shape ThumbShape() { return Circle(kThumbD / 2.0f, kThumbD / 2.0f, kThumbD / 2.0f); }

void DrawThumb(Canvas& c, State state) {
    const float m = kThumbD / 2.0f, d = float(kThumbD);
    Shape knob = Circle(m, m, m - 2.0f);
    Shape halo = ThumbShape();
    switch (state) {
    case kOver:
        c.Fill(halo, Under(kAccent), 0.30f);
        c.Fill(knob, VGradient(2, Hex(kWhite), d - 2, Hex(0xDCE2EE)));
        c.Fill(Circle(m, m, 4.5f), Under(kAccent));
        break;
    case kPushed:
        c.Fill(halo, Under(kAccent), 0.45f);
        c.Fill(knob, VGradient(2, Hex(kAccentTop), d - 2, Hex(kAccentPressTop)));
        c.Fill(Ring(knob, 1), Under(0x9DB6FF), 0.8f);
        c.Fill(Circle(m, m, 3.5f), Under(kWhite));
        break;
    case kDisabled:
        c.Fill(knob, Under(0x323A4B));
        c.Fill(Ring(knob, 1), Under(0x434C60));
        break;
    default:
        c.Fill(Circle(m, m + 1.0f, m - 1.5f), Under(kBlack), 0.35f);   // a soft drop shadow
        c.Fill(knob, VGradient(2, Hex(0xF4F6FA), d - 2, Hex(0xC9D1DF)));
        c.Fill(Ring(knob, 1), Under(0xAEB8CA), 0.6f);
        c.Fill(Circle(m, m, 4.0f), Under(kAccent));
        break;
    }
    c.Cut(halo);
}

// ---- the volume control: a wedge of ten segments widening upwards, exactly
// 60 px tall (the control's fixed scale). The lit image runs from the accent
// at the bottom to a light blue at the top; the empty one is dim.
const int kVolumeW = 36, kVolumeH = 60, kVolumeSegments = 10;
const uint32_t kVolumeTop = 0x8DB8FF, kVolumeEmpty = 0x283041;

Shape VolumeSegment(int i) {   // 0 at the bottom
    const int step = kVolumeH / kVolumeSegments;   // 5 px segment, 1 px gap
    float y1 = float(kVolumeH - i * step), y0 = y1 - (step - 1);
    float w = 10 + (kVolumeW - 2 - 10) * i / float(kVolumeSegments - 1);
    float cx = kVolumeW / 2.0f;
    return RoundRect(cx - w / 2, y0, cx + w / 2, y1, 1.5f);
}

Shape VolumeWedge() {
    Shape all = VolumeSegment(0);
    for (int i = 1; i < kVolumeSegments; ++i) all = Union(all, VolumeSegment(i));
    return all;
}

// The outline: the wedge with its gaps filled, so a press between two
// segments still lands on the control.
Shape VolumeOutline() {
    const float cx = kVolumeW / 2.0f, bottom = 6, top = kVolumeW - 2;
    Shape a = Triangle(cx - bottom / 2, float(kVolumeH), cx + bottom / 2, float(kVolumeH), cx + top / 2, 0);
    Shape b = Triangle(cx - bottom / 2, float(kVolumeH), cx + top / 2, 0, cx - top / 2, 0);
    return Offset(Union(Union(a, b), VolumeWedge()), 1.0f);
}

void DrawVolume(Canvas& c, bool lit) {
    Shape wedge = VolumeWedge();
    if (lit) {
        c.Fill(wedge, VGradient(0, Hex(kVolumeTop), float(kVolumeH), Hex(kAccentBottom)));
        c.Fill(Intersect(wedge, Rect(0, 0, float(kVolumeW), float(kVolumeH))), Under(kWhite), 0.06f);
    } else {
        c.Fill(wedge, Under(kVolumeEmpty));
    }
    c.Cut(VolumeOutline());
}

// ---- the tab track for three page tabs, and small text strips
const int kTrack3W = 3 * kTabW + 4 * kTrackPad;
const int kTrack3X = kPanelW - 24 - kTrack3W;
const int kShortLabelW = 88, kValueW = 120, kShortValueW = 88, kValueH = 20;

void DrawTrack3(Canvas& c) {
    Shape face = RoundRect(0, 0, float(kTrack3W), float(kTrackH), kTrackH / 2.0f);
    c.Fill(face, Under(kTrackFill));
    c.Fill(Ring(face, 1), Under(kTrackBorder));
    c.Cut(face);
}

void AppendSliderImages(std::vector<Image>& t) {
    Paint body = Under(kBody);
    const char* lookName[3] = {"", "_DISABLED", "_PROGRESS"};
    const char* lookPurpose[3] = {"normal (dark groove)", "disabled", "progress (accent groove: the part played)"};
    const char* pieceName[3] = {"START", "MIDDLE", "END"};
    for (int turned = 0; turned < 2; ++turned) {
        bool vertical = turned != 0;
        const char* dir = vertical ? "V" : "H";
        for (int p = 0; p < 3; ++p) {
            TrackPiece piece = TrackPiece(p);
            int len = PieceLength(piece);
            int w = vertical ? kThumbD : len, h = vertical ? len : kThumbD;
            std::string what = std::string(vertical ? "Vertical" : "Horizontal") + " slider track, " +
                               (piece == kPieceStart ? (vertical ? "top corner" : "left corner")
                                : piece == kPieceEnd ? (vertical ? "bottom corner" : "right corner")
                                                     : (vertical ? "middle piece (tiled downwards)"
                                                                 : "middle piece (tiled along the bar)"));
            if (piece != kPieceMiddle)
                t.push_back({Keep(std::string("SLIDER_") + dir + "_" + pieceName[p] + "_REGION"), w, h,
                             Keep(what + ": outline (the round end of a pill as thick as the thumb)"),
                             [piece, vertical](Canvas& c) { DrawTrackRegion(c, piece, vertical); }, body});
            for (int look = 0; look < 3; ++look) {
                TrackLook l = TrackLook(look);
                t.push_back({Keep(std::string("SLIDER_") + dir + "_" + pieceName[p] + lookName[look]), w, h,
                             Keep(what + ", " + lookPurpose[look]),
                             [piece, l, vertical](Canvas& c) { DrawTrackPiece(c, piece, l, vertical); }, body});
            }
        }
    }

    t.push_back({"THUMB_REGION", kThumbD, kThumbD, "Slider thumb outline (circle)", Silhouette(ThumbShape), body});
    const State thumbStates[] = {kNormal, kDisabled, kOver, kPushed};
    const char* thumbName[] = {"NORMAL", "DISABLED", "OVER", "PUSHED"};
    const char* thumbPurpose[] = {"normal: light knob with an accent dot", "disabled",
                                  "mouse over: accent halo", "pushed: accent knob"};
    for (int s = 0; s < 4; ++s) {
        State st = thumbStates[s];
        t.push_back({Keep(std::string("THUMB_") + thumbName[s]), kThumbD, kThumbD,
                     Keep(std::string("Slider thumb, ") + thumbPurpose[s]), [st](Canvas& c) { DrawThumb(c, st); },
                     body});
    }

    t.push_back({"VOLUME_REGION", kVolumeW, kVolumeH, "Volume control outline (the wedge, gaps filled)",
                 [](Canvas& c) { c.Silhouette(VolumeOutline(), Hex(kRegionInside)); }, body});
    t.push_back({"VOLUME_LIT", kVolumeW, kVolumeH,
                 "Volume wedge, lit (normal frame, drawn below the level): ten segments, accent to light blue",
                 [](Canvas& c) { DrawVolume(c, true); }, body});
    t.push_back({"VOLUME_EMPTY", kVolumeW, kVolumeH,
                 "Volume wedge, empty (disabled frame, drawn above the level)",
                 [](Canvas& c) { DrawVolume(c, false); }, body});

    t.push_back({"PAGE_TRACK3", kTrack3W, kTrackH,
                 "Page tab track for three page tabs, drawn for the panel at its place (SKIN_TRACK3_X, "
                 "SKIN_TRACK_Y); its own region frame",
                 DrawTrack3, PanelPixels(kTrack3X, kTrackY)});
    t.push_back({"SECTION_LABEL_SHORT", kShortLabelW, 20,
                 "Short section heading for narrow columns, as SECTION_LABEL; its own region frame",
                 DrawSectionLabel, body});
    t.push_back({"VALUE", kValueW, kValueH,
                 "Plain strip on the panel body for a value written by the host (e.g. right-aligned); its own "
                 "region frame",
                 DrawPlain, body});
    t.push_back({"VALUE_SHORT", kShortValueW, kValueH,
                 "Short value strip for narrow columns, as VALUE; its own region frame", DrawPlain, body});
}

// ================================================================== lists ==
// The scroll bar, the item strips and the tab track for four page tabs.

// ---- the tab track for four page tabs: narrower tabs, so the track clears
// the title badge
const int kTab4W = 80;
const int kTrack4W = 4 * kTab4W + 5 * kTrackPad;
const int kTrack4X = kPanelW - 24 - kTrack4W;

Shape Tab4Shape() { return RoundRect(0, 0, float(kTab4W), float(kTabH), kTabH / 2.0f); }

void DrawTrack4(Canvas& c) {
    Shape face = RoundRect(0, 0, float(kTrack4W), float(kTrackH), kTrackH / 2.0f);
    c.Fill(face, Under(kTrackFill));
    c.Fill(Ring(face, 1), Under(kTrackBorder));
    c.Cut(face);
}

// A narrow page tab as wide as its canvas: the tabs of the four- and
// five-tab tracks.
void DrawTabOfWidth(Canvas& c, State state) {
    Shape face = RoundRect(0, 0, float(c.Width()), float(kTabH), kTabH / 2.0f);
    if (state == kSelected) {
        c.Fill(face, VGradient(0, Hex(kAccentTop), float(kTabH), Hex(kAccentBottom)));
        TopSheen(c, face, 0.16f);
        c.Fill(Ring(face, 1), Under(kAccentBorder));
    } else if (state == kPushed) {
        c.Fill(face, VGradient(0, Hex(kPressTop), float(kTabH), Hex(kPressBottom)));
        InnerShadow(c, face, 0.30f);
        c.Fill(Ring(face, 1), Under(kAccent), 0.8f);
    }
    c.Cut(face);
}

// ---- the scroll bar: a dark trough as thick as its arrows, with rounded
// ends (the arrows' outer corners are cut), arrows at both ends and a flat
// counter inside. The bar draws its counter by repeating one line of the
// counter frame along the bar (a column across a horizontal bar, a row
// across a vertical one), so the counter frames are the same all along.
// Everything is drawn along u (the bar's length) and v (its thickness), and
// turned for the vertical bar.
const int kScrollThick = 16;     // the bar's thickness and the arrows' size
const int kScrollTile = 8;       // the track tile's length
const int kScrollCounterLen = 16;
const uint32_t kTrough = 0x121720, kTroughBorder = 0x2A3243;
const uint32_t kTroughOff = 0x171C26, kTroughOffBorder = 0x232A38;
const uint32_t kCounter = 0x4A5569, kCounterEdge = 0x5C6880;
const uint32_t kCounterOff = 0x262D3B;

// The trough's cross-section: its border along both long sides.
void DrawTroughSides(Canvas& c, bool vertical, bool enabled) {
    const float len = float(vertical ? c.Height() : c.Width()), t = float(kScrollThick);
    c.Fill(Turn(Rect(-1, 0, len + 1, t), vertical), Under(enabled ? kTrough : kTroughOff));
    uint32_t border = enabled ? kTroughBorder : kTroughOffBorder;
    c.Fill(Turn(Rect(-1, 0, len + 1, 1), vertical), Under(border));
    c.Fill(Turn(Rect(-1, t - 1, len + 1, t), vertical), Under(border));
}

void DrawScrollTile(Canvas& c, bool vertical, bool enabled) { DrawTroughSides(c, vertical, enabled); }

// An arrow's outline: the trough's rounded end at the bar's start (dec) or
// end (inc); square where it meets the track.
Shape ArrowOutline(bool inc) {
    const float t = float(kScrollThick), r = t / 2.0f;
    return inc ? RoundRect(-t, 0, t, t, r) : RoundRect(0, 0, 2 * t, t, r);
}

// A chevron pointing back along the bar (dec) or forward (inc).
Shape Chevron(bool inc) {
    const float m = kScrollThick / 2.0f, s = 2.6f;
    float tip = inc ? m + s * 0.75f : m - s * 0.75f, back = inc ? m - s * 0.75f : m + s * 0.75f;
    return Union(Capsule(back, m - s * 1.25f, tip, m, 0.95f), Capsule(tip, m, back, m + s * 1.25f, 0.95f));
}

// cut: the rounded end is cut from the image with the key colour; else the
// corners keep the colour the arrow is drawn over (for bars that are given
// no transparent colour).
void DrawArrow(Canvas& c, bool inc, bool vertical, State state, bool cut = true) {
    Shape outline = ArrowOutline(inc);
    Shape inner = Offset(outline, -1);
    switch (state) {
    case kOver:
        c.Fill(Turn(outline, vertical), Under(kTroughBorder));
        c.Fill(Turn(inner, vertical), Under(kSurfaceTop));
        c.Fill(Turn(Chevron(inc), vertical), Under(kText));
        break;
    case kPushed:
        c.Fill(Turn(outline, vertical), Under(kAccentBorder));
        c.Fill(Turn(inner, vertical), Under(kAccentPressBottom));
        c.Fill(Turn(Chevron(inc), vertical), Under(kOnAccent));
        break;
    case kDisabled:
        c.Fill(Turn(outline, vertical), Under(kTroughOffBorder));
        c.Fill(Turn(inner, vertical), Under(kTroughOff));
        c.Fill(Turn(Chevron(inc), vertical), Under(kDisabledMark));
        break;
    default:
        c.Fill(Turn(outline, vertical), Under(kTroughBorder));
        c.Fill(Turn(inner, vertical), Under(kTrough));
        c.Fill(Turn(Chevron(inc), vertical), Under(kTextMuted));
        break;
    }
    if (cut) c.Cut(Turn(outline, vertical));
}

void DrawArrowRegion(Canvas& c, bool inc, bool vertical) {
    c.Silhouette(Turn(ArrowOutline(inc), vertical), Hex(kRegionInside));
}

// The counter: a flat bar in the middle of the trough, lit at its edge.
void DrawCounter(Canvas& c, bool vertical, State state) {
    DrawTroughSides(c, vertical, state != kDisabled);
    const float len = float(vertical ? c.Height() : c.Width());
    const float v0 = 4, v1 = kScrollThick - 4.0f;
    Shape bar = Rect(-1, v0, len + 1, v1);
    switch (state) {
    case kOver:
        c.Fill(Turn(bar, vertical), Under(kAccentTop));
        c.Fill(Turn(Rect(-1, v0, len + 1, v0 + 1), vertical), Under(kAccentOverTop));
        break;
    case kDisabled: c.Fill(Turn(bar, vertical), Under(kCounterOff)); break;
    default:
        c.Fill(Turn(bar, vertical), Under(kCounter));
        c.Fill(Turn(Rect(-1, v0, len + 1, v0 + 1), vertical), Under(kCounterEdge));
        break;
    }
}

// ---- item icons, drawn around (cx, cy) at `size` pixels
enum Kind { kKindFilm, kKindSeries, kKindSports, kKindNews, kKindMusic, kKindKids, kKindCount };
const char* const kKindName[kKindCount] = {"FILM", "SERIES", "SPORTS", "NEWS", "MUSIC", "KIDS"};
const char* const kKindPurpose[kKindCount] = {"film (amber play mark)", "series (blue screen)",
                                              "sports (green trophy)", "news (cyan page)",
                                              "music (rose note)", "kids (violet star)"};
const uint32_t kKindColour[kKindCount] = {kPause, kAccent, kPlay, 0x38BDF8, 0xF472B6, 0xA78BFA};

Shape KindIcon(Kind kind, float cx, float cy, float size) {
    const float k = size / 16.0f;
    auto X = [=](float x) { return cx + x * k; };
    auto Y = [=](float y) { return cy + y * k; };
    switch (kind) {
    case kKindFilm:
        return Union(Ring(RoundRect(X(-7.5f), Y(-6), X(7.5f), Y(6), 2 * k), 1.5f * k),
                     Offset(Triangle(X(-2), Y(-3), X(-2), Y(3), X(3.2f), Y(0)), 0.5f * k));
    case kKindSeries:
        return Union(Ring(RoundRect(X(-7.5f), Y(-6.5f), X(7.5f), Y(3.5f), 2 * k), 1.5f * k),
                     Capsule(X(-3.5f), Y(6.5f), X(3.5f), Y(6.5f), 0.9f * k));
    case kKindSports: {
        // A trophy: a cup with a round bottom, two handles, a stem and a base.
        Shape cup = Intersect(Union(Rect(X(-5), Y(-7.5f), X(5), Y(-3)), Circle(X(0), Y(-3), 5 * k)),
                              Rect(X(-5), Y(-7.5f), X(5), Y(2)));
        Shape handles = Union(Union(Capsule(X(-5), Y(-6), X(-7.5f), Y(-5.5f), 0.8f * k),
                                    Capsule(X(-7.5f), Y(-5.5f), X(-4.5f), Y(-1), 0.8f * k)),
                              Union(Capsule(X(5), Y(-6), X(7.5f), Y(-5.5f), 0.8f * k),
                                    Capsule(X(7.5f), Y(-5.5f), X(4.5f), Y(-1), 0.8f * k)));
        return Union(Union(cup, handles),
                     Union(Capsule(X(0), Y(1), X(0), Y(5), 1.1f * k), RoundRect(X(-4.5f), Y(5), X(4.5f), Y(7.5f), k)));
    }
    case kKindNews:
        return Union(Ring(RoundRect(X(-6.5f), Y(-7), X(6.5f), Y(7), 2 * k), 1.4f * k),
                     Union(Capsule(X(-3.2f), Y(-3), X(3.2f), Y(-3), 0.75f * k),
                           Union(Capsule(X(-3.2f), Y(0.2f), X(3.2f), Y(0.2f), 0.75f * k),
                                 Capsule(X(-3.2f), Y(3.4f), X(1), Y(3.4f), 0.75f * k))));
    case kKindMusic:
        return Union(Circle(X(-2.6f), Y(4.2f), 2.9f * k),
                     Union(Capsule(X(0), Y(4.2f), X(0), Y(-6.5f), 0.85f * k),
                           Capsule(X(0), Y(-6.5f), X(5), Y(-4.2f), 1.0f * k)));
    default: {
        // A five-pointed star: ten triangles around the centre.
        const float pi = 3.14159265f;
        Shape star = Circle(cx, cy, 3.2f * k);
        for (int i = 0; i < 5; ++i) {
            float a = -pi / 2 + i * 2 * pi / 5, l = a - pi / 5, r = a + pi / 5;
            float ox = cx + 7.8f * k * std::cos(a), oy = cy + 7.8f * k * std::sin(a);
            star = Union(star, Triangle(ox, oy, cx + 3.2f * k * std::cos(l), cy + 3.2f * k * std::sin(l),
                                        cx + 3.2f * k * std::cos(r), cy + 3.2f * k * std::sin(r)));
        }
        return star;
    }
    }
}

// ---- rows of the vertical strip: a dark well, one row per item; the text
// is written by the strip at (10, 0), the icon sits at the right end.
const int kListRowW = 240, kListRowH = 22, kListRows = 8;
const int kListW = kListRowW, kListH = kListRowH * kListRows;
const uint32_t kWell = 0x121720, kRowDivider = 0x1E2532;

// The strip writes the text from the row's top, so its letters sit in the
// upper part of the row: the pill (selected) and the icon are centred on
// them, above the divider at the row's foot.
const float kRowMiddle = 9.5f;
Shape RowPill() { return RoundRect(2, 0.5f, kListRowW - 2.0f, 2 * kRowMiddle - 0.5f, 6); }

void DrawListRow(Canvas& c, int kind, State state) {   // kind -1: disabled
    const float iconX = kListRowW - 16.0f, iconY = kRowMiddle;
    if (kind < 0 || state == kDisabled) {
        c.Fill(Rect(8, kListRowH - 1.0f, kListRowW - 8.0f, float(kListRowH)), Under(kRowDivider));
        c.Fill(Circle(iconX, iconY, 3), Under(kDisabledMark));
        return;
    }
    Rgb colour = Hex(kKindColour[kind]);
    Shape icon = KindIcon(Kind(kind), iconX, iconY, 13);
    if (state == kSelected) {
        Shape pill = RowPill();
        c.Fill(pill, VGradient(0, Hex(kAccentTop), 2 * kRowMiddle, Hex(kAccentBottom)));
        c.Fill(Ring(pill, 1), Under(kAccentBorder), 0.7f);
        c.Fill(icon, Under(kOnAccent));
        return;
    }
    c.Fill(Rect(8, kListRowH - 1.0f, kListRowW - 8.0f, float(kListRowH)), Under(kRowDivider));
    c.Fill(icon, Solid(Mix(colour, Hex(kWhite), 0.1f)));
}

// The well under the rows: it shows only past the last row.
void DrawListWell(Canvas& c) { c.Fill(Rect(0, 0, float(c.Width()), float(c.Height())), Under(kWell)); }

Shape ListOutline() { return RoundRect(0, 0, float(kListW), float(kListH), 6); }

// ---- tiles of the horizontal strip: cards on the panel body with a gap at
// their right; the text is written by the strip at (10, 3), the icon sits
// large at the bottom right.
const int kTileW = 92, kTileH = 62, kTileGap = 8;
const int kTileStripW = 300, kTileStripH = kTileH;   // three tiles and the start of a fourth
const int kWideValueW = 300;

Shape TileCard() { return RoundRect(0, 0, float(kTileW - kTileGap), float(kTileH), 9); }

// A light line along the card's top inside edge.
void TileEdge(Canvas& c, const Shape& card, float strength) {
    c.Fill(Intersect(Ring(Offset(card, -1), 1), Rect(0, 0, float(c.Width()), card.y0 + 5)), Under(kWhite), strength);
}

void DrawTile(Canvas& c, int kind, State state) {   // kind -1: disabled
    Shape card = TileCard();
    const float h = float(kTileH);
    const float iconX = kTileW - kTileGap - 22.0f, iconY = kTileH - 20.0f;
    if (kind < 0 || state == kDisabled) {
        c.Fill(card, Under(kDisabledFill));
        c.Fill(Ring(card, 1), Under(kDisabledBorder));
        c.Fill(Circle(iconX, iconY, 4), Under(kDisabledMark));
        return;
    }
    Rgb colour = Hex(kKindColour[kind]);
    Shape icon = KindIcon(Kind(kind), iconX, iconY, 24);
    if (state == kSelected) {
        c.Fill(card, VGradient(0, Mix(colour, Hex(kBody), 0.45f), h, Mix(colour, Hex(kBody), 0.65f)));
        TileEdge(c, card, 0.14f);
        c.Fill(Ring(card, 1.5f), Solid(colour));
        c.Fill(icon, Under(kWhite));
        return;
    }
    c.Fill(card, VGradient(0, Hex(kSurfaceTop), h, Hex(kSurfaceBottom)));
    c.Fill(Circle(iconX, iconY, 17), Solid(colour), 0.10f);
    TileEdge(c, card, 0.07f);
    c.Fill(Ring(card, 1), Under(kSurfaceBorder));
    c.Fill(icon, Solid(Mix(colour, Hex(kWhite), 0.1f)));
}

void AppendListImages(std::vector<Image>& t) {
    Paint body = Under(kBody), well = Under(kWell), track = Under(kTrackFill);

    t.push_back({"PAGE_TRACK4", kTrack4W, kTrackH,
                 "Page tab track for four (narrower) page tabs, drawn for the panel at its place (SKIN_TRACK4_X, "
                 "SKIN_TRACK_Y); its own region frame",
                 DrawTrack4, PanelPixels(kTrack4X, kTrackY)});
    t.push_back({"PAGE_TAB4_REGION", kTab4W, kTabH, "Narrow page tab outline (pill), for the four-tab track",
                 Silhouette(Tab4Shape), track});
    const State tabStates[] = {kNormal, kDisabled, kSelected, kPushed};
    const char* tabName[] = {"NORMAL", "DISABLED", "SELECTED", "PUSHED"};
    const char* tabPurpose[] = {"not selected: the track shows through, text only", "disabled",
                                "selected: accent pill", "pushed (while the tab is held)"};
    for (int s = 0; s < 4; ++s) {
        State st = tabStates[s];
        t.push_back({Keep(std::string("PAGE_TAB4_") + tabName[s]), kTab4W, kTabH,
                     Keep(std::string("Narrow page tab, ") + tabPurpose[s]), [st](Canvas& c) { DrawTabOfWidth(c, st); },
                     track});
    }

    // Scroll bars: arrows (region, normal, disabled, over, pushed) for each
    // end of each orientation, track tiles, counters.
    const State arrowStates[] = {kNormal, kDisabled, kOver, kPushed};
    const char* arrowState[] = {"NORMAL", "DISABLED", "OVER", "PUSHED"};
    const char* arrowStatePurpose[] = {"normal", "disabled", "mouse over", "pushed (accent)"};
    const char* arrowName[2][2] = {{"LEFT", "RIGHT"}, {"UP", "DOWN"}};
    for (int turned = 0; turned < 2; ++turned)
        for (int inc = 0; inc < 2; ++inc) {
            bool vertical = turned != 0, forward = inc != 0;
            std::string name = std::string("SCROLL_") + arrowName[turned][inc];
            std::string what = std::string(vertical ? "Vertical" : "Horizontal") + " scroll bar, " +
                               (vertical ? (forward ? "down" : "up") : (forward ? "right" : "left")) + " arrow";
            t.push_back({Keep(name + "_REGION"), kScrollThick, kScrollThick,
                         Keep(what + ": outline (the trough's rounded end)"),
                         [forward, vertical](Canvas& c) { DrawArrowRegion(c, forward, vertical); }, body});
            for (int s = 0; s < 4; ++s) {
                State st = arrowStates[s];
                t.push_back({Keep(name + "_" + arrowState[s]), kScrollThick, kScrollThick,
                             Keep(what + ", " + arrowStatePurpose[s]),
                             [forward, vertical, st](Canvas& c) { DrawArrow(c, forward, vertical, st); }, body});
            }
        }
    for (int turned = 0; turned < 2; ++turned) {
        bool vertical = turned != 0;
        const char* dir = vertical ? "V" : "H";
        std::string what = std::string(vertical ? "Vertical" : "Horizontal") + " scroll bar";
        int w = vertical ? kScrollThick : kScrollTile, h = vertical ? kScrollTile : kScrollThick;
        t.push_back({Keep(std::string("SCROLL_") + dir + "_TRACK"), w, h,
                     Keep(what + " track tile (repeated along the bar), normal: dark trough"),
                     [vertical](Canvas& c) { DrawScrollTile(c, vertical, true); }, body});
        t.push_back({Keep(std::string("SCROLL_") + dir + "_TRACK_DISABLED"), w, h,
                     Keep(what + " track tile, disabled"),
                     [vertical](Canvas& c) { DrawScrollTile(c, vertical, false); }, body});
        const State counterStates[] = {kNormal, kDisabled, kOver};
        const char* counterName[] = {"", "_DISABLED", "_OVER"};
        const char* counterPurpose[] = {"normal: flat slate bar", "disabled", "mouse over: accent bar"};
        int cw = vertical ? kScrollThick : kScrollCounterLen, ch = vertical ? kScrollCounterLen : kScrollThick;
        for (int s = 0; s < 3; ++s) {
            State st = counterStates[s];
            t.push_back({Keep(std::string("SCROLL_") + dir + "_COUNTER" + counterName[s]), cw, ch,
                         Keep(what + " counter (scroll box), " + counterPurpose[s] +
                              "; the same all along, as the bar repeats one line of it"),
                         [vertical, st](Canvas& c) { DrawCounter(c, vertical, st); }, body});
        }
    }

    // The vertical strip: its well (and outline), rows per kind.
    t.push_back({"LIST_REGION", kListW, kListH, "Vertical item strip outline (rounded r 6)",
                 [](Canvas& c) { c.Silhouette(ListOutline(), Hex(kRegionInside)); }, body});
    t.push_back({"LIST_WELL", kListW, kListH,
                 "Vertical item strip background: the dark well the rows are drawn on", DrawListWell, body});
    for (int k = 0; k < 4; ++k) {
        int kind = k == 0 ? kKindNews : k == 1 ? kKindSports : k == 2 ? kKindFilm : kKindMusic;
        std::string name = std::string("LIST_ROW_") + kKindName[kind];
        std::string what = std::string("Vertical strip row, ") + kKindPurpose[kind] +
                           " icon at the right; text written by the strip from x = 10";
        t.push_back({Keep(name), kListRowW, kListRowH, Keep(what + "; its own region frame"),
                     [kind](Canvas& c) { DrawListRow(c, kind, kNormal); }, well});
        t.push_back({Keep(name + "_SELECTED"), kListRowW, kListRowH, Keep(what + ", selected (accent pill)"),
                     [kind](Canvas& c) { DrawListRow(c, kind, kSelected); }, well});
    }
    t.push_back({"LIST_ROW_DISABLED", kListRowW, kListRowH, "Vertical strip row, disabled (any kind)",
                 [](Canvas& c) { DrawListRow(c, -1, kDisabled); }, well});

    // The horizontal strip: its background and tiles per kind.
    t.push_back({"TILE_STRIP", kTileStripW, kTileStripH,
                 "Horizontal item strip background: the panel body; its own region frame", DrawPlain, body});
    for (int kind = 0; kind < kKindCount; ++kind) {
        std::string name = std::string("TILE_") + kKindName[kind];
        std::string what = std::string("Horizontal strip tile, ") + kKindPurpose[kind] +
                           " icon at the bottom right; text written by the strip at (10, 3)";
        t.push_back({Keep(name), kTileW, kTileH, Keep(what + "; its own region frame"),
                     [kind](Canvas& c) { DrawTile(c, kind, kNormal); }, body});
        t.push_back({Keep(name + "_SELECTED"), kTileW, kTileH, Keep(what + ", selected (tinted, ringed)"),
                     [kind](Canvas& c) { DrawTile(c, kind, kSelected); }, body});
    }
    t.push_back({"TILE_DISABLED", kTileW, kTileH, "Horizontal strip tile, disabled (any kind)",
                 [](Canvas& c) { DrawTile(c, -1, kDisabled); }, body});
    t.push_back({"VALUE_WIDE", kWideValueW, kValueH, "Wide value strip, as VALUE; its own region frame",
                 DrawPlain, body});
}

// =================================================================== text ==
// Text fields and the tab track for five page tabs.

// ---- the tab track for five page tabs: each tab as wide as its label needs
// (the gallery's labels in a 12 px bold font), so the track still clears the
// title badge. The widest tab is the four-tab track's 80 px one.
const int kTab5Widths[3] = {72, 60, 52};
const int kTrack5W = 80 + 72 + 60 + 52 + 52 + 6 * kTrackPad;
const int kTrack5X = kPanelW - 24 - kTrack5W;

void DrawTrack5(Canvas& c) {
    Shape face = RoundRect(0, 0, float(kTrack5W), float(kTrackH), kTrackH / 2.0f);
    c.Fill(face, Under(kTrackFill));
    c.Fill(Ring(face, 1), Under(kTrackBorder));
    c.Cut(face);
}


// ---- text fields. An edit box writes its text from the top-left corner of
// its window, one line high, without padding; so a field is two windows: a
// plate that draws the field (border, inset shade, an icon) and, on it, the
// edit box itself as the plate's flat inside, placed so that one line of
// text sits in the middle of the field. The plate images keep a margin of
// kFieldMargin pixels round the field for the focus glow (the margin is the
// panel body when the field has no focus).
const int kFieldMargin = 2;
const uint32_t kFieldFill = 0x121720, kFieldEdge = 0x303A4D;
const uint32_t kFieldOffFill = 0x171C26, kFieldOffEdge = 0x242B39;
enum FieldLook { kFieldNormal, kFieldFocused, kFieldDisabled };

struct FieldKind {
    int width, height;       // the plate image, margin included
    float radius;
    bool search;             // a magnifier at the left
    int editX, editY, editW, editH;   // the edit box on the plate
};
// A name field for a 15 px font (an 18 px line); a search pill for a 13 px
// font (a 15 px line). The edit boxes are a little taller than their line
// so that a font one pixel taller still fits one line.
const FieldKind kFieldL = {276, 36, 8, false, 11, 9, 254, 20};
const FieldKind kFieldS = {216, 32, 14, true, 30, 8, 172, 17};

Shape FieldShape(const FieldKind& k) {
    const float m = float(kFieldMargin);
    return RoundRect(m, m, k.width - m, k.height - m, k.radius);
}

Shape FieldOutline(const FieldKind& k) {
    return RoundRect(0, 0, float(k.width), float(k.height), k.radius + kFieldMargin);
}

Shape Magnifier(const FieldKind& k) {
    const float cx = kFieldMargin + 14.0f, cy = k.height / 2.0f - 1.0f;
    return Union(Ring(Circle(cx, cy, 5.0f), 1.6f), Capsule(cx + 3.9f, cy + 3.9f, cx + 6.6f, cy + 6.6f, 0.95f));
}

void DrawField(Canvas& c, const FieldKind& k, FieldLook look) {
    Shape face = FieldShape(k);
    if (look == kFieldFocused) {
        c.Fill(Subtract(FieldOutline(k), face), Under(kAccent), 0.22f);
        c.Fill(face, Under(kFieldFill));
        InnerShadow(c, face, 0.22f);
        c.Fill(Ring(face, 1), Under(kAccent));
    } else if (look == kFieldDisabled) {
        c.Fill(face, Under(kFieldOffFill));
        c.Fill(Ring(face, 1), Under(kFieldOffEdge));
    } else {
        c.Fill(face, Under(kFieldFill));
        InnerShadow(c, face, 0.22f);
        c.Fill(Ring(face, 1), Under(kFieldEdge));
    }
    if (k.search)
        c.Fill(Magnifier(k), Under(look == kFieldFocused ? kAccentOverTop
                                   : look == kFieldDisabled ? kDisabledMark : kTextMuted));
    c.Cut(FieldOutline(k));
}

// The edit box's face: the field's flat inside.
void DrawEditFace(Canvas& c, bool enabled) {
    c.Fill(Rect(0, 0, float(c.Width()), float(c.Height())), Under(enabled ? kFieldFill : kFieldOffFill));
}

void AppendTextImages(std::vector<Image>& t) {
    Paint body = Under(kBody), track = Under(kTrackFill);

    t.push_back({"PAGE_TRACK5", kTrack5W, kTrackH,
                 "Page tab track for five page tabs of different widths (80, 72, 60, 52, 52), drawn for the "
                 "panel at its place (SKIN_TRACK5_X, SKIN_TRACK_Y); its own region frame",
                 DrawTrack5, PanelPixels(kTrack5X, kTrackY)});
    const State tabStates[] = {kNormal, kDisabled, kSelected, kPushed};
    const char* tabName[] = {"NORMAL", "DISABLED", "SELECTED", "PUSHED"};
    const char* tabPurpose[] = {"not selected: the track shows through, text only", "disabled",
                                "selected: accent pill", "pushed (while the tab is held)"};
    for (int w = 0; w < 3; ++w) {
        int width = kTab5Widths[w];
        std::string name = "PAGE_TAB" + std::to_string(width) + "_";
        std::string what = "Page tab " + std::to_string(width) + " px wide (five-tab track)";
        t.push_back({Keep(name + "REGION"), width, kTabH, Keep(what + ": outline (pill)"),
                     [width](Canvas& c) {
                         c.Silhouette(RoundRect(0, 0, float(width), float(kTabH), kTabH / 2.0f), Hex(kRegionInside));
                     },
                     track});
        for (int s = 0; s < 4; ++s) {
            State st = tabStates[s];
            t.push_back({Keep(name + tabName[s]), width, kTabH, Keep(what + ", " + tabPurpose[s]),
                         [st](Canvas& c) { DrawTabOfWidth(c, st); }, track});
        }
    }

    struct FieldSet { const char* name; const FieldKind* kind; const char* what; };
    const FieldSet sets[2] = {
        {"FIELD_L", &kFieldL, "Text field (rounded r 8) for a 15 px font"},
        {"FIELD_SEARCH", &kFieldS, "Search field (pill, magnifier at the left) for a 13 px font"}};
    for (int f = 0; f < 2; ++f) {
        const FieldKind* k = sets[f].kind;
        std::string name = sets[f].name, what = sets[f].what;
        t.push_back({Keep(name + "_REGION"), k->width, k->height,
                     Keep(what + ": outline, the field and its focus glow margin"),
                     [k](Canvas& c) { c.Silhouette(FieldOutline(*k), Hex(kRegionInside)); }, body});
        const FieldLook looks[3] = {kFieldNormal, kFieldFocused, kFieldDisabled};
        const char* lookName[3] = {"", "_FOCUSED", "_DISABLED"};
        const char* lookPurpose[3] = {"plate behind the edit box: dark inset field, slate border",
                                      "plate with the keyboard focus: accent border and glow",
                                      "plate, disabled"};
        for (int l = 0; l < 3; ++l) {
            FieldLook look = looks[l];
            t.push_back({Keep(name + lookName[l]), k->width, k->height, Keep(what + ", " + lookPurpose[l]),
                         [k, look](Canvas& c) { DrawField(c, *k, look); }, body});
        }
    }
    const char* editName[2] = {"EDIT_L", "EDIT_SEARCH"};
    const char* editWhat[2] = {"Edit box face for FIELD_L", "Edit box face for FIELD_SEARCH"};
    for (int f = 0; f < 2; ++f) {
        const FieldKind* k = sets[f].kind;
        t.push_back({Keep(std::string(editName[f])), k->editW, k->editH,
                     Keep(std::string(editWhat[f]) + ": the field's flat inside, at its place on the plate "
                          "(SKIN_" + editName[f] + "_X, _Y); no region frame"),
                     [](Canvas& c) { DrawEditFace(c, true); }, body});
        t.push_back({Keep(std::string(editName[f]) + "_DISABLED"), k->editW, k->editH,
                     Keep(std::string(editWhat[f]) + ", disabled"), [](Canvas& c) { DrawEditFace(c, false); },
                     body});
    }
}

// ================================================================= frames ==
// The main window's frame, cut into the thirteen pieces a skinned frame is
// drawn from, the small controls that sit in its border bands, and a pop-up
// panel. The pieces are cut from one frame drawn whole (kFrameVW x kFrameVH),
// so corners, edges and title bar meet without a seam: the edges and the
// title bar are uniform along their side, so any stretch of them tiles.
//
// The top band is a top edge of kFrameEdge px and a title bar of
// kFrameTitleH px, one gradient slab; the sides are kFrameEdge px; the bottom
// edge is kFrameBottom px, thick enough to hold a size grip (a child control
// in the bottom band needs its height plus its distance from the bottom to
// fit in the band). Inside the edges lies the well, in the desk colour, which
// the client window continues.
const int kFrameEdge = 6, kFrameTitleH = 28, kFrameBand = kFrameEdge + kFrameTitleH, kFrameBottom = 16;
const int kFrameCornerW = 16, kFrameTile = 16;
const float kFrameRadius = 9;
const int kFrameVW = 200, kFrameVH = 140;
const uint32_t kFrameBehind = 0x05070A;   // what the outline's soft edge is blended against
const uint32_t kFrameTitleTop = 0x2B3448, kFrameTitleBottom = 0x1C2232, kFrameTitleShade = 0x07090D;
const uint32_t kFrameRimTop = 0x56627F, kFrameRim = 0x353E52, kFrameRimBottom = 0x262D3B;
// Controls of the title bar: where they sit in the frame, their sizes.
const int kFrameButtonD = 20, kFrameButtonY = kFrameEdge + (kFrameTitleH - kFrameButtonD) / 2;
const int kFrameCaptionW = 220, kFrameCaptionH = 24, kFrameCaptionY = kFrameEdge + (kFrameTitleH - kFrameCaptionH) / 2;
const int kFrameTextW = 96;
const int kFrameGrip = 8;
// The pop-up panel.
const int kPopW = 296, kPopH = 184;
const float kPopRadius = 12;

float Clamp01(float t) { return std::min(1.0f, std::max(0.0f, t)); }

Shape FrameOutline() { return RoundRect(0, 0, float(kFrameVW), float(kFrameVH), kFrameRadius); }

// The rim: lit from above, darker towards the bottom; constant along the
// sides between the corners, so the side tiles repeat cleanly.
Rgb FrameRimAt(float, float y) {
    if (y < kFrameBand) return Mix(Hex(kFrameRimTop), Hex(kFrameRim), Clamp01(y / kFrameBand));
    float bottom = float(kFrameVH - kFrameBottom);
    if (y > bottom) return Mix(Hex(kFrameRim), Hex(kFrameRimBottom), Clamp01((y - bottom) / kFrameBottom));
    return Hex(kFrameRim);
}

void DrawFrame(Canvas& c) {
    const float w = float(kFrameVW), h = float(kFrameVH), band = float(kFrameBand);
    Shape outline = FrameOutline();
    c.Fill(outline, Under(kDesk));
    // The title slab (top edge and title bar), a dark line under it where it
    // shades the client, and a faint sheen along the top.
    c.Fill(Intersect(outline, Rect(0, 0, w, band)), VGradient(0, Hex(kFrameTitleTop), band, Hex(kFrameTitleBottom)));
    c.Fill(Rect(0, band - 1, w, band), Under(kFrameTitleShade));
    c.Fill(Intersect(Ring(Offset(outline, -1), 1), Rect(0, 0, w, 12)), Under(kWhite), 0.10f);
    // Below the title, a dark line inside the rim gives the border depth.
    c.Fill(Intersect(Ring(Offset(outline, -1), 1), Rect(0, band, w, h)), Under(kBlack), 0.45f);
    c.Fill(Ring(outline, 1), FrameRimAt);
    c.Cut(outline);
}

const std::vector<uint32_t>& FramePixels() {
    static std::vector<uint32_t> pixels;
    if (pixels.empty()) {
        Canvas frame(kFrameVW, kFrameVH, Under(kFrameBehind));
        DrawFrame(frame);
        pixels = frame.Pixels();
    }
    return pixels;
}

uint32_t FramePixel(int x, int y) {
    x = std::min(kFrameVW - 1, std::max(0, x));
    y = std::min(kFrameVH - 1, std::max(0, y));
    return FramePixels()[size_t(y) * kFrameVW + x];
}

// The whole frame as seen by an image placed at (ox, oy) on it.
Paint FrameUnder(int ox, int oy) {
    return [=](float x, float y) { return Hex(FramePixel(int(x) + ox, int(y) + oy)); };
}

// The title bar as seen by an image whose top lies `oy` rows down the
// frame: the bar is the same all along, so only the row counts.
Paint TitleUnder(int oy) {
    return [=](float, float y) { return Hex(FramePixel(kFrameVW / 2, int(y) + oy)); };
}

// The part of the frame's outline that an image placed at (ox, oy) covers.
Shape FrameInside(int ox, int oy, int w, int h) {
    Shape s;
    s.distance = [=](float x, float y) {
        return FramePixel(int(std::floor(x)) + ox, int(std::floor(y)) + oy) == kKeyColor ? 1.0f : -1.0f;
    };
    s.x0 = 0; s.y0 = 0; s.x1 = float(w); s.y1 = float(h);
    return s;
}

// One piece of the frame: its pixels, cut where the outline is.
struct FramePiece { int x, y, w, h; };
const FramePiece kFrameTopLeft = {0, 0, kFrameCornerW, kFrameBand};
const FramePiece kFrameTop = {kFrameVW / 2, 0, kFrameTile, kFrameEdge};
const FramePiece kFrameTopRight = {kFrameVW - kFrameCornerW, 0, kFrameCornerW, kFrameBand};
const FramePiece kFrameRight = {kFrameVW - kFrameEdge, kFrameVH / 2, kFrameEdge, kFrameTile};
const FramePiece kFrameBottomRight = {kFrameVW - kFrameCornerW, kFrameVH - kFrameBottom, kFrameCornerW, kFrameBottom};
const FramePiece kFrameBottomEdge = {kFrameVW / 2, kFrameVH - kFrameBottom, kFrameTile, kFrameBottom};
const FramePiece kFrameBottomLeft = {0, kFrameVH - kFrameBottom, kFrameCornerW, kFrameBottom};
const FramePiece kFrameLeft = {0, kFrameVH / 2, kFrameEdge, kFrameTile};
const FramePiece kFrameTitle = {kFrameVW / 2, kFrameEdge, kFrameTile, kFrameTitleH};

std::function<void(Canvas&)> DrawFramePiece(FramePiece p) {
    return [p](Canvas& c) { c.Cut(FrameInside(p.x, p.y, p.w, p.h)); };
}

std::function<void(Canvas&)> DrawFrameMask(FramePiece p) {
    return [p](Canvas& c) { c.Silhouette(FrameInside(p.x, p.y, p.w, p.h), Hex(kRegionInside)); };
}

// ---- the caption: a small mosaic mark at the left; the text is the host's
void DrawFrameCaption(Canvas& c) {
    const float s = 5, gap = 1.5f, x0 = 8, y0 = (kFrameCaptionH - 2 * s - gap) / 2.0f;
    for (int i = 0; i < 4; ++i) {
        float x = x0 + (i % 2) * (s + gap), y = y0 + (i / 2) * (s + gap);
        c.Fill(RoundRect(x, y, x + s, y + s, 1.5f), Under(i == 3 ? kAccentOverTop : kAccent), i == 3 ? 0.6f : 1.0f);
    }
    DrawPlain(c);
}

// ---- title bar buttons: round, the glyph alone until the mouse is over
enum FrameGlyph { kGlyphClose, kGlyphMinimise, kGlyphPopUp };

Shape FrameButtonShape() { return Circle(kFrameButtonD / 2.0f, kFrameButtonD / 2.0f, kFrameButtonD / 2.0f); }

Shape FrameGlyphShape(FrameGlyph g) {
    const float m = kFrameButtonD / 2.0f;
    switch (g) {
    case kGlyphClose:
        return Union(Capsule(m - 3.6f, m - 3.6f, m + 3.6f, m + 3.6f, 0.85f),
                     Capsule(m - 3.6f, m + 3.6f, m + 3.6f, m - 3.6f, 0.85f));
    case kGlyphMinimise:
        return Capsule(m - 4.2f, m + 0.5f, m + 4.2f, m + 0.5f, 0.9f);
    default: {   // a small panel with a bar across its top
        Shape box = RoundRect(m - 5, m - 4.5f, m + 5, m + 4.5f, 1.8f);
        return Union(Ring(box, 1.3f), Intersect(box, Rect(m - 5, m - 4.5f, m + 5, m - 1.5f)));
    }
    }
}

void DrawFrameButton(Canvas& c, FrameGlyph g, State state) {
    Shape face = FrameButtonShape(), glyph = FrameGlyphShape(g);
    const float d = float(kFrameButtonD);
    switch (state) {
    case kOver:
        if (g == kGlyphClose) {
            c.Fill(face, VGradient(0, Hex(0xF7596F), d, Hex(0xE0344F)));
            c.Fill(glyph, Under(kWhite));
        } else {
            c.Fill(face, VGradient(0, Hex(kOverTop), d, Hex(kOverBottom)));
            c.Fill(Ring(face, 1), Under(kAccent), 0.6f);
            c.Fill(glyph, Under(kText));
        }
        break;
    case kPushed:
        c.Fill(face, Under(g == kGlyphClose ? 0xB92A42 : kPressTop));
        c.Fill(Ring(face, 1), Under(g == kGlyphClose ? 0xF43F5E : kAccent), 0.8f);
        c.Fill(glyph, Under(g == kGlyphClose ? kWhite : kText));
        break;
    case kDisabled:
        c.Fill(glyph, Under(kDisabledMark));
        break;
    default:
        c.Fill(Ring(face, 1), Under(kWhite), 0.06f);
        c.Fill(glyph, Under(kTextMuted));
        break;
    }
    c.Cut(face);
}

// ---- the size grip: three dots in a corner triangle, kept clear of the
// frame's rounded corner
void DrawFrameGrip(Canvas& c) {
    const float pts[3][2] = {{6, 2}, {2, 6}, {6, 6}};
    for (int i = 0; i < 3; ++i) c.Fill(Circle(pts[i][0], pts[i][1], 1.1f), Under(kTextMuted), 0.85f);
    c.Cut(FrameInside(kFrameVW - 12, kFrameVH - kFrameGrip, kFrameGrip, kFrameGrip));
}

// ---- the pop-up panel: a flat card of the panel body (controls blend into
// it), an accent line along its top and a handle that says it can be moved
Shape PopUpShape() { return RoundRect(0, 0, float(kPopW), float(kPopH), kPopRadius); }

void DrawPopUp(Canvas& c, bool enabled) {
    const float w = float(kPopW);
    Shape outline = PopUpShape();
    c.Fill(outline, Under(kBody));
    if (enabled) {
        c.Fill(Intersect(Offset(outline, -1), Rect(0, 0, w, 4)), VGradient(0, Hex(kAccentOverTop), 4, Hex(kAccent)));
        for (int i = 0; i < 5; ++i) c.Fill(Circle(w / 2 - 12 + 6 * i, 11, 1.2f), Under(kTextMuted), 0.7f);
        c.Fill(Ring(outline, 1), Under(kSurfaceBorder));
    } else {
        c.Fill(Ring(outline, 1), Under(kDisabledBorder));
    }
    c.Cut(outline);
}

void AppendFrameImages(std::vector<Image>& t) {
    Paint behind = Under(kFrameBehind);
    struct Piece { const char* name; FramePiece piece; bool mask; const char* purpose; };
    const Piece pieces[13] = {
        {"FRAME_TOPLEFT_MASK", kFrameTopLeft, true, "Frame, top-left corner mask: grey is drawn, magenta cut"},
        {"FRAME_TOPLEFT", kFrameTopLeft, false,
         "Frame, top-left corner (rounded r 9): top edge, title bar start and left edge"},
        {"FRAME_TOP", kFrameTop, false, "Frame, top edge tile (6 px, the top of the title slab)"},
        {"FRAME_TOPRIGHT_MASK", kFrameTopRight, true, "Frame, top-right corner mask"},
        {"FRAME_TOPRIGHT", kFrameTopRight, false, "Frame, top-right corner"},
        {"FRAME_RIGHT", kFrameRight, false, "Frame, right edge tile (6 px)"},
        {"FRAME_BOTTOMRIGHT_MASK", kFrameBottomRight, true, "Frame, bottom-right corner mask"},
        {"FRAME_BOTTOMRIGHT", kFrameBottomRight, false, "Frame, bottom-right corner"},
        {"FRAME_BOTTOM", kFrameBottomEdge, false, "Frame, bottom edge tile (16 px: room for a size grip)"},
        {"FRAME_BOTTOMLEFT_MASK", kFrameBottomLeft, true, "Frame, bottom-left corner mask"},
        {"FRAME_BOTTOMLEFT", kFrameBottomLeft, false, "Frame, bottom-left corner"},
        {"FRAME_LEFT", kFrameLeft, false, "Frame, left edge tile (6 px)"},
        {"FRAME_TITLEBAR", kFrameTitle, false, "Frame, title bar tile (28 px, below the top edge)"},
    };
    for (int i = 0; i < 13; ++i) {
        const Piece& p = pieces[i];
        t.push_back({p.name, p.piece.w, p.piece.h, p.purpose,
                     p.mask ? DrawFrameMask(p.piece) : DrawFramePiece(p.piece),
                     p.mask ? behind : FrameUnder(p.piece.x, p.piece.y)});
    }
    t.push_back({"FRAME_CAPTION", kFrameCaptionW, kFrameCaptionH,
                 "Frame caption on the title bar: a small mosaic mark, the text written by the host from x = 24; "
                 "drawn for the frame at y = SKIN_FRAME_CAPTION_Y; its own region frame",
                 DrawFrameCaption, TitleUnder(kFrameCaptionY)});
    t.push_back({"FRAME_TEXT", kFrameTextW, kFrameCaptionH,
                 "Plain text strip on the title bar (y = SKIN_FRAME_CAPTION_Y); its own region frame", DrawPlain,
                 TitleUnder(kFrameCaptionY)});
    t.push_back({"FRAME_BUTTON_REGION", kFrameButtonD, kFrameButtonD,
                 "Title bar button outline (circle), shared by the three title bar buttons",
                 Silhouette(FrameButtonShape), TitleUnder(kFrameButtonY)});
    const char* glyphName[3] = {"FRAME_CLOSE_", "FRAME_MINIMISE_", "FRAME_POPUP_"};
    const char* glyphWhat[3] = {"Title bar close button (a cross; red when the mouse is over it)",
                                "Title bar minimise button (a bar)",
                                "Title bar pop-up button (a small panel)"};
    const char* stateName[4] = {"NORMAL", "DISABLED", "OVER", "PUSHED"};
    const State states[4] = {kNormal, kDisabled, kOver, kPushed};
    const char* statePurpose[4] = {"normal: the glyph alone on the title bar", "disabled", "mouse over",
                                   "pushed"};
    for (int g = 0; g < 3; ++g)
        for (int s = 0; s < 4; ++s) {
            FrameGlyph glyph = FrameGlyph(g);
            State st = states[s];
            t.push_back({Keep(std::string(glyphName[g]) + stateName[s]), kFrameButtonD, kFrameButtonD,
                         Keep(std::string(glyphWhat[g]) + ", " + statePurpose[s]),
                         [glyph, st](Canvas& c) { DrawFrameButton(c, glyph, st); }, TitleUnder(kFrameButtonY)});
        }
    t.push_back({"FRAME_GRIP", kFrameGrip, kFrameGrip,
                 "Size grip: three dots, drawn for the frame's bottom-right corner at (W - 12, H - 8); its own "
                 "region frame",
                 DrawFrameGrip, FrameUnder(kFrameVW - 12, kFrameVH - kFrameGrip)});
    t.push_back({"POPUP_REGION", kPopW, kPopH, "Pop-up panel outline (rounded r 12)", Silhouette(PopUpShape),
                 Under(kDesk)});
    t.push_back({"POPUP", kPopW, kPopH,
                 "Pop-up panel: flat panel body, accent line along the top, a handle of dots (it moves as a whole)",
                 [](Canvas& c) { DrawPopUp(c, true); }, Under(kDesk)});
    t.push_back({"POPUP_DISABLED", kPopW, kPopH, "Pop-up panel, disabled",
                 [](Canvas& c) { DrawPopUp(c, false); }, Under(kDesk)});
}

// ================================================================= wheels ==
// The tab wheel: a dark well (the plate) with the wheel window inside it,
// and two tab faces, one for the current tab and one for the others. The
// wheel lays its tabs edge to edge, so each face keeps a small gap of well
// colour at its sides and the faces read as separate tabs. The label is
// written by the wheel from the host's (x, y) in a 12 px font, so the face
// leaves the whole middle free.
const int kWheelTabW = 96, kWheelTabH = 30;
const int kWheelPad = 6;                        // the well's margin round the wheel window
const int kWheelW = 440;                        // the wheel window: five tabs, the outer two cut
const int kWheelPlateW = kWheelW + 2 * kWheelPad, kWheelPlateH = kWheelTabH + 2 * kWheelPad;
const int kWheelTextY = 9;                      // a 12 px line in the middle of the face
const uint32_t kWheelWell = 0x131821, kWheelWellBorder = 0x2C3445;

// ---- the tab track for six page tabs: the gallery's labels in an 11 px
// bold font, each tab as wide as its label needs, so the track still clears
// the title badge. 72 and 52 px tabs are the five-tab track's.
const int kTab6Widths[4] = {62, 42, 40, 48};
const int kTrack6W = 62 + 72 + 52 + 42 + 40 + 48 + 7 * kTrackPad;
const int kTrack6X = kPanelW - 24 - kTrack6W;

void DrawTrack6(Canvas& c) {
    Shape face = RoundRect(0, 0, float(kTrack6W), float(kTrackH), kTrackH / 2.0f);
    c.Fill(face, Under(kTrackFill));
    c.Fill(Ring(face, 1), Under(kTrackBorder));
    c.Cut(face);
}

Shape WheelPlateShape() { return RoundRect(0, 0, float(kWheelPlateW), float(kWheelPlateH), 10); }

void DrawWheelPlate(Canvas& c) {
    Shape face = WheelPlateShape();
    c.Fill(face, Under(kWheelWell));
    InnerShadow(c, face, 0.35f);
    c.Fill(Ring(face, 1), Under(kWheelWellBorder));
    c.Cut(face);
}

Shape WheelTabShape() { return RoundRect(2, 1, kWheelTabW - 2.0f, kWheelTabH - 1.0f, 8); }

void DrawWheelTab(Canvas& c, bool active) {
    Shape face = WheelTabShape();
    if (active) {
        c.Fill(face, VGradient(1, Hex(kAccentTop), kWheelTabH - 1.0f, Hex(kAccentBottom)));
        TopSheen(c, face, 0.18f);
        c.Fill(Ring(face, 1), Under(kAccentBorder));
    } else {
        c.Fill(face, VGradient(1, Hex(kSurfaceTop), kWheelTabH - 1.0f, Hex(kSurfaceBottom)));
        TopSheen(c, face, 0.06f);
        c.Fill(Ring(face, 1), Under(kSurfaceBorder));
    }
}

void AppendWheelImages(std::vector<Image>& t) {
    Paint well = Under(kWheelWell), track = Under(kTrackFill);
    t.push_back({"WHEEL_PLATE", kWheelPlateW, kWheelPlateH,
                 "Tab wheel plate: a dark inset well (rounded r 10) for a wheel window of SKIN_WHEEL_W x "
                 "SKIN_WHEEL_TAB_H at (SKIN_WHEEL_PAD, SKIN_WHEEL_PAD) on it; its own region frame",
                 DrawWheelPlate, Under(kBody)});
    t.push_back({"WHEEL_TAB_ACTIVE", kWheelTabW, kWheelTabH,
                 "Tab wheel, the current tab: accent face (rounded r 8) with a gap of well colour at its sides; "
                 "label at y = SKIN_WHEEL_TEXT_Y in a 12 px font",
                 [](Canvas& c) { DrawWheelTab(c, true); }, well});
    t.push_back({"WHEEL_TAB_NORMAL", kWheelTabW, kWheelTabH,
                 "Tab wheel, the other tabs: slate face, same outline; light labels (SKIN_COLOR_TEXT) read on "
                 "both faces",
                 [](Canvas& c) { DrawWheelTab(c, false); }, well});

    t.push_back({"PAGE_TRACK6", kTrack6W, kTrackH,
                 "Page tab track for six page tabs of different widths (62, 72, 52, 42, 40, 48), drawn for the "
                 "panel at its place (SKIN_TRACK6_X, SKIN_TRACK_Y); its own region frame",
                 DrawTrack6, PanelPixels(kTrack6X, kTrackY)});
    const State tabStates[] = {kNormal, kDisabled, kSelected, kPushed};
    const char* tabName[] = {"NORMAL", "DISABLED", "SELECTED", "PUSHED"};
    const char* tabPurpose[] = {"not selected: the track shows through, text only", "disabled",
                                "selected: accent pill", "pushed (while the tab is held)"};
    for (int w = 0; w < 4; ++w) {
        int width = kTab6Widths[w];
        std::string name = "PAGE_TAB" + std::to_string(width) + "_";
        std::string what = "Page tab " + std::to_string(width) + " px wide (six-tab track)";
        t.push_back({Keep(name + "REGION"), width, kTabH, Keep(what + ": outline (pill)"),
                     [width](Canvas& c) {
                         c.Silhouette(RoundRect(0, 0, float(width), float(kTabH), kTabH / 2.0f), Hex(kRegionInside));
                     },
                     track});
        for (int s = 0; s < 4; ++s) {
            State st = tabStates[s];
            t.push_back({Keep(name + tabName[s]), width, kTabH, Keep(what + ", " + tabPurpose[s]),
                         [st](Canvas& c) { DrawTabOfWidth(c, st); }, track});
        }
    }
}

// ================================================================= tables ==
// The combo box and the list control, and the header for seven page tabs.
//
// Combo box: a display field and a drop-down button side by side, one row
// high; under them, once unrolled, the list well with its scroll bar at its
// right. The display shows the chosen item's own face, so the item rows are
// as wide and as high as the display and read as a field there too. The
// scroll bar uses the slate arrows and counter of the other bars; its
// outline frame gives it the list's height.
const int kComboRowW = 152, kComboRowH = 24, kComboButtonW = 24, kComboRows = 6;
const int kComboW = kComboRowW + kComboButtonW;
const int kComboListW = kComboW - kScrollThick, kComboListH = kComboRowH * kComboRows;
const uint32_t kComboCell = 0x171C26;   // an item row: a shade lighter than the well

Shape ComboDisplayShape() { return RoundRect(0, 0, kComboRowW + 8.0f, float(kComboRowH), 6); }

void DrawComboDisplay(Canvas& c, bool enabled) {
    Shape face = ComboDisplayShape();
    c.Fill(face, Under(enabled ? kField : kDisabledFill));
    InnerShadow(c, face, 0.25f);
    c.Fill(Ring(face, 1), Under(enabled ? kFieldBorder : kDisabledBorder));
    c.Cut(Rect(0, 0, float(kComboRowW), float(kComboRowH)));
}

Shape ComboButtonShape() { return RoundRect(-8, 0, float(kComboButtonW), float(kComboRowH), 6); }

void DrawComboButton(Canvas& c, State state) {
    Shape face = ComboButtonShape();
    uint32_t top = kSurfaceTop, bottom = kSurfaceBottom, border = kSurfaceBorder, mark = kText;
    if (state == kOver) top = kOverTop, bottom = kOverBottom;
    if (state == kPushed) top = kAccentPressTop, bottom = kAccentPressBottom, border = kAccentBorder, mark = kOnAccent;
    if (state == kDisabled) top = bottom = kDisabledFill, border = kDisabledBorder, mark = kDisabledMark;
    c.Fill(face, VGradient(0, Hex(top), float(kComboRowH), Hex(bottom)));
    if (state != kDisabled && state != kPushed) TopSheen(c, face, 0.06f);
    c.Fill(Ring(face, 1), Under(border));
    // A divider against the display, then a chevron pointing down.
    c.Fill(Rect(0, 4, 1, kComboRowH - 4.0f), Under(border));
    const float m = kComboButtonW / 2.0f + 0.5f, y = kComboRowH / 2.0f;
    c.Fill(Union(Capsule(m - 4, y - 2, m, y + 2, 1.0f), Capsule(m, y + 2, m + 4, y - 2, 1.0f)), Under(mark));
    c.Cut(Rect(0, 0, float(kComboButtonW), float(kComboRowH)));
}

void DrawComboList(Canvas& c) {
    Shape face = Rect(0, 0, float(kComboListW), float(kComboListH));
    c.Fill(face, Under(kWell));
    c.Fill(Ring(face, 1), Under(kFieldBorder));
    c.Cut(face);
}

// An item row: normal (a flat cell with a divider at its foot), selected
// (accent pill) or disabled. The strip writes the text from x = 10 at the
// row's top, the display centred at its top.
void DrawComboItem(Canvas& c, State state) {
    const float w = float(c.Width()), h = float(c.Height());
    if (state == kSelected) {
        c.Fill(Rect(0, 0, w, h), Under(kWell));
        Shape pill = RoundRect(2, 1, w - 2, h - 1, 6);
        c.Fill(pill, VGradient(1, Hex(kAccentTop), h - 1, Hex(kAccentBottom)));
        c.Fill(Ring(pill, 1), Under(kAccentBorder), 0.7f);
        return;
    }
    c.Fill(Rect(0, 0, w, h), Under(state == kDisabled ? kDisabledFill : kComboCell));
    c.Fill(Rect(6, h - 1, w - 6, h), Under(state == kDisabled ? kDisabledBorder : kRowDivider));
}

// A scroll bar's outline frame: the whole bar, a plain rectangle; the
// arrows cut their rounded ends from it.
void DrawBarRegion(Canvas& c) {
    c.Silhouette(Rect(0, 0, float(c.Width()), float(c.Height())), Hex(kRegionInside));
}

// List control: the vertical bar at the left from the top, the header strip
// and the three columns right of it, the horizontal bar under the columns.
// The background (the list's own frame) shows only in the corner under the
// vertical bar and round the edges of the pieces.
const int kTableColumnCount = 3;
const int kTableColumnW[kTableColumnCount] = {188, 76, 96};   // name, size, date
const int kTableHeaderH = 24, kTableRowH = 20, kTableRows = 8;
const int kTableColumnsW = 188 + 76 + 96;
const int kTableColumnH = kTableRowH * kTableRows;
const int kTableVBarH = kTableHeaderH + kTableColumnH;
const int kTableW = kScrollThick + kTableColumnsW, kTableH = kTableVBarH + kScrollThick;
const uint32_t kTableHeaderFill = 0x232B3A, kTableHeaderLine = 0x3C465A;
const uint32_t kTableCellA = 0x121720, kTableCellB = 0x151B25;   // alternate rows in the column wells

void DrawTableBackground(Canvas& c) {
    c.Fill(Rect(0, 0, float(kTableW), float(kTableH)), Under(kWell));
    c.Fill(Rect(0, float(kTableVBarH), float(kScrollThick), float(kTableH)), Under(kTrough));
}

void DrawTableHeader(Canvas& c) {
    c.Fill(Rect(0, 0, float(c.Width()), float(c.Height())), VGradient(0, Hex(kSurfaceTop), float(c.Height()),
                                                                      Hex(kTableHeaderFill)));
    c.Fill(Rect(0, c.Height() - 1.0f, float(c.Width()), float(c.Height())), Under(kTableHeaderLine));
}

// A column title: the header's face with a divider at its right; pushed
// (the title last clicked) it is tinted with the accent and underlined.
void DrawTableTitle(Canvas& c, bool pushed) {
    const float w = float(c.Width()), h = float(c.Height());
    c.Fill(Rect(0, 0, w, h), VGradient(0, Hex(kSurfaceTop), h, Hex(kTableHeaderFill)));
    if (pushed) {
        c.Fill(Rect(0, 0, w, h), VGradient(0, Hex(kAccentPressTop), h, Hex(kAccentPressBottom)), 0.55f);
        c.Fill(Rect(0, h - 2, w, h), Under(kAccent));
    } else {
        c.Fill(Rect(0, h - 1, w, h), Under(kTableHeaderLine));
    }
    c.Fill(Rect(w - 1, 5, w, h - 5), Under(kTableHeaderLine));
}

void DrawTableColumn(Canvas& c) {
    c.Fill(Rect(0, 0, float(c.Width()), float(c.Height())), Under(kTableCellA));
    c.Fill(Rect(c.Width() - 1.0f, 0, float(c.Width()), float(c.Height())), Under(kRowDivider));
}

// A cell: the column's well with a divider at its foot and at its right;
// selected, the row's band in the accent colour, running on across the
// columns (no rounded ends, so the selected row reads as one band).
void DrawTableCell(Canvas& c, bool selected) {
    const float w = float(c.Width()), h = float(c.Height());
    if (selected) {
        c.Fill(Rect(0, 0, w, h), VGradient(0, Hex(kAccentTop), h, Hex(kAccentBottom)));
        c.Fill(Rect(0, h - 1, w, h), Under(kAccentBorder));
        return;
    }
    c.Fill(Rect(0, 0, w, h), Under(kTableCellB));
    c.Fill(Rect(0, h - 1, w, h), Under(kRowDivider));
    c.Fill(Rect(w - 1, 0, w, h), Under(kRowDivider));
}

// ---- the header for seven page tabs: a narrower title badge (the same
// pill and mark, for a 15 px caption) and a track for seven tabs, the
// seventh 48 px wide like the sixth.
const int kTrack7W = 62 + 72 + 52 + 42 + 40 + 48 + 48 + 8 * kTrackPad;
const int kTrack7X = kPanelW - 24 - kTrack7W;
const int kTitleCompactW = kTrack7X - kTitleX - 8;

void DrawTrack7(Canvas& c) {
    Shape face = RoundRect(0, 0, float(kTrack7W), float(kTrackH), kTrackH / 2.0f);
    c.Fill(face, Under(kTrackFill));
    c.Fill(Ring(face, 1), Under(kTrackBorder));
    c.Cut(face);
}

Shape TitleCompactShape() { return RoundRect(0, 0, float(kTitleCompactW), 56, 28); }

void DrawTitleCompact(Canvas& c, bool enabled) {
    Shape face = TitleCompactShape();
    if (enabled) {
        c.Fill(face, VGradient(0, Hex(0x6D93FF), 56, Hex(0x3F63E6)));
        TopSheen(c, face, 0.14f);
        c.Fill(Ring(face, 1), Under(0x5A80F5), 0.6f);
    } else {
        c.Fill(face, VGradient(0, Hex(0x2C3445), 56, Hex(0x242B39)));
        c.Fill(Ring(face, 1), Under(kDisabledBorder));
    }
    uint32_t tile = enabled ? kWhite : kDisabledMark;
    const float x0 = 20, y0 = 16, s = 11, gap = 2.5f;
    for (int i = 0; i < 4; ++i) {
        float x = x0 + (i % 2) * (s + gap), y = y0 + (i / 2) * (s + gap);
        c.Fill(RoundRect(x, y, x + s, y + s, 3), Under(tile), i == 3 ? 0.55f : 0.95f);
    }
    c.Cut(face);
}

void AppendTableImages(std::vector<Image>& t) {
    Paint body = Under(kBody), well = Under(kWell);
    // Combo box.
    t.push_back({"COMBO_DISPLAY_REGION", kComboRowW, kComboRowH, "Combo box display: outline (square)",
                 DrawBarRegion, body});
    t.push_back({"COMBO_DISPLAY", kComboRowW, kComboRowH,
                 "Combo box display face (before an item is shown): a dark field open to the button at its right",
                 [](Canvas& c) { DrawComboDisplay(c, true); }, body});
    t.push_back({"COMBO_DISPLAY_DISABLED", kComboRowW, kComboRowH, "Combo box display face, disabled",
                 [](Canvas& c) { DrawComboDisplay(c, false); }, body});
    t.push_back({"COMBO_BUTTON_REGION", kComboButtonW, kComboRowH,
                 "Combo box drop-down button: outline (its right end rounded)",
                 [](Canvas& c) { c.Silhouette(Intersect(ComboButtonShape(), Rect(0, 0, float(kComboButtonW),
                                                                                 float(kComboRowH))),
                                              Hex(kRegionInside)); },
                 body});
    const State buttonStates[] = {kNormal, kDisabled, kOver, kPushed};
    const char* buttonName[] = {"NORMAL", "DISABLED", "OVER", "PUSHED"};
    const char* buttonPurpose[] = {"normal", "disabled", "mouse over", "pushed (accent)"};
    for (int s = 0; s < 4; ++s) {
        State st = buttonStates[s];
        t.push_back({Keep(std::string("COMBO_BUTTON_") + buttonName[s]), kComboButtonW, kComboRowH,
                     Keep(std::string("Combo box drop-down button (chevron), ") + buttonPurpose[s]),
                     [st](Canvas& c) { DrawComboButton(c, st); }, body});
    }
    t.push_back({"COMBO_LIST_REGION", kComboListW, kComboListH, "Combo box list: outline (square)",
                 DrawBarRegion, body});
    t.push_back({"COMBO_LIST", kComboListW, kComboListH,
                 "Combo box list background: the dark well, ringed; six rows high", DrawComboList, body});
    t.push_back({"COMBO_ITEM", kComboRowW, kComboRowH,
                 "Combo box item row, normal: a flat cell with a divider at its foot (also the display's face "
                 "once the item is chosen); text from x = 10 at the top in the list, centred in the display",
                 [](Canvas& c) { DrawComboItem(c, kNormal); }, well});
    t.push_back({"COMBO_ITEM_SELECTED", kComboRowW, kComboRowH, "Combo box item row, selected: accent pill",
                 [](Canvas& c) { DrawComboItem(c, kSelected); }, well});
    t.push_back({"COMBO_ITEM_DISABLED", kComboRowW, kComboRowH, "Combo box item row, disabled",
                 [](Canvas& c) { DrawComboItem(c, kDisabled); }, well});
    t.push_back({"COMBO_BAR_REGION", kScrollThick, kComboListH,
                 "Combo box scroll bar outline: as high as the list (the arrows cut their own ends)",
                 DrawBarRegion, body});

    // List control.
    t.push_back({"TABLE_REGION", kTableW, kTableH, "List control outline (square)", DrawBarRegion, body});
    t.push_back({"TABLE", kTableW, kTableH,
                 "List control background: the well; shows in the corner under the vertical bar",
                 DrawTableBackground, body});
    t.push_back({"TABLE_VBAR_REGION", kScrollThick, kTableVBarH,
                 "List control vertical scroll bar outline: its size places the header, the columns and the "
                 "horizontal bar",
                 DrawBarRegion, body});
    t.push_back({"TABLE_HBAR_REGION", kTableColumnsW, kScrollThick,
                 "List control horizontal scroll bar outline: as wide as the columns", DrawBarRegion, body});
    t.push_back({"TABLE_HEADER", kTableColumnsW, kTableHeaderH,
                 "List control header strip background: slate band with a line at its foot", DrawTableHeader,
                 body});
    const char* columnName[kTableColumnCount] = {"NAME", "SIZE", "DATE"};
    for (int k = 0; k < kTableColumnCount; ++k) {
        int w = kTableColumnW[k];
        std::string name = std::string("TABLE_TITLE_") + columnName[k];
        std::string what = "List control column title, " + std::to_string(w) + " px (" + columnName[k] +
                           " column)";
        t.push_back({Keep(name), w, kTableHeaderH, Keep(what + ": normal; text from x = 10 at the top"),
                     [](Canvas& c) { DrawTableTitle(c, false); }, body});
        t.push_back({Keep(name + "_PUSHED"), w, kTableHeaderH, Keep(what + ": pushed (the title last clicked)"),
                     [](Canvas& c) { DrawTableTitle(c, true); }, body});
    }
    for (int k = 0; k < kTableColumnCount; ++k) {
        int w = kTableColumnW[k];
        std::string name = std::string("TABLE_COLUMN_") + columnName[k];
        t.push_back({Keep(name), w, kTableColumnH,
                     Keep("List control column background, " + std::to_string(w) + " x " +
                          std::to_string(kTableColumnH) + " (eight rows); shows past the last row"),
                     DrawTableColumn, body});
    }
    for (int k = 0; k < kTableColumnCount; ++k) {
        int w = kTableColumnW[k];
        std::string name = std::string("TABLE_CELL_") + columnName[k];
        std::string what = "List control cell, " + std::to_string(w) + " x " + std::to_string(kTableRowH);
        t.push_back({Keep(name), w, kTableRowH, Keep(what + ", normal; text from x = 10 at the top"),
                     [](Canvas& c) { DrawTableCell(c, false); }, well});
        t.push_back({Keep(name + "_SELECTED"), w, kTableRowH, Keep(what + ", selected: the row's accent band"),
                     [](Canvas& c) { DrawTableCell(c, true); }, well});
    }

    // The header for seven page tabs.
    t.push_back({"TITLE_COMPACT_REGION", kTitleCompactW, 56, "Narrow title badge outline (pill)",
                 [](Canvas& c) { c.Silhouette(TitleCompactShape(), Hex(kRegionInside)); }, body});
    t.push_back({"TITLE_COMPACT", kTitleCompactW, 56,
                 "Narrow title badge face (beside the seven-tab track): the badge's pill and mark, for a 15 px "
                 "caption; drawn for the panel at (24, 18)",
                 [](Canvas& c) { DrawTitleCompact(c, true); }, PanelUnder(kTitleX, kTitleY)});
    t.push_back({"TITLE_COMPACT_DISABLED", kTitleCompactW, 56, "Narrow title badge, disabled",
                 [](Canvas& c) { DrawTitleCompact(c, false); }, PanelUnder(kTitleX, kTitleY)});
    t.push_back({"PAGE_TRACK7", kTrack7W, kTrackH,
                 "Page tab track for seven page tabs (62, 72, 52, 42, 40, 48, 48 px), drawn for the panel at its "
                 "place (SKIN_TRACK7_X, SKIN_TRACK_Y); its own region frame",
                 DrawTrack7, PanelPixels(kTrack7X, kTrackY)});

    // The list control's scroll bars take no transparent colour: their
    // arrows keep the well's colour in the corners of their rounded ends.
    const State arrowStates[] = {kNormal, kDisabled, kOver, kPushed};
    const char* arrowState[] = {"NORMAL", "DISABLED", "OVER", "PUSHED"};
    const char* arrowName[2][2] = {{"LEFT", "RIGHT"}, {"UP", "DOWN"}};
    for (int turned = 0; turned < 2; ++turned)
        for (int inc = 0; inc < 2; ++inc) {
            bool vertical = turned != 0, forward = inc != 0;
            std::string name = std::string("TABLE_") + arrowName[turned][inc];
            for (int s = 0; s < 4; ++s) {
                State st = arrowStates[s];
                t.push_back({Keep(name + "_" + arrowState[s]), kScrollThick, kScrollThick,
                             Keep(std::string("List control scroll bar, ") + arrowName[turned][inc] + " arrow, " +
                                  arrowState[s] + "; corners in the well's colour (no cut), its own region"),
                             [forward, vertical, st](Canvas& c) { DrawArrow(c, forward, vertical, st, false); },
                             well});
            }
        }
}

std::vector<Image> BuildTable() {
    std::vector<Image> t;
    Paint desk = Under(kDesk), body = Under(kBody);
    t.push_back({"PANEL", kPanelW, kPanelH,
                 "Gallery panel: the window's whole face, rounded (r 16), header band fading into the "
                 "flat body; its own region frame",
                 DrawPanel, desk});

    t.push_back({"TITLE_REGION", 240, 56, "Title badge outline (pill)", Silhouette(TitleShape), body});
    t.push_back({"TITLE", 240, 56, "Title badge face: accent pill with a mosaic mark at the left; "
                 "drawn for the panel at (24, 18)",
                 [](Canvas& c) { DrawTitle(c, true); }, PanelUnder(kTitleX, kTitleY)});
    t.push_back({"TITLE_DISABLED", 240, 56, "Title badge, disabled",
                 [](Canvas& c) { DrawTitle(c, false); }, PanelUnder(kTitleX, kTitleY)});

    t.push_back({"BUTTON_REGION", 120, 36, "Push button outline (rounded r 9), shared by both button styles",
                 Silhouette(ButtonShape), body});
    const char* stateName[] = {"NORMAL", "DISABLED", "OVER", "PUSHED"};
    const State states[] = {kNormal, kDisabled, kOver, kPushed};
    const char* statePurpose[] = {"normal", "disabled", "mouse over", "pushed"};
    static std::string names[64], purposes[64];
    int n = 0;
    for (int style = 0; style < 2; ++style)
        for (int s = 0; s < 4; ++s, ++n) {
            names[n] = std::string(style == 0 ? "BUTTON_" : "BUTTON2_") + stateName[s];
            purposes[n] = std::string(style == 0 ? "Primary (accent) push button, " : "Secondary (slate) push button, ") +
                          statePurpose[s];
            State st = states[s];
            bool primary = style == 0;
            t.push_back({names[n].c_str(), 120, 36, purposes[n].c_str(),
                         [st, primary](Canvas& c) { DrawButton(c, st, primary); }, body});
        }

    const State checkStates[] = {kNormal, kDisabled, kSelected, kPushed};
    const char* checkName[] = {"NORMAL", "DISABLED", "SELECTED", "PUSHED"};
    const char* checkPurpose[] = {"unchecked", "disabled", "checked", "pushed (while the button is held)"};
    for (int radio = 0; radio < 2; ++radio) {
        t.push_back({radio ? "RADIO_REGION" : "CHECK_REGION", kRowW, kRowH,
                     radio ? "Radio button row outline (label room right of the circle)"
                           : "Check box row outline (label room right of the box)",
                     Silhouette(RowShape), body});
        for (int s = 0; s < 4; ++s, ++n) {
            names[n] = std::string(radio ? "RADIO_" : "CHECK_") + checkName[s];
            purposes[n] = std::string(radio ? "Radio button, " : "Check box, ") + checkPurpose[s];
            State st = checkStates[s];
            bool isRadio = radio != 0;
            t.push_back({names[n].c_str(), kRowW, kRowH, purposes[n].c_str(),
                         [st, isRadio](Canvas& c) { DrawCheck(c, st, isRadio); }, body});
        }
    }

    t.push_back({"MODE_REGION", 56, 56, "Mode button outline (circle), shared by the three modes",
                 Silhouette(ModeShape), body});
    const char* modeName[] = {"PLAY", "PAUSE", "STOP"};
    const char* modePurpose[] = {"Play mode button (green triangle)", "Pause mode button (amber bars)",
                                 "Stop mode button (rose square)"};
    for (int m = 0; m < 3; ++m)
        for (int s = 0; s < 4; ++s, ++n) {
            names[n] = std::string("MODE_") + modeName[m] + "_" + stateName[s];
            purposes[n] = std::string(modePurpose[m]) + ", " + statePurpose[s];
            Mode mode = Mode(m);
            State st = states[s];
            t.push_back({names[n].c_str(), 56, 56, purposes[n].c_str(),
                         [mode, st](Canvas& c) { DrawMode(c, mode, st); }, body});
        }

    t.push_back({"BADGE_REGION", 132, 30, "Mode badge outline (pill)", Silhouette(BadgeShape), body});
    const char* badgePurpose[] = {"Mode badge, playing (green tint and dot)", "Mode badge, paused (amber)",
                                  "Mode badge, stopped (rose)"};
    for (int m = 0; m < 3; ++m, ++n) {
        names[n] = std::string("BADGE_") + modeName[m];
        t.push_back({names[n].c_str(), 132, 30, badgePurpose[m], [m](Canvas& c) { DrawBadge(c, m); }, body});
    }
    t.push_back({"BADGE_DISABLED", 132, 30, "Mode badge, disabled (any mode)",
                 [](Canvas& c) { DrawBadge(c, -1); }, body});

    t.push_back({"STATUS_REGION", kStatusW, kStatusH, "Status line outline (rounded r 8)",
                 Silhouette(StatusShape), body});
    t.push_back({"STATUS", kStatusW, kStatusH, "Status line: dark inset bar with a green dot at the left",
                 [](Canvas& c) { DrawStatus(c, true); }, body});
    t.push_back({"STATUS_DISABLED", kStatusW, kStatusH, "Status line, disabled",
                 [](Canvas& c) { DrawStatus(c, false); }, body});

    t.push_back({"SECTION_LABEL", 170, 20,
                 "Section heading: flat panel body with a short accent bar at the left; its own region frame",
                 DrawSectionLabel, body});
    t.push_back({"SUBTITLE", 330, 20,
                 "Plain text strip on the header band, drawn for the panel at (284, 36); its own region frame",
                 DrawPlain, PanelUnder(kSubtitleX, kSubtitleY)});
    AppendIndicatorImages(t);
    AppendSliderImages(t);
    AppendListImages(t);
    AppendTextImages(t);
    AppendFrameImages(t);
    AppendWheelImages(t);
    AppendTableImages(t);
    return t;
}

// ------------------------------------------------------------- output --
bool WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path.c_str(), std::ios::binary);
    out.write(bytes.data(), std::streamsize(bytes.size()));
    return bool(out);
}

void Put32(std::string& s, uint32_t v) {
    for (int i = 0; i < 4; ++i) s += char((v >> (8 * i)) & 0xFF);
}

std::string Colour(uint32_t rgb) {   // 0xRRGGBB -> COLORREF 0x00BBGGRR
    char buf[16];
    uint32_t ref = ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF);
    std::snprintf(buf, sizeof buf, "0x%06Xu", ref);
    return buf;
}

std::string Header(const std::vector<Image>& t) {
    std::ostringstream h;
    h << "/* Tessaro default skin: image numbers, sizes and colours.\n"
         " * Generated by tools/mkskin together with default.tsk; do not edit by hand.\n"
         " * Numbers are stable: new images are only ever appended. */\n"
         "#ifndef TESSARO_DEFAULT_SKIN_H\n#define TESSARO_DEFAULT_SKIN_H\n\n";
    h << "#define SKIN_IMAGE_COUNT " << t.size() << "\n\n";
    for (size_t i = 0; i < t.size(); ++i) {
        std::string name = std::string("SKIN_") + t[i].name;
        h << "#define " << name << std::string(name.size() < 28 ? 28 - name.size() : 1, ' ') << (i + 1)
          << "   /* " << t[i].width << "x" << t[i].height << " */\n";
    }
    h << "\n/* Sizes of the image groups. */\n"
      << "#define SKIN_PANEL_W " << kPanelW << "\n#define SKIN_PANEL_H " << kPanelH << "\n"
      << "#define SKIN_TITLE_W 240\n#define SKIN_TITLE_H 56\n"
      << "#define SKIN_BUTTON_W 120\n#define SKIN_BUTTON_H 36\n"
      << "#define SKIN_ROW_W " << kRowW << "\n#define SKIN_ROW_H " << kRowH << "\n"
      << "#define SKIN_MODE_W 56\n#define SKIN_MODE_H 56\n"
      << "#define SKIN_BADGE_W 132\n#define SKIN_BADGE_H 30\n"
      << "#define SKIN_STATUS_W " << kStatusW << "\n#define SKIN_STATUS_H " << kStatusH << "\n"
      << "#define SKIN_SECTION_LABEL_W 170\n#define SKIN_SECTION_LABEL_H 20\n"
      << "#define SKIN_SUBTITLE_W 330\n#define SKIN_SUBTITLE_H 20\n";
    h << "\n/* Where the parts drawn for the panel's header band belong on it. */\n"
      << "#define SKIN_TITLE_X " << kTitleX << "\n#define SKIN_TITLE_Y " << kTitleY << "\n"
      << "#define SKIN_SUBTITLE_X " << kSubtitleX << "\n#define SKIN_SUBTITLE_Y " << kSubtitleY << "\n"
      << "#define SKIN_HEADER_H " << int(kHeaderHeight) << "\n";
    h << "\n/* Gallery pages: the page plate's and the tab track's places on the panel. */\n"
      << "#define SKIN_PAGE_X " << kPageX << "\n#define SKIN_PAGE_Y " << kPageY << "\n"
      << "#define SKIN_PAGE_W " << kPageW << "\n#define SKIN_PAGE_H " << kPageH << "\n"
      << "#define SKIN_TRACK_X " << kTrackX << "\n#define SKIN_TRACK_Y " << kTrackY << "\n"
      << "#define SKIN_TRACK_W " << kTrackW << "\n#define SKIN_TRACK_H " << kTrackH << "\n"
      << "#define SKIN_TRACK_PAD " << kTrackPad << "   /* tabs sit this far inside the track and apart */\n"
      << "#define SKIN_PAGE_TAB_W " << kTabW << "\n#define SKIN_PAGE_TAB_H " << kTabH << "\n"
      << "#define SKIN_NOTE_X " << kNoteX << "\n#define SKIN_NOTE_Y " << kNoteY << "\n"
      << "#define SKIN_NOTE_W " << kNoteW << "\n#define SKIN_NOTE_H " << kNoteH << "\n"
      << "#define SKIN_SMALL_BUTTON_W " << kSmallW << "\n#define SKIN_SMALL_BUTTON_H " << kSmallH << "\n";
    h << "\n/* Displays: sizes, and where their parts go on their plates. */\n"
      << "#define SKIN_DIGIT_L_W " << kBigDigitW << "\n#define SKIN_DIGIT_L_H " << kBigDigitH << "\n"
      << "#define SKIN_DIGIT_S_W " << kDigitW << "\n#define SKIN_DIGIT_S_H " << kDigitH << "\n"
      << "#define SKIN_COLON_W " << kColonW << "\n#define SKIN_MARK_W " << kMarkW << "\n"
      << "#define SKIN_CHANNEL_PLATE_W " << kChannelW << "\n#define SKIN_CHANNEL_PLATE_H " << kChannelH << "\n"
      << "#define SKIN_CHANNEL_DIGIT_X " << kChannelPadX << "\n#define SKIN_CHANNEL_DIGIT_Y " << kChannelDigitY
      << "\n#define SKIN_CHANNEL_DIGIT_STEP " << kChannelStep << "\n"
      << "#define SKIN_TIME_PLATE_W " << kTimeW << "\n#define SKIN_TIME_PLATE_H " << kTimeH << "\n"
      << "#define SKIN_TIME_ROW_Y " << kRowY << "\n"
      << "#define SKIN_TIME_MARK_X " << kTimeMarkX << "\n#define SKIN_TIME_HOUR_X " << kTimeHourX << "\n"
      << "#define SKIN_TIME_COLON1_X " << kTimeColon1X << "\n#define SKIN_TIME_MINUTE_X " << kTimeMinuteX << "\n"
      << "#define SKIN_TIME_COLON2_X " << kTimeColon2X << "\n#define SKIN_TIME_SECOND_X " << kTimeSecondX << "\n"
      << "#define SKIN_DIGIT_S_STEP " << kDigitStep << "   /* tens to units of one pair */\n"
      << "#define SKIN_SENS_W " << kSensW << "\n#define SKIN_SENS_H " << kSensH << "\n"
      << "#define SKIN_SENS_ROW_Y " << kRowY << "\n"
      << "#define SKIN_SENS_ANTENNA_X " << kSensAntennaX << "\n#define SKIN_SENS_DIGITS_X " << kSensDigitsX
      << "\n#define SKIN_SENS_SIGN_X " << kSensSignX << "\n"
      << "#define SKIN_SOURCE_W " << kSourceW << "\n#define SKIN_SOURCE_H " << kSourceH << "\n";
    h << "\n/* Sliders: a bar window is as thick as its thumb; the volume wedge is the\n"
         " * volume control's fixed 60 px. Three page tabs take the wider track. */\n"
      << "#define SKIN_THUMB_W " << kThumbD << "\n#define SKIN_THUMB_H " << kThumbD << "\n"
      << "#define SKIN_SLIDER_THICKNESS " << kThumbD << "\n"
      << "#define SKIN_SLIDER_CORNER " << kCornerLen << "   /* length of a start or end corner */\n"
      << "#define SKIN_SLIDER_TILE " << kTileLen << "   /* length of the middle piece */\n"
      << "#define SKIN_VOLUME_W " << kVolumeW << "\n#define SKIN_VOLUME_H " << kVolumeH << "\n"
      << "#define SKIN_TRACK3_X " << kTrack3X << "\n#define SKIN_TRACK3_W " << kTrack3W << "\n"
      << "#define SKIN_SECTION_LABEL_SHORT_W " << kShortLabelW << "\n"
      << "#define SKIN_VALUE_W " << kValueW << "\n#define SKIN_VALUE_H " << kValueH << "\n"
      << "#define SKIN_VALUE_SHORT_W " << kShortValueW << "\n";
    h << "\n/* Lists: the scroll bar is as thick as its arrows (its window's size comes\n"
         " * from Create); the vertical strip shows SKIN_LIST_ROWS rows; the\n"
         " * horizontal strip shows three tiles and the start of a fourth. Four page tabs take the\n"
         " * four-tab track. */\n"
      << "#define SKIN_SCROLL_THICKNESS " << kScrollThick << "\n#define SKIN_SCROLL_ARROW " << kScrollThick << "\n"
      << "#define SKIN_SCROLL_TILE " << kScrollTile << "   /* length of a track tile */\n"
      << "#define SKIN_LIST_W " << kListW << "\n#define SKIN_LIST_H " << kListH << "\n"
      << "#define SKIN_LIST_ROW_W " << kListRowW << "\n#define SKIN_LIST_ROW_H " << kListRowH << "\n"
      << "#define SKIN_LIST_ROWS " << kListRows << "\n"
      << "#define SKIN_TILE_W " << kTileW << "   /* a tile's card and the gap at its right */\n"
      << "#define SKIN_TILE_H " << kTileH << "\n#define SKIN_TILE_GAP " << kTileGap << "\n"
      << "#define SKIN_TILE_STRIP_W " << kTileStripW << "\n#define SKIN_TILE_STRIP_H " << kTileStripH << "\n"
      << "#define SKIN_TRACK4_X " << kTrack4X << "\n#define SKIN_TRACK4_W " << kTrack4W << "\n"
      << "#define SKIN_PAGE_TAB4_W " << kTab4W << "\n"
      << "#define SKIN_VALUE_WIDE_W " << kWideValueW << "\n";
    h << "\n/* Text: five page tabs take the five-tab track, each tab as wide as its\n"
         " * label (tabs of 80, 72, 60, 52 and 52 px). A text field is a plate\n"
         " * (FIELD_*) with its edit box (EDIT_*) at (SKIN_EDIT_*_X, SKIN_EDIT_*_Y)\n"
         " * on it; the plates keep SKIN_FIELD_MARGIN px round the field for the\n"
         " * focus glow, so place a plate that much up and left of where the field\n"
         " * shows. */\n"
      << "#define SKIN_TRACK5_X " << kTrack5X << "\n#define SKIN_TRACK5_W " << kTrack5W << "\n"
      << "#define SKIN_PAGE_TAB72_W 72\n#define SKIN_PAGE_TAB60_W 60\n#define SKIN_PAGE_TAB52_W 52\n"
      << "#define SKIN_FIELD_MARGIN " << kFieldMargin << "\n"
      << "#define SKIN_FIELD_L_W " << kFieldL.width << "\n#define SKIN_FIELD_L_H " << kFieldL.height << "\n"
      << "#define SKIN_EDIT_L_X " << kFieldL.editX << "\n#define SKIN_EDIT_L_Y " << kFieldL.editY
      << "   /* one 18 px line (15 px Tahoma) in the middle of the field */\n"
      << "#define SKIN_EDIT_L_W " << kFieldL.editW << "\n#define SKIN_EDIT_L_H " << kFieldL.editH << "\n"
      << "#define SKIN_FIELD_SEARCH_W " << kFieldS.width << "\n#define SKIN_FIELD_SEARCH_H " << kFieldS.height
      << "\n#define SKIN_EDIT_SEARCH_X " << kFieldS.editX << "\n#define SKIN_EDIT_SEARCH_Y " << kFieldS.editY
      << "   /* one 15 px line (13 px Tahoma) */\n"
      << "#define SKIN_EDIT_SEARCH_W " << kFieldS.editW << "\n#define SKIN_EDIT_SEARCH_H " << kFieldS.editH
      << "\n";
    h << "\n/* Frames: the thirteen pieces are numbered in the order CFrameWindow takes\n"
         " * them (SKIN_FRAME_TOPLEFT_MASK .. SKIN_FRAME_TITLEBAR). Edges and title\n"
         " * bar set the bands: the top band is SKIN_FRAME_TOP_BAND (top edge and\n"
         " * title bar), the sides SKIN_FRAME_EDGE, the bottom SKIN_FRAME_BOTTOM_H.\n"
         " * Title bar controls sit at these heights from the frame's top; the grip\n"
         " * at (W - 12, H - SKIN_FRAME_GRIP_SIZE). Inside the edges the frame shows the\n"
         " * well colour SKIN_COLOR_FRAME_WELL. */\n"
      << "#define SKIN_FRAME_EDGE " << kFrameEdge << "\n#define SKIN_FRAME_TITLE_H " << kFrameTitleH << "\n"
      << "#define SKIN_FRAME_TOP_BAND " << kFrameBand << "\n#define SKIN_FRAME_BOTTOM_H " << kFrameBottom << "\n"
      << "#define SKIN_FRAME_CORNER_W " << kFrameCornerW << "\n"
      << "#define SKIN_FRAME_BUTTON_W " << kFrameButtonD << "\n#define SKIN_FRAME_BUTTON_H " << kFrameButtonD
      << "\n#define SKIN_FRAME_BUTTON_Y " << kFrameButtonY << "\n"
      << "#define SKIN_FRAME_CAPTION_W " << kFrameCaptionW << "\n#define SKIN_FRAME_CAPTION_H " << kFrameCaptionH
      << "\n#define SKIN_FRAME_CAPTION_Y " << kFrameCaptionY << "\n"
      << "#define SKIN_FRAME_TEXT_W " << kFrameTextW << "\n#define SKIN_FRAME_GRIP_SIZE " << kFrameGrip << "\n"
      << "#define SKIN_POPUP_W " << kPopW << "\n#define SKIN_POPUP_H " << kPopH << "\n";
    h << "\n/* Tab wheel: the wheel window (SKIN_WHEEL_W wide, one tab high) sits at\n"
         " * (SKIN_WHEEL_PAD, SKIN_WHEEL_PAD) on its plate; labels at y =\n"
         " * SKIN_WHEEL_TEXT_Y on the tab faces. Six page tabs take the six-tab track\n"
         " * (tabs of 62, 72, 52, 42, 40 and 48 px, labels in an 11 px bold font). */\n"
      << "#define SKIN_WHEEL_TAB_W " << kWheelTabW << "\n#define SKIN_WHEEL_TAB_H " << kWheelTabH << "\n"
      << "#define SKIN_WHEEL_W " << kWheelW << "\n#define SKIN_WHEEL_PAD " << kWheelPad << "\n"
      << "#define SKIN_WHEEL_PLATE_W " << kWheelPlateW << "\n#define SKIN_WHEEL_PLATE_H " << kWheelPlateH << "\n"
      << "#define SKIN_WHEEL_TEXT_Y " << kWheelTextY << "\n"
      << "#define SKIN_TRACK6_X " << kTrack6X << "\n#define SKIN_TRACK6_W " << kTrack6W << "\n"
      << "#define SKIN_PAGE_TAB62_W 62\n#define SKIN_PAGE_TAB42_W 42\n#define SKIN_PAGE_TAB40_W 40\n"
      << "#define SKIN_PAGE_TAB48_W 48\n";
    h << "\n/* Combo box: display SKIN_COMBO_ROW_W x SKIN_COMBO_ROW_H with the button\n"
         " * (SKIN_COMBO_BUTTON_W wide) at its right; the list SKIN_COMBO_LIST_W x\n"
         " * SKIN_COMBO_LIST_H (give these to Create) with its bar at its right.\n"
         " * List control: vertical bar SKIN_SCROLL_THICKNESS x SKIN_TABLE_VBAR_H at\n"
         " * the left, header SKIN_TABLE_HEADER_H high, columns of the widths below,\n"
         " * SKIN_TABLE_ROWS rows of SKIN_TABLE_ROW_H in view. Seven page tabs take\n"
         " * the seven-tab track beside the narrow title badge. */\n"
      << "#define SKIN_COMBO_ROW_W " << kComboRowW << "\n#define SKIN_COMBO_ROW_H " << kComboRowH << "\n"
      << "#define SKIN_COMBO_BUTTON_W " << kComboButtonW << "\n#define SKIN_COMBO_W " << kComboW << "\n"
      << "#define SKIN_COMBO_LIST_W " << kComboListW << "\n#define SKIN_COMBO_LIST_H " << kComboListH << "\n"
      << "#define SKIN_COMBO_ROWS " << kComboRows << "\n"
      << "#define SKIN_TABLE_W " << kTableW << "\n#define SKIN_TABLE_H " << kTableH << "\n"
      << "#define SKIN_TABLE_VBAR_H " << kTableVBarH << "\n#define SKIN_TABLE_HEADER_H " << kTableHeaderH << "\n"
      << "#define SKIN_TABLE_ROW_H " << kTableRowH << "\n#define SKIN_TABLE_ROWS " << kTableRows << "\n"
      << "#define SKIN_TABLE_NAME_W " << kTableColumnW[0] << "\n#define SKIN_TABLE_SIZE_W " << kTableColumnW[1]
      << "\n#define SKIN_TABLE_DATE_W " << kTableColumnW[2] << "\n"
      << "#define SKIN_TRACK7_X " << kTrack7X << "\n#define SKIN_TRACK7_W " << kTrack7W << "\n"
      << "#define SKIN_TITLE_COMPACT_W " << kTitleCompactW << "\n";
    h << "\n/* Colours (COLORREF, 0x00BBGGRR). */\n"
      << "#define SKIN_COLOR_KEY        " << Colour(kKeyColor) << "   /* cut away: the transparent colour */\n"
      << "#define SKIN_COLOR_BODY       " << Colour(kBody) << "   /* flat panel body */\n"
      << "#define SKIN_COLOR_TEXT       " << Colour(kText) << "   /* text on slate faces */\n"
      << "#define SKIN_COLOR_TEXT_MUTED " << Colour(kTextMuted) << "   /* labels, status line */\n"
      << "#define SKIN_COLOR_ON_ACCENT  " << Colour(kOnAccent) << "   /* text on accent faces */\n"
      << "#define SKIN_COLOR_ACCENT     " << Colour(kAccent) << "\n"
      << "#define SKIN_COLOR_FRAME_WELL " << Colour(kDesk) << "   /* inside a frame's edges */\n"
      << "#define SKIN_COLOR_PLAY       " << Colour(Pack(Mix(Hex(kPlay), Hex(kWhite), 0.25f))) << "   /* badge texts */\n"
      << "#define SKIN_COLOR_PAUSE      " << Colour(Pack(Mix(Hex(kPause), Hex(kWhite), 0.25f))) << "\n"
      << "#define SKIN_COLOR_STOP       " << Colour(Pack(Mix(Hex(kStop), Hex(kWhite), 0.25f))) << "\n";
    h << "\n#endif\n";
    return h.str();
}

// The number of the image named `name` (0 when there is none).
int Number(const std::vector<Image>& t, const char* name) {
    for (size_t i = 0; i < t.size(); ++i)
        if (std::strcmp(t[i].name, name) == 0) return int(i + 1);
    return 0;
}

// "first-last" of a run of images, by the names of its two ends.
std::string Run(const std::vector<Image>& t, const char* first, const char* last) {
    return std::to_string(Number(t, first)) + "-" + std::to_string(Number(t, last));
}

std::string Readme(const std::vector<Image>& t) {
    std::ostringstream r;
    r << "# Default skin\n\n"
         "`default.tsk` is Tessaro's default skin: one deep slate panel, one blue accent (#4F7CFF), light "
         "text (#E6EAF2). It is drawn in code by `tools/mkskin` (run `bash tools/mkskin/make-skin.sh`), "
         "which also writes this file and `DefaultSkin.h` (`#define SKIN_<NAME> <number>` for every image, "
         "plus sizes, positions and text colours). Do not edit the three files by hand.\n\n"
         "- Every image is a 24-bit BMP. The transparent colour is magenta `#FF00FF` "
         "(`RGB(255, 0, 255)`, Create's `crTransparent`); it appears only where an outline is cut.\n"
         "- Outlines are anti-aliased (4x4 supersampling) against the colour the image sits on: the panel "
         "body `#1A202B` for controls, the header band's gradient for the title badge and subtitle, "
         "`#0B0E14` for the panel's own edge, the display plates' dark inside `#0B0F15` for digits, marks, "
         "signs and antennas. Place controls on the panel body and display parts on their plate.\n"
         "- Region frames (`*_REGION`) are flat grey silhouettes: grey is kept, magenta is cut. Images "
         "described as \"their own region frame\" pass the same number as region and face.\n"
         "- Numbers are stable. New images are appended at the end of the table in "
         "`tools/mkskin/mkskin.cpp`; nothing is ever renumbered.\n\n"
         "| # | Name (`SKIN_...`) | Size | Purpose |\n|---:|---|---|---|\n";
    for (size_t i = 0; i < t.size(); ++i)
        r << "| " << (i + 1) << " | `" << t[i].name << "` | " << t[i].width << "x" << t[i].height << " | "
          << t[i].purpose << " |\n";
    r << "\nFrame sets, in the order the controls take them:\n\n"
         "- Push button (`CBitmapButton`): region 5; primary normal 6, disabled 7, over 8, pushed 9; "
         "secondary normal 10, disabled 11, over 12, pushed 13.\n"
         "- Check box (`CChckRadBitmapButton`): region 14, normal 15, disabled 16, selected 17, pushed 18. "
         "Label text goes right of the box (from x = 30).\n"
         "- Radio button: region 19, normal 20, disabled 21, selected 22, pushed 23.\n"
         "- Mode buttons (`CMultiBitmapButton` items): region 24; play 25-28, pause 29-32, stop 33-36 "
         "(normal, disabled, over, pushed).\n"
         "- Mode badges (`CMultiBitmapWindow` items): region 37; play 38, pause 39, stop 40, disabled 41.\n"
         "- Status line (`CBitmapWindow`): region 42, normal 43, disabled 44. Text goes right of the dot "
         "(from x = 30).\n";
    auto n = [&t](const char* name) { return Number(t, name); };
    r << "- Gallery page plate (`CBitmapWindow`, its own region): " << n("PAGE") << ", placed at "
         "(SKIN_PAGE_X, SKIN_PAGE_Y) on the panel. Page tab track: " << n("PAGE_TRACK") << ". Page tabs "
         "(`CChckRadBitmapButton`): region " << n("PAGE_TAB_REGION") << ", normal " << n("PAGE_TAB_NORMAL")
      << ", disabled " << n("PAGE_TAB_DISABLED") << ", selected " << n("PAGE_TAB_SELECTED") << ", pushed "
      << n("PAGE_TAB_PUSHED") << ". Header note: " << n("NOTE") << ".\n"
         "- Small push button (`CBitmapButton`): region " << n("SMALL_BUTTON_REGION") << ", normal "
      << n("SMALL_BUTTON_NORMAL") << ", disabled " << n("SMALL_BUTTON_DISABLED") << ", over "
      << n("SMALL_BUTTON_OVER") << ", pushed " << n("SMALL_BUTTON_PUSHED") << ".\n"
         "- Channel display: plate " << n("CHANNEL_PLATE") << " (its own region); big digits 0-9 "
      << Run(t, "DIGIT_L_0", "DIGIT_L_9") << ", unlit " << n("DIGIT_L_OFF")
      << " (items 0-9 of each digit window, outline unchanged: region 0 in the item, -1 for the window).\n"
         "- Time display (`CTimeView`): background " << n("TIME_PLATE") << " (its own region); small digits 0-9 "
      << Run(t, "DIGIT_S_0", "DIGIT_S_9") << ", unlit " << n("DIGIT_S_OFF") << "; colon " << n("COLON")
      << ", unlit " << n("COLON_OFF") << "; marks (lit, unlit) PM " << n("MARK_PM") << "/" << n("MARK_PM_OFF")
      << ", AM " << n("MARK_AM") << "/" << n("MARK_AM_OFF") << ", PLAY " << n("MARK_PLAY") << "/"
      << n("MARK_PLAY_OFF") << ", EXP " << n("MARK_EXP") << "/" << n("MARK_EXP_OFF") << ", REC "
      << n("MARK_REC") << "/" << n("MARK_REC_OFF") << ". Where they go on the plate: `SKIN_TIME_*_X`, "
         "`SKIN_TIME_ROW_Y`.\n"
         "- Signal display (`CSensView`): face " << n("SENS_FACE") << " (its own region); antenna levels 0-5 "
      << Run(t, "ANTENNA_0", "ANTENNA_5") << ", unlit " << n("ANTENNA_OFF") << "; digits as for the time "
         "display; signs dB " << n("SIGN_DB") << "/" << n("SIGN_DB_OFF") << ", % " << n("SIGN_PERCENT") << "/"
      << n("SIGN_PERCENT_OFF") << " (lit, unlit). Where they go on the face: `SKIN_SENS_*_X`, "
         "`SKIN_SENS_ROW_Y`.\n"
         "- Input source picture (`CMultiBitmapWindow` items, switched by `CTab`): region "
      << n("SOURCE_REGION") << "; TV " << n("SOURCE_TV") << ", RADIO " << n("SOURCE_RADIO") << ", AUX "
      << n("SOURCE_AUX") << ", disabled " << n("SOURCE_DISABLED") << ". The name goes right of the icon "
         "(from x = 34).\n";
    r << "- Slider bar (`CBitmapSliderBar`, the form with corners; window size from Create, as thick as the "
         "thumb: SKIN_SLIDER_THICKNESS): horizontal middle normal " << n("SLIDER_H_MIDDLE") << ", disabled "
      << n("SLIDER_H_MIDDLE_DISABLED") << "; start region " << n("SLIDER_H_START_REGION") << ", normal "
      << n("SLIDER_H_START") << ", disabled " << n("SLIDER_H_START_DISABLED") << "; end region "
      << n("SLIDER_H_END_REGION") << ", normal " << n("SLIDER_H_END") << ", disabled "
      << n("SLIDER_H_END_DISABLED") << ". Vertical likewise: middle " << n("SLIDER_V_MIDDLE") << "/"
      << n("SLIDER_V_MIDDLE_DISABLED") << ", start " << n("SLIDER_V_START_REGION") << "/" << n("SLIDER_V_START")
      << "/" << n("SLIDER_V_START_DISABLED") << ", end " << n("SLIDER_V_END_REGION") << "/" << n("SLIDER_V_END")
      << "/" << n("SLIDER_V_END_DISABLED") << ".\n"
         "- Progressive bar (`CBitmapProgressiveSliderBar`): as the slider bar, plus the progress pieces: "
         "horizontal start " << n("SLIDER_H_START_PROGRESS") << ", middle " << n("SLIDER_H_MIDDLE_PROGRESS")
      << ", end " << n("SLIDER_H_END_PROGRESS") << "; vertical start " << n("SLIDER_V_START_PROGRESS")
      << ", middle " << n("SLIDER_V_MIDDLE_PROGRESS") << ", end " << n("SLIDER_V_END_PROGRESS") << ".\n"
         "- Slider thumb (`CBitmapSlider`, the bar's first child window): region " << n("THUMB_REGION")
      << ", normal " << n("THUMB_NORMAL") << ", disabled " << n("THUMB_DISABLED") << ", over " << n("THUMB_OVER")
      << ", pushed " << n("THUMB_PUSHED") << ". One thumb serves both orientations.\n"
         "- Volume control (`CBitmapVolume`): region " << n("VOLUME_REGION") << ", lit (normal) "
      << n("VOLUME_LIT") << ", empty (disabled) " << n("VOLUME_EMPTY") << ".\n"
         "- Gallery: tab track for three page tabs " << n("PAGE_TRACK3") << " (at SKIN_TRACK3_X, SKIN_TRACK_Y); "
         "short section heading " << n("SECTION_LABEL_SHORT") << "; value strips " << n("VALUE") << " and (short) "
      << n("VALUE_SHORT") << ".\n";
    r << "- Scroll bar (`CBitmapScrollBarButton`, window size from Create, as thick as its arrows: "
         "SKIN_SCROLL_THICKNESS). Vertical: bar {-1, track " << n("SCROLL_V_TRACK") << ", disabled "
      << n("SCROLL_V_TRACK_DISABLED") << "}; up arrow " << Run(t, "SCROLL_UP_REGION", "SCROLL_UP_PUSHED")
      << ", down arrow " << Run(t, "SCROLL_DOWN_REGION", "SCROLL_DOWN_PUSHED") << " (region, normal, disabled, "
         "over, pushed); counter normal " << n("SCROLL_V_COUNTER") << ", disabled " << n("SCROLL_V_COUNTER_DISABLED")
      << ", over " << n("SCROLL_V_COUNTER_OVER") << ". Horizontal: track " << n("SCROLL_H_TRACK") << "/"
      << n("SCROLL_H_TRACK_DISABLED") << "; left arrow " << Run(t, "SCROLL_LEFT_REGION", "SCROLL_LEFT_PUSHED")
      << ", right arrow " << Run(t, "SCROLL_RIGHT_REGION", "SCROLL_RIGHT_PUSHED") << "; counter "
      << n("SCROLL_H_COUNTER") << "/" << n("SCROLL_H_COUNTER_DISABLED") << "/" << n("SCROLL_H_COUNTER_OVER")
      << ". The arrows' outer corners are cut, so the trough has round ends.\n"
         "- Vertical item strip (`CDispalyMultiBitmapWindow`, vertical): region " << n("LIST_REGION")
      << ", background " << n("LIST_WELL") << " (SKIN_LIST_ROWS rows tall); rows (region = normal, normal, "
         "disabled, -, selected as pushed): news " << n("LIST_ROW_NEWS") << "/" << n("LIST_ROW_NEWS_SELECTED")
      << ", sports " << n("LIST_ROW_SPORTS") << "/" << n("LIST_ROW_SPORTS_SELECTED") << ", film "
      << n("LIST_ROW_FILM") << "/" << n("LIST_ROW_FILM_SELECTED") << ", music " << n("LIST_ROW_MUSIC") << "/"
      << n("LIST_ROW_MUSIC_SELECTED") << ", disabled " << n("LIST_ROW_DISABLED") << ". Light text "
         "(SKIN_COLOR_TEXT) reads on both faces; a 13 px font sits in the row.\n"
         "- Horizontal item strip: background " << n("TILE_STRIP") << " (its own region); tiles (normal, "
         "selected) film " << n("TILE_FILM") << "/" << n("TILE_FILM_SELECTED") << ", series " << n("TILE_SERIES")
      << "/" << n("TILE_SERIES_SELECTED") << ", sports " << n("TILE_SPORTS") << "/" << n("TILE_SPORTS_SELECTED")
      << ", news " << n("TILE_NEWS") << "/" << n("TILE_NEWS_SELECTED") << ", music " << n("TILE_MUSIC") << "/"
      << n("TILE_MUSIC_SELECTED") << ", kids " << n("TILE_KIDS") << "/" << n("TILE_KIDS_SELECTED")
      << ", disabled " << n("TILE_DISABLED") << ".\n"
         "- Gallery: tab track for four page tabs " << n("PAGE_TRACK4") << " (at SKIN_TRACK4_X, SKIN_TRACK_Y) "
         "with narrow page tabs: region " << n("PAGE_TAB4_REGION") << ", normal " << n("PAGE_TAB4_NORMAL")
      << ", disabled " << n("PAGE_TAB4_DISABLED") << ", selected " << n("PAGE_TAB4_SELECTED") << ", pushed "
      << n("PAGE_TAB4_PUSHED") << "; wide value strip " << n("VALUE_WIDE") << ".\n";
    r << "- Gallery: tab track for five page tabs " << n("PAGE_TRACK5") << " (at SKIN_TRACK5_X, SKIN_TRACK_Y), "
         "holding tabs of 80 px (the narrow tab above), 72 px (" << Run(t, "PAGE_TAB72_REGION", "PAGE_TAB72_PUSHED")
      << "), 60 px (" << Run(t, "PAGE_TAB60_REGION", "PAGE_TAB60_PUSHED") << ") and 52 px ("
      << Run(t, "PAGE_TAB52_REGION", "PAGE_TAB52_PUSHED") << "), each as region, normal, disabled, selected, "
         "pushed.\n"
         "- Text field (`CBitmapEditBox` on a `CBitmapWindow` plate). The edit box writes its text from its "
         "top-left corner without padding, so the plate draws the field and the box is the field's flat "
         "inside, at (SKIN_EDIT_*_X, SKIN_EDIT_*_Y) on the plate. Field for a 15 px font: plate region "
      << n("FIELD_L_REGION") << ", normal " << n("FIELD_L") << ", focused " << n("FIELD_L_FOCUSED")
      << ", disabled " << n("FIELD_L_DISABLED") << "; edit box normal " << n("EDIT_L") << ", disabled "
      << n("EDIT_L_DISABLED") << " (region -1). Search field for a 13 px font: plate region "
      << n("FIELD_SEARCH_REGION") << ", normal " << n("FIELD_SEARCH") << ", focused " << n("FIELD_SEARCH_FOCUSED")
      << ", disabled " << n("FIELD_SEARCH_DISABLED") << "; edit box " << n("EDIT_SEARCH") << ", disabled "
      << n("EDIT_SEARCH_DISABLED") << ". The plates keep a SKIN_FIELD_MARGIN px margin for the focus glow; "
         "the host shows the focused plate while its box has the keyboard focus.\n";
    r << "- Frame (`CFrameWindow`, transparent colour of the masks: the key colour): the thirteen pieces "
      << Run(t, "FRAME_TOPLEFT_MASK", "FRAME_TITLEBAR") << " in the constructor's order (top-left mask, image, "
         "top edge, top-right mask, image, right edge, bottom-right mask, image, bottom edge, bottom-left mask, "
         "image, left edge, title bar). Bands: top " << kFrameBand << " px (top edge " << kFrameEdge
      << " + title bar " << kFrameTitleH << "), sides " << kFrameEdge << ", bottom " << kFrameBottom
      << "; inside them the well, `#0B0E14`. Title bar controls (`CBitmapButton`, region "
      << n("FRAME_BUTTON_REGION") << "; normal, disabled, over, pushed): close "
      << Run(t, "FRAME_CLOSE_NORMAL", "FRAME_CLOSE_PUSHED") << ", minimise "
      << Run(t, "FRAME_MINIMISE_NORMAL", "FRAME_MINIMISE_PUSHED") << ", pop-up "
      << Run(t, "FRAME_POPUP_NORMAL", "FRAME_POPUP_PUSHED") << ", at y = SKIN_FRAME_BUTTON_Y; caption "
      << n("FRAME_CAPTION") << " and text strip " << n("FRAME_TEXT") << " (their own regions) at y = "
         "SKIN_FRAME_CAPTION_Y; size grip " << n("FRAME_GRIP") << " at (W - 12, H - 8), anchored to the "
         "bottom-right corner.\n"
         "- Pop-up panel (`CPopUpWindow`): region " << n("POPUP_REGION") << ", normal " << n("POPUP")
      << ", disabled " << n("POPUP_DISABLED") << "; controls go on its flat body below the handle "
         "(from y = 20).\n";
    r << "- Tab wheel (`CWheelWindow`): plate " << n("WHEEL_PLATE") << " (`CBitmapWindow`, its own region) "
         "with the wheel window (SKIN_WHEEL_W x SKIN_WHEEL_TAB_H) at (SKIN_WHEEL_PAD, SKIN_WHEEL_PAD) on it; "
         "tabs of SKIN_WHEEL_TAB_W x SKIN_WHEEL_TAB_H, active " << n("WHEEL_TAB_ACTIVE") << ", normal "
      << n("WHEEL_TAB_NORMAL") << ". Labels in SKIN_COLOR_TEXT at y = SKIN_WHEEL_TEXT_Y; one colour per tab "
         "serves both faces.\n"
         "- Gallery: tab track for six page tabs " << n("PAGE_TRACK6") << " (at SKIN_TRACK6_X, SKIN_TRACK_Y), "
         "holding tabs of 62 px (" << Run(t, "PAGE_TAB62_REGION", "PAGE_TAB62_PUSHED") << "), 72 and 52 px (the "
         "five-tab track's), 42 px (" << Run(t, "PAGE_TAB42_REGION", "PAGE_TAB42_PUSHED") << "), 40 px ("
      << Run(t, "PAGE_TAB40_REGION", "PAGE_TAB40_PUSHED") << ") and 48 px ("
      << Run(t, "PAGE_TAB48_REGION", "PAGE_TAB48_PUSHED") << "), each as region, normal, disabled, selected, "
         "pushed.\n";
    r << "- Combo box (`CComboBoxBitmap`): list {" << n("COMBO_LIST_REGION") << ", " << n("COMBO_LIST") << ", "
      << n("COMBO_LIST") << "}, display {" << n("COMBO_DISPLAY_REGION") << ", " << n("COMBO_DISPLAY") << ", "
      << n("COMBO_DISPLAY_DISABLED") << "}, button " << Run(t, "COMBO_BUTTON_REGION", "COMBO_BUTTON_PUSHED")
      << " (region, normal, disabled, over, pushed), scroll bar {" << n("COMBO_BAR_REGION")
      << ", track " << n("SCROLL_V_TRACK") << ", " << n("SCROLL_V_TRACK_DISABLED") << "} with the vertical "
         "arrows and counter above; list size SKIN_COMBO_LIST_W x SKIN_COMBO_LIST_H. Items {"
      << n("COMBO_DISPLAY_REGION") << " (the display's outline), "
      << n("COMBO_ITEM") << ", " << n("COMBO_ITEM_DISABLED") << ", " << n("COMBO_ITEM") << ", "
      << n("COMBO_ITEM_SELECTED") << "}.\n"
         "- List control (`CListeBitmap`): list {" << n("TABLE_REGION") << ", " << n("TABLE") << ", "
      << n("TABLE") << "}, header {" << n("TABLE_HEADER") << " x3}, vertical bar {" << n("TABLE_VBAR_REGION")
      << ", " << n("SCROLL_V_TRACK") << ", " << n("SCROLL_V_TRACK_DISABLED") << "}, horizontal bar {"
      << n("TABLE_HBAR_REGION") << ", " << n("SCROLL_H_TRACK") << ", " << n("SCROLL_H_TRACK_DISABLED")
      << "}, counters as above. Columns name, size, date: titles (normal, pushed) "
      << Run(t, "TABLE_TITLE_NAME", "TABLE_TITLE_DATE_PUSHED") << ", backgrounds "
      << Run(t, "TABLE_COLUMN_NAME", "TABLE_COLUMN_DATE") << ", cells (normal, selected) "
      << Run(t, "TABLE_CELL_NAME", "TABLE_CELL_DATE_SELECTED") << ". The list gives its bars no transparent "
         "colour, so their arrows are the uncut ones: left " << Run(t, "TABLE_LEFT_NORMAL", "TABLE_LEFT_PUSHED")
      << ", right " << Run(t, "TABLE_RIGHT_NORMAL", "TABLE_RIGHT_PUSHED") << ", up "
      << Run(t, "TABLE_UP_NORMAL", "TABLE_UP_PUSHED") << ", down " << Run(t, "TABLE_DOWN_NORMAL", "TABLE_DOWN_PUSHED")
      << " (normal, disabled, over, pushed; the normal face serves as the region).\n"
         "- Gallery, seven pages: narrow title badge " << Run(t, "TITLE_COMPACT_REGION", "TITLE_COMPACT_DISABLED")
      << " (region, face, disabled) and tab track for seven page tabs " << n("PAGE_TRACK7")
      << " (at SKIN_TRACK7_X, SKIN_TRACK_Y); the seventh tab is the 48 px one.\n";
    return r.str();
}

// Reads the written container back through the library's own decoder and
// compares every pixel.
bool Verify(const std::string& bytes, const std::vector<std::vector<uint32_t> >& images,
            const std::vector<Image>& t) {
    pixorel::SkinTable table;
    if (!pixorel::OpenSkin((const uint8_t*)bytes.data(), bytes.size(), &table) || table.count != t.size()) {
        std::fprintf(stderr, "mkskin: the container does not open\n");
        return false;
    }
    for (size_t i = 0; i < t.size(); ++i) {
        const uint8_t* data;
        size_t size;
        pixorel::BmpInfo info;
        if (pixorel::FindSkinImage(table, int(i + 1), &data, &size) != pixorel::kEntryImage ||
            !pixorel::ReadBmpInfo(data, size, &info) || info.width != t[i].width || info.height != t[i].height) {
            std::fprintf(stderr, "mkskin: image %zu does not read back\n", i + 1);
            return false;
        }
        std::vector<uint32_t> px(size_t(info.width) * info.height);
        if (!pixorel::DecodeBmp(data, size, info, px.data())) return false;
        for (size_t k = 0; k < px.size(); ++k)
            if ((px[k] & 0xFFFFFF) != images[i][k]) {
                std::fprintf(stderr, "mkskin: image %zu differs at pixel %zu\n", i + 1, k);
                return false;
            }
    }
    return true;
}

// All images on one sheet, for looking at the skin.
std::string Sheet(const std::vector<std::vector<uint32_t> >& images, const std::vector<Image>& t) {
    const int W = 1300, pad = 12;
    int x = pad, y = pad, rowH = 0;
    std::vector<std::pair<int, int> > at;
    for (size_t i = 0; i < t.size(); ++i) {
        if (x + t[i].width + pad > W) { x = pad; y += rowH + pad; rowH = 0; }
        at.push_back(std::make_pair(x, y));
        x += t[i].width + pad;
        rowH = std::max(rowH, t[i].height);
    }
    int H = y + rowH + pad;
    std::vector<uint32_t> sheet(size_t(W) * H, 0x3A3F47);
    for (size_t i = 0; i < t.size(); ++i)
        for (int yy = 0; yy < t[i].height; ++yy)
            for (int xx = 0; xx < t[i].width; ++xx)
                sheet[size_t(at[i].second + yy) * W + at[i].first + xx] = images[i][size_t(yy) * t[i].width + xx];
    return Bmp24(W, H, sheet);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: mkskin OUTDIR [--sheet FILE.bmp]\n");
        return 2;
    }
    std::string dir = argv[1], sheetPath;
    for (int i = 2; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--sheet") == 0) sheetPath = argv[i + 1];

    std::vector<Image> table = BuildTable();
    std::vector<std::vector<uint32_t> > pixels;
    std::vector<std::string> bmps;
    for (size_t i = 0; i < table.size(); ++i) {
        Canvas canvas(table[i].width, table[i].height, table[i].under);
        table[i].draw(canvas);
        pixels.push_back(canvas.Pixels());
        bmps.push_back(Bmp24(table[i].width, table[i].height, pixels.back()));
    }

    std::string skin = "TSKN";
    Put32(skin, 1);
    Put32(skin, uint32_t(table.size()));
    uint32_t offset = uint32_t(12 + 8 * table.size());
    for (size_t i = 0; i < bmps.size(); ++i) {
        Put32(skin, offset);
        Put32(skin, uint32_t(bmps[i].size()));
        offset += uint32_t(bmps[i].size());
    }
    for (size_t i = 0; i < bmps.size(); ++i) skin += bmps[i];

    if (!Verify(skin, pixels, table)) return 1;
    if (!WriteFile(dir + "/default.tsk", skin) || !WriteFile(dir + "/DefaultSkin.h", Header(table)) ||
        !WriteFile(dir + "/README.md", Readme(table))) {
        std::fprintf(stderr, "mkskin: cannot write into %s\n", dir.c_str());
        return 1;
    }
    if (!sheetPath.empty() && !WriteFile(sheetPath, Sheet(pixels, table))) return 1;
    std::printf("mkskin: %zu images, %zu bytes -> %s/default.tsk\n", table.size(), skin.size(), dir.c_str());
    return 0;
}
