#pragma once

#include <QLineEdit>

class QToolButton;

// A line edit with an optional leading icon (a search glass) and a clear
// button that shows while there is text and empties the field.
class XLineEdit : public QLineEdit
{
    Q_OBJECT
    Q_DISABLE_COPY(XLineEdit)

public:
    explicit XLineEdit(QWidget* parent = nullptr);

    // A leading icon named `name` for assistive tools.
    void setLeadingIcon(const QString& image, const QString& name);
    QToolButton* clearButton() const;

protected:
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void retranslate();
    void place();

    QToolButton* m_clear = nullptr;
    QAction* m_leading = nullptr;
};
