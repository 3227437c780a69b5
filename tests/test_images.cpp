// The program's pictures: every compiled-in image of resources/images/images.txt
// at 1x and 2x, the loading animation, and a picture for every item of the
// bundled catalogues in the resources folder.

#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMovie>
#include <QRegularExpression>
#include <QTest>

namespace {

QSize tableSize(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char('x'));
    return parts.size() == 2 ? QSize(parts[0].toInt(), parts[1].toInt()) : QSize(text.toInt(), text.toInt());
}

QJsonObject catalogue(const QString& name)
{
    QFile file(QStringLiteral(ZELVANI_RESOURCES "/") + name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(file.readAll()).object();
}

QStringList ids(const QJsonObject& catalogue, const char* list)
{
    QStringList out;
    for (const QJsonValue& item : catalogue.value(QLatin1String(list)).toArray())
        out.append(QString::number(item.toObject().value(QLatin1String("id")).toInt()));
    return out;
}

// The picture and its @2x copy load, the copy at twice the size.
void checkPair(const QString& path, QSize expected = QSize())
{
    const QImage image(path);
    const QString twice = path.left(path.lastIndexOf(QLatin1Char('.'))) + QStringLiteral("@2x") +
                          path.mid(path.lastIndexOf(QLatin1Char('.')));
    const QImage image2x(twice);
    QVERIFY2(!image.isNull(), qPrintable(path));
    QVERIFY2(!image2x.isNull(), qPrintable(twice));
    if (expected.isValid())
        QCOMPARE(image.size(), expected);
    QCOMPARE(image2x.size(), image.size() * 2);
}

} // namespace

class TestImages : public QObject
{
    Q_OBJECT

private slots:
    void everyListedImageIsCompiledInAtBothScales()
    {
        QFile table(QStringLiteral(ZELVANI_IMAGE_TABLE));
        QVERIFY(table.open(QIODevice::ReadOnly | QIODevice::Text));
        int count = 0;
        while (!table.atEnd()) {
            const QStringList fields =
                QString::fromUtf8(table.readLine())
                    .split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
            if (fields.size() < 3 ||
                (fields[0] != QLatin1String("icon") && fields[0] != QLatin1String("gif")))
                continue;
            const QString suffix =
                fields[0] == QLatin1String("icon") ? QStringLiteral(".png") : QStringLiteral(".gif");
            checkPair(QStringLiteral(":/images/") + fields[1] + suffix, tableSize(fields[2]));
            if (QTest::currentTestFailed())
                return;
            ++count;
        }
        // The names the screens ask for are among them.
        QVERIFY(count >= 50);
        for (const char* name : {"close.png", "radio_2.png", "app_icon_16.png", "launcher.png", "none.png"})
            QVERIFY2(QFile::exists(QStringLiteral(":/images/") + QLatin1String(name)), name);
    }

    void loadingAnimationTurns()
    {
        QMovie movie(QStringLiteral(":/images/loading.gif"));
        QVERIFY(movie.isValid());
        QVERIFY(movie.frameCount() > 1);
        QVERIFY(movie.jumpToFrame(0));
        const QImage first = movie.currentImage();
        for (int frame = 0; frame < movie.frameCount() / 2; ++frame)
            QVERIFY(movie.jumpToNextFrame());
        QCOMPARE(movie.currentImage().size(), first.size());
        QVERIFY(movie.currentImage() != first);
        QVERIFY(movie.nextFrameDelay() > 0);
    }

    void everyCatalogueItemHasItsPicture()
    {
        const QJsonObject effects = catalogue(QStringLiteral("effects.json"));
        const QJsonObject sounds = catalogue(QStringLiteral("sounds.json"));
        QVERIFY(!ids(effects, "effects").isEmpty());
        QVERIFY(!ids(sounds, "sounds").isEmpty());
        const QString image = QStringLiteral(ZELVANI_RESOURCES "/image/");
        for (const QString& id : ids(effects, "effects"))
            checkPair(image + QStringLiteral("effect/%1.png").arg(id), QSize(136, 102));
        for (const QString& id : ids(sounds, "sounds"))
            checkPair(image + QStringLiteral("audioIcon/%1.png").arg(id), QSize(64, 64));
        for (const QString& state : {QStringLiteral("1"), QStringLiteral("2")}) {
            for (const QString& id : ids(effects, "groups"))
                checkPair(image + QStringLiteral("group/%1_%2.png").arg(id, state), QSize(24, 24));
            for (const QString& id : ids(sounds, "groups"))
                checkPair(image + QStringLiteral("audioGroup/%1_%2.png").arg(id, state), QSize(24, 24));
        }
        for (const QString& row : {QStringLiteral("guide1"), QStringLiteral("guide2")})
            for (int n = 1; n <= 5; ++n)
                checkPair(image + QStringLiteral("%1/%2.png").arg(row).arg(n), QSize(160, 100));
    }
};

QTEST_MAIN(TestImages)
#include "test_images.moc"
