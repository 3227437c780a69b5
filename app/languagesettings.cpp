#include "languagesettings.h"

#include "cutesettings.h"

#include <QCoreApplication>
#include <QTranslator>

#include <cstdio>

namespace {

constexpr std::array<const char*, LanguageSettings::LanguageCount> kFiles = {
    "en-us.qm", "zh-cn.qm", "zh-tw.qm", "it-it.qm", "de-de.qm", "fr-fr.qm", "es-es.qm",
    "pt-pt.qm", "ja-jp.qm", "ru-ru.qm", "id-id.qm", "ko-kr.qm", "vi-vn.qm"};

// Names shown as written, in every language. The four others are translated.
constexpr std::array<const char*, LanguageSettings::LanguageCount> kNames = {
    "English", QT_TRANSLATE_NOOP("LanguageSettings", "Chinese(Simplified)"),
    QT_TRANSLATE_NOOP("LanguageSettings", "Chinese(Traditional)"), "Italiano", "Deutsch", "Fran\u00e7ais",
    "Espa\u00f1ol", "Portugu\u00eas", QT_TRANSLATE_NOOP("LanguageSettings", "Japanese"),
    // The Russian name begins with a Latin capital P, as the menu has always shown it.
    "P\u0443\u0441\u0441\u043a\u0438\u0439", "Indonesian", QT_TRANSLATE_NOOP("LanguageSettings", "Korean"),
    "Ti\u1ebfng Vi\u1ec7t"};

bool isTranslatedName(int language)
{
    return language == LanguageSettings::ChineseSimplified ||
           language == LanguageSettings::ChineseTraditional || language == LanguageSettings::Japanese ||
           language == LanguageSettings::Korean;
}

const QString kLanguageKey = QStringLiteral("Language");

} // namespace

LanguageSettings::LanguageSettings() : m_translator(new QTranslator(this))
{
    QCoreApplication::installTranslator(m_translator);
}

LanguageSettings* LanguageSettings::instance()
{
    static LanguageSettings* settings = new LanguageSettings;
    return settings;
}

int LanguageSettings::currentLanguage() const
{
    return CuteSettings::instance()->value(kLanguageKey, 0, Native).toInt();
}

QString LanguageSettings::fileName(int language)
{
    return QString::fromLatin1(kFiles[language >= 0 && language < LanguageCount ? language : English]);
}

QString LanguageSettings::menuText(int language)
{
    if (language < 0 || language >= LanguageCount)
        return {};
    return isTranslatedName(language) ? QCoreApplication::translate("LanguageSettings", kNames[language])
                                      : QString::fromUtf8(kNames[language]);
}

void LanguageSettings::setTranslationFolder(const QString& folder)
{
    m_folder = folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

bool LanguageSettings::setLanguage(int language)
{
    const QString path = m_folder + fileName(language);
    if (m_translator->load(path)) {
        CuteSettings::instance()->setValue(kLanguageKey, language, Native);
        emit languageChanged(language);
        return true;
    }
    std::fprintf(stderr, "error: load %s failed.\n", qPrintable(path));
    const int stored = currentLanguage();
    if (stored != language)
        setLanguage(stored);
    return false;
}
