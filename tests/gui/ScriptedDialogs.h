#pragma once
// Dialogs answered by the test: the print dialog picks a PDF file or is cancelled, file
// dialogs give the names the test set (or Cancel), questions take the scripted answers
// (OK when none is left), long work runs at once (or is cancelled), and every message and
// question is recorded.

#include "gui/app/Dialogs.h"
#include "support/ScriptedAsker.h"

#include <QDialog>
#include <QPrinter>

#include <deque>
#include <functional>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace zelmora::test {

class ScriptedDialogs : public Scripted<gui::Dialogs> {
public:
    // The next print dialogs choose this PDF file; an empty path cancels them.
    void chooseNext(std::filesystem::path pdf) { m_next = std::move(pdf); }

    bool choosePrinter(QPrinter& printer, const gui::FileChoice& pdfFile) override
    {
        ++printDialogs;
        pdfChoices.push_back(pdfFile);
        if (m_next.empty()) {
            return false;
        }
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(m_next.string()));
        return true;
    }
    // The next file dialog gives this file; an empty name cancels it.
    void chooseFileNext(QString file) { m_files.push_back(std::move(file)); }

    // Each dialog shown modally is recorded by name; `whileShown` acts in it (a click) before it closes.
    std::function<void(QDialog&)> whileShown;
    void showModal(QDialog& dialog) override
    {
        shownModally.push_back(dialog.objectName().toStdString());
        if (whileShown) {
            whileShown(dialog);
        }
    }
    std::vector<std::string> shownModally;

    // Jobs run at once on the test's thread; `cancelNextJob` presses Cancel before the work starts.
    void runWithProgress(const gui::ProgressJob& job) override
    {
        progressShown.push_back(job.label);
        gui::JobProgress progress;
        progress.cancelled = std::exchange(cancelNextJob, false);
        job.work(progress);
    }
    bool cancelNextJob = false;
    std::vector<QString> progressShown;

    std::optional<QString> chooseFileToSave(const gui::FileChoice& choice) override { return nextFile(choice); }
    std::optional<QString> chooseFileToOpen(const gui::FileChoice& choice) override { return nextFile(choice); }

    int printDialogs = 0;
    std::vector<gui::FileChoice> pdfChoices; // what the print dialogs proposed for a PDF file
    std::vector<gui::FileChoice> fileChoices; // what the file dialogs proposed

private:
    std::optional<QString> nextFile(const gui::FileChoice& choice)
    {
        fileChoices.push_back(choice);
        if (m_files.empty() || m_files.front().isEmpty()) {
            if (!m_files.empty()) {
                m_files.pop_front();
            }
            return std::nullopt;
        }
        QString file = m_files.front();
        m_files.pop_front();
        return file;
    }

    std::filesystem::path m_next;
    std::deque<QString> m_files;
};

} // namespace zelmora::test
