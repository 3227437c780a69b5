#pragma once

#include <QObject>

#include <array>

class QTranslator;

// The interface language: the translator installed into the application and
// the language stored in the native settings under "Language".
class LanguageSettings : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(LanguageSettings)

public:
    enum LanguageType
    {
        English,
        ChineseSimplified,
        ChineseTraditional,
        Italian,
        German,
        French,
        Spanish,
        Portuguese,
        Japanese,
        Russian,
        Indonesian,
        Korean,
        Vietnamese,
        LanguageCount
    };

    // The order of the language menu.
    static constexpr std::array<LanguageType, LanguageCount> menuOrder = {
        English,  Italian,           Russian,           German,     French,
        Spanish,  Portuguese,        Indonesian,        Vietnamese, Korean,
        Japanese, ChineseSimplified, ChineseTraditional};

    static LanguageSettings* instance();

    int currentLanguage() const;
    // Loads the language's translation; false when it could not be loaded.
    bool setLanguage(int language);

    // "de-de.qm" for German; languages out of range give English's file.
    static QString fileName(int language);
    // What the language menu shows: the language's own name, or a
    // translated one for the four that are translated.
    static QString menuText(int language);

    // Where the translations are read from: the program's own resources
    // (":/translations/") unless a test points elsewhere.
    void setTranslationFolder(const QString& folder);

signals:
    void languageChanged(int language);

private:
    LanguageSettings();

    QTranslator* m_translator = nullptr;
    QString m_folder = QStringLiteral(":/translations/");
};
