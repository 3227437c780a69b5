#include "effectactionview.h"

#include "appmanager.h"
#include "audiomanager.h"
#include "audiopeakprogress.h"
#include "cutesettings.h"
#include "effectlistview.h"
#include "effectmanager.h"
#include "kit.h"
#include "languagesettings.h"
#include "panelparts.h"
#include "ximagebox.h"

#include "spdlog_qt"
#include "xlabel.h"
#include "xlineedit.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

namespace {

constexpr int kNameLength = 30;

} // namespace

using PanelParts::plainLabel;

// ---------------------------------------------------------------- slider

ActionSliderWidget::ActionSliderWidget(const EffectData::PluginParam& param, QWidget* parent)
    : QWidget(parent), m_param(param), m_name(plainLabel("#DCDCDC", this)),
      m_value(plainLabel("#979797", this)), m_slider(new QSlider(Qt::Horizontal, this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(Kit::py(4));
    auto* top = new QHBoxLayout;
    top->setSpacing(Kit::px(6));
    top->addWidget(m_name, 1);
    m_value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    top->addWidget(m_value);
    layout->addLayout(top);
    m_slider->setRange(param.min, param.max);
    m_slider->setValue(static_cast<int>(param.editValue >= 0.0f ? param.editValue : param.value));
    m_slider->setCursor(Qt::PointingHandCursor);
    layout->addWidget(m_slider);
    connect(m_slider, &QSlider::valueChanged, this, [this](int value) {
        m_value->setText(QString::number(value));
        emit valueChanged(value);
    });
    retranslate();
    updateValueText();
}

int ActionSliderWidget::position() const
{
    return m_slider->value();
}

void ActionSliderWidget::setPosition(int value)
{
    m_slider->setValue(value);
}

QString ActionSliderWidget::valueText() const
{
    return m_value->text();
}

void ActionSliderWidget::updateValueText()
{
    const QString text = AudioManager::instance()->effectParamText(m_param, m_slider->value());
    m_value->setText(text.isEmpty() ? QString::number(m_slider->value()) : text);
}

void ActionSliderWidget::retranslate()
{
    const QHash<int, QString> labels = EffectManager::instance()->paramLabels(m_param.type, m_param.index);
    QString name = labels.value(LanguageSettings::instance()->currentLanguage());
    if (name.isEmpty())
        name = labels.value(LanguageSettings::English);
    m_name->setText(name);
    m_slider->setAccessibleName(name);
}

void ActionSliderWidget::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslate();
}

// ---------------------------------------------------------------- panel

EffectActionView::EffectActionView(QWidget* parent) : QWidget(parent)
{
    QVBoxLayout* layout = PanelParts::column(this, &m_name, &m_delete);

    m_picture = new XImageBox(this);
    m_picture->setFixedSize(Kit::size(136, 102));
    m_picture->setRadius(Kit::px(8));
    layout->addWidget(m_picture, 0, Qt::AlignHCenter);
    m_latency = plainLabel("#979797", this);
    m_latency->setAlignment(Qt::AlignCenter);
    m_latency->setWordWrap(true);
    layout->addWidget(m_latency);

    m_sliderArea = new QWidget(this);
    m_sliderLayout = new QVBoxLayout(m_sliderArea);
    m_sliderLayout->setContentsMargins(0, Kit::py(4), 0, 0);
    m_sliderLayout->setSpacing(Kit::py(14));
    layout->addWidget(m_sliderArea);
    layout->addStretch(1);

    m_save = PanelParts::textButton(true, this);
    layout->addWidget(m_save, 0, Qt::AlignHCenter);
    m_reset = PanelParts::textButton(false, this);
    layout->addWidget(m_reset, 0, Qt::AlignHCenter);
    layout->addSpacing(Kit::py(6));
    m_levelLabel = plainLabel("#979797", this);
    layout->addWidget(m_levelLabel);
    m_level = new AudioPeakProgress(this);
    m_level->setFixedHeight(Kit::py(10));
    layout->addWidget(m_level);

    connect(m_save, &QPushButton::clicked, this, &EffectActionView::effectSave);
    connect(m_reset, &QPushButton::clicked, this, &EffectActionView::resetParams);
    connect(m_delete, &QPushButton::clicked, this, &EffectActionView::effectDelete);
    AudioManager* engine = AudioManager::instance();
    connect(engine, &AudioManager::deviceMeterValueChanger, m_level,
            [this](int micValue, int) { m_level->setValue(micValue); });
    connect(engine, &AudioManager::deviceReady, this, [this] {
        const EffectPair pair = EffectItemListView::storedPair();
        showEffect(pair.first, pair.second);
    });
    retranslate();
}

