#include "abstractmodulewidget.h"

#include "kit.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QStackedWidget>
#include <QVBoxLayout>

PageWidget::PageWidget(QWidget* parent) : QWidget(parent), m_content(new QWidget(this))
{
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_content);
}

void PageWidget::paintEvent(QPaintEvent* event)
{
    Q_UNUSED(event)
    Kit::paintPanel(this);
}

AbstractModuleWidget::AbstractModuleWidget(QWidget* parent)
    : QWidget(parent), m_stack(new QStackedWidget(this))
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_stack);
}

QWidget* AbstractModuleWidget::createPage(int index)
{
    Q_UNUSED(index)
    return nullptr;
}

void AbstractModuleWidget::setCurrentPage(int index)
{
    if (index == m_currentIndex)
        return;
    QWidget* created = createPage(index);
    if (!created)
        return;
    QWidget* previous = m_pages.value(m_currentIndex);
    if (previous && previous != created && previous->testAttribute(Qt::WA_DeleteOnClose)) {
        m_pages.remove(m_currentIndex);
        m_stack->removeWidget(previous);
        previous->deleteLater();
    }
    QWidget* kept = m_pages.value(index);
    if (kept) {
        if (kept != created)
            created->deleteLater();
        m_stack->setCurrentWidget(kept);
    } else {
        m_pages.insert(index, created);
        m_stack->addWidget(created);
        m_stack->setCurrentWidget(created);
    }
    m_currentIndex = index;
    onPageChanged(index);
}
