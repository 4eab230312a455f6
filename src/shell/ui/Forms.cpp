#include "shell/ui/Forms.h"

#include "shell/ui/Form.h"
#include "shell/ui/ToolWindow.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <algorithm>
#include <vector>

struct Forms::Owner::State {
    QMdiArea* (*clientArea)();
    std::unique_ptr<QWidget> frame;
    const Form* frameForm = nullptr;
    // The windows beside the frame, in the order they were made.
    std::vector<std::unique_ptr<ToolWindow>> beside;
    // Every window made through Forms, in the order made; a window inside
    // the frame goes out of this list by itself when its owner destroys it.
    std::vector<std::pair<std::type_index, QPointer<ToolWindow>>> made;
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

Owner::Owner(QMdiArea* (*clientArea)()) : state_(std::make_unique<State>())
{
    if (g_state) qFatal("Forms: a second window owner");
    state_->clientArea = clientArea;
    g_state = state_.get();
}

Owner::~Owner()
{
    State& s = *state_;
    s.tearingDown = true;
    // Controls of unloaded windows wait for the event loop to delete them.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    // The controls go first, while every window they call back into is whole.
    for (auto it = s.made.rbegin(); it != s.made.rend(); ++it)
        if (it->second) it->second->discardControls();
    while (!s.beside.empty()) s.beside.pop_back();
    s.frame.reset();
    s.frameForm = nullptr;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    g_state = nullptr;
}

void holdFrame(std::unique_ptr<QWidget> frame, const Form& form)
{
    Owner::State& s = state();
    if (s.frame) qFatal("Forms: a second frame");
    s.frame = std::move(frame);
    s.frameForm = &form;
}

ToolWindow* find(std::type_index type)
{
    for (const auto& [t, w] : state().made)
        if (t == type && w) return w;
    return nullptr;
}

ToolWindow& keep(std::type_index type, std::unique_ptr<ToolWindow> w)
{
    Owner::State& s = state();
    if (s.tearingDown) qFatal("Forms: a window made while the windows are destroyed");
    ToolWindow& kept = *w;
    s.made.emplace_back(type, &kept);
    if (kept.isMdiChild()) {
        kept.setMdiArea(s.clientArea());
        (void)w.release(); // its sub-window holds it now
    } else {
        s.beside.push_back(std::move(w));
    }
    return kept;
}

QList<ToolWindow*> loaded()
{
    QList<ToolWindow*> open;
    if (!g_state || g_state->tearingDown) return open;
    for (const auto& [t, w] : g_state->made)
        if (w && w->isLoaded()) open.append(w);
    std::stable_sort(open.begin(), open.end(),
                     [](const ToolWindow* a, const ToolWindow* b) { return a->loadOrder() < b->loadOrder(); });
    return open;
}

int loadedCount()
{
    const Owner::State& s = state();
    return static_cast<int>(loaded().size()) + (s.frameForm && s.frameForm->isLoaded() ? 1 : 0);
}

} // namespace Forms
