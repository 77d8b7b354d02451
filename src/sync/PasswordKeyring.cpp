#include "sync/PasswordKeyring.h"

#include <qt6keychain/keychain.h>

#include <QEventLoop>

namespace zelmora::sync {

namespace {

const QString Service = QStringLiteral("Zelmora");

// Runs a keyring job to its end; a plain-text file in its place is never accepted.
void runJob(QKeychain::Job& job)
{
    job.setAutoDelete(false);
    job.setInsecureFallback(false);
    QEventLoop loop;
    QObject::connect(&job, &QKeychain::Job::finished, &loop, &QEventLoop::quit);
    job.start();
    loop.exec();
}

} // namespace

KeyringRead PasswordKeyring::read() const
{
    QKeychain::ReadPasswordJob job(Service);
    job.setKey(m_key);
    runJob(job);
    switch (job.error()) {
    case QKeychain::NoError: return {KeyringRead::Found::Password, job.textData()};
    case QKeychain::EntryNotFound: return {KeyringRead::Found::NoPassword, {}};
    default: return {};
    }
}

Status PasswordKeyring::store(const QString& password, Language language) const
{
    QKeychain::WritePasswordJob job(Service);
    job.setKey(m_key);
    job.setTextData(password);
    runJob(job);
    return job.error() == QKeychain::NoError ? Status::success()
                                             : Status::failure(std::string(LangText(lang::SyncNoKeyring, language)));
}

void PasswordKeyring::forget() const
{
    QKeychain::DeletePasswordJob job(Service);
    job.setKey(m_key);
    runJob(job);
}

} // namespace zelmora::sync