QString EffectActionView::picturePath(const EffectData::VoiceEffect& effect)
{
    if (effect.id == 0)
        return AppManager::imagePath(QStringLiteral("none.png"));
    return CuteSettings::resourcesPath() +
           QStringLiteral("/image/effect/%1.png").arg(effect.isCustom ? effect.oId : effect.id);
}

void EffectActionView::showName(const EffectData::VoiceEffect& effect)
{
    const QString name = effect.id == 0 ? tr("Original voice") : EffectItemListView::displayName(effect);
    m_name->setText(name);
    m_name->setAccessibleName(name);
}

void EffectActionView::showLatency()
{
    m_latency->setText(
        tr("Added latency: %1 ms").arg(QString::number(AudioManager::instance()->effectLatencyMs(), 'f', 1)));
}

void EffectActionView::showEffect(int groupId, int effectId)
{
    const EffectData::VoiceEffect effect = EffectItemListView::lookup(groupId, effectId);
    EffectManager::instance()->setCurrentEffect(effect);
    showName(effect);
    m_picture->setImage(picturePath(effect));
    m_delete->setVisible(effect.isCustom);
    QElapsedTimer clock;
    clock.start();
    AudioManager::instance()->applyEffect(effect);
    LogInfo(QStringLiteral("[EffectPage] effect %1 of group %2 applied in %3 ms")
                .arg(effectId)
                .arg(groupId)
                .arg(clock.nsecsElapsed() / 1.0e6, 0, 'f', 1));
    showLatency();

    qDeleteAll(m_sliders);
    m_sliders.clear();
    for (const EffectData::PluginParam& param : effect.edits) {
        auto* slider = new ActionSliderWidget(param, m_sliderArea);
        connect(slider, &ActionSliderWidget::valueChanged, this,
                [this, slider](int value) { onSliderMoved(slider, value); });
        m_sliderLayout->addWidget(slider);
        m_sliders.append(slider);
    }
}

void EffectActionView::onSliderMoved(ActionSliderWidget* slider, int value)
{
    const EffectData::PluginParam& param = slider->param();
    AudioManager::instance()->setEffectParam(param, value);
    slider->updateValueText();
    EffectManager* effects = EffectManager::instance();
    EffectData::VoiceEffect effect = effects->currentEffect();
    for (EffectData::PluginParam& edit : effect.edits) {
        if (edit.type == param.type && edit.index == param.index)
            edit.editValue = value;
    }
    effects->setCurrentEffect(effect);
}

bool EffectActionView::hasUnsavedChanges() const
{
    for (const ActionSliderWidget* slider : m_sliders) {
        if (slider->position() != slider->storedPosition())
            return true;
    }
    return false;
}

void EffectActionView::resetParams()
{
    for (ActionSliderWidget* slider : m_sliders)
        slider->setPosition(slider->storedPosition());
}

void EffectActionView::retranslate()
{
    m_save->setText(tr("Save settings"));
    m_reset->setText(tr("Reset"));
    Kit::nameIconButton(m_delete, tr("Delete"));
    m_picture->setAccessibleName(tr("Voice picture"));
    m_levelLabel->setText(tr("Microphone"));
    m_level->setAccessibleName(tr("Microphone level"));
    const EffectData::VoiceEffect effect = EffectManager::instance()->currentEffect();
    showName(effect);
    showLatency();
}

void EffectActionView::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslate();
}

// ---------------------------------------------------------------- save dialog

