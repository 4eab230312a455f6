#pragma once
// What the window manager of an X server says about a window's frame: the
// border it puts around the window, announced in the window's
// _NET_FRAME_EXTENTS property, and where the window's client area stands.
// Everything here is in the X server's pixels. Where the program does not
// run on an X server, or no window manager frames the window, there is no
// border to tell and nothing waits for one.
#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QWindow>

#include <functional>
#include <optional>

class QObject;

namespace X11Frame {

// Whether the program talks to an X server.
bool active();

// The border announced for `window`, or none while no window manager has
// framed it (or said what its frame would be).
std::optional<QMargins> border(WId window);

// Asks the window manager, before `window` is first shown, what its border
// will be, where the window manager takes such a question, and waits a
// little for the answer: the window can then be placed right the first time.
// A late answer arrives as a change of the border.
void askBorder(WId window);

// Whether the window manager keeps `window` maximised, minimised or full
// screen: its border is then the window manager's, not the one it stands with.
bool heldByWindowManager(WId window);

// The client area of `window` on the server's screen: where it stands and
// its size as the server has them (the toolkit's may lag behind).
std::optional<QRect> clientArea(WId window);

// Calls `changed` (later, from the event loop) each time the border announced
// for `window` changes, for as long as `context` lives.
void onBorderChanged(WId window, QObject* context, std::function<void()> changed);

} // namespace X11Frame
