#include "gui/app/Dialogs.h"

#include "gui/widgets/QtText.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProgressDialog>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>
#include <QWindow>

#include <memory>

namespace zelmora::gui {

namespace {

const QString Caption = QStringLiteral("Zelmora");

// How long the window waits for a job before it shows the progress dialog (the window does
// nothing else meanwhile), and how often the dialog looks at the progress.
constexpr int QuickJobMilliseconds = 300;
constexpr int ProgressLookMilliseconds = 100;
constexpr int ProgressSteps = 1000;

int progressValue(const JobProgress& progress)
{
    const std::size_t total = progress.total;
    return total == 0 ? 0 : static_cast<int>(progress.done * ProgressSteps / total);
}

} // namespace

void WidgetDialogs::tell(std::string_view message) { showBox(QMessageBox::Information, message, QMessageBox::Ok); }

bool WidgetDialogs::askOkCancel(std::string_view question)
{
    return showBox(QMessageBox::Question, question, QMessageBox::Ok | QMessageBox::Cancel);
}

void WidgetDialogs::tellFailure(std::string_view message) { showBox(QMessageBox::Warning, message, QMessageBox::Ok); }

bool WidgetDialogs::askAfterFailure(std::string_view question)
{
    return showBox(QMessageBox::Warning, question, QMessageBox::Ok | QMessageBox::Cancel);
}

bool WidgetDialogs::showBox(QMessageBox::Icon icon, std::string_view text, QMessageBox::StandardButtons buttons)
{
    QMessageBox box(icon, Caption, fromCp1252(text), buttons, m_parent);
    box.setDefaultButton(QMessageBox::Ok);
    return box.exec() == QMessageBox::Ok;
}

bool WidgetDialogs::choosePrinter(QPrinter& printer, const FileChoice& pdfFile)
{
    printer.setDocName(QFileInfo(pdfFile.proposed).completeBaseName()); // the print job's name
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        // Some print dialogs refuse to open without a printer; a PDF file is always possible.
        if (m_pdfFolder.isEmpty()) {
            const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
            m_pdfFolder = QDir(documents).exists() ? documents : QDir::homePath();
        }
        FileChoice inFolder = pdfFile;
        inFolder.proposed = QDir(m_pdfFolder).filePath(pdfFile.proposed);
        const std::optional<QString> file = chooseFileToSave(inFolder);
        if (!file) {
            return false;
        }
        m_pdfFolder = QFileInfo(*file).absolutePath();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(*file);
        return true;
    }
    QPrintDialog dialog(&printer, m_parent);
    dialog.setWindowTitle(Caption);
    return dialog.exec() == QDialog::Accepted;
}

std::optional<QString> WidgetDialogs::chooseFileToSave(const FileChoice& choice)
{
    QFileDialog dialog(m_parent, choice.title, choice.proposed, choice.filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(choice.defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().front();
}

void WidgetDialogs::showModal(QDialog& dialog)
{
    // Modal to the window it stands over only, when it has one.
    const QWindow* window = dialog.windowHandle();
    dialog.setWindowModality(window && window->transientParent() ? Qt::WindowModal : Qt::ApplicationModal);
    dialog.exec();
}

std::optional<QString> WidgetDialogs::chooseFileToOpen(const FileChoice& choice)
{
    const QString file = QFileDialog::getOpenFileName(m_parent, QString(), choice.proposed, choice.filter);
    if (file.isEmpty()) {
        return std::nullopt;
    }
    return file;
}

void WidgetDialogs::runWithProgress(const ProgressJob& job)
{
    JobProgress progress;
    const std::unique_ptr<QThread> worker(QThread::create([&job, &progress] { job.work(progress); }));
    worker->start();
    if (worker->wait(QDeadlineTimer(QuickJobMilliseconds))) {
        return;
    }
    QProgressDialog dialog(job.label, job.cancelText, 0, ProgressSteps, m_parent);
    dialog.setWindowTitle(Caption);
    dialog.setWindowModality(Qt::ApplicationModal); // nothing else happens until the job is over
    dialog.setMinimumDuration(0);
    dialog.setAutoReset(false);
    dialog.setAutoClose(false);
    QTimer look;
    QObject::connect(&look, &QTimer::timeout, &dialog, [&dialog, &progress] { dialog.setValue(progressValue(progress)); });
    look.start(ProgressLookMilliseconds);
    QObject::connect(&dialog, &QProgressDialog::canceled, &dialog, [&progress, &look] {
        progress.cancelled = true;
        look.stop(); // a new value would show the dialog again while the work stops
    });
    QEventLoop loop;
    QObject::connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit);
    dialog.show();
    if (!worker->isFinished()) {
        loop.exec();
    }
    worker->wait();
}

} // namespace zelmora::gui
