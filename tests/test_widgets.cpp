// The widget kit: the frameless window's hit test and its moves without a
// window manager, dialogs, message boxes, the switch, the level bar, and the
// gallery read through the accessibility interfaces.

#include "audiopeakprogress.h"
#include "framehittest.h"
#include "kit.h"
#include "kitgallery.h"
#include "xdialog.h"
#include "xmessagebox.h"
#include "xswitchbutton.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

namespace {

// Counts the paint events a widget receives.
class PaintCounter : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

void collect(QAccessibleInterface* node, QList<QAccessibleInterface*>* out, int depth = 0)
{
    if (!node || depth > 40)
        return;
    out->append(node);
    for (int i = 0; i < node->childCount(); ++i)
        collect(node->child(i), out, depth + 1);
}

} // namespace

class TestWidgets : public QObject
{
    Q_OBJECT

private slots:
    void hitTestFollowsBandsCornersAndCaption_data()
    {
        QTest::addColumn<bool>("fixedWidth");
        QTest::addColumn<bool>("fixedHeight");
        QTest::addColumn<bool>("resizeable");
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<int>("spot");
        QTest::addColumn<int>("expected");
        const auto row = [](const char* name, bool fw, bool fh, bool resizeable, QPoint p, TitleSpot spot,
                            FrameHit hit) {
            QTest::newRow(name) << fw << fh << resizeable << p << int(spot) << int(hit);
        };
        // The window spans x 100..899, y 50..649; the band is 5 px.
        row("left edge", false, false, true, {100, 300}, TitleSpot::Outside, FrameHit::Left);
        row("left band's last pixel", false, false, true, {104, 300}, TitleSpot::Outside, FrameHit::Left);
        row("past the left band", false, false, true, {105, 300}, TitleSpot::Outside, FrameHit::Client);
        row("right edge", false, false, true, {899, 300}, TitleSpot::Outside, FrameHit::Right);
        row("right band's first pixel", false, false, true, {895, 300}, TitleSpot::Outside, FrameHit::Right);
        row("top edge over the caption", false, false, true, {400, 52}, TitleSpot::Caption, FrameHit::Top);
        row("bottom edge", false, false, true, {400, 649}, TitleSpot::Outside, FrameHit::Bottom);
        row("top left", false, false, true, {101, 51}, TitleSpot::Caption, FrameHit::TopLeft);
        row("top right", false, false, true, {898, 51}, TitleSpot::Outside, FrameHit::TopRight);
        row("bottom left", false, false, true, {100, 649}, TitleSpot::Outside, FrameHit::BottomLeft);
        row("bottom right", false, false, true, {899, 649}, TitleSpot::Outside, FrameHit::BottomRight);
        row("fixed width: no side band", true, false, true, {100, 300}, TitleSpot::Outside, FrameHit::Client);
        row("fixed width: no corner", true, false, true, {100, 649}, TitleSpot::Outside, FrameHit::Bottom);
        row("fixed height: no corner", false, true, true, {899, 649}, TitleSpot::Outside, FrameHit::Right);
        row("fixed both: caption", true, true, true, {100, 52}, TitleSpot::Caption, FrameHit::Caption);
        row("not resizeable", false, false, false, {100, 300}, TitleSpot::Outside, FrameHit::Client);
        row("caption widget drags", false, false, true, {300, 70}, TitleSpot::Caption, FrameHit::Caption);
        row("button in the title bar", false, false, true, {850, 70}, TitleSpot::OtherChild,
            FrameHit::Client);
        row("outside the window", false, false, true, {99, 300}, TitleSpot::Outside, FrameHit::Client);
    }

    void hitTestFollowsBandsCornersAndCaption()
    {
        QFETCH(bool, fixedWidth);
        QFETCH(bool, fixedHeight);
        QFETCH(bool, resizeable);
        QFETCH(QPoint, point);
        QFETCH(int, spot);
        QFETCH(int, expected);
        FrameGeometry frame;
        frame.window = QRect(100, 50, 800, 600);
        frame.resizeable = resizeable;
        frame.fixedWidth = fixedWidth;
        frame.fixedHeight = fixedHeight;
        QCOMPARE(int(frameHitTest(frame, point, TitleSpot(spot))), expected);
    }

