#pragma once
// The form a report is laid out on: an owner of named components kept in creation
// order, the parent/child tree of its controls (form -> bands -> report controls), and
// the printer they all print on.

#include "core/report/ReportTypes.h"

#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zelmora::report {

class TBxPrinter;
class TForm;
class TWinControl;

class TComponent {
public:
    virtual ~TComponent() = default;
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    const std::string& Name() const { return m_name; }
    // The form that created the component; none for a form itself.
    TForm* Owner() const { return m_owner; }

    int Tag = 0;

protected:
    TComponent(TForm* owner, std::string name) : m_owner(owner), m_name(std::move(name)) {}

private:
    TForm* m_owner;
    std::string m_name;
};

class TControl : public TComponent {
public:
    ~TControl() override;

    TWinControl* Parent() const { return m_parent; }
    // Each kind of control decides which parents it accepts.
    virtual void SetParent(TWinControl* parent) { assignParent(parent); }

    // The font a control draws with: its parent's while ParentFont is set.
    TFont Font() const;
    void SetFont(TFont font);
    bool ParentFont = true;

    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;

protected:
    TControl(TForm* owner, std::string name) : TComponent(owner, std::move(name)) {}
    void assignParent(TWinControl* parent);

private:
    friend class TWinControl;
    TWinControl* m_parent = nullptr;
    TFont m_font;
};

class TWinControl : public TControl {
public:
    ~TWinControl() override;

    // The children in child order, which is also their drawing order.
    const std::vector<TControl*>& Controls() const { return m_children; }

protected:
    using TControl::TControl;

private:
    friend class TControl;
    std::vector<TControl*> m_children;
};

class TForm : public TWinControl {
public:
    // A form printing on `printer`, which its owner keeps alive longer than the form.
    TForm(std::string name, TBxPrinter& printer);
    ~TForm() override;

    TBxPrinter& Printer() const { return m_printer; }

    // Creates a component owned by this form, after all earlier ones. Names are unique
    // (case aside) so that finding a component by name is unambiguous.
    template <class T, class... Args>
    T& create(std::string name, Args&&... args)
    {
        checkNewName(name);
        auto component = std::make_unique<T>(this, std::move(name), std::forward<Args>(args)...);
        T& created = *component;
        m_components.push_back(std::move(component));
        return created;
    }

    std::vector<TComponent*> Components() const;
    // The component of that name, letters compared without case; none for an empty name.
    TComponent* FindComponent(std::string_view name) const;

private:
    void checkNewName(std::string_view name) const;

    TBxPrinter& m_printer;
    std::vector<std::unique_ptr<TComponent>> m_components;
};

// Letters a to z compared without case, every other byte as it is.
bool sameNameIgnoringCase(std::string_view a, std::string_view b);

} // namespace zelmora::report
