// A page of the main window on a window of its own, as the tests show it.
#pragma once

#include "kit.h"

#include <QTest>
#include <QWidget>

#include <memory>

// Makes `window` a main-window-sized top level holding a new Page, shows it
// and waits until it is active; null when it never became active.
template <typename Page> Page* showPage(std::unique_ptr<QWidget>& window)
{
    window = std::make_unique<QWidget>();
    window->resize(Kit::size(960, 600));
    auto* page = new Page(window.get());
    page->setGeometry(window->rect());
    Kit::setCurrentWindow(window.get());
    window->show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window.get()) ? page : nullptr;
}
