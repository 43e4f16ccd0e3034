#pragma once

#include <QString>
#include <QStringList>

namespace mirevo {

// Where the program keeps the question bank, the settings file, the guide page and the study
// records, chosen once at start-up.
class DataDirectory
{
public:
    enum class Mode
    {
        Portable,  // the executable's directory, which holds a question bank
        Installed, // the user's application data directory
        Chosen,    // the directory given on the command line
    };

    // A directory given on the command line wins; otherwise the executable's directory when it
    // holds mini.dll; otherwise the user's application data directory, with the shipped files
    // found beside the installed executable.
    static DataDirectory choose(const QString& executableDirectory, const QString& chosenDirectory = {});

    Mode mode() const { return m_mode; }
    // Absolute and clean; empty when the user has no data location.
    QString path() const { return m_path; }
    // Where the shipped files lie; empty in portable mode, which copies nothing.
    QString shippedPath() const { return m_shippedPath; }
    QString filePath(const QString& fileName) const;

    // Makes the directory where it is missing; false with the reason in *error.
    bool create(QString* error) const;
    // Copies every shipped data file that the directory lacks; an existing file is never
    // replaced. A missing shipped settings file leaves the defaults to the main window, which
    // makes them anew; a missing shipped question bank is a broken installation.
    bool copyMissingFiles(QString* error) const;

    // The files a data directory starts from: the question bank and the settings file.
    static const QStringList& shippedFileNames();

private:
    DataDirectory(Mode mode, QString path, QString shippedPath);

    Mode m_mode;
    QString m_path;
    QString m_shippedPath;
};

} // namespace mirevo
