#pragma once
// The server's password in the desktop's keyring (the Secret Service on Linux, the
// Credential Manager on Windows), through QtKeychain; never in a file of this program's.
// When no keyring answers, it says so, and the password must be given on each run.

#include "core/base/LangText.h"
#include "core/base/Status.h"

#include <QString>

#include <optional>

namespace zelmora::sync {

struct KeyringRead {
    enum class Found { Password, NoPassword, NoKeyring } found = Found::NoKeyring;
    QString password;
};

class PasswordKeyring {
public:
    // The password of `user` on `server`.
    PasswordKeyring(const QString& server, const QString& user) : m_key(user + QLatin1Char('@') + server) {}

    KeyringRead read() const;
    // Failure: no keyring answered (the message says to give the password on each run).
    Status store(const QString& password, Language language) const;
    void forget() const;

private:
    QString m_key;
};

} // namespace zelmora::sync
