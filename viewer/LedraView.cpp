#include "LedraView.h"

#include "ViewerSettings.h"

#include <QDir>
#include <QFileInfo>
#include <QTextDocument>

namespace mirelle {

namespace {

const QUrl kBlankPage("about:blank");

bool IsPage(int type) {
    return type == QTextDocument::UnknownResource || type == QTextDocument::HtmlResource ||
           type == QTextDocument::MarkdownResource;
}

QString NotFoundPage(const QUrl& url) {
    const QString where = url.isLocalFile() ? url.toLocalFile() : url.toDisplayString();
    return "<html><body><h2>Page not found</h2><p>The page <tt>" + where.toHtmlEscaped() +
           "</tt> cannot be shown: the viewer shows readable local files only.</p></body></html>";
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
    const QFileInfo file(name.toLocalFile());
    if (!name.isLocalFile() || !file.isFile() || !file.isReadable())
        return NotFoundPage(name);
    return QTextBrowser::loadResource(type, name);
}

} // namespace mirelle
