#include "gui/appearance/DrawnIcon.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

#include <algorithm>
#include <map>
#include <utility>

namespace zelmora::gui {

namespace {

class DrawnIconEngine : public QIconEngine {
public:
    DrawnIconEngine(std::function<QPixmap(int)> draw, QList<int> offered)
        : m_draw(std::move(draw)), m_offered(std::move(offered))
    {
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override
    {
        const int side = std::min(size.width(), size.height());
        QPixmap& drawn = m_drawn[side];
        if (drawn.isNull()) {
            drawn = m_draw(side);
        }
        if (mode != QIcon::Disabled) {
            return drawn;
        }
        const QStyleOption option;
        return QApplication::style()->generatedIconPixmap(QIcon::Disabled, drawn, &option);
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (const int side : m_offered) {
            sizes.append(QSize(side, side));
        }
        return sizes;
    }
    QIconEngine* clone() const override { return new DrawnIconEngine(*this); }

private:
    std::function<QPixmap(int)> m_draw;
    QList<int> m_offered;
    std::map<int, QPixmap> m_drawn;
};

} // namespace

QIcon drawnIcon(std::function<QPixmap(int side)> draw, QList<int> offered)
{
    return QIcon(new DrawnIconEngine(std::move(draw), std::move(offered)));
}

} // namespace zelmora::gui
