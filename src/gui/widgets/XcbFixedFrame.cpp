#include "gui/widgets/FixedFrame.h"

#include <QGuiApplication>
#include <QWidget>

#include <xcb/xcb.h>

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace zelmora::gui {

namespace {

// The Motif window manager hints, which X11 window managers read for a window's frame.
struct MotifHints {
    std::uint32_t flags;
    std::uint32_t functions;
    std::uint32_t decorations;
    std::int32_t inputMode;
    std::uint32_t status;
};

enum : std::uint32_t {
    HintFunctions = 1, HintDecorations = 2,
    FunctionMove = 4, FunctionMinimise = 8, FunctionClose = 32,
    DecorationBorder = 2, DecorationTitle = 8, DecorationMenu = 16, DecorationMinimise = 32,
};

MotifHints fixedFrameHints(Qt::WindowFlags flags)
{
    MotifHints hints{HintFunctions | HintDecorations, FunctionMove, DecorationBorder | DecorationTitle, 0, 0};
    if (flags & Qt::WindowCloseButtonHint) {
        hints.functions |= FunctionClose;
    }
    if (flags & Qt::WindowMinimizeButtonHint) {
        hints.functions |= FunctionMinimise;
        hints.decorations |= DecorationMinimise;
    }
    if (flags & Qt::WindowSystemMenuHint) {
        hints.decorations |= DecorationMenu;
    }
    return hints;
}

} // namespace

void keepFrameFixed(QWidget& window)
{
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 && QGuiApplication::platformName() == QLatin1String("xcb") ? x11->connection() : nullptr;
    if (!connection) {
        return; // another platform (Wayland, offscreen): the window flags say enough
    }
    constexpr std::string_view Name = "_MOTIF_WM_HINTS";
    xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(Name.size()), Name.data()), nullptr);
    if (!atom) {
        return;
    }
    const MotifHints hints = fixedFrameHints(window.windowFlags());
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, static_cast<xcb_window_t>(window.winId()), atom->atom,
                        atom->atom, 32, sizeof(hints) / 4, &hints);
    xcb_flush(connection);
    std::free(atom);
}

} // namespace zelmora::gui
