#pragma once

#include <QSet>
#include <QWidget>

class QLabel;
class QPushButton;
class QSlider;
class XImageBox;
class XLabel;
class XProgressBar;
class XSwitchButton;

// The shown sound: name and picture, its progress, play/pause, replay and
// stop, the Loop, Mute and "Block other sounds" switches, its volume
// (50 leaves it unchanged), "Stop all sounds" and the delete button of an
// imported sound. Its settings live for the run in "volume_%1", "loop_%1",
// "mute_%1" and "otherMute_%1".
class SoundActionView : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(SoundActionView)

public:
    explicit SoundActionView(QWidget* parent = nullptr);

    // The shown sound's id, 0 when none.
    int soundId() const { return m_soundId; }
    // Keeps the states of the shown sound, then shows and loads the sound
    // with its own states; `reload` loads it again even when it is shown
    // (the engine's players were made again).
    void showSound(int groupId, int soundId, bool reload = false);
    // Nothing shown.
    void clear();
    // A click on the play button: pause, resume, or play from the start.
    void clickPlay();
    // A click on the replay button.
    void replay();
    // Writes the shown sound's states into its keys.
    void storeStates();

    QPushButton* playButton() const { return m_play; }
    QPushButton* replayButton() const { return m_replay; }
    QPushButton* stopButton() const { return m_stop; }
    QPushButton* deleteButton() const { return m_delete; }
    QPushButton* stopAllButton() const { return m_stopAll; }
    XSwitchButton* loopSwitch() const { return m_loop; }
    XSwitchButton* muteSwitch() const { return m_mute; }
    XSwitchButton* blockSwitch() const { return m_block; }
    QSlider* volumeSlider() const { return m_volume; }
    QLabel* volumeText() const { return m_volumeValue; }
    XLabel* nameLabel() const { return m_name; }
    XProgressBar* progressBar() const { return m_progress; }
    bool showsPause() const { return m_showsPause; }

signals:
    void soundDelete();
    void importSoundisBroken();

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    void setPlayIcon(bool pause);
    // Applies the slider and switches to the engine.
    void applyStates();
    void setControlsEnabled(bool enabled);
    void onFinished(int soundId);

    int m_soundId = 0;
    bool m_showsPause = false;
    // Sounds paused by the user: the next play click resumes them.
    QSet<int> m_paused;
    XLabel* m_name;
    QPushButton* m_delete;
    XImageBox* m_picture;
    XProgressBar* m_progress;
    QPushButton* m_play;
    QPushButton* m_replay;
    QPushButton* m_stop;
    QLabel* m_loopLabel;
    XSwitchButton* m_loop;
    QLabel* m_muteLabel;
    XSwitchButton* m_mute;
    QLabel* m_blockLabel;
    XSwitchButton* m_block;
    QLabel* m_volumeLabel;
    QLabel* m_volumeValue;
    QSlider* m_volume;
    QPushButton* m_stopAll;
};
