#pragma once
// The run-time error trap. Model code raises a RuntimeError where a
// computation cannot give a number; a handler
// that traps errors catches it and reports its description through one
// reporter (a title-less message box in the program, a recorder in tests).
#include <QString>
#include <QStringList>
#include <exception>
#include <functional>
#include <string>

namespace rt {

enum class Err {
    InvalidCall = 5,   // "Invalid procedure call or argument"
    Overflow = 6,
    Subscript = 9,
    DivisionByZero = 11,
    TypeMismatch = 13,
};

QString description(Err e);

class RuntimeError : public std::exception {
public:
    explicit RuntimeError(Err e);
    Err code() const { return code_; }
    const QString& description() const { return text_; }
    const char* what() const noexcept override { return utf8_.c_str(); }

private:
    Err code_;
    QString text_;
    std::string utf8_;
};

[[noreturn]] void raise(Err e);

// Shows a text in a message box with an OK button and no title (or records it).
using MessageSink = std::function<void(const QString&)>;
void setMessageSink(MessageSink sink);
void showMessage(const QString& text);
inline void report(const RuntimeError& e) { showMessage(e.description()); }

// One user action: a key press with its release, a paste, a click or a list
// pick, with everything that runs nested inside it. While one is being
// dispatched the reporter shows at most one message, the first raised.
// Messages raised outside any dispatch (a
// model driven directly) are all shown. The application's event dispatch
// opens one per event; `starts` marks an event that begins a new action
// (it counts only at the outermost level: a modal box's own events belong
// to the action that raised it).
class UserAction {
public:
    explicit UserAction(bool starts);
    ~UserAction();
    UserAction(const UserAction&) = delete;
    UserAction& operator=(const UserAction&) = delete;
};

// Runs f; a RuntimeError is reported and abandons f. Returns false then.
template <class F>
bool trap(F&& f)
{
    try {
        f();
        return true;
    } catch (const RuntimeError& e) {
        report(e);
        return false;
    }
}

// While alive, every message goes into `messages` instead of the sink in force.
class MessageRecorder {
public:
    MessageRecorder();
    ~MessageRecorder();
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;
    QStringList messages;

private:
    MessageSink previous_;
};

} // namespace rt
