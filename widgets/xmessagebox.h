#pragma once

#include "xdialog.h"

#include <QStringList>

class QLabel;

// A text and a row of buttons; exec() returns the position of the button
// pressed, counting from 1 (0 when closed otherwise). Without buttons it is a
// timed notice that closes itself after noticeMs.
class XMessageBox : public XDialog
{
    Q_OBJECT
    Q_DISABLE_COPY(XMessageBox)

public:
    static constexpr int noticeMs = 1500;

    XMessageBox(const QString& text, const QStringList& buttons, QWidget* parent = nullptr);

    QString text() const;
    QList<QPushButton*> buttons() const;

    // Asks and waits; returns the 1-based button, or 0.
    static int ask(QWidget* parent, const QString& title, const QString& text, const QStringList& buttons);
    // Shows a timed notice and returns at once; it deletes itself when gone.
    static XMessageBox* notice(QWidget* parent, const QString& text);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLabel* m_text = nullptr;
    QList<QPushButton*> m_buttons;
};
