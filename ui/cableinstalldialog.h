#pragma once

#include "xdialog.h"

class QLabel;
class QPushButton;
class XProgressBar;

// Installs the virtual cable (or takes it out and installs it again) with
// its progress shown, then points the engine's cable players at it and says
// how it went. Closing is held back until the work is done.
class CableInstallDialog : public XDialog
{
    Q_OBJECT
    Q_DISABLE_COPY(CableInstallDialog)

public:
    CableInstallDialog(bool reinstall, QWidget* parent = nullptr);

    // Runs the dialog modally on `parent`; true when the cable is there afterwards.
    static bool run(bool reinstall, QWidget* parent);

    bool succeeded() const { return m_succeeded; }
    XProgressBar* progressBar() const { return m_progress; }
    QLabel* textLabel() const { return m_text; }
    QPushButton* okButton() const { return m_ok; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void install();

    bool m_reinstall;
    bool m_started = false;
    bool m_succeeded = false;
    QLabel* m_text;
    XProgressBar* m_progress;
    QPushButton* m_ok;
};
