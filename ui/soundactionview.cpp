#include "soundactionview.h"

#include "appmanager.h"
#include "audiomanager.h"
#include "cutesettings.h"
#include "kit.h"
#include "panelparts.h"
#include "soundlistview.h"
#include "soundmanager.h"
#include "ximagebox.h"
#include "xlabel.h"
#include "xprogressbar.h"
#include "xswitchbutton.h"

#include "spdlog_qt"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

namespace {

constexpr int kUnchangedVolume = 50;

// The engine's volume factor of a slider position: 50 leaves the sound as it is.
float volumeFactor(int position)
{
    return static_cast<float>(position) / kUnchangedVolume;
}

using PanelParts::iconButton;
using PanelParts::plainLabel;

QVariant setting(const QString& key)
{
    return CuteSettings::instance()->value(key);
}

void setSetting(const QString& key, const QVariant& value)
{
    CuteSettings::instance()->setValue(key, value, CuteSettings::defaultScope(key));
}

// A switch with its label on the left.
QHBoxLayout* switchRow(QLabel* label, XSwitchButton* button)
{
    auto* row = new QHBoxLayout;
    row->setSpacing(Kit::px(8));
    label->setWordWrap(true);
    row->addWidget(label, 1);
    row->addWidget(button, 0, Qt::AlignVCenter);
    return row;
}

} // namespace

SoundActionView::SoundActionView(QWidget* parent) : QWidget(parent)
{
    QVBoxLayout* layout = PanelParts::column(this, &m_name, &m_delete);

    m_picture = new XImageBox(this);
    m_picture->setFixedSize(Kit::size(102, 102));
    m_picture->setRadius(Kit::px(8));
    layout->addWidget(m_picture, 0, Qt::AlignHCenter);
    m_progress = new XProgressBar(this);
    m_progress->setRange(0, 100);
    m_progress->setValue(0);
    m_progress->setTextVisible(false);
    m_progress->setFixedHeight(Kit::py(4));
    layout->addWidget(m_progress);

    auto* controls = new QHBoxLayout;
    controls->setSpacing(Kit::px(16));
    controls->addStretch(1);
    m_replay = iconButton(QStringLiteral("replay.png"), 32, this);
    controls->addWidget(m_replay);
    m_play = iconButton(QStringLiteral("play.png"), 32, this);
    m_play->setObjectName(QStringLiteral("playContorl"));
    m_play->setStyleSheet(
        QStringLiteral("#playContorl{border-radius: %1px; background: %2; border: %3px solid %4;}"
                       "#playContorl:hover, #playContorl:focus{background: #4A3363;}")
            .arg(Kit::px(16))
            .arg(Kit::windowColor().name())
            .arg(1)
            .arg(Kit::accentColor().name()));
    controls->addWidget(m_play);
    m_stop = iconButton(QStringLiteral("stop.png"), 32, this);
    controls->addWidget(m_stop);
    controls->addStretch(1);
    layout->addLayout(controls);

    m_loopLabel = plainLabel("#DCDCDC", this);
    m_loop = new XSwitchButton(this);
    layout->addLayout(switchRow(m_loopLabel, m_loop));
    m_muteLabel = plainLabel("#DCDCDC", this);
    m_mute = new XSwitchButton(this);
    layout->addLayout(switchRow(m_muteLabel, m_mute));
    m_blockLabel = plainLabel("#DCDCDC", this);
    m_block = new XSwitchButton(this);
    layout->addLayout(switchRow(m_blockLabel, m_block));

    auto* volumeRow = new QHBoxLayout;
    m_volumeLabel = plainLabel("#DCDCDC", this);
    volumeRow->addWidget(m_volumeLabel, 1);
    m_volumeValue = plainLabel("#979797", this);
    m_volumeValue->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    volumeRow->addWidget(m_volumeValue);
    layout->addLayout(volumeRow);
    m_volume = new QSlider(Qt::Horizontal, this);
    m_volume->setRange(0, 100);
    m_volume->setValue(kUnchangedVolume);
    m_volume->setCursor(Qt::PointingHandCursor);
    layout->addWidget(m_volume);
    m_volumeValue->setText(QString::number(kUnchangedVolume));
    layout->addStretch(1);

    m_stopAll = PanelParts::textButton(false, this);
    layout->addWidget(m_stopAll, 0, Qt::AlignHCenter);

    AudioManager* engine = AudioManager::instance();
    connect(m_play, &QPushButton::clicked, this, &SoundActionView::clickPlay);
    connect(m_replay, &QPushButton::clicked, this, &SoundActionView::replay);
    connect(m_stop, &QPushButton::clicked, this, [this] {
        if (m_soundId != 0)
            AudioManager::instance()->stopSound(m_soundId);
    });
    connect(m_stopAll, &QPushButton::clicked, engine, &AudioManager::stopAllSounds);
    connect(m_delete, &QPushButton::clicked, this, &SoundActionView::soundDelete);
    connect(m_loop, &XSwitchButton::stateChanged, this, [this](int state) {
        AudioManager::instance()->setSoundLoop(m_soundId, state == 0);
        storeStates();
    });
    connect(m_mute, &XSwitchButton::stateChanged, this, [this](int state) {
        AudioManager::instance()->setSoundMute(m_soundId, state == 0);
        storeStates();
    });
    connect(m_block, &XSwitchButton::stateChanged, this, [this](int state) {
        AudioManager::instance()->setBlockOthers(m_soundId, state == 0);
        storeStates();
    });
    connect(m_volume, &QSlider::valueChanged, this, [this](int value) {
        m_volumeValue->setText(QString::number(value));
        AudioManager::instance()->setSoundVolume(m_soundId, volumeFactor(value));
        storeStates();
    });
    connect(engine, &AudioManager::playProgress, this, [this](int soundId, int value) {
        if (soundId == m_soundId)
            m_progress->setValue(value);
    });
    connect(engine, &AudioManager::playFinished, this, &SoundActionView::onFinished);
    retranslate();
    clear();
}

