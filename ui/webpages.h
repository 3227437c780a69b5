#pragma once

#include <QString>
#include <QUrl>

// The web pages the screens open. With "WebSite" empty (the default) they are
// the program's own help pages in the resources folder; with a site set,
// that site's pages.
namespace WebPages {

enum class Page
{
    Guide,      // how to use the program
    Faq,        // frequently asked questions
    Welcome,    // shown once after the first start
    ThirdParty, // picking the cable as the microphone in other programs
    CantHear    // what to check when others do not hear the changed voice
};

// The address of `page`, at `anchor` (without '#') when given.
QUrl url(Page page, const QString& anchor = QString());
// The same for an explicit web site (scheme and host) and help folder.
QUrl url(Page page, const QString& anchor, const QString& webSite, const QString& helpFolder);
// Opens `page` in the desktop's default browser; false (and a log line) when
// the desktop refuses.
bool open(Page page, const QString& anchor = QString());
// Opens a local folder in the desktop's file browser.
bool openFolder(const QString& path);

} // namespace WebPages
