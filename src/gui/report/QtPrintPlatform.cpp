#include "gui/report/QtPrintPlatform.h"

#include "core/base/Cp1252.h"

#include <QDate>
#include <QLocale>
#include <QTime>

namespace zelmora::gui {

QtMetafile::QtMetafile(int width, int height) : m_bounds(0, 0, width, height) {}

QtMetafile::~QtMetafile() { close(); }

report::ReportCanvas& QtMetafile::open()
{
    m_picture = QPicture();
    m_picture.setBoundingRect(m_bounds);
    m_painter.begin(&m_picture);
    m_canvas = std::make_unique<QtReportCanvas>(m_painter);
    return *m_canvas;
}

void QtMetafile::close()
{
    m_canvas.reset();
    if (m_painter.isActive()) {
        m_painter.end();
        m_picture.setBoundingRect(m_bounds);
    }
}

std::unique_ptr<report::MetafileRecorder> QtPrintPlatform::createMetafile(int width, int height)
{
    return std::make_unique<QtMetafile>(width, height);
}

std::string QtPrintPlatform::shortDate(const LocalDate& date) const
{
    const QString text = QLocale::system().toString(QDate(date.year, date.month, date.day), QLocale::ShortFormat);
    return cp1252::forDisplay(text.toStdString());
}

std::string QtPrintPlatform::longTime(const LocalDateTime& moment) const
{
    const QString format = longTimeFormat(QLocale::system().timeFormat(QLocale::LongFormat));
    const QString text = QLocale::system().toString(QTime(moment.hour, moment.minute, moment.second), format);
    return cp1252::forDisplay(text.toStdString());
}

QString longTimeFormat(const QString& format)
{
    QString kept;
    bool quoted = false;
    for (const QChar c : format) {
        if (c == QChar('\'')) {
            quoted = !quoted;
        }
        if (quoted || c != QChar('t')) {
            kept += c;
        }
    }
    return kept.trimmed();
}

} // namespace zelmora::gui
