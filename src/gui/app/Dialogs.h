#pragma once
// How the window program talks with its user: message boxes captioned "Zelmora" and the
// print dialog. Handlers call these, never the widgets, so tests can answer instead.

#include "core/platform/MessageAsker.h"

class QPrinter;
class QWidget;

namespace zelmora::gui {

class Dialogs : public MessageAsker {
public:
    // Lets the user choose a printer, or a PDF file, for `printer`; false for Cancel.
    virtual bool choosePrinter(QPrinter& printer) = 0;
};

class WidgetDialogs : public Dialogs {
public:
    explicit WidgetDialogs(QWidget* parent = nullptr) : m_parent(parent) {}

    void tell(std::string_view message) override;
    bool askOkCancel(std::string_view question) override;
    // The platform's print dialog; with no printer installed, a save dialog for a PDF file.
    bool choosePrinter(QPrinter& printer) override;

private:
    QWidget* m_parent;
};

} // namespace zelmora::gui
