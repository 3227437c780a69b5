// Acting on the dialogs of the screens' router while they run their own
// event loops.
#pragma once

#include "moduledialogmanager.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>

#include <functional>

// Runs `action` on the open dialog of a type as soon as it shows.
inline void whenOpen(int type, std::function<void(QDialog*)> action)
{
    auto* timer = new QTimer(qApp);
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, [timer, type, action] {
        QDialog* dialog = ModuleDialogManager::instance()->dialog(type);
        if (dialog && dialog->isVisible()) {
            timer->stop();
            timer->deleteLater();
            action(dialog);
        }
    });
    timer->start();
}
