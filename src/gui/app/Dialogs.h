#pragma once
// How the window program talks with its user: message boxes captioned "Zelmora", the
// print dialog and the file dialogs. Handlers call these, never the widgets, so tests
// can answer instead.

#include "core/platform/MessageAsker.h"

#include <QMessageBox>
#include <QString>

#include <atomic>
#include <cstddef>
#include <functional>
#include <optional>

class QDialog;
class QPrinter;
class QWidget;

namespace zelmora::gui {

// What a file dialog proposes: the file (name or full path), the filter of the kind of
// file ("Text files (*.TXT)"), the extension given to a name typed without one, and the
// dialog's title (Qt's own when empty).
struct FileChoice {
    QString proposed;
    QString filter;
    QString defaultSuffix;
    QString title = {};
};

// How far a piece of work run away from the window's thread has gone, and whether the user
// cancelled it: written by the work, read by the window.
struct JobProgress {
    std::atomic<std::size_t> done{0};
    std::atomic<std::size_t> total{0};
    std::atomic<bool> cancelled{false};
};

// Work that takes long enough to need a progress dialog: what the dialog says, its Cancel
// button in the window's language, and the work itself, which must touch nothing the window uses.
struct ProgressJob {
    QString label;
    QString cancelText;
    std::function<void(JobProgress&)> work;
};

class Dialogs : public MessageAsker {
public:
    // Lets the user choose a printer, or a PDF file, for `printer`; false for Cancel.
    // `pdfFile` proposes the file's name (no folder: the one used last, else the documents).
    virtual bool choosePrinter(QPrinter& printer, const FileChoice& pdfFile) = 0;
    // The file to write or to read, chosen by the user; nothing for Cancel.
    virtual std::optional<QString> chooseFileToSave(const FileChoice& choice) = 0;
    virtual std::optional<QString> chooseFileToOpen(const FileChoice& choice) = 0;
    // Shows one of the program's own dialogs (language chooser, About box, options) and
    // waits until it is closed.
    virtual void showModal(QDialog& dialog) = 0;
    // Runs the job's work on another thread and returns once it is over; meanwhile a modal
    // progress dialog follows it, and its Cancel sets the progress's `cancelled`.
    virtual void runWithProgress(const ProgressJob& job) = 0;
};

class WidgetDialogs : public Dialogs {
public:
    explicit WidgetDialogs(QWidget* parent = nullptr) : m_parent(parent) {}

    void tell(std::string_view message) override;
    bool askOkCancel(std::string_view question) override;
    void tellFailure(std::string_view message) override;
    bool askAfterFailure(std::string_view question) override;
    // The platform's print dialog; with no printer installed, a save dialog for a PDF file.
    bool choosePrinter(QPrinter& printer, const FileChoice& pdfFile) override;
    std::optional<QString> chooseFileToSave(const FileChoice& choice) override;
    std::optional<QString> chooseFileToOpen(const FileChoice& choice) override;
    void showModal(QDialog& dialog) override;
    // A job over within a blink shows no dialog at all.
    void runWithProgress(const ProgressJob& job) override;

private:
    // A message box captioned "Zelmora"; true for OK.
    bool showBox(QMessageBox::Icon icon, std::string_view text, QMessageBox::StandardButtons buttons);

    QWidget* m_parent;
    QString m_pdfFolder; // where the last PDF file was printed, for the next one
};

} // namespace zelmora::gui