void SoundActionView::setPlayIcon(bool pause)
{
    m_showsPause = pause;
    m_play->setIcon(
        QIcon(AppManager::imagePath(pause ? QStringLiteral("pause.png") : QStringLiteral("play.png"))));
    Kit::nameIconButton(m_play, pause ? tr("Pause") : tr("Play"));
}

void SoundActionView::setControlsEnabled(bool enabled)
{
    for (QWidget* control :
         std::initializer_list<QWidget*>{m_play, m_replay, m_stop, m_loop, m_mute, m_block, m_volume})
        control->setEnabled(enabled);
}

void SoundActionView::clear()
{
    m_soundId = 0;
    m_name->setText(QString());
    m_name->setAccessibleName(QString());
    m_picture->setPixmap(QPixmap());
    m_delete->hide();
    m_progress->setValue(0);
    setPlayIcon(false);
    setControlsEnabled(false);
}

void SoundActionView::storeStates()
{
    if (m_soundId == 0)
        return;
    const QString id = QString::number(m_soundId);
    setSetting(QStringLiteral("volume_") + id, m_volume->value());
    setSetting(QStringLiteral("loop_") + id, m_loop->state());
    setSetting(QStringLiteral("mute_") + id, m_mute->state());
    setSetting(QStringLiteral("otherMute_") + id, m_block->state());
}

void SoundActionView::applyStates()
{
    AudioManager* engine = AudioManager::instance();
    engine->setSoundVolume(m_soundId, volumeFactor(m_volume->value()));
    engine->setSoundLoop(m_soundId, m_loop->state() == 0);
    engine->setSoundMute(m_soundId, m_mute->state() == 0);
    engine->setBlockOthers(m_soundId, m_block->state() == 0);
}

