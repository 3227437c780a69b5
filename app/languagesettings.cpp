#include "languagesettings.h"

#include "cutesettings.h"

#include <QCoreApplication>
#include <QTranslator>

#include <cstdio>

namespace {

// Per language, in number order: its translation file, its menu text, and
// whether that text is translated (otherwise it is shown as written).
struct Language
{
    const char* file;
    const char* name;
    bool translated;
};

constexpr std::array<Language, LanguageSettings::LanguageCount> kLanguages = {{
    {"en-us.qm", "English", false},
    {"zh-cn.qm", QT_TRANSLATE_NOOP("LanguageSettings", "Chinese(Simplified)"), true},
    {"zh-tw.qm", QT_TRANSLATE_NOOP("LanguageSettings", "Chinese(Traditional)"), true},
    {"it-it.qm", "Italiano", false},
    {"de-de.qm", "Deutsch", false},
    {"fr-fr.qm", "Fran\u00e7ais", false},
    {"es-es.qm", "Espa\u00f1ol", false},
    {"pt-pt.qm", "Portugu\u00eas", false},
    {"ja-jp.qm", QT_TRANSLATE_NOOP("LanguageSettings", "Japanese"), true},
    // The Russian name begins with a Latin capital P, as the menu has always shown it.
    {"ru-ru.qm", "P\u0443\u0441\u0441\u043a\u0438\u0439", false},
    {"id-id.qm", "Indonesian", false},
    {"ko-kr.qm", QT_TRANSLATE_NOOP("LanguageSettings", "Korean"), true},
    {"vi-vn.qm", "Ti\u1ebfng Vi\u1ec7t", false},
}};

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
    return QString::fromLatin1(
        kLanguages[language >= 0 && language < LanguageCount ? language : English].file);
}

QString LanguageSettings::menuText(int language)
{
    if (language < 0 || language >= LanguageCount)
        return {};
    const Language& entry = kLanguages[language];
    return entry.translated ? QCoreApplication::translate("LanguageSettings", entry.name)
                            : QString::fromUtf8(entry.name);
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
