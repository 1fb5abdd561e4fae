#include "LedraView.h"

#include "ViewerFile.h"
#include "ViewerSettings.h"

#include <QDir>
#include <QTextDocument>

namespace mirelle {

namespace {

const QUrl kBlankPage("about:blank");

bool IsPage(int type) {
    return type == QTextDocument::UnknownResource || type == QTextDocument::HtmlResource ||
           type == QTextDocument::MarkdownResource;
}

// Larger pages are no manual's: reading them would take the viewer minutes and gigabytes.
constexpr qint64 kLargestPage = qint64{16} << 20;

QString Where(const QUrl& url) {
    return (url.isLocalFile() ? url.toLocalFile() : url.toDisplayString()).toHtmlEscaped();
}

QString NotFoundPage(const QUrl& url) {
    return "<html><body><h2>Page not found</h2><p>The page <tt>" + Where(url) +
           "</tt> cannot be shown: the viewer shows readable local files only.</p></body></html>";
}

QString TooLargePage(const QUrl& url) {
    return "<html><body><h2>Page too large</h2><p>The page <tt>" + Where(url) +
           "</tt> cannot be shown: the viewer shows pages of up to " +
           QString::number(kLargestPage >> 20) + " MB only.</p></body></html>";
}

} // namespace

QUrl AddressToUrl(const QString& address) {
    const QString trimmed = address.trimmed();
    if (trimmed.isEmpty())
        return kBlankPage;
    return QUrl::fromUserInput(trimmed, QDir::currentPath(), QUrl::AssumeLocalFile);
}

CLedraView::CLedraView(QWidget* parent) : QTextBrowser(parent) {
    setOpenExternalLinks(true); // web addresses go to the user's browser
    setFrameShape(QFrame::NoFrame);
    document()->setDocumentMargin(fontMetrics().averageCharWidth() * 2);
}

void CLedraView::OnInitialUpdate(const ViewerSettings& settings) {
    Navigate(settings.ReadSettingString("Document"));
}

void CLedraView::Navigate(const QString& address) {
    const QUrl url = AddressToUrl(address);
    if (url == source())
        reload();
    else
        setSource(url);
}

QVariant CLedraView::loadResource(int type, const QUrl& name) {
    if (!IsPage(type))
        return QTextBrowser::loadResource(type, name);
    if (name == kBlankPage)
        return QString("<html><body></body></html>");
    if (!name.isLocalFile())
        return NotFoundPage(name);
    const ViewerFile file(name.toLocalFile());
    if (!file.IsOpen())
        return NotFoundPage(name);
    if (file.Size() > kLargestPage)
        return TooLargePage(name);
    const QByteArray page = file.Read(kLargestPage + 1); // it may have grown since
    return page.size() > kLargestPage ? QVariant(TooLargePage(name)) : QVariant(page);
}

} // namespace mirelle
