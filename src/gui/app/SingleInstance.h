#pragma once
// One window per data folder: a second start on the same folder asks the running window
// to come to the front (out of the tray if need be) and ends at once. The socket lies in
// a folder only the user may enter, and talks only with programs of the same user.

#include <QLocalServer>
#include <QObject>

#include <filesystem>

namespace zelmora::gui {

class SingleInstance : public QObject {
    Q_OBJECT

public:
    explicit SingleInstance(const std::filesystem::path& dataFolder, QObject* parent = nullptr);

    // True when a window already serves the folder; it has been asked to show itself.
    bool askRunningWindowToShow() const;
    // Starts answering later starts; false when that is not possible (the program then
    // simply runs without this service).
    bool listen();

    // Where the server listens; empty when the system offers no private place.
    const QString& name() const { return m_name; }

signals:
    void showRequested();

private:
    QString m_name;
    QLocalServer m_server;
};

} // namespace zelmora::gui
