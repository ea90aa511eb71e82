// The six-colour scarlet macaw perched on a branch, facing right, drawn as outlined shapes.
#include "tools/common/colour.h"
#include "tools/sprites/palette_canvas.h"
#include "tools/sprites/sheets.h"

namespace sprites {
namespace {

enum : uint8_t { InkIndex = 1, RedIndex, DeepRedIndex, YellowIndex, BlueIndex, WhiteIndex };

const std::vector<glm::vec3>& ParrotPalette() {
  static const std::vector<glm::vec3> palette = {tools::Hex(0x1c0b22), tools::Hex(0xe3262e), tools::Hex(0x9a1233),
                                                 tools::Hex(0xffc72e), tools::Hex(0x1f6fe6), tools::Hex(0xf8f2e6)};
  return palette;
}

constexpr float OutlinePx = 6.0f;
constexpr float DetailPx = 2.5f;

std::vector<Point> Shifted(std::vector<Point> shape, float dx, float dy) {
  for (Point& p : shape) p = Point{p.x + dx, p.y + dy};
  return shape;
}

// Darkens the side of a shape away from the light: the shape, less itself moved towards the light.
void Shade(PaletteCanvas& art, const std::vector<Point>& shape, float dx, float dy, uint8_t base, uint8_t shade) {
  art.FillPolygon(shape, shade, base);
  art.FillPolygon(Shifted(shape, dx, dy), base, shade);
}

std::vector<Point> Curve(std::vector<CurvePoint> points) { return SmoothCurve(points, true); }

void DrawTail(PaletteCanvas& art) {
  art.FillOutlined(Feather({400, 740}, {215, 1005}, 78, -20), BlueIndex, InkIndex, OutlinePx);
  art.FillOutlined(Feather({415, 745}, {300, 1012}, 84, -10), RedIndex, InkIndex, OutlinePx);
  const std::vector<Point> front = Feather({430, 745}, {380, 1000}, 74, 8);
  art.FillOutlined(front, RedIndex, InkIndex, OutlinePx);
  art.FillPolygon(Ellipse(380, 985, 40, 90), BlueIndex, RedIndex);  // the blue tip
  art.StrokeLine(SmoothCurve({{418, 790}, {398, 900}, {382, 990}}, false), DetailPx, InkIndex, RedIndex);
}

std::vector<Point> BodyShape() {
  return Curve({{430, 330}, {560, 330}, {612, 430}, {620, 540}, {585, 650}, {520, 740},
                {450, 800}, {392, 760}, {350, 640}, {355, 500}, {385, 400}});
}

std::vector<Point> HeadShape() { return Ellipse(520, 250, 128, 122, -10); }

void DrawBodyAndHead(PaletteCanvas& art) {
  const std::vector<Point> body = BodyShape(), head = HeadShape();
  art.StrokeLoop(body, OutlinePx, InkIndex);
  art.StrokeLoop(head, OutlinePx, InkIndex);
  art.FillPolygon(body, RedIndex);
  art.FillPolygon(head, RedIndex);
  Shade(art, body, 38, -10, RedIndex, DeepRedIndex);
  Shade(art, head, 26, 18, RedIndex, DeepRedIndex);
  for (int row = 0; row < 4; ++row) {  // feather scallops down the chest
    for (int k = 0; k < 3; ++k) {
      const float x = 520 + k * 30 - row * 12, y = 420 + row * 55 + k * 8;
      art.StrokeLine(SmoothCurve({{x - 18, y}, {x, y + 12}, {x + 18, y}}, false), DetailPx, DeepRedIndex, RedIndex);
    }
  }
}

std::vector<Point> WingShape() {
  std::vector<CurvePoint> points = {{440, 385}, {540, 420}, {568, 520}, {540, 640}, {470, 770},
                                    {300, 965}, {318, 820}, {325, 640}, {350, 480}};
  points[5].sharp = true;
  return Curve(points);
}

// A scalloped edge across the wing: the region above it, for painting one band of feathers.
std::vector<Point> ScallopedBand(float top, float edge, int scallops, float depth) {
  std::vector<Point> region = {{280, top}};
  for (int i = 0; i <= scallops * 8; ++i) {
    const float t = float(i) / (scallops * 8);
    const float x = 280 + t * 320, bump = (i % 8) / 8.0f;
    region.push_back(Point{x, edge + t * 40 + depth * 4 * bump * (1 - bump)});
  }
  region.push_back(Point{600, top});
  return region;
}

void DrawWing(PaletteCanvas& art) {
  const std::vector<Point> wing = WingShape();
  art.FillOutlined(wing, BlueIndex, InkIndex, OutlinePx);
  art.FillPolygon(ScallopedBand(300, 590, 5, 26), YellowIndex, BlueIndex);
  art.FillPolygon(ScallopedBand(300, 470, 6, 22), RedIndex, YellowIndex);
  const std::vector<Point> yellowEdge = ScallopedBand(300, 590, 5, 26);
  art.StrokeLine(std::vector<Point>(yellowEdge.begin() + 1, yellowEdge.end() - 1), DetailPx, InkIndex,
                 BlueIndex);
  for (int i = 0; i < 5; ++i) {  // flight feathers, fanning towards the wing tip
    const float x = 360 + i * 40;
    art.StrokeLine(SmoothCurve({{x, 620.0f + i * 8}, {x - 25 - i * 6, 760}, {305.0f + i * 6, 940}}, false), DetailPx,
                   InkIndex, BlueIndex);
  }
}

void DrawBranchAndFeet(PaletteCanvas& art) {
  const std::vector<Point> branch = Curve({{44, 752}, {400, 728}, {796, 702}, {812, 719},
                                                {796, 736}, {400, 768}, {44, 790}, {28, 771}});
  art.FillOutlined(branch, DeepRedIndex, InkIndex, OutlinePx);
  for (int i = 0; i < 6; ++i) {
    const float x = 60 + i * 135;
    art.StrokeLine(SmoothCurve({{x, 768 - i * 5.0f}, {x + 50, 762 - i * 5.0f}}, false), DetailPx, InkIndex,
                   DeepRedIndex);
  }
  for (float x : {438.0f, 478.0f, 515.0f})
    art.FillOutlined(Ellipse(x, 738 - (x - 438) * 0.08f, 17, 24, 10), InkIndex, InkIndex, 1.0f);
}

void DrawFace(PaletteCanvas& art) {
  art.FillPolygon(Ellipse(588, 258, 60, 74, 15), WhiteIndex);
  for (int row = 0; row < 3; ++row)  // the fine red feather lines of the bare face
    for (int k = 0; k < 4; ++k) {
      const float x = 552 + k * 18 + row * 6, y = 280 + row * 18;
      art.StrokeLine(SmoothCurve({{x, y}, {x + 9, y + 3}}, false), 2.0f, DeepRedIndex, WhiteIndex);
    }
  art.FillOutlined(Ellipse(585, 232, 20, 20), YellowIndex, InkIndex, 3.5f);
  art.FillPolygon(Ellipse(589, 232, 10, 11), InkIndex);
  art.FillPolygon(Ellipse(584, 227, 4, 4), WhiteIndex);
}

void DrawBeak(PaletteCanvas& art) {
  art.FillOutlined(Curve({{628, 272}, {680, 288}, {706, 318}, {700, 350}, {668, 362}, {640, 340}, {626, 302}}),
                   InkIndex, InkIndex, OutlinePx);
  std::vector<CurvePoint> upper = {{622, 172}, {650, 158}, {705, 168}, {748, 215}, {762, 275}, {748, 335},
                                   {716, 378}, {720, 338}, {708, 305}, {682, 288}, {648, 282}, {624, 270}};
  upper[0].sharp = true;
  upper[6].sharp = true;
  upper[11].sharp = true;
  art.FillOutlined(Curve(upper), WhiteIndex, InkIndex, OutlinePx);
  art.StrokeLine(SmoothCurve({{646, 186}, {640, 226}, {644, 268}}, false), DetailPx, InkIndex, WhiteIndex);
  Shade(art, Curve(upper), -14, -10, WhiteIndex, YellowIndex);
}

}  // namespace

tools::Image MakeParrot() {
  PaletteCanvas art(ParrotWidth, ParrotHeight);
  DrawTail(art);
  DrawBodyAndHead(art);
  DrawWing(art);
  DrawBranchAndFeet(art);
  DrawFace(art);
  DrawBeak(art);
  return art.Resolve(ParrotPalette(), InkIndex);
}

}  // namespace sprites
