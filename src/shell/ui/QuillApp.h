#pragma once
// The application object. Its notify is the last resort of the error trap:
// an error that escapes a handler is shown and the program goes on. It also
// marks where each user action begins, so that one action shows a given
// message once, and it keeps a key pressed with Alt from typing into any box.
// It owns the windows, which go before it does, and ties the frame's client
// area to the windows that live inside it. The program gives it the table of
// its windows, which the frame builds its menu bar from.
#include "shell/ui/Forms.h"
#include "shell/ui/MenuTable.h"

#include <QApplication>
#include <QEvent>

class QuillApp : public QApplication {
public:
    QuillApp(int& argc, char** argv, std::span<const MenuTable::Menu> menus);
    bool notify(QObject* receiver, QEvent* e) override;

    // Common set-up for the program and the tests: fonts, message sink.
    static void setUp(bool interactiveMessages);

    // The window a message box opens over and belongs to: the one whose
    // action raised it (a modal box's when one is open), or none.
    static QWidget* messageOwner();
    // Events of the user's hand that begin a new action.
    static bool startsUserAction(QEvent::Type t);

private:
    // A member, so it is destroyed before the QApplication part of the object.
    Forms::Owner windows_;
};
