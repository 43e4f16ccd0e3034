#pragma once

#include <QTextBrowser>

namespace mirevo {

// Shows a local HTML document. The program reads the file itself and decodes it by the
// charset its meta element declares (GBK for the guide page).
class HtmlViewer : public QTextBrowser
{
    Q_OBJECT
public:
    explicit HtmlViewer(QWidget* parent = nullptr);

    // False when the file cannot be read; the viewer is then emptied.
    bool navigate(const QString& pathOrAddress);
    QString currentPath() const { return m_path; }

private:
    QString m_path;
};

} // namespace mirevo