void SoundActionView::showSound(int groupId, int soundId, bool reload)
{
    if (soundId == m_soundId && !reload)
        return;
    storeStates();
    const SoundData::SoundBoard sound = SoundItemListView::lookup(groupId, soundId);
    if (sound.id == 0) {
        clear();
        return;
    }
    SoundManager::instance()->setCurrentSound(sound);
    const bool same = soundId == m_soundId;
    m_soundId = soundId;
    m_name->setText(sound.name);
    m_name->setAccessibleName(sound.name);
    m_name->setToolTip(sound.name);
    m_picture->setImage(SoundItemListView::picturePath(sound));
    m_delete->setVisible(sound.isImport);
    if (!same) {
        m_progress->setValue(0);
        setPlayIcon(AudioManager::instance()->isSoundPlaying(soundId));
    }
    setControlsEnabled(true);
    AudioManager::instance()->loadSound(soundId, sound.path);

    // The controls take the new sound's states without acting on the engine
    // one by one; the whole set is applied at once below.
    const QString id = QString::number(soundId);
    const QSignalBlocker volumeBlock(m_volume);
    const QSignalBlocker loopBlock(m_loop);
    const QSignalBlocker muteBlock(m_mute);
    const QSignalBlocker blockBlock(m_block);
    m_volume->setValue(setting(QStringLiteral("volume_") + id).toInt());
    m_volumeValue->setText(QString::number(m_volume->value()));
    m_loop->setState(setting(QStringLiteral("loop_") + id).toInt());
    m_mute->setState(setting(QStringLiteral("mute_") + id).toInt());
    m_block->setState(setting(QStringLiteral("otherMute_") + id).toInt());
    applyStates();
}

void SoundActionView::clickPlay()
{
    if (m_soundId == 0)
        return;
    AudioManager* engine = AudioManager::instance();
    if (engine->isSoundPlaying(m_soundId)) {
        engine->pauseSound(m_soundId);
        m_paused.insert(m_soundId);
        setPlayIcon(false);
    } else if (m_paused.contains(m_soundId) && engine->isSoundPaused(m_soundId)) {
        engine->playSound(m_soundId);
        m_paused.remove(m_soundId);
        setPlayIcon(true);
    } else {
        replay();
        return;
    }
    engine->setSoundVolume(m_soundId, volumeFactor(m_volume->value()));
}

void SoundActionView::replay()
{
    if (m_soundId == 0)
        return;
    m_paused.remove(m_soundId);
    const bool started = AudioManager::instance()->replaySound(m_soundId);
    setPlayIcon(started);
    if (!started) {
        LogInfo(QStringLiteral("[SoundPage] sound %1 did not start").arg(m_soundId));
        emit importSoundisBroken();
    }
    if (m_soundId == 0)
        return; // the broken sound was deleted
    storeStates();
    applyStates();
}

void SoundActionView::onFinished(int soundId)
{
    m_paused.remove(soundId);
    if (soundId != m_soundId)
        return;
    setPlayIcon(false);
    m_progress->setValue(0);
}

void SoundActionView::retranslate()
{
    setPlayIcon(m_showsPause);
    Kit::nameIconButton(m_replay, tr("Replay"));
    Kit::nameIconButton(m_stop, tr("Stop"));
    Kit::nameIconButton(m_delete, tr("Delete"));
    m_picture->setAccessibleName(tr("Sound picture"));
    m_progress->setAccessibleName(tr("Playback progress"));
    m_loopLabel->setText(tr("Loop"));
    m_loop->setAccessibleName(tr("Loop"));
    m_muteLabel->setText(tr("Mute"));
    m_mute->setAccessibleName(tr("Mute"));
    m_blockLabel->setText(tr("Block other sounds"));
    m_block->setAccessibleName(tr("Block other sounds"));
    m_volumeLabel->setText(tr("Volume"));
    m_volume->setAccessibleName(tr("Volume"));
    m_stopAll->setText(tr("Stop all sounds"));
}

void SoundActionView::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslate();
}
