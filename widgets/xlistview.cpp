#include "xlistview.h"

XListView::XListView(QWidget* parent) : QListView(parent)
{
    setProperty("style", QStringLiteral("transparent"));
    setFrameShape(QFrame::NoFrame);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setUniformItemSizes(true);
}
