#pragma once

#include <QLabel>

// A one-line label that elides its text to fit (at the right unless told
// otherwise) and then shows the whole text as a tooltip. Assistive tools read
// the whole text.
class XLabel : public QLabel
{
    Q_OBJECT
    Q_DISABLE_COPY(XLabel)

public:
    explicit XLabel(QWidget* parent = nullptr);
    explicit XLabel(const QString& text, QWidget* parent = nullptr);

    void setText(const QString& text);
    QString fullText() const;
    void setElideMode(Qt::TextElideMode mode);
    bool isElided() const;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void relayout();

    QString m_fullText;
    Qt::TextElideMode m_mode = Qt::ElideRight;
};
