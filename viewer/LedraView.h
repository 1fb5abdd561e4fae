// The viewer's page view. The manual is a set of local HTML files written for it, so a
// QTextBrowser serves: it shows local HTML with tables, images and a small style sheet,
// follows links and keeps a history, and it brings no web engine, no network and no
// JavaScript into a program that only reads the manual.
#pragma once

#include <QTextBrowser>

namespace mirelle {

class ViewerSettings;

// The address a "Document" value names: a file path (absolute, or relative to the working
// folder) or a URL; the blank page when the value is empty.
QUrl AddressToUrl(const QString& address);

class CLedraView : public QTextBrowser {
public:
    explicit CLedraView(QWidget* parent = nullptr);

    // Reads "Document" and navigates to it.
    void OnInitialUpdate(const ViewerSettings& settings);
    // Shows the page, read afresh even when it is already on show.
    void Navigate(const QString& address);

protected:
    // A page that cannot be read is reported inside the view, as a browser would.
    QVariant loadResource(int type, const QUrl& name) override;
};

} // namespace mirelle
