#include "lang/value_cells.h"

#include <algorithm>

#include "lang/workareas.h"

ValueCells saveValueCells()
{
    ValueCells cells;
    cells.anonymous = workAreas.anonymousResult;
    if (workAreasHeld())
        cells.named.assign(workAreas.identValues, workAreas.identValues + kIdentValueCapacity);
    return cells;
}

void restoreValueCells(const ValueCells& cells)
{
    workAreas.anonymousResult = cells.anonymous;
    if (workAreasHeld() && cells.named.size() == static_cast<size_t>(kIdentValueCapacity))
        std::copy(cells.named.begin(), cells.named.end(), workAreas.identValues);
}
