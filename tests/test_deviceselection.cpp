// The engine's choice of devices and the choice made again after a device
// came or went, on hand-made lists.

#include "deviceselection.h"
#include "zaudio/zaudio.h"

#include <QtTest>

using namespace DeviceSelection;

namespace {

const QString kCableIn = QStringLiteral("CABLE Output (VB-Audio Virtual Cable)");
const QString kCableOut = QStringLiteral("CABLE Input (VB-Audio Virtual Cable)");

AudioDevice device(int id, const QString& name, int state = 1, int rate = 48000)
{
    AudioDevice d;
    d.id = id;
    d.name = name;
    d.state = state;
    d.sampleRate = rate;
    d.channel = 2;
    return d;
}

} // namespace

class TestDeviceSelection : public QObject
{
    Q_OBJECT

private slots:
    void inputRules_data()
    {
        QTest::addColumn<QStringList>("inputs");
        QTest::addColumn<QString>("inputName");
        QTest::addColumn<QString>("chosen");

        const QString usb = QStringLiteral("USB Microphone");
        QTest::newRow("usb before cable, nothing configured") << QStringList{usb, kCableIn} << "" << usb;
        QTest::newRow("cable first: the last other input wins")
            << QStringList{kCableIn, QStringLiteral("Headset"), usb} << "" << usb;
        QTest::newRow("a configured name matching two: the later")
            << QStringList{QStringLiteral("Mic A"), QStringLiteral("Line"), QStringLiteral("Mic B")} << "Mic"
            << "Mic B";
        QTest::newRow("the name never picks the cable") << QStringList{usb, kCableIn} << "Virtual" << usb;
        QTest::newRow("no match: the first") << QStringList{usb, QStringLiteral("Headset")} << "Gone" << usb;
        QTest::newRow("no match, cable first: the second")
            << QStringList{kCableIn, QStringLiteral("Headset")} << "Gone"
            << "Headset";
        QTest::newRow("no match, only the cable: nothing") << QStringList{kCableIn} << "Gone"
                                                           << "";
        QTest::newRow("only the cable, nothing configured: nothing") << QStringList{kCableIn} << ""
                                                                     << "";
        QTest::newRow("matching is case-sensitive")
            << QStringList{QStringLiteral("Headset"), QStringLiteral("USB mic")} << "MIC"
            << "Headset";
    }

    void inputRules()
    {
        QFETCH(QStringList, inputs);
        QFETCH(QString, inputName);
        QFETCH(QString, chosen);
        QList<AudioDevice> list;
        for (int i = 0; i < inputs.size(); ++i)
            list.append(device(i, inputs[i]));
        const Choice choice =
            select(list, {device(0, QStringLiteral("Speakers"), -1)}, KindInput, inputName, {});
        QCOMPARE(choice.device.name, chosen);
        QVERIFY(!choice.rule.isEmpty());
        // Every cable recording side becomes the default microphone, whatever was chosen.
        QCOMPARE(choice.makeDefault, inputs.filter(QStringLiteral("VB-Audio Virtual Cable")));
    }

    void inputRateAndRestoreName()
    {
        const QList<AudioDevice> inputs = {device(0, QStringLiteral("Webcam"), 3, 16000),
                                           device(1, kCableIn, 1, 44100),
                                           device(2, QStringLiteral("Headset"), 1, 44100)};
        const QList<AudioDevice> outputs = {device(0, QStringLiteral("Speakers"), -1)};
        Choice choice = select(inputs, outputs, KindInput, QString(), QString());
        QCOMPARE(choice.device.name, QStringLiteral("Headset"));
        QCOMPARE(choice.sampleRate, 44100);
        QCOMPARE(choice.previousDefault, QStringLiteral("Webcam"));

        // A fallback choice leaves the engine's rate alone.
        choice = select(inputs, outputs, KindInput, QStringLiteral("Gone"), QString());
        QCOMPARE(choice.device.name, QStringLiteral("Webcam"));
        QCOMPARE(choice.sampleRate, 0);
    }

    void outputAndVirtualRules()
    {
        const QList<AudioDevice> inputs = {device(0, QStringLiteral("Microphone"))};
        const QList<AudioDevice> outputs = {device(0, QStringLiteral("HDMI Out"), -1),
                                            device(1, QStringLiteral("Headphones Out"), -1),
                                            device(2, kCableOut, -1)};
        QCOMPARE(select(inputs, outputs, KindOutput, {}, QStringLiteral("Out")).device.name,
                 QStringLiteral("HDMI Out"));
        QCOMPARE(select(inputs, outputs, KindOutput, {}, QStringLiteral("Gone")).device.name,
                 QStringLiteral("HDMI Out"));
        QCOMPARE(select(inputs, outputs, KindVirtualOutput, {}, {}).device.id, 2);

        // The cable alone: the empty name matches it, so it is the output too.
        const QList<AudioDevice> onlyCable = {device(0, kCableOut, -1)};
        QCOMPARE(select(inputs, onlyCable, KindOutput, {}, {}).device.name, kCableOut);
        QCOMPARE(select(inputs, onlyCable, KindOutput, {}, QStringLiteral("Gone")).device.name, QString());
        QCOMPARE(select(inputs, {device(0, QStringLiteral("Speakers"), -1)}, KindVirtualOutput, {}, {})
                     .device.name,
                 QString());
    }

    void emptyListsChooseNothing()
    {
        const QList<AudioDevice> some = {device(0, QStringLiteral("Speakers"), -1)};
        for (int kind = KindInput; kind <= KindVirtualOutput; ++kind) {
            QVERIFY(select({}, some, kind, {}, {}).listsEmpty);
            const Choice choice = select(some, {}, kind, {}, {});
            QVERIFY(choice.listsEmpty);
            QCOMPARE(choice.device.name, QString());
            QVERIFY(choice.makeDefault.isEmpty());
        }
    }

    void reselection()
    {
        const QList<AudioDevice> devices = {device(0, kCableIn), device(1, QStringLiteral("Headset")),
                                            device(2, QStringLiteral("USB Microphone"))};
        QCOMPARE(reselect(devices, QStringLiteral("USB Microphone")).id, 2);
        // Equality, not containment, and never the cable.
        QCOMPARE(reselect(devices, QStringLiteral("USB")).id, 1);
        QCOMPARE(reselect(devices, kCableIn).id, 1);
        QCOMPARE(reselect({device(0, kCableIn)}, QString()).name, QString());
        QCOMPARE(reselect({device(4, QStringLiteral("Headset")), device(5, kCableIn)}, QString()).id, 4);
        QCOMPARE(reselect({}, QStringLiteral("Headset")).name, QString());
    }

    void logLineKeepsNamesAsTheyAre()
    {
        AudioDevice d = device(3, QStringLiteral("Mic %1 (ünïcode) %2"), 3, 44100);
        d.channel = 1;
        d.mode = 2;
        d.guid = QStringLiteral("{00000000-0000-0000-0000-000000000001}");
        QCOMPARE(logLine(d),
                 QStringLiteral("[AudioDevice] (id: 3, name: Mic %1 (ünïcode) %2, sampleRate: 44100, "
                                "channel: 1, state: 3, mode: 2, guid: "
                                "{00000000-0000-0000-0000-000000000001})"));
        zaudio::Guid guid{};
        guid.data4[7] = 1;
        QCOMPARE(QString::fromStdString(zaudio::formatGuid(guid)), d.guid);
    }
};

QTEST_GUILESS_MAIN(TestDeviceSelection)
#include "test_deviceselection.moc"
