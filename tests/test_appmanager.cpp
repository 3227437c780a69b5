#include "appmanager.h"
#include "cutesettings.h"
#include "xapplication.h"

#include <QFile>
#include <QFontInfo>
#include <QLabel>
#include <QScreen>
#include <QTest>
#include <QVBoxLayout>

class TestAppManager : public QObject
{
    Q_OBJECT

private slots:
    void initializeTakesTheStoredLanguagesFont()
    {
        // Korean was chosen in an earlier run.
        CuteSettings::instance()->setValue(QStringLiteral("Language"), 11, Native);
        AppManager* manager = AppManager::instance();
        manager->initialize();

        QCOMPARE(manager->fontFamily(), QStringLiteral("Malgun Gothic"));
        QCOMPARE(QApplication::font().family(), QStringLiteral("Malgun Gothic"));
        QCOMPARE(QApplication::font().pointSize(), 9);
        QCOMPARE(manager->largeFontSize(), 16);
        QCOMPARE(manager->mediumFontSize(), 14);
        QCOMPARE(manager->color(6), QColor(213, 100, 253));
        QVERIFY(!manager->color(10).isValid());
        QCOMPARE(qgetenv("QT_HIGHDPI_DISABLE_2X_IMAGE_LOADING"), QByteArray("1"));
        QVERIFY(QFile::exists(CuteSettings::logPath() + QStringLiteral("/AppLog.log")));
    }

    void windowsFamiliesResolveToInstalledSubstitutes_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<QString>("installed");
        QTest::newRow("Calibri") << "Calibri"
                                 << "Carlito";
        QTest::newRow("Microsoft Yahei") << "Microsoft Yahei"
                                         << "Noto Sans CJK SC";
        QTest::newRow("Malgun Gothic") << "Malgun Gothic"
                                       << "Noto Sans CJK KR";
    }

    void windowsFamiliesResolveToInstalledSubstitutes()
    {
        QFETCH(QString, family);
        QFETCH(QString, installed);
        QCOMPARE(QFontInfo(QFont(family, 11)).family(), installed);
    }

    void languageChangeSwapsFamiliesButKeepsSizes()
    {
        auto* app = qobject_cast<XApplication*>(QCoreApplication::instance());
        QWidget window;
        auto* heading = new QLabel(QStringLiteral("Heading"));
        QFont headingFont = heading->font();
        headingFont.setPointSize(18);
        heading->setFont(headingFont);
        auto* nested = new QWidget;
        auto* deep = new QLabel(QStringLiteral("deep"), nested);
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(heading);
        layout->addWidget(nested);
        app->setCurrentWindow(&window);

        AppManager* manager = AppManager::instance();
        manager->onLanguageChanged(0); // English: Latin font
        QCOMPARE(manager->fontFamily(), QStringLiteral("Calibri"));
        QCOMPARE(heading->font().family(), QStringLiteral("Calibri"));
        QCOMPARE(heading->font().pointSize(), 18);
        QCOMPARE(deep->font().family(), QStringLiteral("Calibri"));
        QCOMPARE(QApplication::font().pointSize(), 11);

        manager->onLanguageChanged(1); // Chinese (Simplified)
        QCOMPARE(deep->font().family(), QStringLiteral("Microsoft Yahei"));
        // Between the two Chinese languages the family stays, so nothing is touched.
        headingFont = heading->font();
        headingFont.setFamily(QStringLiteral("Marker"));
        heading->setFont(headingFont);
        manager->onLanguageChanged(2);
        QCOMPARE(heading->font().family(), QStringLiteral("Marker"));
        // Unknown numbers take the Latin entry.
        QCOMPARE(QLatin1String(AppManager::fontEntry(13).family), QLatin1String("Calibri"));
        app->setCurrentWindow(nullptr);
    }

    void raiseAndRestoreBringAMinimisedWindowBack()
    {
        auto* app = qobject_cast<XApplication*>(QCoreApplication::instance());
        QWidget window;
        window.resize(400, 300);
        window.showMinimized();
        QVERIFY(QTest::qWaitForWindowExposed(&window) || window.isMinimized());
        AppManager::raiseWindow(&window);
        QTRY_VERIFY(!window.isMinimized());
        QVERIFY(window.isVisible());

        window.showMinimized();
        app->setCurrentWindow(&window);
        AppManager::restoreCurrentWindow();
        QTRY_VERIFY(!window.isMinimized());
        const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
        QCOMPARE(window.x(), available.left() + (available.width() - window.width()) / 2);
        QCOMPARE(window.y(), available.top() + (available.height() - window.height()) / 2);
        app->setCurrentWindow(nullptr);
    }
};

int main(int argc, char** argv)
{
    AppManager::applyProcessIdentity();
    XApplication app(argc, argv, true, XApplication::NotifyPrimary, 1000);
    TestAppManager test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_appmanager.moc"
