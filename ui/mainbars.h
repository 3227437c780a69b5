#pragma once

#include <QWidget>

class NavigationButton;
class QLabel;
class QMenu;
class QPushButton;
class QToolButton;
class XImageBox;

// The main window's title bar: logo, name, the Guide and Menu buttons and the
// window buttons.
class MainTitleBar : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(MainTitleBar)

public:
    explicit MainTitleBar(QWidget* parent = nullptr);

    XImageBox* logo() const { return m_logo; }
    QLabel* title() const { return m_title; }
    QWidget* stretch() const { return m_stretch; }
    QMenu* menu() const { return m_menu; }
    QPushButton* menuButton() const { return m_menuButton; }
    QMenu* languageMenu() const { return m_languages; }
    // Follows the window's state: the maximise button shows "restore" while maximised.
    void setMaximized(bool maximized);

signals:
    void guideClicked();
    void minimizeClicked();
    void maximizeClicked();
    void closeClicked();
    void aboutRequested();
    void updateCheckRequested();
    void faqRequested();
    void logFolderRequested();
    void quitRequested();

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    void checkCurrentLanguage();

    XImageBox* m_logo;
    QLabel* m_title;
    QWidget* m_stretch;
    QPushButton* m_guide;
    QPushButton* m_menuButton;
    QPushButton* m_minimize;
    QPushButton* m_maximize;
    QPushButton* m_close;
    QMenu* m_menu;
    QMenu* m_languages;
    QMenu* m_help;
    QAction* m_about;
    QAction* m_update;
    QAction* m_faq;
    QAction* m_logFolder;
    QAction* m_quit;
    bool m_maximized = false;
};

// The four navigation entries on the left; a click selects its module.
class MainNavigationBar : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(MainNavigationBar)

public:
    explicit MainNavigationBar(QWidget* parent = nullptr);
    QList<NavigationButton*> buttons() const { return m_buttons; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    void select(int index);

    QList<NavigationButton*> m_buttons;
};

// The switches of the engine (Hear myself, Apply voice changer) and the
// device and volume buttons under the module area.
class MainToolBar : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(MainToolBar)

public:
    explicit MainToolBar(QWidget* parent = nullptr);

    QToolButton* hearButton() const { return m_hear; }
    QToolButton* applyButton() const { return m_apply; }
    QToolButton* deviceButton() const { return m_device; }
    QToolButton* volumeButton() const { return m_volume; }

public slots:
    void toggleHear();
    void toggleApply();
    // Shows the engine's switch states.
    void refresh();

signals:
    void deviceClicked();
    void volumeClicked();

protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void onHotKey(QPair<int, int> ids);
    void retranslate();

    QToolButton* m_hear;
    QToolButton* m_apply;
    QToolButton* m_device;
    QToolButton* m_volume;
};
