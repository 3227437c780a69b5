#include "xlabel.h"

#include <QEvent>

XLabel::XLabel(QWidget* parent) : XLabel(QString(), parent) {}

XLabel::XLabel(const QString& text, QWidget* parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    setText(text);
}

void XLabel::setText(const QString& text)
{
    m_fullText = text;
    relayout();
}

QString XLabel::fullText() const
{
    return m_fullText;
}

void XLabel::setElideMode(Qt::TextElideMode mode)
{
    m_mode = mode;
    relayout();
}

bool XLabel::isElided() const
{
    return text() != m_fullText;
}

QSize XLabel::minimumSizeHint() const
{
    return {0, QLabel::minimumSizeHint().height()};
}

void XLabel::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    relayout();
}

void XLabel::changeEvent(QEvent* event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        relayout();
}

void XLabel::relayout()
{
    const int room = contentsRect().width() - 2 * margin() - 2 * qMax(0, indent());
    const QString shown = fontMetrics().elidedText(m_fullText, m_mode, qMax(0, room));
    QLabel::setText(shown);
    setToolTip(shown != m_fullText ? m_fullText : QString());
    setAccessibleName(m_fullText);
}
