#include "gui/app/Captions.h"

#include "gui/widgets/QtText.h"
#include "gui/widgets/RadioGroup.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QRadioButton>
#include <QStyle>
#include <QGroupBox>
#include <QLabel>
#include <QTabWidget>
#include <QToolButton>

#include <algorithm>
#include <limits>

namespace zelmora::gui {

namespace {

QObject* findNamed(const QObject& window, const char* name)
{
    if (window.objectName() == QLatin1String(name)) {
        return const_cast<QObject*>(&window);
    }
    return window.findChild<QObject*>(QLatin1String(name));
}

// A tab page's caption belongs to the tab widget holding it (pages sit in its stack).
QTabWidget* tabWidgetOf(QWidget& page)
{
    QWidget* stack = page.parentWidget();
    return stack ? qobject_cast<QTabWidget*>(stack->parentWidget()) : nullptr;
}

// The largest face, at most the window's own, in which the button's caption fits: the free
// faces are a little wider than those the layout was drawn with.
int fittingPixelSize(const QAbstractButton& button)
{
    constexpr int SmallestPixelSize = 9;
    constexpr int Margins = 12; // frame and margins of a push button on both sides
    QFont font = button.parentWidget() ? button.parentWidget()->font() : button.font();
    QString shown = button.text();
    shown.remove(QLatin1Char('&'));
    const bool iconBeside = !button.icon().isNull() && !qobject_cast<const QToolButton*>(&button);
    int room = button.width() - Margins - (iconBeside ? button.iconSize().width() + 4 : 0);
    if (qobject_cast<const QCheckBox*>(&button) || qobject_cast<const QRadioButton*>(&button)) {
        const QStyle& style = *button.style();
        room = button.width() - style.pixelMetric(QStyle::PM_IndicatorWidth, nullptr, &button)
             - style.pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, &button) - 4;
    }
    while (font.pixelSize() > SmallestPixelSize && QFontMetrics(font).horizontalAdvance(shown) > room) {
        font.setPixelSize(font.pixelSize() - 1);
    }
    return font.pixelSize();
}

void setCaptionPixelSize(QAbstractButton& button, int pixelSize)
{
    QFont font = button.parentWidget() ? button.parentWidget()->font() : button.font();
    font.setPixelSize(pixelSize);
    button.setFont(font);
}

void setCaption(QObject& target, bool isWindow, const QString& text)
{
    if (auto* label = qobject_cast<QLabel*>(&target)) {
        label->setText(text);
        label->adjustSize(); // labels size themselves to their text, as their captions change
    } else if (auto* button = qobject_cast<QAbstractButton*>(&target)) {
        button->setText(text);
        setCaptionPixelSize(*button, fittingPixelSize(*button));
    } else if (auto* group = qobject_cast<QGroupBox*>(&target)) {
        group->setTitle(text);
    } else if (auto* action = qobject_cast<QAction*>(&target)) {
        action->setText(text);
    } else if (auto* widget = qobject_cast<QWidget*>(&target)) {
        if (isWindow) {
            widget->setWindowTitle(text);
        } else if (QTabWidget* tabs = tabWidgetOf(*widget)) {
            tabs->setTabText(tabs->indexOf(widget), text);
        }
    }
}

} // namespace

void applyCaptions(QObject& window, std::span<const Caption> captions, Language language)
{
    for (const Caption& caption : captions) {
        if (QObject* target = findNamed(window, caption.objectName)) {
            setCaption(*target, target == &window, fromCp1252(LangText(caption.pair, language)));
        }
    }
}

void applyCaptions(QObject& window, std::span<const ItemsCaption> groups, Language language)
{
    for (const ItemsCaption& group : groups) {
        auto* radioGroup = qobject_cast<RadioGroup*>(findNamed(window, group.objectName));
        if (!radioGroup) {
            continue;
        }
        radioGroup->setTitle(fromCp1252(LangText(group.pair, language)));
        QStringList items;
        for (const std::uint16_t item : group.items) {
            items << fromCp1252(LangText(item, language));
        }
        radioGroup->setItems(items);
    }
}

void fitButtonRows(QObject& window, std::span<const ButtonRow> rows)
{
    for (const ButtonRow& row : rows) {
        QList<QAbstractButton*> buttons;
        int pixelSize = std::numeric_limits<int>::max();
        for (const char* name : row) {
            if (auto* button = qobject_cast<QAbstractButton*>(findNamed(window, name))) {
                buttons << button;
                pixelSize = std::min(pixelSize, fittingPixelSize(*button));
            }
        }
        for (QAbstractButton* button : buttons) {
            setCaptionPixelSize(*button, pixelSize);
        }
    }
}

QStringList missingCaptionObjects(const QObject& window, std::span<const Caption> captions,
                                  std::span<const ItemsCaption> groups)
{
    QStringList missing;
    for (const Caption& caption : captions) {
        if (!findNamed(window, caption.objectName)) {
            missing << QLatin1String(caption.objectName);
        }
    }
    for (const ItemsCaption& group : groups) {
        if (!qobject_cast<RadioGroup*>(findNamed(window, group.objectName))) {
            missing << QLatin1String(group.objectName);
        }
    }
    return missing;
}

} // namespace zelmora::gui