    // Without a window manager the window moves and resizes by hand; a press
    // on a title-bar button reaches the button and moves nothing.
    void framelessWindowMovesAndResizesByHand()
    {
        KitGallery gallery;
        gallery.setGeometry(100, 100, 700, 500);
        gallery.show();
        QVERIFY(QTest::qWaitForWindowExposed(&gallery));
        QWindow* window = gallery.windowHandle();
        const QPoint caption =
            gallery.titleBar()->mapTo(&gallery, QPoint(gallery.titleBar()->width() / 2, 20));
        QCOMPARE(gallery.hitTest(gallery.mapToGlobal(caption)), FrameHit::Caption);

        QTest::mousePress(window, Qt::LeftButton, {}, caption);
        QTest::mouseMove(window, caption + QPoint(30, 40));
        // The pointer stays put on the screen: in the moved window it is back at `caption`.
        QTest::mouseRelease(window, Qt::LeftButton, {}, caption);
        QTRY_COMPARE(gallery.pos(), QPoint(130, 140));

        const QPoint corner(gallery.width() - 1, gallery.height() - 1);
        QCOMPARE(gallery.hitTest(gallery.mapToGlobal(corner)), FrameHit::BottomRight);
        const QRect before = gallery.geometry();
        QTest::mousePress(window, Qt::LeftButton, {}, corner);
        QTest::mouseMove(window, corner + QPoint(50, 20));
        QTest::mouseRelease(window, Qt::LeftButton, {}, corner + QPoint(50, 20));
        QTRY_COMPARE(gallery.size(), before.size() + QSize(50, 20));

        auto* close = gallery.titleBar()->findChild<QPushButton*>();
        QVERIFY(close);
        const QPoint onButton = close->mapTo(&gallery, close->rect().center());
        QCOMPARE(gallery.hitTest(gallery.mapToGlobal(onButton)), FrameHit::Client);
        QTest::mouseClick(window, Qt::LeftButton, {}, onButton);
        QTRY_VERIFY(!gallery.isVisible());
        QCOMPARE(gallery.pos(), QPoint(130, 140));
    }

    // A double click on the caption maximises within the screen and restores.
    void doubleClickOnTheCaptionMaximisesWithinTheScreen()
    {
        KitGallery gallery;
        gallery.setGeometry(100, 100, 700, 500);
        gallery.show();
        QVERIFY(QTest::qWaitForWindowExposed(&gallery));
        const QRect normal = gallery.geometry();
        const QPoint caption =
            gallery.titleBar()->mapTo(&gallery, QPoint(gallery.titleBar()->width() / 2, 20));
        QTest::mouseDClick(gallery.windowHandle(), Qt::LeftButton, {}, caption);
        const QRect available = gallery.screen()->availableGeometry();
        QTRY_COMPARE(gallery.frameGeometry().size(), available.size());
        QVERIFY(available.contains(gallery.frameGeometry()));
        gallery.toggleMaximized();
        QTRY_COMPARE(gallery.geometry(), normal);
    }

    void dialogsIgnoreEscapeCentreAndGuardTheirClose()
    {
        QWidget host;
        host.setGeometry(200, 150, 900, 700);
        host.show();
        Kit::setCurrentWindow(&host);
        XDialog dialog;
        dialog.resize(300, 200);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTRY_COMPARE(dialog.frameGeometry().center(), host.frameGeometry().center());
        dialog.resize(500, 300); // centred again on every resize
        QTRY_COMPARE(dialog.frameGeometry().center(), host.frameGeometry().center());

        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(dialog.isVisible());

        QSignalSpy tried(&dialog, &XDialog::tryClosed);
        dialog.setCloseGuard(true);
        QVERIFY(!dialog.close());
        QVERIFY(dialog.isVisible());
        QCOMPARE(tried.count(), 1);
        dialog.setCloseAllowed(true);
        QVERIFY(dialog.close());
        QCOMPARE(tried.count(), 1);
        Kit::setCurrentWindow(nullptr);
    }

