#include "appmanager.h"
#include "appstylesheet.h"
#include "cutesettings.h"
#include "languagesettings.h"
#include "xapplication.h"

#include <QFile>
#include <QFontInfo>
#include <QLabel>
#include <QScreen>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>
#include <QVBoxLayout>

#include <cstdio>
#include <unistd.h>

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

    // What the language menu does: the translation, the stored number and the
    // font follow the choice; a missing file keeps what was there.
    void languagesSwitchTranslationAndFont()
    {
        LanguageSettings* languages = LanguageSettings::instance();
        AppManager* manager = AppManager::instance();
        const auto korean = [] { return QCoreApplication::translate("LanguageSettings", "Korean"); };

        QVERIFY(languages->setLanguage(LanguageSettings::Korean));
        QCOMPARE(languages->currentLanguage(), 11);
        QCOMPARE(QApplication::font().family(), QStringLiteral("Malgun Gothic"));
        QCOMPARE(QApplication::font().pointSize(), 9);

        QVERIFY(languages->setLanguage(LanguageSettings::ChineseSimplified));
        const QString simplified = korean();
        QCOMPARE(QApplication::font().family(), QStringLiteral("Microsoft Yahei"));
        QVERIFY(languages->setLanguage(LanguageSettings::ChineseTraditional));
        QVERIFY(korean() != simplified);
        QVERIFY(korean() != QStringLiteral("Korean"));
        QCOMPARE(QApplication::font().family(), QStringLiteral("Microsoft Yahei"));
        QCOMPARE(manager->fontFamily(), QStringLiteral("Microsoft Yahei"));

        // A number past the table loads English.
        QVERIFY(languages->setLanguage(13));
        QCOMPARE(korean(), QStringLiteral("Korean"));
        QCOMPARE(QApplication::font().family(), QStringLiteral("Calibri"));
        QCOMPARE(LanguageSettings::menuText(LanguageSettings::Russian).at(0), QLatin1Char('P'));

        // Only English and German are where the translations are read from.
        QTemporaryDir folder;
        for (const char* name : {"en-us.qm", "de-de.qm"})
            QVERIFY(QFile::copy(QStringLiteral(":/translations/") + QLatin1String(name),
                                folder.filePath(QLatin1String(name))));
        languages->setTranslationFolder(folder.path());
        QVERIFY(languages->setLanguage(LanguageSettings::German));
        const QString german = korean();
        QVERIFY(german != QStringLiteral("Korean"));

        QTemporaryFile errors;
        QVERIFY(errors.open());
        std::fflush(stderr);
        const int saved = ::dup(2);
        ::dup2(errors.handle(), 2);
        const bool loaded = languages->setLanguage(LanguageSettings::French);
        std::fflush(stderr);
        ::dup2(saved, 2);
        ::close(saved);
        languages->setTranslationFolder(QStringLiteral(":/translations/"));

        QVERIFY(!loaded);
        QVERIFY(errors.seek(0)); // the shared descriptor stands at the end
        QCOMPARE(errors.readAll(),
                 QByteArray("error: load " + folder.filePath("fr-fr.qm").toUtf8() + " failed.\n"));
        QCOMPARE(languages->currentLanguage(), 4);
        QCOMPARE(korean(), german);
        QVERIFY(languages->setLanguage(LanguageSettings::English));
    }

    void styleSheetSizesFollowTheScale()
    {
        const QString sheet = AppStyleSheet::build(1.25);
        QVERIFY(sheet.contains(QStringLiteral("QMenu::item { height: 35px; padding: 0px 31px 0px 25px;")));
        QVERIFY(sheet.contains(QStringLiteral("QRadioButton::indicator { width: 25px; height: 25px; }")));
        QVERIFY(sheet.contains(QStringLiteral("padding: 1px 6px 1px 6px; padding-left: 11px;")));
        QVERIFY(!sheet.contains(QLatin1Char('%')));
        QVERIFY(AppStyleSheet::build(1.0).contains(QStringLiteral("QMenu::item { height: 28px;")));
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
