#include "xlineedit.h"

#include "kit.h"

#include <QAction>
#include <QEvent>
#include <QToolButton>

XLineEdit::XLineEdit(QWidget* parent) : QLineEdit(parent)
{
    setStyleSheet(
        QStringLiteral("QLineEdit { color: #DCDCDC; background: #171718; border: 1px solid #2C2C3F; "
                       "border-radius: %1px; padding: 0 %2px 0 %3px; selection-background-color: "
                       "rgb(148,95,238); } QLineEdit:focus { border-color: rgb(148,95,238); }")
            .arg(Kit::py(6))
            .arg(Kit::px(28))
            .arg(Kit::px(8)));
    m_clear = new QToolButton(this);
    m_clear->setCursor(Qt::PointingHandCursor);
    m_clear->setIconSize(Kit::size(16, 16));
    m_clear->setStyleSheet(QStringLiteral("QToolButton { border: none; background: transparent; "
                                          "image: url(:/images/clear_1.png); } QToolButton:hover "
                                          "{ image: url(:/images/clear_2.png); }"));
    m_clear->setFixedSize(Kit::size(16, 16));
    m_clear->setFocusPolicy(Qt::NoFocus);
    m_clear->hide();
    connect(m_clear, &QToolButton::clicked, this, [this] {
        clear();
        setFocus();
    });
    connect(this, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_clear->setVisible(!text.isEmpty()); });
    retranslate();
}

void XLineEdit::setLeadingIcon(const QString& image, const QString& name)
{
    if (!m_leading)
        m_leading = addAction(QIcon(image), QLineEdit::LeadingPosition);
    else
        m_leading->setIcon(QIcon(image));
    m_leading->setText(name);
}

QToolButton* XLineEdit::clearButton() const
{
    return m_clear;
}

void XLineEdit::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QLineEdit::changeEvent(event);
}

void XLineEdit::retranslate()
{
    Kit::nameIconButton(m_clear, tr("Clear"));
}

void XLineEdit::resizeEvent(QResizeEvent* event)
{
    QLineEdit::resizeEvent(event);
    place();
}

void XLineEdit::place()
{
    m_clear->move(width() - m_clear->width() - Kit::px(8), (height() - m_clear->height()) / 2);
}
