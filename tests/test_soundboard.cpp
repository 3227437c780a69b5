// The soundboard player on the library's NoSound output: muting, blocking,
// one or several sounds at a time, progress and ends, loops, bad files.

#include "audiomanager.h"
#include "audiomulitplayback.h"
#include "audiosignal.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

constexpr double kSeconds = 0.3;

bool muted(const zaudio::Channel& channel)
{
    bool mute = false;
    channel.getMute(&mute);
    return mute;
}

// The ids carried by the signals a spy caught, in order.
QList<int> idsOf(const QSignalSpy& spy)
{
    QList<int> ids;
    for (const QList<QVariant>& arguments : spy)
        ids.append(arguments.at(0).toInt());
    return ids;
}

} // namespace

class TestSoundboard : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_wav;

    // A player on NoSound with the short sine loaded under each id.
    void loadAll(AudioMulitPlayback* player, std::initializer_list<int> ids)
    {
        player->init(0);
        for (int id : ids)
            player->loadSound(id, m_wav);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_wav = m_dir.filePath(QStringLiteral("tone.wav"));
        QVERIFY(audiosignal::writeSine(QFile::encodeName(m_wav), SF_FORMAT_WAV | SF_FORMAT_PCM_16, 48000, 2,
                                       kSeconds, 440.0, 0.5));
    }

    void blockOthersKeepsUserMute()
    {
        AudioMulitPlayback player(nullptr, zaudio::OutputType::NoSound);
        loadAll(&player, {3, 5, 7});
        player.setSoundMute(5, true);

        player.setBlockOthers(3, true);
        QVERIFY(!muted(player.channel(3)));
        QVERIFY(muted(player.channel(5)));
        QVERIFY(muted(player.channel(7)));

        player.setBlockOthers(3, false);
        QVERIFY(!muted(player.channel(3)));
        QVERIFY(muted(player.channel(5)));
        QVERIFY(!muted(player.channel(7)));
        QVERIFY(player.isMutedByUser(5));
    }

    void oneAtATimeOrSeveral()
    {
        AudioMulitPlayback player(nullptr, zaudio::OutputType::NoSound);
        loadAll(&player, {1, 2});
        QSignalSpy finished(AudioManager::instance(), &AudioManager::playFinished);

        player.playSound(1);
        QVERIFY(player.isSoundPlaying(1));
        player.playSound(2);
        QVERIFY(idsOf(finished).contains(1));
        QVERIFY(!player.isSoundPlaying(1));
        // Playing 1 stopped the paused channel of 2: only a replay starts it.
        QVERIFY(!player.isSoundPlaying(2));
        QVERIFY(player.replaySound(2));
        QVERIFY(player.isSoundPlaying(2));

        // Several at once.
        player.setMultiPlay(true);
        finished.clear();
        QVERIFY(player.replaySound(1));
        QVERIFY(player.isSoundPlaying(1));
        QVERIFY(player.isSoundPlaying(2));
        QVERIFY(finished.isEmpty());
    }

    void progressThenOneEnd()
    {
        AudioMulitPlayback player(nullptr, zaudio::OutputType::NoSound);
        loadAll(&player, {1, 2});
        QVERIFY(player.isSoundPaused(1));
        QSignalSpy progress(AudioManager::instance(), &AudioManager::playProgress);
        QSignalSpy finished(AudioManager::instance(), &AudioManager::playFinished);

        player.playSound(1);
        QVERIFY(!player.isSoundPaused(1));
        QTRY_VERIFY_WITH_TIMEOUT(player.pausedFlag(1), 5000);
        QTest::qWait(300); // more polls: the end is reported once
        QCOMPARE(idsOf(finished).count(1), 1);
        QVERIFY(!player.isSoundPlaying(1));
        QVERIFY(player.isSoundPaused(1));

        QVERIFY(!progress.isEmpty());
        int last = 0;
        for (const QList<QVariant>& arguments : progress) {
            QCOMPARE(arguments.at(0).toInt(), 1);
            const int value = arguments.at(1).toInt();
            QVERIFY2(value >= 1 && value <= 100, qPrintable(QString::number(value)));
            QVERIFY(value >= last);
            last = value;
        }

        // A finished stream starts over on a new channel.
        const zaudio::Channel old = player.channel(1);
        finished.clear();
        QVERIFY(player.replaySound(1));
        QVERIFY(player.channel(1) != old);
        QVERIFY(player.isSoundPlaying(1));
        QTRY_COMPARE_WITH_TIMEOUT(idsOf(finished).count(1), 1, 5000);

        QVERIFY(!player.replaySound(42));
    }

    void loopPlaysPastItsLength()
    {
        AudioMulitPlayback player(nullptr, zaudio::OutputType::NoSound);
        loadAll(&player, {1});
        QSignalSpy finished(AudioManager::instance(), &AudioManager::playFinished);
        player.setSoundLoop(1, true);
        player.playSound(1);
        QTest::qWait(static_cast<int>(kSeconds * 1000) * 3);
        QVERIFY(player.isSoundPlaying(1));
        QVERIFY(finished.isEmpty());

        // Looping off again: it ends at the end of the current pass.
        player.setSoundLoop(1, false);
        QTRY_VERIFY_WITH_TIMEOUT(player.pausedFlag(1), 5000);
        QCOMPARE(idsOf(finished), QList<int>{1});
    }

    void badFilesDoNotLoad()
    {
        const QString corrupt = m_dir.filePath(QStringLiteral("corrupt.wav"));
        QFile file(corrupt);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray("RIFF\x10\0\0\0WAVEjunk", 16) + QByteArray(200, '\x7f'));
        file.close();

        AudioMulitPlayback player(nullptr, zaudio::OutputType::NoSound);
        player.init(0);
        QVERIFY(!player.replaySound(1)); // nothing loaded at all
        player.loadSound(1, m_dir.filePath(QStringLiteral("missing.wav")));
        player.loadSound(2, corrupt);
        for (int id : {1, 2}) {
            QVERIFY(player.channel(id).isNull());
            player.playSound(id);
            QVERIFY(!player.isSoundPlaying(id));
            QVERIFY(!player.isSoundPaused(id));
            QVERIFY(!player.replaySound(id));
        }
    }

    void removeKeepsFlagsAndStopAllIsAscending()
    {
        AudioMulitPlayback player(nullptr, zaudio::OutputType::NoSound);
        loadAll(&player, {9, 4, 2});
        player.setMultiPlay(true);
        player.setSoundMute(4, true);
        for (int id : {9, 4, 2})
            player.playSound(id);

        QSignalSpy finished(AudioManager::instance(), &AudioManager::playFinished);
        player.stopAllSounds();
        QCOMPARE(idsOf(finished).mid(0, 3), (QList<int>{2, 4, 9}));
        for (int id : {2, 4, 9})
            QVERIFY(!player.isSoundPlaying(id));

        player.removeSound(4);
        QVERIFY(player.channel(4).isNull());
        QVERIFY(!player.isSoundPaused(4));
        QVERIFY(!player.pausedFlag(4)); // as playSound left it
        QVERIFY(player.isMutedByUser(4));

        // The id can be loaded again.
        player.loadSound(4, m_wav);
        QVERIFY(!player.channel(4).isNull());
        QVERIFY(player.isSoundPaused(4));
    }
};

QTEST_GUILESS_MAIN(TestSoundboard)
#include "test_soundboard.moc"
