#include "runtime/Error.h"

#include <cstdio>

namespace rt {

QString description(Err e)
{
    switch (e) {
    case Err::InvalidCall: return QStringLiteral("Invalid procedure call or argument");
    case Err::Overflow: return QStringLiteral("Overflow");
    case Err::Subscript: return QStringLiteral("Subscript out of range");
    case Err::DivisionByZero: return QStringLiteral("Division by zero");
    case Err::TypeMismatch: return QStringLiteral("Type mismatch");
    }
    return QStringLiteral("Application-defined or object-defined error");
}

RuntimeError::RuntimeError(Err e) : code_(e), text_(rt::description(e)), utf8_(text_.toStdString()) {}

void raise(Err e) { throw RuntimeError(e); }

namespace {
MessageSink& sink()
{
    // Without a window system (models in tests) messages go to stderr.
    static MessageSink s = [](const QString& t) { std::fprintf(stderr, "%s\n", qPrintable(t)); };
    return s;
}

struct ActionState {
    int depth = 0;
    bool shown = false; // a message, in the current action
};
ActionState& action()
{
    static ActionState a;
    return a;
}
} // namespace

void setMessageSink(MessageSink s) { sink() = std::move(s); }

void showMessage(const QString& text)
{
    ActionState& a = action();
    if (a.depth > 0) {
        // The first message tells the user the action failed; what failed
        // after it, in the same action, follows from that one.
        if (a.shown) return;
        a.shown = true;
    }
    sink()(text);
}

UserAction::UserAction(bool starts)
{
    ActionState& a = action();
    if (starts && a.depth == 0) a.shown = false;
    ++a.depth;
}

UserAction::~UserAction() { --action().depth; }

MessageRecorder::MessageRecorder() : previous_(sink())
{
    sink() = [this](const QString& t) { messages << t; };
}

MessageRecorder::~MessageRecorder() { sink() = previous_; }

} // namespace rt
