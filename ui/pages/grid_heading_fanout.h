#pragma once

#include "core/l10n/grid_headings.h"

#include <QList>
#include <initializer_list>

// Hands the grid texts of the translation pass to every page that holds one of the grids.
class GridHeadingFanout : public GridHeadingSink {
public:
    GridHeadingFanout(std::initializer_list<GridHeadingSink*> sinks) : m_sinks(sinks) {}

    void setGridHeadings(const GridHeadingTexts& texts) override {
        for (GridHeadingSink* sink : m_sinks)
            if (sink != nullptr)
                sink->setGridHeadings(texts);
    }

private:
    QList<GridHeadingSink*> m_sinks;
};
