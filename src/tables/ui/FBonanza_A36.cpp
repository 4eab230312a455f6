#include "tables/ui/FBonanza_A36.h"

#include "runtime/Error.h"
#include "shell/ui/Controls.h"
#include "shell/ui/MultiLineBox.h"
#include "shell/ui/Twips.h"
#include "tables/Bonanza_sheet.h"
#include "tables/ui/PictureBox.h"

#include <QHideEvent>
#include <QLabel>
#include <QMdiSubWindow>

FBonanza_A36::FBonanza_A36() : ToolWindow("FBonanza_A36", true)
{
    setWindowTitle("Bonanza A36");
    setClientSize(6810, 6495);
}

// Destroyed, the sheet goes for good.
FBonanza_A36::~FBonanza_A36() { emit wentAway(); }

void FBonanza_A36::setupUi(QWidget* body)
{
    if (QMdiSubWindow* sub = subWindow()) {
        // A fixed sheet: title and close button, no minimise or maximise, and
        // no border the user can drag (the frame is sized to hold it).
        const Qt::WindowFlags fixed = Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint
            | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;
        if (sub->windowFlags() != fixed) sub->setWindowFlags(fixed);
    }
    Label1 = Controls::label(body, "Label1", "Dozaduze Aircraft Company", Twips::rect(0, 0, 6000, 345));
    Controls::setFontSize(Label1, 13.5);

    Picture1 = PictureBox::make(body, "Picture1", Twips::rect(1095, 360, 3840, 3000), "bonanza_a36.jpg");

    Text1 = Controls::multiLineBox(body, "Text1", QString(), Twips::rect(0, 3390, 6000, 2610));
    Text1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    Label2 = Controls::label(body, "Label2", "Sample-Information taken from Dozaduze Aircraft Company Website",
                             Twips::rect(0, 6000, 6015, 210));
}

void FBonanza_A36::Form_Load()
{
    filltext();
}

void FBonanza_A36::filltext()
{
    const auto store = [this](int i) -> QString& {
        if (i < 0 || i >= static_cast<int>(lines_.size())) rt::raise(rt::Err::Subscript);
        return lines_[static_cast<size_t>(i)];
    };
    int count = 0;
    for (const QString& line : Bonanza_sheet::lines()) store(++count) = line;
    QString text;
    for (int j = 1; j <= count; ++j) text += store(j) + "\r\n";
    Text1->setPlainText(text);
}

void FBonanza_A36::Form_Unload(bool& cancel)
{
    (void)cancel; // closing the sheet always goes ahead
    emit wentAway();
}

void FBonanza_A36::hideEvent(QHideEvent* e)
{
    ToolWindow::hideEvent(e);
    // The sheet going away, not the window system minimising the frame.
    if (!e->spontaneous()) emit wentAway();
}
