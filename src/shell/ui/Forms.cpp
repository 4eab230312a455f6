#include "shell/ui/Forms.h"

#include "shell/ui/MDIForm1.h"
#include "shell/ui/ToolWindow.h"

#include <QCoreApplication>
#include <QEvent>
#include <utility>
#include <vector>

struct Forms::Owner::State {
    std::unique_ptr<MDIForm1> frame;
    // In the order they were made.
    std::vector<std::pair<std::type_index, std::unique_ptr<ToolWindow>>> windows;
    QList<ToolWindow*> loaded;
    bool tearingDown = false;
};

namespace Forms {
namespace {
Owner::State* g_state = nullptr;

Owner::State& state()
{
    // Windows are made only while the application object, which holds the owner, stands.
    if (!g_state) qFatal("Forms: no window owner (the application object holds it)");
    return *g_state;
}
} // namespace

Owner::Owner() : state_(std::make_unique<State>())
{
    if (g_state) qFatal("Forms: a second window owner");
    g_state = state_.get();
}

Owner::~Owner()
{
    State& s = *state_;
    s.tearingDown = true;
    s.loaded.clear();
    // Controls of unloaded windows wait for the event loop to delete them.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    while (!s.windows.empty()) {
        std::unique_ptr<ToolWindow> w = std::move(s.windows.back().second);
        s.windows.pop_back();
        // The controls go first, while the window they call back into is whole.
        w->discardControls();
        w.reset();
    }
    s.frame.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    g_state = nullptr;
}

MDIForm1& frame()
{
    Owner::State& s = state();
    if (!s.frame) s.frame.reset(new MDIForm1());
    return *s.frame;
}

MDIForm1* frameIfAny() { return g_state && !g_state->tearingDown ? g_state->frame.get() : nullptr; }

ToolWindow* find(std::type_index type)
{
    for (const auto& [t, w] : state().windows)
        if (t == type) return w.get();
    return nullptr;
}

ToolWindow& keep(std::type_index type, std::unique_ptr<ToolWindow> w)
{
    Owner::State& s = state();
    if (s.tearingDown) qFatal("Forms: a window made while the windows are destroyed");
    if (w->isMdiChild()) w->setMdiArea(frame().mdiArea());
    s.windows.emplace_back(type, std::move(w));
    return *s.windows.back().second;
}

const QList<ToolWindow*>& loaded() { return state().loaded; }

void markLoaded(ToolWindow* w, bool isLoaded)
{
    Owner::State& s = state();
    s.loaded.removeAll(w);
    if (isLoaded && !s.tearingDown) s.loaded.append(w);
}

int loadedCount() { return static_cast<int>(state().loaded.size()) + (MDIForm1::isOpen() ? 1 : 0); }

} // namespace Forms
