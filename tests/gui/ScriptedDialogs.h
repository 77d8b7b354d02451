#pragma once
// Dialogs answered by the test: the print dialog picks a PDF file or is cancelled, and
// every message is recorded.

#include "gui/app/Dialogs.h"

#include <QPrinter>

#include <filesystem>
#include <string>
#include <vector>

namespace zelmora::test {

class ScriptedDialogs : public gui::Dialogs {
public:
    // The next print dialogs choose this PDF file; an empty path cancels them.
    void chooseNext(std::filesystem::path pdf) { m_next = std::move(pdf); }

    bool choosePrinter(QPrinter& printer) override
    {
        ++printDialogs;
        if (m_next.empty()) {
            return false;
        }
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(m_next.string()));
        return true;
    }
    void tell(std::string_view message) override { told.emplace_back(message); }
    bool askOkCancel(std::string_view question) override
    {
        told.emplace_back(question);
        return true;
    }

    int printDialogs = 0;
    std::vector<std::string> told;

private:
    std::filesystem::path m_next;
};

} // namespace zelmora::test
