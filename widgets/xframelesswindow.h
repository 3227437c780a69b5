#pragma once

#include "framehittest.h"

#include <QMainWindow>

#include <memory>

// A main window without the system's frame that still resizes by its borders
// and moves by its title bar. Moves and resizes go through the window manager,
// so it snaps, tiles and maximises; without one the window does it by hand.
class XFramelessWindow : public QMainWindow
{
    Q_OBJECT
    Q_DISABLE_COPY(XFramelessWindow)

public:
    explicit XFramelessWindow(QWidget* parent = nullptr);
    ~XFramelessWindow() override;

    void setTitleBar(QWidget* titleBar);
    QWidget* titleBar() const;
    // A child of the title bar whose area drags the window (the logo, the title).
    void addCaptionWidget(QWidget* widget);
    void setResizeable(bool resizeable);
    bool isResizeable() const;
    int borderWidth() const;

    // What a press at `globalPos` would do.
    FrameHit hitTest(const QPoint& globalPos) const;

public slots:
    void showFullScreen();
    void toggleMaximized();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    struct Private;
    std::unique_ptr<Private> d;
};
