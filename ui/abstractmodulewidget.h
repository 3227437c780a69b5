#pragma once

#include <QMap>
#include <QPointer>
#include <QWidget>

class QStackedWidget;
class QVBoxLayout;

// A page of a module: deleted when the module leaves it, unless the module
// keeps it (clears Qt::WA_DeleteOnClose). Its content goes into contentWidget().
class PageWidget : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(PageWidget)

public:
    explicit PageWidget(QWidget* parent = nullptr);
    QWidget* contentWidget() const { return m_content; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QWidget* m_content;
};

// A module of the main window: a stack of pages made on demand.
class AbstractModuleWidget : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(AbstractModuleWidget)

public:
    explicit AbstractModuleWidget(QWidget* parent = nullptr);

    // Called each time the module becomes the visible one.
    virtual void activate() {}
    // Asked before the main window handles a close request.
    virtual bool blocksClose() const { return false; }

    void setCurrentPage(int index);
    int currentPageIndex() const { return m_currentIndex; }
    QWidget* page(int index) const { return m_pages.value(index); }

protected:
    // The page for `index`, or nullptr when the module has none.
    virtual QWidget* createPage(int index);
    virtual void onPageChanged(int index) { Q_UNUSED(index) }

private:
    QStackedWidget* m_stack;
    QMap<int, QPointer<QWidget>> m_pages;
    int m_currentIndex = -1;
};
