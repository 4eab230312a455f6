#include "shell/ui/TextStart.h"

#include <QAbstractSpinBox>
#include <QEvent>
#include <QFocusEvent>
#include <QLineEdit>
#include <optional>

namespace TextStart {
namespace {

class Follower : public QObject {
public:
    explicit Follower(QLineEdit* box) : QObject(box), box_(box)
    {
        setObjectName("qm_textstart");
        box->setCursorPosition(0);
        connect(box, &QLineEdit::textEdited, this, [this](const QString& t) { edited_ = t; });
        connect(box, &QLineEdit::textChanged, this, [this](const QString& t) { changed(t); });
        connect(box, &QLineEdit::cursorPositionChanged, this, [this](int, int at) { moved(at); });
        box->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        switch (e->type()) {
        case QEvent::KeyPress:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::InputMethod:
        case QEvent::ContextMenu:
        case QEvent::Drop: userCaret_ = true; break;
        case QEvent::FocusIn: {
            // Reached by Tab, the box selects its whole text, with the caret
            // at the end unless a selection stands already: this one has it at the start.
            const Qt::FocusReason r = static_cast<QFocusEvent*>(e)->reason();
            if ((r == Qt::TabFocusReason || r == Qt::BacktabFocusReason || r == Qt::ShortcutFocusReason)
                && !box_->hasSelectedText())
                selectWhole(box_);
            break;
        }
        case QEvent::FocusOut: {
            // The caret a user leaves behind is the program's again; a
            // window losing the keyboard or a menu opening is not leaving.
            const Qt::FocusReason r = static_cast<QFocusEvent*>(e)->reason();
            if (r != Qt::ActiveWindowFocusReason && r != Qt::PopupFocusReason) userCaret_ = false;
            break;
        }
        default: break;
        }
        return false;
    }

private:
    // The box announces a user's edit just before the change it makes. The
    // window's own handlers hear that change first and may write the box
    // again inside it; those writes arrive here before the edit's own text.
    void changed(const QString& text)
    {
        if (edited_) {
            if (text == *edited_) edited_.reset();
            userCaret_ = true;
            return;
        }
        userCaret_ = false;
        box_->setCursorPosition(0);
    }

    // Writing the text a box already shows sends no change, but puts the
    // caret at the end all the same.
    void moved(int at)
    {
        if (!userCaret_ && at > 0 && at == box_->text().size() && !box_->hasSelectedText()) box_->setCursorPosition(0);
    }

    QLineEdit* box_;
    std::optional<QString> edited_;
    // The caret stands where the user put it, not where a write left it.
    bool userCaret_ = false;
};

} // namespace

void follow(QWidget* root)
{
    for (QLineEdit* box : root->findChildren<QLineEdit*>())
        if (!qobject_cast<QAbstractSpinBox*>(box->parentWidget())) new Follower(box);
}

void selectWhole(QLineEdit* box)
{
    const auto n = int(box->text().size());
    box->setSelection(n, -n);
}

} // namespace TextStart
