#include "shell/ui/X11Frame.h"

#include <QAbstractNativeEventFilter>
#include <QGuiApplication>
#include <QPointer>

#include <xcb/xcb.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <thread>
#include <vector>

namespace X11Frame {
namespace {

xcb_connection_t* connection()
{
    if (!qGuiApp) return nullptr;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

// Replies of xcb are the caller's to free.
template <typename T> using Reply = std::unique_ptr<T, decltype(&std::free)>;
template <typename T> Reply<T> reply(T* r) { return Reply<T>(r, &std::free); }

xcb_atom_t atom(xcb_connection_t* c, const char* name)
{
    static std::map<std::string, xcb_atom_t> known;
    if (auto it = known.find(name); it != known.end()) return it->second;
    auto r = reply(xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(std::strlen(name)), name), nullptr));
    const xcb_atom_t a = r ? r->atom : xcb_atom_t(XCB_ATOM_NONE);
    known[name] = a;
    return a;
}

xcb_atom_t frameExtents(xcb_connection_t* c) { return atom(c, "_NET_FRAME_EXTENTS"); }

std::optional<QMargins> readBorder(xcb_connection_t* c, xcb_window_t w)
{
    auto r = reply(xcb_get_property_reply(c, xcb_get_property(c, 0, w, frameExtents(c), XCB_ATOM_CARDINAL, 0, 4), nullptr));
    if (!r || r->format != 32 || xcb_get_property_value_length(r.get()) != 16) return std::nullopt;
    const auto* v = static_cast<const uint32_t*>(xcb_get_property_value(r.get()));
    // left, right, top, bottom
    return QMargins(int(v[0]), int(v[2]), int(v[1]), int(v[3]));
}

xcb_window_t rootOf(xcb_connection_t* c, xcb_window_t w)
{
    auto r = reply(xcb_get_geometry_reply(c, xcb_get_geometry(c, w), nullptr));
    return r ? r->root : xcb_window_t(XCB_WINDOW_NONE);
}

// Whether the window manager of `root` lists `what` among what it supports.
bool supports(xcb_connection_t* c, xcb_window_t root, xcb_atom_t what)
{
    auto r = reply(xcb_get_property_reply(c, xcb_get_property(c, 0, root, atom(c, "_NET_SUPPORTED"), XCB_ATOM_ATOM, 0, 1024),
                                          nullptr));
    if (!r || r->format != 32) return false;
    const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(r.get()));
    const int n = xcb_get_property_value_length(r.get()) / 4;
    for (int i = 0; i < n; ++i)
        if (atoms[i] == what) return true;
    return false;
}

struct Watcher {
    QPointer<QObject> context;
    std::function<void()> changed;
};

// Sees the property changes of the watched windows among the X events the
// toolkit receives (it asks for them on every window of its own) and leaves
// every event to the toolkit.
class Filter : public QAbstractNativeEventFilter {
public:
    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override
    {
        if (type != "xcb_generic_event_t") return false;
        const auto* e = static_cast<const xcb_generic_event_t*>(message);
        if ((e->response_type & 0x7f) != XCB_PROPERTY_NOTIFY) return false;
        const auto* p = reinterpret_cast<const xcb_property_notify_event_t*>(e);
        xcb_connection_t* c = connection();
        if (!c || p->atom != frameExtents(c)) return false;
        auto [from, to] = watchers.equal_range(p->window);
        for (auto it = from; it != to;) {
            if (!it->second.context) {
                it = watchers.erase(it);
                continue;
            }
            // Acted on from the event loop: the window is moved and resized
            // outside the toolkit's handling of this event.
            QMetaObject::invokeMethod(it->second.context, it->second.changed, Qt::QueuedConnection);
            ++it;
        }
        return false;
    }

    std::multimap<xcb_window_t, Watcher> watchers;
};

Filter* filter()
{
    static Filter* f = [] {
        auto* made = new Filter;
        qGuiApp->installNativeEventFilter(made);
        return made;
    }();
    return f;
}

} // namespace

bool active() { return connection() != nullptr; }

std::optional<QMargins> border(WId window)
{
    xcb_connection_t* c = connection();
    if (!c) return std::nullopt;
    return readBorder(c, xcb_window_t(window));
}

void askBorder(WId window)
{
    xcb_connection_t* c = connection();
    if (!c) return;
    const auto w = xcb_window_t(window);
    if (readBorder(c, w)) return;
    const xcb_window_t root = rootOf(c, w);
    const xcb_atom_t request = atom(c, "_NET_REQUEST_FRAME_EXTENTS");
    if (!root || !supports(c, root, request)) return;
    xcb_client_message_event_t m;
    std::memset(&m, 0, sizeof m);
    m.response_type = XCB_CLIENT_MESSAGE;
    m.format = 32;
    m.window = w;
    m.type = request;
    xcb_send_event(c, 0, root, XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&m));
    xcb_flush(c);
    // The window manager answers at once as a rule; one that is busy answers
    // later, and the window is fitted again then.
    using namespace std::chrono;
    const auto until = steady_clock::now() + milliseconds(400);
    while (!readBorder(c, w) && steady_clock::now() < until) std::this_thread::sleep_for(milliseconds(2));
}

bool heldByWindowManager(WId window)
{
    xcb_connection_t* c = connection();
    if (!c) return false;
    auto r = reply(xcb_get_property_reply(
        c, xcb_get_property(c, 0, xcb_window_t(window), atom(c, "_NET_WM_STATE"), XCB_ATOM_ATOM, 0, 64), nullptr));
    if (!r || r->format != 32) return false;
    const xcb_atom_t held[] = {atom(c, "_NET_WM_STATE_MAXIMIZED_VERT"), atom(c, "_NET_WM_STATE_MAXIMIZED_HORZ"),
                               atom(c, "_NET_WM_STATE_HIDDEN"), atom(c, "_NET_WM_STATE_FULLSCREEN")};
    const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(r.get()));
    const int n = xcb_get_property_value_length(r.get()) / 4;
    for (int i = 0; i < n; ++i)
        for (xcb_atom_t h : held)
            if (atoms[i] == h) return true;
    return false;
}

std::optional<QRect> clientArea(WId window)
{
    xcb_connection_t* c = connection();
    if (!c) return std::nullopt;
    const auto w = xcb_window_t(window);
    auto g = reply(xcb_get_geometry_reply(c, xcb_get_geometry(c, w), nullptr));
    if (!g) return std::nullopt;
    auto r = reply(xcb_translate_coordinates_reply(c, xcb_translate_coordinates(c, w, g->root, 0, 0), nullptr));
    if (!r) return std::nullopt;
    return QRect(r->dst_x, r->dst_y, g->width, g->height);
}

void onBorderChanged(WId window, QObject* context, std::function<void()> changed)
{
    if (!connection()) return;
    filter()->watchers.emplace(xcb_window_t(window), Watcher{context, std::move(changed)});
}

} // namespace X11Frame
