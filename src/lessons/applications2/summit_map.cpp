// Scene 4: the 220 km circle about the summit on a map of central Japan
// (one grid unit 50 km), and how long 220 km is at a scale of 1:10,000,000.
#include <vector>

#include "figures/figures.h"
#include "frame/frame.h"
#include "lessons/applications2/summit.h"
#include "lessons/applications2/summit_draw.h"
#include "platform/colours.h"

namespace vm {

using namespace summit;

namespace {

struct MapPoint {
    int entry;
    float gx, gy;
};

// The coast, entries 1 to 40, clockwise from the left edge of the map.
constexpr float kCoast[40][2] = {
    {0, 6.5f},     {1, 7},        {0.8f, 7.8f},  {2.5f, 9.5f},  {2, 10.7f},
    {3.4f, 11},    {3.3f, 10.6f}, {2.7f, 10.4f}, {2.9f, 9.5f},  {3.3f, 9},
    {6.5f, 12},    {9.8f, 12},    {10, 9.8f},    {9.2f, 7.9f},  {9.9f, 7},
    {9.2f, 6.8f},  {9.1f, 5.8f},  {8, 5},        {8.1f, 5.9f},  {8.5f, 6.8f},
    {8, 7},        {7.8f, 6},     {7.7f, 5.6f},  {7.4f, 5.8f},  {6.8f, 5.7f},
    {6.6f, 5.3f},  {6.8f, 5},     {6.3f, 4.5f},  {6, 4.8f},     {6.1f, 5.5f},
    {5.6f, 5.6f},  {5, 4.5f},     {2.8f, 4.5f},  {3.4f, 4.9f},  {2.9f, 4.9f},
    {2.6f, 5.2f},  {2.5f, 4.7f},  {2.4f, 5.6f},  {2.1f, 5},     {1.8f, 4.7f},
};

// Typed over the first table once its first four coast lines are drawn: the
// summit (0), the rest of the coast back to the left edge (1-7), the lake
// (8-12) and the islands (18-23). Entries 13-17 and 24-40 keep their coast
// values.
const MapPoint kSecond[] = {
    {0, 6, 6},        {1, 2.5f, 4},     {2, 2.4f, 3.7f},  {3, 2.2f, 3.9f},
    {4, 1.4f, 3.6f},  {5, 0.5f, 2},     {6, 0, 2},        {7, 0, 6.5f},
    {8, 0.7f, 5.3f},  {9, 0.8f, 6.1f},  {10, 1.3f, 6.6f}, {11, 1.4f, 6},
    {12, 1, 5.4f},    {18, 7.1f, 4.6f}, {19, 6.9f, 3.8f}, {20, 6.7f, 3.5f},
    {21, 7.3f, 3.2f}, {22, 7.4f, 2.9f}, {23, 7.8f, 1},
};

constexpr int kSummit = 0;

void Polyline(State& s, const std::vector<int>& entries) {
    std::vector<Point> pts;
    for (const int i : entries) pts.push_back({s.X_a(i), s.Y_a(i)});
    s.P.Connect(pts, kBlack);
}

std::vector<int> Run(int from, int to) {
    std::vector<int> v;
    for (int i = from; i <= to; ++i) v.push_back(i);
    return v;
}

}  // namespace

void SummitSceneMap(State& s) {
    ClearScreen(s);
    StartTextColumn(s);
    s.P.SetDrawWidth(kPen);
    SetFrame(s, 600, 90, 12, 12, 45);
    s.P.Box(s.GX1, s.GY1, s.GX2, s.GY2, kBlack);

    for (int i = 1; i <= 40; ++i) Put(s, i, kCoast[i - 1][0], kCoast[i - 1][1]);
    for (int k = 0; k < 4; ++k) Polyline(s, Run(1 + 9 * k, 10 + 9 * k));
    for (const auto& p : kSecond) Put(s, p.entry, p.gx, p.gy);
    Polyline(s, {37, 38, 39, 40, 1, 2, 3, 4, 5, 6, 7});
    Polyline(s, {8, 9, 10, 11, 12, 8});
    const float island_radius[] = {6, 5, 4, 3, 2, 5};
    for (int k = 0; k < 6; ++k) Disc(s, 18 + k, island_radius[k], kBlack);

    Write(s, kPurple, s.XI0, s.YI1, "④ ");
    Write(s, kBlack, s.XI2, s.YI1, "富士山を中心に半径220kmの円をかこう");
    Disc(s, kSummit, 6, kBlue);
    Label(s, kBlue, s.X_a(kSummit) - 54, s.Y_a(kSummit) - 50, "富士山");
    WaitForKey(s);

    Write(s, kBlue, s.XI1, s.YI1 + 50, "220km は何cm?");
    WaitForKey(s);

    Write(s, kBlack, s.XI0, s.YI1 + 50, "縮尺 1:10,000,000 だから");
    WaitForKey(s);

    Write(s, kBlack, s.XI0, s.YI1 + 70, " ﾀ220*1000*100/10000000ﾀ");
    WaitForKey(s);

    Write(s, kBlue, s.XI0, s.YI1 + 70, "=2.2(cm)");
    WaitForKey(s);

    // 220 km is 4.4 grid units.
    s.P.Circle(s.X_a(kSummit), s.Y_a(kSummit), 4.4f * s.SIZE, kBlue);
    WaitForKey(s);

    Write(s, kBlue, s.XI0, s.YI1 + 70, "三重県や新潟県、福島県");
    Write(s, kBlue, s.XI0, s.YI1 + 50, "も入っている");
}

}  // namespace vm
