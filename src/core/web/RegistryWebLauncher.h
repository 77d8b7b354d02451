#pragma once
// The Windows way of opening an address: the browser found in the registry is started
// itself, with its extra parameters, one blank and the address as its parameter line.

#include "core/platform/ClassesRegistry.h"
#include "core/web/WebLauncher.h"

#include <functional>
#include <string>

namespace zelmora {

class RegistryWebLauncher final : public WebLauncher {
public:
    // Starts `program` with `parameters` (both UTF-8), its window shown as `showCommand` asks (3
    // maximized, 1 normal); true on success. ShellExecute on Windows, a recorder in tests.
    using ProgramStarter
        = std::function<bool(const std::string& program, const std::string& parameters, int showCommand)>;

    RegistryWebLauncher(const ClassesRegistry& registry, ProgramStarter starter)
        : m_registry(registry), m_starter(std::move(starter)) {}

    Status launch(std::string_view address, TBrowserState state) const override;

private:
    const ClassesRegistry& m_registry;
    ProgramStarter m_starter;
};

} // namespace zelmora
