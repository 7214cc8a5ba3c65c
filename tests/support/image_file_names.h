// One test row per image format the graph can be saved in.
#pragma once
#include <QTest>

inline void addImageFileNameRows()
{
    QTest::addColumn<QString>("name");
    for (const char* name : {"g.bmp", "g.jpg", "g.png", "g.tif", "g.svg", "g.pdf"})
        QTest::newRow(name) << QString(name);
}
