#pragma once
// A real Radicale for one test: its own storage folder (in memory where the system has a
// tmpfs, for its saves are synced to disk one by one), an htpasswd user, a free loopback
// port, its log read to count the requests it answered; over https when asked, with a
// certificate of its own that nobody trusts. Stopped, and everything removed, afterwards.

#include "support/TempFolder.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace zelmora::test {

class RadicaleServer {
public:
    static constexpr const char* User = "anne";
    static constexpr const char* Password = "s3cret";

    explicit RadicaleServer(bool https = false) : m_https(https), m_port(freePort())
    {
        std::ofstream(m_folder / "users") << User << ":" << Password << "\n";
        std::filesystem::create_directories(storage());
        std::ofstream config(m_folder / "config");
        config << "[server]\nhosts = 127.0.0.1:" << m_port << "\n";
        if (https) {
            config << "ssl = True\ncertificate = " << (m_folder / "cert.pem").string() << "\nkey = "
                   << (m_folder / "key.pem").string() << "\n";
        }
        config << "[auth]\ntype = htpasswd\nhtpasswd_filename = " << (m_folder / "users").string()
               << "\nhtpasswd_encryption = plain\ndelay = 0\n"
               << "[rights]\ntype = owner_only\n"
               << "[storage]\nfilesystem_folder = " << storage().string() << "\n"
               << "[logging]\nlevel = info\nmask_passwords = True\n";
    }
    ~RadicaleServer()
    {
        stop();
        std::error_code ignored;
        std::filesystem::remove_all(storage(), ignored);
    }
    RadicaleServer(const RadicaleServer&) = delete;
    RadicaleServer& operator=(const RadicaleServer&) = delete;

    // Starts it and waits until it answers; false when it does not within a while.
    bool start()
    {
        if (m_https && !std::filesystem::exists(m_folder / "cert.pem") && !makeCertificate()) {
            return false;
        }
        const std::string log = (m_folder / "log").string();
        const std::string config = (m_folder / "config").string();
        posix_spawn_file_actions_t files;
        posix_spawn_file_actions_init(&files);
        posix_spawn_file_actions_addopen(&files, STDOUT_FILENO, log.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0600);
        posix_spawn_file_actions_adddup2(&files, STDOUT_FILENO, STDERR_FILENO);
        const char* argv[] = {"radicale", "--config", config.c_str(), nullptr};
        const int spawned = posix_spawnp(&m_pid, "radicale", &files, nullptr, const_cast<char**>(argv), environ);
        posix_spawn_file_actions_destroy(&files);
        if (spawned != 0) {
            m_pid = 0;
            return false;
        }
        for (auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
             std::chrono::steady_clock::now() < deadline; std::this_thread::sleep_for(std::chrono::milliseconds(20))) {
            if (answers()) {
                return true;
            }
        }
        return false;
    }
    void stop()
    {
        if (m_pid <= 0) {
            return;
        }
        kill(m_pid, SIGCONT);
        kill(m_pid, SIGTERM);
        // It waits for its threads; one still in a handshake must not hold the test.
        for (int waited = 0; waitpid(m_pid, nullptr, WNOHANG) == 0; ++waited) {
            if (waited == 250) {
                kill(m_pid, SIGKILL);
                waitpid(m_pid, nullptr, 0);
                break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        m_pid = 0;
    }
    // Cards put in the storage folder of a server not started yet, as an address book
    // `name` of the user: each (file name, vCard).
    void seedAddressBook(const std::string& name, const std::vector<std::pair<std::string, std::string>>& cards) const
    {
        std::filesystem::create_directories(storedFile(name, ""));
        std::ofstream(storedFile(name, ".Radicale.props")) << "{\"D:displayname\": \"" << name
                                                           << "\", \"tag\": \"VADDRESSBOOK\"}";
        for (const auto& [file, card] : cards) {
            std::ofstream(storedFile(name, file), std::ios::binary) << card;
        }
    }
    // A file of an address book as the server keeps it, behind its back.
    std::filesystem::path storedFile(const std::string& book, const std::string& file) const
    {
        return storage() / "collection-root" / User / book / file;
    }

    // A server that takes connections and answers nothing, then the same server again.
    void pause() { kill(m_pid, SIGSTOP); }
    void resume() { kill(m_pid, SIGCONT); }

    std::string url(const std::string& path = "/") const
    {
        return std::string(m_https ? "https" : "http") + "://127.0.0.1:" + std::to_string(m_port) + path;
    }
    int port() const { return m_port; }

    // How many requests it has been sent so far.
    int requests() const
    {
        std::ifstream log(m_folder / "log");
        int count = 0;
        for (std::string line; std::getline(log, line);) {
            count += line.find(" request for ") != std::string::npos ? 1 : 0;
        }
        return count;
    }
    std::string log() const
    {
        std::ostringstream text;
        text << std::ifstream(m_folder / "log").rdbuf();
        return text.str();
    }

private:
    std::filesystem::path storage() const
    {
        const std::filesystem::path memory = "/dev/shm";
        const std::string name = "zelmora-radicale-" + std::to_string(m_port);
        return std::filesystem::is_directory(memory) ? memory / name : m_folder / "storage";
    }

    static int freePort()
    {
        const int s = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address);
        getsockname(s, reinterpret_cast<sockaddr*>(&address), &length);
        close(s);
        return ntohs(address.sin_port);
    }

    bool answers() const
    {
        const int s = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(static_cast<std::uint16_t>(m_port));
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        const bool connected = connect(s, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
        close(s);
        return connected;
    }

    bool makeCertificate() const
    {
        const std::string command = "openssl req -x509 -newkey rsa:2048 -nodes -days 1 -subj /CN=127.0.0.1 -keyout "
                                  + (m_folder / "key.pem").string() + " -out " + (m_folder / "cert.pem").string()
                                  + " >/dev/null 2>&1";
        return std::system(command.c_str()) == 0;
    }

    TempFolder m_folder;
    bool m_https;
    int m_port;
    pid_t m_pid = 0;
};

} // namespace zelmora::test
