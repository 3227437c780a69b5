#include "xmessagebox.h"

#include "kit.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

XMessageBox::XMessageBox(const QString& text, const QStringList& buttons, QWidget* parent) : XDialog(parent)
{
    setModal(true);
    m_text = new QLabel(text, this);
    m_text->setWordWrap(true);
    m_text->setAlignment(Qt::AlignCenter);
    m_text->setTextFormat(Qt::RichText);
    m_text->setStyleSheet(QStringLiteral("color: #DCDCDC; background: transparent;"));
    m_text->setMinimumWidth(Kit::px(320));
    m_text->setMaximumWidth(Kit::px(440));
    contentLayout()->addWidget(m_text);

    if (buttons.isEmpty()) {
        setTitleAreaVisible(false);
        m_text->setMinimumWidth(Kit::px(200));
        setAccessibleName(text);
        return;
    }
    auto* row = new QHBoxLayout;
    row->setSpacing(Kit::px(16));
    row->addStretch();
    for (int i = 0; i < buttons.size(); ++i) {
        auto* button = new QPushButton(buttons.at(i), this);
        button->setMinimumSize(Kit::size(110, 34));
        button->setCursor(Qt::PointingHandCursor);
        // The last button is the one the message suggests.
        button->setStyleSheet(Kit::buttonStyle(i == buttons.size() - 1, 34));
        const int result = i + 1;
        connect(button, &QPushButton::clicked, this, [this, result] { done(result); });
        row->addWidget(button);
        m_buttons.append(button);
    }
    row->addStretch();
    contentLayout()->addSpacing(Kit::py(8));
    contentLayout()->addLayout(row);
    m_buttons.last()->setDefault(true);
}

QString XMessageBox::text() const
{
    return m_text->text();
}

QList<QPushButton*> XMessageBox::buttons() const
{
    return m_buttons;
}

void XMessageBox::showEvent(QShowEvent* event)
{
    XDialog::showEvent(event);
    if (m_buttons.isEmpty())
        QTimer::singleShot(noticeMs, this, [this] { done(0); });
    else
        m_buttons.last()->setFocus();
}

int XMessageBox::ask(QWidget* parent, const QString& title, const QString& text, const QStringList& buttons)
{
    XMessageBox box(text, buttons, parent);
    box.setTitle(title);
    return box.exec();
}

XMessageBox* XMessageBox::notice(QWidget* parent, const QString& text)
{
    auto* box = new XMessageBox(text, {}, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setModal(false);
    connect(box, &QDialog::finished, box, &QObject::deleteLater);
    box->show();
    return box;
}
