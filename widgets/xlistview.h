#pragma once

#include <QListView>

// A list view without its own background or frame, drawn by the application
// style sheet's "transparent" rule; items scroll by pixel.
class XListView : public QListView
{
    Q_OBJECT
    Q_DISABLE_COPY(XListView)

public:
    explicit XListView(QWidget* parent = nullptr);
};
