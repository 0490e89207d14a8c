#include "ui/panel_placement.hpp"

#include <algorithm>
#include <cmath>

#include <QGuiApplication>
#include <QScreen>

#include "platform/sway/sway_layout.hpp"

namespace tarnwick {

namespace {

// A screen's edges in device pixels, the right and bottom ones exclusive.
struct Edges {
    int left, top, right, bottom;
    bool empty() const { return left >= right || top >= bottom; }
};

// Moves one edge inwards to `to` when that leaves the screen something: a reservation that would
// swallow the screen whole belongs to a bar on another monitor beyond it.
void cutTop(Edges& e, int to) {
    if (to > e.top && to < e.bottom) e.top = to;
}
void cutBottom(Edges& e, int to) {
    if (to < e.bottom && to > e.top) e.bottom = to;
}
void cutLeft(Edges& e, int to) {
    if (to > e.left && to < e.right) e.left = to;
}
void cutRight(Edges& e, int to) {
    if (to < e.right && to > e.left) e.right = to;
}

// Whether the inclusive stretch [start, end] meets the exclusive one [from, to).
bool meets(int start, int end, int from, int to) { return start < to && end >= from && start <= end; }

// The edges of the workspace whose centre is on the screen `whole`, cut to it.
std::optional<Edges> workspaceOn(const Edges& whole, const std::vector<QRect>& workspaces) {
    for (const QRect& area : workspaces) {
        const QPoint centre = area.center();
        if (centre.x() < whole.left || centre.x() >= whole.right || centre.y() < whole.top || centre.y() >= whole.bottom)
            continue;
        const Edges cut{std::max(whole.left, area.left()), std::max(whole.top, area.top()),
                        std::min(whole.right, area.left() + area.width()), std::min(whole.bottom, area.top() + area.height())};
        if (!cut.empty()) return cut;
    }
    return std::nullopt;
}

}  // namespace

QRect freeArea(const ScreenFrame& screen, const DesktopBars& bars) {
    if (!bars.workArea && !bars.struts && !bars.workspaces) return screen.available;
    const QPoint origin = screen.geometry.topLeft();
    const qreal ratio = screen.ratio > 0 ? screen.ratio : 1;
    // Qt keeps each screen's origin and scales its size.
    const Edges whole{origin.x(), origin.y(), origin.x() + int(std::lround(screen.geometry.width() * ratio)),
                      origin.y() + int(std::lround(screen.geometry.height() * ratio))};
    const std::optional<Edges> workspace = bars.workspaces ? workspaceOn(whole, *bars.workspaces) : std::nullopt;
    Edges free = workspace.value_or(whole);
    const int rootLeft = bars.root.left(), rootTop = bars.root.top();
    const int rootRight = bars.root.left() + bars.root.width(), rootBottom = bars.root.top() + bars.root.height();

    // How far the struts reach in from each edge of the root, on any stretch of it.
    int reachLeft = 0, reachTop = 0, reachRight = 0, reachBottom = 0;
    // sway's workspace already leaves out everything that reserves an edge of its output.
    if (bars.struts && !workspace) {
        for (const x11::Strut& s : *bars.struts) {
            reachLeft = std::max(reachLeft, s.left);
            reachTop = std::max(reachTop, s.top);
            reachRight = std::max(reachRight, s.right);
            reachBottom = std::max(reachBottom, s.bottom);
            // Each strut cuts the screens along its stretch of the edge, and only those.
            if (s.top > 0 && meets(s.topStartX, s.topEndX, whole.left, whole.right) && rootTop < whole.bottom)
                cutTop(free, rootTop + s.top);
            if (s.bottom > 0 && meets(s.bottomStartX, s.bottomEndX, whole.left, whole.right) && rootBottom > whole.top)
                cutBottom(free, rootBottom - s.bottom);
            if (s.left > 0 && meets(s.leftStartY, s.leftEndY, whole.top, whole.bottom) && rootLeft < whole.right)
                cutLeft(free, rootLeft + s.left);
            if (s.right > 0 && meets(s.rightStartY, s.rightEndY, whole.top, whole.bottom) && rootRight > whole.left)
                cutRight(free, rootRight - s.right);
        }
    }
    // An edge of the work area further in than any strut reaches: something the struts do not
    // show reserves it (or no struts are known), and it may be on this screen.
    if (bars.workArea && !bars.workArea->isEmpty() && !workspace) {
        const QRect& work = *bars.workArea;
        if (work.left() > rootLeft + reachLeft) cutLeft(free, work.left());
        if (work.top() > rootTop + reachTop) cutTop(free, work.top());
        if (work.left() + work.width() < rootRight - reachRight) cutRight(free, work.left() + work.width());
        if (work.top() + work.height() < rootBottom - reachBottom) cutBottom(free, work.top() + work.height());
    }
    // Back to device-independent pixels, rounded inwards.
    auto logicalX = [&](int x, bool up) {
        const qreal v = origin.x() + (x - origin.x()) / ratio;
        return int(up ? std::ceil(v - 1e-9) : std::floor(v + 1e-9));
    };
    auto logicalY = [&](int y, bool up) {
        const qreal v = origin.y() + (y - origin.y()) / ratio;
        return int(up ? std::ceil(v - 1e-9) : std::floor(v + 1e-9));
    };
    const QRect logical(QPoint(logicalX(free.left, true), logicalY(free.top, true)),
                        QPoint(logicalX(free.right, false) - 1, logicalY(free.bottom, false) - 1));
    const QRect kept = logical & screen.available;
    return kept.isEmpty() ? screen.available : kept;
}

QRect headsUpFrame(QRect free) { return {free.x() + free.width() / 2 - 216, free.top(), 432, 156}; }

QRect reminderFrame(QRect free) { return {free.x() + free.width() / 2 - 120, free.top() + 24, 240, 150}; }

PanelPlace placePanel(QSize size, QRect icon, QPoint pointer, QRect free) {
    const QRect anchor = icon.isValid() ? icon : QRect(pointer, QSize(1, 1));
    const bool below = anchor.center().y() < free.center().y();
    int x = anchor.center().x() - size.width() / 2;
    int y = below ? anchor.bottom() + 4 : anchor.top() - size.height() - 4;
    x = std::clamp(x, free.left(), std::max(free.left(), free.right() - size.width() + 1));
    y = std::clamp(y, free.top(), std::max(free.top(), free.bottom() - size.height() + 1));
    return {{x, y}, below ? PanelAnchor::top : PanelAnchor::bottom};
}

QRect trayClickPlace(QPoint pointer, QRect screen, QRect free) {
    const QRect here(pointer, QSize(1, 1));
    if (!free.contains(pointer)) return here;
    const int topBar = free.top() - screen.top();
    const int bottomBar = screen.bottom() - free.bottom();
    if (topBar > 0) return {free.right(), screen.top(), 1, topBar};
    if (bottomBar > 0) return {free.right(), free.bottom() + 1, 1, bottomBar};
    return here;
}

DesktopBars currentDesktopBars() {
    DesktopBars bars;
    const auto root = x11::rootSize();
    if (!root) return bars;
    bars.root = QRect(0, 0, root->width, root->height);
    if (const auto work = x11::workArea()) bars.workArea = QRect(work->x, work->y, work->width, work->height);
    bars.struts = x11::struts();
    bars.workspaces = swayWorkspaceAreas();
    return bars;
}

QRect freeArea(const QScreen& screen) {
    return freeArea({screen.geometry(), screen.availableGeometry(), screen.devicePixelRatio()}, currentDesktopBars());
}

}  // namespace tarnwick
