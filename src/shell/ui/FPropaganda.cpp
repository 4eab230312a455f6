#include "shell/ui/FPropaganda.h"

#include "shell/ui/Controls.h"
#include "shell/ui/MultiLineBox.h"
#include "shell/ui/Twips.h"

#include <QEvent>
#include <QLabel>
#include <QLayout>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPushButton>

#include <algorithm>

namespace {
const char* const kMakerMail = "info@brindlewick.example";

// Shorter than designed (8055): the text ends above "Minimize" instead of
// running under it, which hid its last line and its scroll arrow.
QRect textPlace() { return Twips::rect(60, 480, 4605, 7620); }
QRect buttonPlace() { return Twips::rect(75, 8130, 4590, 390); }
} // namespace

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

    Text1 = Controls::multiLineBox(body, "Text1", QString(), textPlace());
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setLineWrapMode(QPlainTextEdit::WidgetWidth);

    Command1 = Controls::button(body, "Command1", "Minimize", buttonPlace());
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });

    body->installEventFilter(this);
    if (QMdiSubWindow* sub = subWindow()) sub->parentWidget()->installEventFilter(this);
}

void FPropaganda::applyGeometry()
{
    ToolWindow::applyGeometry();
    fitInTheFrame();
}

void FPropaganda::fitInTheFrame()
{
    // The window is no taller than the room under its top in the frame's
    // client area, so that a frame fitted to a small screen keeps "Minimize"
    // in view. Only a frame on the screen has a client area of its true size.
    QMdiSubWindow* sub = subWindow();
    if (!sub || !sub->parentWidget() || !sub->window()->isVisible()) return;
    const int room = sub->parentWidget()->height() - sub->y();
    const int wanted = Twips::px(Height());
    sub->resize(sub->width(), std::min(wanted, std::max(room, Twips::px(500))));
}

void FPropaganda::placeTextAndButton()
{
    // Unfolded but shorter than designed, the window keeps "Minimize" at its
    // bottom and the text gives up the height. Folded, the caption strip shows alone.
    const QRect text = textPlace(), button = buttonPlace();
    const int below = Twips::px(designHeight) - 2 * borderWidth - (button.y() + button.height());
    const bool folded = foldState_ && *foldState_ == 0;
    const int shortBy = folded ? 0 : button.y() + button.height() + below - body()->height();
    const int give = std::clamp(shortBy, 0, text.height() - Twips::px(600));
    Text1->setGeometry(text.adjusted(0, 0, 0, -give));
    Command1->setGeometry(button.translated(0, -give));
}

bool FPropaganda::eventFilter(QObject* o, QEvent* e)
{
    if (e->type() == QEvent::Resize) {
        if (o == body()) placeTextAndButton();
        else if (subWindow() && o == subWindow()->parentWidget()) fitInTheFrame();
        return false;
    }
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
