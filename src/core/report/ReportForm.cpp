#include "core/report/ReportForm.h"

#include <algorithm>

namespace zelmora::report {

namespace {

char upperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

} // namespace

bool sameNameIgnoringCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size()
        && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return upperAscii(x) == upperAscii(y); });
}

TControl::~TControl() { assignParent(nullptr); }

void TControl::assignParent(TWinControl* parent)
{
    if (m_parent == parent) {
        return;
    }
    if (m_parent) {
        std::erase(m_parent->m_children, this);
    }
    m_parent = parent;
    if (m_parent) {
        m_parent->m_children.push_back(this);
    }
}

TFont TControl::Font() const
{
    if (ParentFont && m_parent) {
        return m_parent->Font();
    }
    return m_font;
}

void TControl::SetFont(TFont font)
{
    m_font = std::move(font);
    ParentFont = false;
}

TWinControl::~TWinControl()
{
    for (TControl* child : m_children) {
        child->m_parent = nullptr;
    }
}

TForm::TForm(std::string name, TBxPrinter& printer) : TWinControl(nullptr, std::move(name)), m_printer(printer) {}

TForm::~TForm()
{
    // Latest first, so that controls leave their bands before the bands go.
    while (!m_components.empty()) {
        m_components.pop_back();
    }
}

std::vector<TComponent*> TForm::Components() const
{
    std::vector<TComponent*> all;
    all.reserve(m_components.size());
    for (const auto& component : m_components) {
        all.push_back(component.get());
    }
    return all;
}

TComponent* TForm::FindComponent(std::string_view name) const
{
    if (name.empty()) {
        return nullptr;
    }
    for (const auto& component : m_components) {
        if (sameNameIgnoringCase(component->Name(), name)) {
            return component.get();
        }
    }
    return nullptr;
}

void TForm::checkNewName(std::string_view name) const
{
    if (FindComponent(name) != nullptr) {
        throw EReportError("A component named " + std::string(name) + " already exists.");
    }
}

} // namespace zelmora::report
