#pragma once
// The application object. Its notify is the last resort of the error trap:
// an error that escapes a handler is shown and the program goes on.
#include <QApplication>

class QuillApp : public QApplication {
public:
    QuillApp(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* e) override;

    // Common set-up for the program and the tests: fonts, message sink.
    static void setUp(bool interactiveMessages);
};
