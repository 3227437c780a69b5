#include "panelparts.h"

#include "appmanager.h"
#include "kit.h"
#include "xlabel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace PanelParts {

namespace {

constexpr double kWidth = 240;
constexpr double kMargin = 20;

} // namespace

QLabel* plainLabel(const char* color, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setStyleSheet(QStringLiteral("color: %1; background: transparent;").arg(QLatin1String(color)));
    return label;
}

QPushButton* iconButton(const QString& image, double size, QWidget* parent)
{
    auto* button = new QPushButton(parent);
    button->setFixedSize(Kit::size(size, size));
    button->setIcon(QIcon(AppManager::imagePath(image)));
    button->setIconSize(Kit::size(size * 3 / 4, size * 3 / 4));
    button->setCursor(Qt::PointingHandCursor);
    button->setStyleSheet(Kit::iconButtonStyle());
    return button;
}

QPushButton* textButton(bool primary, QWidget* parent)
{
    auto* button = new QPushButton(parent);
    button->setFixedSize(Kit::size(200, 35));
    button->setCursor(Qt::PointingHandCursor);
    button->setStyleSheet(Kit::buttonStyle(primary, 35));
    return button;
}

QVBoxLayout* column(QWidget* panel, XLabel** name, QPushButton** deleteButton)
{
    panel->setFixedWidth(Kit::px(kWidth));
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(Kit::px(kMargin), Kit::py(24), Kit::px(kMargin), Kit::py(20));
    layout->setSpacing(Kit::py(12));
    auto* top = new QHBoxLayout;
    top->setSpacing(Kit::px(6));
    *name = new XLabel(panel);
    (*name)->setFixedHeight(Kit::py(24));
    (*name)->setStyleSheet(QStringLiteral("color: #FFFFFF; font-weight: bold; background: transparent;"));
    top->addWidget(*name, 1);
    *deleteButton = iconButton(QStringLiteral("delete.png"), 24, panel);
    (*deleteButton)->hide();
    top->addWidget(*deleteButton);
    layout->addLayout(top);
    return layout;
}

} // namespace PanelParts
