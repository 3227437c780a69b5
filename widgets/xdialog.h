#pragma once

#include <QDialog>

#include <memory>

class QLabel;
class QPushButton;
class QVBoxLayout;

// The program's dialog: a drawn frame with rounded corners and a drop shadow,
// a title area to drag it by and a close button. It centres itself on the
// program's current window whenever its size changes, never closes by Escape,
// and can hold a close until its owner allows it.
class XDialog : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY(XDialog)

public:
    explicit XDialog(QWidget* parent = nullptr);
    ~XDialog() override;

    void setTitle(const QString& title);
    QString title() const;
    void setDraggable(bool draggable);
    void setDragAnywhere(bool dragAnywhere);
    void setShadowFollowsActivation(bool follows);
    // With the guard on, a close is refused and tryClosed() emitted until the
    // close is allowed.
    void setCloseGuard(bool guard);
    void setCloseAllowed(bool allowed);
    void setCloseButtonVisible(bool visible);
    // Without its title area the dialog is only its content (a notice).
    void setTitleAreaVisible(bool visible);

    // Where subclasses put their content.
    QVBoxLayout* contentLayout() const;
    QPushButton* closeButton() const;
    int titleAreaHeight() const;

signals:
    void ncActive(bool isActived);
    void tryClosed();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    struct Private;
    std::unique_ptr<Private> d;
};
