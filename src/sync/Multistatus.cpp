#include "sync/Multistatus.h"

#include <QXmlStreamReader>

namespace zelmora::sync {

namespace {

const QString Dav = QStringLiteral("DAV:");
const QString CardDav = QStringLiteral("urn:ietf:params:xml:ns:carddav");

bool isElement(const QXmlStreamReader& xml, const QString& space, const QString& name)
{
    return xml.namespaceUri() == space && xml.name() == name;
}

// "HTTP/1.1 404 Not Found": the code.
int statusCode(const QString& line) { return line.section(QLatin1Char(' '), 1, 1).toInt(); }

class Reader {
public:
    explicit Reader(const QByteArray& bytes) : m_xml(bytes) {}

    MultistatusRead read()
    {
        MultistatusRead result;
        const bool inMultistatus = m_xml.readNextStartElement() && isElement(m_xml, Dav, QStringLiteral("multistatus"));
        if (inMultistatus) {
            readMultistatus(result.answer);
        }
        if (m_xml.hasError()) {
            result.status = Status::failure(QStringLiteral("XML line %1: %2").arg(m_xml.lineNumber()).arg(m_xml.errorString()).toStdString());
        } else if (!inMultistatus) {
            result.status = Status::failure("no WebDAV multistatus");
        }
        return result;
    }

private:
    void readMultistatus(Multistatus& answer)
    {
        while (m_xml.readNextStartElement()) {
            if (isElement(m_xml, Dav, QStringLiteral("response"))) {
                answer.resources.push_back(readResponse());
            } else if (isElement(m_xml, Dav, QStringLiteral("sync-token"))) {
                answer.syncToken = m_xml.readElementText().trimmed();
            } else {
                m_xml.skipCurrentElement();
            }
        }
    }

    DavResource readResponse()
    {
        DavResource resource;
        while (m_xml.readNextStartElement()) {
            if (isElement(m_xml, Dav, QStringLiteral("href"))) {
                resource.href = m_xml.readElementText().trimmed();
            } else if (isElement(m_xml, Dav, QStringLiteral("status"))) {
                resource.found = statusCode(m_xml.readElementText()) != 404;
            } else if (isElement(m_xml, Dav, QStringLiteral("propstat"))) {
                readPropstat(resource);
            } else {
                m_xml.skipCurrentElement();
            }
        }
        return resource;
    }

    // Only properties that came with a success count: a 404 propstat lists those the resource lacks.
    void readPropstat(DavResource& resource)
    {
        DavResource found = resource;
        bool succeeded = true;
        while (m_xml.readNextStartElement()) {
            if (isElement(m_xml, Dav, QStringLiteral("prop"))) {
                readProperties(found);
            } else if (isElement(m_xml, Dav, QStringLiteral("status"))) {
                const int code = statusCode(m_xml.readElementText());
                succeeded = code >= 200 && code < 300;
            } else {
                m_xml.skipCurrentElement();
            }
        }
        if (succeeded) {
            resource = found;
        }
    }

    void readProperties(DavResource& resource)
    {
        while (m_xml.readNextStartElement()) {
            if (isElement(m_xml, Dav, QStringLiteral("getetag"))) {
                resource.etag = m_xml.readElementText().trimmed().toUtf8();
            } else if (isElement(m_xml, Dav, QStringLiteral("displayname"))) {
                resource.displayName = m_xml.readElementText().trimmed();
            } else if (isElement(m_xml, Dav, QStringLiteral("resourcetype"))) {
                readResourceType(resource);
            } else if (isElement(m_xml, Dav, QStringLiteral("current-user-principal"))) {
                resource.principal = readHref();
            } else if (isElement(m_xml, CardDav, QStringLiteral("addressbook-home-set"))) {
                resource.addressBookHome = readHref();
            } else if (isElement(m_xml, CardDav, QStringLiteral("address-data"))) {
                resource.addressData = m_xml.readElementText().toUtf8();
            } else {
                m_xml.skipCurrentElement();
            }
        }
    }

    void readResourceType(DavResource& resource)
    {
        while (m_xml.readNextStartElement()) {
            resource.isAddressBook = resource.isAddressBook || isElement(m_xml, CardDav, QStringLiteral("addressbook"));
            resource.isCollection = resource.isCollection || isElement(m_xml, Dav, QStringLiteral("collection"));
            m_xml.skipCurrentElement();
        }
    }

    // The first href inside the current element.
    QString readHref()
    {
        QString href;
        while (m_xml.readNextStartElement()) {
            if (href.isEmpty() && isElement(m_xml, Dav, QStringLiteral("href"))) {
                href = m_xml.readElementText().trimmed();
            } else {
                m_xml.skipCurrentElement();
            }
        }
        return href;
    }

    QXmlStreamReader m_xml;
};

} // namespace

MultistatusRead readMultistatus(const QByteArray& xml) { return Reader(xml).read(); }

bool namesPrecondition(const QByteArray& xml, const QString& name)
{
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        if (reader.readNext() == QXmlStreamReader::StartElement && isElement(reader, Dav, name)) {
            return true;
        }
    }
    return false;
}

} // namespace zelmora::sync
