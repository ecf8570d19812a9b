// Which edges a press on the frameless window's border drags.

#include "ui/app/frame_edges.h"

#include <gtest/gtest.h>

namespace {

TEST(FrameEdges, BorderPointsDragTheirEdgesAndNothingWhileMaximised) {
    const QSize size(100, 80);
    struct Case {
        QPoint pos;
        bool maximized;
        Qt::Edges edges;
    };
    const Case cases[] = {
        {{50, 40}, false, {}},
        {{3, 40}, false, Qt::LeftEdge},
        {{4, 40}, false, {}},
        {{96, 40}, false, Qt::RightEdge},
        {{95, 40}, false, {}},
        {{50, 0}, false, Qt::TopEdge},
        {{50, 79}, false, Qt::BottomEdge},
        {{0, 0}, false, Qt::LeftEdge | Qt::TopEdge},
        {{99, 79}, false, Qt::RightEdge | Qt::BottomEdge},
        {{0, 79}, false, Qt::LeftEdge | Qt::BottomEdge},
        {{0, 0}, true, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FrameEdges::edgesAt(size, c.pos, c.maximized), c.edges)
            << c.pos.x() << ',' << c.pos.y() << (c.maximized ? " maximised" : "");
}

} // namespace
