#include "webpages.h"

#include "cutesettings.h"

#include "spdlog_qt"

#include <QDesktopServices>
#include <QDir>

namespace WebPages {

namespace {

struct PageAddress
{
    const char* sitePath;
    const char* helpFile;
    const char* helpAnchor;
};

PageAddress address(Page page)
{
    switch (page) {
    case Page::Guide:
        return {"/guide/how-to-use-ton-morph/", "how-to-use.html", ""};
    case Page::Faq:
        return {"/support/technical-faqs/ton-morph/", "faq.html", ""};
    case Page::Welcome:
        return {"/thankyou/install-ton-morph-for-linux/", "welcome.html", ""};
    case Page::ThirdParty:
        return {"/guide/third-party-platform-access/", "third-party.html", ""};
    case Page::CantHear:
        return {"/support/technical-faqs/ton-morph/", "faq.html", "cant-hear"};
    }
    return {"/", "how-to-use.html", ""};
}

bool openUrl(const QUrl& url)
{
    if (QDesktopServices::openUrl(url))
        return true;
    LogError(QStringLiteral("[Web] the desktop could not open %1").arg(url.toString()));
    return false;
}

} // namespace

QUrl url(Page page, const QString& anchor, const QString& webSite, const QString& helpFolder)
{
    const PageAddress where = address(page);
    const QString fragment = anchor.isEmpty() ? QString::fromLatin1(where.helpAnchor) : anchor;
    QUrl result;
    if (webSite.isEmpty()) {
        result = QUrl::fromLocalFile(QDir(helpFolder).filePath(QString::fromLatin1(where.helpFile)));
    } else {
        QString base = webSite;
        while (base.endsWith(QLatin1Char('/')))
            base.chop(1);
        result = QUrl(base + QString::fromLatin1(where.sitePath));
    }
    if (!fragment.isEmpty())
        result.setFragment(fragment);
    return result;
}

QUrl url(Page page, const QString& anchor)
{
    return url(page, anchor, CuteSettings::instance()->configValue(QStringLiteral("WebSite")),
               CuteSettings::resourcesPath() + QStringLiteral("/help"));
}

bool open(Page page, const QString& anchor)
{
    const QUrl target = url(page, anchor);
    LogInfo(QStringLiteral("[Web] opening %1").arg(target.toString()));
    return openUrl(target);
}

bool openFolder(const QString& path)
{
    return openUrl(QUrl::fromLocalFile(path));
}

} // namespace WebPages
