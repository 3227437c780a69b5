#include "xcombobox.h"

#include <QAbstractItemView>
#include <QHelpEvent>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <QStyledItemDelegate>
#include <QToolTip>

namespace {

// Items elide at the right; hovering an elided one shows its whole text.
class ElidingDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        option->textElideMode = Qt::ElideRight;
    }

    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override
    {
        if (event->type() != QEvent::ToolTip)
            return QStyledItemDelegate::helpEvent(event, view, option, index);
        const QString text = index.data(Qt::DisplayRole).toString();
        const int room = option.rect.width() - view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) * 4;
        if (option.fontMetrics.horizontalAdvance(text) > room)
            QToolTip::showText(event->globalPos(), text, view);
        else
            QToolTip::hideText();
        return true;
    }
};

} // namespace

XComboBox::XComboBox(QWidget* parent) : QComboBox(parent)
{
    setItemDelegate(new ElidingDelegate(this));
    view()->setTextElideMode(Qt::ElideRight);
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(8);
}

QRect XComboBox::textRect() const
{
    QStyleOptionComboBox option;
    initStyleOption(&option);
    return style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
}

QString XComboBox::elided(const QString& text, int width) const
{
    return fontMetrics().elidedText(text, Qt::ElideRight, width);
}

void XComboBox::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    option.currentText = elided(option.currentText, textRect().width());
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}

bool XComboBox::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        const QString text = currentText();
        auto* help = static_cast<QHelpEvent*>(event);
        if (elided(text, textRect().width()) != text)
            QToolTip::showText(help->globalPos(), text, this);
        else if (toolTip().isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), toolTip(), this);
        return true;
    }
    return QComboBox::event(event);
}
