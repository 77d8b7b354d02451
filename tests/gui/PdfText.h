#pragma once
// Reading a PDF back: its text (pdftotext) and its page count and size (pdfinfo).

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include <filesystem>
#include <string>

namespace zelmora::test {

struct ProcessResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

inline ProcessResult runProcess(const QString& program, const QStringList& arguments,
                                const QString& workingDirectory = {})
{
    QProcess process;
    process.setWorkingDirectory(workingDirectory);
    process.start(program, arguments);
    ProcessResult result;
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        result.err = "did not finish";
        return result;
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = process.readAllStandardOutput().toStdString();
    result.err = process.readAllStandardError().toStdString();
    return result;
}

inline bool havePopplerTools()
{
    return !QStandardPaths::findExecutable("pdftotext").isEmpty()
        && !QStandardPaths::findExecutable("pdfinfo").isEmpty();
}

// The text of the PDF, UTF-8, pages separated by form feeds.
inline std::string pdfText(const std::filesystem::path& pdf)
{
    return runProcess("pdftotext", {"-layout", QString::fromStdString(pdf.string()), "-"}).out;
}

struct PdfInfo {
    int pages = 0;
    double widthPts = 0;
    double heightPts = 0;
};

inline PdfInfo pdfInfo(const std::filesystem::path& pdf)
{
    const QString text = QString::fromStdString(runProcess("pdfinfo", {QString::fromStdString(pdf.string())}).out);
    PdfInfo info;
    const QRegularExpressionMatch pages = QRegularExpression(R"(Pages:\s+(\d+))").match(text);
    if (pages.hasMatch()) {
        info.pages = pages.captured(1).toInt();
    }
    const QRegularExpressionMatch size = QRegularExpression(R"(Page size:\s+([\d.]+) x ([\d.]+) pts)").match(text);
    if (size.hasMatch()) {
        info.widthPts = size.captured(1).toDouble();
        info.heightPts = size.captured(2).toDouble();
    }
    return info;
}

} // namespace zelmora::test
