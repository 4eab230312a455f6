// Where a window goes on its screen's free area, caption bar and border
// included: the arithmetic alone, for any platform.
#include "shell/ui/ScreenFit.h"

#include <gtest/gtest.h>

namespace {

TEST(ScreenFit, AWindowGoesOnlyAsFarAsItTakesToStandWhole)
{
    struct Case {
        const char* what;
        QPoint at;
        QSize client;
        QMargins border; // the screen's pixels
        qreal scale;
        QRect free, screen;
        QPoint outer;
        QSize fitted;
    };
    const QRect s1366(0, 0, 1366, 768), s800(0, 0, 800, 600), s1366at15(0, 0, 911, 512);
    const Case cases[] = {
        {"room: where asked, as asked", {67, 67}, {331, 633}, {1, 20, 1, 5}, 1, s1366, s1366, {67, 67}, {331, 633}},
        {"too tall: shrunk to the free height less the border", {67, 67}, {331, 633}, {1, 20, 1, 5}, 1, s800, s800, {67, 0}, {331, 575}},
        {"no window manager: no border", {67, 67}, {331, 633}, {}, 1, s800, s800, {67, 0}, {331, 600}},
        {"off the right edge: moved left as far as it takes", {1200, 10}, {331, 300}, {1, 20, 1, 5}, 1, s1366, s1366, {1033, 10}, {331, 300}},
        {"off the top-left: moved in", {-50, -30}, {331, 300}, {1, 20, 1, 5}, 1, s1366, s1366, {0, 0}, {331, 300}},
        // 20 and 5 pixels of the screen are 13.3 and 3.3 of the window's, counted as 14 and 4,
        // and a pixel more for rounding.
        {"a fractional scale", {67, 67}, {331, 633}, {1, 20, 1, 5}, 1.5, s1366at15, s1366at15, {67, 0}, {331, 493}},
        {"a panel's edge at a fractional scale is kept a pixel clear", {0, 0}, {331, 100}, {1, 20, 1, 5}, 1.5,
         QRect(0, 40, 911, 472), s1366at15, {0, 41}, {331, 100}},
    };
    for (const Case& c : cases) {
        const ScreenFit::Placed p = ScreenFit::fitted(c.at, c.client, c.border, c.scale, c.free, c.screen);
        EXPECT_EQ(p.outer, c.outer) << c.what;
        EXPECT_EQ(p.client, c.fitted) << c.what;
    }
}

} // namespace
