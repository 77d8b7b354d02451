#pragma once
// Devices around a real Radicale: Zelmora's data folders, each synchronised through the real
// zelmora-cli commands run in-process, and another address book program that writes
// cards straight to the server.

#include "RadicaleServer.h"
#include "cli/CliRunner.h"
#include "sync/DavClient.h"

#include <QCoreApplication>

#include <memory>

namespace zelmora::test {

// The event loop the network needs, for the whole test program; and no desktop session,
// so that no test writes to the keyring of whoever runs it.
inline void needEventLoop()
{
    setenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/zelmora-test-bus", 1);
    static int argc = 1;
    static char name[] = "test_carddav";
    static char* argv[] = {name, nullptr};
    static const auto application = std::make_unique<QCoreApplication>(argc, argv);
}

class ZelmoraDevice {
public:
    explicit ZelmoraDevice(const RadicaleServer& server) : m_server(server) {}

    CliResult run(std::vector<std::string> arguments, const std::string& password = RadicaleServer::Password)
    {
        cli.input = password + "\n";
        return cli.run(std::move(arguments));
    }
    CliResult setUp(const std::string& password = RadicaleServer::Password)
    {
        return run({"sync", "--setup", m_server.url(), "--user", RadicaleServer::User, "--password-stdin"}, password);
    }
    CliResult sync(std::vector<std::string> more = {})
    {
        std::vector<std::string> arguments = {"sync", "--password-stdin"};
        arguments.insert(arguments.end(), more.begin(), more.end());
        return run(arguments);
    }
    std::string list() { return cli.run({"list"}).out; }

    CliRunner cli;

private:
    const RadicaleServer& m_server;
};

// Another program with its own cards on the same address book.
class OtherProgram {
public:
    explicit OtherProgram(const RadicaleServer& server, const std::string& bookPath)
        : m_server(server), m_book(bookPath),
          m_client(RadicaleServer::User, RadicaleServer::Password, std::chrono::seconds(10), Language::English)
    {
        needEventLoop();
    }

    sync::DavResponse put(const std::string& name, const std::string& card, const QByteArray& ifMatch = {})
    {
        sync::DavRequest request;
        request.method = "PUT";
        request.url = QUrl(QString::fromStdString(m_server.url(m_book + name)));
        request.body = QByteArray::fromStdString(card);
        request.contentType = "text/vcard; charset=utf-8";
        request.ifMatch = ifMatch;
        return m_client.send(request);
    }
    sync::DavResponse get(const std::string& name) { return send("GET", name); }
    sync::DavResponse remove(const std::string& name) { return send("DELETE", name); }
    // The names of the address book's cards.
    std::vector<std::string> cards()
    {
        const sync::DavResponse listed = m_client.send(sync::DavRequest::query(
            "PROPFIND", QUrl(QString::fromStdString(m_server.url(m_book))), "1",
            "<propfind xmlns=\"DAV:\"><prop><getetag/></prop></propfind>"));
        std::vector<std::string> names;
        const std::string body = listed.body.toStdString();
        for (std::size_t at = body.find(m_book); at != std::string::npos; at = body.find(m_book, at + 1)) {
            const std::string name = body.substr(at + m_book.size(), body.find('<', at) - at - m_book.size());
            if (!name.empty()) {
                names.push_back(name);
            }
        }
        return names;
    }

private:
    sync::DavResponse send(const QByteArray& method, const std::string& name)
    {
        sync::DavRequest request;
        request.method = method;
        request.url = QUrl(QString::fromStdString(m_server.url(m_book + name)));
        return m_client.send(request);
    }

    const RadicaleServer& m_server;
    std::string m_book;
    sync::DavClient m_client;
};

} // namespace zelmora::test
