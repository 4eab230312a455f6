#include "shell/ui/KeptValue.h"

#include "runtime/Error.h"
#include "runtime/Parse.h"
#include "shell/ui/Funct_txt_check.h"

#include <QLineEdit>
#include <limits>
#include <optional>

namespace KeptValue {
namespace {

class Keeper : public QObject {
public:
    static constexpr const char* kName = "qm_kept";
    Keeper(QLineEdit* box, std::function<void()> onChange, std::function<double()> kept, Reading read,
           bool editsOnly = false)
        : QObject(box), box_(box), lastReadable_(box->text()), onChange_(std::move(onChange)), kept_(std::move(kept)),
          read_(read ? std::move(read) : Reading([](QStringView t) { return rt::val(t); })), editsOnly_(editsOnly)
    {
        setObjectName(kName);
        QObject::connect(box, &QLineEdit::textEdited, this, [this](const QString& t) { edited_ = t; });
        QObject::connect(box, &QLineEdit::textChanged, this, [this] { changed(); });
    }

    std::optional<Disagreement> disagreement() const
    {
        if (!kept_ || Funct_txt_check::held(box_)) return std::nullopt;
        const double k = kept_();
        double shown = 0;
        try {
            shown = read_(box_->text());
        } catch (const rt::RuntimeError& e) {
            // A text beyond the double range is never a number the window holds.
            if (e.code() == rt::Err::Overflow) return Disagreement{box_, k, std::numeric_limits<double>::infinity()};
            return std::nullopt;
        }
        if (k == shown) return std::nullopt;
        return Disagreement{box_, k, shown};
    }

private:
    void changed()
    {
        const QString text = box_->text();
        // The box announces a user's edit just before the change it makes;
        // a write that a handler makes inside that change is the program's.
        const bool byUser = edited_ && *edited_ == text;
        if (byUser) edited_.reset();
        try {
            rt::val(text);
        } catch (const rt::RuntimeError& e) {
            if (e.code() != rt::Err::Overflow) throw;
            rt::report(e);
            box_->setText(lastReadable_);
            return;
        }
        lastReadable_ = text;
        if (onChange_ && (byUser || !editsOnly_)) onChange_();
    }

    QLineEdit* box_;
    QString lastReadable_;
    std::function<void()> onChange_;
    std::function<double()> kept_;
    Reading read_;
    bool editsOnly_;
    std::optional<QString> edited_;
};

} // namespace

void connect(QLineEdit* box, std::function<void()> onChange, std::function<double()> kept, Reading read)
{
    new Keeper(box, std::move(onChange), std::move(kept), std::move(read));
}

void connectEdits(QLineEdit* box, std::function<void()> onEdit)
{
    new Keeper(box, std::move(onEdit), {}, {}, true);
}

QList<Disagreement> disagreements(const QWidget* root)
{
    QList<Disagreement> out;
    for (const QObject* o : root->findChildren<QObject*>(Keeper::kName))
        if (auto d = static_cast<const Keeper*>(o)->disagreement()) out.append(*d);
    return out;
}

} // namespace KeptValue
