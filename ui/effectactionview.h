#pragma once

#include "effectdata.h"
#include "xdialog.h"

#include <QWidget>

class AudioPeakProgress;
class QLabel;
class QPushButton;
class QSlider;
class QVBoxLayout;
class XImageBox;
class XLabel;
class XLineEdit;

// One adjustable parameter of the effect in force: its name, its value in
// its unit, and a slider over its range.
class ActionSliderWidget : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(ActionSliderWidget)

public:
    explicit ActionSliderWidget(const EffectData::PluginParam& param, QWidget* parent = nullptr);

    const EffectData::PluginParam& param() const { return m_param; }
    int position() const;
    void setPosition(int value);
    // The stored value as a slider position.
    int storedPosition() const { return static_cast<int>(m_param.value); }
    QSlider* slider() const { return m_slider; }
    QString valueText() const;
    // Shows the value at the slider's position again (after the engine took it).
    void updateValueText();

signals:
    void valueChanged(int value);

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();

    EffectData::PluginParam m_param;
    QLabel* m_name;
    QLabel* m_value;
    QSlider* m_slider;
};

// The effect in force: name, picture and added latency, one slider per
// adjustable parameter, "Save settings", "Reset", the delete button of a
// custom effect and the microphone's level.
class EffectActionView : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(EffectActionView)

public:
    explicit EffectActionView(QWidget* parent = nullptr);

    // Makes the effect the current one, applies it and builds its sliders.
    void showEffect(int groupId, int effectId);
    // Some slider differs from its stored value.
    bool hasUnsavedChanges() const;
    // Every slider back to its stored value, the voice with it.
    void resetParams();

    QList<ActionSliderWidget*> sliders() const { return m_sliders; }
    XLabel* nameLabel() const { return m_name; }
    QLabel* latencyLabel() const { return m_latency; }
    QPushButton* saveButton() const { return m_save; }
    QPushButton* resetButton() const { return m_reset; }
    QPushButton* deleteButton() const { return m_delete; }
    AudioPeakProgress* levelBar() const { return m_level; }

    // The picture of an effect: a custom effect shows its origin's.
    static QString picturePath(const EffectData::VoiceEffect& effect);

signals:
    void effectSave();
    void effectDelete();

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    void onSliderMoved(ActionSliderWidget* slider, int value);
    void showName(const EffectData::VoiceEffect& effect);
    void showLatency();

    XLabel* m_name;
    QPushButton* m_delete;
    XImageBox* m_picture;
    QLabel* m_latency;
    QWidget* m_sliderArea;
    QVBoxLayout* m_sliderLayout;
    QList<ActionSliderWidget*> m_sliders;
    QPushButton* m_save;
    QPushButton* m_reset;
    QLabel* m_levelLabel;
    AudioPeakProgress* m_level;
};

// Asks for the name of a custom effect made from the adjusted one. Mode 0
// is the explicit save, mode 1 the prompt before another effect is applied.
class SaveParamDialog : public XDialog
{
    Q_OBJECT
    Q_DISABLE_COPY(SaveParamDialog)

public:
    explicit SaveParamDialog(int mode, QWidget* parent = nullptr);

    XLineEdit* nameEdit() const { return m_nameEdit; }
    QLabel* errorLabel() const { return m_error; }
    QPushButton* acceptButton() const { return m_accept; }
    QPushButton* rejectButton() const { return m_reject; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    void tryAccept();

    int m_mode;
    QLabel* m_heading;
    QLabel* m_text;
    XLineEdit* m_nameEdit;
    QLabel* m_error;
    QPushButton* m_accept;
    QPushButton* m_reject;
    QString m_errorSource;
};
