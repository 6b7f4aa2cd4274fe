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
    // A faint accent glow in the header's top-left corner.
    c.Fill(Intersect(Offset(outline, -1), Circle(60, -40, 260)),
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

void DrawButton(Canvas& c, State state, bool primary) {
    Shape face = ButtonShape();
    switch (state) {
    case kNormal:
        if (primary) {
            c.Fill(face, VGradient(0, Hex(kAccentTop), 36, Hex(kAccentBottom)));
            TopSheen(c, face, 0.16f);
            c.Fill(Ring(face, 1), Under(kAccentBorder));
        } else {
            c.Fill(face, VGradient(0, Hex(kSurfaceTop), 36, Hex(kSurfaceBottom)));
            TopSheen(c, face, 0.07f);
            c.Fill(Ring(face, 1), Under(kSurfaceBorder));
        }
        break;
    case kOver:
        if (primary) {
            c.Fill(face, VGradient(0, Hex(kAccentOverTop), 36, Hex(kAccentOverBottom)));
            TopSheen(c, face, 0.20f);
            c.Fill(Ring(face, 1), Under(0x6A8FFF));
        } else {
            c.Fill(face, VGradient(0, Hex(kOverTop), 36, Hex(kOverBottom)));
            TopSheen(c, face, 0.09f);
            c.Fill(Ring(face, 1), Under(kAccent), 0.75f);
        }
        break;
    case kPushed:
        if (primary) {
            c.Fill(face, VGradient(0, Hex(kAccentPressTop), 36, Hex(kAccentPressBottom)));
            InnerShadow(c, face, 0.35f);
            c.Fill(Ring(face, 1), Under(0x2F50B8));
        } else {
            c.Fill(face, VGradient(0, Hex(kPressTop), 36, Hex(kPressBottom)));
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
    h << "\n/* Colours (COLORREF, 0x00BBGGRR). */\n"
      << "#define SKIN_COLOR_KEY        " << Colour(kKeyColor) << "   /* cut away: the transparent colour */\n"
      << "#define SKIN_COLOR_BODY       " << Colour(kBody) << "   /* flat panel body */\n"
      << "#define SKIN_COLOR_TEXT       " << Colour(kText) << "   /* text on slate faces */\n"
      << "#define SKIN_COLOR_TEXT_MUTED " << Colour(kTextMuted) << "   /* labels, status line */\n"
      << "#define SKIN_COLOR_ON_ACCENT  " << Colour(kOnAccent) << "   /* text on accent faces */\n"
      << "#define SKIN_COLOR_ACCENT     " << Colour(kAccent) << "\n"
      << "#define SKIN_COLOR_PLAY       " << Colour(Pack(Mix(Hex(kPlay), Hex(kWhite), 0.25f))) << "   /* badge texts */\n"
      << "#define SKIN_COLOR_PAUSE      " << Colour(Pack(Mix(Hex(kPause), Hex(kWhite), 0.25f))) << "\n"
      << "#define SKIN_COLOR_STOP       " << Colour(Pack(Mix(Hex(kStop), Hex(kWhite), 0.25f))) << "\n";
    h << "\n#endif\n";
    return h.str();
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
         "`#0B0E14` for the panel's own edge. Place controls on the panel body.\n"
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