SaveParamDialog::SaveParamDialog(int mode, QWidget* parent) : XDialog(parent), m_mode(mode)
{
    setModal(true);
    setMinimumWidth(Kit::px(420));
    QVBoxLayout* content = contentLayout();
    content->setSpacing(Kit::py(10));
    m_heading = new QLabel(this);
    m_heading->setWordWrap(true);
    m_heading->setAlignment(Qt::AlignCenter);
    m_heading->setStyleSheet(QStringLiteral("color: #FFFFFF; font-weight: bold; background: transparent;"));
    content->addWidget(m_heading);
    m_text = new QLabel(this);
    m_text->setWordWrap(true);
    m_text->setAlignment(Qt::AlignCenter);
    m_text->setStyleSheet(QStringLiteral("color: #979797; background: transparent;"));
    content->addWidget(m_text);

    const EffectData::VoiceEffect effect = EffectManager::instance()->currentEffect();
    auto* picture = new XImageBox(this);
    picture->setFixedSize(Kit::size(136, 102));
    picture->setRadius(Kit::px(8));
    picture->setImage(EffectActionView::picturePath(effect));
    content->addSpacing(Kit::py(6));
    content->addWidget(picture, 0, Qt::AlignHCenter);

    m_nameEdit = new XLineEdit(this);
    m_nameEdit->setMaxLength(kNameLength);
    m_nameEdit->setFixedSize(Kit::size(300, 36));
    m_nameEdit->setStyleSheet(
        QStringLiteral("QLineEdit {background: %1; color: %2; border: none; border-radius: %3px;}")
            .arg(Kit::windowColor().name(), Kit::textColor().name())
            .arg(Kit::px(6)));
    m_nameEdit->setText(EffectManager::instance()
                            ->uniqueCustomName(EffectItemListView::displayName(effect))
                            .left(kNameLength));
    content->addWidget(m_nameEdit, 0, Qt::AlignHCenter);
    m_error = new QLabel(this);
    m_error->setAlignment(Qt::AlignCenter);
    m_error->setStyleSheet(QStringLiteral("color: #FF6B6B; background: transparent;"));
    content->addWidget(m_error);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(Kit::px(16));
    buttons->addStretch(1);
    m_reject = new QPushButton(this);
    m_accept = new QPushButton(this);
    for (QPushButton* button : {m_reject, m_accept}) {
        button->setMinimumSize(Kit::size(120, 34));
        button->setCursor(Qt::PointingHandCursor);
        button->setStyleSheet(Kit::buttonStyle(button == m_accept, 34));
        buttons->addWidget(button);
    }
    buttons->addStretch(1);
    content->addSpacing(Kit::py(6));
    content->addLayout(buttons);
    m_accept->setDefault(true);

    connect(m_accept, &QPushButton::clicked, this, &SaveParamDialog::tryAccept);
    connect(m_reject, &QPushButton::clicked, this, [this] { done(0); });
    connect(m_nameEdit, &QLineEdit::textEdited, m_error, [this] {
        m_errorSource.clear();
        m_error->clear();
    });
    retranslate();
    m_nameEdit->setFocus();
    m_nameEdit->selectAll();
}

void SaveParamDialog::tryAccept()
{
    const QString text = m_nameEdit->text();
    QString blanksRemoved = text;
    blanksRemoved.remove(QRegExp(QStringLiteral("\\s")));
    if (blanksRemoved.isEmpty())
        m_errorSource = QStringLiteral("empty");
    else if (EffectManager::instance()->nameExists(text))
        m_errorSource = QStringLiteral("exists");
    else
        m_errorSource.clear();
    retranslate();
    if (!m_errorSource.isEmpty())
        return;
    CuteSettings::instance()->setValue(QStringLiteral("CustomName"), text, Transient);
    done(1);
}

void SaveParamDialog::retranslate()
{
    setTitle(tr("Save settings"));
    if (m_mode == 0) {
        m_heading->setText(tr("Are you sure to save the adjusted parameters of sound?"));
        m_text->setText(tr("The adjusted sound will be saved in the [Customization] category"));
        m_accept->setText(tr("Yes"));
    } else {
        m_heading->setText(tr("The parameters you adjusted are not saved, do you want to save them?"));
        m_text->setText(tr("If not saved, the sound parameters will be reset"));
        m_accept->setText(tr("Save"));
    }
    m_reject->setText(tr("No"));
    m_nameEdit->setAccessibleName(tr("Name"));
    m_nameEdit->setPlaceholderText(tr("Name"));
    if (m_errorSource == QLatin1String("empty"))
        m_error->setText(tr("Please enter the sound name"));
    else if (m_errorSource == QLatin1String("exists"))
        m_error->setText(tr("The name already exists"));
    else
        m_error->clear();
}

void SaveParamDialog::changeEvent(QEvent* event)
{
    XDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslate();
}
