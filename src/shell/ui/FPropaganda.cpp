#include "shell/ui/FPropaganda.h"

#include "shell/ui/Controls.h"
#include "shell/ui/Twips.h"

#include <QEvent>
#include <QLabel>
#include <QLayout>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {
const char* const kMakerMail = "info@brindlewick.example";
}

FPropaganda::FPropaganda() : ToolWindow("FPropaganda", true)
{
    setClientSize(4755, designHeight);
    layout()->setContentsMargins(borderWidth, borderWidth, borderWidth, borderWidth);
}

void FPropaganda::paintEvent(QPaintEvent* e)
{
    ToolWindow::paintEvent(e);
    QPainter p(this);
    p.setPen(QPen(palette().color(QPalette::WindowText), borderWidth));
    p.drawRect(rect().adjusted(0, 0, -borderWidth, -borderWidth));
}

void FPropaganda::setupUi(QWidget* body)
{
    if (QMdiSubWindow* sub = subWindow()) {
        // No caption bar and no frame to drag: the user can neither move,
        // resize nor close the window; only the fold toggle sizes it. The
        // window draws its own fixed single border (paintEvent).
        sub->setWindowFlags(Qt::FramelessWindowHint);
    }
    Label1 = Controls::label(body, "Label1", "Brindlewick", Twips::rect(30, 30, 4650, 420));
    Controls::setFontSize(Label1, 13.5, true);
    Label1->installEventFilter(this);

    Text1 = new QPlainTextEdit(body);
    Text1->setObjectName("Text1");
    // Shorter than designed (8055): it ends above "Minimize" instead of
    // running under it, which hid its last line and its scroll arrow.
    Text1->setGeometry(Twips::rect(60, 480, 4605, 7620));
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // Tab moves on to "Minimize", as from any box, rather than typing a tab.
    Text1->setTabChangesFocus(true);

    Command1 = Controls::button(body, "Command1", "Minimize", Twips::rect(75, 8130, 4590, 390));
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });

    body->installEventFilter(this);
}

bool FPropaganda::eventFilter(QObject* o, QEvent* e)
{
    if (e->type() == QEvent::MouseButtonPress) {
        if (o == Label1) Label1_Click();
        else if (o == body()) Form_Click();
        return o == Label1;
    }
    return ToolWindow::eventFilter(o, e);
}

void FPropaganda::Form_Load()
{
    Label1_Click();
    filltext();
}

void FPropaganda::Label1_Click()
{
    if (!foldState_) {
        unfoldedHeight_ = Height();
        foldState_ = 0;
    }
    if (*foldState_ == 0) {
        foldState_ = 1;
        setHeight(unfoldedHeight_);
    } else {
        foldState_ = 0;
        setHeight(500);
    }
}

void FPropaganda::filltext()
{
    lines_ = QStringList{
        QString("Contact us: ") + kMakerMail,
        "",
        "This is sample program and it can be tailored for your special needs",
        "",
        "Register it and send feed back by sending an e-mail",
        "And please donate",
        "Main Menu and Submenus",
        "-General",
        "---Calendar",
        "---Calculator",
        "---Conversion",
        "",
        "-Mech",
        "---Drill bit sizes",
        "",
        "-Aero",
        "---Air Constants",
        "---Std. Athmospere",
        "---1Disnetropic Flow Propeties",
        "---1D Normal Shock Flow",
        "",
        "-Financial",
        "---Finance Calculator",
        "",
        "-Geography",
        "---Geographic Distance",
        "---Sun and Planets",
        "",
        "-About",
        "---Brindlewick",
        "",
        "** More items are coming",
        "",
        "If you need more information, please contact us",
        kMakerMail,
        "",
        "Designed by the Brindlewick engineering desk",
        "Aeronautical and mechanical engineers",
        "desk@brindlewick.example",
        "",
        "",
        "",
    };
    QString text;
    for (const QString& l : lines_) text += l + "\r\n";
    Text1->setPlainText(text);
}
