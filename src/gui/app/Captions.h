#pragma once
// Captions in the current language: one table per window names each control (its
// objectName) and the language pair it shows, and one function applies it. Labels,
// buttons, group boxes, tab pages, menu items and the window itself take their text
// from the same table.

#include "core/base/LangText.h"

#include <QStringList>

#include <cstdint>
#include <initializer_list>
#include <span>

class QObject;

namespace zelmora::gui {

struct Caption {
    const char* objectName; // the window's own name sets its title
    std::uint16_t pair;
};

// An option group: its caption and its items.
struct ItemsCaption {
    const char* objectName;
    std::uint16_t pair;
    std::initializer_list<std::uint16_t> items;
};

// Buttons that stand together, in one row or one group.
using ButtonRow = std::span<const char* const>;

// A caption wider than its button gets a smaller face rather than being cut.
void applyCaptions(QObject& window, std::span<const Caption> captions, Language language);
void applyCaptions(QObject& window, std::span<const ItemsCaption> groups, Language language);
// The buttons of a row share one caption size, the smallest any of them needs to fit.
void fitButtonRows(QObject& window, std::span<const ButtonRow> rows);

// The names in the tables that no child of `window` carries (a test keeps this empty).
QStringList missingCaptionObjects(const QObject& window, std::span<const Caption> captions,
                                  std::span<const ItemsCaption> groups);

} // namespace zelmora::gui