    void messageBoxesReturnTheirButtonAndNoticesCloseThemselves()
    {
        QTimer::singleShot(0, [] {
            auto* box = qobject_cast<XMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            QCOMPARE(box->buttons().size(), 2);
            box->buttons().at(1)->click();
        });
        QCOMPARE(XMessageBox::ask(nullptr, QStringLiteral("Delete"), QStringLiteral("Delete it?"),
                                  {QStringLiteral("Cancel"), QStringLiteral("Delete")}),
                 2);

        QPointer<XMessageBox> notice = XMessageBox::notice(nullptr, QStringLiteral("Saved"));
        QVERIFY(notice->isVisible());
        QTest::qWait(XMessageBox::noticeMs - 300);
        QVERIFY(notice && notice->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(!notice, 1000);
    }

    void switchStatesAndKeyboard()
    {
        XSwitchButton button;
        button.show();
        QVERIFY(QTest::qWaitForWindowExposed(&button));
        QSignalSpy states(&button, &XSwitchButton::stateChanged);
        QCOMPARE(button.state(), 1);
        button.setFocus();
        QTest::keyClick(&button, Qt::Key_Space);
        QCOMPARE(button.state(), 0);
        QCOMPARE(states.takeFirst().at(0).toInt(), 0);
        button.setState(1);
        QVERIFY(!button.isOn());
        QCOMPARE(states.takeFirst().at(0).toInt(), 1);
    }

    void peakBarRepaintsOnlyWhenItsFillMoves()
    {
        AudioPeakProgress bar;
        bar.resize(50, 10); // two values per pixel
        bar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&bar));
        bar.setValue(40);
        PaintCounter counter;
        bar.installEventFilter(&counter);
        QTest::qWait(100);
        counter.paints = 0;
        // A second of meter updates at 100 per second that never move the fill.
        for (int i = 0; i < 100; ++i) {
            bar.setValue(i % 2 ? 41 : 40);
            QTest::qWait(10);
        }
        QCOMPARE(counter.paints, 0);
        bar.setValue(60);
        QTRY_VERIFY(counter.paints > 0);
    }

    // Every control of the gallery is found by its name, with the role and
    // state a screen reader announces.
    void galleryReadsThroughTheAccessibilityTree()
    {
        KitGallery gallery;
        gallery.show();
        QVERIFY(QTest::qWaitForWindowExposed(&gallery));
        QList<QAccessibleInterface*> nodes;
        collect(QAccessible::queryAccessibleInterface(&gallery), &nodes);
        const QList<QAccessible::Role> controls = {
            QAccessible::Button,       QAccessible::CheckBox, QAccessible::RadioButton, QAccessible::ComboBox,
            QAccessible::EditableText, QAccessible::PageTab,  QAccessible::ProgressBar};
        for (QAccessibleInterface* node : nodes)
            QVERIFY2(!controls.contains(node->role()) || !node->text(QAccessible::Name).isEmpty(),
                     node->object() ? node->object()->metaObject()->className() : "?");
        const auto find = [&nodes](const QString& name, QAccessible::Role role) -> QAccessibleInterface* {
            for (QAccessibleInterface* node : nodes)
                if (node->text(QAccessible::Name) == name && node->role() == role)
                    return node;
            return nullptr;
        };
        for (const char* name : {"VoiceBox", "Soundboard", "3rd party access", "Settings"})
            QVERIFY2(find(QLatin1String(name), QAccessible::PageTab), name);
        QVERIFY(find(QStringLiteral("VoiceBox"), QAccessible::PageTab)->state().selected);
        for (const char* name : {"Close", "Open a dialog", "Ask a question", "Show a notice", "Clear"})
            QVERIFY2(find(QLatin1String(name), QAccessible::Button), name);
        for (const char* name : {"Low latency", "High quality"})
            QVERIFY2(find(QLatin1String(name), QAccessible::RadioButton), name);
        // On Linux a combo box is named by its text and labelled by its label.
        QAccessibleInterface* combo = nullptr;
        for (QAccessibleInterface* node : nodes)
            if (node->role() == QAccessible::ComboBox)
                combo = node;
        QVERIFY(combo);
        const auto labels = combo->relations(QAccessible::Label);
        QVERIFY(!labels.isEmpty());
        QCOMPARE(labels.first().first->text(QAccessible::Name), QStringLiteral("Input device"));
        QVERIFY(find(QStringLiteral("Search"), QAccessible::EditableText));
        QVERIFY(find(QStringLiteral("Progress"), QAccessible::ProgressBar));

        QAccessibleInterface* on = find(QStringLiteral("Hear myself"), QAccessible::CheckBox);
        QAccessibleInterface* disabled =
            find(QStringLiteral("Enable all shortcut keys"), QAccessible::CheckBox);
        QVERIFY(on && disabled);
        QVERIFY(on->state().checked);
        QVERIFY(disabled->state().disabled);
        on->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QVERIFY(!on->state().checked);

        QAccessibleInterface* full = find(QStringLiteral("Level 100 %"), QAccessible::ProgressBar);
        QVERIFY(full && full->valueInterface());
        QCOMPARE(full->valueInterface()->currentValue().toInt(), 100);
        QCOMPARE(find(QStringLiteral("Level 50 %"), QAccessible::ProgressBar)->text(QAccessible::Value),
                 QStringLiteral("50"));

        // The label shows an elided text but is read whole.
        QVERIFY(find(QStringLiteral("A label too long for its room shows the whole text as a tooltip"),
                     QAccessible::StaticText));
    }
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    TestWidgets test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_widgets.moc"
